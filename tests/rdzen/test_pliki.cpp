// A scripted working session through the file flows: what it saves and exports is compared with
// expected files written out once (tests/dane), the export's raw files with the set file's own
// parts, every message with the editor's texts; then a failed save and a failed load.

#include "../wspolne.h"
#include "edit/bufor.h"
#include "edit/kolory.h"
#include "edit/malowanie.h"
#include "edit/otwieranie.h"
#include "edit/tryby.h"
#include "edit/zamiana.h"
#include "edit/zapamietanie.h"
#include "io/formaty.h"
#include "io/obraz.h"
#include "io/pliki.h"
#include "view/miniatury.h"
#include "view/paleta.h"

#include <QDir>
#include <QMap>
#include <QTemporaryDir>

#include <cerrno>
#include <csignal>
#include <functional>
#include <random>
#include <sys/resource.h>

using namespace edytor;
using Odpowiedz = Dialogi::Odpowiedz;

namespace {

const QString kZapisano = QStringLiteral("Informacja: Zestaw znaków został pomyślnie zapisany");
const QString kZastapic = QStringLiteral("Ostrzeżenie!: Plik już istnieje!\nZastąpić?");

/** Paints, picks, swaps, stores, copies through the buffer and switches modes, as a user would. */
void edytuj(StanEdytora &s, const QImage &paleta)
{
    WybierzObiekt(s, 5);
    ZZ_DblClick(s, 5);
    for (int r = 0; r < kRejestrow; ++r) {
        WybierzKolor(s, r);
        for (int p = 11 * r; p < 11 * r + 9; ++p)
            MalujKomorke(s, 3 * p % kKomorek, Qt::LeftButton);
    }
    WybierzKolor(s, PF2);
    MalujKomorke(s, 100, Qt::LeftButton);  // the PF3 cells of that character turn PF2
    MalujKomorke(s, 99, Qt::RightButton);
    MalujKomorke(s, 98, Qt::MiddleButton);
    WybierzKolor(s, PF1);
    WybierzZPalety(s, paleta, 100, 200);
    ZamienKolory(s, PF3);
    ZapamietajObiekt(s);
    DoBufora(s);
    WybierzObiekt(s, 40);
    ZZ_DblClick(s, 40);
    ZBufora(s);
    ZapamietajObiekt(s);
    WybierzTryb(s, Tryb::JGP);
    WybierzKolor(s, PF0);
    WybierzZPalety(s, paleta, 17, 31);
    s.TylkoWybrany = true;
    WybierzObiekt(s, 63);
    ZZ_DblClick(s, 63);
    ZBufora(s);  // in "JGP" the PF3 cells of an inverted character come back as PF2
    ZamienKolory(s, BAK);
    ZapamietajObiekt(s);
    WybierzTryb(s, Tryb::Vendra);
    Wypelnij(s);
}

} // namespace

class TestPliki : public QObject {
    Q_OBJECT
private slots:
    void sesja();
    void bledy();
    void obraz();
};

void TestPliki::sesja()
{
    QTemporaryDir katalog;
    const QImage paleta = ObrazPalety();
    QVERIFY(testy::jakWzorzec(testy::png(paleta), QStringLiteral("paleta.png")));
    StanEdytora s = StanPoczatkowy();
    s.folder = katalog.path();
    const auto tu = [&s](const char *nazwa) { return QDir(s.folder).filePath(QString::fromUtf8(nazwa)); };  // beside the last file
    testy::SkryptoweDialogi d;

    // A relative name is the file in the folder where the dialog was.
    d.pliki = {QStringLiteral("a.ORB")};
    Zapisz(s, d);
    QCOMPARE(d.pytania.at(0).proponowanaNazwa, QStringLiteral("ZESTAW.ORB"));
    QVERIFY(testy::jakWzorzec(testy::czytaj(katalog.filePath(QStringLiteral("a.ORB"))), QStringLiteral("poczatek.ORB")));

    edytuj(s, paleta);
    QVERIFY(testy::jakWzorzec(testy::png(s.miniatury), QStringLiteral("miniatury.png")));
    d.pliki = {QStringLiteral("a.ORB"), QStringLiteral("a.ORB")};
    d.odpowiedzi = {Odpowiedz::Anuluj, Odpowiedz::Ok};
    Zapisz(s, d);
    QVERIFY(testy::jakWzorzec(testy::czytaj(tu("a.ORB")), QStringLiteral("poczatek.ORB")));
    Zapisz(s, d);
    const QByteArray plik = testy::czytaj(tu("a.ORB"));
    QVERIFY(testy::jakWzorzec(plik, QStringLiteral("sesja.ORB")));
    QCOMPARE(d.komunikaty, (QStringList{kZapisano, kZastapic, kZastapic, kZapisano}));

    // The export: a folder ORB_EXPORT beside the set, then the five files.
    d.pliki = {QStringLiteral("ORB_EXPORT/X")};
    Eksportuj(s, d);
    QCOMPARE(d.pytania.last().folder, katalog.filePath(QStringLiteral("ORB_EXPORT")));
    QCOMPARE(s.folder, katalog.filePath(QStringLiteral("ORB_EXPORT")));
    QCOMPARE(testy::czytaj(tu("X.FN2")), plik.first(2048));
    QCOMPARE(testy::czytaj(tu("X.KODY")), plik.mid(2048, 512));
    QCOMPARE(testy::czytaj(tu("X.KOLORY")), plik.mid(2560, 5));
    const QByteArray bmp = testy::czytaj(tu("X.TILES.BMP"));
    QCOMPARE(bmp.size(), 54 + 4096 * 32 * 3);  // uncompressed, 24 bits a pixel
    QVERIFY(testy::jakWzorzec(testy::png(QImage::fromData(bmp, "BMP")), QStringLiteral("eksport.png")));
    QVERIFY(testy::jakWzorzec(testy::czytaj(tu("X")), QStringLiteral("eksport.txt")));
    QCOMPARE(d.komunikaty.last(), QStringLiteral("Informacja: Pliki zostały pomyślnie zapisane"));
    QCOMPARE(s.NazwaZestawu, QStringLiteral("X"));
    // From inside the export folder: no folder in it; existing files only after the question.
    QVERIFY(testy::zapisz(tu("X"), "stary"));
    d.pliki = {QStringLiteral("X")};
    d.odpowiedzi = {Odpowiedz::Anuluj};
    Eksportuj(s, d);
    QCOMPARE(d.pytania.last().folder, s.folder);
    QCOMPARE(QDir(s.folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList());
    QCOMPARE(d.komunikaty.last(), kZastapic);
    QCOMPARE(testy::czytaj(tu("X")), QByteArray("stary"));

    // Character sets alone, behind a 6-byte header: the standard table of the mode, without the
    // inverse flags the objects had; "JGP" on request.
    // A set file's mode comes from object 0's characters, inverse bits aside: 10, 10, 74, 74 with
    // the first code inverted is "Vendra" whatever the other objects hold (here "JGP").
    QByteArray inny = plik;
    for (int k = 0; k < kPozycji; ++k)
        for (int i = 0; i < kObiektow; ++i)
            inny[2048 + 64 * k + i] = char(i ? kodUkladu(Tryb::JGP, k, i) : (k ? 0 : 0x80) | (10 + 64 * (k / 2)));
    QVERIFY(testy::zapisz(tu("z.FNT"), "HEADER" + plik.first(2048)) && testy::zapisz(tu("i.ORB"), inny));
    d.pliki = {QStringLiteral("i.ORB"), QStringLiteral("z.FNT"), QStringLiteral("z.FNT")};
    d.odpowiedzi = {Odpowiedz::Nie, Odpowiedz::Tak};
    Wczytaj(s, d);
    QCOMPARE(ZakodujKody(s.zestaw.Obiekty).first(256), inny.mid(2048, 256));
    QCOMPARE(s.TrybZawartosci, Tryb::Vendra);
    Wczytaj(s, d);
    for (int k = 0; k < kPozycji; ++k)
        for (int i = 0; i < kObiektow; ++i)
            QCOMPARE(s.zestaw.Obiekty[k][i], Bajt(i + 64 * (k / 2)));
    Wczytaj(s, d);
    QVERIFY(d.komunikaty.last().endsWith(QStringLiteral("włączyć tryb zawartości zgodny z \"JGP\"?")));
    QCOMPARE(s.TrybZawartosci, Tryb::JGP);
    QCOMPARE(ZakodujZnaki(s.zestaw.Znaki), plik.first(2048));
    QCOMPARE(ZakodujKody(s.zestaw.Obiekty).first(8), QByteArray::fromHex("00020406080a0c0e"));
    QCOMPARE(s.NazwaZestawu, QStringLiteral("z.FNT"));

    // The set file loads back whole, whatever the mode; a wrong size changes nothing.
    d.pliki = {katalog.filePath(QStringLiteral("a.ORB")), QStringLiteral("z.FNT")};
    Wczytaj(s, d);
    QCOMPARE(ZakodujZestaw(s.zestaw), plik);
    QCOMPARE(s.TrybZawartosci, Tryb::Vendra);
    QVERIFY(testy::zapisz(tu("z.FNT"), plik.first(2579)));
    Wczytaj(s, d);
    QCOMPARE(d.komunikaty.last(), QStringLiteral("Uwaga!: Niepoprawny format pliku!"));
    QCOMPARE(ZakodujZestaw(s.zestaw), plik);
    // The Atari program of the set: its segments read back against the linker's labels.
    QMap<QString, int> adres;  // the labels as the linker placed them: "al 002000 .znaki0"
    for (const QByteArray &linia : testy::czytaj(QStringLiteral(EDYTOR_ATARI_ETYKIETY)).split('\n'))
        adres[QString::fromLatin1(linia.mid(11))] = linia.mid(3, 6).toInt(nullptr, 16);
    const QByteArray x = ZakodujProgramAtari(testy::czytaj(QStringLiteral(":/atari/podglad.xex")), s.zestaw).value();
    const auto slowo = [&x](qsizetype p) { return Bajt(x[p]) | Bajt(x[p + 1]) << 8; };
    QList<std::pair<int, QByteArray>> segmenty;  // first address, bytes
    QCOMPARE(slowo(0), 0xFFFF);
    for (qsizetype p = 0; p < x.size(); p += 4 + segmenty.last().second.size()) {
        p += slowo(p) == 0xFFFF ? 2 : 0;
        QVERIFY(p + 4 <= x.size() && slowo(p + 2) >= slowo(p) && p + 5 + slowo(p + 2) - slowo(p) <= x.size());
        segmenty.append({slowo(p), x.mid(p + 4, slowo(p + 2) - slowo(p) + 1)});
    }
    // A label's address as the loader reads it, low byte first.
    const auto wektor = [&adres](const char *e) { const int a = adres.value(QString::fromLatin1(e)); return QByteArray(1, char(a & 0xFF)) + char(a >> 8); };
    // First the system check and its INITAD ($02E2), then the set's data, last the run address ($02E0).
    QCOMPARE(segmenty.value(1), std::make_pair(0x2E2, wektor("sprawdz")));
    QCOMPARE(segmenty.value(2), std::make_pair(adres.value(QStringLiteral("znaki0")), ZakodujZnaki(s.zestaw.Znaki)));
    QCOMPARE(segmenty.value(3), std::make_pair(adres.value(QStringLiteral("kody")), ZakodujKody(s.zestaw.Obiekty)));
    QCOMPARE(segmenty.value(4), std::make_pair(adres.value(QStringLiteral("kolory")), ZakodujKolory(s.zestaw.WartoscKoloru)));
    QCOMPARE(segmenty.last(), std::make_pair(0x2E0, wektor("start")));

    // New colours reach the buffer's cells too, which no opening redraws.
    const auto kolory = s.zestaw.KolorEkranowy;
    d.pliki = {QStringLiteral(EDYTOR_DANE "/poczatek.ORB")};
    Wczytaj(s, d);
    QVERIFY(s.zestaw.KolorEkranowy != kolory);
    for (const Komorka &c : s.bufPixel)
        QCOMPARE(c.kolor, s.zestaw.KolorEkranowy[c.nr]);

}

void TestPliki::bledy()
{
    QTemporaryDir katalog;
    const QString sciezka = katalog.filePath(QStringLiteral("a.ORB"));
    QVERIFY(testy::zapisz(sciezka, "stary"));
    StanEdytora s = StanPoczatkowy();
    testy::SkryptoweDialogi d;

    // A file size limit stops the write half-way, also for root: the old file stays.
    rlimit stary{};
    getrlimit(RLIMIT_FSIZE, &stary);
    const rlimit maly{2100, stary.rlim_max};
    std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &maly);
    d.pliki = {sciezka};
    d.odpowiedzi = {Odpowiedz::Ok};
    Zapisz(s, d);
    // The export's data files fit, its bitmap does not: it writes none of them.
    const QString x = katalog.filePath(QStringLiteral("X"));
    const auto blad = ZapiszEksport(s, d, x);
    setrlimit(RLIMIT_FSIZE, &stary);
    QCOMPARE(testy::czytaj(sciezka), QByteArray("stary"));
    QCOMPARE(QDir(katalog.path()).entryList(QDir::Files), QStringList{QStringLiteral("a.ORB")});
    QVERIFY(blad && blad->sciezka == x + QStringLiteral(".TILES.BMP") && blad->powod == QStringLiteral("Plik jest za duży."));
    QCOMPARE(d.komunikaty.at(1), QStringLiteral("Uwaga!: Nie udało się zapisać pliku!\n") + sciezka + QStringLiteral("\nPlik jest za duży."));
    QCOMPARE(s.NazwaZestawu, QStringLiteral("ZESTAW.ORB"));

    // The reason is the system error behind a failure, whatever errno holds by then; where there
    // was none, the caller's sentence.
    QFile brak(katalog.filePath(QStringLiteral("brak"))), folder(katalog.path());
    QVERIFY(!brak.open(QIODevice::ReadOnly) && !folder.open(QIODevice::ReadOnly));
    errno = 0;
    QCOMPARE(powodBledu(brak, QString()), QStringLiteral("Nie ma takiego pliku ani folderu."));
    QCOMPARE(powodBledu(folder, QStringLiteral("inny")), QStringLiteral("inny"));

    MalujKomorke(s, 0, Qt::RightButton);
    const StanEdytora przed = s;
    d.pliki = {katalog.filePath(QStringLiteral("brak.ORB"))};
    Wczytaj(s, d);
    QVERIFY(d.komunikaty.last().startsWith(QStringLiteral("Uwaga!: Nie udało się odczytać pliku!\n") + katalog.filePath(QStringLiteral("brak.ORB")) + u'\n'));
    QCOMPARE(ZakodujZestaw(s.zestaw), ZakodujZestaw(przed.zestaw));
    QCOMPARE(s.NazwaZestawu, przed.NazwaZestawu);

    // A picture that the bitmap writer does not take: no file, no success.
    s.miniatury = s.obrazEksportu = QImage();
    QCOMPARE(ZapiszEksport(s, d, x).value().sciezka, x + QStringLiteral(".TILES.BMP"));
    QCOMPARE(QDir(katalog.path()).entryList(QDir::Files), QStringList{QStringLiteral("a.ORB")});
}

void TestPliki::obraz()
{
    // Random sets loaded as a file loads them, with screen colours drawn from `barwy` of them.
    std::mt19937 los(7);
    const auto zestaw = [&los](Tryb tryb, int barwy) {
        Zestaw z;
        for (auto &w : z.Znaki)
            std::generate(w.begin(), w.end(), [&los] { return Bajt(los()); });
        UstawUklad(z, tryb);
        for (int p = 0; p < kPozycji * kObiektow; ++p)
            z.Obiekty[p % kPozycji][p / kPozycji] |= tryb == Tryb::Vendra && los() % 2 ? 0x80 : 0;
        for (int r = 0; r < kRejestrow; ++r)
            z.KolorEkranowy[r] = qRgb(40 * int(los() % unsigned(barwy)), 7, r < barwy ? r : 0);
        StanEdytora s = StanPoczatkowy();
        testy::SkryptoweDialogi d;
        ZastosujZawartosc(s, d, z, QStringLiteral("z"));
        return s;
    };
    const auto zObrazu = [](const QImage &obraz, const StanEdytora &s) {
        const auto wynik = ZObrazu(obraz, s.zestaw, s.TrybZawartosci);
        return wynik.index() ? std::get<QString>(wynik) : QString::fromLatin1(ZakodujZestaw(std::get<Zestaw>(wynik)).toHex());
    };
    // The export picture comes back as the same set: whole, its left half, through PNG.
    for (int n = 0; n < 12; ++n) {
        StanEdytora s = zestaw(Tryb(n % 2), 2 + n % 4);
        RysujObrazEksportu(s.obrazEksportu, s.miniatury, s.zestaw.KolorEkranowy[PF2], s.zestaw.KolorEkranowy[PF3]);
        for (const QImage &obraz : {s.obrazEksportu, s.miniatury, QImage::fromData(testy::png(s.obrazEksportu))})
            QCOMPARE(zObrazu(obraz, s), QString::fromLatin1(ZakodujZestaw(s.zestaw).toHex()));
    }
    // Blocks painted over with other registers, against the set changed bit by bit.
    StanEdytora s = zestaw(Tryb::Vendra, 5);
    const StanEdytora poczatek = s;
    const QImage przed = s.miniatury;
    QImage obraz = przed;
    Zestaw z = s.zestaw;
    const auto malujBlok = [&obraz, &s](int i, int p, int r) {
        for (int d = 0; d < 8; ++d)
            obraz.setPixel(32 * i + 4 * (p % 4 + 4 * (p / 64)) + d % 4, 2 * (p % 64 / 4) + d / 4, s.zestaw.KolorEkranowy[r]);
    };
    for (int n = 0; n < 300; ++n) {
        const int i = int(los() % 64), p = int(los() % 128), para = int(los() % 4);
        Bajt &kod = z.Obiekty[p / 32][i], &wiersz = z.Znaki[p / 32 % 2][8 * (kod & 0x7F) + p % 32 / 4];
        wiersz = Bajt((wiersz & ~(3 << (6 - 2 * (p % 4)))) | para << (6 - 2 * (p % 4)));
        if (para == 3 && n % 3 == 0)  // the character's PF2 turns PF3, or the other way round
            kod ^= 0x80;
        for (int q = p / 32 * 32; q < p / 32 * 32 + 32; ++q)
            if (q == p || (para == 3 && (z.Znaki[q / 32 % 2][8 * (kod & 0x7F) + q % 32 / 4] >> (6 - 2 * (q % 4)) & 3) == 3))
                malujBlok(i, q, para == 3 ? (kod & 0x80 ? PF3 : PF2) : std::array{BAK, PF0, PF1}[para]);
    }
    QCOMPARE(zObrazu(obraz, s), QString::fromLatin1(ZakodujZestaw(z).toHex()));

    // Each refusal names where the picture is wrong.
    const Bajt kod9 = s.zestaw.Obiekty[0][9];
    const QList<std::pair<std::function<void()>, QString>> odmowy{
        {[&] { obraz = obraz.copy(0, 0, 2047, 32); }, QStringLiteral("Obraz ma 2047 x 32 pikseli, a powinien mieć 4096 x 32 albo 2048 x 32.")},
        {[&] { obraz.setPixel(32 * 5 + 4 * 6 + 3, 2 * 9 + 1, qRgb(1, 2, 3)); }, QStringLiteral("Obiekt 5, piksel (6, 9): blok 4 x 2 ma więcej niż jeden kolor.")},
        {[&] { obraz.fill(qRgb(1, 2, 3)); }, QStringLiteral("Obiekt 0, piksel (0, 0): kolor #010203 nie jest żadnym z pięciu kolorów zestawu.")},
        {[&] { malujBlok(7, 96, PF2), malujBlok(7, 97, PF3); }, QStringLiteral("Obiekt 7, prawy dolny znak: PF2 i PF3 w jednym znaku.")},
        {[&] { s.zestaw.Obiekty[0][8] &= 0x7F, s.TrybZawartosci = Tryb::JGP; for (int p = 0; p < 32; ++p) malujBlok(8, p, PF3); }, QStringLiteral("Obiekt 8: PF3 w układzie \"JGP\".")},
        {[&] { s.zestaw.Obiekty[0][10] = kod9; }, QStringLiteral("Obiekty 9 i 10 rysują inaczej ten sam znak (%1 w zestawie 0).").arg(kod9 & 0x7F)},
        {[&] { s.zestaw.Obiekty[2][9] = kod9; }, QStringLiteral("Obiekt 9: lewy górny i prawy górny znak rysują inaczej ten sam znak (%1 w zestawie 0).").arg(kod9 & 0x7F)},
        {[&] { obraz = obraz.convertToFormat(QImage::Format_ARGB32), obraz.fill(qRgba(0, 0, 0, 128)); }, QStringLiteral("Obiekt 0, piksel (0, 0): blok jest przezroczysty.")},
    };
    for (const auto &[zepsuj, komunikat] : odmowy) {
        obraz = przed;
        s = poczatek;
        zepsuj();
        QCOMPARE(zObrazu(obraz, s), komunikat);
    }
    // PF1 in PF3's colour: a character in that colour with one pixel of PF2 is PF1 and PF2.
    s.zestaw.KolorEkranowy[PF1] = s.zestaw.KolorEkranowy[PF3];
    OdswiezObiekty(s);
    obraz = s.miniatury;
    for (int p = 0; p < 32; ++p)
        malujBlok(13, p, p ? PF3 : PF2);
    const Zestaw po = std::get<Zestaw>(ZObrazu(obraz, s.zestaw, Tryb::Vendra));
    QCOMPARE(po.Obiekty[0][13], Bajt(s.zestaw.Obiekty[0][13] & 0x7F));
    QCOMPARE(ZakodujZnaki(po.Znaki).mid(8 * (po.Obiekty[0][13] & 0x7F), 3), QByteArray::fromHex("eaaaaa"));
}

QTEST_GUILESS_MAIN(TestPliki)
#include "test_pliki.moc"
