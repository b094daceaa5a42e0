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
    for (const int k : kPozycjeWierszami) {
        const Bajt kod = stan.zestaw.Obiekty[k][i];
        const bool negatyw = kod & kBitNegatywu;
        const int X0 = 4 * (k / 2);
        const int Y0 = 8 * (k % 2);
        for (int r = 0; r < kBajtowZnaku; ++r) {
            const Bajt b = stan.zestaw.wierszZnaku(k, kod, r);
            for (int x = 0; x < 4; ++x)
                piksele.punkt(x0, x + X0, r + Y0, kolory[rejestrPary(paraPiksela(b, x), negatyw)]);
        }
    }
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
