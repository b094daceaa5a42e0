// The program: the window, with a file to load when one is named; or, with no window and no
// display needed, the help, the version, a batch export, an Atari program, a picture taken
// back into a set, source text or a usage error.

#include "informacje.h"
#include "io/wsadowo.h"
#include "io/zrodlo.h"
#include "ui/aplikacja.h"
#include "ui/edytor.h"

#include <QCommandLineParser>
#include <QMutex>
#include <QTextStream>
#include <QTimer>

#include <algorithm>
#include <cstdlib>
#include <tuple>

namespace {

/** The editor's own options; anything else on the line is Qt's business or a mistake. */
class WierszPolecen {
public:
    /** Reads a command line with the editor's options; Qt's texts in it come in the language set up by then. */
    explicit WierszPolecen(const QStringList &argumenty)
    {
        m_parser.setApplicationDescription(QStringLiteral(
            "Edytor obiektów gier na Atari 8-bit w trybie znakowym ANTIC 4. Bez opcji otwiera okno;\n"
            "podany PLIK (zestaw .ORB, znaki .FN2, .FNT albo obraz obiektów) wczytuje jak przycisk \"Wczytaj\".\n"
            "Tekst źródłowy zestawu dla asemblera albo kompilatora C:\n"
            "  edytor-obiektow --zrodlo mads gra.ORB gra.asm   MADS: icl 'gra.asm'\n"
            "  edytor-obiektow --zrodlo ca65 gra.ORB gra.s     ca65 gra.s, ld65 (albo .include)\n"
            "  edytor-obiektow --zrodlo xa gra.ORB gra.a65     xa65: #include \"gra.a65\"\n"
            "  edytor-obiektow --zrodlo c gra.ORB gra.c        cc65 -t atari, gcc albo inny kompilator C"));
        m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);  // "-style" is one word, as Qt reads it
        m_parser.addOption(m_eksport);
        m_parser.addOption(m_atari);
        m_parser.addOption(m_obraz);
        m_parser.addOption(m_zrodlo);
        m_parser.addOption(m_pomoc);
        m_parser.addVersionOption();
        m_parser.addPositionalArgument(QStringLiteral("PLIK"),
                                       QStringLiteral("Plik do wczytania w oknie: zestaw, znaki albo obraz obiektów "
                                                      "(przy poleceniach bez okna zestaw, potem ich pliki)."),
                                       QStringLiteral("[PLIK]"));
        m_poprawny = m_parser.parse(argumenty);
    }

    /** False when the line holds an option that is not the editor's. */
    bool poprawny() const { return m_poprawny; }

    /** Whether the line read asks for the window: none of the editor's options and at most one file. */
    bool okno() const
    {
        return m_poprawny && !polecenie() && m_parser.positionalArguments().size() <= 1;
    }
    QString plik() const { return m_parser.positionalArguments().value(0); }
    bool zObrazu() const { return m_parser.isSet(m_obraz); }
    /** Whether the line names one of the editor's commands that need no window, right or wrong. */
    bool polecenie() const
    {
        return m_parser.isSet(m_eksport) || m_parser.isSet(m_atari) || m_parser.isSet(m_obraz) || m_parser.isSet(m_zrodlo)
               || m_parser.isSet(m_pomoc) || m_parser.isSet(QStringLiteral("version"));
    }

    /** Everything else: the help, the version, the batch commands or a usage error. Gives the exit status. */
    int bezOkna()
    {
        QCoreApplication::setApplicationName(QString::fromUtf16(edytor::informacje::nazwa));  // for --version
        QTextStream bledy(stderr);
        if (m_poprawny && m_parser.isSet(m_pomoc))
            m_parser.showHelp();
        if (m_poprawny && m_parser.isSet(QStringLiteral("version")))
            m_parser.showVersion();
        const QStringList nazwy = m_parser.positionalArguments();
        const bool eksport = m_parser.isSet(m_eksport), atari = m_parser.isSet(m_atari), obraz = m_parser.isSet(m_obraz);
        const bool zrodlo = m_parser.isSet(m_zrodlo), jedno = eksport + atari + obraz + zrodlo == 1;
        const auto jezyk = edytor::JezykZrodla(m_parser.value(m_zrodlo));
        if (m_poprawny && jedno && !nazwy.contains(QString()) && nazwy.size() >= 1 + obraz && nazwy.size() <= 2 + obraz) {
            if (obraz)
                return edytor::ObrazWsadowy(nazwy[0], nazwy[1], nazwy.value(2, nazwy[0]), bledy);
            if (eksport)
                return edytor::EksportWsadowy(nazwy[0], nazwy.value(1, nazwy[0]), bledy);
            if (atari)
                return edytor::ProgramWsadowy(nazwy[0], nazwy.value(1, nazwy[0] + QStringLiteral(".XEX")), bledy);
            if (jezyk)
                return edytor::ZrodloWsadowe(nazwy[0], nazwy.value(1, nazwy[0] + QString::fromUtf16(jezyk->koncowka)),
                                             jezyk->jezyk, bledy);
        }
        bledy << "edytor-obiektow: "
              << (!m_poprawny ? m_parser.errorText()
                  : eksport + atari + obraz + zrodlo > 1 ? QStringLiteral("najwyżej jedno z --eksportuj, --atari, --z-obrazu, --zrodlo.")
                  : eksport   ? QStringLiteral("--eksportuj wymaga ZESTAW.ORB i najwyżej NAZWY, niepustych.")
                  : atari     ? QStringLiteral("--atari wymaga ZESTAW.ORB i najwyżej PLIKU, niepustych.")
                  : obraz     ? QStringLiteral("--z-obrazu wymaga ZESTAW.ORB, OBRAZU i najwyżej WYNIKU, niepustych.")
                  : zrodlo    ? QStringLiteral("--zrodlo wymaga JĘZYKA (mads, ca65, xa, c), ZESTAW.ORB "
                                               "i najwyżej PLIKU, niepustych.")
                              : QStringLiteral("za dużo plików."))
              << "\nUżycie: edytor-obiektow [PLIK]\n"
                 "       edytor-obiektow --eksportuj ZESTAW.ORB [NAZWA]\n"
                 "       edytor-obiektow --atari ZESTAW.ORB [PLIK]\n"
                 "       edytor-obiektow --z-obrazu ZESTAW.ORB OBRAZ [WYNIK]\n"
                 "       edytor-obiektow --zrodlo mads|ca65|xa|c ZESTAW.ORB [PLIK]\n"
                 "Więcej: edytor-obiektow --help"
              << Qt::endl;
        return 2;
    }

private:
    QCommandLineParser m_parser;
    const QCommandLineOption m_eksport{QStringLiteral("eksportuj"),
                                       QStringLiteral("Bez okna zapisuje pliki eksportu zestawu ZESTAW.ORB: NAZWA.FN2, "
                                                      "NAZWA.KODY, NAZWA.KOLORY, NAZWA.TILES.BMP i NAZWA (domyślnie "
                                                      "NAZWA to ścieżka zestawu).")};
    const QCommandLineOption m_atari{QStringLiteral("atari"),
                                     QStringLiteral("Bez okna zapisuje program dla Atari 8-bit (800, 800XL, 130XE; plik "
                                                    "wykonywalny DOS-u), który pokazuje obiekty zestawu ZESTAW.ORB tak, "
                                                    "jak gra w trybie ANTIC 4, a pod nimi te same z kodami odwróconymi; "
                                                    "domyślnie PLIK to ścieżka zestawu z końcówką .XEX. Uruchamia się "
                                                    "go w emulatorze (atari800 -run PLIK) albo na Atari z dysku lub "
                                                    "przez SIO.")};
    const QCommandLineOption m_obraz{QStringLiteral("z-obrazu"),
                                     QStringLiteral("Bez okna bierze obiekty zestawu ZESTAW.ORB z OBRAZU w układzie "
                                                    "NAZWA.TILES.BMP eksportu (4096 x 32 albo jego lewa połowa, 2048 x 32; "
                                                    "czytana jest tylko lewa połowa; BMP, PNG i inne formaty Qt) i "
                                                    "zapisuje zestaw WYNIK (domyślnie sam ZESTAW.ORB).")};
    const QCommandLineOption m_zrodlo{QStringLiteral("zrodlo"),
                                      QStringLiteral("Bez okna zapisuje zestaw ZESTAW.ORB jako tekst źródłowy w JĘZYKU "
                                                     "mads, ca65, xa albo c (przykłady wyżej), z etykietami od nazwy "
                                                     "PLIKU; domyślnie PLIK to ścieżka zestawu z końcówką .asm, .s, "
                                                     ".a65 albo .c."),
                                      QStringLiteral("JĘZYK")};
    // Qt's own help option would describe itself and --help-all in English.
    const QCommandLineOption m_pomoc{{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Wyświetla tę pomoc.")};
    bool m_poprawny = false;
};

/** What the windowless process sets up, then a command line read, now with Qt's texts in Polish. */
WierszPolecen przygotuj(const QStringList &argumenty)
{
    edytor::UstawPolski();
    return WierszPolecen(argumenty);
}

/** An option of a shape that no Qt program takes: one letter, or a word of more than small letters. */
bool nieQt(const QString &argument)
{
    if (!argument.startsWith(u'-'))
        return false;
    const QString slowo = argument.mid(argument.startsWith(QStringLiteral("--")) ? 2 : 1).section(u'=', 0, 0);
    return slowo.size() == 1 || std::any_of(slowo.cbegin(), slowo.cend(), [](QChar c) { return c < u'a' || c > u'z'; });
}

// Qt's messages while it makes the window's application object, held back until it is known
// whether they are to be seen. When no platform comes up (no display answers), Qt has by then
// taken -platform and the platform's own options out of the line, but not yet -style and its
// like, with one dash or two; the line is judged as given. A line that names one of the editor's windowless commands yet is
// wrong for the editor is a usage error, as it is with a display; so is one with an option that
// no Qt program takes. Otherwise Qt fails as it would have.
QtMessageHandler poprzedni = nullptr;
QStringList argumenty;  // the line as given, before Qt took -platform and its like out of it
QMutex straz;  // Qt's own threads may log while the application object is made
QList<std::tuple<QtMsgType, const char *, int, const char *, const char *, QString>> wstrzymane;

void wypusc()
{
    const QMutexLocker blokada(&straz);
    qInstallMessageHandler(poprzedni);
    for (const auto &[typ, plik, wiersz, funkcja, kategoria, tekst] : std::as_const(wstrzymane))
        poprzedni(typ, QMessageLogContext(plik, wiersz, funkcja, kategoria), tekst);
}

void wstrzymaj(QtMsgType typ, const QMessageLogContext &kontekst, const QString &tekst)
{
    if (typ == QtFatalMsg) {
        const WierszPolecen wiersz(argumenty);
        if (!wiersz.poprawny() && (wiersz.polecenie() || std::any_of(argumenty.cbegin() + 1, argumenty.cend(), nieQt)))
            std::_Exit(przygotuj(argumenty).bezOkna());
    }
    {
        const QMutexLocker blokada(&straz);
        wstrzymane.append({typ, kontekst.file, kontekst.line, kontekst.function, kontekst.category, tekst});
    }
    if (typ == QtFatalMsg)
        wypusc();
}

} // namespace

int main(int argc, char *argv[])
{
    // Qt's pattern for a program that sometimes has no window. The editor's own options are read
    // before any application object exists. A line read through that asks for no window runs
    // under QCoreApplication and needs no display. Everything else goes to QApplication, which
    // takes Qt's own options (-style, -platform, -visual 0x21, ...) out of the line itself; what
    // is left decides.
    QCoreApplication::setApplicationVersion(QString::fromUtf16(edytor::informacje::wersja));
    for (int i = 0; i < argc; ++i)
        argumenty << QString::fromLocal8Bit(argv[i]);
    const WierszPolecen wstepny(argumenty);
    if (wstepny.poprawny() && !wstepny.okno()) {
        QCoreApplication aplikacja(argc, argv);
        // Nothing here needs a plugin but a picture to read, in a format Qt reads only through
        // one. Without this, writing the bitmap would load every image format plugin, only to ask
        // each whether it writes BMP in place of Qt's own writer.
        if (!wstepny.zObrazu())
            QCoreApplication::setLibraryPaths({});
        return przygotuj(argumenty).bezOkna();
    }

    poprzedni = qInstallMessageHandler(wstrzymaj);
    const auto aplikacja = edytor::UtworzAplikacje(argc, argv);
    wypusc();
    // What Qt left asks for a window, or the line had options of Qt's where no window is made:
    // a usage error, whether a display answers or not.
    const WierszPolecen wiersz(QCoreApplication::arguments());
    if (!wiersz.okno())
        return przygotuj(argumenty).bezOkna();

    edytor::Edytor okno;
    okno.show();
    if (const QString plik = wiersz.plik(); !plik.isEmpty())
        QTimer::singleShot(0, &okno, [&okno, plik] { okno.wczytajPlik(plik); });
    return QApplication::exec();
}
