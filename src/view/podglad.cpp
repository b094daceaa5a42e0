#include "view/podglad.h"

#include "view/obraz.h"

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

} // namespace edytor
