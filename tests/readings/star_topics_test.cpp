// Star-sign topics: paragraph marks, the stored texts on a small fixture database, and the lines a command writes.
#include "readings/star_topics.h"

#include "common/errors.h"

#include <gtest/gtest.h>

#include "reader_fixture.h"

using namespace mingshu::readings;

namespace {

TEST(StripParagraphMarks, RemovesExactlyTheTwoMarks) {
    struct Case {
        const char *in, *out;
    } cases[] = {
        // Two paragraphs run together: no line break takes the place of a mark.
        {"<p>第一段。</p><p>第二段。</p>", "第一段。第二段。"},
        // Case-sensitive: upper-case marks stay.
        {"<P>甲</P>", "<P>甲</P>"},
        {"<P>甲</P><p>乙</p>", "<P>甲</P>乙"},
        // Other markup is not touched, nor are half marks.
        {"<p class=\"x\">甲</p>", "<p class=\"x\">甲"},
        {"<br><b>甲</b>", "<br><b>甲</b>"},
        {"</p", "</p"},
        {"<p", "<p"},
        // One pass: a mark that only appears once another is removed stays.
        {"<<p>p>", "<p>"},
        {"<</p>/p>", "</p>"},
        // Line breaks and blanks around marks stay where they are.
        {"甲\n<p>乙</p>\n丙", "甲\n乙\n丙"},
        {" <p> ", "  "},
        {"", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(StripParagraphMarks(c.in), c.out) << c.in;
}

TEST(StarTopic, MenuOrderTablesAndScrolling) {
    const char *tables[] = {"ndeq", "aiqing", "mingren", "baojian", "qingxv", "shiye"};
    for (int i = 0; i < kStarTopicCount; ++i) {
        auto topic = StarTopicOfNumber(i);
        ASSERT_TRUE(topic);
        EXPECT_STREQ(StarTopicTable(*topic), tables[i]);
        EXPECT_EQ(StarTopicOfTable(tables[i]), topic);
        EXPECT_EQ(StarTopicStatementPrefix(*topic),
                  std::string("select content from ") + tables[i] + " where title = ");
        // Only 情商解析 (0) and 身体保健 (3) return the view to its first line.
        EXPECT_EQ(StarTopicScrollsToTop(*topic), i == 0 || i == 3) << i;
    }
    EXPECT_FALSE(StarTopicOfNumber(-1));
    EXPECT_FALSE(StarTopicOfNumber(6));
    EXPECT_FALSE(StarTopicOfTable("NDEQ"));
}

TEST(StarSignTopicText, StoredTextsTrimmedThenStripped) {
    FixturePlatform platform;
    struct Case {
        const char *sign;
        StarTopic topic;
        const char *text;
    } cases[] = {
        {"白羊座", StarTopic::Ndeq, "第一段。第二段。"},
        // Blanks and line breaks at both ends go; upper-case marks stay; inner line breaks stay.
        {"金牛座", StarTopic::Ndeq, "<P>大写标记</P>与小写"},
        {"双子座", StarTopic::Ndeq, "第一行\n第二行"},
        // Trimmed before the marks are removed: blanks inside the marks remain.
        {"巨蟹座", StarTopic::Ndeq, " 内侧空格 "},
        // A key with a single quote is sent quoted and finds its own row only.
        {"狮子'座", StarTopic::Ndeq, "带引号的键"},
        {"狮子座", StarTopic::Ndeq, ""},
        {"白羊座", StarTopic::Aiqing, "白羊座的实力。"},
        // A sign the table does not hold, and a table without any row.
        {"金牛座", StarTopic::Aiqing, ""},
        {"白羊座", StarTopic::Shiye, ""},
        {"", StarTopic::Ndeq, ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(StarSignTopicText(c.sign, c.topic), c.text) << c.sign << " " << StarTopicTable(c.topic);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(platform.beeps, 0);
}

TEST(StarSignTopicText, UnreadableDatabaseAbortsSilently) {
    FixturePlatform platform;
    EmptyFolder empty;
    platform.program_directory = empty.path + "/";
    EXPECT_THROW(StarSignTopicText("白羊座", StarTopic::Ndeq), mingshu::SilentAbort);
    EXPECT_TRUE(platform.messages.empty());
}

TEST(StarTopicCommandLines, HeaderTwoEmptyLinesAndTheText) {
    using Lines = std::vector<std::string>;
    EXPECT_EQ(StarTopicCommandLines("张", "三", "白羊座", "第一段。第二段。"),
              (Lines{"张三,您的星座为白羊座...", "", "", "第一段。第二段。"}));
    // A text with line breaks shows as several lines, without indentation.
    EXPECT_EQ(StarTopicCommandLines("欧阳", "小明", "双子座", "第一行\n第二行\r\n\n第四行"),
              (Lines{"欧阳小明,您的星座为双子座...", "", "", "第一行", "第二行", "", "第四行"}));
    // A missing row: the header, two empty lines and one more empty line.
    EXPECT_EQ(StarTopicCommandLines("张", "三", "狮子座", ""), (Lines{"张三,您的星座为狮子座...", "", "", ""}));
    // Before the birth profile is filled nothing is written.
    EXPECT_TRUE(StarTopicCommandLines("", "三", "白羊座", "x").empty());
    EXPECT_TRUE(StarTopicCommandLines("张", "", "白羊座", "x").empty());
    EXPECT_TRUE(StarTopicCommandLines("张", "三", "", "x").empty());
}

} // namespace
