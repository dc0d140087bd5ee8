// Time of single content lookups as the program makes them: open the file, run the statement, close.
// Run from the build folder after a build; it reads the databases of the program directory.
#include "common/fake_platform.h"
#include "content/database.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace mingshu::content;

// The stroke lookup of one character: a `like` scan that stops at the first matching row.
void StrokeLookup(benchmark::State &state, const std::string &hanzi) {
    mingshu::testing::RecordingPlatform platform;
    const std::string statement = "Select num from bihua where hanzi like " + QuoteLiteral("%" + hanzi + "%");
    for (auto _ : state) {
        auto row = LookupRow(FileDbConnectionString(), statement);
        benchmark::DoNotOptimize(row);
    }
}

// 张 stands among the common characters at the front of the table; 﨩 is the last row; "A" is in no row,
// so the scan reads the whole table, as for any character the table lacks.
void BM_BihuaLookup_Zhang(benchmark::State &state) {
    StrokeLookup(state, "张");
}
void BM_BihuaLookup_LastRow(benchmark::State &state) {
    StrokeLookup(state, "﨩");
}
void BM_BihuaLookup_NoRow(benchmark::State &state) {
    StrokeLookup(state, "A");
}

// One grid reading: the keyed statement on namefx through a query object, then the descrambler.
void BM_NamefxLookup(benchmark::State &state) {
    mingshu::testing::RecordingPlatform platform;
    for (auto _ : state) {
        Query query(FileDbConnectionString());
        query.Open("Select content from namefx where num = " + QuoteLiteral(std::to_string(23)));
        std::string reading =
            query.IsEmpty() ? std::string() : DescrambleText(query.Text(0), kScrambleKey, kScrambleRounds);
        query.Close();
        benchmark::DoNotOptimize(reading);
    }
}

BENCHMARK(BM_BihuaLookup_Zhang)->Repetitions(9)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BihuaLookup_LastRow)->Repetitions(9)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BihuaLookup_NoRow)->Repetitions(9)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_NamefxLookup)->Repetitions(9)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);

} // namespace
