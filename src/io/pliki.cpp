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

/**
 * The folder of a file becomes the last folder, as a working directory would take it: by its real
 * path (links followed), and only where it is a folder.
 */
void zapamietajFolder(StanEdytora &stan, const QFileInfo &plik)
{
    const QDir folder(plik.absolutePath());
    if (folder.exists())
        stan.folder = folder.canonicalPath();
}

/**
 * Asks for a file. A relative name is taken in the folder of the last file; afterwards the chosen
 * file's folder is the last one.
 */
std::optional<QString> wybierzPlik(StanEdytora &stan, Dialogi &dialogi, const Dialogi::PytanieOPlik &pytanie)
{
    const std::optional<QString> wybrana = dialogi.wybierzPlik(pytanie);
    if (!wybrana || wybrana->isEmpty())
        return std::nullopt;
    const QFileInfo plik(QDir(stan.folder), *wybrana);
    zapamietajFolder(stan, plik);
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

/**
 * Runs an operation on a file with errno cleared. When it fails: the reason the system gave, in
 * Polish, or `inny` where the file reports no error of its own or the system gave no number.
 */
template <class Operacja>
std::optional<QString> sprobuj(const QFileDevice &plik, Operacja operacja, const QString &inny)
{
    errno = 0;
    if (operacja())
        return std::nullopt;
    const int numer = errno;
    return plik.error() != QFileDevice::NoError && numer != 0 ? powodBledu(numer) : inny;
}

/** Tells the user of a failure and hands it on. */
BladPliku zglos(Dialogi &dialogi, const BladPliku &blad)
{
    dialogi.komunikat(blad.tekst(), kUwaga, Przyciski::Ok, Ikona::Blad);
    return blad;
}

/** Writes a whole file or nothing: the previous file stays intact when anything fails. */
std::optional<BladPliku> zapiszPlik(Dialogi &dialogi, const QString &sciezka, const QByteArray &bajty)
{
    // Unbuffered, so that a short write (a full disk, a file size limit) shows here and not as
    // a commit that reports success over a truncated file.
    QSaveFile plik(sciezka);
    std::optional<QString> powod = sprobuj(plik, [&] {
        if (!plik.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return false;
        for (qint64 zapisano = 0; zapisano < bajty.size();) {
            const qint64 n = plik.write(bajty.constData() + zapisano, bajty.size() - zapisano);
            if (n <= 0)
                return false;
            zapisano += n;
        }
        return plik.commit();
    }, QStringLiteral("Nie zapisano wszystkich danych."));
    if (!powod)
        return std::nullopt;
    plik.cancelWriting();
    if (QFileInfo(sciezka).isDir())
        powod = powodBledu(EISDIR);
    return zglos(dialogi, {QStringLiteral("Nie udało się zapisać pliku!"), sciezka, *powod});
}

} // namespace

QString BladPliku::tekst() const
{
    QString wynik = co + u'\n' + QDir::toNativeSeparators(QFileInfo(sciezka).absoluteFilePath());
    if (!powod.isEmpty())
        wynik += u'\n' + powod;
    return wynik;
}

Wczytanie WczytajPlik(StanEdytora &stan, Dialogi &dialogi, const QString &sciezka, Rodzaje rodzaje)
{
    stan.TylkoWybrany = false;
    // The path as the file dialog gives one: absolute, with "." and ".." read as written.
    const QFileInfo info(QFileInfo(sciezka).absoluteFilePath());
    zapamietajFolder(stan, info);
    const QString nieOdczytano = QStringLiteral("Nie udało się odczytać pliku!");
    if (!info.isFile())
        return {false, zglos(dialogi, {nieOdczytano, info.filePath(),
                                       info.exists() ? QStringLiteral("To nie jest plik.") : QStringLiteral("Plik nie istnieje.")})};
    QFile plik(info.filePath());
    if (const auto powod = sprobuj(plik, [&] { return plik.open(QIODevice::ReadOnly); }, powodBledu(0)))
        return {false, zglos(dialogi, {nieOdczytano, info.filePath(), *powod})};

    const qint64 rozmiar = plik.size();
    const RodzajPliku rodzaj = rodzajPliku(rozmiar);
    if (rodzaj == RodzajPliku::Niepoprawny || (rodzaje == Rodzaje::TylkoZestaw && rodzaj != RodzajPliku::Zestaw)) {
        const QString niepoprawny = QStringLiteral("Niepoprawny format pliku!");
        dialogi.komunikat(niepoprawny, kUwaga, Przyciski::Ok, Ikona::Blad);
        return {false, BladPliku{niepoprawny, info.filePath(), QString()}};
    }
    Wczytanie wynik;
    if (rodzaj != RodzajPliku::Zestaw && stan.TrybZawartosci == Tryb::Vendra
        && dialogi.komunikat(QStringLiteral("Wykryto próbę odczytu pliku tylko z danymi znaków.\n"
                                            "Czy chcesz włączyć tryb zawartości zgodny z \"JGP\"?"),
                             kUwaga, Przyciski::TakNie, Ikona::Ostrzezenie)
            == Odpowiedz::Tak) {
        WybierzTryb(stan, Tryb::JGP);
        wynik.zmieniony = true;
    }

    // The whole file is read first; the set changes only when it came in exactly as measured.
    QByteArray bajty;
    if (const auto powod = sprobuj(plik, [&] {
            bajty = plik.read(rozmiar + 1);
            return bajty.size() == rozmiar;
        }, QStringLiteral("Plik zmienił rozmiar podczas odczytu."))) {
        wynik.blad = zglos(dialogi, {nieOdczytano, info.filePath(), *powod});
        return wynik;
    }
    // The bytes have the measured size, so the decoder of that kind always takes them.
    if (rodzaj == RodzajPliku::Zestaw) {
        OdczytajZestaw(bajty, stan);
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
    wynik.zmieniony = true;
    return wynik;
}

void Wczytaj(StanEdytora &stan, Dialogi &dialogi)
{
    stan.TylkoWybrany = false;
    const auto sciezka = wybierzPlik(stan, dialogi,
                                     {false, stan.folder,
                                      QStringLiteral("Obiekty ORB$4+ (*.ORB)|*.ORB|Atari FontMaker (*.FN2)|*.FN2|"
                                                     "Jet Graphics Planner (*.FNT)|*.FNT|Wszystkie pliki (*.*)|*.*"),
                                      QString()});
    if (sciezka)
        WczytajPlik(stan, dialogi, *sciezka);
}

void Zapisz(StanEdytora &stan, Dialogi &dialogi)
{
    const QByteArray bajty = ZakodujZestaw(stan);
    const auto sciezka = wybierzPlik(
        stan, dialogi, {true, stan.folder, QStringLiteral("Obiekty ORB$4+ (*.ORB)|*.ORB|Wszystkie pliki (*.*)|*.*"),
                        stan.NazwaZestawu});
    if (!sciezka || !czyZastapic(dialogi, *sciezka) || zapiszPlik(dialogi, *sciezka, bajty))
        return;
    stan.NazwaZestawu = QFileInfo(*sciezka).fileName();
    dialogi.komunikat(QStringLiteral("Zestaw znaków został pomyślnie zapisany"), QStringLiteral("Informacja"),
                      Przyciski::Ok, Ikona::Informacja);
}

void Eksportuj(StanEdytora &stan, Dialogi &dialogi)
{
    const QString katalog = stan.folder;
    const QString folderEksportu = QDir::toNativeSeparators(katalog + u'/' + kFolderEksportu);
    const bool wEksporcie = katalog.contains(kFolderEksportu, Qt::CaseSensitive);
    if (!wEksporcie)
        QDir().mkdir(folderEksportu);  // an existing folder, or none at all, does not stop the export
    const auto sciezka = wybierzPlik(
        stan, dialogi, {true, wEksporcie ? katalog : folderEksportu, QStringLiteral("Nowe dane (znaki, kody, kolory, grafika|*.ND"),
                        stan.NazwaZestawu});
    if (!sciezka || !czyZastapic(dialogi, *sciezka))
        return;
    if (!ZapiszEksport(stan, dialogi, *sciezka))
        dialogi.komunikat(QStringLiteral("Pliki zostały pomyślnie zapisane"), QStringLiteral("Informacja"),
                          Przyciski::Ok, Ikona::Informacja);
}

std::optional<BladPliku> ZapiszEksport(StanEdytora &stan, Dialogi &dialogi, const QString &nazwa, bool zLiniaAutorska)
{
    if (auto blad = zapiszPlik(dialogi, nazwa + QStringLiteral(".FN2"), ZakodujZnaki(stan.zestaw.Znaki)))
        return blad;
    stan.NazwaZestawu = QFileInfo(nazwa).fileName();
    if (auto blad = zapiszPlik(dialogi, nazwa + QStringLiteral(".KODY"), ZakodujKody(stan.zestaw.Obiekty)))
        return blad;
    if (auto blad = zapiszPlik(dialogi, nazwa + QStringLiteral(".KOLORY"), ZakodujKolory(stan.WartoscKoloru)))
        return blad;
    RysujObrazEksportu(stan.obrazEksportu, stan.miniatury, stan.KolorEkranowy[PF2], stan.KolorEkranowy[PF3]);
    stan.zmiany |= ZmianaObrazuEksportu;
    if (auto blad = zapiszPlik(dialogi, nazwa + QStringLiteral(".TILES.BMP"), ZakodujBMP(stan.obrazEksportu)); blad || !zLiniaAutorska)
        return blad;
    return zapiszPlik(dialogi, nazwa, informacje::liniaAutorska().toUtf8());
}

} // namespace edytor
