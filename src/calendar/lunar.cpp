// Lunar conversion from a table of month lengths and leap months, one 16-bit word per lunar year.
#include "calendar/lunar.h"

#include <array>
#include <bit>
#include <cstdint>

namespace mingshu::calendar {
namespace {

constexpr int kFirstYear = 1900;
constexpr int kLastYear = 2100;

// Bits 15…4: months 1…12, set = 30 days. Bits 3…0: the leap month, 0 or F for none; F also marks that the
// previous year's leap month has 30 days. The words of 1906, 1914, 2089 and 2097 follow the observatory
// tables, which put the new moons of several months a day apart from the older published words.
constexpr std::array<std::uint16_t, 201> kLunarInfo = {
    0x4BD8, 0x4AE0, 0xA570, 0x54D5, 0xD260, 0xD950, 0x6554, 0x56AF, 0x9AD0, 0x55D2, // 1900
    0x4AE0, 0xA5B6, 0xA4D0, 0xD250, 0xD255, 0xB54F, 0xD6A0, 0xADA2, 0x95B0, 0x4977, // 1910
    0x497F, 0xA4B0, 0xB4B5, 0x6A50, 0x6D40, 0xAB54, 0x2B6F, 0x9570, 0x52F2, 0x4970, // 1920
    0x6566, 0xD4A0, 0xEA50, 0x6A95, 0x5ADF, 0x2B60, 0x86E3, 0x92EF, 0xC8D7, 0xC95F, // 1930
    0xD4A0, 0xD8A6, 0xB55F, 0x56A0, 0xA5B4, 0x25DF, 0x92D0, 0xD2B2, 0xA950, 0xB557, // 1940
    0x6CA0, 0xB550, 0x5355, 0x4DAF, 0xA5B0, 0x4573, 0x52BF, 0xA9A8, 0xE950, 0x6AA0, // 1950
    0xAEA6, 0xAB50, 0x4B60, 0xAAE4, 0xA570, 0x5260, 0xF263, 0xD950, 0x5B57, 0x56A0, // 1960
    0x96D0, 0x4DD5, 0x4AD0, 0xA4D0, 0xD4D4, 0xD250, 0xD558, 0xB540, 0xB6A0, 0x95A6, // 1970
    0x95BF, 0x49B0, 0xA974, 0xA4B0, 0xB27A, 0x6A50, 0x6D40, 0xAF46, 0xAB60, 0x9570, // 1980
    0x4AF5, 0x4970, 0x64B0, 0x74A3, 0xEA50, 0x6B58, 0x5AC0, 0xAB60, 0x96D5, 0x92E0, // 1990
    0xC960, 0xD954, 0xD4A0, 0xDA50, 0x7552, 0x56A0, 0xABB7, 0x25D0, 0x92D0, 0xCAB5, // 2000
    0xA950, 0xB4A0, 0xBAA4, 0xAD50, 0x55D9, 0x4BA0, 0xA5B0, 0x5176, 0x52BF, 0xA930, // 2010
    0x7954, 0x6AA0, 0xAD50, 0x5B52, 0x4B60, 0xA6E6, 0xA4E0, 0xD260, 0xEA65, 0xD530, // 2020
    0x5AA0, 0x76A3, 0x96D0, 0x4AFB, 0x4AD0, 0xA4D0, 0xD0B6, 0xD25F, 0xD520, 0xDD45, // 2030
    0xB5A0, 0x56D0, 0x55B2, 0x49B0, 0xA577, 0xA4B0, 0xAA50, 0xB255, 0x6D2F, 0xADA0, // 2040
    0x4B63, 0x937F, 0x49F8, 0x4970, 0x64B0, 0x68A6, 0xEA5F, 0x6B20, 0xA6C4, 0xAAEF, // 2050
    0x92E0, 0xD2E3, 0xC960, 0xD557, 0xD4A0, 0xDA50, 0x5D55, 0x56A0, 0xA6D0, 0x55D4, // 2060
    0x52D0, 0xA9B8, 0xA950, 0xB4A0, 0xB6A6, 0xAD50, 0x55A0, 0xABA4, 0xA5B0, 0x52B0, // 2070
    0xB273, 0x6930, 0x7337, 0x6AA0, 0xAD50, 0x4B55, 0x4B6F, 0xA570, 0x54E4, 0xD160, // 2080
    0xE968, 0xD520, 0xDAA0, 0x6AA6, 0x56DF, 0x4AE0, 0xA9D4, 0xA2D0, 0xD150, 0xF252, // 2090
    0xD520,                                                                         // 2100
};

constexpr std::array<const char *, 10> kStemNames = {"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
constexpr std::array<const char *, 12> kBranchNames = {"子", "丑", "寅", "卯", "辰", "巳",
                                                       "午", "未", "申", "酉", "戌", "亥"};
constexpr std::array<const char *, 12> kAnimalNames = {"鼠", "牛", "虎", "兔", "龙", "蛇",
                                                       "马", "羊", "猴", "鸡", "狗", "猪"};
constexpr std::array<const char *, 11> kNumeralNames = {"", "一", "二", "三", "四", "五", "六", "七", "八", "九", "十"};

std::uint16_t Info(int year) {
    return kLunarInfo[static_cast<std::size_t>(year - kFirstYear)];
}

} // namespace

int LeapMonth(int year) {
    int v = Info(year) & 0xF;
    return v == 0xF ? 0 : v;
}

int LeapMonthDays(int year) {
    if (LeapMonth(year) == 0)
        return 0;
    return (year < kLastYear && (Info(year + 1) & 0xF) == 0xF) ? 30 : 29;
}

int LunarMonthDays(int year, int month) {
    unsigned mask = month <= 1 ? 0x8000u : 0x8000u >> (month - 1);
    return (Info(year) & mask) ? 30 : 29;
}

int LunarYearDays(int year) {
    return 348 + std::popcount(static_cast<unsigned>(Info(year) & 0xFFF0)) + LeapMonthDays(year);
}

LunarDate SolarToLunar(std::chrono::year_month_day date) {
    using namespace std::chrono;
    constexpr year_month_day first{year{1900}, January, day{31}};
    constexpr year_month_day end{year{2101}, January, day{1}};
    if (!date.ok() || date < first || date >= end)
        return {};
    int offset = (sys_days{date} - sys_days{first}).count();

    int y = kFirstYear, n = 0;
    while (offset > 0) {
        n = LunarYearDays(y);
        ++y;
        offset -= n;
    }
    if (offset < 0) {
        offset += n;
        --y;
    }

    int leap = LeapMonth(y);
    bool is_leap = false;
    int m = 0;
    while (offset >= 0) {
        ++m;
        n = LunarMonthDays(y, m);
        offset -= n;
        if (offset >= 0 && m == leap) {
            n = LeapMonthDays(y);
            offset -= n;
            if (offset < 0)
                is_leap = true;
        }
    }
    offset += n;
    return {y, m, offset + 1, is_leap};
}

std::string GanZhiYearName(int index) {
    if (index < 0)
        return {};
    return std::string(kStemNames[index % 10]) + kBranchNames[index % 12] + "(" + kAnimalNames[index % 12] + "年)";
}

std::string LunarMonthName(int month, bool leap) {
    std::string name;
    if (month >= 1 && month <= 10)
        name = kNumeralNames[month];
    else if (month == 11 || month == 12)
        name = std::string("十") + kNumeralNames[month - 10];
    if (leap)
        name = "闰" + name;
    return name + "月";
}

std::string LunarDayName(int day) {
    if (day >= 1 && day <= 10)
        return std::string("初") + kNumeralNames[day];
    if (day >= 11 && day <= 19)
        return std::string("十") + kNumeralNames[day - 10];
    if (day == 20)
        return "二十";
    if (day >= 21 && day <= 29)
        return std::string("廿") + kNumeralNames[day - 20];
    if (day == 30)
        return "三十";
    return {};
}

} // namespace mingshu::calendar
