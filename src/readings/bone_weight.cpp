// The bone-weight reading: four weights from dream.dll, their total in liang and qian, and its reading.
#include "readings/bone_weight.h"

#include <charconv>

namespace mingshu::readings {

std::vector<std::string> BoneWeightYears() {
    std::vector<std::string> years;
    for (int y = kBoneWeightFirstYear; y <= kBoneWeightLastYear; ++y)
        years.push_back(std::to_string(y));
    return years;
}

std::vector<std::string> BoneWeightHours() {
    std::vector<std::string> hours;
    for (int h = 0; h < 24; ++h)
        hours.push_back(std::to_string(h));
    return hours;
}

// The key follows the prefix without a blank, as the statements have always been written.
std::string YearWeightStatement(const std::string &year) {
    return "Select weight from chenggu1 where year =" + content::QuoteLiteral(year);
}
std::string MonthWeightStatement(const std::string &month) {
    return "Select weight from chenggu2 where month =" + content::QuoteLiteral(month);
}
std::string DayWeightStatement(const std::string &day) {
    return "Select weight from chenggu3 where day =" + content::QuoteLiteral(day);
}
std::string HourWeightStatement(const std::string &hour) {
    return "Select weight from chenggu4 where time =" + content::QuoteLiteral(hour);
}
std::string ReadingStatement(const std::string &weight_key) {
    return "Select content from chenggu where weight =" + content::QuoteLiteral(weight_key);
}

std::string FormatWeightTotal(double total) {
    // to_chars ignores the locale, so the separator is always ".".
    char buffer[64];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, total, std::chars_format::general, 15);
    return ec == std::errc() ? std::string(buffer, end) : std::string("0");
}

std::string WeightKey(const std::string &total_text) {
    const auto point = total_text.find('.');
    const std::string liang = total_text.substr(0, point);
    std::string qian = "0";
    if (point != std::string::npos && point + 1 < total_text.size())
        qian = total_text.substr(point + 1, 1);
    return liang + qian;
}

std::string WeightLine(const std::string &weight_key) {
    if (weight_key.size() < 2)
        return {};
    const std::string liang = weight_key.substr(0, weight_key.size() - 1);
    const char qian = weight_key.back();
    std::string line = "你的骨重为：" + liang + "两";
    if (qian != '0')
        line += std::string(1, qian) + "钱";
    return line;
}

BoneWeight GetpeoleGzmun(content::Query &query, const std::string &year, const std::string &month,
                         const std::string &day, const std::string &hour) {
    BoneWeight result;
    for (const std::string &statement :
         {YearWeightStatement(year), MonthWeightStatement(month), DayWeightStatement(day), HourWeightStatement(hour)}) {
        query.Close();
        query.Open(statement);
        result.total += query.Number(0);
    }
    result.key = WeightKey(FormatWeightTotal(result.total));
    query.Close();
    query.Open(ReadingStatement(result.key));
    if (!query.Eof()) {
        result.reading = query.Text(0);
        result.weight_line = WeightLine(result.key);
    }
    query.Close();
    return result;
}

} // namespace mingshu::readings
