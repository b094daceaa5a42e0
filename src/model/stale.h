#pragma once

#include <QRgb>
#include <cstdint>

namespace edytor {

using Bajt = std::uint8_t;

inline constexpr int kZnakowWZestawie = 128;   // characters in one character set
inline constexpr int kBajtowZnaku = 8;         // rows of a character, one byte each
inline constexpr int kBajtowZestawuZnakow = kZnakowWZestawie * kBajtowZnaku; // 1024
inline constexpr int kZestawowZnakow = 2;      // set 0: top row of objects, set 1: bottom row
inline constexpr int kObiektow = 64;
inline constexpr int kPozycji = 4;             // characters of an object, column by column
inline constexpr int kKomorek = 128;           // cells of the editing grid and of the copy buffer
inline constexpr int kKomorekZnaku = 32;       // cells of one character: 8 rows of 4 pixels
inline constexpr int kRejestrow = 5;
inline constexpr Bajt kBitNegatywu = 0x80;

/** The character that a code names within its set: the code without its inverse bit. */
constexpr int numerZnaku(Bajt kod)
{
    return kod & ~kBitNegatywu;
}

/** The positions of an object's characters as they are drawn: the top row, then the bottom row. */
inline constexpr int kPozycjeWierszami[kPozycji]{0, 2, 1, 3};

/** Register numbers as every widget array and cell of the editor counts them (not the bit-pair order). */
enum NrKoloru : Bajt { PF0 = 0, PF1 = 1, PF2 = 2, BAK = 3, PF3 = 4 };

/** The object pictures: one object pixel is a block of 4 x 2 screen pixels, an object 32 x 32. */
inline constexpr int kSzerokoscPunktu = 4;
inline constexpr int kWysokoscPunktu = 2;
inline constexpr int kBokObrazka = 32;
inline constexpr int kWierszySiatki = 16;

// The window's greys and the frame colours of the object set view.
inline constexpr QRgb kSzary = qRgb(192, 192, 192);
inline constexpr QRgb kJasnySzary = qRgb(224, 224, 224);
inline constexpr QRgb kBialy = qRgb(255, 255, 255);
inline constexpr QRgb kCzerwony = qRgb(255, 0, 0);
inline constexpr QRgb kCzarny = qRgb(0, 0, 0);

/** Cell p of the grid (or of the copy buffer) is pixel x of row r of character k: p = 32k + 4r + x. */
constexpr int numerKomorki(int znak, int wiersz, int piksel)
{
    return kKomorekZnaku * znak + 4 * wiersz + piksel;
}

/** Column X (0 to 7) and row Y (0 to 15) of the object picture that shows cell p. */
constexpr int kolumnaKomorki(int p)
{
    return p % 4 + 4 * (p / (2 * kKomorekZnaku));
}
constexpr int wierszKomorki(int p)
{
    return p % (2 * kKomorekZnaku) / 4;
}

/** Register of each bit pair (00 BAK, 01 PF0, 10 PF1, 11 PF2), the second row in an inverted character (11 PF3). */
inline constexpr NrKoloru kRejestrPary[2][4]{{BAK, PF0, PF1, PF2}, {BAK, PF0, PF1, PF3}};

constexpr NrKoloru rejestrPary(int para, bool negatyw)
{
    return kRejestrPary[negatyw][para & 3];
}

/** The bit pair that shows register r: the inverse of the table above (PF3, like PF2, is 11). */
constexpr int paraRejestru(int r)
{
    int para = 0;
    while (para < 3 && kRejestrPary[r == PF3][para] != r)
        ++para;
    return para;
}

/** Bit pair of pixel x (0 = leftmost, bits 7-6) in a character row byte. */
constexpr int paraPiksela(Bajt wiersz, int x)
{
    return (wiersz >> (6 - 2 * x)) & 3;
}

/** The bits of register r at pixel x of a character row byte. */
constexpr Bajt bityPiksela(int r, int x)
{
    return Bajt(paraRejestru(r) << (6 - 2 * x));
}

} // namespace edytor
