#include "model/zestaw.h"

namespace edytor {

void UstawUklad(Zestaw &zestaw, Tryb tryb)
{
    for (int i = 0; i < kObiektow; ++i)
        for (int k = 0; k < kPozycji; ++k)
            zestaw.Obiekty[k][i] = kodUkladu(tryb, k, i);
}

} // namespace edytor
