#pragma once

#include "model/stale.h"

#include <QImage>

namespace edytor {

inline constexpr int kSzerokoscPalety = 125;
inline constexpr int kWysokoscPalety = 237;

/** The Atari palette picture: 16 hue rows by 8 luminance columns of framed swatches. */
QImage ObrazPalety();

/** The Atari colour number of the palette square that holds the point (x, y) of the picture. */
constexpr int numerPalety(int x, int y)
{
    return 16 * (y / 15) + 2 * (x / 16);
}

/** The swatch colour of an even Atari colour number (an odd one gives the swatch below it). */
QRgb kolorSwatcha(int numer);

} // namespace edytor
