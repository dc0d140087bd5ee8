// The traditional birth-sex chart: the mother's age by the traditional reckoning (18–44) against the lunar month
// of conception (1–12), each cell a boy or a girl; and the short text shown beside it.
#pragma once

#include <optional>
#include <string>

namespace mingshu::readings {

enum class ChartSex { Boy, Girl };

constexpr int kChartFirstAge = 18;
constexpr int kChartLastAge = 44;
// The chart is printed on two pages: 18 to 31 and 32 to 44.
constexpr int kChartSecondPageFirstAge = 32;

// The cell of an age and a month; nothing outside the chart.
std::optional<ChartSex> BirthSexChartCell(int age, int month);
// "男" or "女".
const char *ChartSexText(ChartSex sex);

// The note under the chart pages.
std::string BirthSexChartNote();
// The heading and paragraphs of the third page.
std::string BirthSexArticleTitle();
std::string BirthSexArticleText();

} // namespace mingshu::readings
