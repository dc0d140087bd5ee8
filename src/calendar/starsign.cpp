// Star signs by thirteen fixed month-day ranges (Capricorn wraps across the new year).
#include "calendar/starsign.h"

namespace mingshu::calendar {

const std::array<const char *, 12> kStarSignNames = {"摩羯座", "水瓶座", "双鱼座", "白羊座", "金牛座", "双子座",
                                                     "巨蟹座", "狮子座", "处女座", "天秤座", "天蝎座", "射手座"};

namespace {
struct Range {
    unsigned from_month, from_day, to_month, to_day;
    const char *name;
};
constexpr std::array<Range, 13> kRanges = {{
    {12, 22, 12, 31, "摩羯座"},
    {1, 1, 1, 19, "摩羯座"},
    {1, 20, 2, 18, "水瓶座"},
    {2, 19, 3, 20, "双鱼座"},
    {3, 21, 4, 20, "白羊座"},
    {4, 21, 5, 20, "金牛座"},
    {5, 21, 6, 21, "双子座"},
    {6, 22, 7, 22, "巨蟹座"},
    {7, 23, 8, 22, "狮子座"},
    {8, 23, 9, 22, "处女座"},
    {9, 23, 10, 22, "天秤座"},
    {10, 23, 11, 21, "天蝎座"},
    {11, 22, 12, 21, "射手座"},
}};
} // namespace

std::string GetStarSign(std::chrono::year_month_day date, int seconds_of_day) {
    using namespace std::chrono;
    for (const auto &r : kRanges) {
        year_month_day from{date.year(), month{r.from_month}, day{r.from_day}};
        year_month_day to{date.year(), month{r.to_month}, day{r.to_day}};
        bool after_start = from <= date;
        bool before_end = seconds_of_day == 0 ? date <= to : date < to;
        if (after_start && before_end)
            return r.name;
    }
    return {};
}

} // namespace mingshu::calendar
