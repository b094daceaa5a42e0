#pragma once

#include "model/stan.h"

namespace edytor {

/**
 * Re-lays the whole set out in mode m: every object's characters move to the places the mode
 * gives it, PF3 is offered only in "Vendra", and the selected object is opened again.
 */
void ZmienTryb(StanEdytora &stan, Tryb m);

/** A choice of a mode button: switches only when m is not the mode already chosen. */
void WybierzTryb(StanEdytora &stan, Tryb m);

} // namespace edytor
