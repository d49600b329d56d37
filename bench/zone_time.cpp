// The cost of evaluating a zone (construct a CZoneTime and Update it), over
// all 265 zones, side by side with glibc's localtime_r for an equivalent IANA
// zone. Prints the ratio of the two per-evaluation medians at the end; the
// goal is at most 0.5.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <map>
#include <string>

#include "Tzbase.h"
#include "ZoneTime.h"

namespace {

void ZoneEvaluation(benchmark::State& state) {
  const int32_t count = TB_ZoneCount();
  for (auto _ : state) {
    const int32_t now = static_cast<int32_t>(std::time(nullptr));
    for (int32_t i = 0; i < count; ++i) {
      CZoneTime zoneTime(*TB_GetZone(i));
      benchmark::DoNotOptimize(zoneTime.Update(now));
    }
  }
  state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(ZoneEvaluation)->Repetitions(9)->ReportAggregatesOnly(true);

void GlibcLocaltime(benchmark::State& state) {
  setenv("TZ", "Europe/London", 1);
  tzset();
  const int32_t count = TB_ZoneCount();
  for (auto _ : state) {
    const time_t now = std::time(nullptr);
    for (int32_t i = 0; i < count; ++i) {
      std::tm parts;
      benchmark::DoNotOptimize(localtime_r(&now, &parts));
    }
  }
  state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(GlibcLocaltime)->Repetitions(9)->ReportAggregatesOnly(true);

// Keeps the medians so the ratio can be printed after the run.
class MedianReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.aggregate_name == "median")
        medians[run.run_name.function_name] = run.GetAdjustedCPUTime();
    }
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, double> medians;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  MedianReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  const double ours = reporter.medians["ZoneEvaluation"];
  const double glibc = reporter.medians["GlibcLocaltime"];
  if (ours > 0 && glibc > 0) {
    std::printf(
        "zone evaluation / localtime_r (median CPU time per 265 calls): %.3f (goal <= 0.5)\n",
        ours / glibc);
  }
  return 0;
}
