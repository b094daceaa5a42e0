#pragma once

#include "model/stan.h"

namespace edytor {

/**
 * Opens object i into the editing grid: its frame turns red, the cells take the registers of its
 * pixels (only those of the drawing register while "Tylko wybrany" is ticked) and the code labels
 * its four codes as stored. The caller has selected i.
 */
void ZZ_DblClick(StanEdytora &stan, int i);

} // namespace edytor
