#include "view/miniatury.h"

#include "view/obraz.h"

namespace edytor {

void WybierzObiekt(StanEdytora &stan, int i)
{
    stan.ramki.fill(kSzary);
    stan.ramki[i] = kBialy;
    stan.WybranyObiekt = i;
}

void RysujPunktObiektu(StanEdytora &stan, int X, int Y, QRgb kolor)
{
    rysujPunkt(stan.miniatury, kBokObrazka * stan.WybranyObiekt, X, Y, kolor);
    stan.zmiany |= ZmianaMiniatur;
}

void RysujObiekt(StanEdytora &stan, int i)
{
    const auto &kolory = stan.KolorEkranowy;
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

void OdswiezObiekty(StanEdytora &stan)
{
    const int s = stan.WybranyObiekt;
    for (int i = 0; i < kObiektow; ++i) {
        WybierzObiekt(stan, i);
        RysujObiekt(stan, i);
    }
    WybierzObiekt(stan, s);
}

} // namespace edytor
