#include "edit/kolory.h"

#include "view/miniatury.h"
#include "view/paleta.h"
#include "view/podglad.h"

namespace edytor {

void WybierzKolor(StanEdytora &stan, int k)
{
    stan.kolorRysowania = {Bajt(k), stan.KolorEkranowy[k]};
}

void WybierzZPalety(StanEdytora &stan, const QImage &paleta, int x, int y)
{
    if (!paleta.rect().contains(x, y))
        return;
    const QRgb kolor = paleta.pixel(x, y);
    const Bajt s = stan.kolorRysowania.nr;
    stan.kolorRysowania.kolor = kolor;
    stan.KolorEkranowy[s] = kolor;
    stan.WartoscKoloru[s] = Bajt(numerPalety(x, y));
    for (int p = 0; p < kKomorek; ++p) {
        if (stan.Pixel[p].nr == s)
            stan.Pixel[p].kolor = kolor;
        if (stan.bufPixel[p].nr == s)
            stan.bufPixel[p].kolor = kolor;
    }
    OdswiezObiekty(stan);
    RysujPodglad(stan);
}

} // namespace edytor
