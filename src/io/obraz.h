#pragma once

#include "model/zestaw.h"

#include <QImage>
#include <QString>

#include <optional>
#include <variant>

namespace edytor {

/**
 * A set's objects taken back from a picture in the export's layout: 4096 x 32, or its left half
 * alone, 2048 x 32; only the left half is read (the right one is drawn anew by every export).
 * Object i is at x = 32 i, each of its pixels a block of 4 x 2 picture pixels in one of the set's
 * five screen colours. Gives the set with the characters drawn there and with bit 7 of each code
 * whose character shows PF2 or PF3 set for PF3 and cleared for PF2; everything else as it was.
 * Or, if the picture is not one an Atari can show with this set in this layout (`tryb`), the
 * first fault, as a sentence. ("JGP" keeps no bit 7: a character that did not show PF3 may not
 * start to there.)
 *
 * Where registers share a screen colour, a pixel keeps the register the set holds there if that
 * is one of them, else takes the first in the order of the bit pairs. Then each character settles
 * on PF2 or PF3: the one a pixel of it can show alone, else the one its code shows now; a pixel
 * that took the other takes this one where its colour allows, else its colour's next register.
 */
std::variant<Zestaw, QString> ZObrazu(const QImage &obraz, const Zestaw &zestaw, Tryb tryb);

/** Why a picture of that size is not one of the objects (a sentence of ZObrazu's), or nothing. */
std::optional<QString> ZlyRozmiar(QSize rozmiar);

} // namespace edytor
