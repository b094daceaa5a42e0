#pragma once

#include "io/dialogi.h"
#include "model/stan.h"

namespace edytor {

/** "Zapisz": writes the set file chosen in the save dialog. */
void Zapisz(StanEdytora &stan, Dialogi &dialogi);

/** "Wczytaj": loads a set file or imports two character sets, told apart by size alone. */
void Wczytaj(StanEdytora &stan, Dialogi &dialogi);

/** "Eksportuj": asks for a base name in the export folder, then writes what ZapiszEksport writes. */
void Eksportuj(StanEdytora &stan, Dialogi &dialogi);

/**
 * Writes the raw data files (base name + ".FN2", ".KODY", ".KOLORY"), the bitmap of all objects
 * (".TILES.BMP") and the credit line (the base name itself), each file whole or not at all.
 * Stops at the first failure, reported through the port; true when all are written.
 */
bool ZapiszEksport(StanEdytora &stan, Dialogi &dialogi, const QString &nazwa, bool zLiniaAutorska = true);

} // namespace edytor
