// The editor under X, each figure against its budget.
//
// In-process, the real window: the time from a user event to the end of the repaint it causes.
// Events go in through the window system interface (QTest on the QWindow), so the window finds
// the widget under the point as for a real press; the clock stops when the event processing in
// which the window painted returns, after the backing store has been flushed.
//
// Whole processes, each beside a bare Qt program started the same way in the same rounds (bare,
// editor, bare, editor, ...), one round of each not counted, medians compared:
// - from the start of the process to its first frame on the X server, and its resident memory
//   (VmRSS) 300 ms later, against a window of the editor's size holding one caption;
// - the batch export (--eksportuj) with no display in the environment, from the start to the end
//   of the process, against a bare QCoreApplication linked with the same Qt libraries. Every
//   export must have written its five files.
// The X server itself tells when a frame is shown: every new top-level window (SubstructureNotify
// on the root window) gets a DAMAGE object, and the first damage is the first drawing into the
// window. Qt's windows have no background of their own, so mapping does not damage them: the
// first damage is Qt's first flush of the painted window.

#include "pomiar.h"
#include "wspolne.h"

#include "ui/aplikacja.h"
#include "ui/edytor.h"
#include "ui/widzety.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <xcb/damage.h>

#include <poll.h>

using namespace edytor;
constexpr int kRund = 21; // of whole processes
QTemporaryDir katalog;    // holds the set file; the processes start and write their files here
xcb_connection_t *x;      // this program's own connection to the X server, to watch whole processes

// Counts the paint events that the widgets of this program receive.
struct LicznikMalowania : QObject {
    int n = 0;
    bool eventFilter(QObject *, QEvent *e) override
    {
        n += e->type() == QEvent::Paint;
        return false;
    }
} malowania;

double teraz() // in ms, on a steady clock
{
    return QDeadlineTimer::current().deadlineNSecs() / 1e6;
}

// Milliseconds from the event to the end of the repaint it caused; -1 when none came within 5 s.
double doMalowania(const auto &zdarzenie)
{
    QTest::qWait(1); // nothing earlier still pending is taken for this repaint
    const int przed = malowania.n;
    const double t0 = teraz();
    zdarzenie();
    while (malowania.n == przed && teraz() - t0 < 5000)
        QCoreApplication::processEvents();
    return malowania.n == przed ? -1 : teraz() - t0;
}

// The median of `ile` events after 10 not counted; an event gives -1 when it did not do its work.
void seria(const char *co, int ile, double budzetMs, const auto &zdarzenie)
{
    std::vector<double> czasy;
    for (int n = 0; n < 10 + ile; ++n)
        czasy.push_back(zdarzenie(n));
    pomiary::wiersz(co, pomiary::mediana({czasy.begin() + 10, czasy.end()}), budzetMs, "ms");
}

// Starts a program in `katalog` with the environment given, both output streams to wyjscie.txt there.
void uruchom(QProcess &p, const char *program, const QProcessEnvironment &zmienne, const QStringList &arg)
{
    p.setProcessEnvironment(zmienne);
    p.setWorkingDirectory(katalog.path());
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.setStandardOutputFile(katalog.filePath(QStringLiteral("wyjscie.txt")));
    p.start(QLatin1String(program), arg);
}

// One start: ms to the first frame and VmRSS in MiB 300 ms later; -1 for what did not come.
std::pair<double, double> start(const char *program)
{
    double ms = -1, mib = -1;
    std::vector<xcb_window_t> okna; // those created since this start
    const int damage = xcb_get_extension_data(x, &xcb_damage_id)->first_event;
    QProcess p;
    const double t0 = teraz();
    uruchom(p, program, QProcessEnvironment::systemEnvironment(), {});
    pollfd fd{xcb_get_file_descriptor(x), POLLIN, 0};
    // Until the first damage of a window created since the start; each event freed after its turn.
    for (xcb_generic_event_t *e = nullptr; ms < 0 && teraz() - t0 < 10000; free(e))
        if (!(e = xcb_poll_for_event(x)))
            poll(&fd, 1, 100);
        else if ((e->response_type & 0x7f) == XCB_CREATE_NOTIFY) {
            okna.push_back(reinterpret_cast<xcb_create_notify_event_t *>(e)->window);
            xcb_damage_create(x, xcb_generate_id(x), okna.back(), XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
            xcb_flush(x);
        } else if ((e->response_type & 0x7f) == damage + XCB_DAMAGE_NOTIFY &&
                   std::ranges::count(okna, reinterpret_cast<xcb_damage_notify_event_t *>(e)->drawable))
            ms = teraz() - t0;
    p.waitForFinished(300);
    const QByteArray status = testy::czytaj(QStringLiteral("/proc/%1/status").arg(p.processId()));
    if (const qsizetype i = status.indexOf("VmRSS:"); ms >= 0 && i >= 0)
        mib = status.mid(i + 6, 20).trimmed().split(' ').front().toDouble() / 1024;
    p.kill();
    p.waitForFinished();
    return {ms, mib};
}

// One batch command on the set file: ms from the start to the end of the process; -1 when it failed.
double wsadowe(const char *program, const QProcessEnvironment &zmienne, const QStringList &argumenty)
{
    QProcess p;
    const double t0 = teraz();
    uruchom(p, program, zmienne, argumenty);
    const bool ok = p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    return ok ? teraz() - t0 : -1;
}

int main(int argc, char *argv[])
{
    const auto aplikacja = UtworzAplikacje(argc, argv);  // set up as the editor's
    aplikacja->installEventFilter(&malowania);
    const QString sciezka = katalog.filePath(QStringLiteral("POMIAR.ORB"));
    testy::zapisz(sciezka, pomiary::plikPomiarowy()); // a failure shows as failed loads and exports

    std::printf("The window in-process: medians from the event to the window repainted\n");
    testy::SkryptoweDialogi dialogi;
    Edytor okno;
    okno.ustawDialogi(&dialogi);
    doMalowania([&] { okno.show(); });
    StanEdytora &s = okno.stan();
    const auto nacisnij = [&](QWidget *w, QPoint p, Qt::MouseButton przycisk) {
        p = w->mapTo(&okno, p);
        const double t = doMalowania([&] { QTest::mousePress(okno.windowHandle(), przycisk, {}, p); });
        QTest::mouseRelease(okno.windowHandle(), przycisk, {}, p);
        return t;
    };
    const auto kliknij = [&](const char *nazwa) {
        const QWidget *w = okno.findChild<QWidget *>(QLatin1String(nazwa));
        const QPoint p = w->mapTo(&okno, w->rect().center());
        return doMalowania([&] { QTest::mouseClick(okno.windowHandle(), Qt::LeftButton, {}, p); });
    };
    seria("load of a 2580-byte set file (click cmdLoad) to repainted", 60, 20, [&](int) {
        s.NazwaZestawu.clear();
        dialogi.pliki = {sciezka};
        const double t = kliknij("cmdLoad");
        return s.NazwaZestawu == QStringLiteral("POMIAR.ORB") && dialogi.komunikaty.isEmpty() ? t : -1;
    });
    kliknij("Kolor(1)"); // PF1 draws: left presses paint PF1, right ones BAK
    seria("press on a cell (Znak(k)) to repainted", 400, 2, [&](int n) {
        const int k = 37 * (n / 2) % kKomorek;
        SiatkaKomorek *znak = okno.znakKomorki(k);
        const double t = nacisnij(znak, znak->prostokatKomorki(k % kKomorekZnaku).center(),
                                  n % 2 ? Qt::RightButton : Qt::LeftButton);
        return s.Pixel[k].nr == (n % 2 ? BAK : PF1) ? t : -1;
    });
    kliknij("Kolor(0)"); // the squares in turn give PF0 their colours
    auto *paleta = okno.findChild<PoleKoloru *>(QStringLiteral("PaletaAtari"));
    seria("palette pick (press on PaletaAtari) to repainted", 120, 10, [&](int n) {
        const int q = 53 * n % 128, b = paleta->gruboscBrzegu();
        const double t = nacisnij(paleta, {b + 16 * (q % 8) + 6, b + 15 * (q / 8) + 5}, Qt::LeftButton);
        return s.zestaw.WartoscKoloru[PF0] == 16 * (q / 8) + 2 * (q % 8) ? t : -1;
    });

    std::vector<double> czas[2], pamiec[2], wsadowo[2], obraz[2]; // [0] the bare program, [1] the editor
    x = xcb_connect(nullptr, nullptr);
    free(xcb_damage_query_version_reply(x, xcb_damage_query_version(x, 1, 1), nullptr));
    const uint32_t maska = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    const xcb_window_t korzen = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    free(xcb_request_check(x, xcb_change_window_attributes_checked(x, korzen, XCB_CW_EVENT_MASK, &maska)));
    QProcessEnvironment bezEkranu = QProcessEnvironment::systemEnvironment();
    for (const char *nazwa : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        bezEkranu.remove(QLatin1String(nazwa));
    for (int n = 0; n <= kRund; ++n)
        for (int i : {0, 1}) { // each export to new files: none is asked to overwrite
            const auto [ms, mib] = start(i ? EDYTOR : PUSTE_OKNO);
            const double wsad = wsadowe(i ? EDYTOR : PUSTY_RDZEN, bezEkranu, {QStringLiteral("--eksportuj"), QStringLiteral("POMIAR.ORB"), QString::number(n)});
            if (n == 0 && i) // the export's picture as a PNG, brought back in each later round
                QImage(katalog.filePath(QStringLiteral("0.TILES.BMP"))).save(katalog.filePath(QStringLiteral("OBRAZ.png")));
            const double zObrazu = wsadowe(i ? EDYTOR : PUSTY_RDZEN, bezEkranu, {QStringLiteral("--z-obrazu"), QStringLiteral("POMIAR.ORB"), QStringLiteral("OBRAZ.png"), QStringLiteral("Z.ORB")});
            if (n > 0)
                czas[i].push_back(ms), pamiec[i].push_back(mib), wsadowo[i].push_back(wsad), obraz[i].push_back(zObrazu);
        }
    // Each export wrote to its own names: five files for each of the rounds, the first included.
    const qsizetype zapisane = QDir(katalog.path(), QStringLiteral("[0-9]*")).count();

    using namespace pomiary;
    std::printf("Whole processes, medians of %d rounds: the editor / a bare Qt program\n", kRund);
    stosunek("start to first frame (833 x 584 window)", mediana(czas[1]), mediana(czas[0]), 1.25, "ms");
    stosunek("resident memory after start-up", mediana(pamiec[1]), mediana(pamiec[0]), 1.25, "MiB");
    char opis[64];
    std::snprintf(opis, sizeof opis, "batch export, no display, %lld/%d files", qint64(zapisane), 5 * (kRund + 1));
    stosunek(opis, zapisane == 5 * (kRund + 1) ? mediana(wsadowo[1]) : -1, mediana(wsadowo[0]), 1.5, "ms");
    const bool takiSam = testy::czytaj(katalog.filePath(QStringLiteral("Z.ORB"))) == pomiary::plikPomiarowy();
    stosunek("the export's picture (PNG) back into the set, no display", takiSam ? mediana(obraz[1]) : -1, mediana(obraz[0]), 1.5, "ms");
    return !wBudzecie;
}
