#include "edit/malowanie.h"

#include "edit/komorki.h"

namespace edytor {

void MalujKomorke(StanEdytora &stan, int p, Qt::MouseButton przycisk)
{
    const int k = p / kKomorekZnaku;
    const KolorRysowania rysowanie = stan.kolorRysowania;
    if (przycisk == Qt::LeftButton) {
        stan.Pixel[p] = rysowanie;
        // Pair 11 means PF2 or PF3 for the whole character: the other kind follows the new cell.
        const int przeciwny = rysowanie.nr == PF2 ? PF3 : rysowanie.nr == PF3 ? PF2 : -1;
        if (przeciwny >= 0)
            for (int q = kKomorekZnaku * k; q < kKomorekZnaku * (k + 1); ++q)
                if (stan.Pixel[q].nr == przeciwny)
                    stan.Pixel[q] = rysowanie;
    } else if (przycisk == Qt::RightButton) {
        stan.Pixel[p] = {BAK, stan.zestaw.KolorEkranowy[BAK]};
    }
    UstalNegatyw(stan);
}

} // namespace edytor
