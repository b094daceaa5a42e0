#pragma once

#include "model/obraz.h"

#include <QImage>

namespace edytor {

/**
 * A picture of the core as Qt's image over the same memory, for those who show or save it (the
 * window, the tests); no copy is made. The core itself never needs Qt's GUI library for it.
 */
inline QImage widok(const Obraz &obraz)
{
    return QImage(reinterpret_cast<const uchar *>(obraz.piksele.data()), obraz.szerokosc, obraz.wysokosc,
                  qsizetype(sizeof(QRgb)) * obraz.szerokosc, QImage::Format_RGB32);
}

} // namespace edytor
