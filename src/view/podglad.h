#pragma once

#include "model/stan.h"

namespace edytor {

/** Draws one object pixel (grid column X, row Y) into the preview. */
void RysujPunktPodgladu(StanEdytora &stan, int X, int Y, QRgb kolor);

/** Redraws the whole preview from the screen colours of the 128 cells. */
void RysujPodglad(StanEdytora &stan);

/**
 * Hands rysuj(X, Y, colour) every cell of the grid in drawing order: the left column of characters
 * (cells 0 to 63) row by row from its top-left cell, then the right one (cells 64 to 127).
 */
template <class Rysuj>
void dlaKomorekSiatki(const std::array<Komorka, kKomorek> &komorki, Rysuj rysuj)
{
    for (int polowa = 0; polowa < 2; ++polowa)
        for (int Y = 0; Y < kWierszySiatki; ++Y)
            for (int X = 0; X < 4; ++X)
                rysuj(X + 4 * polowa, Y, komorki[64 * polowa + 4 * Y + X].kolor);
}

} // namespace edytor
