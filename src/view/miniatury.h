#pragma once

#include "model/stan.h"

namespace edytor {

/** Selects object i: its frame white, every other frame light grey. Draws nothing. */
void WybierzObiekt(StanEdytora &stan, int i);

/** Draws one object pixel (X 0..7, Y 0..15) into the thumbnail of the selected object. */
void RysujPunktObiektu(StanEdytora &stan, int X, int Y, QRgb kolor);

/** Draws object i, as the set describes it, into the thumbnail of the SELECTED object. */
void RysujObiekt(StanEdytora &stan, int i);

/** Redraws all 64 thumbnails from the set and leaves the same object selected. */
void OdswiezObiekty(StanEdytora &stan);

} // namespace edytor
