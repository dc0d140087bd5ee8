// Checks of the almanac: lunar dates and names, solar terms, festivals, zodiac years, star signs, month grid.
#include "calendar/almanac.h"
#include "calendar/lunar.h"
#include "common/errors.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

using namespace std::chrono;
using namespace mingshu::calendar;

year_month_day D(int y, unsigned m, unsigned d) {
    return year{y} / month{m} / day{d};
}

std::string Text(year_month_day d) {
    return std::to_string(static_cast<int>(d.year())) + "-" + std::to_string(static_cast<unsigned>(d.month())) + "-" +
           std::to_string(static_cast<unsigned>(d.day()));
}

struct DayCase {
    year_month_day date;
    int code;
    const char *month_name;
    const char *day_name;
    const char *lunar_festival;
    const char *solar_term;
    const char *zodiac;
};

TEST(Almanac, KnownDaysGiveTheirLunarDateNamesFestivalTermAndZodiacYear) {
    const DayCase cases[] = {
        {D(1901, 1, 1), 1111, "冬月", "十一", "", "", "子鼠"},
        {D(1901, 2, 18), 1230, "腊月", "三十", "除夕", "", "子鼠"},
        {D(1901, 2, 19), 101, "正月", "初一", "春节", "雨水", "丑牛"},
        {D(2000, 2, 4), 1229, "腊月", "廿九", "除夕", "立春", "卯兔"},
        {D(2000, 2, 5), 101, "正月", "初一", "春节", "", "辰龙"},
        {D(2001, 5, 23), -401, "闰四", "初一", "", "", "巳蛇"},
        {D(2001, 6, 20), -429, "闰四", "廿九", "", "", "巳蛇"},
        {D(2001, 6, 21), 501, "五月", "初一", "", "夏至", "巳蛇"},
        // A leap 11th month that began in 2033 runs over the new year; the lunar year is still 2033's.
        {D(2033, 12, 22), -1101, "闰冬", "初一", "", "", "丑牛"},
        {D(2034, 1, 1), -1111, "闰冬", "十一", "", "", "丑牛"},
        {D(2008, 2, 4), 1228, "腊月", "廿八", "", "立春", "亥猪"},
        {D(2008, 12, 21), 1124, "冬月", "廿四", "", "冬至", "子鼠"},
        {D(2008, 1, 15), 1208, "腊月", "初八", "腊八节", "", "亥猪"},
        {D(2008, 2, 7), 101, "正月", "初一", "春节", "", "子鼠"},
        {D(2008, 2, 21), 115, "正月", "十五", "元宵节", "", "子鼠"},
        {D(2008, 6, 8), 505, "五月", "初五", "端午节", "", "子鼠"},
        {D(2008, 8, 7), 707, "七月", "初七", "七夕节", "立秋", "子鼠"},
        {D(2008, 9, 14), 815, "八月", "十五", "中秋节", "", "子鼠"},
        {D(2008, 10, 7), 909, "九月", "初九", "重阳节", "", "子鼠"},
        {D(2050, 12, 31), 1118, "冬月", "十八", "", "", "午马"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(Text(c.date));
        EXPECT_EQ(AlmanacLunarDate(c.date), c.code);
        EXPECT_EQ(AlmanacMonthName(c.date), c.month_name);
        EXPECT_EQ(AlmanacDayName(c.date), c.day_name);
        EXPECT_EQ(AlmanacLunarFestival(c.date), c.lunar_festival);
        EXPECT_EQ(AlmanacSolarTerm(c.date), c.solar_term);
        EXPECT_EQ(AlmanacZodiacYear(c.date), c.zodiac);
    }
    EXPECT_EQ(AlmanacSolarTermIndex(2008, 2, 4), 3);
    EXPECT_EQ(AlmanacSolarTermIndex(2008, 12, 21), 24);
    EXPECT_EQ(AlmanacSolarTermIndex(2008, 12, 20), 0);
}

TEST(Almanac, LunarDatesAgreeWithTheBirthProfileConversionOnEveryDay) {
    // Two tables of different layout, kept by different hands: a slip in either shows up here.
    int mismatches = 0;
    for (sys_days d = sys_days{D(1901, 1, 1)}; d <= sys_days{D(2050, 12, 31)}; d += days{1}) {
        const year_month_day date{d};
        const LunarDate lunar = SolarToLunar(date);
        const int expected = (lunar.IsLeap ? -1 : 1) * (lunar.Month * 100 + lunar.Day);
        if (AlmanacLunarDate(date) != expected && ++mismatches <= 5)
            ADD_FAILURE() << Text(date) << ": almanac " << AlmanacLunarDate(date) << ", conversion " << expected;
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(Almanac, CorrectedNewMoonsOf1989And2013) {
    EXPECT_EQ(AlmanacLunarDate(D(1989, 8, 1)), 630);
    EXPECT_EQ(AlmanacDayName(D(1989, 8, 1)), "三十");
    EXPECT_EQ(AlmanacLunarDate(D(1989, 8, 2)), 701);
    EXPECT_EQ(AlmanacMonthName(D(1989, 8, 2)), "七月");
    EXPECT_EQ(AlmanacLunarDate(D(1989, 8, 30)), 729);
    EXPECT_EQ(AlmanacLunarDate(D(2013, 6, 7)), 429);
    EXPECT_EQ(AlmanacLunarDate(D(2013, 6, 8)), 501);
    EXPECT_EQ(AlmanacLunarDate(D(2013, 6, 12)), 505);
    EXPECT_EQ(AlmanacLunarFestival(D(2013, 6, 12)), "端午节");
    // The rest of both years is unchanged: their last days and the next new year.
    EXPECT_EQ(AlmanacLunarDate(D(1989, 12, 31)), 1204);
    EXPECT_EQ(AlmanacLunarDate(D(2013, 12, 31)), 1129);
    EXPECT_EQ(AlmanacLunarFestival(D(2014, 1, 30)), "除夕");
}

TEST(Almanac, CorrectedSolarTermsFallOnTheirDay) {
    struct Case {
        year_month_day day;
        year_month_day old_day;
        const char *term;
    };
    const Case cases[] = {
        {D(1904, 10, 9), D(1904, 10, 8), "寒露"},   {D(1929, 10, 9), D(1929, 10, 8), "寒露"},
        {D(1929, 11, 23), D(1929, 11, 22), "小雪"}, {D(1949, 8, 23), D(1949, 8, 24), "处暑"},
        {D(1954, 10, 24), D(1954, 10, 23), "霜降"}, {D(1962, 1, 20), D(1962, 1, 21), "大寒"},
        {D(1973, 2, 19), D(1973, 2, 20), "雨水"},   {D(1976, 8, 23), D(1976, 8, 24), "处暑"},
        {D(1977, 5, 5), D(1977, 5, 6), "立夏"},     {D(1981, 11, 7), D(1981, 11, 8), "立冬"},
        {D(1991, 5, 6), D(1991, 5, 7), "立夏"},     {D(1995, 8, 23), D(1995, 8, 21), "处暑"},
        {D(2033, 7, 22), D(2033, 7, 23), "大暑"},   {D(2034, 8, 7), D(2034, 8, 8), "立秋"},
        {D(2049, 4, 4), D(2049, 4, 5), "清明"},     {D(2049, 4, 19), D(2049, 4, 20), "谷雨"},
        {D(2050, 9, 7), D(2050, 9, 8), "白露"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(Text(c.day));
        EXPECT_EQ(AlmanacSolarTerm(c.day), c.term);
        EXPECT_EQ(AlmanacSolarTerm(c.old_day), "");
    }
}

TEST(Almanac, EveryMonthHasTwoSolarTermsInTheirWindows) {
    for (int y = kAlmanacFirstYear; y <= kAlmanacLastYear; ++y)
        for (int m = 1; m <= 12; ++m) {
            std::vector<int> found;
            for (int d = 1; d <= 31; ++d)
                if (int index = AlmanacSolarTermIndex(y, m, d)) {
                    found.push_back(d);
                    EXPECT_EQ(index, d < 15 ? 2 * m - 1 : 2 * m) << y << "-" << m << "-" << d;
                }
            ASSERT_EQ(found.size(), 2u) << y << "-" << m;
            EXPECT_TRUE(found[0] >= 3 && found[0] <= 9) << y << "-" << m;
            EXPECT_TRUE(found[1] >= 18 && found[1] <= 24) << y << "-" << m;
        }
}

TEST(Almanac, DatesOutsideTheTablesHaveNoLunarDateOrTerm) {
    for (auto date : {D(1900, 12, 31), D(2051, 1, 1), D(1600, 6, 1)}) {
        SCOPED_TRACE(Text(date));
        EXPECT_EQ(AlmanacLunarDate(date), 0);
        EXPECT_EQ(AlmanacMonthName(date), "");
        EXPECT_EQ(AlmanacDayName(date), "");
        EXPECT_EQ(AlmanacSolarTerm(date), "");
        EXPECT_EQ(AlmanacLunarFestival(date), "");
    }
    EXPECT_EQ(AlmanacLunarFestival(D(2050, 12, 31)), "");
    EXPECT_EQ(AlmanacZodiacYear(D(2051, 1, 1)), "未羊");
}

TEST(Almanac, NewYearsEveIsTheDayBeforeEveryFirstMonth) {
    int eves = 0;
    for (sys_days d = sys_days{D(1901, 1, 1)}; d <= sys_days{D(2050, 12, 31)}; d += days{1}) {
        const year_month_day date{d};
        if (AlmanacLunarFestival(date) != "除夕")
            continue;
        ++eves;
        EXPECT_EQ(AlmanacLunarDate(year_month_day{d + days{1}}), 101) << Text(date);
        EXPECT_GT(AlmanacLunarDate(date), 1200) << Text(date);
    }
    // One in every solar year: from 1901-02-18 to 2050-01-22.
    EXPECT_EQ(eves, 150);
}

TEST(Almanac, FestivalsNeverFallInALeapMonth) {
    EXPECT_EQ(AlmanacLunarDate(D(2009, 6, 27)), -505); // 闰五月初五
    EXPECT_EQ(AlmanacLunarFestival(D(2009, 6, 27)), "");
    EXPECT_EQ(AlmanacLunarFestival(D(2009, 5, 28)), "端午节");
    EXPECT_EQ(AlmanacLunarDate(D(2006, 8, 30)), -707); // 闰七月初七
    EXPECT_EQ(AlmanacLunarFestival(D(2006, 8, 30)), "");
    EXPECT_EQ(AlmanacLunarDate(D(2033, 12, 29)), -1108); // 闰冬月 then 腊月初八
    EXPECT_EQ(AlmanacLunarFestival(D(2033, 12, 29)), "");
}

TEST(Almanac, WeekdayFestivalsFallOnTheirNthWeekday) {
    // Second Sunday of May, third Sunday of June, fourth Thursday of November.
    const std::map<int, std::array<int, 3>> days_by_year = {
        {2008, {11, 15, 27}}, {2026, {10, 21, 26}}, {2015, {10, 21, 26}}, {1901, {12, 16, 28}}, {2050, {8, 19, 24}},
    };
    for (const auto &[y, expected] : days_by_year) {
        SCOPED_TRACE(y);
        const std::array<std::pair<unsigned, const char *>, 3> festivals = {
            {{5, "母亲节"}, {6, "父亲节"}, {11, "感恩节"}}};
        for (std::size_t i = 0; i < 3; ++i) {
            const auto [m, name] = festivals[i];
            for (int d = 1; d <= 30; ++d) {
                const std::string got = AlmanacSolarFestival(d, D(y, m, 1));
                const bool fixed_day = (m == 5 && (d == 1 || d == 4)) || (m == 6 && d == 1) || (m == 11 && d == 8);
                if (d == expected[i])
                    EXPECT_EQ(got, name) << m << "-" << d;
                else if (!fixed_day)
                    EXPECT_EQ(got, "") << m << "-" << d;
            }
        }
    }
    EXPECT_EQ(AlmanacSolarFestival(1, D(2026, 1, 20)), "元旦节");
    EXPECT_EQ(AlmanacSolarFestival(31, D(2026, 10, 1)), "万圣节");
    EXPECT_EQ(AlmanacSolarFestival(25, D(2026, 12, 1)), "圣诞节");
    EXPECT_EQ(AlmanacSolarFestival(24, D(2026, 12, 1)), "");
}

TEST(Almanac, StarSignChangesOnTheFirstDayOfTheLaterSign) {
    const std::array<std::array<const char *, 3>, 12> signs = {{
        {"1-19", "摩羯座", "水瓶座"},
        {"2-18", "水瓶座", "双鱼座"},
        {"3-20", "双鱼座", "白羊座"},
        {"4-19", "白羊座", "金牛座"},
        {"5-20", "金牛座", "双子座"},
        {"6-21", "双子座", "巨蟹座"},
        {"7-22", "巨蟹座", "狮子座"},
        {"8-22", "狮子座", "处女座"},
        {"9-22", "处女座", "天秤座"},
        {"10-23", "天秤座", "天蝎座"},
        {"11-21", "天蝎座", "射手座"},
        {"12-21", "射手座", "摩羯座"},
    }};
    for (unsigned m = 1; m <= 12; ++m) {
        const auto &row = signs[m - 1];
        const unsigned last = static_cast<unsigned>(std::stoi(std::string(row[0]).substr(row[0][1] == '-' ? 2 : 3)));
        SCOPED_TRACE(row[0]);
        EXPECT_EQ(AlmanacStarSign(D(2026, m, 1)), row[1]);
        EXPECT_EQ(AlmanacStarSign(D(2026, m, last)), row[1]);
        EXPECT_EQ(AlmanacStarSign(D(2026, m, last + 1)), row[2]);
        EXPECT_EQ(AlmanacStarSignOfDay(static_cast<int>(last + 1), D(1999, m, 1)), row[2]);
    }
    EXPECT_EQ(AlmanacStarSign(D(1977, 8, 23)), "处女座");
    EXPECT_EQ(AlmanacStarSign(D(2031, 4, 20)), "金牛座");
}

TEST(Almanac, DayNumbersBeyondTheMonthAreRejected) {
    EXPECT_THROW(AlmanacSolarFestival(29, D(2026, 2, 1)), mingshu::CommandError);
    EXPECT_THROW(AlmanacStarSignOfDay(31, D(2026, 4, 1)), mingshu::CommandError);
    EXPECT_THROW(AlmanacStarSignOfDay(0, D(2026, 4, 1)), mingshu::CommandError);
    EXPECT_EQ(AlmanacStarSignOfDay(29, D(2024, 2, 1)), "双鱼座");
}

TEST(Almanac, DayOfYearCountsLeapDays) {
    EXPECT_EQ(AlmanacDayOfYear(D(2026, 1, 1)), 1);
    EXPECT_EQ(AlmanacDayOfYear(D(2026, 3, 1)), 60);
    EXPECT_EQ(AlmanacDayOfYear(D(2024, 3, 1)), 61);
    EXPECT_EQ(AlmanacDayOfYear(D(2000, 12, 31)), 366);
    EXPECT_EQ(AlmanacDayOfYear(D(1900, 12, 31)), 365);
}

TEST(AlmanacMonth, LunarLabelsFollowTheirPriorities) {
    struct Case {
        year_month_day day;
        const char *text;
        int colour;
    };
    const Case cases[] = {
        {D(2026, 2, 3), "十六", kColourLunarDay},
        {D(2026, 2, 4), "立春", kColourSolarTerm},
        {D(2026, 2, 14), "情人节", kColourFestival},
        {D(2026, 2, 16), "除夕", kColourFestival},
        {D(2026, 2, 17), "春节", kColourFestival},
        {D(2026, 2, 18), "雨水", kColourSolarTerm},
        {D(2026, 3, 19), "二月", kColourLunarMonth},
        {D(2001, 5, 23), "闰四", kColourLunarMonth},
        {D(2001, 5, 4), "青年节", kColourFestival},
        {D(1999, 11, 8), "立冬", kColourSolarTerm}, // 十月初一, 记者日 and 立冬
        {D(2020, 6, 21), "夏至", kColourSolarTerm}, // 五月初一, 父亲节 and 夏至
        {D(2010, 2, 14), "春节", kColourFestival},  // 情人节 and 春节
        {D(1992, 2, 4), "春节", kColourFestival},   // 立春 and 春节
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(Text(c.day));
        const AlmanacMonthView view = BuildAlmanacMonth(c.day);
        const AlmanacCell &cell = view.cells[static_cast<std::size_t>(view.selected_cell)];
        EXPECT_EQ(cell.day, static_cast<int>(static_cast<unsigned>(c.day.day())));
        EXPECT_EQ(cell.lunar_text, c.text);
        EXPECT_EQ(cell.colour, c.colour);
    }
}

TEST(AlmanacMonth, CellsStartOnTheWeekdayOfTheFirst) {
    const AlmanacMonthView august = BuildAlmanacMonth(D(2026, 8, 31)); // 1 August 2026 is a Saturday
    EXPECT_EQ(august.first_cell, 6);
    EXPECT_EQ(august.days, 31);
    EXPECT_EQ(august.selected_cell, 36);
    EXPECT_EQ(august.cells[36].day, 31);
    EXPECT_EQ(august.cells[5].day, 0);
    EXPECT_EQ(august.star_sign, "处女座");
    EXPECT_EQ(august.zodiac_year, "午马");

    const AlmanacMonthView february = BuildAlmanacMonth(D(2026, 2, 10)); // a Sunday, common year
    EXPECT_EQ(february.first_cell, 0);
    EXPECT_EQ(february.days, 28);
    EXPECT_EQ(february.cells[27].day, 28);
    EXPECT_EQ(february.cells[28].day, 0);
    EXPECT_EQ(february.cells[28].lunar_text, "");
    EXPECT_EQ(february.selected_cell, 9);
    EXPECT_EQ(february.star_sign, "水瓶座");
    EXPECT_EQ(february.zodiac_year, "巳蛇"); // still the snake year until 17 February
}

} // namespace
