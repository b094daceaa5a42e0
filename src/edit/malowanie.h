#pragma once

#include "model/stan.h"

#include <qnamespace.h>

namespace edytor {

/**
 * A mouse button pressed on cell p: the left one paints with the drawing register, keeping PF2
 * and PF3 apart within the character; the right one paints BAK; any other paints nothing.
 */
void MalujKomorke(StanEdytora &stan, int p, Qt::MouseButton przycisk);

} // namespace edytor
