#include "view/podglad.h"

#include "view/obraz.h"

#include <algorithm>

namespace edytor {

void RysujPunktPodgladu(StanEdytora &stan, int X, int Y, QRgb kolor)
{
    rysujPunkt(stan.podglad, 0, X, Y, kolor);
    stan.zmiany |= ZmianaPodgladu;
}

void RysujPodglad(StanEdytora &stan)
{
    dlaKomorekSiatki(stan.Pixel, [&stan](int X, int Y, QRgb kolor) { RysujPunktPodgladu(stan, X, Y, kolor); });
    stan.zmiany |= ZmianaPodgladu;
}

void UstalNegatyw(StanEdytora &stan)
{
    RysujPodglad(stan);
    for (int k = 0; k < kPozycji; ++k) {
        const auto poczatek = stan.Pixel.begin() + kKomorekZnaku * k;
        const bool odwrocony = std::any_of(poczatek, poczatek + kKomorekZnaku,
                                           [](const Komorka &c) { return c.nr == PF3; });
        if (odwrocony)
            stan.KodyEdytowane[k] |= kBitNegatywu;
        else
            stan.KodyEdytowane[k] &= static_cast<Bajt>(~kBitNegatywu);
        stan.znakOdwrocony[k] = odwrocony;
    }
}

} // namespace edytor
