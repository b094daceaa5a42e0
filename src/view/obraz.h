#pragma once

#include "model/stale.h"

#include <QImage>

namespace edytor {

/**
 * Writes object pixels into an RGB32 image: one object pixel is a block of 4 x 2 screen pixels.
 * Takes the image's memory once, so that a whole picture costs no more than its stores.
 */
struct Piksele {
    QRgb *poczatek;
    qsizetype linia;
    explicit Piksele(QImage &obraz)
        : poczatek(reinterpret_cast<QRgb *>(obraz.scanLine(0))), linia(obraz.bytesPerLine() / qsizetype(sizeof(QRgb)))
    {
    }
    /** Grid column X (0 to 7) and row Y (0 to 15) of the object picture that starts at column x0. */
    void punkt(int x0, int X, int Y, QRgb kolor) const
    {
        QRgb *p = poczatek + qsizetype(kWysokoscPunktu * Y) * linia + x0 + kSzerokoscPunktu * X;
        for (int dy = 0; dy < kWysokoscPunktu; ++dy, p += linia)
            for (int dx = 0; dx < kSzerokoscPunktu; ++dx)
                p[dx] = kolor;
    }
};

/** One object pixel, as above, for a single write. */
inline void rysujPunkt(QImage &obraz, int x0, int X, int Y, QRgb kolor)
{
    Piksele(obraz).punkt(x0, X, Y, kolor);
}

} // namespace edytor
