// Small text helpers shared by every subsystem.
#include "common/text.h"

#include <charconv>

namespace mingshu {

std::string Trim(std::string_view s) {
    std::size_t b = 0, e = s.size();
    while (b < e && static_cast<unsigned char>(s[b]) <= 32)
        ++b;
    while (e > b && static_cast<unsigned char>(s[e - 1]) <= 32)
        --e;
    return std::string(s.substr(b, e - b));
}

std::vector<std::string> SplitLines(std::string_view s) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= s.size()) {
        std::size_t nl = s.find('\n', start);
        std::string_view line = s.substr(start, nl == std::string_view::npos ? std::string_view::npos : nl - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (nl == std::string_view::npos) {
            if (!line.empty())
                lines.emplace_back(line);
            break;
        }
        lines.emplace_back(line);
        start = nl + 1;
    }
    return lines;
}

bool ParseInt(std::string_view s, long long &value) {
    if (s.empty())
        return false;
    if (s.front() == '+')
        s.remove_prefix(1);
    auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    return ec == std::errc() && p == s.data() + s.size();
}

std::string JoinLines(const std::vector<std::string> &lines) {
    std::string out;
    for (const auto &l : lines) {
        out += l;
        out += '\n';
    }
    return out;
}

} // namespace mingshu
