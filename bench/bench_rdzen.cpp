// The core's operations one by one on a realistic editor state, each against its budget. Every
// operation runs in 15 repetitions; the figure held to the budget is the median of their CPU time
// per call, which a busy machine disturbs far less than the wall clock.

#include "pomiar.h"

#include "edit/bufor.h"
#include "edit/kolory.h"
#include "edit/malowanie.h"
#include "edit/otwieranie.h"
#include "edit/tryby.h"
#include "edit/zapamietanie.h"
#include "view/miniatury.h"
#include "view/paleta.h"

#include <benchmark/benchmark.h>

#include <functional>

using namespace edytor;

// Prints each operation's median CPU time per call beside its budget when its repetitions end.
struct DoBudzetu : benchmark::BenchmarkReporter {
    bool ReportContext(const Context &) override { return true; }
    void ReportRuns(const std::vector<Run> &przebiegi) override
    {
        for (const Run &r : przebiegi)
            if (r.aggregate_name == "median")
                pomiary::wiersz(r.run_name.function_name.c_str(), r.GetAdjustedCPUTime(),
                                r.counters.at("budzet"), "us");
    }
};

int main(int argc, char **argv)
{
    // The editor holding the set measured: thumbnails drawn, object 3 (an inverted one) open, its
    // grid holding all five registers, the copy buffer full, PF1 drawing.
    StanEdytora stan = pomiary::stanPomiarowy();
    OdswiezObiekty(stan);
    WybierzObiekt(stan, 3);
    ZZ_DblClick(stan, 3);
    DoBufora(stan);
    WybierzKolor(stan, PF1);
    const std::array<int, kRejestrow> rejestry{PF0, PF2, PF1, PF3, BAK};
    if (!std::ranges::all_of(rejestry,
                             [&](int r) { return std::ranges::count(stan.Pixel, r, &Komorka::nr); }))
        qFatal("the grid of the state measured lacks a register");

    const QByteArray plik = pomiary::plikPomiarowy(stan);
    if (const auto wczytany = OdczytajZestaw(plik); !wczytany || wczytany->Znaki != stan.zestaw.Znaki)
        qFatal("the set file of the state measured does not read back");
    const QImage paleta = ObrazPalety();
    // Each operation: its budget in microseconds and one call, the second argument counting the calls.
    // clang-format off
    const std::vector<std::tuple<const char *, double, std::function<void(StanEdytora &, int)>>> operacje{
        // Presses with the registers in turn, every seventh a right one.
        {"MalujKomorke", 5, [&](StanEdytora &s, int n) {
            s.kolorRysowania = {Bajt(rejestry[n % kRejestrow]), s.zestaw.KolorEkranowy[rejestry[n % kRejestrow]]};
            MalujKomorke(s, 37 * n % kKomorek, n % 7 == 6 ? Qt::RightButton : Qt::LeftButton);
        }},
        {"ZZ_DblClick", 5, [](StanEdytora &s, int n) { ZZ_DblClick(s, n % kObiektow); }},
        {"OdswiezObiekty", 50, [](StanEdytora &s, int) { OdswiezObiekty(s); }},
        // The 128 squares in turn, the drawing register changing with each.
        {"WybierzZPalety", 80, [&](StanEdytora &s, int n) {
            s.kolorRysowania.nr = Bajt(n % kRejestrow);
            WybierzZPalety(s, paleta, 16 * (53 * n % 8) + 6, 15 * (53 * n % 128 / 8) + 5);
        }},
        {"ZapamietajObiekt", 100, [](StanEdytora &s, int) { ZapamietajObiekt(s); }},
        {"ZmienTryb", 150, [](StanEdytora &s, int n) { ZmienTryb(s, n % 2 ? Tryb::Vendra : Tryb::JGP); }},
        {"ZakodujZestaw", 10, [](StanEdytora &s, int) { benchmark::DoNotOptimize(ZakodujZestaw(s.zestaw)); }},
        {"OdczytajZestaw", 10, [&](StanEdytora &, int) { benchmark::DoNotOptimize(OdczytajZestaw(plik)); }},
        {"RysujObrazEksportu", 1000, [](StanEdytora &s, int) {
            RysujObrazEksportu(s.obrazEksportu, s.miniatury, s.zestaw.KolorEkranowy[PF2], s.zestaw.KolorEkranowy[PF3]);
        }},
    };
    // clang-format on
    for (const auto &[nazwa, budzet, krok] : operacje) {
        auto *b = benchmark::RegisterBenchmark(nazwa, [&](benchmark::State &st) {
            StanEdytora s = stan;
            for (int n = 0; auto _ : st)
                krok(s, n++);               // behind std::function: no call is optimised away
            st.counters["budzet"] = budzet; // in microseconds, for the report
        });
        b->Unit(benchmark::kMicrosecond)->MinTime(0.1)->Repetitions(15)->ReportAggregatesOnly(true);
    }
    benchmark::Initialize(&argc, argv);
    std::printf("Core operations: median CPU time per call of 15 repetitions\n");
    DoBudzetu raport;
    benchmark::RunSpecifiedBenchmarks(&raport);
    return !pomiary::wBudzecie;
}
