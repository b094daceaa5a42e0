#pragma once

#include "model/stale.h"

#include <QImage>

namespace edytor {

inline constexpr int kSzerokoscPalety = 125;
inline constexpr int kWysokoscPalety = 237;
// A square of the palette is 16 x 15 pixels: a 13 x 12 black-framed swatch and a grey strip.
inline constexpr int kKrokX = 16;
inline constexpr int kKrokY = 15;

/** The Atari palette picture: 16 hue rows by 8 luminance columns of framed swatches. */
QImage ObrazPalety();

/** The Atari colour number of the palette square that holds the point (x, y) of the picture. */
constexpr int numerPalety(int x, int y)
{
    return 16 * (y / kKrokY) + 2 * (x / kKrokX);
}

/** The swatch colour of an even Atari colour number (an odd one gives the swatch below it). */
QRgb kolorSwatcha(int numer);

} // namespace edytor
