// libFuzzer target of the loader: any bytes, of any length, are loaded from a file.
// Only 2048, 2054 and 2580 bytes are taken, and what they hold arrives in the set; anything else
// leaves the set as it was; nothing crashes (the sanitizers watch the rest).

#include "edit/tryby.h"
#include "io/formaty.h"
#include "io/pliki.h"
#include "wspolne.h"

#include <QTemporaryDir>

#include <cstdlib>

using namespace edytor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *dane, std::size_t rozmiar)
{
    static const QTemporaryDir katalog;
    static const StanEdytora poczatek = StanPoczatkowy();
    const QString plik = katalog.filePath(QStringLiteral("f"));
    const QByteArray bajty(reinterpret_cast<const char *>(dane), qsizetype(rozmiar));
    testy::zapisz(plik, bajty);
    StanEdytora s = poczatek;  // an editor as it starts; its pictures are shared until drawn into
    const QByteArray przed = ZakodujZestaw(s);
    testy::SkryptoweDialogi d;
    d.odpowiedzi = {rozmiar % 2 ? Dialogi::Odpowiedz::Tak : Dialogi::Odpowiedz::Nie};
    const Wczytanie wynik = WczytajPlik(s, d, plik);

    const bool wziety = rozmiar == 2048 || rozmiar == 2054 || rozmiar == 2580;
    const QByteArray po = ZakodujZestaw(s);
    bool dobrze = wziety == !wynik.blad && wziety == wynik.zmieniony && wziety == (s.NazwaZestawu == QStringLiteral("f"))
                  && (wziety || po == przed);
    if (rozmiar == 2580)  // the colours always; the set as it is when object 0 keeps the mode
        dobrze &= po.mid(2560) == bajty.mid(2560)
                  && (s.TrybZawartosci == Tryb::JGP || po.first(2304) == bajty.first(2304));
    else if (wziety)
        dobrze &= po.first(2048) == bajty.last(2048);
    if (!dobrze)
        std::abort();
    return 0;
}
