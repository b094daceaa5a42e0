#pragma once

#include "model/stan.h"

namespace edytor {

/** Selects object i: its frame white, every other frame light grey. Draws nothing. */
void WybierzObiekt(StanEdytora &stan, int i);

/**
 * Redraws all 64 thumbnails from the set, selecting each object in turn, and leaves the same
 * object selected: its frame white, a red one included.
 */
void OdswiezObiekty(StanEdytora &stan);

} // namespace edytor
