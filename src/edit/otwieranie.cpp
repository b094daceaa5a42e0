#include "edit/otwieranie.h"

#include "edit/komorki.h"
#include "view/miniatury.h"

namespace edytor {

void WybierzObiekt(StanEdytora &stan, int i)
{
    stan.ramki.fill(kSzary);
    stan.ramki[i] = kBialy;
    stan.WybranyObiekt = i;
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

void ZZ_DblClick(StanEdytora &stan, int i)
{
    stan.ramki[stan.WybranyObiekt] = kCzerwony;
    for (const int k : kPozycjeWierszami) {
        const Bajt kod = stan.zestaw.Obiekty[k][i];
        const bool negatyw = kod & kBitNegatywu;
        for (int y = 0; y < kBajtowZnaku; ++y) {
            const Bajt b = stan.zestaw.wierszZnaku(k, kod, y);
            for (int x = 0; x < 4; ++x) {
                const NrKoloru r = rejestrPary(paraPiksela(b, x), negatyw);
                if (!stan.TylkoWybrany || stan.kolorRysowania.nr == r)
                    stan.Pixel[numerKomorki(k, y, x)] = {r, stan.zestaw.KolorEkranowy[r]};
            }
        }
    }
    UstalNegatyw(stan);
    // The labels show the codes as stored, bit 7 included, on the background the refresh chose.
    for (int k = 0; k < kPozycji; ++k)
        stan.KodyEdytowane[k] = stan.zestaw.Obiekty[k][i];
}

} // namespace edytor
