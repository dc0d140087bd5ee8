// The eight characters of a birth moment, the start age of the luck cycles and the first six luck pillars.
#pragma once

#include <optional>
#include <string>

namespace mingshu::chart {

struct ChartLines {
    std::string chart; // "八字：己卯 丙子 戊午 壬子 1岁起运"
    std::string luck;  // "大运：丁丑 戊寅 己卯 庚辰 辛巳 壬午"
};

// The two lines, or nothing for a date that does not exist (30 February, 31 April, …).
std::optional<ChartLines> ComputeChartLines(int year, int month, int day, int hour, const std::string &sex);

// The engine as the report uses it: replaces ChartLine() and LuckLine() with the lines of this birth, or shows
// "请检查输入数据是否出错！" and keeps both as they were.
void ComputeBirthChart(int year, int month, int day, int hour, const std::string &sex);
const std::string &ChartLine();
const std::string &LuckLine();

} // namespace mingshu::chart
