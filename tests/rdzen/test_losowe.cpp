// A long random session of user actions on the core. After every action the state is checked
// against properties that the user can see, not against a second copy of each operation:
// the preview shows the grid, an opening decodes the set exactly, a store followed by its
// reopening gives the grid back, a mode switch keeps every object's picture, a save followed
// by a load gives the same bytes. EDYTOR_LOSOWE_ZIARNO (added to the default seed) and
// EDYTOR_LOSOWE_AKCJE (the number of actions) vary the run; a failure names the seed and the action.

#include "../wspolne.h"
#include "edit/bufor.h"
#include "edit/kolory.h"
#include "edit/malowanie.h"
#include "edit/otwieranie.h"
#include "edit/tryby.h"
#include "edit/zamiana.h"
#include "edit/zapamietanie.h"
#include "io/formaty.h"
#include "io/pliki.h"
#include "view/miniatury.h"
#include "view/paleta.h"

#include <QTemporaryDir>

#include <random>

using namespace edytor;

namespace {

using Komorki = std::array<Komorka, kKomorek>;

/** Object i as the set describes it: 00 BAK, 01 PF0, 10 PF1, 11 PF2 (PF3 where the code has bit 7). */
Komorki obiekt(const StanEdytora &s, int i)
{
    static constexpr Bajt kRejestr[2][4] = {{BAK, PF0, PF1, PF2}, {BAK, PF0, PF1, PF3}};
    Komorki wynik;
    for (int p = 0; p < kKomorek; ++p) {
        const Bajt kod = s.zestaw.Obiekty[p / 32][i];
        const Bajt wiersz = s.zestaw.Znaki[p / 32 % 2][8 * (kod & 0x7F) + p % 32 / 4];
        const Bajt r = kRejestr[kod >> 7][(wiersz >> (6 - 2 * (p % 4))) & 3];
        wynik[p] = {r, s.zestaw.KolorEkranowy[r]};
    }
    return wynik;
}

/** The 32 x 32 picture at column x0 shows each cell as a block of 4 x 2 pixels of its colour. */
bool pokazuje(const QImage &obraz, int x0, const Komorki &komorki)
{
    for (int p = 0; p < kKomorek; ++p)
        for (int d = 0; d < 8; ++d)
            if (reinterpret_cast<const QRgb *>(obraz.constScanLine(2 * (p % 32 / 4 + 8 * (p / 32 % 2)) + d / 4))
                    [x0 + 4 * (p % 4 + 4 * (p / 64)) + d % 4]
                != komorki[p].kolor)
                return false;
    return true;
}

int ile(const Komorki &komorki, int k, int nr)
{
    return int(std::count_if(komorki.begin() + 32 * k, komorki.begin() + 32 * k + 32,
                             [nr](const Komorka &c) { return c.nr == nr; }));
}

/** Pictures kept across a re-layout; "JGP" shows no PF3. */
bool tenSamObraz(const Komorki &przed, const Komorki &po, Tryb tryb)
{
    for (int p = 0; p < kKomorek; ++p)
        if (po[p].nr != (tryb == Tryb::JGP && przed[p].nr == PF3 ? Bajt(PF2) : przed[p].nr))
            return false;
    return true;
}

} // namespace

class TestLosowe : public QObject {
    Q_OBJECT
private slots:
    void sesja();
};

void TestLosowe::sesja()
{
    const quint32 ziarno = qEnvironmentVariableIntValue("EDYTOR_LOSOWE_ZIARNO") + 20261206u;
    const int akcji = qEnvironmentVariableIsSet("EDYTOR_LOSOWE_AKCJE") ? qEnvironmentVariableIntValue("EDYTOR_LOSOWE_AKCJE") : 6000;
    std::mt19937 los(ziarno);
    const auto liczba = [&los](int n) { return int(los() % unsigned(n)); };
    const QImage paleta = ObrazPalety();
    QTemporaryDir katalog;
    const QString plik = katalog.filePath(QStringLiteral("z.ORB"));
    StanEdytora s = StanPoczatkowy();

    for (int n = 0; n < akcji; ++n) {
        const StanEdytora b = s;  // before
        const Komorki &siatka = b.Pixel;
        const int rodzaj = liczba(14), a = liczba(kKomorek);
        const Qt::MouseButton przycisk = std::array{Qt::LeftButton, Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}[liczba(4)];
        const int rejestr = liczba(s.pf3Dostepny() ? 5 : 4), x = liczba(129) - 2, y = liczba(241) - 2;
        const int wybrany = liczba(3) ? liczba(kObiektow) : 0;  // object 0, which decides a loaded set's mode, often
        const auto kto = [&] { return QStringLiteral("seed %1, action %2, kind %3").arg(ziarno).arg(n).arg(rodzaj); };
#define WYMAGAJ(w) QVERIFY2(w, qPrintable(kto() + QStringLiteral(": ") + QStringLiteral(#w)))
        bool otwarty = false, odswiezone = false, negatyw = false, bialy = false;
        switch (rodzaj) {
        case 0: case 1: case 2: {
            MalujKomorke(s, a, przycisk);
            negatyw = true;
            const Komorka rys{b.kolorRysowania.nr, b.kolorRysowania.kolor};
            const int przeciwny = rys.nr == PF2 ? PF3 : rys.nr == PF3 ? PF2 : -1;
            for (int p = 0; p < kKomorek; ++p) {
                const bool zmieniony = przycisk == Qt::LeftButton && p / 32 == a / 32 && (p == a || siatka[p].nr == przeciwny);
                WYMAGAJ(s.Pixel[p] == (zmieniony ? rys : p == a && przycisk == Qt::RightButton ? Komorka{BAK, s.zestaw.KolorEkranowy[BAK]} : siatka[p]));
            }
            break;
        }
        case 3: WybierzKolor(s, rejestr); break;
        case 4: {
            WybierzZPalety(s, paleta, x, y);
            odswiezone = paleta.rect().contains(x, y);
            const QRgb kolor = odswiezone ? paleta.pixel(x, y) : 0;
            WYMAGAJ(!odswiezone || (s.zestaw.KolorEkranowy[b.kolorRysowania.nr] == kolor && s.kolorRysowania.kolor == kolor));
            for (int p = 0; p < 2 * kKomorek; ++p) {
                const Komorka &c = p < kKomorek ? s.Pixel[p] : s.bufPixel[p - kKomorek];
                const Komorka &bylo = p < kKomorek ? siatka[p] : b.bufPixel[p - kKomorek];
                WYMAGAJ(c == (odswiezone && c.nr == b.kolorRysowania.nr ? Komorka{c.nr, kolor} : bylo));
            }
            break;
        }
        case 5:
            ZamienKolory(s, rejestr);
            negatyw = true;
            for (int k = 0; k < kPozycji && rejestr != b.kolorRysowania.nr; ++k)
                WYMAGAJ(ile(s.Pixel, k, rejestr) == ile(siatka, k, b.kolorRysowania.nr)
                        && ile(s.Pixel, k, b.kolorRysowania.nr) == ile(siatka, k, rejestr));
            WYMAGAJ(!s.TylkoWybrany && s.wybranaZamiana == rejestr);
            break;
        case 6:
            Wypelnij(s);
            negatyw = true;
            for (const Komorka &c : s.Pixel)
                WYMAGAJ(c.nr == b.kolorRysowania.nr && c.kolor == b.kolorRysowania.kolor);
            break;
        case 7:
            DoBufora(s);
            WYMAGAJ(s.bufPixel == siatka && s.BuforKodow == b.KodyEdytowane && !s.TylkoWybrany);
            break;
        case 8:
            ZBufora(s);
            negatyw = true;
            for (int p = 0; p < kKomorek; ++p) {
                const bool naPF2 = s.TrybZawartosci == Tryb::JGP && b.bufPixel[p].nr == PF3
                                   && (b.BuforKodow[p / 32] & 0x80);
                WYMAGAJ(s.Pixel[p] == (naPF2 ? Komorka{PF2, s.zestaw.KolorEkranowy[PF2]} : b.bufPixel[p]));
            }
            WYMAGAJ(!s.TylkoWybrany);
            break;
        case 9: {
            const Tryb tryb = Tryb(liczba(2));
            WybierzTryb(s, tryb);
            odswiezone = otwarty = tryb != b.TrybZawartosci;
            for (int i = 0; i < kObiektow; ++i)
                for (int k = 0; k < kPozycji; ++k)
                    WYMAGAJ(s.zestaw.Obiekty[k][i]
                            == (tryb == Tryb::Vendra ? (i + 64 * (k / 2)) | (b.zestaw.Obiekty[k][i] & 0x80)
                                                     : 2 * i + k / 2)
                            || !otwarty);
            for (int i = 0; i < kObiektow; ++i)
                WYMAGAJ(tenSamObraz(obiekt(b, i), obiekt(s, i), otwarty ? tryb : Tryb::Vendra));
            WYMAGAJ(s.pf3Dostepny() || s.kolorRysowania.nr != PF3);
            break;
        }
        case 10: {
            const int i = wybrany;
            WybierzObiekt(s, i);
            ZZ_DblClick(s, i);
            otwarty = !b.TylkoWybrany;
            const Komorki o = obiekt(s, i);
            for (int p = 0; p < kKomorek && !otwarty; ++p)
                WYMAGAJ(s.Pixel[p] == (o[p].nr == s.kolorRysowania.nr ? o[p] : siatka[p]));
            break;
        }
        case 11:
            if (liczba(2))
                s.TylkoWybrany = liczba(2);
            else
                WybierzObiekt(s, wybrany), bialy = true;
            break;
        case 12: {
            ZapamietajObiekt(s);
            otwarty = odswiezone = true;
            for (int p = 0; p < kKomorek; ++p) {
                const bool odwrocony = b.KodyEdytowane[p / 32] & 0x80;
                const int nr = siatka[p].nr == PF3 || siatka[p].nr == PF2 ? int(odwrocony ? PF3 : PF2) : int(siatka[p].nr);
                WYMAGAJ(s.Pixel[p].nr == nr);
            }
            WYMAGAJ(pokazuje(s.miniatury, 32 * s.WybranyObiekt, siatka));
            break;
        }
        default: {
            testy::SkryptoweDialogi d;
            d.pliki = {plik, plik};
            d.odpowiedzi = {Dialogi::Odpowiedz::Ok};
            Zapisz(s, d);
            const QByteArray bajty = testy::czytaj(plik);
            Wczytaj(s, d);
            otwarty = odswiezone = true;
            WYMAGAJ(s.TrybZawartosci == b.TrybZawartosci && ZakodujZestaw(s.zestaw) == bajty);
            WYMAGAJ(!d.komunikaty.join(u' ').contains(QStringLiteral("Uwaga")) && s.NazwaZestawu == QStringLiteral("z.ORB"));
        }
        }
        // What holds after every action.
        WYMAGAJ(pokazuje(s.podglad, 0, s.Pixel));
        for (int k = 0; k < kPozycji; ++k) {
            WYMAGAJ(s.znakOdwrocony[k] == (ile(s.Pixel, k, PF3) > 0));
            if (negatyw)
                WYMAGAJ(s.KodyEdytowane[k] == ((b.KodyEdytowane[k] & 0x7F) | (s.znakOdwrocony[k] ? 0x80 : 0)));
        }
        WYMAGAJ(!otwarty || (s.Pixel == obiekt(s, s.WybranyObiekt) && !s.TylkoWybrany));
        if (otwarty || rodzaj == 10) {
            for (int k = 0; k < kPozycji; ++k)
                WYMAGAJ(s.KodyEdytowane[k] == s.zestaw.Obiekty[k][s.WybranyObiekt]);
        }
        for (int i = 0; i < kObiektow; ++i) {
            const bool wybrany = i == s.WybranyObiekt;
            WYMAGAJ(s.ramki[i] == (!wybrany ? kSzary : otwarty || rodzaj == 10 ? kCzerwony : odswiezone || bialy ? kBialy : b.ramki[i]));
            if (odswiezone && !(rodzaj == 12 && wybrany))
                WYMAGAJ(pokazuje(s.miniatury, 32 * i, obiekt(rodzaj == 12 ? b : s, i)));
        }
        WYMAGAJ(odswiezone || s.miniatury == b.miniatury);
#undef WYMAGAJ
    }
}

QTEST_GUILESS_MAIN(TestLosowe)
#include "test_losowe.moc"
