#include "io/pliki.h"

#include "edit/komorki.h"
#include "edit/otwieranie.h"
#include "edit/tryby.h"
#include "informacje.h"
#include "io/formaty.h"
#include "view/miniatury.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

namespace edytor {

namespace {

using Odpowiedz = Dialogi::Odpowiedz;
using Przyciski = Dialogi::Przyciski;
using Ikona = Dialogi::Ikona;

const QString kUwaga = QStringLiteral("Uwaga!");
const QString kFolderEksportu = QStringLiteral("ORB_EXPORT");

/** Asks for a file; afterwards the working directory is the chosen file's folder. */
std::optional<QString> wybierzPlik(Dialogi &dialogi, const Dialogi::PytanieOPlik &pytanie)
{
    const std::optional<QString> wybrana = dialogi.wybierzPlik(pytanie);
    if (!wybrana || wybrana->isEmpty())
        return std::nullopt;
    // The path is made absolute before the working directory moves, so that it still names the
    // file that was chosen.
    const QFileInfo plik(*wybrana);
    QDir::setCurrent(plik.absolutePath());
    return plik.absoluteFilePath();
}

bool czyZastapic(Dialogi &dialogi, const QString &sciezka)
{
    if (!QFileInfo::exists(sciezka))
        return true;
    return dialogi.komunikat(QStringLiteral("Plik już istnieje!\nZastąpić?"), QStringLiteral("Ostrzeżenie!"),
                             Przyciski::OkAnuluj, Ikona::Ostrzezenie)
        == Odpowiedz::Ok;
}

void bladPliku(Dialogi &dialogi, const QString &co, const QString &sciezka, const QString &powod)
{
    dialogi.komunikat(co + u'\n' + QDir::toNativeSeparators(QFileInfo(sciezka).absoluteFilePath()) + u'\n' + powod,
                      kUwaga, Przyciski::Ok, Ikona::Blad);
}

/** The reason for a failure of the file system, in Polish whatever the system's language. */
QString powodBledu(int numer)
{
    switch (numer) {
    case ENOENT: return QStringLiteral("Nie ma takiego pliku ani folderu.");
    case EACCES:
    case EPERM: return QStringLiteral("Brak uprawnień.");
    case EISDIR: return QStringLiteral("To jest folder.");
    case ENOTDIR: return QStringLiteral("Część ścieżki nie jest folderem.");
    case ENOSPC: return QStringLiteral("Brak miejsca na dysku.");
    case EDQUOT: return QStringLiteral("Przekroczony przydział miejsca na dysku.");
    case EFBIG: return QStringLiteral("Plik jest za duży.");
    case EROFS: return QStringLiteral("System plików jest tylko do odczytu.");
    case ENAMETOOLONG: return QStringLiteral("Nazwa pliku jest za długa.");
    case EIO: return QStringLiteral("Błąd wejścia-wyjścia.");
    case EMFILE:
    case ENFILE: return QStringLiteral("Za dużo otwartych plików.");
    default: return QStringLiteral("Błąd systemu plików (nr %1).").arg(numer);
    }
}

/** Writes a whole file or nothing: the previous file stays intact when anything fails. */
bool zapiszPlik(Dialogi &dialogi, const QString &sciezka, const QByteArray &bajty)
{
    // Unbuffered, so that a short write (a full disk, a file size limit) shows here and not as
    // a commit that reports success over a truncated file.
    // errno is read right after the call that failed, for a reason in Polish.
    QSaveFile plik(sciezka);
    qint64 zapisano = 0;
    errno = 0;
    if (plik.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        while (zapisano < bajty.size()) {
            const qint64 n = plik.write(bajty.constData() + zapisano, bajty.size() - zapisano);
            if (n <= 0)
                break;
            zapisano += n;
        }
        if (zapisano == bajty.size() && plik.commit())
            return true;
    }
    const int numer = errno;
    const QString powod = QFileInfo(sciezka).isDir()                         ? powodBledu(EISDIR)
                          : plik.error() != QFileDevice::NoError && numer != 0 ? powodBledu(numer)
                                                                               : QStringLiteral("Nie zapisano wszystkich danych.");
    plik.cancelWriting();
    bladPliku(dialogi, QStringLiteral("Nie udało się zapisać pliku!"), sciezka, powod);
    return false;
}

DaneZestawu daneZestawu(const StanEdytora &stan)
{
    return {stan.zestaw.Znaki, stan.zestaw.Obiekty, stan.WartoscKoloru, stan.KolorEkranowy};
}

} // namespace

void Zapisz(StanEdytora &stan, Dialogi &dialogi)
{
    const QByteArray bajty = ZakodujZestaw(daneZestawu(stan));
    const auto sciezka = wybierzPlik(
        dialogi, {true, QDir::currentPath(), QStringLiteral("Obiekty ORB$4+ (*.ORB)|*.ORB|Wszystkie pliki (*.*)|*.*"),
                  stan.NazwaZestawu});
    if (!sciezka || !czyZastapic(dialogi, *sciezka) || !zapiszPlik(dialogi, *sciezka, bajty))
        return;
    stan.NazwaZestawu = QFileInfo(*sciezka).fileName();
    dialogi.komunikat(QStringLiteral("Zestaw znaków został pomyślnie zapisany"), QStringLiteral("Informacja"),
                      Przyciski::Ok, Ikona::Informacja);
}

void Wczytaj(StanEdytora &stan, Dialogi &dialogi)
{
    stan.TylkoWybrany = false;
    const auto sciezka = wybierzPlik(
        dialogi, {false, QDir::currentPath(),
                  QStringLiteral("Obiekty ORB$4+ (*.ORB)|*.ORB|Atari FontMaker (*.FN2)|*.FN2|"
                                 "Jet Graphics Planner (*.FNT)|*.FNT|Wszystkie pliki (*.*)|*.*"),
                  QString()});
    if (!sciezka)
        return;

    QFile plik(*sciezka);
    const QFileInfo info(*sciezka);
    errno = 0;
    if (!info.isFile() || !plik.open(QIODevice::ReadOnly)) {
        const int numer = errno;
        const QString powod = !info.exists() ? QStringLiteral("Plik nie istnieje.")
            : !info.isFile()                 ? QStringLiteral("To nie jest plik.")
                                             : powodBledu(numer);
        bladPliku(dialogi, QStringLiteral("Nie udało się odczytać pliku!"), *sciezka, powod);
        return;
    }
    const qint64 rozmiar = plik.size();
    const RodzajPliku rodzaj = rodzajPliku(rozmiar);
    if (rodzaj == RodzajPliku::Niepoprawny) {
        dialogi.komunikat(QStringLiteral("Niepoprawny format pliku!"), kUwaga, Przyciski::Ok, Ikona::Blad);
        return;
    }
    if (rodzaj != RodzajPliku::Zestaw && stan.TrybZawartosci == Tryb::Vendra
        && dialogi.komunikat(QStringLiteral("Wykryto próbę odczytu pliku tylko z danymi znaków.\n"
                                            "Czy chcesz włączyć tryb zawartości zgodny z \"JGP\"?"),
                             kUwaga, Przyciski::TakNie, Ikona::Ostrzezenie)
            == Odpowiedz::Tak)
        WybierzTryb(stan, Tryb::JGP);

    // The whole file is read first; the set changes only when it came in exactly as measured.
    errno = 0;
    const QByteArray bajty = plik.read(rozmiar + 1);
    if (bajty.size() != rozmiar) {
        const int numer = errno;
        bladPliku(dialogi, QStringLiteral("Nie udało się odczytać pliku!"), *sciezka,
                  plik.error() != QFileDevice::NoError && numer != 0
                      ? powodBledu(numer)
                      : QStringLiteral("Plik zmienił rozmiar podczas odczytu."));
        return;
    }
    // The bytes have the measured size, so the decoder of that kind always has a result.
    if (rodzaj == RodzajPliku::Zestaw) {
        const DaneZestawu zestaw = OdczytajZestaw(bajty).value();
        stan.zestaw.Znaki = zestaw.Znaki;
        stan.zestaw.Obiekty = zestaw.Obiekty;
        stan.WartoscKoloru = zestaw.WartoscKoloru;
        stan.KolorEkranowy = zestaw.KolorEkranowy;
    } else {
        stan.zestaw.Znaki = OdczytajZnaki(bajty).value();
        UstawUklad(stan.zestaw, stan.TrybZawartosci);
    }
    stan.NazwaZestawu = info.fileName();

    OdswiezObiekty(stan);
    PrzemalujKomorki(stan);
    const auto &o = stan.zestaw.Obiekty;
    WybierzTryb(stan, int(o[2][0]) == int(o[0][0]) + 64 ? Tryb::Vendra : Tryb::JGP);
    ZZ_DblClick(stan, stan.WybranyObiekt);
}

void Eksportuj(StanEdytora &stan, Dialogi &dialogi)
{
    const QString katalog = QDir::currentPath();
    const QString folderEksportu = QDir::toNativeSeparators(katalog + u'/' + kFolderEksportu);
    const bool wEksporcie = katalog.contains(kFolderEksportu, Qt::CaseSensitive);
    if (!wEksporcie)
        QDir().mkdir(folderEksportu);  // an existing folder, or none at all, does not stop the export
    const auto sciezka = wybierzPlik(
        dialogi, {true, wEksporcie ? katalog : folderEksportu, QStringLiteral("Nowe dane (znaki, kody, kolory, grafika|*.ND"),
                  stan.NazwaZestawu});
    if (!sciezka || !czyZastapic(dialogi, *sciezka))
        return;
    if (ZapiszEksport(stan, dialogi, *sciezka))
        dialogi.komunikat(QStringLiteral("Pliki zostały pomyślnie zapisane"), QStringLiteral("Informacja"),
                          Przyciski::Ok, Ikona::Informacja);
}

bool ZapiszEksport(StanEdytora &stan, Dialogi &dialogi, const QString &nazwa, bool zLiniaAutorska)
{
    if (!zapiszPlik(dialogi, nazwa + QStringLiteral(".FN2"), ZakodujZnaki(stan.zestaw.Znaki)))
        return false;
    stan.NazwaZestawu = QFileInfo(nazwa).fileName();
    if (!zapiszPlik(dialogi, nazwa + QStringLiteral(".KODY"), ZakodujKody(stan.zestaw.Obiekty))
        || !zapiszPlik(dialogi, nazwa + QStringLiteral(".KOLORY"), ZakodujKolory(stan.WartoscKoloru)))
        return false;
    RysujObrazEksportu(stan.obrazEksportu, stan.miniatury, stan.KolorEkranowy[PF2], stan.KolorEkranowy[PF3]);
    stan.zmiany |= ZmianaObrazuEksportu;
    return zapiszPlik(dialogi, nazwa + QStringLiteral(".TILES.BMP"), ZakodujBMP(stan.obrazEksportu))
           && (!zLiniaAutorska || zapiszPlik(dialogi, nazwa, informacje::liniaAutorska().toUtf8()));
}

} // namespace edytor
