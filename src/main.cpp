// The program: a window, with a file to load when one is named; or, without any display, the
// help, the version, a batch export, or a usage error.

#include "informacje.h"
#include "io/polski.h"
#include "io/wsadowo.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>
#include <QTextStream>

#include <cstdio>
#include <optional>

namespace {

using edytor::informacje::nazwa;

/** Runs the window from its module: beside the program in the build, in its library folder once installed. */
int okno(int argc, char *argv[], const QString &plik)
{
    using Start = int (*)(int *, char **, const QString *);
    const QString katalog = QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/self/exe"))).absolutePath();
    QString blad;
    for (const QString &modul : {katalog + QStringLiteral("/libedytor-okno.so"),
                                 katalog + QStringLiteral("/" EDYTOR_KATALOG_MODULU "/libedytor-okno.so")}) {
        QLibrary biblioteka(modul);
        if (const auto start = reinterpret_cast<Start>(biblioteka.resolve("edytorOkno")))
            return start(&argc, argv, &plik);
        blad = biblioteka.errorString();
    }
    std::fprintf(stderr, "edytor-obiektow: nie można uruchomić okna: %s\n", qPrintable(blad));
    return 1;
}

/**
 * Everything that needs no window. Returns the exit status, or nothing when the command line
 * after all names one file for the window (a name that begins with '-', given after "--").
 */
std::optional<int> bezOkna(int argc, char *argv[], QString &plik)
{
    QCoreApplication aplikacja(argc, argv);
    QCoreApplication::setApplicationName(QString::fromUtf16(nazwa));
    QCoreApplication::setApplicationVersion(QString::fromUtf16(edytor::informacje::wersja));
    edytor::UstawPolski();
    QTextStream bledy(stderr);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Edytor obiektów gier na Atari 8-bit w trybie znakowym ANTIC 4. Bez opcji otwiera okno;\n"
        "podany PLIK (zestaw .ORB albo znaki .FN2, .FNT) wczytuje jak przycisk \"Wczytaj\"."));
    const QCommandLineOption eksport(QStringLiteral("eksportuj"),
                                     QStringLiteral("Bez okna zapisuje pliki eksportu zestawu ZESTAW.ORB: NAZWA.FN2, "
                                                    "NAZWA.KODY, NAZWA.KOLORY, NAZWA.TILES.BMP i NAZWA (domyślnie "
                                                    "NAZWA to ścieżka zestawu)."));
    // Qt's own help option would describe itself and --help-all in English.
    const QCommandLineOption pomoc({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Wyświetla tę pomoc."));
    parser.addOption(eksport);
    parser.addOption(pomoc);
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("PLIK"), QStringLiteral("Plik do wczytania w oknie."), QStringLiteral("[PLIK]"));

    const bool poprawne = parser.parse(QCoreApplication::arguments());
    if (poprawne && parser.isSet(pomoc)) {
        QTextStream(stdout) << parser.helpText();
        return 0;
    }
    if (poprawne && parser.isSet(QStringLiteral("version")))
        parser.showVersion();
    const QStringList nazwy = parser.positionalArguments();
    if (poprawne && parser.isSet(eksport) && !nazwy.isEmpty() && nazwy.size() <= 2 && !nazwy.contains(QString()))
        return edytor::EksportWsadowy(nazwy[0], nazwy.value(1, nazwy[0]), bledy);
    if (poprawne && !parser.isSet(eksport) && nazwy.size() <= 1) {
        plik = nazwy.value(0);
        return std::nullopt;
    }
    bledy << "edytor-obiektow: "
          << (!poprawne ? parser.errorText() : parser.isSet(eksport) ? QStringLiteral("--eksportuj wymaga ZESTAW.ORB i najwyżej NAZWY, niepustych.")
                                                                       : QStringLiteral("za dużo plików."))
          << "\nUżycie: edytor-obiektow [PLIK]\n"
             "       edytor-obiektow --eksportuj ZESTAW.ORB [NAZWA]\n"
             "Więcej: edytor-obiektow --help"
          << Qt::endl;
    return 2;
}

/** Qt's own options of a window, which QApplication takes itself: 2 with a value, 1 without, 0 not one. */
int opcjaOkna(const char *argument)
{
    const QByteArray a = QByteArray(argument).mid(QByteArray(argument).startsWith("--") ? 2 : 1);
    if (a.contains('='))
        return a.startsWith("style=") || a.startsWith("stylesheet=") ? 1 : 0;
    for (const char *z : {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "qwindowicon",
                          "qwindowtitle", "session", "display", "style", "stylesheet", "geometry", "title", "name"})
        if (a == z)
            return 2;
    for (const char *bez : {"reverse", "widgetcount", "nograb", "dograb", "sync", "visual"})
        if (a == bez)
            return 1;
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    // At most one file name among Qt's own window options opens the window straight away;
    // anything else is read first without a display.
    QString plik;
    int nazw = 0;
    bool wprost = true;
    for (int i = 1; i < argc && wprost; ++i) {
        if (argv[i][0] != '-') {
            ++nazw;
            plik = QString::fromLocal8Bit(argv[i]);
        } else if (const int opcja = opcjaOkna(argv[i])) {
            i += opcja - 1;
        } else {
            wprost = false;
        }
    }
    if (!wprost || nazw > 1)
        if (const std::optional<int> wynik = bezOkna(argc, argv, plik))
            return *wynik;
    return okno(argc, argv, plik);
}
