#include "edit/komorki.h"

#include "view/podglad.h"

#include <algorithm>

namespace edytor {

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
