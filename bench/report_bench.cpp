// The whole combined report for three names, on the real databases, every lookup opening its own connection.
#include "app/combined_report.h"
#include "common/platform.h"
#include "content/database.h"

#include <benchmark/benchmark.h>

namespace {

class BinDirPlatform : public mingshu::ConsolePlatform {
public:
    std::string programDirectory() override { return std::string(MINGSHU_BIN_DIR) + "/"; }
};

void CombinedReport(benchmark::State &state, const char *surname, const char *given) {
    BinDirPlatform platform;
    mingshu::InstallPlatform(&platform);
    mingshu::app::InputBar input;
    input.NameA = surname;
    input.NameB = given;
    mingshu::content::Query query(mingshu::content::FileDbConnectionString());
    for (auto _ : state) {
        mingshu::app::BirthProfile profile;
        mingshu::app::LineReport report;
        bool done = mingshu::app::RunCombinedReport(input, profile, report, query, 2026);
        if (!done || report.lines().size() != 46)
            state.SkipWithError("the report was not written");
        benchmark::DoNotOptimize(report);
    }
    mingshu::InstallPlatform(nullptr);
}

BENCHMARK_CAPTURE(CombinedReport, ZhangSan, "张", "三")
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(CombinedReport, OuyangMingyue, "欧阳", "明月")
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(CombinedReport, SimaGuang, "司马", "光")
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

} // namespace
