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

} // namespace

int EksportWsadowy(const QString &zestaw, const QString &nazwa, QTextStream &bledy)
{
    // The base name as the export dialog gives one: absolute, with "." and ".." read as written.
    const QString cel = QFileInfo(nazwa).absoluteFilePath();
    // With the default base name the base file is the set file itself: the credit line does not
    // replace the user's set.
    const bool celToZestaw = QFileInfo(QFileInfo(zestaw).absoluteFilePath()).canonicalFilePath() == QFileInfo(cel).canonicalFilePath();
    BezUzytkownika nikt;
    StanEdytora stan = StanPoczatkowy();
    std::optional<BladPliku> blad = WczytajPlik(stan, nikt, zestaw, Rodzaje::TylkoZestaw);
    // A build gets all of the files or none: a name taken by a folder or by a file that may not
    // be replaced stops the export before the first file. (A folder missing or closed to writing
    // stops the first file already.) The reasons are those the writer gives.
    for (const char16_t *koncowka : {u".FN2", u".KODY", u".KOLORY", u".TILES.BMP", u""}) {
        const QFileInfo plik(cel + QString::fromUtf16(koncowka));
        if (!blad && (*koncowka || !celToZestaw) && (plik.isDir() || (plik.exists() && !plik.isWritable())))
            blad = BladPliku{QStringLiteral("Nie udało się zapisać pliku!"), plik.filePath(),
                             plik.isDir() ? QStringLiteral("To jest folder.") : QStringLiteral("Brak uprawnień.")};
    }
    if (!blad)
        blad = ZapiszEksport(stan, nikt, cel, !celToZestaw);
    if (!blad)
        return 0;
    bledy << blad->tekst() << Qt::endl;
    return 1;
}

} // namespace edytor
