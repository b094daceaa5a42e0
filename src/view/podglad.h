#pragma once

#include "model/stan.h"

namespace edytor {

/** Draws one object pixel (grid column X, row Y) into the preview. */
void RysujPunktPodgladu(StanEdytora &stan, int X, int Y, QRgb kolor);

/** Redraws the whole preview from the screen colours of the 128 cells. */
void RysujPodglad(StanEdytora &stan);

/**
 * Redraws the preview, then gives each edited character's code bit 7 exactly when the
 * character holds a PF3 cell, and marks its label accordingly.
 */
void UstalNegatyw(StanEdytora &stan);

/** Draws the cells' screen colours as an object picture at column x0 of an image. */
void RysujKomorki(QImage &obraz, int x0, const std::array<Komorka, kKomorek> &komorki);

} // namespace edytor
