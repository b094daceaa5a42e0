#pragma once

#include "model/stan.h"

namespace edytor {

/** Register k becomes the drawing register, with a copy of its current screen colour. */
void WybierzKolor(StanEdytora &stan, int k);

/**
 * A press at (x, y) of the palette picture: the drawing register takes the colour under the
 * pointer and the Atari number of the square there; its cells, the thumbnails and the preview follow.
 */
void WybierzZPalety(StanEdytora &stan, const QImage &paleta, int x, int y);

} // namespace edytor
