#include "io/zrodlo.h"

#include "io/formaty.h"

#include <QFileInfo>
#include <QStringList>

namespace edytor {

namespace {

/** How one language writes the parts of the source export. */
struct Skladnia {
    QStringView komentarz;     // opens a comment that runs to the end of the line
    QStringView wiersz;        // opens a line of bytes
    QStringView bajt;          // before a byte's two hex digits
    QStringView odstep;        // between two bytes
    QStringView poBajtach;     // after the last byte of a line
    QStringView etykieta;      // label %1 over a part of %2 bytes
    QStringView koniec;        // after a part
    QStringView naPoczatku;    // before the first part; %1 lists the labels
    QStringView przedZnakami;  // puts the character sets on a 1 KB boundary
    QStringView poZnakach;     // back to the ordinary data
    QStringView wlaczenie;     // comment lines: how a program takes the file in; %1 the prefix, %2 the segment's line
};

// The line that a linker configuration of ld65 needs for the segment of the character sets.
constexpr char16_t kSegmentZnakow[] = u"    ZNAKI: load = MAIN, type = ro, align = $400;";

// In order of Jezyk. xa reads a colon as the end of a statement even inside a comment, and
// "/*" as the start of a comment across lines: the comments hold neither.
constexpr Skladnia kSkladnie[] = {
    {u"; ", u"\tdta ", u"$", u",", u"", u"%1\n", u"", u"", u"\t.align $400\n", u"",
     u"Dla MADS. W programie   icl 'ten plik'\n"
     u".align $400 przenosi zestawy znaków na najbliższą granicę 1 KB."},
    {u"; ", u"\t.byte ", u"$", u",", u"", u"%1:\n", u"", u".export %1\n", u".segment \"ZNAKI\"\n", u".segment \"RODATA\"\n",
     u"Dla ca65 i ld65. Osobny moduł (etykiety są eksportowane) albo   .include \"ten plik\"\n"
     u"Zestawy znaków są w segmencie ZNAKI, kody i kolory w RODATA. Konfiguracja ld65\n"
     u"potrzebuje w SEGMENTS wiersza (MAIN to obszar pamięci programu, jak w atari.cfg cc65)\n%2"},
    {u"; ", u"\t.byt ", u"$", u",", u"", u"%1\n", u"", u"", u"\t.dsb (1024 - (* & 1023)) & 1023, 0\n", u"",
     u"Dla xa65. W programie   #include \"ten plik\"\n"
     u".dsb dopełnia zerami do najbliższej granicy 1 KB przed zestawami znaków."},
    {u"// ", u"    ", u"0x", u", ", u",", u"const unsigned char %1[%2] = {\n", u"};\n", u"",
     u"#ifdef __CC65__\n#pragma rodata-name (push, \"ZNAKI\")\n#endif\n", u"#ifdef __CC65__\n#pragma rodata-name (pop)\n#endif\n",
     u"Dla cc65 i innych kompilatorów C. Osobny plik programu, w innych plikach deklaracje\n"
     u"    extern const unsigned char %1_znaki0[1024];   i tak dalej.\n"
     u"W cc65 zestawy znaków są w segmencie ZNAKI. Konfiguracja ld65 (kopia atari.cfg)\n"
     u"potrzebuje w SEGMENTS wiersza\n%2"},
};

/** The five parts: the bytes of ".FN2", ".KODY" and ".KOLORY" in order, each under its label. */
struct Czesc {
    QStringView nazwa;
    qsizetype rozmiar;
    QStringView opis;
};
constexpr Czesc kCzesci[] = {
    {u"znaki0", kBajtowZestawuZnakow, u"zestaw znaków 0, górne znaki obiektów"},
    {u"znaki1", kBajtowZestawuZnakow, u"zestaw znaków 1, dolne znaki obiektów"},
    {u"kody", kPozycji * kObiektow, u"kody obiektów, po 64 lewych górnych, lewych dolnych, prawych górnych, prawych dolnych"},
    {u"negatywy", kPozycji * kObiektow, u"te same kody z odwróconym bitem 7, tuż za nimi"},
    {u"kolory", kRejestrow, u"PF0, PF1, PF2, PF3, BAK (cienie COLOR0-COLOR4, $02C4-$02C8)"},
};

// The parts by index, and how many codes a line of the code tables holds.
constexpr int kKody = 2, kNegatywy = 3, kKolory = 4;
constexpr int kKodowWWierszu = 8;

constexpr QStringView kRogi[kPozycji] = {u"lewy górny", u"lewy dolny", u"prawy górny", u"prawy dolny"};

/** A file name as the comments can hold it in every language. */
QString doKomentarza(QString nazwa)
{
    for (QChar &z : nazwa)
        if (!z.isLetterOrNumber() && !QStringView(u" .,_-+()[]'!&@~=#%").contains(z))
            z = u'?';
    return nazwa;
}

/** A pattern of the syntax with %1 and %2 filled in; a pattern need not use both. */
QString wypelnij(QStringView wzor, const QString &a, const QString &b = QString())
{
    return wzor.toString().replace(QStringLiteral("%1"), a).replace(QStringLiteral("%2"), b);
}

/** Which objects show character n of set w, and at which corner. */
QString uzycieZnaku(const Zestaw &zestaw, int w, int n)
{
    QStringList uzycia;
    for (int i = 0; i < kObiektow; ++i)
        for (int k = w; k < kPozycji; k += kZestawowZnakow)
            if (const Bajt kod = zestaw.Obiekty[k][i]; numerZnaku(kod) == n)
                uzycia << QStringLiteral("obiekt %1 %2%3").arg(i).arg(kRogi[k], kod & kBitNegatywu ? u" w negatywie" : u"");
    return uzycia.isEmpty() ? QStringLiteral("bez obiektu") : uzycia.join(QStringLiteral(", "));
}

} // namespace

std::optional<OpisJezyka> JezykZrodla(const QString &nazwa)
{
    for (const OpisJezyka &opis : kJezykiZrodla)
        if (nazwa == QStringView(opis.nazwa))
            return opis;
    return std::nullopt;
}

QString PrefiksEtykiet(const QString &plik)
{
    QString prefiks = QFileInfo(plik).fileName().section(u'.', 0, 0);
    for (QChar &z : prefiks)
        if (z.unicode() > 127 || (!z.isLetterOrNumber() && z != u'_'))
            z = u'_';
    if (!prefiks.isEmpty() && prefiks.front().isDigit())
        prefiks.prepend(u'_');
    return prefiks;
}

QString ZrodloZestawu(const Zestaw &zestaw, Jezyk jezyk, const QString &prefiks, const QString &nazwaZestawu, Tryb tryb)
{
    const Skladnia &s = kSkladnie[int(jezyk)];
    const QByteArray dane = ZakodujZnaki(zestaw.Znaki) + ZakodujKody(zestaw.Obiekty) + ZakodujKolory(zestaw.WartoscKoloru);
    const auto bajt = [&](qsizetype i) {
        return s.bajt.toString() + QStringLiteral("%1").arg(Bajt(dane[i]), 2, 16, QChar(u'0')).toUpper();
    };
    const auto etykieta = [&](int czesc) { return prefiks + u'_' + kCzesci[czesc].nazwa.toString(); };
    QString tekst;
    const auto komentarz = [&](const QString &linia) { tekst += (s.komentarz.toString() + linia).trimmed() + u'\n'; };
    const auto wiersz = [&](qsizetype od, qsizetype ile, const QString &opis) {
        QStringList bajty;
        for (qsizetype i = od; i < od + ile; ++i)
            bajty << bajt(i);
        tekst += s.wiersz.toString() + bajty.join(s.odstep) + s.poBajtach.toString() + u' ' + s.komentarz.toString() + opis
                 + u'\n';
    };

    komentarz(QStringLiteral("Edytor obiektów - zestaw %1, układ %2")
                  .arg(doKomentarza(nazwaZestawu), tryb == Tryb::Vendra ? u"Vendra" : u"JGP"));
    komentarz(QStringLiteral("Bajty plików .FN2, .KODY i .KOLORY eksportu, %1 razem.").arg(dane.size()));
    for (const QString &linia : wypelnij(s.wlaczenie, prefiks, QString::fromUtf16(kSegmentZnakow)).split(u'\n'))
        komentarz(linia);
    komentarz(QStringLiteral("Etykiety"));
    QStringList etykiety;
    for (int c = 0; c < std::ssize(kCzesci); ++c) {
        etykiety << etykieta(c);
        komentarz(QStringLiteral("  %1 %2 (%3 B)")
                      .arg(etykieta(c).leftJustified(etykieta(kNegatywy).size()), kCzesci[c].opis)
                      .arg(kCzesci[c].rozmiar));
    }
    tekst += u'\n' + wypelnij(s.naPoczatku, etykiety.join(QStringLiteral(", ")));

    qsizetype od = 0;
    for (int c = 0; c < std::ssize(kCzesci); ++c) {
        const qsizetype rozmiar = kCzesci[c].rozmiar;
        if (c == 0)
            tekst += s.przedZnakami;
        if (c == kKody) {
            tekst += s.poZnakach;
            komentarz(QStringLiteral("Kody obiektów - lewy górny, lewy dolny, prawy górny, prawy dolny"));
            for (int i = 0; i < kObiektow; ++i) {
                QStringList kody;
                for (int k = 0; k < kPozycji; ++k)
                    kody << bajt(od + k * kObiektow + i);
                komentarz(QStringLiteral("  obiekt %1  %2").arg(i, 2).arg(kody.join(u' ')));
            }
        }
        tekst += wypelnij(s.etykieta, etykieta(c), QString::number(rozmiar));
        if (c < kZestawowZnakow) {
            for (int n = 0; n < kZnakowWZestawie; ++n)
                wiersz(od + n * kBajtowZnaku, kBajtowZnaku,
                       QStringLiteral("znak %1 - %2").arg(n).arg(uzycieZnaku(zestaw, c, n)));
        } else if (c < kKolory) {
            for (int k = 0; k < kPozycji; ++k)
                for (int i = 0; i < kObiektow; i += kKodowWWierszu)
                    wiersz(od + k * kObiektow + i, kKodowWWierszu,
                           QStringLiteral("%1, obiekty %2-%3").arg(kRogi[k]).arg(i).arg(i + kKodowWWierszu - 1)
                               + (c == kNegatywy ? QStringLiteral(", odwrócone") : QString()));
        } else {
            wiersz(od, rozmiar, kCzesci[c].opis.toString());
        }
        tekst += s.koniec;
        od += rozmiar;
    }
    return tekst;
}

} // namespace edytor
