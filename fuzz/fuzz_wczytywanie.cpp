// libFuzzer target of the loader: any bytes, of any length, go through "Wczytaj" from a file.
// Only 2048, 2054 and 2580 bytes are taken, and what they hold arrives in the set; anything else
// leaves the set as it was; nothing crashes (the sanitizers watch the rest).

#include "edit/tryby.h"
#include "io/formaty.h"
#include "io/pliki.h"
#include "wspolne.h"

#include <QDir>
#include <QTemporaryDir>

#include <cstdlib>

using namespace edytor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *dane, std::size_t rozmiar)
{
    static const QTemporaryDir katalog;
    static const QString start = QDir::currentPath();  // the loader moves it to the file's folder
    const QString plik = katalog.filePath(QStringLiteral("f"));
    const QByteArray bajty(reinterpret_cast<const char *>(dane), qsizetype(rozmiar));
    testy::zapisz(plik, bajty);
    // An editor as it starts, for each input; its pictures are kept from run to run, since copying
    // them costs more than the load itself and no property below reads them.
    static const StanEdytora poczatek = [] {
        StanEdytora x = StanPoczatkowy();
        x.miniatury = x.podglad = x.obrazEksportu = {};
        return x;
    }();
    static StanEdytora s = StanPoczatkowy();
    Obraz miniatury = std::move(s.miniatury), podglad = std::move(s.podglad), eksport = std::move(s.obrazEksportu);
    s = poczatek;
    s.miniatury = std::move(miniatury);
    s.podglad = std::move(podglad);
    s.obrazEksportu = std::move(eksport);
    const auto zestaw = [] { return ZakodujZestaw({s.zestaw.Znaki, s.zestaw.Obiekty, s.WartoscKoloru, s.KolorEkranowy}); };
    const QByteArray przed = zestaw();
    testy::SkryptoweDialogi d;
    d.pliki = {plik};
    d.odpowiedzi = {rozmiar % 2 ? Dialogi::Odpowiedz::Tak : Dialogi::Odpowiedz::Nie};
    Wczytaj(s, d);

    const bool wziety = rozmiar == 2048 || rozmiar == 2054 || rozmiar == 2580;
    const QByteArray po = zestaw();
    bool dobrze = wziety == (s.NazwaZestawu == QStringLiteral("f")) && (wziety || po == przed);
    if (rozmiar == 2580)  // the colours always; the set as it is when object 0 keeps the mode
        dobrze &= po.mid(2560) == bajty.mid(2560)
                  && (s.TrybZawartosci == Tryb::JGP || po.first(2304) == bajty.first(2304));
    else if (wziety)
        dobrze &= po.first(2048) == bajty.last(2048);
    if (!dobrze)
        std::abort();
    QDir::setCurrent(start);
    return 0;
}
