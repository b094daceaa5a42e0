#pragma once

#include "model/stan.h"

namespace edytor {

/** "<====": the grid's cells and the edited codes go into the copy buffer. */
void DoBufora(StanEdytora &stan);

/**
 * "====>": the buffer's cells come back into the grid; in "JGP" the PF3 cells of a character
 * that was inverted when buffered come back as PF2. The edited codes keep their characters.
 */
void ZBufora(StanEdytora &stan);

} // namespace edytor
