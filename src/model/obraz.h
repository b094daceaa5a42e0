#pragma once

#include <QRect>
#include <QRgb>

#include <algorithm>
#include <cstddef>
#include <vector>

namespace edytor {

/**
 * A picture in memory: 32-bit pixels 0xffRRGGBB, row by row, as Qt's RGB32 images hold them.
 * The core draws into it without Qt's GUI library, so that a batch run never loads that; the
 * window shows it through a QImage over the same memory.
 */
struct Obraz {
    int szerokosc = 0;
    int wysokosc = 0;
    std::vector<QRgb> piksele;

    Obraz() = default;
    Obraz(int w, int h, QRgb kolor) : szerokosc(w), wysokosc(h), piksele(std::size_t(w) * std::size_t(h), kolor) {}

    QRect prostokat() const { return QRect(0, 0, szerokosc, wysokosc); }
    bool zawiera(int x, int y) const { return prostokat().contains(x, y); }
    QRgb piksel(int x, int y) const { return piksele[std::size_t(y) * std::size_t(szerokosc) + std::size_t(x)]; }
    QRgb *wiersz(int y) { return piksele.data() + std::size_t(y) * std::size_t(szerokosc); }
    const QRgb *wiersz(int y) const { return piksele.data() + std::size_t(y) * std::size_t(szerokosc); }
    void wypelnij(int x, int y, int w, int h, QRgb kolor)
    {
        for (int r = y; r < y + h; ++r)
            std::fill(wiersz(r) + x, wiersz(r) + x + w, kolor);
    }
    friend bool operator==(const Obraz &, const Obraz &) = default;
};

} // namespace edytor
