// Small text helpers shared by every subsystem.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace mingshu {

// Removes blanks and control characters (codes up to 32) at both ends.
std::string Trim(std::string_view s);
// Splits at '\n'; a trailing '\r' of a line is dropped.
std::vector<std::string> SplitLines(std::string_view s);
// Parses a whole text as a decimal integer (optional sign, no blanks); false when it is not one.
bool ParseInt(std::string_view s, long long &value);
// Joins lines with '\n' after every line.
std::string JoinLines(const std::vector<std::string> &lines);

} // namespace mingshu
