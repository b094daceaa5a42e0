// The core's operations timed one by one on a realistic editor state, each against its budget.
// Every benchmark runs in several repetitions; the figure compared with the budget is the median
// of the repetitions' CPU time per call, which a busy machine (a build next door) disturbs far
// less than the wall clock. The wall-clock median is printed beside it.

#include "dane.h"

#include "edit/kolory.h"
#include "edit/malowanie.h"
#include "edit/otwieranie.h"
#include "edit/tryby.h"
#include "edit/zapamietanie.h"
#include "io/formaty.h"
#include "view/miniatury.h"
#include "view/paleta.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include <unistd.h>

using namespace edytor;
using namespace edytor::pomiary;

namespace {

constexpr int kPowtorzen = 15;
constexpr double kMinimalnyCzas = 0.1;  // seconds of one repetition

StanEdytora stanDoPomiaru(benchmark::State &st)
{
    StanEdytora s = stanPomiarowy();
    if (!wszystkieRejestry(s))
        st.SkipWithError("the measured grid does not hold all five registers");
    return s;
}

/** A press on a cell: left presses with the five registers in turn, every seventh a right press. */
void MalujKomorke_(benchmark::State &st)
{
    StanEdytora s = stanDoPomiaru(st);
    constexpr std::array<int, kRejestrow> rejestry{PF0, PF2, PF1, PF3, BAK};
    int n = 0;
    for (auto _ : st) {
        s.kolorRysowania = {Bajt(rejestry[n % kRejestrow]), s.KolorEkranowy[rejestry[n % kRejestrow]]};
        MalujKomorke(s, (37 * n) % kKomorek, n % 7 == 6 ? 2 : 1);
        benchmark::DoNotOptimize(s.podglad.constBits());
        benchmark::ClobberMemory();
        ++n;
    }
}

/** A double click on each thumbnail in turn. */
void ZZ_DblClick_(benchmark::State &st)
{
    StanEdytora s = stanDoPomiaru(st);
    int i = 0;
    for (auto _ : st) {
        ZZ_DblClick(s, i);
        benchmark::DoNotOptimize(s.Pixel.data());
        benchmark::ClobberMemory();
        i = (i + 1) % kObiektow;
    }
}

void OdswiezObiekty_(benchmark::State &st)
{
    StanEdytora s = stanDoPomiaru(st);
    for (auto _ : st) {
        OdswiezObiekty(s);
        benchmark::DoNotOptimize(s.miniatury.constBits());
        benchmark::ClobberMemory();
    }
}

/** Presses on the 128 palette squares in turn, the drawing register changing with each. */
void WybierzZPalety_(benchmark::State &st)
{
    StanEdytora s = stanDoPomiaru(st);
    const QImage paleta = ObrazPalety();
    int n = 0;
    for (auto _ : st) {
        s.kolorRysowania.nr = Bajt(n % kRejestrow);
        const int kwadrat = (n * 53) % 128;
        WybierzZPalety(s, paleta, 16 * (kwadrat % 8) + 6, 15 * (kwadrat / 8) + 5);
        benchmark::DoNotOptimize(s.miniatury.constBits());
        benchmark::ClobberMemory();
        ++n;
    }
}

void ZapamietajObiekt_(benchmark::State &st)
{
    StanEdytora s = stanDoPomiaru(st);
    for (auto _ : st) {
        ZapamietajObiekt(s);
        benchmark::DoNotOptimize(s.miniatury.constBits());
        benchmark::ClobberMemory();
    }
}

void ZmienTryb_(benchmark::State &st)
{
    StanEdytora s = stanDoPomiaru(st);
    Tryb tryb = Tryb::JGP;
    for (auto _ : st) {
        ZmienTryb(s, tryb);
        benchmark::DoNotOptimize(s.miniatury.constBits());
        benchmark::ClobberMemory();
        tryb = tryb == Tryb::JGP ? Tryb::Vendra : Tryb::JGP;
    }
}

void ZakodujZestaw_(benchmark::State &st)
{
    const DaneZestawu dane = zestawPomiarowy();
    for (auto _ : st) {
        QByteArray bajty = ZakodujZestaw(dane);
        benchmark::DoNotOptimize(bajty.data());
        benchmark::ClobberMemory();
    }
}

void OdczytajZestaw_(benchmark::State &st)
{
    const QByteArray bajty = ZakodujZestaw(zestawPomiarowy());
    if (bajty.size() != kRozmiarZestawu)
        st.SkipWithError("the encoded set has the wrong size");
    for (auto _ : st) {
        auto dane = OdczytajZestaw(bajty);
        benchmark::DoNotOptimize(dane);
        benchmark::ClobberMemory();
    }
}

void RysujObrazEksportu_(benchmark::State &st)
{
    StanEdytora s = stanDoPomiaru(st);
    QImage obraz(2 * kObiektow * kBokObrazka, kBokObrazka, QImage::Format_RGB32);
    for (auto _ : st) {
        RysujObrazEksportu(obraz, s.miniatury, s.KolorEkranowy[PF2], s.KolorEkranowy[PF3]);
        benchmark::DoNotOptimize(obraz.constBits());
        benchmark::ClobberMemory();
    }
}

struct Pomiar {
    const char *nazwa;
    const char *opis;
    double budzetUs;
    void (*funkcja)(benchmark::State &);
};

const std::array<Pomiar, 9> kPomiary{{
    {"MalujKomorke", "press on a cell (paint, UstalNegatyw, preview)", 5, MalujKomorke_},
    {"ZZ_DblClick", "open an object", 5, ZZ_DblClick_},
    {"OdswiezObiekty", "redraw 64 thumbnails", 50, OdswiezObiekty_},
    {"WybierzZPalety", "palette pick (cells, thumbnails, preview)", 80, WybierzZPalety_},
    {"ZapamietajObiekt", "store (refresh and reopen included)", 100, ZapamietajObiekt_},
    {"ZmienTryb", "content mode switch, Vendra/JGP in turn", 150, ZmienTryb_},
    {"ZakodujZestaw", "encode a set file", 10, ZakodujZestaw_},
    {"OdczytajZestaw", "decode a set file", 10, OdczytajZestaw_},
    {"RysujObrazEksportu", "export picture 4096 x 32", 1000, RysujObrazEksportu_},
}};

double mikrosekundy(double wartosc, benchmark::TimeUnit jednostka)
{
    switch (jednostka) {
    case benchmark::kNanosecond: return wartosc / 1e3;
    case benchmark::kMicrosecond: return wartosc;
    case benchmark::kMillisecond: return wartosc * 1e3;
    case benchmark::kSecond: return wartosc * 1e6;
    }
    return wartosc;
}

/** The console output as usual, and the median of every benchmark kept for the summary. */
class ZbieraczMedian : public benchmark::ConsoleReporter {
public:
    ZbieraczMedian() : ConsoleReporter(isatty(fileno(stdout)) ? OO_ColorTabular : OO_Tabular) {}

    struct Mediana {
        double cpuUs;
        double zegarUs;
    };
    std::map<std::string, Mediana> mediany;
    std::map<std::string, std::string> bledy;

    void ReportRuns(const std::vector<Run> &przebiegi) override
    {
        ConsoleReporter::ReportRuns(przebiegi);
        for (const Run &r : przebiegi) {
            const std::string &nazwa = r.run_name.function_name;
            if (r.error_occurred)
                bledy[nazwa] = r.error_message;
            else if (r.run_type == Run::RT_Aggregate && r.aggregate_name == "median")
                mediany[nazwa] = {mikrosekundy(r.GetAdjustedCPUTime(), r.time_unit),
                                  mikrosekundy(r.GetAdjustedRealTime(), r.time_unit)};
        }
    }
};

} // namespace

int main(int argc, char **argv)
{
    for (const Pomiar &p : kPomiary)
        benchmark::RegisterBenchmark(p.nazwa, p.funkcja)
            ->Unit(benchmark::kMicrosecond)
            ->MinTime(kMinimalnyCzas)
            ->Repetitions(kPowtorzen)
            ->ReportAggregatesOnly(true);

    bool wybrane = false;  // a filter leaves some benchmarks out on purpose
    for (int i = 1; i < argc; ++i)
        wybrane = wybrane || std::strncmp(argv[i], "--benchmark_filter", 18) == 0;

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 2;
    ZbieraczMedian zbieracz;
    benchmark::RunSpecifiedBenchmarks(&zbieracz);
    benchmark::Shutdown();

    bool wszystkoWBudzecie = true;
    std::printf("\nCore operations: medians of %d repetitions, time per call; the CPU time is held to the budget\n",
                kPowtorzen);
    std::printf("%-20s %-48s %12s %12s %10s  %s\n", "operation", "what", "median CPU", "median wall", "budget",
                "result");
    for (const Pomiar &p : kPomiary) {
        const auto blad = zbieracz.bledy.find(p.nazwa);
        const auto mediana = zbieracz.mediany.find(p.nazwa);
        if (blad != zbieracz.bledy.end()) {
            std::printf("%-20s %-48s %12s %12s %7.0f us  ERROR: %s\n", p.nazwa, p.opis, "-", "-", p.budzetUs,
                        blad->second.c_str());
            wszystkoWBudzecie = false;
        } else if (mediana == zbieracz.mediany.end()) {
            std::printf("%-20s %-48s %12s %12s %7.0f us  %s\n", p.nazwa, p.opis, "-", "-", p.budzetUs,
                        wybrane ? "not selected" : "NOT RUN");
            wszystkoWBudzecie = wszystkoWBudzecie && wybrane;
        } else {
            const bool ok = mediana->second.cpuUs <= p.budzetUs;
            std::printf("%-20s %-48s %9.2f us %9.2f us %7.0f us  %s\n", p.nazwa, p.opis, mediana->second.cpuUs,
                        mediana->second.zegarUs, p.budzetUs, ok ? "OK" : "MISSED");
            wszystkoWBudzecie = wszystkoWBudzecie && ok;
        }
    }
    std::printf("%s\n", wszystkoWBudzecie ? "All core budgets met." : "Some core budget MISSED.");
    return wszystkoWBudzecie ? EXIT_SUCCESS : EXIT_FAILURE;
}
