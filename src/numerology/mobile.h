// The mobile-number reading: which numbers are accepted, the lookup key and the reading from dream.dll.
#pragma once

#include <string>
#include <string_view>

namespace mingshu::numerology {

inline constexpr std::string_view kMobileLengthMessage = "请输入11位手机号码！";
inline constexpr std::string_view kMobilePrefixMessage = "请输入正确的手机号码！";
inline constexpr std::size_t kMobileDigits = 11;

// The message for a trimmed number the reading does not take, or an empty text when it takes it.
// Mobile numbers have eleven digits and begin with 13 to 19; a shorter number would be read from the wrong
// digits, so it is refused like an empty one.
std::string CheckMobileNumber(std::string_view number);

// The lookup key: the number's last four digits (characters 8 to 11) modulo 80, in decimal ("0" … "79").
// Throws NumberFormatError when those characters are missing or are not all digits.
std::string shoujiinfostr(std::string_view number);

// The statement that reads the reading of a key from table shouji.
std::string MobileStatement(const std::string &key);

struct MobileReading {
    std::string title;   // the status line
    std::string jx;      // the verdict
    std::string content; // the description
};

// The reading of a key in the database of this connection string, each field trimmed; all three empty when the
// table has no row for the key. Throws SilentAbort when the database cannot be read.
MobileReading LookupMobileReading(const std::string &connection_string, const std::string &key);

} // namespace mingshu::numerology
