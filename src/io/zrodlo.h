#pragma once

#include "model/zestaw.h"

#include <QString>

#include <array>
#include <optional>

namespace edytor {

/** The languages of the source export: three 6502 assemblers and C. */
enum class Jezyk { Mads, Ca65, Xa, C };

/** A language as the command line names it, and the ending its file gets by default. */
struct OpisJezyka {
    Jezyk jezyk;
    const char16_t *nazwa;
    const char16_t *koncowka;
};

inline constexpr std::array<OpisJezyka, 4> kJezykiZrodla{{
    {Jezyk::Mads, u"mads", u".asm"},
    {Jezyk::Ca65, u"ca65", u".s"},
    {Jezyk::Xa, u"xa", u".a65"},
    {Jezyk::C, u"c", u".c"},
}};

std::optional<OpisJezyka> JezykZrodla(const QString &nazwa);

/**
 * The prefix of the labels of a source file: its name up to the first dot, every character other
 * than an ASCII letter, digit or underscore made an underscore, and an underscore before a leading
 * digit ("1 gra-v2.ORB.s" gives "_1_gra_v2").
 */
QString PrefiksEtykiet(const QString &plik);

/**
 * The set as source text: the bytes of ".FN2", ".KODY" and ".KOLORY" in that order, under five
 * labels (prefix + "_znaki0", "_znaki1", "_kody", "_negatywy", "_kolory"), the first character
 * set on a 1 KB boundary or in a segment of its own, with comments that name every character's
 * objects and every object's codes. The same set always gives the same text.
 */
QString ZrodloZestawu(const Zestaw &zestaw, Jezyk jezyk, const QString &prefiks, const QString &nazwaZestawu, Tryb tryb);

} // namespace edytor
