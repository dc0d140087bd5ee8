// The almanac behind the perpetual calendar: lunar dates, solar terms, festivals, zodiac years and star signs
// of the solar years 1901 to 2050, and the 37 cells of one month's grid.
#pragma once

#include <array>
#include <chrono>
#include <string>

namespace mingshu::calendar {

using AlmanacDate = std::chrono::year_month_day;

// The solar years the almanac tables cover.
constexpr int kAlmanacFirstYear = 1901;
constexpr int kAlmanacLastYear = 2050;

// Windows colour values (red in the low byte) of the lunar labels of the month grid.
constexpr int kColourLunarDay = 16384;     // dark green: an ordinary lunar day
constexpr int kColourLunarMonth = 255;     // red: the first day of a lunar month
constexpr int kColourFestival = 33023;     // orange: a solar or lunar festival
constexpr int kColourSolarTerm = 16733011; // light blue: a solar term

// Year, month and day of a date.
int AlmanacYear(AlmanacDate date);
int AlmanacMonth(AlmanacDate date);
int AlmanacDay(AlmanacDate date);
// 1 for 1 January.
int AlmanacDayOfYear(AlmanacDate date);

// The lunar month and day as one number: month × 100 + day, negative in a leap month, 0 outside 1901–2050.
int AlmanacLunarDate(AlmanacDate date);
// "正月" … "腊月"; a leap month is "闰" + the month's name without "月" ("闰四"); empty outside 1901–2050.
std::string AlmanacMonthName(AlmanacDate date);
// "初一" … "三十"; empty outside 1901–2050.
std::string AlmanacDayName(AlmanacDate date);
// "春节", "元宵节", … or "除夕" on the last day before 正月; empty on any other day.
std::string AlmanacLunarFestival(AlmanacDate date);
// "子鼠" … "亥猪": the lunar year the date belongs to.
std::string AlmanacZodiacYear(AlmanacDate date);
// "小寒" … "冬至" on the day of a solar term, else empty.
std::string AlmanacSolarTerm(AlmanacDate date);
// 1 to 24 for the solar term on that day, 0 for none (and for years outside 1901–2050).
int AlmanacSolarTermIndex(int year, int month, int day);
// The solar festival of day `day` of the date's month, or empty. Throws CommandError for a day the month lacks.
std::string AlmanacSolarFestival(int day, AlmanacDate date);
// The star sign of day `day` of the date's month. Throws CommandError for a day the month lacks.
std::string AlmanacStarSignOfDay(int day, AlmanacDate date);
// "摩羯座" … "射手座" by month and day.
std::string AlmanacStarSign(AlmanacDate date);

// Names by number: lunar month name of an encoded lunar date (empty for 0), lunar day name 1–30, solar term 1–24.
std::string AlmanacMonthNameOfCode(int lunar_code);
std::string AlmanacDayNameOfNumber(int day);
std::string AlmanacSolarTermName(int index);

// One cell of the month grid: the solar day (0 for an empty cell) and what its lunar label shows.
struct AlmanacCell {
    int day = 0;
    std::string lunar_text;
    int colour = kColourLunarDay;
};

// What the calendar window shows for a date: the month's 37 cells (Sunday first), the highlighted cell and the
// year's zodiac name and the day's star sign.
struct AlmanacMonthView {
    std::array<AlmanacCell, 37> cells;
    int first_cell = 0;    // index (0-based) of day 1
    int days = 0;          // length of the month
    int selected_cell = 0; // index of the date's own day
    std::string zodiac_year;
    std::string star_sign;
};

// The lunar label shows, by rising priority: the lunar day, the lunar month on its first day, a solar festival,
// a solar term, a lunar festival. Only for dates of 1901–2050.
AlmanacMonthView BuildAlmanacMonth(AlmanacDate date);

} // namespace mingshu::calendar
