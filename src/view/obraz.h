#pragma once

#include "model/stale.h"

#include <QImage>

namespace edytor {

/**
 * Sets one object pixel, a block of 4 x 2 screen pixels, in a 32-bit image whose object picture
 * starts at column x0: grid column X (0 to 7) and row Y (0 to 15).
 */
inline void rysujPunkt(QImage &obraz, int x0, int X, int Y, QRgb kolor)
{
    const qsizetype linia = obraz.bytesPerLine() / qsizetype(sizeof(QRgb));
    QRgb *p = reinterpret_cast<QRgb *>(obraz.bits()) + qsizetype(kWysokoscPunktu * Y) * linia
        + x0 + kSzerokoscPunktu * X;
    for (int dy = 0; dy < kWysokoscPunktu; ++dy, p += linia)
        for (int dx = 0; dx < kSzerokoscPunktu; ++dx)
            p[dx] = kolor;
}

} // namespace edytor
