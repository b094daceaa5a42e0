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

ZestawyZnakow czytajZnaki(const Bajt *zrodlo)
{
    ZestawyZnakow znaki;
    for (int w = 0; w < kZestawowZnakow; ++w)
        std::memcpy(znaki[w].data(), zrodlo + w * kBajtowZestawuZnakow, kBajtowZestawuZnakow);
    return znaki;
}

} // namespace

QByteArray ZakodujZnaki(const ZestawyZnakow &znaki)
{
    QByteArray wynik;
    wynik.reserve(kRozmiarZnakow);
    for (const auto &zestaw : znaki)
        wynik.append(reinterpret_cast<const char *>(zestaw.data()), kBajtowZestawuZnakow);
    return wynik;
}

QByteArray ZakodujKody(const TablicaObiektow &obiekty)
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

QByteArray ZakodujZestaw(const Zestaw &zestaw)
{
    QByteArray wynik = ZakodujZnaki(zestaw.Znaki) + ZakodujKody(zestaw.Obiekty) + ZakodujKolory(zestaw.WartoscKoloru);
    for (const int r : kKolejnoscSprzetowa) {
        const QRgb kolor = zestaw.KolorEkranowy[r];
        wynik.append(char(qRed(kolor))).append(char(qGreen(kolor))).append(char(qBlue(kolor)));
    }
    return wynik;
}

std::optional<Zestaw> OdczytajZestaw(const QByteArray &plik)
{
    if (plik.size() != kRozmiarZestawu)
        return std::nullopt;
    const Bajt *b = bajty(plik);
    Zestaw zestaw;
    zestaw.Znaki = czytajZnaki(b);
    for (int k = 0; k < kPozycji; ++k)
        std::memcpy(zestaw.Obiekty[k].data(), b + kPoczatekKodow + k * kObiektow, kObiektow);
    for (int j = 0; j < kRejestrow; ++j) {
        const int r = kKolejnoscSprzetowa[j];
        zestaw.WartoscKoloru[r] = b[kPoczatekKolorow + j];
        const Bajt *rgb = b + kPoczatekRGB + 3 * j;
        zestaw.KolorEkranowy[r] = qRgb(rgb[0], rgb[1], rgb[2]);
    }
    return zestaw;
}

std::optional<ZestawyZnakow> OdczytajZnaki(const QByteArray &plik)
{
    if (plik.size() != kRozmiarZnakow && plik.size() != kRozmiarZnakowZNaglowkiem)
        return std::nullopt;
    return czytajZnaki(bajty(plik) + plik.size() - kRozmiarZnakow);  // a header skipped unread
}

std::optional<Zawartosc> OdczytajZawartosc(const QByteArray &plik)
{
    if (auto zestaw = OdczytajZestaw(plik))
        return *zestaw;
    if (auto znaki = OdczytajZnaki(plik))
        return *znaki;
    return std::nullopt;
}

std::optional<QByteArray> ZakodujProgramAtari(QByteArray program, const Zestaw &zestaw)
{
    // Each segment: $FFFF (required before the first), its first and last address, its bytes.
    // The set's data go into the first segment of 2048 bytes and the two after it; the segments
    // before them (the check the loader runs first) stay as they are.
    const QByteArray dane[] = {ZakodujZnaki(zestaw.Znaki), ZakodujKody(zestaw.Obiekty), ZakodujKolory(zestaw.WartoscKoloru)};
    qsizetype n = 0;
    for (qsizetype p = 0; n < 3 && p < program.size();) {
        if (program.mid(p, 2) == QByteArray(2, '\xFF'))
            p += 2;
        const Bajt *b = bajty(program) + p;
        const qsizetype rozmiar = p + 4 <= program.size() ? (b[2] | b[3] << 8) - (b[0] | b[1] << 8) + 1 : 0;
        if (p < 2 || rozmiar < 1 || p + 4 + rozmiar > program.size() || (n > 0 && rozmiar != dane[n].size()))
            return std::nullopt;
        if (rozmiar == dane[n].size())
            program.replace(p + 4, rozmiar, dane[n++]);
        p += 4 + rozmiar;
    }
    if (n < 3)
        return std::nullopt;
    return program;
}

std::optional<QByteArray> ZakodujBMP(QImage obraz)
{
    constexpr int kKropekNaMetr = 3780;  // 96 dots per inch
    obraz.setDotsPerMeterX(kKropekNaMetr);
    obraz.setDotsPerMeterY(kKropekNaMetr);
    QByteArray wynik;
    QBuffer bufor(&wynik);
    if (!bufor.open(QIODevice::WriteOnly) || !obraz.save(&bufor, "BMP"))
        return std::nullopt;
    return wynik;
}

} // namespace edytor
