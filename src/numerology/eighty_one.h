// The eighty-one-number readings of QQ and other numbers: the 81 records, the lookup and the label split.
#pragma once

#include "common/errors.h"

#include <string>
#include <string_view>

namespace mingshu::numerology {

inline constexpr int kEightyOneCount = 81;

// What a number without a record gets (only negative numbers).
inline constexpr std::string_view kNumberFallback = "对不起,此号不在分解之类。";

// The messages of an empty entry in the QQ window and the any-number window.
inline constexpr std::string_view kQQEmptyMessage = "请输入你的QQ号码！";
inline constexpr std::string_view kNumberEmptyMessage = "请输入你的号码！";

// A number text that is not a decimal integer within the signed 64-bit range.
class NumberFormatError : public CommandError {
public:
    using CommandError::CommandError;
};

// Record 0 … 80 as stored: summary, verdict and personality joined by "|".
std::string EightyOneRecord(int index);

// The reading of a decimal number text: record n mod 81, the remainder taking the sign of n, so every
// negative number that is not a multiple of 81 gets the fallback text. Throws NumberFormatError for a text
// that is not a whole decimal number (an optional sign, digits, nothing else) or does not fit 64 bits.
std::string GetNumberReading(std::string_view number_text);

// A record as the window shows it. A text without "|" (the fallback) goes whole into the personality.
struct ReadingFields {
    std::string summary;
    std::string verdict;
    std::string personality;
};
ReadingFields SplitReading(std::string_view record);

} // namespace mingshu::numerology
