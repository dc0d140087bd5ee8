// The mobile-number reading: which numbers are accepted, the lookup key and the reading from dream.dll.
#include "numerology/mobile.h"

#include "content/database.h"
#include "numerology/eighty_one.h"

namespace mingshu::numerology {

std::string CheckMobileNumber(std::string_view number) {
    if (number.size() != kMobileDigits)
        return std::string(kMobileLengthMessage);
    // Only the first two characters are checked: every prefix 13 … 19 is in use today.
    if (number[0] != '1' || number[1] < '3' || number[1] > '9')
        return std::string(kMobilePrefixMessage);
    return {};
}

std::string shoujiinfostr(std::string_view number) {
    const std::string_view last_four = number.size() > 7 ? number.substr(7, 4) : std::string_view();
    if (last_four.empty() || last_four.find_first_not_of("0123456789") != std::string_view::npos)
        throw NumberFormatError("“" + std::string(last_four) + "”不是有效的整数");
    int value = 0;
    for (char c : last_four)
        value = value * 10 + (c - '0');
    return std::to_string(value % 80);
}

std::string MobileStatement(const std::string &key) {
    return "select title,jx,content from shouji where num = " + content::QuoteLiteral(key);
}

MobileReading LookupMobileReading(const std::string &connection_string, const std::string &key) {
    MobileReading reading;
    if (auto row = content::LookupRow(connection_string, MobileStatement(key)); row && row->size() >= 3) {
        reading.title = (*row)[0];
        reading.jx = (*row)[1];
        reading.content = (*row)[2];
    }
    return reading;
}

} // namespace mingshu::numerology
