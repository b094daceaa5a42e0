#include "io/formaty.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace edytor {

namespace {

constexpr qsizetype kPoczatekKodow = kRozmiarZnakow;                            // 2048
constexpr qsizetype kPoczatekKolorow = kPoczatekKodow + 2 * kPozycji * kObiektow;  // 2560
constexpr qsizetype kPoczatekRGB = kPoczatekKolorow + kRejestrow;               // 2565
static_assert(kPoczatekRGB + 3 * kRejestrow == kRozmiarZestawu);

const Bajt *bajty(const QByteArray &dane)
{
    return reinterpret_cast<const Bajt *>(dane.constData());
}

std::array<ZestawZnakow, kZestawowZnakow> czytajZnaki(const Bajt *zrodlo)
{
    std::array<ZestawZnakow, kZestawowZnakow> znaki;
    for (int w = 0; w < kZestawowZnakow; ++w)
        std::memcpy(znaki[w].data(), zrodlo + w * kBajtowZestawuZnakow, kBajtowZestawuZnakow);
    return znaki;
}

} // namespace

RodzajPliku rodzajPliku(qint64 rozmiar)
{
    switch (rozmiar) {
    case kRozmiarZestawu: return RodzajPliku::Zestaw;
    case kRozmiarZnakow: return RodzajPliku::Znaki;
    case kRozmiarZnakowZNaglowkiem: return RodzajPliku::ZnakiZNaglowkiem;
    default: return RodzajPliku::Niepoprawny;
    }
}

QByteArray ZakodujZnaki(const std::array<ZestawZnakow, kZestawowZnakow> &znaki)
{
    QByteArray wynik;
    wynik.reserve(kRozmiarZnakow);
    for (const auto &zestaw : znaki)
        wynik.append(reinterpret_cast<const char *>(zestaw.data()), kBajtowZestawuZnakow);
    return wynik;
}

QByteArray ZakodujKody(const std::array<std::array<Bajt, kObiektow>, kPozycji> &obiekty)
{
    QByteArray wynik;
    wynik.reserve(2 * kPozycji * kObiektow);
    for (const Bajt odwrocenie : {Bajt(0), kBitNegatywu})
        for (const auto &pozycja : obiekty)
            for (const Bajt kod : pozycja)
                wynik.append(char(kod ^ odwrocenie));
    return wynik;
}

QByteArray ZakodujKolory(const std::array<Bajt, kRejestrow> &wartosci)
{
    QByteArray wynik;
    for (const int r : kKolejnoscSprzetowa)
        wynik.append(char(wartosci[r]));
    return wynik;
}

QByteArray ZakodujZestaw(const DaneZestawu &dane)
{
    QByteArray wynik = ZakodujZnaki(dane.Znaki) + ZakodujKody(dane.Obiekty) + ZakodujKolory(dane.WartoscKoloru);
    for (const int r : kKolejnoscSprzetowa) {
        const QRgb kolor = dane.KolorEkranowy[r];
        wynik.append(char(qRed(kolor))).append(char(qGreen(kolor))).append(char(qBlue(kolor)));
    }
    return wynik;
}

std::optional<DaneZestawu> OdczytajZestaw(const QByteArray &plik)
{
    if (plik.size() != kRozmiarZestawu)
        return std::nullopt;
    const Bajt *b = bajty(plik);
    DaneZestawu dane;
    dane.Znaki = czytajZnaki(b);
    for (int k = 0; k < kPozycji; ++k)
        std::memcpy(dane.Obiekty[k].data(), b + kPoczatekKodow + k * kObiektow, kObiektow);
    for (int j = 0; j < kRejestrow; ++j) {
        const int r = kKolejnoscSprzetowa[j];
        dane.WartoscKoloru[r] = b[kPoczatekKolorow + j];
        const Bajt *rgb = b + kPoczatekRGB + 3 * j;
        dane.KolorEkranowy[r] = qRgb(rgb[0], rgb[1], rgb[2]);
    }
    return dane;
}

std::optional<std::array<ZestawZnakow, kZestawowZnakow>> OdczytajZnaki(const QByteArray &plik)
{
    switch (rodzajPliku(plik.size())) {
    case RodzajPliku::Znaki: return czytajZnaki(bajty(plik));
    case RodzajPliku::ZnakiZNaglowkiem: return czytajZnaki(bajty(plik) + kDlugoscNaglowka);
    default: return std::nullopt;
    }
}

QByteArray ZakodujBMP(const Obraz &obraz)
{
    constexpr int kKropekNaMetr = 3780;  // 96 dots per inch
    const int linia = (3 * obraz.szerokosc + 3) & ~3;  // rows padded to whole 32-bit words
    const qint32 rozmiarObrazu = linia * obraz.wysokosc;
    QByteArray wynik;
    wynik.reserve(54 + rozmiarObrazu);
    const auto slowo = [&wynik](qint32 n, int bajtow) {
        for (int i = 0; i < bajtow; ++i)
            wynik.append(char((n >> (8 * i)) & 0xFF));
    };
    wynik.append("BM");
    slowo(54 + rozmiarObrazu, 4);
    slowo(0, 4);
    slowo(54, 4);
    for (const auto &[n, bajtow] : {std::pair{40, 4}, {obraz.szerokosc, 4}, {obraz.wysokosc, 4}, {1, 2}, {24, 2},
                                   {0, 4}, {rozmiarObrazu, 4}, {kKropekNaMetr, 4}, {kKropekNaMetr, 4},
                                   {0, 4}, {0, 4}})
        slowo(n, bajtow);
    wynik.resize(54 + rozmiarObrazu);
    char *cel = wynik.data() + 54;
    for (int y = obraz.wysokosc - 1; y >= 0; --y, cel += linia) {
        const QRgb *wiersz = obraz.wiersz(y);
        for (int x = 0; x < obraz.szerokosc; ++x) {
            cel[3 * x] = char(qBlue(wiersz[x]));
            cel[3 * x + 1] = char(qGreen(wiersz[x]));
            cel[3 * x + 2] = char(qRed(wiersz[x]));
        }
        std::fill(cel + 3 * obraz.szerokosc, cel + linia, '\0');
    }
    return wynik;
}

void RysujObrazEksportu(Obraz &obraz, const Obraz &miniatury, QRgb kolorPF2, QRgb kolorPF3)
{
    const int szerokosc = miniatury.szerokosc;
    for (int y = 0; y < miniatury.wysokosc; ++y) {
        const QRgb *zrodlo = miniatury.wiersz(y);
        QRgb *cel = obraz.wiersz(y);
        std::memcpy(cel, zrodlo, sizeof(QRgb) * szerokosc);
        for (int x = 0; x < szerokosc; ++x) {
            const QRgb c = zrodlo[x];
            cel[szerokosc + x] = c == kolorPF2 ? kolorPF3 : c == kolorPF3 ? kolorPF2 : c;
        }
    }
}

} // namespace edytor
