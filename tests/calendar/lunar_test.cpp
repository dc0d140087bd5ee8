// Lunar conversion and the names of lunar years, months and days.
#include "calendar/lunar.h"

#include <gtest/gtest.h>

using namespace mingshu::calendar;
using namespace std::chrono;

namespace {

year_month_day D(int y, unsigned m, unsigned d) {
    return year_month_day{year{y}, month{m}, day{d}};
}

std::string Names(const LunarDate &l) {
    return GanZhiYearName(l.Year - 1864) + " " + LunarMonthName(l.Month, l.IsLeap) + " " + LunarDayName(l.Day);
}

struct Case {
    year_month_day date;
    LunarDate lunar;
    const char *names;
};

TEST(SolarToLunar, KnownDates) {
    const Case cases[] = {
        {D(1900, 1, 31), {1900, 1, 1, false}, "庚子(鼠年) 一月 初一"},
        {D(1980, 1, 1), {1979, 11, 14, false}, "己未(羊年) 十一月 十四"},
        {D(1980, 2, 16), {1980, 1, 1, false}, "庚申(猴年) 一月 初一"},
        {D(2000, 2, 5), {2000, 1, 1, false}, "庚辰(龙年) 一月 初一"},
        {D(1906, 5, 23), {1906, 4, 1, true}, "丙午(马年) 闰四月 初一"},
        {D(1984, 11, 23), {1984, 10, 1, true}, "甲子(鼠年) 闰十月 初一"},
        {D(2017, 7, 23), {2017, 6, 1, true}, "丁酉(鸡年) 闰六月 初一"},
        {D(2023, 3, 22), {2023, 2, 1, true}, "癸卯(兔年) 闰二月 初一"},
        {D(2033, 12, 22), {2033, 11, 1, true}, "癸丑(牛年) 闰十一月 初一"},
        {D(2100, 12, 31), {2100, 12, 1, false}, "庚申(猴年) 十二月 初一"},
        // Months whose new moons the corrected year words of 1906 and 1914 put right.
        {D(1906, 4, 23), {1906, 3, 30, false}, "丙午(马年) 三月 三十"},
        {D(1914, 11, 17), {1914, 10, 1, false}, "甲寅(虎年) 十月 初一"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(Names(c.lunar));
        LunarDate got = SolarToLunar(c.date);
        EXPECT_EQ(got, c.lunar);
        EXPECT_EQ(Names(got), c.names);
    }
}

TEST(SolarToLunar, OutsideTheTableIsAllZero) {
    for (auto d : {D(1900, 1, 30), D(2101, 1, 1), D(1800, 6, 1)})
        EXPECT_EQ(SolarToLunar(d), LunarDate{});
    EXPECT_EQ(GanZhiYearName(-1864), "");
}

// Walking every day of the table: each day is the next lunar day, or day 1 of the next month after a month of
// exactly its stored length, and the year changes only after the twelfth month.
TEST(SolarToLunar, EveryDayFollowsTheDayBefore) {
    LunarDate prev = SolarToLunar(D(1900, 1, 31));
    for (sys_days d = sys_days{D(1900, 2, 1)}; d <= sys_days{D(2100, 12, 31)}; d += days{1}) {
        LunarDate cur = SolarToLunar(year_month_day{d});
        if (cur.Day == prev.Day + 1 && cur.Month == prev.Month && cur.IsLeap == prev.IsLeap && cur.Year == prev.Year) {
            prev = cur;
            continue;
        }
        ASSERT_EQ(cur.Day, 1) << "at " << static_cast<int>(year_month_day{d}.year());
        int expected_length = prev.IsLeap ? LeapMonthDays(prev.Year) : LunarMonthDays(prev.Year, prev.Month);
        ASSERT_EQ(prev.Day, expected_length);
        if (!prev.IsLeap && LeapMonth(prev.Year) == prev.Month) {
            ASSERT_TRUE(cur.IsLeap);
            ASSERT_EQ(cur.Month, prev.Month);
        } else if (prev.Month == 12) {
            ASSERT_EQ(cur.Year, prev.Year + 1);
            ASSERT_EQ(cur.Month, 1);
        } else {
            ASSERT_EQ(cur.Year, prev.Year);
            ASSERT_EQ(cur.Month, prev.Month + 1);
            ASSERT_FALSE(cur.IsLeap);
        }
        prev = cur;
    }
}

TEST(LunarTables, YearLengthsAndLeapMonths) {
    EXPECT_EQ(LunarYearDays(1900), 384);
    EXPECT_EQ(LeapMonth(1900), 8);
    EXPECT_EQ(LeapMonthDays(1900), 29);
    EXPECT_EQ(LeapMonth(1906), 4);
    EXPECT_EQ(LeapMonthDays(1906), 30); // 1907's word ends in F
    EXPECT_EQ(LeapMonth(1907), 0);
    EXPECT_EQ(LeapMonth(2100), 0);
}

TEST(LunarNames, MonthAndDayNames) {
    EXPECT_EQ(LunarMonthName(1, false), "一月");
    EXPECT_EQ(LunarMonthName(11, false), "十一月");
    EXPECT_EQ(LunarMonthName(12, true), "闰十二月");
    EXPECT_EQ(LunarMonthName(0, false), "月");
    const std::pair<int, const char *> days[] = {{1, "初一"},  {10, "初十"}, {11, "十一"}, {19, "十九"}, {20, "二十"},
                                                 {21, "廿一"}, {29, "廿九"}, {30, "三十"}, {0, ""},      {31, ""}};
    for (auto [d, name] : days)
        EXPECT_EQ(LunarDayName(d), name) << d;
    EXPECT_EQ(GanZhiYearName(0), "甲子(鼠年)");
    EXPECT_EQ(GanZhiYearName(59), "癸亥(猪年)");
}

} // namespace
