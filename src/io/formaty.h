#pragma once

#include "model/stan.h"

#include <QByteArray>

#include <optional>

namespace edytor {

inline constexpr qsizetype kRozmiarZestawu = 2580;        // the editor's own set file
inline constexpr qsizetype kRozmiarZnakow = 2048;         // two character sets
inline constexpr qsizetype kRozmiarZnakowZNaglowkiem = 2054;  // the same behind a 6-byte header
inline constexpr qsizetype kDlugoscNaglowka = kRozmiarZnakowZNaglowkiem - kRozmiarZnakow;

/** Register numbers in the order of the Atari hardware registers: PF0, PF1, PF2, PF3, BAK. */
inline constexpr std::array<int, kRejestrow> kKolejnoscSprzetowa{PF0, PF1, PF2, PF3, BAK};

/** The kind of a file to load, by its size alone. */
enum class RodzajPliku { Zestaw, Znaki, ZnakiZNaglowkiem, Niepoprawny };
RodzajPliku rodzajPliku(qint64 rozmiar);

/** Both character sets one after the other (2048 bytes); also the export's ".FN2". */
QByteArray ZakodujZnaki(const std::array<ZestawZnakow, kZestawowZnakow> &znaki);
/** The object table position by position, then the same codes with bit 7 flipped (512 bytes, ".KODY"). */
QByteArray ZakodujKody(const std::array<std::array<Bajt, kObiektow>, kPozycji> &obiekty);
/** The Atari colour numbers in hardware order (5 bytes, ".KOLORY"). */
QByteArray ZakodujKolory(const std::array<Bajt, kRejestrow> &wartosci);

/** The 2580-byte set file: both character sets, the object table and the colours of the state. */
QByteArray ZakodujZestaw(const StanEdytora &stan);
/**
 * Reads a set file into the state's character sets, object table and colours; false, with the
 * state unchanged, unless the bytes are exactly 2580. The inverse table is not read.
 */
bool OdczytajZestaw(const QByteArray &bajty, StanEdytora &stan);
/** Reads a file of two character sets (2048 bytes, or 2054 with a header skipped unread). */
std::optional<std::array<ZestawZnakow, kZestawowZnakow>> OdczytajZnaki(const QByteArray &bajty);

/** A picture as a Windows bitmap, by Qt's writer, marked 96 dots per inch whatever the screen. */
QByteArray ZakodujBMP(QImage obraz);

/**
 * The export picture, 4096 x 32: the 64 thumbnails as drawn, then the same with every pixel of
 * PF2's screen colour and of PF3's exchanged.
 */
void RysujObrazEksportu(QImage &obraz, const QImage &miniatury, QRgb kolorPF2, QRgb kolorPF3);

} // namespace edytor
