#pragma once

#include "model/stale.h"

#include <array>

namespace edytor {

/** The two content layouts: which characters each object uses. */
enum class Tryb { Vendra = 0, JGP = 1 };

using ZestawZnakow = std::array<Bajt, kBajtowZestawuZnakow>;

using ZestawyZnakow = std::array<ZestawZnakow, kZestawowZnakow>;
using TablicaObiektow = std::array<std::array<Bajt, kObiektow>, kPozycji>;

/**
 * A set, all that its file holds: Znaki(w, n) both character sets, Obiekty(k, i) the codes of the
 * 64 objects by position, and the five colour registers, each as an Atari colour number and as
 * the screen colour that shows it (indexed by NrKoloru).
 */
struct Zestaw {
    ZestawyZnakow Znaki{};
    TablicaObiektow Obiekty{};
    std::array<Bajt, kRejestrow> WartoscKoloru{};
    std::array<QRgb, kRejestrow> KolorEkranowy{};

    /** Row r of the character that position k of a code c shows (set k mod 2; bit 7 not part of the address). */
    Bajt wierszZnaku(int k, Bajt kod, int r) const
    {
        return Znaki[k % kZestawowZnakow][kBajtowZnaku * numerZnaku(kod) + r];
    }
};

/** The code that a layout gives position k of object i ("Vendra": i, i, i+64, i+64; "JGP": 2i, 2i, 2i+1, 2i+1). */
constexpr Bajt kodUkladu(Tryb tryb, int k, int i)
{
    const int kolumna = k / 2;
    return static_cast<Bajt>(tryb == Tryb::Vendra ? i + 64 * kolumna : 2 * i + kolumna);
}

/** Hands f(p, register) each of object i's 128 pixels, p numbered as the cells of the editing grid. */
template <class F>
void dlaPikseliObiektu(const Zestaw &zestaw, int i, F f)
{
    for (int k = 0; k < kPozycji; ++k) {
        const Bajt kod = zestaw.Obiekty[k][i];
        for (int r = 0; r < kBajtowZnaku; ++r) {
            const Bajt wiersz = zestaw.wierszZnaku(k, kod, r);
            for (int x = 0; x < 4; ++x)
                f(numerKomorki(k, r, x), rejestrPary(paraPiksela(wiersz, x), kod & kBitNegatywu));
        }
    }
}

/** The registers of object i's 128 pixels, numbered as the cells of the editing grid. */
using RejestryObiektu = std::array<NrKoloru, kKomorek>;
inline RejestryObiektu Rejestry(const Zestaw &zestaw, int i)
{
    RejestryObiektu wynik;
    dlaPikseliObiektu(zestaw, i, [&wynik](int p, NrKoloru r) { wynik[p] = r; });
    return wynik;
}

/** Fills the object table with the standard layout of a content mode. */
void UstawUklad(Zestaw &zestaw, Tryb tryb);

} // namespace edytor
