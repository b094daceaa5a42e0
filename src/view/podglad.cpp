#include "view/podglad.h"

#include "view/obraz.h"

#include <algorithm>

namespace edytor {

void RysujPunktPodgladu(StanEdytora &stan, int X, int Y, QRgb kolor)
{
    rysujPunkt(stan.podglad, 0, X, Y, kolor);
    stan.zmiany |= ZmianaPodgladu;
}

void RysujKomorki(QImage &obraz, int x0, const std::array<Komorka, kKomorek> &komorki)
{
    // Cells 0 to 63 are the left column of characters, 64 to 127 the right one; 4Y + X walks a
    // column of characters row by row from its top-left cell.
    for (int polowa = 0; polowa < 2; ++polowa)
        for (int Y = 0; Y < kWierszySiatki; ++Y)
            for (int X = 0; X < 4; ++X)
                rysujPunkt(obraz, x0, X + 4 * polowa, Y, komorki[64 * polowa + 4 * Y + X].kolor);
}

void RysujPodglad(StanEdytora &stan)
{
    RysujKomorki(stan.podglad, 0, stan.Pixel);
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
