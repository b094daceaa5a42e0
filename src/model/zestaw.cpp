#include "model/zestaw.h"

namespace edytor {

void UstawUklad(Zestaw &zestaw, Tryb tryb)
{
    for (int i = 0; i < kObiektow; ++i)
        for (int k = 0; k < kPozycji; ++k)
            zestaw.Obiekty[k][i] = kodUkladu(tryb, k, i);
}

RejestryObiektu Rejestry(const Zestaw &zestaw, int i)
{
    RejestryObiektu wynik;
    for (int k = 0; k < kPozycji; ++k) {
        const Bajt kod = zestaw.Obiekty[k][i];
        for (int r = 0; r < kBajtowZnaku; ++r)
            for (int x = 0; x < 4; ++x)
                wynik[numerKomorki(k, r, x)] = rejestrPary(paraPiksela(zestaw.wierszZnaku(k, kod, r), x), kod & kBitNegatywu);
    }
    return wynik;
}

} // namespace edytor
