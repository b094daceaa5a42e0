#pragma once

// What the editor should show and write, worked out from what the user did, apart from the
// editor's own code: the grid as painted, the set it stores into, its thumbnails and its files.

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QMetaType>

#include <array>
#include <cstdint>

namespace edytor::e2e {

using Bajt = std::uint8_t;

/** Register numbers as the editor's options Kolor(0) to Kolor(4) count them. */
enum Rejestr : int { PF0 = 0, PF1 = 1, PF2 = 2, BAK = 3, PF3 = 4 };
inline constexpr int kRejestrow = 5;
/** A right click instead of a register: the cell goes back to BAK. */
inline constexpr int kGumka = -1;

inline constexpr int kObiektow = 64;
inline constexpr int kPozycji = 4;
inline constexpr int kKomorek = 128;
inline constexpr int kKomorekZnaku = 32;
inline constexpr int kBokMiniatury = 32;
inline constexpr qsizetype kBajtowZestawuZnakow = 1024;
inline constexpr qsizetype kRozmiarZnakow = 2 * kBajtowZestawuZnakow;
inline constexpr qsizetype kRozmiarPlikuZestawu = 2580;

/** Screen colours at start-up, by register number. */
inline constexpr std::array<QRgb, kRejestrow> kKoloryPoczatkowe{
    qRgb(255, 152, 44), qRgb(39, 249, 39), qRgb(28, 113, 198), qRgb(0, 0, 0), qRgb(205, 62, 207)};
/** Atari colour numbers at start-up in hardware order: PF0, PF1, PF2, PF3, BAK. */
inline constexpr std::array<Bajt, kRejestrow> kWartosciPoczatkowe{40, 202, 148, 70, 0};

/** One painting step: the register chosen first (or kGumka for a right click) and the grid cell clicked. */
struct Krok {
    int rejestr;
    int komorka;
};
using Malowanie = QList<Krok>;

/** The editing grid as painted: a register per cell (cell n: character n/32, row (n%32)/4, pixel n%4). */
class Siatka {
  public:
    Siatka() { m_komorki.fill(BAK); }

    /** A left click paints the register; PF2 and PF3 share a bit pair, so one replaces the other in the
     * character. */
    void maluj(const Krok &krok);
    void ustaw(int n, int rejestr) { m_komorki[n] = rejestr; }
    int komorka(int n) const { return m_komorki[n]; }
    /** Whether character k holds a PF3 cell (its code then gets bit 7). */
    bool odwrocony(int k) const;
    /** Row byte r of character k: four bit pairs, the leftmost pixel in bits 7-6. */
    Bajt wiersz(int k, int r) const;

  private:
    std::array<int, kKomorek> m_komorki{};
};

/** Both character sets, the object table and the screen colours a set should hold. */
struct ZestawOczekiwany {
    QByteArray znaki = QByteArray(kRozmiarZnakow, '\0');
    std::array<std::array<Bajt, kObiektow>, kPozycji> kody{}; // kody[k][i]: position k of object i
    std::array<QRgb, kRejestrow> kolory = kKoloryPoczatkowe;

    /** Empty characters in a layout: "Vendra" object i is i, i, i+64, i+64; "JGP" 2i, 2i, 2i+1, 2i+1. */
    static ZestawOczekiwany wUkladzie(bool jgp);

    /** "Zapamiętaj edytowany obiekt" on object i with this grid. */
    void zapamietaj(int i, const Siatka &siatka);
    /** The register of pixel x in row r of position k of object i. */
    int rejestr(int i, int k, int r, int x) const;
    /** Object i opened into the grid. */
    Siatka siatka(int i) const;
    /** The 32 x 32 thumbnail: each object pixel a block of 4 x 2 screen pixels. */
    QImage miniatura(int i) const;

    /** The set file: characters, codes, codes with bit 7 flipped, colour numbers, screen colours. */
    QByteArray plikZestawu() const;
    /** The codes position by position, then the same with bit 7 flipped (export's ".KODY"). */
    QByteArray kodyZOdwrotnymi() const;
};

/** Empty when both images have the same size and colours, otherwise where they first differ. */
QString roznicaObrazow(const QImage &jest, const QImage &oczekiwany);
/** Empty when equal, otherwise the first differing offset and both lengths. */
QString roznicaBajtow(const QByteArray &jest, const QByteArray &oczekiwane);
QString nazwaKoloru(QRgb kolor);

} // namespace edytor::e2e

Q_DECLARE_METATYPE(edytor::e2e::Malowanie)
