#pragma once

#include "model/zestaw.h"

#include <QByteArray>
#include <QImage>

#include <optional>
#include <variant>

namespace edytor {

inline constexpr qsizetype kRozmiarZestawu = 2580;        // the editor's own set file
inline constexpr qsizetype kRozmiarZnakow = 2048;         // two character sets
inline constexpr qsizetype kRozmiarZnakowZNaglowkiem = 2054;  // the same behind a 6-byte header

/** Register numbers in the order of the Atari hardware registers: PF0, PF1, PF2, PF3, BAK. */
inline constexpr std::array<int, kRejestrow> kKolejnoscSprzetowa{PF0, PF1, PF2, PF3, BAK};

/** Both character sets one after the other (2048 bytes); also the export's ".FN2". */
QByteArray ZakodujZnaki(const ZestawyZnakow &znaki);
/** The object table position by position, then the same codes with bit 7 flipped (512 bytes, ".KODY"). */
QByteArray ZakodujKody(const TablicaObiektow &obiekty);
/** The Atari colour numbers in hardware order (5 bytes, ".KOLORY"). */
QByteArray ZakodujKolory(const std::array<Bajt, kRejestrow> &wartosci);

/** The 2580-byte set file: both character sets, the object table, its inverse copy and the colours. */
QByteArray ZakodujZestaw(const Zestaw &zestaw);
/** A set file back into a set; nothing unless the bytes are exactly 2580. The inverse table is not read. */
std::optional<Zestaw> OdczytajZestaw(const QByteArray &bajty);
/** A file of two character sets (2048 bytes, or 2054 with a header skipped unread). */
std::optional<ZestawyZnakow> OdczytajZnaki(const QByteArray &bajty);

/** What a file to load holds: a whole set, or two character sets alone. */
using Zawartosc = std::variant<Zestaw, ZestawyZnakow>;
/** The bytes of a file to load, decoded by their size alone; nothing for a size of no kind. */
std::optional<Zawartosc> OdczytajZawartosc(const QByteArray &bajty);

/**
 * The Atari view of a set: the program assembled from io/atari/podglad.s (an Atari executable)
 * with the set's characters, codes and colours (the bytes of ".FN2", ".KODY" and ".KOLORY") in
 * its first segment of 2048 bytes and the two after it, the segments before them left as they
 * are. Nothing if the program holds no such three segments.
 */
std::optional<QByteArray> ZakodujProgramAtari(QByteArray program, const Zestaw &zestaw);

/** A picture as a Windows bitmap, by Qt's writer, marked 96 dots per inch whatever the screen; nothing when the writer fails. */
std::optional<QByteArray> ZakodujBMP(QImage obraz);

} // namespace edytor
