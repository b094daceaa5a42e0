#pragma once

// What the benchmark programs share: the set measured, medians, and one printed line per figure
// beside its budget.

#include "io/formaty.h"
#include "view/paleta.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace edytor::pomiary {

// A set as a user leaves it after some drawing: both character sets filled from a multiplicative
// hash (all four bit pairs occur), the Vendra layout, the bottom characters of every third object
// inverted (so PF3 shows there), colours from the palette.
inline DaneZestawu zestawPomiarowy()
{
    DaneZestawu d;
    unsigned n = 0;
    for (auto &zestaw : d.Znaki)
        for (Bajt &b : zestaw)
            b = Bajt(++n * 2654435761u >> 20);
    for (int k = 0; k < kPozycji; ++k)
        for (int i = 0; i < kObiektow; ++i)
            d.Obiekty[k][i] = Bajt(kodUkladu(Tryb::Vendra, k, i) | (k % 2 && i % 3 == 0 ? kBitNegatywu : 0));
    d.WartoscKoloru = {38, 198, 148, 0, 84};
    for (int r = 0; r < kRejestrow; ++r)
        d.KolorEkranowy[r] = kolorSwatcha(d.WartoscKoloru[r]);
    return d;
}

// The median; -1 (not measured) when there is nothing or a value is negative (a failed round).
inline double mediana(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() || v[0] < 0 ? -1 : (v[(v.size() - 1) / 2] + v[v.size() / 2]) / 2;
}

inline bool wBudzecie = true; // until a figure misses its budget or is not measured

// Prints a figure beside its budget; a negative one was not measured.
inline void wiersz(const char *co, double wartosc, double budzet, const char *jednostka)
{
    const bool ok = wartosc >= 0 && wartosc <= budzet;
    std::printf("%-64s %9.2f %-3s <= %7.2f %-3s %s\n", co, wartosc, jednostka, budzet, jednostka,
                ok ? "OK" : (wartosc < 0 ? "FAILED (not measured)" : "MISSED"));
    wBudzecie = wBudzecie && ok;
}

// A ratio a / b beside its budget, both figures in the line.
inline void stosunek(const char *co, double a, double b, double budzet, const char *jednostka)
{
    char opis[128];
    std::snprintf(opis, sizeof opis, "%s: %.1f / %.1f %s", co, a, b, jednostka);
    wiersz(opis, a >= 0 && b > 0 ? a / b : -1, budzet, "x");
}

// The closing line; the exit code.
inline int podsumowanie()
{
    std::printf("%s\n", wBudzecie ? "All budgets met." : "Some budget MISSED.");
    return !wBudzecie;
}

} // namespace edytor::pomiary
