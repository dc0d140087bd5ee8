// The news rotation on plain data: fields of a news line, the flag page and the tick rule of both panels.
#include "app/news.h"

#include <gtest/gtest.h>

using namespace mingshu::app::news;

namespace {

std::vector<std::string> Lines(std::initializer_list<const char *> l) {
    return {l.begin(), l.end()};
}

// The addresses one panel shows over `ticks` ticks (empty where a tick did nothing), with the intervals.
std::vector<std::string> Shown(const std::vector<std::string> &lines, RotationState &state, Panel panel, int ticks,
                               std::vector<int> *intervals = nullptr) {
    std::vector<std::string> shown;
    for (int i = 0; i < ticks; ++i) {
        Tick t = NextPage(lines, state, panel);
        shown.push_back(t.navigate ? t.address : "");
        if (intervals && t.navigate)
            intervals->push_back(t.interval_ms);
    }
    return shown;
}

TEST(NewsField, FieldsOfALine) {
    auto lines = Lines({"  1>10>http://a.test/x?p=1>2  ", "no separator", "0>", "0>20", ">>", "", "1>>B"});
    struct Case {
        int index, kind;
        const char *expected;
    } cases[] = {
        {0, 0, "1"}, {0, 1, "10"},   {0, 2, "http://a.test/x?p=1>2"}, // only the first two '>' separate
        {1, 0, ""},  {1, 1, ""},     {1, 2, "no separator"},
        {2, 0, "0"}, {2, 1, ""},     {2, 2, "0>"}, // no second '>': kind 2 is the whole line
        {3, 1, ""},  {3, 2, "0>20"}, {4, 0, ""},
        {4, 1, ""},  {4, 2, ""},     {5, 0, ""},
        {5, 2, ""},  {6, 1, ""},     {6, 2, "B"},
        {7, 0, ""},  {-1, 2, ""}, // outside the list
    };
    for (const auto &c : cases)
        EXPECT_EQ(GetNewsField(lines, c.kind, c.index), c.expected) << "line " << c.index << " kind " << c.kind;
}

TEST(NewsLines, LineBreaksOfAnyKindAndNoPhantomLastLine) {
    EXPECT_EQ(SplitNewsLines(""), Lines({}));
    EXPECT_EQ(SplitNewsLines("a"), Lines({"a"}));
    EXPECT_EQ(SplitNewsLines("a\r\nb\r\n"), Lines({"a", "b"}));
    EXPECT_EQ(SplitNewsLines("a\nb"), Lines({"a", "b"}));
    EXPECT_EQ(SplitNewsLines("a\rb\r\n\r\nc"), Lines({"a", "b", "", "c"}));
    EXPECT_EQ(SplitNewsLines("\n"), Lines({""}));
}

TEST(FlagPage, TwoDigitsOrNothing) {
    struct Case {
        const char *body;
        bool ok;
        int main, banner;
    } cases[] = {
        {"10", true, 1, 0},   {"01", true, 0, 1},    {"11\r\n", true, 1, 1},
        {"00", true, 0, 0},   {"73xyz", true, 7, 3}, // any digit other than 0 is on
        {"1", false, 0, 0},   {"", false, 0, 0},     {"1a", false, 0, 0},
        {" 10", false, 0, 0}, {"-1", false, 0, 0},
    };
    for (const auto &c : cases) {
        auto flags = ParseFlagPage(c.body);
        ASSERT_EQ(flags.has_value(), c.ok) << c.body;
        if (flags) {
            EXPECT_EQ(flags->MainOn, c.main) << c.body;
            EXPECT_EQ(flags->BannerOn, c.banner) << c.body;
        }
    }
}

const auto kExample = Lines({"1>10>A", "0>30>B", "1>10>C", "0>30>D", "0>30>E"});

TEST(NewsRotation, BannerShowsAThenCAndStaysOnC) {
    RotationState s = StartRotation(kExample, {1, 1});
    EXPECT_EQ(s.LastLine, 4);
    std::vector<int> intervals;
    EXPECT_EQ(Shown(kExample, s, Panel::Banner, 5, &intervals), Lines({"A", "C", "", "", ""}));
    EXPECT_EQ(intervals, (std::vector<int>{10000, 10000}));
    EXPECT_EQ(s.BannerIndex, 3); // never moves again
}

TEST(NewsRotation, MainWrapsWhenTheNextIndexReachesTheLastLineSoENeverShows) {
    RotationState s = StartRotation(kExample, {1, 1});
    std::vector<int> intervals;
    EXPECT_EQ(Shown(kExample, s, Panel::Main, 6, &intervals), Lines({"B", "D", "B", "D", "B", "D"}));
    EXPECT_EQ(intervals, std::vector<int>(6, 30000));
}

TEST(NewsRotation, TheLastLineItselfEndsTheRotation) {
    // Taking the last line sets the index past it: no line is found from there on.
    auto lines = Lines({"1>5>A", "0>5>B", "1>5>C"});
    RotationState s = StartRotation(lines, {1, 1});
    EXPECT_EQ(Shown(lines, s, Panel::Banner, 4), Lines({"A", "C", "", ""}));
    // A single line: LastLine 0, the next index 1 never equals it, the page stays.
    auto one = Lines({"0>5>only"});
    RotationState t = StartRotation(one, {1, 1});
    EXPECT_EQ(Shown(one, t, Panel::Main, 3), Lines({"only", "", ""}));
}

TEST(NewsRotation, FlagsAndEmptyListsDoNothing) {
    RotationState banner_off = StartRotation(kExample, {1, 0});
    EXPECT_EQ(Shown(kExample, banner_off, Panel::Banner, 2), Lines({"", ""}));
    EXPECT_EQ(Shown(kExample, banner_off, Panel::Main, 1), Lines({"B"}));
    EXPECT_TRUE(PanelShown(banner_off, Panel::Main));
    EXPECT_FALSE(PanelShown(banner_off, Panel::Banner));

    auto blank = Lines({"   ", ""});
    RotationState b = StartRotation(blank, {1, 1});
    EXPECT_EQ(Shown(blank, b, Panel::Main, 2), Lines({"", ""}));

    RotationState none = StartRotation({}, {1, 1});
    EXPECT_EQ(none.LastLine, -1);
    EXPECT_FALSE(PanelShown(none, Panel::Main)); // an empty list hides both, whatever the flags
    EXPECT_FALSE(PanelShown(none, Panel::Banner));
}

TEST(NewsRotation, DisplayTimeZeroAndDisplayTimesThatAreNoNumber) {
    auto lines = Lines({"0>0>Z", "0>ten>X", "0>-5>N", "0>99999999999>H", "0> 7 >S", "0>8>T", "1>1>pad"});
    RotationState s = StartRotation(lines, {1, 1});
    std::vector<int> intervals;
    // Z stops the timer (interval 0); X, N and H cannot be display times and are passed over.
    EXPECT_EQ(Shown(lines, s, Panel::Main, 3, &intervals), Lines({"Z", "S", "T"}));
    EXPECT_EQ(intervals, (std::vector<int>{0, 7000, 8000}));
}

TEST(NewsRotation, LinesOfAnotherTypeAreNeverShown) {
    auto lines = Lines({"2>5>X", "01>5>Y", " 0>5>B", "0 >5>W", "0>5>C"});
    RotationState s = StartRotation(lines, {1, 1});
    // The line is trimmed as a whole, so " 0" counts; "0 " and "01" do not.
    EXPECT_EQ(Shown(lines, s, Panel::Main, 2), Lines({"B", "C"}));
}

} // namespace
