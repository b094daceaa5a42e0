// libFuzzer target of the loader: any bytes, of any length, decoded and applied as a load applies
// them. Only 2048, 2054 and 2580 bytes decode, what they hold arrives in the set, and the set
// then saved loads back the same; nothing crashes (the sanitizers watch the rest).

#include "io/formaty.h"
#include "io/obraz.h"
#include "io/pliki.h"
#include "wspolne.h"

#include <algorithm>
#include <cstdlib>

using namespace edytor;

namespace {

/**
 * The picture decoder on a picture of the objects whose 4 x 2 blocks take, byte by byte, one of
 * the set's five colours or another, a byte of 0xFF a stray pixel too, taken into a set of the
 * first 2580 bytes: what it takes, the set then shows, and nothing else changes.
 */
void obraz(const std::uint8_t *dane, std::size_t rozmiar)
{
    const Zestaw zestaw = OdczytajZestaw(QByteArray(reinterpret_cast<const char *>(dane), qsizetype(std::min<std::size_t>(rozmiar, 2580))).leftJustified(2580, '\0')).value();
    const auto &kolory = zestaw.KolorEkranowy;
    QImage obraz(2048, 32, QImage::Format_RGB32);
    auto *piksele = reinterpret_cast<QRgb *>(obraz.bits());
    for (int blok = 0; blok < 64 * 128; ++blok) {  // 512 blocks a row, 4 x 2 pixels each
        const std::uint8_t b = dane[blok % rozmiar];
        QRgb *p = piksele + 2 * 2048 * (blok / 512) + 4 * (blok % 512);
        for (int d = 0; d < 4; ++d)
            p[d] = p[2048 + d] = b % 6 < 5 ? kolory[b % 6] : qRgb(b, 0, 0);
        if (b == 0xFF)
            p[3] = qRgb(1, 2, 3);
    }
    const Tryb tryb = Tryb(dane[0] % 2);
    const auto wynik = ZObrazu(obraz, zestaw, tryb);
    if (const Zestaw *z = std::get_if<Zestaw>(&wynik)) {
        for (int i = 0; i < kObiektow; ++i) {
            const RejestryObiektu rejestry = Rejestry(*z, i);
            for (int p = 0; p < kKomorek; ++p)
                if (kolory[rejestry[p]] != piksele[2048 * 2 * wierszKomorki(p) + 32 * i + 4 * kolumnaKomorki(p)])
                    std::abort();
        }
        const QByteArray przed = ZakodujZestaw(zestaw), po = ZakodujZestaw(*z);
        for (int b = 2048; b < 2580; ++b)  // the codes alike but for bit 7, which "JGP" does not gain; the colours alike
            if ((po[b] ^ przed[b]) & (b >= 2560 || (tryb == Tryb::JGP && b < 2304 && ~przed[b] & 0x80) ? 0xFF : 0x7F))
                std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *dane, std::size_t rozmiar)
{
    static const StanEdytora poczatek = StanPoczatkowy();
    const QByteArray bajty(reinterpret_cast<const char *>(dane), qsizetype(rozmiar));
    if (rozmiar > 0)
        obraz(dane, rozmiar);
    const std::optional<Zawartosc> zawartosc = OdczytajZawartosc(bajty);
    const bool wziety = rozmiar == 2048 || rozmiar == 2054 || rozmiar == 2580;
    if (zawartosc.has_value() != wziety)
        std::abort();
    if (!zawartosc)
        return 0;
    StanEdytora s = poczatek;  // an editor as it starts; its pictures are shared until drawn into
    testy::SkryptoweDialogi d;
    d.odpowiedzi = {rozmiar % 2 ? Dialogi::Odpowiedz::Tak : Dialogi::Odpowiedz::Nie};
    ZastosujZawartosc(s, d, *zawartosc, QStringLiteral("f"));

    const QByteArray po = ZakodujZestaw(s.zestaw);
    bool dobrze = s.NazwaZestawu == QStringLiteral("f");
    if (rozmiar == 2580) {  // the colours always; the mode that object 0's characters give, and in "Vendra" the set as it is
        const bool vendra = (dane[2048 + 128] & 0x7F) == (dane[2048] & 0x7F) + 64;
        dobrze &= po.mid(2560) == bajty.mid(2560) && s.TrybZawartosci == (vendra ? Tryb::Vendra : Tryb::JGP)
                  && (!vendra || po.first(2304) == bajty.first(2304));
    } else {
        dobrze &= po.first(2048) == bajty.last(2048) && po.mid(2560) == ZakodujZestaw(poczatek.zestaw).mid(2560);
    }
    // Whatever came in is saved and loaded back as it is, in the same mode.
    StanEdytora z = s;
    ZastosujZawartosc(z, d, OdczytajZestaw(po).value(), QStringLiteral("f"));
    dobrze &= ZakodujZestaw(z.zestaw) == po && z.TrybZawartosci == s.TrybZawartosci;
    if (!dobrze)
        std::abort();
    return 0;
}
