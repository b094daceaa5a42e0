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
//   (VmRSS) 300 ms later, against an empty window of the editor's size;
// - the batch export (--eksportuj) with no display in the environment, from the start to the end
//   of the process, against a bare QCoreApplication. Run once more under LD_DEBUG=files, it must
//   load neither Qt Widgets nor a platform plugin.
// The X server itself tells when a frame is shown: every new top-level window (SubstructureNotify
// on the root window) gets a DAMAGE object, and the first damage is the first drawing into the
// window. Qt's windows have no background of their own, so mapping does not damage them: the
// first damage is Qt's first flush of the painted window.

#include "pomiar.h"
#include "wspolne.h"

#include "ui/edytor.h"
#include "ui/widzety.h"

#include <QApplication>
#include <QProcess>
#include <QStyleFactory>
#include <QTemporaryDir>

#include <xcb/damage.h>

#include <chrono>
#include <fstream>
#include <functional>

using namespace edytor;
using Zegar = std::chrono::steady_clock;

namespace {

constexpr int kRund = 9; // of whole processes
int malowania = 0;       // paint events received by the widgets of this program

struct LicznikMalowania : QObject {
    bool eventFilter(QObject *, QEvent *e) override
    {
        malowania += e->type() == QEvent::Paint;
        return false;
    }
};

double msOd(Zegar::time_point t0)
{
    return std::chrono::duration<double, std::milli>(Zegar::now() - t0).count();
}

// Milliseconds from the event to the end of the repaint it caused; -1 when none came within 5 s.
double doMalowania(const std::function<void()> &zdarzenie)
{
    for (int i = 0; i < 3; ++i) // nothing earlier still pending is taken for this repaint
        QCoreApplication::processEvents();
    const int przed = malowania;
    const auto t0 = Zegar::now();
    zdarzenie();
    while (malowania == przed && msOd(t0) < 5000)
        QCoreApplication::processEvents();
    return malowania == przed ? -1 : msOd(t0);
}

// The median of `ile` events after 10 not counted; an event gives -1 when it did not do its work.
void seria(const char *co, int ile, double budzetMs, const std::function<double(int)> &zdarzenie)
{
    std::vector<double> czasy;
    for (int n = 0; n < 10 + ile; ++n)
        if (const double t = zdarzenie(n); n >= 10)
            czasy.push_back(t);
    pomiary::wiersz(co, pomiary::mediana(czasy), budzetMs, "ms");
}

// Starts a program in folder `katalog`, its output to wyjscie.txt there. The batch export gets the
// set file and no display nor Qt platform in its environment (and LD_DEBUG=files when `ld`).
void uruchom(QProcess &p, const QString &katalog, const char *program, bool eksport, bool ld = false)
{
    QProcessEnvironment zmienne = QProcessEnvironment::systemEnvironment();
    for (const char *nazwa : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        if (eksport)
            zmienne.remove(QLatin1String(nazwa));
    if (ld)
        zmienne.insert(QStringLiteral("LD_DEBUG"), QStringLiteral("files"));
    p.setProcessEnvironment(zmienne);
    p.setWorkingDirectory(katalog);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.setStandardOutputFile(katalog + QStringLiteral("/wyjscie.txt"));
    const QStringList argumenty{QStringLiteral("--eksportuj"), QStringLiteral("POMIAR.ORB"),
                                QStringLiteral("WYNIK")};
    p.start(QLatin1String(program), eksport ? argumenty : QStringList());
}

// One start: ms to the first frame and VmRSS in MiB 300 ms later; -1 for what did not come.
std::pair<double, double> start(xcb_connection_t *x, int damage, const QString &katalog, const char *program)
{
    double ms = -1, mib = -1;
    std::vector<xcb_window_t> okna; // those created since this start
    QProcess p;
    const auto t0 = Zegar::now();
    uruchom(p, katalog, program, false);
    while (ms < 0 && p.state() != QProcess::NotRunning)
        if (xcb_generic_event_t *e = xcb_wait_for_event(x)) {
            if ((e->response_type & 0x7f) == XCB_CREATE_NOTIFY) {
                okna.push_back(reinterpret_cast<xcb_create_notify_event_t *>(e)->window);
                xcb_damage_create(x, xcb_generate_id(x), okna.back(), XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
                xcb_flush(x);
            } else if ((e->response_type & 0x7f) == damage + XCB_DAMAGE_NOTIFY &&
                       std::ranges::count(okna, reinterpret_cast<xcb_damage_notify_event_t *>(e)->drawable))
                ms = msOd(t0);
            free(e);
        }
    p.waitForFinished(300);
    std::ifstream status("/proc/" + std::to_string(p.processId()) + "/status");
    for (std::string slowo; ms >= 0 && status >> slowo;)
        if (slowo == "VmRSS:" && status >> mib)
            mib /= 1024;
    p.kill();
    p.waitForFinished();
    return {ms, mib};
}

// One batch export: ms from the start to the end of the process; -1 when it failed, or, for the
// editor, did not write its five files.
double eksport(const QString &katalog, const char *program, bool edytor, bool ld = false)
{
    for (const QString &plik : QDir(katalog).entryList({QStringLiteral("WYNIK*")}))
        QFile::remove(katalog + u'/' + plik);
    QProcess p;
    const auto t0 = Zegar::now();
    uruchom(p, katalog, program, true, ld);
    const bool ok = p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    const double ms = msOd(t0);
    return ok && (!edytor || QDir(katalog).entryList({QStringLiteral("WYNIK*")}).size() == 5) ? ms : -1;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication aplikacja(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Windows"))); // as the editor's main
    LicznikMalowania licznik;
    aplikacja.installEventFilter(&licznik);
    QTemporaryDir tymczasowy;
    const QString katalog = tymczasowy.path(), sciezka = katalog + QStringLiteral("/POMIAR.ORB");
    if (!testy::zapisz(sciezka, ZakodujZestaw(pomiary::zestawPomiarowy())))
        qFatal("cannot write the set file");
    std::printf("Window on Qt %s, platform %s: medians from the event to the window repainted\n", qVersion(),
                qPrintable(QGuiApplication::platformName()));
    {
        testy::SkryptoweDialogi dialogi;
        Edytor okno;
        okno.ustawDialogi(&dialogi);
        if (doMalowania([&] { okno.show(); }) < 0)
            qFatal("the editor's window did not paint");
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
            return s.WartoscKoloru[PF0] == 16 * (q / 8) + 2 * (q % 8) ? t : -1;
        });
    }

    std::vector<double> czas[2], pamiec[2], wsadowo[2]; // [0] the bare program, [1] the editor
    xcb_connection_t *x = xcb_connect(nullptr, nullptr);
    const int damage = xcb_get_extension_data(x, &xcb_damage_id)->first_event;
    free(xcb_damage_query_version_reply(x, xcb_damage_query_version(x, 1, 1), nullptr));
    const uint32_t maska = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, xcb_setup_roots_iterator(xcb_get_setup(x)).data->root, XCB_CW_EVENT_MASK,
                                 &maska);
    xcb_flush(x);
    for (int n = 0; n <= kRund; ++n)
        for (int i : {0, 1})
            if (const auto [ms, mib] = start(x, damage, katalog, i ? EDYTOR : PUSTE_OKNO); n > 0)
                czas[i].push_back(ms), pamiec[i].push_back(mib);
    xcb_disconnect(x);
    for (int n = 0; n <= 2 * kRund; ++n)
        for (int i : {0, 1})
            if (const double ms = eksport(katalog, i ? EDYTOR : PUSTY_RDZEN, i); n > 0)
                wsadowo[i].push_back(ms);
    // What the dynamic loader opened for one more batch export.
    const bool wykonany = eksport(katalog, EDYTOR, true, true) >= 0;
    const QByteArray zaladowane = testy::czytaj(katalog + QStringLiteral("/wyjscie.txt"));
    const bool widgets = zaladowane.contains("libQt6Widgets.so"),
               wtyczka = zaladowane.contains("/platforms/lib");

    using namespace pomiary;
    std::printf("Whole processes, medians of %d rounds: the editor / a bare Qt program\n", kRund);
    stosunek("start to first frame (833 x 584 window)", mediana(czas[1]), mediana(czas[0]), 1.25, "ms");
    stosunek("resident memory after start-up", mediana(pamiec[1]), mediana(pamiec[0]), 1.25, "MiB");
    stosunek("batch export, no display / QCoreApplication", mediana(wsadowo[1]), mediana(wsadowo[0]), 2,
             "ms");
    char opis[128];
    std::snprintf(opis, sizeof opis, "batch export loads libQt6Widgets: %s, a platform plugin: %s",
                  widgets ? "yes" : "no", wtyczka ? "yes" : "no");
    wiersz(opis, wykonany ? widgets + wtyczka : -1, 0, "");
    return podsumowanie();
}
