#pragma once

#include "model/stan.h"
#include "view/podglad.h"

#include <algorithm>

namespace edytor {

/** Every grid and buffer cell shows the current screen colour of its register; numbers stay. */
inline void PrzemalujKomorki(StanEdytora &stan)
{
    for (int p = 0; p < kKomorek; ++p) {
        stan.Pixel[p].kolor = stan.zestaw.KolorEkranowy[stan.Pixel[p].nr];
        stan.bufPixel[p].kolor = stan.zestaw.KolorEkranowy[stan.bufPixel[p].nr];
    }
}

/**
 * Redraws the preview, then gives each edited character's code bit 7 exactly when the
 * character holds a PF3 cell, and marks its label accordingly.
 */
inline void UstalNegatyw(StanEdytora &stan)
{
    RysujPodglad(stan);
    for (int k = 0; k < kPozycji; ++k) {
        const auto poczatek = stan.Pixel.begin() + kKomorekZnaku * k;
        const bool odwrocony = std::any_of(poczatek, poczatek + kKomorekZnaku, [](const Komorka &c) { return c.nr == PF3; });
        stan.KodyEdytowane[k] = Bajt((stan.KodyEdytowane[k] & ~kBitNegatywu) | (odwrocony ? kBitNegatywu : 0));
        stan.znakOdwrocony[k] = odwrocony;
    }
}

} // namespace edytor
