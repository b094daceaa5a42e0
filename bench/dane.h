#pragma once

#include "io/formaty.h"
#include "model/stan.h"

namespace edytor::pomiary {

/**
 * A set as a user leaves it after some drawing: every character of both sets filled with a
 * pattern that uses all four bit pairs, the "Vendra" layout, the bottom characters of every third
 * object inverted (so PF3 shows there), colours taken from the palette.
 */
DaneZestawu zestawPomiarowy();

/**
 * The editor with that set loaded, all thumbnails drawn, object 3 (an inverted one) open, so that
 * the grid holds all five registers, the copy buffer filled and PF1 the drawing register.
 */
StanEdytora stanPomiarowy();

/** Whether the grid holds a cell of every register: the measured state is not a trivial one. */
bool wszystkieRejestry(const StanEdytora &stan);

} // namespace edytor::pomiary
