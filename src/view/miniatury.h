#pragma once

#include "model/stan.h"

namespace edytor {

/** Draws one object pixel (X 0..7, Y 0..15) into the thumbnail of the selected object. */
void RysujPunktObiektu(StanEdytora &stan, int X, int Y, QRgb kolor);

/** Draws object i, as the set describes it, into the thumbnail of the SELECTED object. */
void RysujObiekt(StanEdytora &stan, int i);

/**
 * The export picture, 4096 x 32: the 64 thumbnails as drawn, then the same with every pixel of
 * PF2's screen colour and of PF3's exchanged.
 */
void RysujObrazEksportu(QImage &obraz, const QImage &miniatury, QRgb kolorPF2, QRgb kolorPF3);

} // namespace edytor
