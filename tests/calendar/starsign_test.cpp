// Star signs by date, including the boundaries and a time of day on a boundary.
#include "calendar/starsign.h"

#include <gtest/gtest.h>

using namespace mingshu::calendar;
using namespace std::chrono;

namespace {
year_month_day D(int y, unsigned m, unsigned d) {
    return year_month_day{year{y}, month{m}, day{d}};
}

TEST(StarSign, Boundaries) {
    const std::pair<year_month_day, const char *> cases[] = {
        {D(1980, 1, 1), "摩羯座"},  {D(1980, 12, 22), "摩羯座"}, {D(1980, 12, 21), "射手座"},
        {D(2008, 2, 29), "双鱼座"}, {D(2000, 5, 20), "金牛座"},  {D(2000, 5, 21), "双子座"},
        {D(2001, 1, 19), "摩羯座"}, {D(2001, 1, 20), "水瓶座"},  {D(2001, 12, 31), "摩羯座"},
    };
    for (auto [date, name] : cases)
        EXPECT_EQ(GetStarSign(date), name);
}

TEST(StarSign, EveryDayOfALeapYearHasASign) {
    for (sys_days d = sys_days{D(2024, 1, 1)}; d <= sys_days{D(2024, 12, 31)}; d += days{1})
        EXPECT_FALSE(GetStarSign(year_month_day{d}).empty());
}

TEST(StarSign, NoonOnTheLastDayOfARangeFallsBetweenRanges) {
    EXPECT_EQ(GetStarSign(D(1980, 1, 19), 12 * 3600), "");
    EXPECT_EQ(GetStarSign(D(1980, 1, 18), 12 * 3600), "摩羯座");
}
} // namespace
