#include "dane.h"

#include "edit/bufor.h"
#include "edit/kolory.h"
#include "edit/komorki.h"
#include "edit/otwieranie.h"
#include "view/miniatury.h"
#include "view/paleta.h"

#include <algorithm>

namespace edytor::pomiary {

namespace {

constexpr int kOtwartyObiekt = 3;

/** A small xorshift generator: the same bytes on every run and machine. */
class Wzor {
public:
    Bajt nastepny()
    {
        m_x ^= m_x << 13;
        m_x ^= m_x >> 17;
        m_x ^= m_x << 5;
        return Bajt(m_x >> 8);
    }

private:
    std::uint32_t m_x = 0x2545F491u;
};

} // namespace

DaneZestawu zestawPomiarowy()
{
    DaneZestawu dane;
    Wzor wzor;
    for (auto &zestaw : dane.Znaki)
        for (Bajt &b : zestaw)
            b = wzor.nastepny();
    for (int k = 0; k < kPozycji; ++k)
        for (int i = 0; i < kObiektow; ++i) {
            const bool odwrocony = k % 2 == 1 && i % 3 == 0;
            dane.Obiekty[k][i] = Bajt(kodUkladu(Tryb::Vendra, k, i) | (odwrocony ? kBitNegatywu : 0));
        }
    dane.WartoscKoloru = {38, 198, 148, 0, 84};
    for (int r = 0; r < kRejestrow; ++r)
        dane.KolorEkranowy[r] = kolorSwatcha(dane.WartoscKoloru[r]);
    return dane;
}

StanEdytora stanPomiarowy()
{
    const DaneZestawu dane = zestawPomiarowy();
    StanEdytora s = StanPoczatkowy();
    s.zestaw.Znaki = dane.Znaki;
    s.zestaw.Obiekty = dane.Obiekty;
    s.WartoscKoloru = dane.WartoscKoloru;
    s.KolorEkranowy = dane.KolorEkranowy;
    s.NazwaZestawu = QStringLiteral("POMIAR.ORB");
    OdswiezObiekty(s);
    PrzemalujKomorki(s);
    WybierzObiekt(s, kOtwartyObiekt);
    ZZ_DblClick(s, kOtwartyObiekt);
    DoBufora(s);
    WybierzKolor(s, PF1);
    s.zmiany = 0;
    return s;
}

bool wszystkieRejestry(const StanEdytora &stan)
{
    for (int r = 0; r < kRejestrow; ++r)
        if (std::none_of(stan.Pixel.begin(), stan.Pixel.end(), [r](const Komorka &c) { return c.nr == r; }))
            return false;
    return true;
}

} // namespace edytor::pomiary
