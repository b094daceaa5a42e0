#include "model/stan.h"

#include <QDir>

namespace edytor {

namespace {

constexpr std::array<Bajt, kRejestrow> kWartosciPoczatkowe{40, 202, 148, 0, 70};

// PF1 starts as RGB 39,249,39, not as the palette swatch of 202; the others equal their swatches.
constexpr std::array<QRgb, kRejestrow> kKoloryPoczatkowe{
    qRgb(255, 152, 44), qRgb(39, 249, 39), qRgb(28, 113, 198), qRgb(0, 0, 0), qRgb(205, 62, 207)};

QImage obraz(int szerokosc, int wysokosc, QRgb kolor)
{
    QImage wynik(szerokosc, wysokosc, QImage::Format_RGB32);
    wynik.fill(kolor);
    return wynik;
}

} // namespace

StanEdytora StanPoczatkowy()
{
    // What the members do not already start as: every cell BAK in black, both character sets
    // zeroed, the copy buffer's codes 0, no PF3 cell, "Vendra", "Tylko wybrany" off.
    StanEdytora s;
    UstawUklad(s.zestaw, Tryb::Vendra);

    // Object 0 is selected and its codes are the edited ones, so grid, labels and selection agree.
    for (int k = 0; k < kPozycji; ++k)
        s.KodyEdytowane[k] = s.zestaw.Obiekty[k][0];
    s.ramki.fill(kSzary);
    s.ramki[0] = kBialy;

    s.zestaw.WartoscKoloru = kWartosciPoczatkowe;
    s.zestaw.KolorEkranowy = kKoloryPoczatkowe;
    s.NazwaZestawu = QStringLiteral("ZESTAW.ORB");
    s.folder = QDir::currentPath();

    s.miniatury = obraz(kObiektow * kBokObrazka, kBokObrazka, kCzarny);
    s.podglad = obraz(kBokObrazka, kBokObrazka, kCzarny);
    s.obrazEksportu = obraz(2 * kObiektow * kBokObrazka, kBokObrazka, kJasnySzary);
    s.zmiany = ZmianaMiniatur | ZmianaPodgladu;
    return s;
}

} // namespace edytor
