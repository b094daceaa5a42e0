#include "io/formaty.h"

#include <QBuffer>

#include <cstring>

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

QByteArray ZakodujZestaw(const StanEdytora &stan)
{
    QByteArray wynik = ZakodujZnaki(stan.zestaw.Znaki) + ZakodujKody(stan.zestaw.Obiekty) + ZakodujKolory(stan.WartoscKoloru);
    for (const int r : kKolejnoscSprzetowa) {
        const QRgb kolor = stan.KolorEkranowy[r];
        wynik.append(char(qRed(kolor))).append(char(qGreen(kolor))).append(char(qBlue(kolor)));
    }
    return wynik;
}

bool OdczytajZestaw(const QByteArray &plik, StanEdytora &stan)
{
    if (plik.size() != kRozmiarZestawu)
        return false;
    const Bajt *b = bajty(plik);
    stan.zestaw.Znaki = czytajZnaki(b);
    for (int k = 0; k < kPozycji; ++k)
        std::memcpy(stan.zestaw.Obiekty[k].data(), b + kPoczatekKodow + k * kObiektow, kObiektow);
    for (int j = 0; j < kRejestrow; ++j) {
        const int r = kKolejnoscSprzetowa[j];
        stan.WartoscKoloru[r] = b[kPoczatekKolorow + j];
        const Bajt *rgb = b + kPoczatekRGB + 3 * j;
        stan.KolorEkranowy[r] = qRgb(rgb[0], rgb[1], rgb[2]);
    }
    return true;
}

std::optional<std::array<ZestawZnakow, kZestawowZnakow>> OdczytajZnaki(const QByteArray &plik)
{
    switch (rodzajPliku(plik.size())) {
    case RodzajPliku::Znaki: return czytajZnaki(bajty(plik));
    case RodzajPliku::ZnakiZNaglowkiem: return czytajZnaki(bajty(plik) + kDlugoscNaglowka);
    default: return std::nullopt;
    }
}

QByteArray ZakodujBMP(QImage obraz)
{
    constexpr int kKropekNaMetr = 3780;  // 96 dots per inch
    obraz.setDotsPerMeterX(kKropekNaMetr);
    obraz.setDotsPerMeterY(kKropekNaMetr);
    QByteArray wynik;
    QBuffer bufor(&wynik);
    bufor.open(QIODevice::WriteOnly);
    obraz.save(&bufor, "BMP");
    return wynik;
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
