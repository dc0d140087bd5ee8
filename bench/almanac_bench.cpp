// Time to compute the 37 cells of one month of the perpetual calendar (logic only, no window).
#include "calendar/almanac.h"

#include <benchmark/benchmark.h>

namespace {

using namespace std::chrono;

// Walks the months of the almanac's years so that every kind of month, with or without a leap month, is measured.
void BM_AlmanacMonthGrid(benchmark::State &state) {
    int index = 0;
    constexpr int kMonths = (mingshu::calendar::kAlmanacLastYear - mingshu::calendar::kAlmanacFirstYear + 1) * 12;
    for (auto _ : state) {
        const int y = mingshu::calendar::kAlmanacFirstYear + index / 12;
        const unsigned m = static_cast<unsigned>(index % 12) + 1;
        auto view = mingshu::calendar::BuildAlmanacMonth(year{y} / month{m} / day{15});
        benchmark::DoNotOptimize(view);
        index = (index + 1) % kMonths;
    }
}
BENCHMARK(BM_AlmanacMonthGrid);

// One month with a leap month start, 除夕 and festivals: May 2001.
void BM_AlmanacMonthGridMay2001(benchmark::State &state) {
    for (auto _ : state) {
        auto view = mingshu::calendar::BuildAlmanacMonth(year{2001} / May / day{23});
        benchmark::DoNotOptimize(view);
    }
}
BENCHMARK(BM_AlmanacMonthGridMay2001);

} // namespace
