#include "edit/zapamietanie.h"

#include "edit/otwieranie.h"
#include "view/miniatury.h"
#include "view/podglad.h"

namespace edytor {

void ZapamietajObiekt(StanEdytora &stan)
{
    stan.TylkoWybrany = false;
    const int s = stan.WybranyObiekt;
    OdswiezObiekty(stan);
    stan.ramki[s] = kCzerwony;
    dlaKomorekSiatki(stan.Pixel, [&stan](int X, int Y, QRgb kolor) { RysujPunktObiektu(stan, X, Y, kolor); });

    for (int k = 0; k < kPozycji; ++k) {
        Bajt &kod = stan.zestaw.Obiekty[k][s];
        kod = Bajt((kod & ~kBitNegatywu) | (stan.KodyEdytowane[k] & kBitNegatywu));
    }
    for (const int k : kPozycjeWierszami) {
        const int znak = numerZnaku(stan.zestaw.Obiekty[k][s]);
        for (int r = 0; r < kBajtowZnaku; ++r) {
            Bajt b = 0;
            for (int x = 0; x < 4; ++x)
                b |= bityPiksela(stan.Pixel[numerKomorki(k, r, x)].nr, x);
            stan.zestaw.Znaki[k % kZestawowZnakow][kBajtowZnaku * znak + r] = b;
        }
    }
    ZZ_DblClick(stan, s);
}

} // namespace edytor
