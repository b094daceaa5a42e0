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
            ustawKomorke(komorka, Bajt(L), stan.zestaw.KolorEkranowy[L]);
        else if (komorka.nr == L)
            ustawKomorke(komorka, rysowanie.nr, rysowanie.kolor);
    }
    UstalNegatyw(stan);
}

void Wypelnij(StanEdytora &stan)
{
    for (Komorka &komorka : stan.Pixel)
        ustawKomorke(komorka, stan.kolorRysowania.nr, stan.kolorRysowania.kolor);
    UstalNegatyw(stan);
}

} // namespace edytor
