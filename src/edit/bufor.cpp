#include "edit/bufor.h"

#include "edit/komorki.h"

namespace edytor {

void DoBufora(StanEdytora &stan)
{
    stan.TylkoWybrany = false;
    stan.bufPixel = stan.Pixel;
    stan.BuforKodow = stan.KodyEdytowane;
}

void ZBufora(StanEdytora &stan)
{
    stan.TylkoWybrany = false;
    for (int p = 0; p < kKomorek; ++p) {
        const Komorka &z = stan.bufPixel[p];
        const bool bylOdwrocony = stan.BuforKodow[p / kKomorekZnaku] & kBitNegatywu;
        if (stan.TrybZawartosci == Tryb::JGP && bylOdwrocony && z.nr == PF3)
            stan.Pixel[p] = {PF2, stan.zestaw.KolorEkranowy[PF2]};
        else
            stan.Pixel[p] = z;
    }
    UstalNegatyw(stan);
}

} // namespace edytor
