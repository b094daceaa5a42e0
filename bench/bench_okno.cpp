// The real window driven in-process: the time from a user event to the end of the repaint it
// causes, and what starting the window costs (time to its first paint, resident memory) against
// a bare QMainWindow of the same size, the floor that every Qt Widgets program pays.
//
// Events go in through the window system interface (QTest on the QWindow), so they take the
// path of a real press: the window finds the widget under the point and delivers it there. The
// repaint is the one Qt posts after the handler; the clock stops when the event processing in
// which the window painted returns, that is after every dirty widget has painted and the backing
// store has been flushed to the window system.
//
// Memory is read in child processes (this program started again with --rss-editor or
// --rss-bare), so that each figure is a whole program that shows one window and nothing else.

#include "dane.h"
#include "skryptowedialogi.h"

#include "io/formaty.h"
#include "ui/edytor.h"
#include "ui/widzety.h"

#include <QApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QMainWindow>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

using namespace edytor;

namespace {

using Zegar = std::chrono::steady_clock;

constexpr QSize kRozmiarOkna(833, 584);
constexpr int kNacisniecKomorek = 400;
constexpr int kWyborowZPalety = 120;
constexpr int kWczytan = 60;
constexpr int kRozgrzewka = 10;       // presses, picks and loads not counted
constexpr int kRundStartu = 15;       // alternating rounds of the editor and the bare window
constexpr int kRundPamieci = 5;
constexpr double kBudzetKomorkiMs = 2;
constexpr double kBudzetPaletyMs = 10;
constexpr double kBudzetWczytaniaMs = 20;
constexpr double kBudzetWzgledny = 1.25;

const QString kArgPamiecEdytora = QStringLiteral("--rss-editor");
const QString kArgPamiecPustego = QStringLiteral("--rss-bare");

double ms(Zegar::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

double mediana(std::vector<double> v)
{
    if (v.empty())
        return -1;
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

/** The same application set-up as the editor's main(): desktop name, style, Polish translations. */
void przygotujAplikacje(QTranslator &tlumaczenie)
{
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.edytorobiektow.EdytorObiektow"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Windows")));
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    if (tlumaczenie.load(QLocale(QLocale::Polish), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&tlumaczenie);
}

/** The floor: an empty main window of the editor's size. */
QWidget *pusteOkno()
{
    auto *okno = new QMainWindow;
    okno->setFixedSize(kRozmiarOkna);
    return okno;
}

QWidget *oknoEdytora()
{
    return new Edytor;
}

/** Counts the paint events that the widgets of one window receive. */
class LicznikMalowania : public QObject {
public:
    void sledz(const QWidget *okno) { m_okno = okno; }
    int liczba() const { return m_liczba; }

protected:
    bool eventFilter(QObject *obiekt, QEvent *zdarzenie) override
    {
        if (zdarzenie->type() == QEvent::Paint && m_okno && obiekt->isWidgetType()
            && static_cast<QWidget *>(obiekt)->window() == m_okno)
            ++m_liczba;
        return false;
    }

private:
    const QWidget *m_okno = nullptr;
    int m_liczba = 0;
};

/** Processes events until the window has painted again; false when five seconds pass without. */
bool czekajNaMalowanie(const LicznikMalowania &licznik, int przed)
{
    const auto koniec = Zegar::now() + std::chrono::seconds(5);
    while (licznik.liczba() == przed) {
        if (Zegar::now() > koniec)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    return true;
}

/** Lets everything pending happen, so that no earlier repaint is taken for the next one. */
void uspokoj()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
}

/** Time in ms from a widget's construction to the end of its first paint after show(), or nothing. */
std::optional<double> doPierwszegoMalowania(LicznikMalowania &licznik, QWidget *(*utworz)())
{
    uspokoj();
    const auto t0 = Zegar::now();
    std::unique_ptr<QWidget> okno(utworz());
    licznik.sledz(okno.get());
    const int przed = licznik.liczba();
    okno->show();
    const bool namalowane = czekajNaMalowanie(licznik, przed);
    const auto t1 = Zegar::now();
    licznik.sledz(nullptr);
    okno.reset();
    uspokoj();
    if (!namalowane)
        return std::nullopt;
    return ms(t1 - t0);
}

/** Resident memory of a whole program showing one window: this program again, in a child process. */
std::optional<double> pamiecDziecka(const QString &argument)
{
    QProcess dziecko;
    dziecko.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    dziecko.start(QCoreApplication::applicationFilePath(), {argument});
    if (!dziecko.waitForFinished(60000) || dziecko.exitStatus() != QProcess::NormalExit || dziecko.exitCode() != 0)
        return std::nullopt;
    static const QRegularExpression wzor(QStringLiteral("VmRSS:\\s*(\\d+) kB"));
    const auto dopasowanie = wzor.match(QString::fromLatin1(dziecko.readAllStandardOutput()));
    if (!dopasowanie.hasMatch())
        return std::nullopt;
    return dopasowanie.captured(1).toDouble() / 1024.0;
}

/** The child's part: show one window, wait for its first paint, then report VmRSS. */
int podajPamiec(bool edytor)
{
    LicznikMalowania licznik;
    qApp->installEventFilter(&licznik);
    std::unique_ptr<QWidget> okno(edytor ? oknoEdytora() : pusteOkno());
    licznik.sledz(okno.get());
    okno->show();
    if (!czekajNaMalowanie(licznik, 0))
        return EXIT_FAILURE;
    for (int i = 0; i < 20; ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return EXIT_FAILURE;
    for (const QByteArray &linia : status.readAll().split('\n'))
        if (linia.startsWith("VmRSS:"))
            std::printf("%s\n", linia.simplified().constData());
    return EXIT_SUCCESS;
}

/** The results, each line a figure beside its budget. */
class Raport {
public:
    void czas(const char *co, const std::vector<double> &proby, double budzetMs, int bledy)
    {
        const double m = mediana(proby);
        const bool ok = bledy == 0 && !proby.empty() && m <= budzetMs;
        std::printf("%-58s %9.3f ms  <= %5.1f ms   %s", co, m, budzetMs, ok ? "OK" : "MISSED");
        if (bledy)
            std::printf("  (%d of the events did not do what was expected)", bledy);
        std::printf("   [n=%zu, min %.3f, max %.3f]\n", proby.size(),
                    proby.empty() ? 0.0 : *std::min_element(proby.begin(), proby.end()),
                    proby.empty() ? 0.0 : *std::max_element(proby.begin(), proby.end()));
        m_ok = m_ok && ok;
    }

    void wartosc(const char *co, double wartosc, const char *jednostka)
    {
        std::printf("%-58s %9.3f %s\n", co, wartosc, jednostka);
    }

    void stosunek(const char *co, double edytor, double pusty)
    {
        const double s = pusty > 0 && edytor > 0 ? edytor / pusty : -1;
        const bool ok = s > 0 && s <= kBudzetWzgledny;
        std::printf("%-58s %9.3f x   <= %5.2f x    %s\n", co, s, kBudzetWzgledny, ok ? "OK" : "MISSED");
        m_ok = m_ok && ok;
    }

    void blad(const char *co)
    {
        std::printf("%-58s FAILED\n", co);
        m_ok = false;
    }

    bool ok() const { return m_ok; }

private:
    bool m_ok = true;
};

template <class T = QWidget>
T *widzet(QWidget *okno, const QString &nazwa)
{
    T *w = okno->findChild<T *>(nazwa);
    if (!w)
        qFatal("no widget %s", qPrintable(nazwa));
    return w;
}

/** The window measured: the editor shown, its clicks and presses delivered like the window system's. */
class Pomiar {
public:
    Pomiar(LicznikMalowania &licznik, SkryptoweDialogi &dialogi) : m_licznik(licznik)
    {
        m_okno.ustawDialogi(&dialogi);
        m_licznik.sledz(&m_okno);
        const int przed = m_licznik.liczba();
        m_okno.show();
        if (!QTest::qWaitForWindowExposed(&m_okno) || !czekajNaMalowanie(m_licznik, przed))
            qFatal("the editor's window was not shown");
        uspokoj();
    }
    ~Pomiar() { m_licznik.sledz(nullptr); }

    Edytor &okno() { return m_okno; }

    /** A press of a button at a point of widget w; the time to the end of the repaint, or nothing. */
    std::optional<double> nacisnij(QWidget *w, QPoint punkt, Qt::MouseButton przycisk)
    {
        uspokoj();
        const QPoint wOknie = w->mapTo(&m_okno, punkt);
        const int przed = m_licznik.liczba();
        const auto t0 = Zegar::now();
        QTest::mousePress(m_okno.windowHandle(), przycisk, {}, wOknie);
        const bool namalowane = czekajNaMalowanie(m_licznik, przed);
        const auto t1 = Zegar::now();
        QTest::mouseRelease(m_okno.windowHandle(), przycisk, {}, wOknie);
        if (!namalowane)
            return std::nullopt;
        return ms(t1 - t0);
    }

    /** A click (press and release) in the middle of a widget; the time to the end of the repaint. */
    std::optional<double> kliknij(QWidget *w)
    {
        uspokoj();
        const QPoint wOknie = w->mapTo(&m_okno, w->rect().center());
        const int przed = m_licznik.liczba();
        const auto t0 = Zegar::now();
        QTest::mouseClick(m_okno.windowHandle(), Qt::LeftButton, {}, wOknie);
        const bool namalowane = czekajNaMalowanie(m_licznik, przed);
        const auto t1 = Zegar::now();
        if (!namalowane)
            return std::nullopt;
        return ms(t1 - t0);
    }

private:
    LicznikMalowania &m_licznik;
    Edytor m_okno;
};

/** Loads of the set file through the "Wczytaj" button, the file dialog answered by the script. */
void zmierzWczytanie(Pomiar &pomiar, SkryptoweDialogi &dialogi, const QString &sciezka, Raport &raport)
{
    auto *cmdLoad = widzet<QPushButton>(&pomiar.okno(), QStringLiteral("cmdLoad"));
    std::vector<double> proby;
    int bledy = 0;
    for (int n = 0; n < kRozgrzewka + kWczytan; ++n) {
        pomiar.okno().stan().NazwaZestawu.clear();
        dialogi.pliki = {sciezka};
        const auto czas = pomiar.kliknij(cmdLoad);
        const bool wczytany = czas && dialogi.pliki.isEmpty() && dialogi.komunikaty.isEmpty()
            && dialogi.bledy.isEmpty() && pomiar.okno().stan().NazwaZestawu == QStringLiteral("POMIAR.ORB");
        bledy += !wczytany;
        dialogi.komunikaty.clear();
        dialogi.bledy.clear();
        if (czas && n >= kRozgrzewka)
            proby.push_back(*czas);
    }
    raport.czas("load of a 2580-byte set file (click cmdLoad) to repainted", proby, kBudzetWczytaniaMs, bledy);
}

/** Presses on the grid's cells: left (PF1, the drawing register) and right (BAK) on each in turn. */
void zmierzKomorki(Pomiar &pomiar, Raport &raport)
{
    Edytor &okno = pomiar.okno();
    if (!pomiar.kliknij(widzet(&okno, QStringLiteral("Kolor(1)"))) || okno.stan().kolorRysowania.nr != PF1) {
        raport.blad("press on a cell: choosing PF1 as the drawing register");
        return;
    }
    std::vector<double> proby;
    int bledy = 0;
    for (int n = 0; n < kRozgrzewka + kNacisniecKomorek; ++n) {
        const int komorka = (37 * (n / 2)) % kKomorek;
        const bool lewy = n % 2 == 0;
        SiatkaKomorek *znak = okno.znakKomorki(komorka);
        const QPoint srodek = znak->prostokatKomorki(komorka % kKomorekZnaku).center();
        const auto czas = pomiar.nacisnij(znak, srodek, lewy ? Qt::LeftButton : Qt::RightButton);
        bledy += !czas || okno.stan().Pixel[komorka].nr != (lewy ? PF1 : BAK);
        if (czas && n >= kRozgrzewka)
            proby.push_back(*czas);
    }
    raport.czas("press on a cell (Znak(k)) to repainted", proby, kBudzetKomorkiMs, bledy);
}

/** Presses on the palette's squares in turn, PF0 the drawing register. */
void zmierzPalete(Pomiar &pomiar, Raport &raport)
{
    Edytor &okno = pomiar.okno();
    if (!pomiar.kliknij(widzet(&okno, QStringLiteral("Kolor(0)"))) || okno.stan().kolorRysowania.nr != PF0) {
        raport.blad("palette pick: choosing PF0 as the drawing register");
        return;
    }
    auto *paleta = widzet<Obrazek>(&okno, QStringLiteral("PaletaAtari"));
    const int brzeg = paleta->gruboscBrzegu();
    std::vector<double> proby;
    int bledy = 0;
    for (int n = 0; n < kRozgrzewka + kWyborowZPalety; ++n) {
        const int kwadrat = (53 * n) % 128;
        const int wiersz = kwadrat / 8;
        const int kolumna = kwadrat % 8;
        const QPoint punkt(brzeg + 16 * kolumna + 6, brzeg + 15 * wiersz + 5);
        const auto czas = pomiar.nacisnij(paleta, punkt, Qt::LeftButton);
        bledy += !czas || okno.stan().WartoscKoloru[PF0] != 16 * wiersz + 2 * kolumna;
        if (czas && n >= kRozgrzewka)
            proby.push_back(*czas);
    }
    raport.czas("palette pick (press on PaletaAtari) to repainted", proby, kBudzetPaletyMs, bledy);
}

/** Construction to first paint, the editor and the bare window in alternating rounds. */
void zmierzStart(LicznikMalowania &licznik, Raport &raport)
{
    // One round of each first, not counted: the first window of a program loads fonts and plugins.
    doPierwszegoMalowania(licznik, pusteOkno);
    doPierwszegoMalowania(licznik, oknoEdytora);
    std::vector<double> edytor;
    std::vector<double> pusty;
    for (int n = 0; n < kRundStartu; ++n) {
        if (const auto t = doPierwszegoMalowania(licznik, n % 2 ? oknoEdytora : pusteOkno))
            (n % 2 ? edytor : pusty).push_back(*t);
        if (const auto t = doPierwszegoMalowania(licznik, n % 2 ? pusteOkno : oknoEdytora))
            (n % 2 ? pusty : edytor).push_back(*t);
    }
    if (edytor.size() != kRundStartu || pusty.size() != kRundStartu) {
        raport.blad("construction to first paint: a window did not paint");
        return;
    }
    raport.wartosc("construction to first paint: editor (median)", mediana(edytor), "ms");
    raport.wartosc("construction to first paint: bare QMainWindow (median)", mediana(pusty), "ms");
    raport.stosunek("  editor / bare window", mediana(edytor), mediana(pusty));
}

void zmierzPamiec(Raport &raport)
{
    std::vector<double> edytor;
    std::vector<double> pusty;
    for (int n = 0; n < kRundPamieci; ++n) {
        if (const auto mb = pamiecDziecka(kArgPamiecPustego))
            pusty.push_back(*mb);
        if (const auto mb = pamiecDziecka(kArgPamiecEdytora))
            edytor.push_back(*mb);
    }
    if (edytor.size() != kRundPamieci || pusty.size() != kRundPamieci) {
        raport.blad("resident memory after start-up: a child process failed");
        return;
    }
    raport.wartosc("resident memory after start-up: editor (median VmRSS)", mediana(edytor), "MiB");
    raport.wartosc("resident memory after start-up: bare QMainWindow (median)", mediana(pusty), "MiB");
    raport.stosunek("  editor / bare window", mediana(edytor), mediana(pusty));
}

} // namespace

int main(int argc, char *argv[])
{
    // Under X (xvfb-run) the xcb platform; with no display at all, Qt's offscreen one.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", qEnvironmentVariableIsEmpty("DISPLAY") ? "offscreen" : "xcb");

    QApplication aplikacja(argc, argv);
    QTranslator tlumaczenie;
    przygotujAplikacje(tlumaczenie);

    const QStringList argumenty = QCoreApplication::arguments();
    if (argumenty.contains(kArgPamiecEdytora))
        return podajPamiec(true);
    if (argumenty.contains(kArgPamiecPustego))
        return podajPamiec(false);

    LicznikMalowania licznik;
    aplikacja.installEventFilter(&licznik);

    QTemporaryDir katalog;
    const QString sciezka = katalog.filePath(QStringLiteral("POMIAR.ORB"));
    QFile plik(sciezka);
    const QByteArray bajty = ZakodujZestaw(pomiary::zestawPomiarowy());
    if (!katalog.isValid() || bajty.size() != kRozmiarZestawu || !plik.open(QIODevice::WriteOnly)
        || plik.write(bajty) != bajty.size() || !plik.flush())
        qFatal("cannot write the set file");
    plik.close();

    std::printf("Window benchmarks on Qt %s, platform \"%s\"; medians, from the event to the window repainted\n",
                qVersion(), qPrintable(QGuiApplication::platformName()));
    Raport raport;
    {
        SkryptoweDialogi dialogi;
        Pomiar pomiar(licznik, dialogi);
        std::printf("editor window %d x %d\n", pomiar.okno().width(), pomiar.okno().height());
        zmierzWczytanie(pomiar, dialogi, sciezka, raport);
        zmierzKomorki(pomiar, raport);
        zmierzPalete(pomiar, raport);
    }
    zmierzStart(licznik, raport);
    zmierzPamiec(raport);
    std::printf("%s\n", raport.ok() ? "All window budgets met." : "Some window budget MISSED.");
    return raport.ok() ? EXIT_SUCCESS : EXIT_FAILURE;
}
