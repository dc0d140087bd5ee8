// Pillars from fixed sectional dates: the year changes on 4 February and each month on a fixed day,
// the day pillar from a closed formula over the Gregorian calendar.
#include "chart/birth_chart.h"

#include "common/platform.h"

#include <array>

namespace mingshu::chart {
namespace {

// Stems counted with 甲 = 1 and branches with 子 = 1, both taken modulo their cycle.
constexpr std::array<const char *, 10> kChartStems = {"癸", "甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬"};
constexpr std::array<const char *, 12> kChartBranches = {"亥", "子", "丑", "寅", "卯", "辰",
                                                         "巳", "午", "未", "申", "酉", "戌"};

std::string Pillar(int stem, int branch) {
    return std::string(kChartStems[stem]) + kChartBranches[branch];
}

bool IsLeapYear(int y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

struct Segment {
    int from_key, to_key, branch;
    int month_offset, day_offset; // StartCount = ((month − month_offset) × 30 + day − day_offset) div 3
};
// Birth keys are month × 100 + day. The first row has its own formula: (day + 26) div 3.
constexpr std::array<Segment, 13> kMonthSegments = {{
    {101, 105, 1, 0, 0},
    {106, 203, 2, 1, 6},
    {204, 305, 3, 2, 4},
    {306, 404, 4, 3, 6},
    {405, 504, 5, 4, 5},
    {505, 605, 6, 5, 5},
    {606, 706, 7, 6, 6},
    {707, 807, 8, 7, 7},
    {808, 907, 9, 8, 8},
    {908, 1007, 10, 9, 8},
    {1008, 1106, 11, 10, 8},
    {1107, 1207, 0, 11, 7},
    {1208, 1231, 1, 12, 8},
}};

std::string chart_line, luck_line;

} // namespace

std::optional<ChartLines> ComputeChartLines(int year, int month, int day, int hour, const std::string &sex) {
    bool leap = IsLeapYear(year);
    if ((month == 2 && day > (leap ? 29 : 28)) || ((month == 4 || month == 6 || month == 9 || month == 11) && day > 30))
        return std::nullopt;

    // Input the window never produces (a year before 4, a day below 1, an hour outside 0–23) has no pillars.
    if (year < 4 || day < 1 || hour < 0 || hour > 23)
        return std::nullopt;
    int key = month * 100 + day;
    const Segment *seg = nullptr;
    for (const auto &s : kMonthSegments)
        if (key >= s.from_key && key <= s.to_key)
            seg = &s;
    if (!seg) // month or day outside the calendar: no month pillar exists
        return std::nullopt;
    int start_count =
        seg->from_key == 101 ? (day + 26) / 3 : ((month - seg->month_offset) * 30 + day - seg->day_offset) / 3;
    int month_branch = seg->branch;

    int base_year = key >= 204 ? year - 3 : year - 4;
    int year_stem = base_year % 10, year_branch = base_year % 12;

    int month_stem = month_branch >= 3 ? (2 * year_stem + month_branch + 8) % 10 : (2 * year_stem + month_branch) % 10;

    int e = year - 1;
    int base = 5 * e + e / 4 - e / 100 + e / 400;
    static constexpr std::array<int, 12> kMonthDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int day_of_year = day;
    for (int m = 1; m < month; ++m)
        day_of_year += (m == 2 && leap) ? 29 : kMonthDays[m - 1];
    int day_number = (base + day_of_year + 6015) % 60;
    int day_stem = day_number % 10, day_branch = day_number % 12;

    int hour_branch = ((hour + 3) / 2) % 12;
    int hour_stem = hour_branch != 0 ? (2 * day_stem + hour_branch + 8) % 10 : (2 * day_stem) % 10;

    bool male = sex == "男";
    int start_age = male ? 10 - start_count : start_count;

    ChartLines lines;
    lines.chart = "八字：" + Pillar(year_stem, year_branch) + " " + Pillar(month_stem, month_branch) + " " +
                  Pillar(day_stem, day_branch) + " " + Pillar(hour_stem, hour_branch) + " " +
                  std::to_string(start_age) + "岁起运";
    lines.luck = "大运：";
    for (int i = 1; i <= 6; ++i) {
        int s = male ? (month_stem + 10 + i) % 10 : (month_stem + 10 - i) % 10;
        int b = male ? (month_branch + 12 + i) % 12 : (month_branch + 12 - i) % 12;
        if (i > 1)
            lines.luck += " ";
        lines.luck += Pillar(s, b);
    }
    return lines;
}

void ComputeBirthChart(int year, int month, int day, int hour, const std::string &sex) {
    auto lines = ComputeChartLines(year, month, day, hour, sex);
    if (!lines) {
        ShowInfo("请检查输入数据是否出错！");
        return;
    }
    chart_line = lines->chart;
    luck_line = lines->luck;
}

const std::string &ChartLine() {
    return chart_line;
}
const std::string &LuckLine() {
    return luck_line;
}

} // namespace mingshu::chart
