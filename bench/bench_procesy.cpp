// Whole programs started as processes, each beside a bare Qt program started the same way in the
// same rounds (bare, editor, bare, editor, ...), one round not counted, medians compared:
// - the editor under X from the start of its process to its first frame on the X server, and its
//   resident memory (VmRSS) shortly after, against an empty window of its size;
// - the batch export (--eksportuj) with no display in the environment, from the start to the end
//   of the process, against a bare QCoreApplication. Run once more under LD_DEBUG=files, it must
//   load neither Qt Widgets nor a platform plugin.
//
// The X server itself tells when a frame is shown: every new top-level window (SubstructureNotify
// on the root window) gets a DAMAGE object, and the first damage is the first drawing into the
// window. Qt's windows have no background of their own, so mapping does not damage them: the
// first damage is Qt's first flush of the painted window.

#include "pomiar.h"

#include <QTemporaryDir>

#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;
using Zegar = std::chrono::steady_clock;

namespace {

constexpr int kRund = 9;
constexpr std::array kWyniki{".FN2", ".KODY", ".KOLORY", ".TILES.BMP", ""};  // after the name given

double msOd(Zegar::time_point t0)
{
    return std::chrono::duration<double, std::milli>(Zegar::now() - t0).count();
}

/** This program's environment, less anything naming a display or a Qt platform when `bezEkranu`. */
std::vector<std::string> srodowisko(bool bezEkranu, const char *dodatek = nullptr)
{
    std::vector<std::string> wynik;
    for (char **z = environ; *z; ++z)
        if (const std::string s = *z; !bezEkranu
            || !(s.starts_with("DISPLAY=") || s.starts_with("WAYLAND_DISPLAY=") || s.starts_with("QT_QPA_PLATFORM=")))
            wynik.push_back(s);
    if (dodatek)
        wynik.push_back(dodatek);
    return wynik;
}

/** Starts a program in the folder `katalog` with the environment given, its output to a file there. */
pid_t uruchom(std::vector<std::string> argumenty, std::vector<std::string> zmienne, const fs::path &katalog,
              const char *wyjscie = "wyjscie.txt")
{
    const auto wskazniki = [](std::vector<std::string> &v) {
        std::vector<char *> w;
        for (std::string &s : v)
            w.push_back(s.data());
        w.push_back(nullptr);
        return w;
    };
    posix_spawn_file_actions_t akcje;
    posix_spawn_file_actions_init(&akcje);
    posix_spawn_file_actions_addchdir_np(&akcje, katalog.c_str());
    posix_spawn_file_actions_addopen(&akcje, 1, wyjscie, O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&akcje, 1, 2);
    pid_t pid = -1;
    if (posix_spawn(&pid, argumenty[0].c_str(), &akcje, nullptr, wskazniki(argumenty).data(), wskazniki(zmienne).data()))
        pid = -1;
    posix_spawn_file_actions_destroy(&akcje);
    return pid;
}

/** Waits at most 30 s for the process to end, then kills it; its exit code, or -1. */
int koniec(pid_t pid)
{
    if (pid < 0)
        return -1;
    pollfd p{int(syscall(SYS_pidfd_open, pid, 0)), POLLIN, 0};
    if (poll(&p, 1, 30000) != 1)
        kill(pid, SIGKILL);
    close(p.fd);
    int status = 0;
    return waitpid(pid, &status, 0) == pid && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

/** One start under X: ms to the first frame and VmRSS (MiB) 300 ms later; -1 for what did not come. */
std::pair<double, double> start(xcb_connection_t *x, int damage, const std::string &program, const fs::path &katalog)
{
    double ms = -1, mib = -1;
    std::vector<xcb_window_t> okna;  // those created since this start
    const auto t0 = Zegar::now();
    const pid_t pid = uruchom({program}, srodowisko(false), katalog);
    pollfd p{xcb_get_file_descriptor(x), POLLIN, 0};
    while (pid > 0 && ms < 0 && msOd(t0) < 30000) {
        xcb_generic_event_t *e = xcb_poll_for_event(x);
        if (!e) {
            poll(&p, 1, 100);
            continue;
        }
        if ((e->response_type & 0x7f) == XCB_CREATE_NOTIFY) {
            okna.push_back(reinterpret_cast<xcb_create_notify_event_t *>(e)->window);
            xcb_damage_create(x, xcb_generate_id(x), okna.back(), XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
            xcb_flush(x);
        } else if ((e->response_type & 0x7f) == damage + XCB_DAMAGE_NOTIFY
                   && std::ranges::count(okna, reinterpret_cast<xcb_damage_notify_event_t *>(e)->drawable))
            ms = msOd(t0);
        free(e);
    }
    usleep(300000);
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string slowo; ms >= 0 && status >> slowo;)
        if (slowo == "VmRSS:" && status >> mib)
            mib /= 1024;
    kill(pid, SIGTERM);
    koniec(pid);
    return {ms, mib};
}

/** One batch export: ms from the start to the end of the process; -1 when it failed or left an output out. */
double eksport(const std::string &program, const fs::path &katalog, bool zWynikami)
{
    for (const char *r : kWyniki)
        fs::remove(katalog / (std::string("WYNIK") + r));
    const auto t0 = Zegar::now();
    const int kod = koniec(uruchom({program, "--eksportuj", "POMIAR.ORB", "WYNIK"}, srodowisko(true), katalog));
    const double ms = msOd(t0);
    const bool zapisane = std::ranges::all_of(kWyniki, [&](const char *r) { return fs::exists(katalog / (std::string("WYNIK") + r)); });
    return kod == 0 && (zapisane || !zWynikami) ? ms : -1;
}

} // namespace

int main()
{
    QTemporaryDir tymczasowy;
    const fs::path katalog = tymczasowy.path().toStdString();
    std::ofstream(katalog / "POMIAR.ORB", std::ios::binary) << ZakodujZestaw(edytor::pomiary::zestawPomiarowy()).toStdString();
    std::vector<double> czas[2], pamiec[2], wsadowo[2];  // [0] the bare program, [1] the editor

    xcb_connection_t *x = xcb_connect(nullptr, nullptr);
    const int damage = xcb_get_extension_data(x, &xcb_damage_id)->first_event;
    free(xcb_damage_query_version_reply(x, xcb_damage_query_version(x, 1, 1), nullptr));
    const uint32_t maska = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, xcb_setup_roots_iterator(xcb_get_setup(x)).data->root, XCB_CW_EVENT_MASK, &maska);
    xcb_flush(x);
    for (int n = 0; n <= kRund; ++n)
        for (int i : {0, 1})
            if (const auto [ms, mib] = start(x, damage, i ? EDYTOR : PUSTE_OKNO, katalog); n > 0) {
                czas[i].push_back(ms);
                pamiec[i].push_back(mib);
            }
    xcb_disconnect(x);
    for (int n = 0; n <= 2 * kRund; ++n)
        for (int i : {0, 1})
            if (const double ms = eksport(i ? EDYTOR : PUSTY_RDZEN, katalog, i); n > 0)
                wsadowo[i].push_back(ms);

    // Which files the dynamic loader opened for one more batch export.
    const int kod = koniec(uruchom({EDYTOR, "--eksportuj", "POMIAR.ORB", "WYNIK"}, srodowisko(true, "LD_DEBUG=files"), katalog, "ld.txt"));
    bool widgets = false, wtyczka = false;
    std::ifstream ld(katalog / "ld.txt");
    for (std::string linia; std::getline(ld, linia);)
        if (linia.find("file=") != std::string::npos) {
            widgets = widgets || linia.find("libQt6Widgets") != std::string::npos;
            wtyczka = wtyczka || linia.find("/platforms/") != std::string::npos;
        }

    using namespace edytor::pomiary;
    std::printf("Whole processes, medians of %d rounds, the editor / a bare Qt program\n", kRund);
    bool ok = stosunek("start to first frame (833 x 584 window)", mediana(czas[1]), mediana(czas[0]), 1.25, "ms");
    ok = stosunek("resident memory after start-up", mediana(pamiec[1]), mediana(pamiec[0]), 1.25, "MiB") && ok;
    ok = stosunek("batch export, no display / QCoreApplication", mediana(wsadowo[1]), mediana(wsadowo[0]), 2, "ms") && ok;
    const bool lekko = kod == 0 && !widgets && !wtyczka;
    std::printf("%-64s %s, %s  %s\n", "batch export loads libQt6Widgets, a platform plugin",
                widgets ? "yes" : "no", wtyczka ? "yes" : "no", lekko ? "OK" : kod ? "FAILED (exit code)" : "FAILED");
    ok = ok && lekko;
    std::printf("%s\n", ok ? "All process budgets met." : "Some process budget MISSED.");
    return ok ? 0 : 1;
}
