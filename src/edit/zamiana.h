#pragma once

#include "model/stan.h"

namespace edytor {

/** Swaps the drawing register with register L in every cell of the grid ("Kolor<>..."). */
void ZamienKolory(StanEdytora &stan, int L);

/** Fills every cell of the grid with the drawing register ("Wypełnij"). */
void Wypelnij(StanEdytora &stan);

} // namespace edytor
