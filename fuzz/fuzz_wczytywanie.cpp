// libFuzzer target of the loader: any bytes, of any length, go through the decision by size,
// the decoders and the whole "Wczytaj" flow (a temporary file, the dialogs port played from a
// script). Whatever the bytes, the properties below hold; a violation aborts with its name.

#include "edit/kolory.h"
#include "edit/malowanie.h"
#include "edit/tryby.h"
#include "io/formaty.h"
#include "io/pliki.h"
#include "losowe/niezmienniki.h"
#include "view/miniatury.h"
#include "wspolne/skryptowedialogi.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace edytor;

namespace {

[[noreturn]] void naruszenie(const QString &co)
{
    std::fprintf(stderr, "violated: %s\n", qPrintable(co));
    std::abort();
}

void wymagaj(bool warunek, const char *co)
{
    if (!warunek)
        naruszenie(QString::fromUtf8(co));
}

void wymagaj(const niezmienniki::Wynik &wynik)
{
    if (wynik)
        naruszenie(wynik->wlasnosc + QStringLiteral(": ") + wynik->opis);
}

RodzajPliku oczekiwanyRodzaj(std::size_t rozmiar)
{
    switch (rozmiar) {
    case 2580: return RodzajPliku::Zestaw;
    case 2048: return RodzajPliku::Znaki;
    case 2054: return RodzajPliku::ZnakiZNaglowkiem;
    default: return RodzajPliku::Niepoprawny;
    }
}

/** An editor in the middle of work, in either mode: painted cells with PF3, a filled buffer, "Tylko wybrany"
 * ticked. */
StanEdytora stanRoboczy(Tryb tryb)
{
    StanEdytora s = StanPoczatkowy();
    WybierzTryb(s, tryb);
    for (int p = 0; p < kKomorek; p += 3) {
        WybierzKolor(s, p % (s.pf3Dostepny() ? 5 : 4));
        MalujKomorke(s, p, 1);
    }
    s.bufPixel = s.Pixel;
    s.TylkoWybrany = true;
    s.NazwaZestawu = QStringLiteral("PRZED.ORB");
    return s;
}

struct Srodowisko {
    QTemporaryDir katalog;
    QString plik = katalog.filePath(QStringLiteral("WEJSCIE.DAT"));
    QString roboczy =
        QDir::currentPath(); // crash inputs are written here; the loader's dialog moves away from it
    std::array<StanEdytora, 2> stany{stanRoboczy(Tryb::Vendra), stanRoboczy(Tryb::JGP)};
};

Srodowisko &srodowisko()
{
    static Srodowisko s;
    return s;
}

/** The decoders alone: sizes other than 2048, 2054 and 2580 give nothing; what is read encodes back to the
 * input. */
void sprawdzDekodery(const QByteArray &bajty)
{
    const auto rozmiar = std::size_t(bajty.size());
    const RodzajPliku rodzaj = rodzajPliku(bajty.size());
    wymagaj(rodzaj == oczekiwanyRodzaj(rozmiar), "rodzajPliku decides by the size alone");

    const auto zestaw = OdczytajZestaw(bajty);
    wymagaj(zestaw.has_value() == (rodzaj == RodzajPliku::Zestaw),
            "OdczytajZestaw reads exactly the 2580-byte files");
    const auto znaki = OdczytajZnaki(bajty);
    wymagaj(znaki.has_value() == (rodzaj == RodzajPliku::Znaki || rodzaj == RodzajPliku::ZnakiZNaglowkiem),
            "OdczytajZnaki reads exactly the 2048- and 2054-byte files");

    if (znaki)
        wymagaj(ZakodujZnaki(*znaki) == bajty.right(kRozmiarZnakow),
                "the characters encode back to the last 2048 bytes");
    if (zestaw) {
        const QByteArray znowu = ZakodujZestaw(*zestaw);
        wymagaj(znowu.size() == kRozmiarZestawu, "a set encodes to 2580 bytes");
        wymagaj(znowu.left(2304) == bajty.left(2304) && znowu.mid(2560) == bajty.mid(2560),
                "a set encodes back to the input but for the inverse table");
        for (int n = 0; n < 256; ++n)
            wymagaj(Bajt(znowu[2304 + n]) == (Bajt(znowu[2048 + n]) ^ 0x80),
                    "the inverse table is the table with bit 7 flipped");
    }
}

/** The whole "Wczytaj" flow on a file holding the bytes. */
void sprawdzWczytanie(const QByteArray &bajty)
{
    Srodowisko &sr = srodowisko();
    const auto *d = reinterpret_cast<const Bajt *>(bajty.constData());
    const qsizetype n = bajty.size();
    // Which editor, which object and which answer come from bytes the loader ignores or reads as data.
    const Tryb tryb = n > 1 && (d[n - 1] & 1) ? Tryb::JGP : Tryb::Vendra;
    const int obiekt = n > 0 ? d[n / 2] % kObiektow : 0;
    const bool tak = n > 2 && (d[n / 3] & 2);

    StanEdytora s = sr.stany[int(tryb)];
    WybierzObiekt(s, obiekt);
    const StanEdytora przed = s;

    {
        QFile f(sr.plik);
        wymagaj(f.open(QIODevice::WriteOnly) && f.write(bajty) == n, "writing the input file");
    }
    SkryptoweDialogi dialogi;
    dialogi.pliki << sr.plik;
    const RodzajPliku rodzaj = oczekiwanyRodzaj(std::size_t(n));
    const bool pyta =
        (rodzaj == RodzajPliku::Znaki || rodzaj == RodzajPliku::ZnakiZNaglowkiem) && tryb == Tryb::Vendra;
    if (pyta)
        dialogi.odpowiedzi << (tak ? Dialogi::Odpowiedz::Tak : Dialogi::Odpowiedz::Nie);
    Wczytaj(s, dialogi);
    QDir::setCurrent(sr.roboczy);

    wymagaj(dialogi.bledy.isEmpty() && dialogi.odpowiedzi.isEmpty(),
            "the loader asks exactly the expected question");
    wymagaj(!s.TylkoWybrany, "a load unticks \"Tylko wybrany\"");
    wymagaj(niezmienniki::zawsze(s));

    if (rodzaj == RodzajPliku::Niepoprawny) {
        wymagaj(dialogi.komunikaty.size() == 1 &&
                    dialogi.komunikaty[0].tekst == QStringLiteral("Niepoprawny format pliku!") &&
                    dialogi.komunikaty[0].ikona == Dialogi::Ikona::Blad,
                "a file of any other size is refused with one message");
        wymagaj(s.zestaw.Znaki == przed.zestaw.Znaki && s.zestaw.Obiekty == przed.zestaw.Obiekty &&
                    s.Pixel == przed.Pixel && s.KolorEkranowy == przed.KolorEkranowy &&
                    s.NazwaZestawu == przed.NazwaZestawu && s.TrybZawartosci == przed.TrybZawartosci,
                "a refused file changes nothing");
        return;
    }

    wymagaj(dialogi.komunikaty.size() == int(pyta), "a load that succeeds says nothing but the question");
    wymagaj(s.NazwaZestawu == QStringLiteral("WEJSCIE.DAT"), "the set takes the file's name");
    wymagaj(s.WybranyObiekt == obiekt && s.ramki[obiekt] == kCzerwony, "the selected object is opened again");
    wymagaj(niezmienniki::siatkaRownaZestawowi(s));
    wymagaj(niezmienniki::miniaturyRowneZestawowi(s));
    for (int p = 0; p < kKomorek; ++p)
        wymagaj(s.bufPixel[p].nr == przed.bufPixel[p].nr &&
                    s.bufPixel[p].kolor == s.KolorEkranowy[s.bufPixel[p].nr],
                "the buffer keeps its registers and shows the loaded colours");
    wymagaj(s.kolorRysowania.kolor == przed.kolorRysowania.kolor,
            "the drawing register keeps its colour copy");

    // The mode is decided on the table as loaded (for a set file, the file's own), before the
    // switch it may cause re-lays the set out: a file whose object 0 is 90, 90, 154, 154 chooses
    // "Vendra", and the switch then gives object 0 the codes 0, 0, 192, 64.
    const auto *wejscie = reinterpret_cast<const Bajt *>(bajty.constData());
    const Tryb poPytaniu = pyta && tak ? Tryb::JGP : tryb;
    const Tryb oczekiwanyTryb = rodzaj != RodzajPliku::Zestaw ? poPytaniu
        : int(wejscie[2048 + 128]) == int(wejscie[2048]) + 64 ? Tryb::Vendra
                                                              : Tryb::JGP;
    wymagaj(s.TrybZawartosci == oczekiwanyTryb, "the mode follows the loaded table");
    if (rodzaj == RodzajPliku::Zestaw) {
        const QByteArray zapis =
            ZakodujZestaw({s.zestaw.Znaki, s.zestaw.Obiekty, s.WartoscKoloru, s.KolorEkranowy});
        wymagaj(zapis.mid(2560) == bajty.mid(2560), "the colours are the file's");
        if (s.TrybZawartosci == przed.TrybZawartosci)
            wymagaj(zapis.left(2304) == bajty.left(2304),
                    "a set loaded without a change of mode saves as it was read");
    } else {
        wymagaj(ZakodujZnaki(s.zestaw.Znaki) == bajty.right(kRozmiarZnakow),
                "an import takes the characters as they are");
        for (int i = 0; i < kObiektow; ++i)
            for (int k = 0; k < kPozycji; ++k)
                wymagaj(s.zestaw.Obiekty[k][i] == kodUkladu(s.TrybZawartosci, k, i),
                        "an import lays the objects out by the mode");
        wymagaj(s.WartoscKoloru == przed.WartoscKoloru && s.KolorEkranowy == przed.KolorEkranowy,
                "an import keeps the colours");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *dane, std::size_t rozmiar)
{
    // Not copied: a read past the end of the input shows as an overflow.
    const QByteArray bajty =
        QByteArray::fromRawData(reinterpret_cast<const char *>(dane), qsizetype(rozmiar));
    sprawdzDekodery(bajty);
    sprawdzWczytanie(bajty);
    return 0;
}
