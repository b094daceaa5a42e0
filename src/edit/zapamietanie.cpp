#include "edit/zapamietanie.h"

#include "edit/otwieranie.h"
#include "view/miniatury.h"
#include "view/podglad.h"

#include <array>

namespace edytor {

namespace {

/** WzorBitow(x, r): the bits of register r at pixel x of a row (BAK is 00, PF3 is 11 like PF2). */
constexpr std::array<std::array<Bajt, kRejestrow>, 4> kWzorBitow = [] {
    constexpr std::array<Bajt, kRejestrow> para{1, 2, 3, 0, 3};  // PF0, PF1, PF2, BAK, PF3
    std::array<std::array<Bajt, kRejestrow>, 4> wzor{};
    for (int x = 0; x < 4; ++x)
        for (int r = 0; r < kRejestrow; ++r)
            wzor[x][r] = Bajt(para[r] << (6 - 2 * x));
    return wzor;
}();

} // namespace

void ZapamietajObiekt(StanEdytora &stan)
{
    stan.TylkoWybrany = false;
    const int s = stan.WybranyObiekt;
    OdswiezObiekty(stan);
    stan.ramki[s] = kCzerwony;
    dlaKomorekSiatki(stan.Pixel, [&stan](int X, int Y, QRgb kolor) { RysujPunktObiektu(stan, X, Y, kolor); });

    for (int k = 0; k < kPozycji; ++k) {
        Bajt &kod = stan.zestaw.Obiekty[k][s];
        kod = Bajt((kod & ~kBitNegatywu) | (stan.KodyEdytowane[k] & kBitNegatywu));
    }
    for (const int k : kPozycjeWierszami) {
        const int znak = numerZnaku(stan.zestaw.Obiekty[k][s]);
        for (int r = 0; r < kBajtowZnaku; ++r) {
            Bajt b = 0;
            for (int x = 0; x < 4; ++x)
                b |= kWzorBitow[x][stan.Pixel[numerKomorki(k, r, x)].nr];
            stan.zestaw.Znaki[k % kZestawowZnakow][kBajtowZnaku * znak + r] = b;
        }
    }
    ZZ_DblClick(stan, s);
}

} // namespace edytor
