// Articles, picture articles, temple lots and omen pages: what the reader windows are filled with.
#include "readings/article.h"
#include "readings/lots.h"
#include "readings/omens.h"
#include "readings/picture_articles.h"

#include "common/errors.h"

#include <gtest/gtest.h>

#include "reader_fixture.h"

#include <algorithm>
#include <map>
#include <random>
#include <set>

using namespace mingshu::readings;
using Lines = std::vector<std::string>;

namespace {

TEST(LoadArticle, FoundUnknownAndTrimmed) {
    FixturePlatform platform;
    Article a1 = LoadArticle("a1");
    EXPECT_TRUE(a1.found);
    EXPECT_EQ(a1.title, "姓名原理");
    EXPECT_EQ(a1.lines, (Lines{"正文第一行。", "", "正文第三行。"}));

    // Leading blank lines are not shown; the title is trimmed too.
    Article b2 = LoadArticle("b2");
    EXPECT_EQ(b2.title, "有空白的标题");
    EXPECT_EQ(b2.lines, (Lines{"首行文字。", "", "末行文字。"}));

    // Codes are sent as written: no case folding, no trimming, quotes doubled.
    for (const char *code : {"zz", "A1", " a1", "a1 ", "", "a1' or '1'='1"}) {
        Article none = LoadArticle(code);
        EXPECT_FALSE(none.found) << code;
        EXPECT_EQ(none.title, "算命") << code;
        EXPECT_TRUE(none.lines.empty()) << code;
    }
    EXPECT_EQ(LoadArticle("c'x").title, "带引号的代码");
    EXPECT_TRUE(platform.messages.empty());
}

TEST(LoadArticle, UnreadableDatabaseAbortsSilently) {
    FixturePlatform platform;
    EmptyFolder empty;
    platform.program_directory = empty.path + "/";
    EXPECT_THROW(LoadArticle("a1"), mingshu::SilentAbort);
}

TEST(LoadPictureArticle, PagesByNumberAndNeverNone) {
    FixturePlatform platform;
    PictureArticle one = LoadPictureArticle(1);
    ASSERT_EQ(one.pageCount(), 3);
    EXPECT_EQ(one.pages[0].text, "第一页：红色的圆。");
    EXPECT_EQ(one.pages[2].text, "第三页：蓝色的圆。");
    for (const auto &page : one.pages)
        EXPECT_EQ(page.picture.rfind("<svg", 0), 0u);

    // Rows come in any order; a missing page stays empty; page numbers outside 1–15 and non-numbers are ignored.
    PictureArticle two = LoadPictureArticle(2);
    ASSERT_EQ(two.pageCount(), 3);
    EXPECT_EQ(two.pages[0].text, "第一页。");
    EXPECT_TRUE(two.pages[1].text.empty());
    EXPECT_TRUE(two.pages[1].picture.empty());
    EXPECT_EQ(two.pages[2].text, "第三页在前，第二页缺。");

    // An article the table does not hold still has one (empty) page, so the last-page button has a page to show.
    PictureArticle none = LoadPictureArticle(99);
    ASSERT_EQ(none.pageCount(), 1);
    EXPECT_TRUE(none.pages[0].text.empty());
}

TEST(LoadPictureArticle, UnreadableDatabaseAbortsSilently) {
    FixturePlatform platform;
    EmptyFolder empty;
    platform.program_directory = empty.path + "/";
    EXPECT_THROW(LoadPictureArticle(1), mingshu::SilentAbort);
}

TEST(Lots, ReadInNumberOrderWithoutBadRows) {
    FixturePlatform platform;
    auto lots = ReadLots();
    ASSERT_EQ(lots.size(), 3u);
    EXPECT_EQ(lots[0].number, 3);
    EXPECT_EQ(lots[1].number, 7);
    EXPECT_EQ(lots[2].number, 42);
    EXPECT_EQ(lots[2].grade, "下下");
    EXPECT_EQ(lots[2].verse, "第一句，\n第二句。\n第三句，\n第四句。");
    EXPECT_EQ(lots[2].content, "四十二签的解说。");
}

TEST(Lots, EveryDrawLandsOnAStoredLot) {
    FixturePlatform platform;
    auto lots = ReadLots();
    // The stored numbers have gaps (3, 7, 42): a draw by number would miss most of the time.
    std::mt19937 engine(20261211);
    std::map<int, int> seen;
    for (int i = 0; i < 3000; ++i) {
        auto lot = DrawLot(lots, [&] { return static_cast<std::uint32_t>(engine()); });
        ASSERT_TRUE(lot);
        ++seen[lot->number];
    }
    ASSERT_EQ(seen.size(), 3u);
    for (auto [number, count] : seen) {
        EXPECT_TRUE(number == 3 || number == 7 || number == 42) << number;
        EXPECT_GT(count, 850) << number; // each about a third
    }
    // With three lots the single top value of the range would favour the first lot: it is drawn again.
    std::vector<std::uint32_t> values = {0xFFFFFFFFu, 4u};
    std::size_t next = 0;
    auto lot = DrawLot(lots, [&] { return values[next++]; });
    ASSERT_TRUE(lot);
    EXPECT_EQ(lot->number, 7); // 4 mod 3 = 1
    EXPECT_EQ(next, 2u);
    EXPECT_FALSE(DrawLot({}, [] { return 0u; }));
}

TEST(Lots, RealTableHoldsAHundredLotsOfFourLines) {
    mingshu::testing::RecordingPlatform platform; // the program directory of the build
    auto lots = ReadLots();
    ASSERT_EQ(lots.size(), 100u);
    std::set<std::string> grades;
    for (int i = 0; i < 100; ++i) {
        const Lot &lot = lots[static_cast<std::size_t>(i)];
        EXPECT_EQ(lot.number, i + 1);
        EXPECT_EQ(std::count(lot.verse.begin(), lot.verse.end(), '\n'), 3) << lot.number;
        EXPECT_FALSE(lot.content.empty()) << lot.number;
        grades.insert(lot.grade);
    }
    EXPECT_GE(grades.size(), 3u);
}

TEST(Omens, SevenPagesWithTheirCaptions) {
    const char *captions[] = {"打喷嚏占卜吉凶", "面热测吉凶", "心惊测吉凶", "犬吠测吉凶",
                              "眼跳测吉凶",     "耳热测吉凶", "耳鸣测吉凶"};
    for (int page = 0; page < kOmenPageCount; ++page) {
        EXPECT_EQ(OmenCaption(page), captions[page]);
        auto text = OmenTextLines(page);
        // The sneeze goes by clock hours (twelve lines), the others by two periods a line (six lines).
        EXPECT_EQ(text.size(), page == 0 ? 12u : 6u) << page;
        // One empty line between two text lines, none after the last.
        auto shown = OmenPageLines(page);
        ASSERT_EQ(shown.size(), text.size() * 2 - 1) << page;
        for (std::size_t i = 0; i < shown.size(); ++i)
            EXPECT_EQ(shown[i], i % 2 ? "" : text[i / 2]) << page << " " << i;
    }
    EXPECT_EQ(OmenTextLines(0).front(), "凌晨1 点-凌晨3点 有人思念你、有客人前来相求事情。");
    EXPECT_EQ(OmenTextLines(6).back(), "午时：左主远信，右主亲来。亥时：左主大吉，右主饮食。");
    EXPECT_TRUE(OmenCaption(7).empty());
    EXPECT_TRUE(OmenPageLines(-1).empty());
    EXPECT_EQ(OmenNoteText(), "说明：\r\n"
                              "   子时为23点-1点 丑时为1点-3点 寅时为3点-5点 卯时为5点-7点\r\n"
                              "   辰时为7点-9点 巳时为9点-11点 午时11点-13点 未时13点-15点\r\n"
                              "   申时15点-17点 酉时17点-19点 戌时19点-21点 亥时为21点-23点\r\n");
}

} // namespace
