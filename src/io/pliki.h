#pragma once

#include "io/dialogi.h"
#include "model/stan.h"

namespace edytor {

/** "Zapisz": writes the set file chosen in the save dialog. */
void Zapisz(StanEdytora &stan, Dialogi &dialogi);

/** "Wczytaj": loads a set file or imports two character sets, told apart by size alone. */
void Wczytaj(StanEdytora &stan, Dialogi &dialogi);

/** "Eksportuj": writes the raw data files, the bitmap of all objects and the credit line. */
void Eksportuj(StanEdytora &stan, Dialogi &dialogi);

} // namespace edytor
