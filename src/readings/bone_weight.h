// The bone-weight reading: the weights of the lunar year, month, day and hour of birth, their total in liang
// and qian, and the reading of that total, all from dream.dll.
#pragma once

#include "content/database.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mingshu::readings {

inline constexpr std::string_view kBoneWeightYearMessage = "请选择年！";
// The years the window offers: the rows of table chenggu1 and the year list of the main window.
inline constexpr int kBoneWeightFirstYear = 1900;
inline constexpr int kBoneWeightLastYear = 2100;

// The items of the four selection boxes, which are also the keys of chenggu1 … chenggu4.
std::vector<std::string> BoneWeightYears();
inline constexpr std::array<std::string_view, 12> kLunarMonthItems = {"正", "二", "三", "四", "五",   "六",
                                                                      "七", "八", "九", "十", "十一", "腊"};
inline constexpr std::array<std::string_view, 30> kLunarDayItems = {
    "初一", "初二", "初三", "初四", "初五", "初六", "初七", "初八", "初九", "初十",
    "十一", "十二", "十三", "十四", "十五", "十六", "十七", "十八", "十九", "二十",
    "廿一", "廿二", "廿三", "廿四", "廿五", "廿六", "廿七", "廿八", "廿九", "三十"};
std::vector<std::string> BoneWeightHours();

// The statements that read one part's weight, and the reading of a weight key.
std::string YearWeightStatement(const std::string &year);
std::string MonthWeightStatement(const std::string &month);
std::string DayWeightStatement(const std::string &day);
std::string HourWeightStatement(const std::string &hour);
std::string ReadingStatement(const std::string &weight_key);

// The total as text: general format, at most 15 significant digits (3.5 → "3.5", 4 → "4").
std::string FormatWeightTotal(double total);
// The weight key of a total's text: the whole liang followed by the first digit of qian, the further digits
// dropped ("3.5" → "35", "4" → "40", "3.25" → "32", "0.8" → "08"). Ten liang or more keep all their liang
// digits ("10.5" → "105"); no reading has such a key.
std::string WeightKey(const std::string &total_text);
// "你的骨重为：3两5钱", or "你的骨重为：4两" when the qian digit is 0.
std::string WeightLine(const std::string &weight_key);

struct BoneWeight {
    double total = 0;
    std::string key;
    // Set when chenggu has a reading for the key: the weight line and the trimmed reading.
    std::optional<std::string> weight_line;
    std::optional<std::string> reading;
};

// Adds the four weights read through `query` (already connected to dream.dll) and looks up the reading of
// their total. A failing statement, or a part without a weight, throws SilentAbort.
BoneWeight GetpeoleGzmun(content::Query &query, const std::string &year, const std::string &month,
                         const std::string &day, const std::string &hour);

} // namespace mingshu::readings
