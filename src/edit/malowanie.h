#pragma once

#include "model/stan.h"

namespace edytor {

/**
 * A mouse button pressed on cell p: 1 (left) paints with the drawing register, keeping PF2 and
 * PF3 apart within the character; 2 (right) paints BAK; any other button paints nothing.
 */
void MalujKomorke(StanEdytora &stan, int p, int przycisk);

} // namespace edytor
