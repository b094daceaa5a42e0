#include "edit/kolory.h"

#include "edit/otwieranie.h"
#include "view/paleta.h"
#include "view/podglad.h"

namespace edytor {

void WybierzKolor(StanEdytora &stan, int k)
{
    stan.kolorRysowania = {Bajt(k), stan.zestaw.KolorEkranowy[k]};
}

void WybierzZPalety(StanEdytora &stan, const QImage &paleta, int x, int y)
{
    if (!paleta.rect().contains(x, y))
        return;
    const QRgb kolor = paleta.pixel(x, y);
    const Bajt s = stan.kolorRysowania.nr;
    stan.kolorRysowania.kolor = kolor;
    stan.zestaw.KolorEkranowy[s] = kolor;
    stan.zestaw.WartoscKoloru[s] = Bajt(numerPalety(x, y));
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
