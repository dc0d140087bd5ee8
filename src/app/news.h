// The news rotation of the two web panels: the news list's fields, the flags and the tick rule, without Qt.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mingshu::app::news {

// The panel a news line belongs to, by its type field: "0" the main panel, "1" the banner.
enum class Panel { Main, Banner };

// Paths of the two pages on the news server.
inline constexpr const char *kNewsListPath = "/Chinese/CPC/loginfo.html";
inline constexpr const char *kFlagPagePath = "/Chinese/SysInfo/logFlagqtlv.htm";

// The lines of a news-list body. CR LF, LF and CR all end a line; a final line break does not start an
// empty line, so a body of five lines has five lines whether or not it ends in a line break.
std::vector<std::string> SplitNewsLines(std::string_view body);

// Field `kind` of line `index`, the line trimmed first: 0 the text before the first '>', 1 the text between the
// first and the second '>', 2 everything after the second '>' trimmed. Without a '>' kinds 0 and 1 are empty and
// kind 2 is the whole trimmed line (likewise without a second '>'). An index outside the list gives "".
std::string GetNewsField(const std::vector<std::string> &lines, int kind, int index);

struct Flags {
    int MainOn = 0;
    int BannerOn = 0;
};
// The flag page: its first character switches the main panel, its second the banner, each a decimal digit,
// 0 meaning off. A page shorter than two characters or with a non-digit there is no answer (nullopt).
std::optional<Flags> ParseFlagPage(std::string_view body);

struct RotationState {
    int BannerIndex = 0;
    int MainIndex = 0;
    int LastLine = -1;
    int BannerOn = 0;
    int MainOn = 0;
};
RotationState StartRotation(const std::vector<std::string> &lines, Flags flags);

// Whether a panel is shown once the answers are in: not when the list has no line or the panel's flag is 0.
bool PanelShown(const RotationState &state, Panel panel);

// What one timer tick does to a panel.
struct Tick {
    bool navigate = false; // false: the panel and its timer stay as they are
    std::string address;   // page to show
    int interval_ms = 0;   // the timer's next interval; 0 stops the timer
};

// One tick of a panel's timer. The list is searched from the panel's index up to LastLine for the first line of
// the panel's type; that line's page is shown for its display time and the index moves past it, wrapping to 0
// when the next index equals LastLine. A line whose display time is not a whole number of seconds (or too
// large for a timer) is passed over as if it belonged to no panel.
Tick NextPage(const std::vector<std::string> &lines, RotationState &state, Panel panel);

} // namespace mingshu::app::news
