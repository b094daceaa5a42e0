#include "view/miniatury.h"

#include "view/obraz.h"

#include <cstring>

namespace edytor {

void RysujPunktObiektu(StanEdytora &stan, int X, int Y, QRgb kolor)
{
    rysujPunkt(stan.miniatury, kBokObrazka * stan.WybranyObiekt, X, Y, kolor);
    stan.zmiany |= ZmianaMiniatur;
}

void RysujObiekt(StanEdytora &stan, int i)
{
    const auto &kolory = stan.zestaw.KolorEkranowy;
    const Piksele piksele(stan.miniatury);
    const int x0 = kBokObrazka * stan.WybranyObiekt;
    stan.zmiany |= ZmianaMiniatur;
    dlaPikseliObiektu(stan.zestaw, i, [&](int p, NrKoloru r) { piksele.punkt(x0, kolumnaKomorki(p), wierszKomorki(p), kolory[r]); });
}

void RysujObrazEksportu(QImage &obraz, const QImage &miniatury, QRgb kolorPF2, QRgb kolorPF3)
{
    const int szerokosc = miniatury.width();
    for (int y = 0; y < miniatury.height(); ++y) {
        const auto *zrodlo = reinterpret_cast<const QRgb *>(miniatury.constScanLine(y));
        auto *cel = reinterpret_cast<QRgb *>(obraz.scanLine(y));
        std::memcpy(cel, zrodlo, sizeof(QRgb) * szerokosc);
        for (int x = 0; x < szerokosc; ++x) {
            const QRgb c = zrodlo[x];
            cel[szerokosc + x] = c == kolorPF2 ? kolorPF3 : c == kolorPF3 ? kolorPF2 : c;
        }
    }
}

} // namespace edytor
