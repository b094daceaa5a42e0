#include "io/wsadowo.h"

#include "io/pliki.h"

#include <QFileInfo>
#include <QTextStream>

namespace edytor {

namespace {

/** The dialogs port of a batch run: nobody is there to see a message or answer a question. */
class BezUzytkownika : public Dialogi {
public:
    std::optional<QString> wybierzPlik(const PytanieOPlik &) override { return std::nullopt; }
    Odpowiedz komunikat(const QString &, const QString &, Przyciski przyciski, Ikona) override
    {
        return przyciski == Przyciski::TakNie ? Odpowiedz::Nie : Odpowiedz::Anuluj;
    }
};

/**
 * A batch command: the set file loaded as "Wczytaj" loads it, set files only, then `zapisz`
 * writes from it. A failure goes to the stream, one message with its path and reason. Gives the
 * exit status.
 */
template <class Zapis>
int wsadowo(const QString &zestaw, QTextStream &bledy, Zapis zapisz)
{
    BezUzytkownika nikt;
    StanEdytora stan = StanPoczatkowy();
    std::optional<BladPliku> blad = WczytajPlik(stan, nikt, zestaw, Rodzaje::TylkoZestaw);
    if (!blad)
        blad = zapisz(stan, nikt);
    if (!blad)
        return 0;
    bledy << blad->tekst() << Qt::endl;
    return 1;
}

/** Whether the path names the set file itself, which a batch command never replaces. */
bool toZestaw(const QString &sciezka, const QString &zestaw)
{
    return QFileInfo(sciezkaBezwzgledna(zestaw)).canonicalFilePath() == QFileInfo(sciezka).canonicalFilePath();
}

} // namespace

int EksportWsadowy(const QString &zestaw, const QString &nazwa, QTextStream &bledy)
{
    // The base name as the export dialog gives one. With the default base name the base file is
    // the set file itself: the credit line does not replace the user's set.
    const QString cel = sciezkaBezwzgledna(nazwa);
    const bool liniaAutorska = !toZestaw(cel, zestaw);
    return wsadowo(zestaw, bledy, [&](StanEdytora &stan, Dialogi &nikt) {
        // A build gets all of the files or none. (A folder missing or closed to writing stops the
        // first file already.)
        if (auto blad = PrzeszkodaEksportu(cel, liniaAutorska))
            return blad;
        return ZapiszEksport(stan, nikt, cel, liniaAutorska);
    });
}

int ProgramWsadowy(const QString &zestaw, const QString &plik, QTextStream &bledy)
{
    const QString cel = sciezkaBezwzgledna(plik);
    return wsadowo(zestaw, bledy, [&](StanEdytora &stan, Dialogi &nikt) -> std::optional<BladPliku> {
        if (toZestaw(cel, zestaw))
            return BladPliku{kNieZapisano, cel, QStringLiteral("To jest plik zestawu.")};
        return ZapiszProgramAtari(stan.zestaw, nikt, cel);
    });
}

int ZrodloWsadowe(const QString &zestaw, const QString &plik, Jezyk jezyk, QTextStream &bledy)
{
    const QString cel = sciezkaBezwzgledna(plik);
    return wsadowo(zestaw, bledy, [&](StanEdytora &stan, Dialogi &nikt) -> std::optional<BladPliku> {
        if (toZestaw(cel, zestaw))
            return BladPliku{kNieZapisano, cel, QStringLiteral("To jest plik zestawu.")};
        const QString tekst = ZrodloZestawu(stan.zestaw, jezyk, PrefiksEtykiet(cel), stan.NazwaZestawu, stan.TrybZawartosci);
        return zapiszPlik(nikt, cel, tekst.toUtf8());
    });
}

} // namespace edytor
