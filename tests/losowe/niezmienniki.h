#pragma once

// Properties of the editor state that hold after user actions, written from the rules the user
// sees (bit pairs, registers, pictures) rather than from the code that keeps them. The random-use
// test checks them after every action; the loader fuzz target after every load.

#include "model/stan.h"

#include <QString>

#include <algorithm>
#include <optional>

namespace edytor::niezmienniki {

/** A violated property: its name (tells failures apart when a failing run is shortened) and what was seen. */
struct Naruszenie {
    QString wlasnosc;
    QString opis;
};
using Wynik = std::optional<Naruszenie>;

inline Naruszenie naruszenie(const char *wlasnosc, const QString &opis)
{
    return {QString::fromLatin1(wlasnosc), opis};
}

using Komorki = std::array<Komorka, kKomorek>;

/**
 * The cells of object i as the set describes them: the register of each bit pair (00 BAK, 01 PF0,
 * 10 PF1, 11 PF2, or PF3 when the code has bit 7) in that register's screen colour.
 */
inline Komorki komorkiObiektu(const StanEdytora &s, int i)
{
    static constexpr Bajt kRejestr[2][4] = {{BAK, PF0, PF1, PF2}, {BAK, PF0, PF1, PF3}};
    Komorki wynik;
    for (int p = 0; p < kKomorek; ++p) {
        const Bajt kod = s.zestaw.Obiekty[p / 32][i];
        const Bajt wiersz = s.zestaw.Znaki[p / 32 % 2][8 * (kod & 0x7F) + p % 32 / 4];
        const Bajt r = kRejestr[kod >> 7][(wiersz >> (6 - 2 * (p % 4))) & 3];
        wynik[p] = {r, s.KolorEkranowy[r]};
    }
    return wynik;
}

inline bool maPF3(const Komorki &komorki, int k)
{
    return std::any_of(komorki.begin() + 32 * k, komorki.begin() + 32 * (k + 1),
                       [](const Komorka &c) { return c.nr == PF3; });
}

/** The colour of the 4 x 2 block of cell p in an object picture at column x0, if it is one colour. */
inline std::optional<QRgb> kolorBloku(const QImage &obraz, int x0, int p)
{
    const int x = x0 + 4 * (p % 4 + 4 * (p / 64)), y = 2 * (p % 32 / 4 + 8 * (p / 32 % 2));
    const auto *gora = reinterpret_cast<const QRgb *>(obraz.constScanLine(y)) + x;
    const auto *dol = reinterpret_cast<const QRgb *>(obraz.constScanLine(y + 1)) + x;
    for (int dx = 0; dx < 4; ++dx)
        if (gora[dx] != gora[0] || dol[dx] != gora[0])
            return std::nullopt;
    return gora[0];
}

/** The object picture at column x0 shows the cells' colours. */
inline Wynik obrazRowny(const char *co, const QImage &obraz, int x0, const Komorki &komorki)
{
    if (obraz.format() != QImage::Format_RGB32 || obraz.height() != 32 || obraz.width() < x0 + 32)
        return naruszenie(co, QStringLiteral("not a 32-pixel-high RGB32 picture"));
    for (int p = 0; p < kKomorek; ++p)
        if (kolorBloku(obraz, x0, p) != komorki[p].kolor)
            return naruszenie(co, QStringLiteral("the block of cell %1 at column %2").arg(p).arg(x0));
    return std::nullopt;
}

/**
 * After every action: each cell of the grid and of the buffer holds a register 0..4, PF3 draws only
 * while the mode offers it, the preview shows the grid and each label is marked inverted exactly
 * when its character holds a PF3 cell.
 */
inline Wynik zawsze(const StanEdytora &s)
{
    for (int p = 0; p < kKomorek; ++p)
        if (s.Pixel[p].nr >= kRejestrow || s.bufPixel[p].nr >= kRejestrow)
            return naruszenie("register", QStringLiteral("cell %1").arg(p));
    if (s.kolorRysowania.nr >= kRejestrow || (!s.pf3Dostepny() && s.kolorRysowania.nr == PF3))
        return naruszenie("register", QStringLiteral("drawing register %1").arg(s.kolorRysowania.nr));
    for (int k = 0; k < kPozycji; ++k)
        if (s.znakOdwrocony[k] != maPF3(s.Pixel, k))
            return naruszenie("inverse label", QStringLiteral("character %1").arg(k));
    return obrazRowny("preview", s.podglad, 0, s.Pixel);
}

/** After an opening without "Tylko wybrany": the grid decodes exactly to the set, the labels show codes. */
inline Wynik siatkaRownaZestawowi(const StanEdytora &s)
{
    const Komorki oczekiwane = komorkiObiektu(s, s.WybranyObiekt);
    for (int p = 0; p < kKomorek; ++p)
        if (s.Pixel[p] != oczekiwane[p])
            return naruszenie("opened grid",
                              QStringLiteral("cell %1 is register %2").arg(p).arg(s.Pixel[p].nr));
    for (int k = 0; k < kPozycji; ++k)
        if (s.KodyEdytowane[k] != s.zestaw.Obiekty[k][s.WybranyObiekt])
            return naruszenie("opened grid", QStringLiteral("label %1").arg(k));
    return std::nullopt;
}

/** After a refresh: every thumbnail shows its object as the set describes it, in the screen colours. */
inline Wynik miniaturyRowneZestawowi(const StanEdytora &s)
{
    Wynik w;
    for (int i = 0; i < kObiektow && !w; ++i)
        w = obrazRowny("thumbnails", s.miniatury, 32 * i, komorkiObiektu(s, i));
    return w;
}

} // namespace edytor::niezmienniki
