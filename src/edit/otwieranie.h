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

/**
 * Opens object i into the editing grid: its frame turns red, the cells take the registers of its
 * pixels (only those of the drawing register while "Tylko wybrany" is ticked) and the code labels
 * its four codes as stored. The caller has selected i.
 */
void ZZ_DblClick(StanEdytora &stan, int i);

} // namespace edytor
