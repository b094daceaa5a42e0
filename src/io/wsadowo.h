#pragma once

#include "io/zrodlo.h"

#include <QString>

class QTextStream;

namespace edytor {

/**
 * The batch export of a game's build: loads the set file as "Wczytaj" does and writes the five
 * files that "Eksportuj" writes under the base name, with no window and no display (the credit
 * line only where it does not replace the set file itself). Only set files are taken. Failures
 * go to the stream, one message with its path and reason; success prints nothing. Returns the
 * exit status: 0 done, 1 failed.
 */
int EksportWsadowy(const QString &zestaw, const QString &nazwa, QTextStream &bledy);

/**
 * The Atari view without a window: loads the set file as the batch export does and writes the
 * Atari program that shows its objects (ZapiszProgramAtari), whole or not at all, never over the
 * set file itself. Failures and exit status as the batch export's.
 */
int ProgramWsadowy(const QString &zestaw, const QString &plik, QTextStream &bledy);

/**
 * A picture brought back into a set without a window: loads the set file as the batch export
 * does, takes its objects from the picture as a picture dropped on the window is taken (ZObrazu),
 * and writes the set file `wynik`, whole or not at all, never over the picture. Failures and
 * exit status as the batch export's.
 */
int ObrazWsadowy(const QString &zestaw, const QString &obraz, const QString &wynik, QTextStream &bledy);

/**
 * The source export without a window: loads the set file as the batch export does and writes it
 * as source text in that language (ZrodloZestawu), the labels named after the file, whole or not
 * at all, never over the set file itself. Failures and exit status as the batch export's.
 */
int ZrodloWsadowe(const QString &zestaw, const QString &plik, Jezyk jezyk, QTextStream &bledy);

} // namespace edytor
