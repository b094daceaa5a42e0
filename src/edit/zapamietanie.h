#pragma once

#include "model/stan.h"

namespace edytor {

/**
 * Stores the editing grid into the characters that the selected object's codes name, and the
 * edited codes' bit 7 into its codes; shows the grid in its thumbnail and opens it again.
 */
void ZapamietajObiekt(StanEdytora &stan);

} // namespace edytor
