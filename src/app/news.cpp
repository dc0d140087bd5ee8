// The news rotation's rules on plain data; the window only carries out what NextPage returns.
#include "app/news.h"

#include "common/text.h"

#include <climits>

namespace mingshu::app::news {

std::vector<std::string> SplitNewsLines(std::string_view body) {
    std::vector<std::string> lines;
    std::string current;
    bool open = false; // characters seen since the last line break
    for (std::size_t i = 0; i < body.size(); ++i) {
        char c = body[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(current);
            current.clear();
            open = false;
            if (c == '\r' && i + 1 < body.size() && body[i + 1] == '\n')
                ++i;
        } else {
            current += c;
            open = true;
        }
    }
    if (open)
        lines.push_back(current);
    return lines;
}

std::string GetNewsField(const std::vector<std::string> &lines, int kind, int index) {
    if (index < 0 || index >= static_cast<int>(lines.size()))
        return {};
    std::string line = Trim(lines[static_cast<std::size_t>(index)]);
    std::size_t first = line.find('>');
    if (first == std::string::npos)
        return kind == 2 ? line : std::string();
    std::size_t second = line.find('>', first + 1);
    switch (kind) {
    case 0:
        return line.substr(0, first);
    case 1:
        return second == std::string::npos ? std::string() : line.substr(first + 1, second - first - 1);
    case 2:
        return second == std::string::npos ? line : Trim(std::string_view(line).substr(second + 1));
    default:
        return {};
    }
}

std::optional<Flags> ParseFlagPage(std::string_view body) {
    auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (body.size() < 2 || !digit(body[0]) || !digit(body[1]))
        return std::nullopt;
    return Flags{body[0] - '0', body[1] - '0'};
}

RotationState StartRotation(const std::vector<std::string> &lines, Flags flags) {
    RotationState s;
    s.LastLine = static_cast<int>(lines.size()) - 1;
    s.MainOn = flags.MainOn;
    s.BannerOn = flags.BannerOn;
    return s;
}

bool PanelShown(const RotationState &state, Panel panel) {
    if (state.LastLine < 0)
        return false;
    return (panel == Panel::Main ? state.MainOn : state.BannerOn) != 0;
}

namespace {

// A display time in whole seconds that a timer can hold in milliseconds.
std::optional<int> DisplayTimeMs(const std::string &field) {
    std::string t = Trim(field);
    if (t.empty() || t.size() > 10)
        return std::nullopt;
    long long seconds = 0;
    for (char c : t) {
        if (c < '0' || c > '9')
            return std::nullopt;
        seconds = seconds * 10 + (c - '0');
    }
    if (seconds > INT_MAX / 1000)
        return std::nullopt;
    return static_cast<int>(seconds * 1000);
}

} // namespace

Tick NextPage(const std::vector<std::string> &lines, RotationState &state, Panel panel) {
    int flag = panel == Panel::Main ? state.MainOn : state.BannerOn;
    if (flag == 0)
        return {};
    bool any_text = false;
    for (const auto &l : lines)
        if (!Trim(l).empty()) {
            any_text = true;
            break;
        }
    if (!any_text)
        return {};
    int &index = panel == Panel::Main ? state.MainIndex : state.BannerIndex;
    const char *type = panel == Panel::Main ? "0" : "1";
    for (int i = index < 0 ? 0 : index; i <= state.LastLine; ++i) {
        if (GetNewsField(lines, 0, i) != type)
            continue;
        std::optional<int> interval = DisplayTimeMs(GetNewsField(lines, 1, i));
        if (!interval)
            continue;
        index = i + 1 == state.LastLine ? 0 : i + 1;
        return Tick{true, GetNewsField(lines, 2, i), *interval};
    }
    return {};
}

} // namespace mingshu::app::news
