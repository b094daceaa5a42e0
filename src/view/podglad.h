#pragma once

#include "model/stan.h"

namespace edytor {

/** Draws one object pixel (grid column X, row Y) into the preview. */
void RysujPunktPodgladu(StanEdytora &stan, int X, int Y, QRgb kolor);

/** Redraws the whole preview from the screen colours of the 128 cells. */
void RysujPodglad(StanEdytora &stan);

/** Hands rysuj(X, Y, colour) every cell of the grid with its column and row in the object picture. */
template <class Rysuj>
void dlaKomorekSiatki(const std::array<Komorka, kKomorek> &komorki, Rysuj rysuj)
{
    for (int p = 0; p < kKomorek; ++p)
        rysuj(kolumnaKomorki(p), wierszKomorki(p), komorki[p].kolor);
}

} // namespace edytor
