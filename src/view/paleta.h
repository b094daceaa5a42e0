#pragma once

#include "model/stale.h"

#include "model/obraz.h"

namespace edytor {

inline constexpr int kSzerokoscPalety = 125;
inline constexpr int kWysokoscPalety = 237;

/** The Atari palette picture: 16 hue rows by 8 luminance columns of framed swatches. */
Obraz ObrazPalety();

/** The Atari colour number of the palette square that holds the point (x, y) of the picture. */
constexpr int numerPalety(int x, int y)
{
    return 16 * (y / 15) + 2 * (x / 16);
}

/** The swatch colour of an even Atari colour number (an odd one gives the swatch below it). */
QRgb kolorSwatcha(int numer);

} // namespace edytor
