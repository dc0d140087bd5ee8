// Solar → lunar conversion (1900-01-31 to 2100-12-31) and the names of lunar years, months and days.
#pragma once

#include <chrono>
#include <string>

namespace mingshu::calendar {

struct LunarDate {
    int Year = 0;
    int Month = 0;
    int Day = 0;
    bool IsLeap = false;
    bool operator==(const LunarDate &) const = default;
};

int LunarYearDays(int year);
int LeapMonth(int year);
int LeapMonthDays(int year);
int LunarMonthDays(int year, int month);
// All fields zero outside 1900-01-31 … 2100-12-31.
LunarDate SolarToLunar(std::chrono::year_month_day date);

// Index 0 is 甲子 (the year 1864): "己未(羊年)". A negative index gives the empty text.
std::string GanZhiYearName(int index);
// "十一月", "闰二月"; a month outside 1–12 gives just "月" (with "闰" before it when leap).
std::string LunarMonthName(int month, bool leap);
// "初一" … "三十"; any other day gives the empty text.
std::string LunarDayName(int day);

} // namespace mingshu::calendar
