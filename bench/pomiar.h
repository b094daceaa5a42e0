#pragma once

// What the benchmark programs share: a set as a user leaves it after some drawing, the editor
// holding it, medians, and one printed line per figure beside its budget.

#include "edit/bufor.h"
#include "edit/kolory.h"
#include "edit/komorki.h"
#include "edit/otwieranie.h"
#include "io/formaty.h"
#include "view/miniatury.h"
#include "view/paleta.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace edytor::pomiary {

/**
 * Both character sets filled from a fixed xorshift sequence (all four bit pairs occur), the
 * Vendra layout, the bottom characters of every third object inverted (so PF3 shows there).
 */
inline DaneZestawu zestawPomiarowy()
{
    DaneZestawu d;
    std::uint32_t x = 0x2545F491u;
    for (auto &zestaw : d.Znaki)
        for (Bajt &b : zestaw) {
            x ^= x << 13, x ^= x >> 17, x ^= x << 5;
            b = Bajt(x >> 8);
        }
    for (int k = 0; k < kPozycji; ++k)
        for (int i = 0; i < kObiektow; ++i)
            d.Obiekty[k][i] = Bajt(kodUkladu(Tryb::Vendra, k, i) | (k % 2 && i % 3 == 0 ? kBitNegatywu : 0));
    d.WartoscKoloru = {38, 198, 148, 0, 84};
    for (int r = 0; r < kRejestrow; ++r)
        d.KolorEkranowy[r] = kolorSwatcha(d.WartoscKoloru[r]);
    return d;
}

/** The editor holding that set: thumbnails drawn, object 3 open, the copy buffer full, PF1 drawing. */
inline StanEdytora stanPomiarowy()
{
    const DaneZestawu d = zestawPomiarowy();
    StanEdytora s = StanPoczatkowy();
    s.zestaw.Znaki = d.Znaki;
    s.zestaw.Obiekty = d.Obiekty;
    s.WartoscKoloru = d.WartoscKoloru;
    s.KolorEkranowy = d.KolorEkranowy;
    OdswiezObiekty(s);
    PrzemalujKomorki(s);
    WybierzObiekt(s, 3);
    ZZ_DblClick(s, 3);
    DoBufora(s);
    WybierzKolor(s, PF1);
    return s;
}

/** The median; -1 (not measured) when there is nothing or a value is negative (a failed round). */
inline double mediana(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() || v[0] < 0 ? -1 : (v[(v.size() - 1) / 2] + v[v.size() / 2]) / 2;
}

/** Prints a figure beside its budget; false when it misses it or was not measured (negative). */
inline bool wiersz(const char *co, double wartosc, double budzet, const char *jednostka)
{
    const bool ok = wartosc >= 0 && wartosc <= budzet;
    if (wartosc < 0)
        std::printf("%-64s %12s  <= %8.2f %-2s  FAILED\n", co, "not measured", budzet, jednostka);
    else
        std::printf("%-64s %9.2f %-2s  <= %8.2f %-2s  %s\n", co, wartosc, jednostka, budzet, jednostka,
                    ok ? "OK" : "MISSED");
    return ok;
}

/** A ratio a / b beside its budget, both figures in the line. */
inline bool stosunek(const char *co, double a, double b, double budzet, const char *jednostka)
{
    char opis[128];
    std::snprintf(opis, sizeof opis, "%s: %.1f / %.1f %s", co, a, b, jednostka);
    return wiersz(opis, a >= 0 && b > 0 ? a / b : -1, budzet, "x");
}

} // namespace edytor::pomiary
