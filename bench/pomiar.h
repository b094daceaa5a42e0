#pragma once

// What the benchmark programs share: the state and set file measured, medians, and one printed
// line per figure beside its budget.

#include "io/formaty.h"
#include "model/stan.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace edytor::pomiary {

// A state as a user leaves it after some drawing: the start-up state with both character sets
// filled from a multiplicative hash (all four bit pairs occur) and the bottom characters of every
// third object inverted (so PF3 shows there).
inline StanEdytora stanPomiarowy()
{
    StanEdytora s = StanPoczatkowy();
    unsigned n = 0;
    for (auto &znaki : s.zestaw.Znaki)
        for (Bajt &b : znaki)
            b = Bajt(++n * 2654435761u >> 20);
    for (int i = 0; i < kObiektow; i += 3)
        for (int k = 1; k < kPozycji; k += 2)
            s.zestaw.Obiekty[k][i] |= kBitNegatywu;
    return s;
}

// The set file of a state.
inline QByteArray plikPomiarowy(const StanEdytora &s = stanPomiarowy())
{
    return ZakodujZestaw(s.zestaw);
}

// The median; -1 (not measured) when there is nothing or a value is negative (a failed round).
inline double mediana(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() || v[0] < 0 ? -1 : (v[(v.size() - 1) / 2] + v[v.size() / 2]) / 2;
}

inline bool wBudzecie = true; // until a figure misses its budget or is not measured: the exit code

// Prints a figure beside its budget; a negative one was not measured.
inline void wiersz(const char *co, double wartosc, double budzet, const char *jednostka)
{
    const bool ok = wartosc >= 0 && wartosc <= budzet;
    std::printf("%-64s %9.3f %-3s <= %7.2f %-3s %s\n", co, wartosc, jednostka, budzet, jednostka,
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

} // namespace edytor::pomiary
