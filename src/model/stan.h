#pragma once

#include "model/stale.h"
#include "model/zestaw.h"

#include <QImage>
#include <QString>

#include <array>

namespace edytor {

/**
 * A register and its own copy of a screen colour, set together: each cell of the editing grid and
 * of the copy buffer, and the drawing register (its copy taken when it was chosen or picked).
 */
struct Komorka {
    Bajt nr = BAK;
    QRgb kolor = kCzarny;
    friend bool operator==(const Komorka &, const Komorka &) = default;
};
using KolorRysowania = Komorka;

/**
 * What an operation changed, for the window to repaint. Everything else the window compares
 * against what it shows; the images are announced because comparing them costs more than drawing.
 */
enum Zmiana : unsigned {
    ZmianaMiniatur = 1u << 0,
    ZmianaPodgladu = 1u << 1,
    ZmianaObrazuEksportu = 1u << 2,
};

/**
 * Everything the editor remembers between two user actions. The window only shows it.
 * The copies kept here (cell colours, the drawing register's colour, the thumbnails as drawn)
 * are deliberately not derived from the set: several behaviours rely on them going stale.
 */
struct StanEdytora {
    Zestaw zestaw;

    std::array<Komorka, kKomorek> Pixel{};     // the editing grid
    std::array<Komorka, kKomorek> bufPixel{};  // the copy buffer

    std::array<Bajt, kPozycji> KodyEdytowane{};  // codes of the four edited characters
    std::array<Bajt, kPozycji> BuforKodow{};     // codes of the characters held in the copy buffer
    std::array<bool, kPozycji> znakOdwrocony{};  // label background: had a PF3 cell at the last UstalNegatyw

    int WybranyObiekt = 0;
    std::array<QRgb, kObiektow> ramki{};  // background of each frame ZZR(i)

    KolorRysowania kolorRysowania;

    bool TylkoWybrany = false;
    Tryb TrybZawartosci = Tryb::Vendra;
    QString NazwaZestawu;
    QString folder;  // where the next file dialog opens: the folder of the last file chosen or loaded
    int wybranaZamiana = -1;  // item shown by the swap list; -1 while it still reads "Zamiana"

    // Pictures in Qt's RGB32 format.
    QImage miniatury;      // the 64 thumbnails side by side, 2048 x 32
    QImage podglad;        // the preview of the edited object, 32 x 32
    QImage obrazEksportu;  // the off-screen surface of the export picture, 4096 x 32

    unsigned zmiany = 0;  // Zmiana flags since the window last looked

    /** Whether PF3 can be chosen as the drawing register (not in "JGP"). */
    bool pf3Dostepny() const { return TrybZawartosci == Tryb::Vendra; }
};

/**
 * The editor as it starts: empty character sets, the "Vendra" layout, start-up colours, all cells
 * BAK; file dialogs open in the working directory.
 */
StanEdytora StanPoczatkowy();

} // namespace edytor
