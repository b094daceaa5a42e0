#pragma once

// Properties of the editor state that hold after user actions, written from the rules the user
// sees (bit pairs, registers, pictures) rather than from the code that keeps them. The random-use
// test checks them after every action; the loader fuzz target after every load.

#include "model/stan.h"

#include <QString>

#include <algorithm>
#include <array>
#include <optional>

namespace edytor::niezmienniki {

/** A violated property: its name (tells failures apart when a failing run is shortened) and what was seen. */
struct Naruszenie {
    QString wlasnosc;
    QString opis;
};
using Wynik = std::optional<Naruszenie>;

inline QString kolorTekstem(QRgb kolor)
{
    return QStringLiteral("#%1").arg(kolor, 8, 16, QLatin1Char('0'));
}

/** The bit pair each register is stored as: PF0 01, PF1 10, PF2 11, BAK 00, PF3 11 (in an inverted
 * character). */
inline constexpr std::array<int, kRejestrow> kParaRejestru{1, 2, 3, 0, 3};

/** Registers of the pairs 00, 01, 10, 11 in a plain and in an inverted character. */
inline constexpr std::array<std::array<int, 4>, 2> kRejestrPary{{{BAK, PF0, PF1, PF2}, {BAK, PF0, PF1, PF3}}};

/** Register of pixel x (0 = leftmost) of a character row. */
inline int rejestrPiksela(Bajt wiersz, int x, bool negatyw)
{
    return kRejestrPary[negatyw ? 1 : 0][(wiersz >> (6 - 2 * x)) & 3];
}

/** Cell of character k (0 top-left, 1 bottom-left, 2 top-right, 3 bottom-right), row r, pixel x. */
inline int komorka(int k, int r, int x)
{
    return 32 * k + 4 * r + x;
}

/** Where a cell shows in an object picture: grid column X (0..7) and row Y (0..15). */
inline int kolumnaObrazka(int p)
{
    return p % 4 + 4 * (p / 32 / 2);
}
inline int wierszObrazka(int p)
{
    return p % 32 / 4 + 8 * (p / 32 % 2);
}

/** Row r of character k encoded from the cells' registers. */
inline Bajt wierszZKomorek(const std::array<Komorka, kKomorek> &komorki, int k, int r)
{
    int b = 0;
    for (int x = 0; x < 4; ++x)
        b = (b << 2) | kParaRejestru[komorki[komorka(k, r, x)].nr];
    return Bajt(b);
}

inline bool maPF3(const std::array<Komorka, kKomorek> &komorki, int k)
{
    return std::any_of(komorki.begin() + 32 * k, komorki.begin() + 32 * (k + 1),
                       [](const Komorka &c) { return c.nr == PF3; });
}

/** The colour of the 4 x 2 block of object pixel (X, Y) in a 32-bit picture starting at column x0, if the
 * block is one colour. */
inline std::optional<QRgb> kolorBloku(const QImage &obraz, int x0, int X, int Y)
{
    const auto *gora = reinterpret_cast<const QRgb *>(obraz.constScanLine(2 * Y)) + x0 + 4 * X;
    const auto *dol = reinterpret_cast<const QRgb *>(obraz.constScanLine(2 * Y + 1)) + x0 + 4 * X;
    const QRgb c = gora[0];
    for (int dx = 0; dx < 4; ++dx)
        if (gora[dx] != c || dol[dx] != c)
            return std::nullopt;
    return c;
}

/** Every cell of the grid and of the buffer, and the drawing register, hold a register 0..4. */
inline Wynik rejestry(const StanEdytora &s)
{
    for (int p = 0; p < kKomorek; ++p) {
        if (s.Pixel[p].nr >= kRejestrow)
            return Naruszenie{QStringLiteral("register"),
                              QStringLiteral("grid cell %1 holds register %2").arg(p).arg(s.Pixel[p].nr)};
        if (s.bufPixel[p].nr >= kRejestrow)
            return Naruszenie{
                QStringLiteral("register"),
                QStringLiteral("buffer cell %1 holds register %2").arg(p).arg(s.bufPixel[p].nr)};
    }
    if (s.kolorRysowania.nr >= kRejestrow)
        return Naruszenie{QStringLiteral("register"),
                          QStringLiteral("drawing register %1").arg(s.kolorRysowania.nr)};
    if (!s.pf3Dostepny() && s.kolorRysowania.nr == PF3)
        return Naruszenie{QStringLiteral("register"),
                          QStringLiteral("PF3 draws while the mode does not offer it")};
    return std::nullopt;
}

/** One object is selected; its frame alone is white (selected) or red (opened), every other one grey. */
inline Wynik ramki(const StanEdytora &s)
{
    if (s.WybranyObiekt < 0 || s.WybranyObiekt >= kObiektow)
        return Naruszenie{QStringLiteral("frames"),
                          QStringLiteral("WybranyObiekt = %1").arg(s.WybranyObiekt)};
    for (int i = 0; i < kObiektow; ++i) {
        const QRgb r = s.ramki[i];
        const bool dobra = i == s.WybranyObiekt ? r == kBialy || r == kCzerwony : r == kSzary;
        if (!dobra)
            return Naruszenie{QStringLiteral("frames"),
                              QStringLiteral("frame %1 is %2 while object %3 is selected")
                                  .arg(i)
                                  .arg(kolorTekstem(r))
                                  .arg(s.WybranyObiekt)};
    }
    return std::nullopt;
}

/** Each 4 x 2 block of the preview shows its cell's colour. */
inline Wynik podglad(const StanEdytora &s)
{
    if (s.podglad.size() != QSize(32, 32) || s.podglad.format() != QImage::Format_RGB32)
        return Naruszenie{QStringLiteral("preview"),
                          QStringLiteral("the preview is not a 32 x 32 RGB32 picture")};
    for (int p = 0; p < kKomorek; ++p) {
        const auto c = kolorBloku(s.podglad, 0, kolumnaObrazka(p), wierszObrazka(p));
        if (c != s.Pixel[p].kolor)
            return Naruszenie{QStringLiteral("preview"),
                              QStringLiteral("the block of cell %1 is %2, the cell %3")
                                  .arg(p)
                                  .arg(c ? kolorTekstem(*c) : QStringLiteral("not one colour"))
                                  .arg(kolorTekstem(s.Pixel[p].kolor))};
    }
    return std::nullopt;
}

/** A character's label is marked inverted exactly when the character holds a PF3 cell. */
inline Wynik oznaczeniaNegatywu(const StanEdytora &s)
{
    for (int k = 0; k < kPozycji; ++k)
        if (s.znakOdwrocony[k] != maPF3(s.Pixel, k))
            return Naruszenie{QStringLiteral("inverse label"),
                              QStringLiteral("character %1: label %2, PF3 cell %3")
                                  .arg(k)
                                  .arg(s.znakOdwrocony[k])
                                  .arg(maPF3(s.Pixel, k))};
    return std::nullopt;
}

/** After painting, swapping, filling or taking the buffer: an edited code has bit 7 exactly when its
 * character holds PF3. */
inline Wynik bitNegatywuKodow(const StanEdytora &s)
{
    for (int k = 0; k < kPozycji; ++k)
        if (bool(s.KodyEdytowane[k] & 0x80) != maPF3(s.Pixel, k))
            return Naruszenie{QStringLiteral("code bit 7"),
                              QStringLiteral("character %1: code %2, PF3 cell %3")
                                  .arg(k)
                                  .arg(s.KodyEdytowane[k])
                                  .arg(maPF3(s.Pixel, k))};
    return std::nullopt;
}

/**
 * After the selected object was opened without "Tylko wybrany": the grid encodes back to its
 * characters bit for bit, PF3 stands exactly where the code has bit 7 and the pair is 11, every
 * cell shows its register's screen colour, and the labels show the codes as stored.
 */
inline Wynik siatkaRownaZestawowi(const StanEdytora &s)
{
    const int i = s.WybranyObiekt;
    for (int k = 0; k < kPozycji; ++k) {
        const Bajt kod = s.zestaw.Obiekty[k][i];
        if (s.KodyEdytowane[k] != kod)
            return Naruszenie{QStringLiteral("opened grid"),
                              QStringLiteral("label %1 shows code %2, object %3 has %4")
                                  .arg(k)
                                  .arg(s.KodyEdytowane[k])
                                  .arg(i)
                                  .arg(kod)};
        for (int r = 0; r < 8; ++r) {
            const Bajt znak = s.zestaw.Znaki[k % 2][8 * (kod & 0x7F) + r];
            const Bajt zKomorek = wierszZKomorek(s.Pixel, k, r);
            if (zKomorek != znak)
                return Naruszenie{
                    QStringLiteral("opened grid"),
                    QStringLiteral("object %1 character %2 row %3: cells give %4, the set holds %5")
                        .arg(i)
                        .arg(k)
                        .arg(r)
                        .arg(zKomorek)
                        .arg(znak)};
            for (int x = 0; x < 4; ++x) {
                const Komorka &c = s.Pixel[komorka(k, r, x)];
                const bool para11 = ((znak >> (6 - 2 * x)) & 3) == 3;
                if ((c.nr == PF3) != (para11 && (kod & 0x80)))
                    return Naruszenie{
                        QStringLiteral("opened grid"),
                        QStringLiteral("object %1 character %2 row %3 pixel %4: register %5 for code %6")
                            .arg(i)
                            .arg(k)
                            .arg(r)
                            .arg(x)
                            .arg(c.nr)
                            .arg(kod)};
                if (c.kolor != s.KolorEkranowy[c.nr])
                    return Naruszenie{QStringLiteral("opened grid"),
                                      QStringLiteral("cell %1 shows %2, its register %3 is %4")
                                          .arg(komorka(k, r, x))
                                          .arg(kolorTekstem(c.kolor))
                                          .arg(c.nr)
                                          .arg(kolorTekstem(s.KolorEkranowy[c.nr]))};
            }
        }
    }
    return std::nullopt;
}

/** After a refresh: every thumbnail shows its object as the set describes it, in the screen colours. */
inline Wynik miniaturyRowneZestawowi(const StanEdytora &s)
{
    if (s.miniatury.size() != QSize(32 * kObiektow, 32) || s.miniatury.format() != QImage::Format_RGB32)
        return Naruszenie{QStringLiteral("thumbnails"),
                          QStringLiteral("the thumbnails are not a 2048 x 32 RGB32 picture")};
    for (int i = 0; i < kObiektow; ++i)
        for (int k = 0; k < kPozycji; ++k) {
            const Bajt kod = s.zestaw.Obiekty[k][i];
            for (int r = 0; r < 8; ++r)
                for (int x = 0; x < 4; ++x) {
                    const int p = komorka(k, r, x);
                    const int rejestr =
                        rejestrPiksela(s.zestaw.Znaki[k % 2][8 * (kod & 0x7F) + r], x, kod & 0x80);
                    const auto c = kolorBloku(s.miniatury, 32 * i, kolumnaObrazka(p), wierszObrazka(p));
                    if (c != s.KolorEkranowy[rejestr])
                        return Naruszenie{
                            QStringLiteral("thumbnails"),
                            QStringLiteral(
                                "object %1 character %2 row %3 pixel %4 shows %5, register %6 is %7")
                                .arg(i)
                                .arg(k)
                                .arg(r)
                                .arg(x)
                                .arg(c ? kolorTekstem(*c) : QStringLiteral("not one colour"))
                                .arg(rejestr)
                                .arg(kolorTekstem(s.KolorEkranowy[rejestr]))};
                }
        }
    return std::nullopt;
}

/** The properties that hold after every action, in order. */
inline Wynik zawsze(const StanEdytora &s)
{
    for (Wynik (*sprawdz)(const StanEdytora &) : {rejestry, ramki, podglad, oznaczeniaNegatywu})
        if (Wynik w = sprawdz(s))
            return w;
    return std::nullopt;
}

} // namespace edytor::niezmienniki
