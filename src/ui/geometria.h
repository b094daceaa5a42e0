#pragma once

#include <QRect>

namespace edytor {

/** The window's layout is kept in twips, 15 to the pixel at scale 1. */
inline constexpr int kTwipowNaPiksel = 15;

constexpr int piks(int twipy)
{
    // Round to the nearest pixel; every twip value here is positive or a whole number of pixels.
    return twipy >= 0 ? (twipy + kTwipowNaPiksel / 2) / kTwipowNaPiksel
                      : -((-twipy + kTwipowNaPiksel / 2) / kTwipowNaPiksel);
}

constexpr QRect twipy(int lewo, int gora, int szerokosc, int wysokosc)
{
    return QRect(piks(lewo), piks(gora), piks(szerokosc), piks(wysokosc));
}

} // namespace edytor
