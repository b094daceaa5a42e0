#include "edit/tryby.h"

#include "edit/kolory.h"
#include "edit/komorki.h"
#include "edit/otwieranie.h"

#include <algorithm>

namespace edytor {

void ZmienTryb(StanEdytora &stan, Tryb m)
{
    stan.TylkoWybrany = false;
    const auto migawka = stan.zestaw.Znaki;
    stan.TrybZawartosci = m;
    if (m == Tryb::JGP && stan.kolorRysowania.nr == PF3)
        WybierzKolor(stan, PF2);

    for (int i = 0; i < kObiektow; ++i) {
        for (const int k : kPozycjeWierszami) {
            const Bajt stary = stan.zestaw.Obiekty[k][i];
            Bajt nowy = kodUkladu(m, k, i);
            if (m == Tryb::Vendra)
                nowy |= stary & kBitNegatywu;
            stan.zestaw.Obiekty[k][i] = nowy;
            const int w = k % kZestawowZnakow;
            const auto zrodlo = migawka[w].begin() + kBajtowZnaku * numerZnaku(stary);
            std::copy(zrodlo, zrodlo + kBajtowZnaku, stan.zestaw.Znaki[w].begin() + kBajtowZnaku * numerZnaku(nowy));
        }
    }
    UstalNegatyw(stan);
    OdswiezObiekty(stan);
    ZZ_DblClick(stan, stan.WybranyObiekt);
}

void WybierzTryb(StanEdytora &stan, Tryb m)
{
    if (m != stan.TrybZawartosci)
        ZmienTryb(stan, m);
}

} // namespace edytor
