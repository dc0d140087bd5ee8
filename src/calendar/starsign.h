// The Western star sign (星座) of a Gregorian date.
#pragma once

#include <array>
#include <chrono>
#include <string>

namespace mingshu::calendar {

// The twelve names in the order of the year, starting with 摩羯座.
extern const std::array<const char *, 12> kStarSignNames;

// The sign of a whole date; `seconds_of_day` is a time of day on that date (the boundaries lie at midnight,
// so a time after midnight on the last day of a range falls in no range and gives the empty text).
std::string GetStarSign(std::chrono::year_month_day date, int seconds_of_day = 0);

} // namespace mingshu::calendar
