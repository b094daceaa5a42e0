#include "io/wsadowo.h"

#include "io/pliki.h"

#include <QFile>
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

/** Whether two paths name one file: links followed, "." and ".." read as a file dialog reads them. */
bool tenSamPlik(const QString &a, const QString &b)
{
    const QString plik = QFileInfo(sciezkaBezwzgledna(a)).canonicalFilePath();
    return !plik.isEmpty() && plik == QFileInfo(sciezkaBezwzgledna(b)).canonicalFilePath();
}

/**
 * A batch command: the set file loaded as "Wczytaj" loads it, set files only, then `zapisz`
 * writes the files `wyniki` from it. None of them may be one of the files `czytane` that the
 * command reads: that is refused before anything is written. A failure goes to the
 * stream, one message with its path and reason. Gives the exit status.
 */
template <class Zapis>
int wsadowo(const QString &zestaw, const QStringList &czytane, const QStringList &wyniki, QTextStream &bledy, Zapis zapisz)
{
    BezUzytkownika nikt;
    StanEdytora stan = StanPoczatkowy();
    std::optional<BladPliku> blad = WczytajPlik(stan, nikt, zestaw, Rodzaje::TylkoZestaw);
    for (const QString &wynik : wyniki)
        for (const QString &czytany : czytane)
            if (!blad && tenSamPlik(wynik, czytany))
                blad = BladPliku{kNieZapisano, wynik, czytany == zestaw ? QStringLiteral("To jest plik zestawu.")
                                                                        : QStringLiteral("To jest plik obrazu.")};
    if (!blad)
        blad = zapisz(stan, nikt);
    if (!blad)
        return 0;
    bledy << blad->tekst() << Qt::endl;
    return 1;
}

} // namespace

int EksportWsadowy(const QString &zestaw, const QString &nazwa, QTextStream &bledy)
{
    // The base name as the export dialog gives one. With the default base name the base file is
    // the set file itself: the credit line then does not replace the user's set.
    const QString cel = sciezkaBezwzgledna(nazwa);
    const bool liniaAutorska = !tenSamPlik(cel, zestaw);
    return wsadowo(zestaw, {zestaw}, PlikiEksportu(cel, liniaAutorska), bledy, [&](StanEdytora &stan, Dialogi &nikt) {
        return ZapiszEksport(stan, nikt, cel, liniaAutorska);
    });
}

int ProgramWsadowy(const QString &zestaw, const QString &plik, QTextStream &bledy)
{
    const QString cel = sciezkaBezwzgledna(plik);
    return wsadowo(zestaw, {zestaw}, {cel}, bledy, [&](StanEdytora &stan, Dialogi &nikt) {
        return ZapiszProgramAtari(stan.zestaw, nikt, cel);
    });
}

int ObrazWsadowy(const QString &zestaw, const QString &obraz, const QString &wynik, QTextStream &bledy)
{
    const QString cel = sciezkaBezwzgledna(wynik);
    return wsadowo(zestaw, {obraz}, {cel}, bledy, [&](StanEdytora &stan, Dialogi &nikt) -> std::optional<BladPliku> {
        // A set that the load re-lays out ("JGP" keeps no bit 7) would be written back changed
        // beyond its pictures: it is refused, and the window is the place to decide on it.
        QFile plik(sciezkaBezwzgledna(zestaw));
        if (!plik.open(QIODevice::ReadOnly) || plik.read(kRozmiarZnakow + kPozycji * kObiektow) != ZakodujZestaw(stan.zestaw).first(kRozmiarZnakow + kPozycji * kObiektow))
            return BladPliku{QStringLiteral("Nie udało się wczytać obrazu!"), zestaw,
                             QStringLiteral("Wczytanie zmienia ten zestaw (przekłada go na układ \"JGP\"); najpierw wczytaj go i zapisz w oknie.")};
        if (auto blad = WczytajPlik(stan, nikt, obraz, Rodzaje::TylkoObraz))
            return blad;
        return ZapiszPliki(nikt, {{cel, ZakodujZestaw(stan.zestaw)}});
    });
}

int ZrodloWsadowe(const QString &zestaw, const QString &plik, Jezyk jezyk, QTextStream &bledy)
{
    const QString cel = sciezkaBezwzgledna(plik);
    return wsadowo(zestaw, {zestaw}, {cel}, bledy, [&](StanEdytora &stan, Dialogi &nikt) {
        const QString tekst = ZrodloZestawu(stan.zestaw, jezyk, PrefiksEtykiet(cel), stan.NazwaZestawu, stan.TrybZawartosci);
        return ZapiszPliki(nikt, {{cel, tekst.toUtf8()}});
    });
}

} // namespace edytor
