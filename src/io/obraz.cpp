#include "io/obraz.h"

#include <algorithm>

namespace edytor {

namespace {

constexpr NrKoloru kKolejnoscPar[kRejestrow]{BAK, PF0, PF1, PF2, PF3};
const char16_t *const kZnakiObiektu[kPozycji]{u"lewy górny", u"lewy dolny", u"prawy górny", u"prawy dolny"};

/** The first register of the set bits, in the order of the bit pairs. */
NrKoloru pierwszy(unsigned rejestry)
{
    return *std::find_if(std::begin(kKolejnoscPar), std::end(kKolejnoscPar), [rejestry](int r) { return rejestry >> r & 1; });
}

QString punkt(int i, int p)
{
    return QStringLiteral("Obiekt %1, piksel (%2, %3): ").arg(i).arg(kolumnaKomorki(p)).arg(wierszKomorki(p));
}

} // namespace

std::optional<QString> ZlyRozmiar(QSize rozmiar)
{
    constexpr int kSzerokosc = kObiektow * kBokObrazka;  // the left half
    if (rozmiar.height() == kBokObrazka && (rozmiar.width() == kSzerokosc || rozmiar.width() == 2 * kSzerokosc))
        return std::nullopt;
    return QStringLiteral("Obraz ma %1 x %2 pikseli, a powinien mieć 4096 x 32 albo 2048 x 32.").arg(rozmiar.width()).arg(rozmiar.height());
}

std::variant<Zestaw, QString> ZObrazu(const QImage &wejscie, const Zestaw &zestaw, Tryb tryb)
{
    if (auto powod = ZlyRozmiar(wejscie.size()))
        return *powod;
    const QImage obraz = wejscie.convertToFormat(QImage::Format_ARGB32);  // opaque pixels as RGB32 has them
    const auto piksel = [poczatek = obraz.constBits(), linia = obraz.bytesPerLine()](int x, int y) {
        return reinterpret_cast<const QRgb *>(poczatek + y * linia)[x];
    };
    Zestaw wynik = zestaw;
    int rysujacy[kZestawowZnakow][kZnakowWZestawie];  // the object and position that drew each character so far
    std::fill_n(&rysujacy[0][0], kZestawowZnakow * kZnakowWZestawie, -1);
    for (int i = 0; i < kObiektow; ++i) {
        const RejestryObiektu byly = Rejestry(zestaw, i);
        RejestryObiektu nowy;
        std::array<unsigned, kKomorek> mozliwe;  // the registers that show each pixel's colour, one bit each
        for (int p = 0; p < kKomorek; ++p) {
            const int x = kBokObrazka * i + kSzerokoscPunktu * kolumnaKomorki(p), y = kWysokoscPunktu * wierszKomorki(p);
            const QRgb kolor = piksel(x, y);
            for (int d = 1; d < kSzerokoscPunktu * kWysokoscPunktu; ++d)
                if (piksel(x + d % kSzerokoscPunktu, y + d / kSzerokoscPunktu) != kolor)
                    return punkt(i, p) + QStringLiteral("blok 4 x 2 ma więcej niż jeden kolor.");
            if (qAlpha(kolor) != 255)
                return punkt(i, p) + QStringLiteral("blok jest przezroczysty.");
            mozliwe[p] = 0;
            for (int r = 0; r < kRejestrow; ++r)
                mozliwe[p] |= unsigned(zestaw.KolorEkranowy[r] == kolor) << r;
            if (!mozliwe[p])
                return punkt(i, p) + QStringLiteral("kolor #%1 nie jest żadnym z pięciu kolorów zestawu.")
                                         .arg(QString::number(kolor & 0xFFFFFF, 16).rightJustified(6, u'0').toUpper());
            nowy[p] = mozliwe[p] >> byly[p] & 1 ? byly[p] : pierwszy(mozliwe[p]);
        }
        for (int k = 0; k < kPozycji; ++k) {
            bool pf2 = false, pf3 = false;  // pixels that only PF2, or only PF3, can show
            for (int p = kKomorekZnaku * k; p < kKomorekZnaku * (k + 1); ++p) {
                pf2 |= mozliwe[p] == 1u << PF2;
                pf3 |= mozliwe[p] == 1u << PF3;
            }
            if (pf2 && pf3)
                return QStringLiteral("Obiekt %1, %2 znak: PF2 i PF3 w jednym znaku.").arg(i).arg(QString::fromUtf16(kZnakiObiektu[k]));
            Bajt &kod = wynik.Obiekty[k][i];
            // The character's pair 11: what a pixel needs, else what the code shows now. A pixel
            // that took the other one takes this one if its colour is this one's too, else the
            // first other register of its colour.
            const NrKoloru para11 = pf3 || (!pf2 && kod & kBitNegatywu) ? PF3 : PF2, inna = para11 == PF3 ? PF2 : PF3;
            Bajt wiersze[kBajtowZnaku]{};
            bool jest11 = false;
            for (int p = kKomorekZnaku * k; p < kKomorekZnaku * (k + 1); ++p) {
                if (nowy[p] == inna)
                    nowy[p] = pierwszy(mozliwe[p] >> para11 & 1 ? 1u << para11 : mozliwe[p] & ~(1u << inna));
                jest11 |= nowy[p] == para11;
                wiersze[p % kKomorekZnaku / 4] |= bityPiksela(nowy[p], p % 4);
            }
            pf2 = jest11 && para11 == PF2;
            pf3 = jest11 && para11 == PF3;
            if (pf3 && tryb == Tryb::JGP && !(kod & kBitNegatywu))
                return QStringLiteral("Obiekt %1: PF3 w układzie \"JGP\".").arg(i);
            if (pf2 || pf3)
                kod = Bajt((kod & ~kBitNegatywu) | (pf3 ? kBitNegatywu : 0));
            const int w = k % kZestawowZnakow, n = numerZnaku(kod);
            const auto znak = wynik.Znaki[w].begin() + kBajtowZnaku * n;
            if (const int j = rysujacy[w][n] / kPozycji; rysujacy[w][n] >= 0 && !std::equal(std::begin(wiersze), std::end(wiersze), znak))
                return (j == i ? QStringLiteral("Obiekt %1: %2 i %3 znak rysują inaczej ten sam znak (%4 w zestawie %5).")
                                     .arg(i).arg(QString::fromUtf16(kZnakiObiektu[rysujacy[w][n] % kPozycji]), QString::fromUtf16(kZnakiObiektu[k]))
                               : QStringLiteral("Obiekty %1 i %2 rysują inaczej ten sam znak (%3 w zestawie %4).").arg(j).arg(i))
                    .arg(n).arg(w);
            rysujacy[w][n] = kPozycji * i + k;
            std::copy(std::begin(wiersze), std::end(wiersze), znak);
        }
    }
    return wynik;
}

} // namespace edytor
