// The core's operations one by one on a realistic editor state, each against its budget. Every
// operation runs in 15 repetitions; the figure held to the budget is the median of their CPU time
// per call, which a busy machine disturbs far less than the wall clock (Google Benchmark prints
// both above the summary).

#include "pomiar.h"

#include "edit/malowanie.h"
#include "edit/tryby.h"
#include "edit/zapamietanie.h"

#include <benchmark/benchmark.h>

#include <functional>
#include <map>
#include <string>

using namespace edytor;

namespace {

struct Operacja {
    const char *nazwa;
    double budzetUs;
    std::function<void(StanEdytora &, int)> krok;  // one call; the second argument counts the calls
};

/** Google Benchmark's own output, and the median CPU time of every operation kept for the summary. */
struct Mediany : benchmark::ConsoleReporter {
    Mediany() : ConsoleReporter(OO_None) {}
    std::map<std::string, double> us;
    void ReportRuns(const std::vector<Run> &przebiegi) override
    {
        ConsoleReporter::ReportRuns(przebiegi);
        for (const Run &r : przebiegi)
            if (r.run_type == Run::RT_Aggregate && r.aggregate_name == "median" && !r.error_occurred)
                us[r.run_name.function_name] = r.GetAdjustedCPUTime();
    }
};

} // namespace

int main(int argc, char **argv)
{
    const StanEdytora stan = pomiary::stanPomiarowy();
    const DaneZestawu dane = pomiary::zestawPomiarowy();
    const QByteArray plik = ZakodujZestaw(dane);
    const QImage paleta = ObrazPalety();
    QImage obraz(2 * kObiektow * kBokObrazka, kBokObrazka, QImage::Format_RGB32);
    const std::vector<Operacja> operacje{
        // Left presses with the five registers in turn, every seventh a right press.
        {"MalujKomorke", 5, [](StanEdytora &s, int n) {
             const int r = std::array{PF0, PF2, PF1, PF3, BAK}[n % kRejestrow];
             s.kolorRysowania = {Bajt(r), s.KolorEkranowy[r]};
             MalujKomorke(s, 37 * n % kKomorek, n % 7 == 6 ? 2 : 1);
         }},
        {"ZZ_DblClick", 5, [](StanEdytora &s, int n) { ZZ_DblClick(s, n % kObiektow); }},
        {"OdswiezObiekty", 50, [](StanEdytora &s, int) { OdswiezObiekty(s); }},
        // The 128 palette squares in turn, the drawing register changing with each.
        {"WybierzZPalety", 80, [&](StanEdytora &s, int n) {
             s.kolorRysowania.nr = Bajt(n % kRejestrow);
             const int q = 53 * n % 128;
             WybierzZPalety(s, paleta, 16 * (q % 8) + 6, 15 * (q / 8) + 5);
         }},
        {"ZapamietajObiekt", 100, [](StanEdytora &s, int) { ZapamietajObiekt(s); }},
        {"ZmienTryb", 150, [](StanEdytora &s, int n) { ZmienTryb(s, n % 2 ? Tryb::Vendra : Tryb::JGP); }},
        {"ZakodujZestaw", 10, [&](StanEdytora &, int) { benchmark::DoNotOptimize(ZakodujZestaw(dane)); }},
        {"OdczytajZestaw", 10, [&](StanEdytora &, int) { benchmark::DoNotOptimize(OdczytajZestaw(plik)); }},
        {"RysujObrazEksportu", 1000, [&](StanEdytora &s, int) {
             RysujObrazEksportu(obraz, s.miniatury, s.KolorEkranowy[PF2], s.KolorEkranowy[PF3]);
         }},
    };
    for (const Operacja &op : operacje)
        benchmark::RegisterBenchmark(op.nazwa, [&](benchmark::State &st) {
            StanEdytora s = stan;
            int n = 0;
            for (auto _ : st) {
                op.krok(s, n++);
                benchmark::ClobberMemory();
            }
        })->Unit(benchmark::kMicrosecond)->MinTime(0.1)->Repetitions(15)->ReportAggregatesOnly(true);

    benchmark::Initialize(&argc, argv);
    Mediany mediany;
    benchmark::RunSpecifiedBenchmarks(&mediany);

    // The open object's grid holds a cell of every register: the state measured is not a trivial one.
    bool ok = std::ranges::all_of(std::array{PF0, PF1, PF2, PF3, BAK}, [&](int r) {
        return std::ranges::any_of(stan.Pixel, [r](const Komorka &c) { return c.nr == r; });
    });
    std::printf("\nCore operations, median CPU time per call%s\n", ok ? "" : " (the grid lacks a register: FAILED)");
    for (const Operacja &op : operacje)
        ok = pomiary::wiersz(op.nazwa, mediany.us.contains(op.nazwa) ? mediany.us[op.nazwa] : -1, op.budzetUs, "us")
            && ok;
    std::printf("%s\n", ok ? "All core budgets met." : "Some core budget MISSED.");
    return ok ? 0 : 1;
}
