#include "io/wsadowo.h"

#include "io/dialogi.h"
#include "io/formaty.h"
#include "io/pliki.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace edytor {

namespace {

/** The dialogs port of a batch run: failures are written out; nobody is there to answer a question. */
class DialogiKonsoli : public Dialogi {
public:
    explicit DialogiKonsoli(QTextStream &bledy) : m_bledy(bledy) {}
    bool blad = false;

    std::optional<QString> wybierzPlik(const PytanieOPlik &) override { return std::nullopt; }
    Odpowiedz komunikat(const QString &tekst, const QString &, Przyciski przyciski, Ikona ikona) override
    {
        if (ikona == Ikona::Blad) {
            blad = true;
            m_bledy << tekst << Qt::endl;
        }
        return przyciski == Przyciski::TakNie ? Odpowiedz::Nie : Odpowiedz::Anuluj;
    }

private:
    QTextStream &m_bledy;
};

} // namespace

int EksportWsadowy(const QString &zestaw, const QString &nazwa, QTextStream &bledy)
{
    // Both names are taken relative to the directory the command ran in, before the load moves it.
    const QFileInfo plik(QFileInfo(zestaw).absoluteFilePath());
    const QString cel = QFileInfo(nazwa).absoluteFilePath();
    const bool celToZestaw = plik.canonicalFilePath() == QFileInfo(cel).canonicalFilePath();
    if (plik.isFile() && plik.size() != kRozmiarZestawu) {
        bledy << "Niepoprawny format pliku!\n" << QDir::toNativeSeparators(plik.absoluteFilePath()) << Qt::endl;
        return 1;
    }
    DialogiKonsoli konsola(bledy);
    DialogiZPlikiem dialogi(konsola, plik.filePath());
    StanEdytora stan = StanPoczatkowy();
    Wczytaj(stan, dialogi);
    // With the default base name the base file is the set file itself: the credit line does not
    // replace the user's set.
    if (konsola.blad || !ZapiszEksport(stan, konsola, cel, !celToZestaw))
        return 1;
    return 0;
}

} // namespace edytor
