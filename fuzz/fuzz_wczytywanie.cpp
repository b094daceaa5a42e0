// libFuzzer target of the loader: any bytes, of any length, decoded and applied as a load applies
// them. Only 2048, 2054 and 2580 bytes decode, what they hold arrives in the set, and the set
// then saved loads back the same; nothing crashes (the sanitizers watch the rest).

#include "io/formaty.h"
#include "io/pliki.h"
#include "wspolne.h"

#include <cstdlib>

using namespace edytor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *dane, std::size_t rozmiar)
{
    static const StanEdytora poczatek = StanPoczatkowy();
    const QByteArray bajty(reinterpret_cast<const char *>(dane), qsizetype(rozmiar));
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
