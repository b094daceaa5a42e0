#include "io/pliki.h"

#include "edit/komorki.h"
#include "edit/otwieranie.h"
#include "edit/tryby.h"
#include "informacje.h"
#include "io/formaty.h"
#include "io/obraz.h"
#include "view/miniatury.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QSaveFile>

#include <cerrno>
#include <memory>
#include <variant>

namespace edytor {

namespace {

using Odpowiedz = Dialogi::Odpowiedz;
using Przyciski = Dialogi::Przyciski;
using Ikona = Dialogi::Ikona;

const QString kUwaga = QStringLiteral("Uwaga!");
const QString kFolderEksportu = QStringLiteral("ORB_EXPORT");
// The export's files: the base name with these endings, the last (none) holding the credit line.
constexpr std::array<const char16_t *, 5> kKoncowkiEksportu{u".FN2", u".KODY", u".KOLORY", u".TILES.BMP", u""};

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
    const QFileInfo plik(sciezkaBezwzgledna(*wybrana, stan.folder));
    zapamietajFolder(stan, plik);
    return plik.filePath();
}

bool czyZastapic(Dialogi &dialogi, const QString &sciezka)
{
    if (!QFileInfo::exists(sciezka))
        return true;
    return dialogi.komunikat(QStringLiteral("Plik już istnieje!\nZastąpić?"), QStringLiteral("Ostrzeżenie!"),
                             Przyciski::OkAnuluj, Ikona::Ostrzezenie)
        == Odpowiedz::Ok;
}

/** Reasons for the system's errors, in Polish whatever the system's language. */
constexpr std::pair<int, const char16_t *> kPowody[]{
    {ENOENT, u"Nie ma takiego pliku ani folderu."},
    {EACCES, u"Brak uprawnień."},
    {EPERM, u"Brak uprawnień."},
    {EISDIR, u"To jest folder."},
    {ENOTDIR, u"Część ścieżki nie jest folderem."},
    {ENOSPC, u"Brak miejsca na dysku."},
    {EDQUOT, u"Przekroczony przydział miejsca na dysku."},
    {EFBIG, u"Plik jest za duży."},
    {EROFS, u"System plików jest tylko do odczytu."},
    {ENAMETOOLONG, u"Nazwa pliku jest za długa."},
    {EIO, u"Błąd wejścia-wyjścia."},
    {EMFILE, u"Za dużo otwartych plików."},
    {ENFILE, u"Za dużo otwartych plików."},
};

QString opisBledu(int numer)
{
    for (const auto &[n, opis] : kPowody)
        if (n == numer)
            return QString::fromUtf16(opis);
    return QString();
}

/** Tells the user of a failure and hands it on. */
BladPliku zglos(Dialogi &dialogi, const BladPliku &blad)
{
    dialogi.komunikat(blad.tekst(), kUwaga, Przyciski::Ok, Ikona::Blad);
    return blad;
}

/**
 * What stops a file from being written at that path, seen before anything is written: a folder or
 * another thing that is not a file, or a file that may not be replaced.
 */
std::optional<BladPliku> przeszkodaZapisu(const QString &sciezka)
{
    const QFileInfo plik(sciezka);
    if (!plik.exists() || (plik.isFile() && plik.isWritable()))
        return std::nullopt;
    return BladPliku{kNieZapisano, sciezka,
                     plik.isDir() ? opisBledu(EISDIR) : plik.isFile() ? opisBledu(EACCES) : QStringLiteral("To nie jest plik.")};
}

} // namespace

// Each file goes into a temporary file beside it first, and only once all of them are written
// are they put in place. Until then a failure leaves every old file as it was.
std::optional<BladPliku> ZapiszPliki(Dialogi &dialogi, const QList<std::pair<QString, QByteArray>> &pliki)
{
    for (const auto &plik : pliki)
        if (auto przeszkoda = przeszkodaZapisu(plik.first))
            return zglos(dialogi, *przeszkoda);
    std::vector<std::unique_ptr<QSaveFile>> zapisane;  // each one's temporary goes with it unless committed
    for (const auto &[sciezka, bajty] : pliki) {
        // Unbuffered, so that a short write (a full disk, a file size limit) shows here and not as
        // a commit that reports success over a truncated file.
        QSaveFile &plik = *zapisane.emplace_back(std::make_unique<QSaveFile>(sciezka));
        bool dobrze = plik.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
        for (qint64 zapisano = 0, n = 0; dobrze && zapisano < bajty.size(); zapisano += n)
            dobrze = (n = plik.write(bajty.constData() + zapisano, bajty.size() - zapisano)) > 0;
        if (!dobrze)
            return zglos(dialogi, {kNieZapisano, sciezka, powodBledu(plik, QStringLiteral("Nie zapisano wszystkich danych."))});
    }
    for (const auto &plik : zapisane)
        if (!plik->commit())
            return zglos(dialogi, {kNieZapisano, plik->fileName(), powodBledu(*plik, QStringLiteral("Nie zapisano wszystkich danych."))});
    return std::nullopt;
}

QString sciezkaBezwzgledna(const QString &sciezka, const QString &folder)
{
    return QDir::cleanPath(QDir(folder).absoluteFilePath(sciezka));
}

QString powodBledu(const QFileDevice &plik, const QString &inny)
{
    // Qt keeps the text of the system error behind a failure, not its number, and errno need not
    // survive Qt's calls: the reason is found by that text.
    if (plik.error() != QFileDevice::NoError)
        for (const auto &[numer, opis] : kPowody)
            if (plik.errorString().contains(qt_error_string(numer)))
                return QString::fromUtf16(opis);
    return inny;
}

QString BladPliku::tekst() const
{
    QString wynik = co + u'\n' + QDir::toNativeSeparators(sciezkaBezwzgledna(sciezka));
    if (!powod.isEmpty())
        wynik += u'\n' + powod;
    return wynik;
}

std::optional<BladPliku> WczytajPlik(StanEdytora &stan, Dialogi &dialogi, const QString &sciezka, Rodzaje rodzaje)
{
    stan.TylkoWybrany = false;
    const QFileInfo info(sciezkaBezwzgledna(sciezka));
    zapamietajFolder(stan, info);
    const QString nieOdczytano = QStringLiteral("Nie udało się odczytać pliku!");
    if (!info.isFile())
        return zglos(dialogi, {nieOdczytano, info.filePath(),
                                       info.exists() ? QStringLiteral("To nie jest plik.") : QStringLiteral("Plik nie istnieje.")});
    QFile plik(info.filePath());
    if (!plik.open(QIODevice::ReadOnly))
        return zglos(dialogi, {nieOdczytano, info.filePath(), powodBledu(plik, QStringLiteral("Nie można otworzyć pliku."))});

    // Read, decode, apply: the set changes only once the whole file is in as measured. A picture
    // is told by what Qt reads from it, anything else by its size alone.
    constexpr qint64 kNajwiekszyObraz = 64 << 20;
    const qint64 rozmiar = plik.size();
    const bool znaki = rozmiar == kRozmiarZnakow || rozmiar == kRozmiarZnakowZNaglowkiem;
    const bool zestaw = rozmiar == kRozmiarZestawu || (znaki && rodzaje == Rodzaje::Wszystkie);
    const bool obraz = rodzaje != Rodzaje::TylkoZestaw && rozmiar <= kNajwiekszyObraz;
    const auto niepoprawny = [&] {
        dialogi.komunikat(QStringLiteral("Niepoprawny format pliku!"), kUwaga, Przyciski::Ok, Ikona::Blad);
        return BladPliku{QStringLiteral("Niepoprawny format pliku!"), info.filePath(), QString()};
    };
    if (!zestaw && !obraz)
        return niepoprawny();
    QByteArray bajty = plik.read(rozmiar + 1);
    if (bajty.size() != rozmiar)
        return zglos(dialogi, {nieOdczytano, info.filePath(), powodBledu(plik, QStringLiteral("Plik zmienił rozmiar podczas odczytu."))});
    if (obraz) {
        const QString niewczytany = QStringLiteral("Nie udało się wczytać obrazu!");
        // The export's own formats, PNG and BMP, by their signatures go straight to Qt's built-in
        // readers; only other pictures wait for every image format plugin to be asked.
        const char *format = bajty.startsWith("\x89PNG") ? "png" : bajty.startsWith("BM") ? "bmp" : nullptr;
        QBuffer bufor(&bajty);
        QImageReader czytnik(&bufor, format);
        czytnik.setAutoDetectImageFormat(!format);
        // A picture larger than any of the objects is refused by its header, undecoded.
        std::optional<std::variant<Zestaw, QString>> wynik;
        if (const QSize r = czytnik.size(); !zestaw && r.isValid() && qint64(r.width()) * r.height() > 2 * kObiektow * kBokObrazka * kBokObrazka)
            wynik = ZlyRozmiar(r).value();
        else if (const QImage wczytany = czytnik.read(); !wczytany.isNull())
            wynik = ZObrazu(wczytany, stan.zestaw, stan.TrybZawartosci);
        if (wynik) {
            if (const QString *powod = std::get_if<QString>(&*wynik)) {
                const BladPliku blad{niewczytany, info.filePath(), *powod};
                dialogi.komunikat(blad.tekst(), kUwaga, Przyciski::Ok, Ikona::Ostrzezenie);
                return blad;
            }
            ZastosujZawartosc(stan, dialogi, std::get<Zestaw>(*wynik), stan.NazwaZestawu);
            return std::nullopt;
        }
        if (rodzaje == Rodzaje::TylkoObraz)
            return zglos(dialogi, {niewczytany, info.filePath(), czytnik.errorString()});
    }
    if (!zestaw)
        return niepoprawny();
    // The bytes have the measured size, so they decode as the kind of that size.
    ZastosujZawartosc(stan, dialogi, OdczytajZawartosc(bajty).value(), info.fileName());
    return std::nullopt;
}

void ZastosujZawartosc(StanEdytora &stan, Dialogi &dialogi, const Zawartosc &zawartosc, const QString &nazwa)
{
    stan.TylkoWybrany = false;
    if (const auto *znaki = std::get_if<ZestawyZnakow>(&zawartosc)) {
        if (stan.TrybZawartosci == Tryb::Vendra
            && dialogi.komunikat(QStringLiteral("Wykryto próbę odczytu pliku tylko z danymi znaków.\n"
                                                "Czy chcesz włączyć tryb zawartości zgodny z \"JGP\"?"),
                                 kUwaga, Przyciski::TakNie, Ikona::Ostrzezenie)
                   == Odpowiedz::Tak)
            WybierzTryb(stan, Tryb::JGP);
        stan.zestaw.Znaki = *znaki;
        UstawUklad(stan.zestaw, stan.TrybZawartosci);  // the colours stay
    } else {
        stan.zestaw = std::get<Zestaw>(zawartosc);
    }
    stan.NazwaZestawu = nazwa;

    OdswiezObiekty(stan);
    PrzemalujKomorki(stan);
    // The mode from object 0's characters, its codes' inverse bits aside: a set saved in "Vendra"
    // with PF3 in object 0 loads back in "Vendra", as saved.
    const auto &o = stan.zestaw.Obiekty;
    WybierzTryb(stan, numerZnaku(o[2][0]) == numerZnaku(o[0][0]) + 64 ? Tryb::Vendra : Tryb::JGP);
    ZZ_DblClick(stan, stan.WybranyObiekt);
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
    const QByteArray bajty = ZakodujZestaw(stan.zestaw);
    const auto sciezka = wybierzPlik(
        stan, dialogi, {true, stan.folder, QStringLiteral("Obiekty ORB$4+ (*.ORB)|*.ORB|Wszystkie pliki (*.*)|*.*"),
                        stan.NazwaZestawu});
    if (!sciezka || !czyZastapic(dialogi, *sciezka) || ZapiszPliki(dialogi, {{*sciezka, bajty}}))
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

QStringList PlikiEksportu(const QString &nazwa, bool zLiniaAutorska)
{
    QStringList wynik;
    for (std::size_t i = 0; i < kKoncowkiEksportu.size() - (zLiniaAutorska ? 0 : 1); ++i)
        wynik << nazwa + QString::fromUtf16(kKoncowkiEksportu[i]);
    return wynik;
}

std::optional<BladPliku> ZapiszEksport(StanEdytora &stan, Dialogi &dialogi, const QString &nazwa, bool zLiniaAutorska)
{
    const QStringList pliki = PlikiEksportu(nazwa, zLiniaAutorska);
    RysujObrazEksportu(stan.obrazEksportu, stan.miniatury, stan.zestaw.KolorEkranowy[PF2], stan.zestaw.KolorEkranowy[PF3]);
    stan.zmiany |= ZmianaObrazuEksportu;
    const std::optional<QByteArray> bmp = ZakodujBMP(stan.obrazEksportu);
    if (!bmp)
        return zglos(dialogi, {kNieZapisano, pliki[3], QStringLiteral("Nie udało się zakodować obrazu.")});
    QList<std::pair<QString, QByteArray>> zawartosc{{pliki[0], ZakodujZnaki(stan.zestaw.Znaki)},
                                                   {pliki[1], ZakodujKody(stan.zestaw.Obiekty)},
                                                   {pliki[2], ZakodujKolory(stan.zestaw.WartoscKoloru)},
                                                   {pliki[3], *bmp}};
    if (zLiniaAutorska)
        zawartosc.append({pliki[4], informacje::liniaAutorska().toUtf8()});
    if (auto blad = ZapiszPliki(dialogi, zawartosc))
        return blad;
    stan.NazwaZestawu = QFileInfo(nazwa).fileName();
    return std::nullopt;
}

std::optional<BladPliku> ZapiszProgramAtari(const Zestaw &zestaw, Dialogi &dialogi, const QString &sciezka)
{
    QFile szablon(QStringLiteral(":/atari/podglad.xex"));  // the program as ld65 wrote it
    if (const auto program = szablon.open(QIODevice::ReadOnly) ? ZakodujProgramAtari(szablon.readAll(), zestaw) : std::nullopt)
        return ZapiszPliki(dialogi, {{sciezka, *program}});
    return zglos(dialogi, {kNieZapisano, sciezka, QStringLiteral("Wbudowany program dla Atari jest uszkodzony.")});
}

} // namespace edytor
