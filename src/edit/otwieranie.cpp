#include "edit/otwieranie.h"

#include "edit/komorki.h"
#include "view/miniatury.h"

namespace edytor {

void WybierzObiekt(StanEdytora &stan, int i)
{
    stan.ramki.fill(kSzary);
    stan.ramki[i] = kBialy;
    stan.WybranyObiekt = i;
}

void OdswiezObiekty(StanEdytora &stan)
{
    const int s = stan.WybranyObiekt;
    for (int i = 0; i < kObiektow; ++i) {
        WybierzObiekt(stan, i);
        RysujObiekt(stan, i);
    }
    WybierzObiekt(stan, s);
}

void ZZ_DblClick(StanEdytora &stan, int i)
{
    stan.ramki[stan.WybranyObiekt] = kCzerwony;
    dlaPikseliObiektu(stan.zestaw, i, [&stan](int p, NrKoloru r) {
        if (!stan.TylkoWybrany || stan.kolorRysowania.nr == r)
            stan.Pixel[p] = {r, stan.zestaw.KolorEkranowy[r]};
    });
    UstalNegatyw(stan);
    // The labels show the codes as stored, bit 7 included, on the background the refresh chose.
    for (int k = 0; k < kPozycji; ++k)
        stan.KodyEdytowane[k] = stan.zestaw.Obiekty[k][i];
}

} // namespace edytor
