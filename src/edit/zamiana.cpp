#include "edit/zamiana.h"

#include "edit/komorki.h"

namespace edytor {

void ZamienKolory(StanEdytora &stan, int L)
{
    stan.TylkoWybrany = false;
    stan.wybranaZamiana = L;
    const KolorRysowania rysowanie = stan.kolorRysowania;
    for (Komorka &komorka : stan.Pixel) {
        if (komorka.nr == rysowanie.nr)
            komorka = {Bajt(L), stan.zestaw.KolorEkranowy[L]};
        else if (komorka.nr == L)
            komorka = rysowanie;
    }
    UstalNegatyw(stan);
}

void Wypelnij(StanEdytora &stan)
{
    for (Komorka &komorka : stan.Pixel)
        komorka = stan.kolorRysowania;
    UstalNegatyw(stan);
}

} // namespace edytor
