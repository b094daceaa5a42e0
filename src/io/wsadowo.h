#pragma once

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

} // namespace edytor
