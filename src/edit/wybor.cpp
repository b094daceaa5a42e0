#include "edit/wybor.h"

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

} // namespace edytor
