#include "oczekiwane.h"

#include <algorithm>

namespace edytor::e2e {

namespace {

/** The bit pair that a register leaves in a character row. */
int paraRejestru(int rejestr)
{
    switch (rejestr) {
    case PF0: return 1;
    case PF1: return 2;
    case PF2:
    case PF3: return 3;
    default: return 0;
    }
}

/** Hardware order of the registers in the files: PF0, PF1, PF2, PF3, BAK. */
constexpr std::array<int, kRejestrow> kKolejnoscPlikow{PF0, PF1, PF2, PF3, BAK};

} // namespace

void Siatka::maluj(const Krok &krok)
{
    if (krok.rejestr == kGumka) {
        m_komorki[krok.komorka] = BAK;
        return;
    }
    m_komorki[krok.komorka] = krok.rejestr;
    if (krok.rejestr != PF2 && krok.rejestr != PF3)
        return;
    const int drugi = krok.rejestr == PF2 ? PF3 : PF2;
    const int poczatek = krok.komorka / kKomorekZnaku * kKomorekZnaku;
    for (int n = poczatek; n < poczatek + kKomorekZnaku; ++n)
        if (m_komorki[n] == drugi)
            m_komorki[n] = krok.rejestr;
}

bool Siatka::odwrocony(int k) const
{
    for (int n = k * kKomorekZnaku; n < (k + 1) * kKomorekZnaku; ++n)
        if (m_komorki[n] == PF3)
            return true;
    return false;
}

Bajt Siatka::wiersz(int k, int r) const
{
    int bajt = 0;
    for (int x = 0; x < 4; ++x)
        bajt |= paraRejestru(m_komorki[k * kKomorekZnaku + 4 * r + x]) << (6 - 2 * x);
    return Bajt(bajt);
}

ZestawOczekiwany ZestawOczekiwany::wUkladzie(bool jgp)
{
    ZestawOczekiwany z;
    for (int i = 0; i < kObiektow; ++i)
        for (int k = 0; k < kPozycji; ++k) {
            const int kolumna = k / 2;
            z.kody[k][i] = Bajt(jgp ? 2 * i + kolumna : i + 64 * kolumna);
        }
    return z;
}

void ZestawOczekiwany::zapamietaj(int i, const Siatka &siatka)
{
    for (int k = 0; k < kPozycji; ++k) {
        const Bajt kod = Bajt((kody[k][i] & 0x7F) | (siatka.odwrocony(k) ? 0x80 : 0));
        kody[k][i] = kod;
        for (int r = 0; r < 8; ++r)
            znaki[(k % 2) * kBajtowZestawuZnakow + 8 * (kod & 0x7F) + r] = char(siatka.wiersz(k, r));
    }
}

int ZestawOczekiwany::rejestr(int i, int k, int r, int x) const
{
    const Bajt kod = kody[k][i];
    const Bajt wiersz = Bajt(znaki[(k % 2) * kBajtowZestawuZnakow + 8 * (kod & 0x7F) + r]);
    switch ((wiersz >> (6 - 2 * x)) & 3) {
    case 0: return BAK;
    case 1: return PF0;
    case 2: return PF1;
    default: return (kod & 0x80) ? PF3 : PF2;
    }
}

Siatka ZestawOczekiwany::siatka(int i) const
{
    Siatka s;
    for (int k = 0; k < kPozycji; ++k)
        for (int r = 0; r < 8; ++r)
            for (int x = 0; x < 4; ++x)
                s.ustaw(k * kKomorekZnaku + 4 * r + x, rejestr(i, k, r, x));
    return s;
}

QImage ZestawOczekiwany::miniatura(int i) const
{
    QImage obraz(kBokMiniatury, kBokMiniatury, QImage::Format_RGB32);
    for (int k = 0; k < kPozycji; ++k)
        for (int r = 0; r < 8; ++r)
            for (int x = 0; x < 4; ++x) {
                // Positions 0 and 1 are the left column, 2 and 3 the right; 1 and 3 the bottom row.
                const int X = x + 4 * (k / 2);
                const int Y = r + 8 * (k % 2);
                const QRgb kolor = kolory[rejestr(i, k, r, x)];
                for (int dy = 0; dy < 2; ++dy)
                    for (int dx = 0; dx < 4; ++dx)
                        obraz.setPixel(4 * X + dx, 2 * Y + dy, kolor);
            }
    return obraz;
}

QByteArray ZestawOczekiwany::kodyZOdwrotnymi() const
{
    QByteArray bajty;
    for (const Bajt odwrocenie : {Bajt(0), Bajt(0x80)})
        for (int k = 0; k < kPozycji; ++k)
            for (int i = 0; i < kObiektow; ++i)
                bajty.append(char(kody[k][i] ^ odwrocenie));
    return bajty;
}

QByteArray ZestawOczekiwany::plikZestawu() const
{
    QByteArray bajty = znaki + kodyZOdwrotnymi();
    for (const Bajt wartosc : kWartosciPoczatkowe)
        bajty.append(char(wartosc));
    for (const int r : kKolejnoscPlikow)
        bajty.append(char(qRed(kolory[r]))).append(char(qGreen(kolory[r]))).append(char(qBlue(kolory[r])));
    return bajty;
}

QString nazwaKoloru(QRgb kolor)
{
    return QStringLiteral("rgb(%1,%2,%3)").arg(qRed(kolor)).arg(qGreen(kolor)).arg(qBlue(kolor));
}

QString roznicaObrazow(const QImage &jest, const QImage &oczekiwany)
{
    if (jest.size() != oczekiwany.size())
        return QStringLiteral("size %1 x %2 instead of %3 x %4")
            .arg(jest.width())
            .arg(jest.height())
            .arg(oczekiwany.width())
            .arg(oczekiwany.height());
    int rozne = 0;
    QString pierwsza;
    for (int y = 0; y < jest.height(); ++y)
        for (int x = 0; x < jest.width(); ++x) {
            const QRgb a = jest.pixel(x, y) & RGB_MASK;
            const QRgb b = oczekiwany.pixel(x, y) & RGB_MASK;
            if (a == b)
                continue;
            if (rozne++ == 0)
                pierwsza = QStringLiteral("(%1,%2) is %3, expected %4")
                               .arg(x)
                               .arg(y)
                               .arg(nazwaKoloru(a), nazwaKoloru(b));
        }
    if (rozne == 0)
        return QString();
    return QStringLiteral("%1 pixels differ, first at %2").arg(rozne).arg(pierwsza);
}

QString roznicaBajtow(const QByteArray &jest, const QByteArray &oczekiwane)
{
    const qsizetype n = std::min(jest.size(), oczekiwane.size());
    for (qsizetype i = 0; i < n; ++i)
        if (jest[i] != oczekiwane[i])
            return QStringLiteral("byte %1 is %2, expected %3 (lengths %4 and %5)")
                .arg(i)
                .arg(Bajt(jest[i]))
                .arg(Bajt(oczekiwane[i]))
                .arg(jest.size())
                .arg(oczekiwane.size());
    if (jest.size() != oczekiwane.size())
        return QStringLiteral("%1 bytes instead of %2").arg(jest.size()).arg(oczekiwane.size());
    return QString();
}

} // namespace edytor::e2e
