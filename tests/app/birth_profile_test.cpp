// The input checks, the derived profile fields and the birth-information block.
#include "app/birth_profile.h"

#include "common/errors.h"
#include "common/fake_platform.h"

#include <gtest/gtest.h>

using namespace mingshu::app;

namespace {

InputBar Zhang(const char *year = "1980", const char *month = "1", const char *day = "1") {
    InputBar in;
    in.NameA = "张";
    in.NameB = "三";
    in.SYear = year;
    in.SMonth = month;
    in.Sday = day;
    return in;
}

TEST(ReadBirthProfile, DerivesTheProfile) {
    mingshu::testing::RecordingPlatform platform;
    BirthProfile p;
    ASSERT_TRUE(ReadBirthProfile(Zhang(), p));
    EXPECT_EQ(p.Surname, "张");
    EXPECT_EQ(p.GivenName, "三");
    EXPECT_EQ(p.BloodType, "A型");
    EXPECT_EQ(p.BirthHour, "子 0");
    EXPECT_EQ(p.BirthDateText, "1980-1-1");
    EXPECT_EQ(p.LunarText, "己未(羊年)十一月十四");
    EXPECT_EQ(p.ZodiacAnimal, "羊");
    EXPECT_EQ(p.StarSign, "摩羯座");

    ASSERT_TRUE(ReadBirthProfile(Zhang("2023", "3", "22"), p));
    EXPECT_EQ(p.LunarText, "癸卯(兔年)闰二月初一");
    EXPECT_EQ(p.ZodiacAnimal, "兔");
    EXPECT_TRUE(platform.messages.empty());
}

TEST(ReadBirthProfile, EmptyInputsStopInOrderWithTheirMessage) {
    struct Case {
        std::string InputBar::*field;
        const char *message;
    };
    const Case cases[] = {
        {&InputBar::NameA, "姓不能为空!"},     {&InputBar::NameB, "名不能为空!"},
        {&InputBar::Xuxing, "血型不能为空!"},  {&InputBar::SYear, "请选择出生年!"},
        {&InputBar::SMonth, "请选择出生月!"},  {&InputBar::Sday, "请选择出生日!"},
        {&InputBar::Shour, "请选择出生小时!"},
    };
    for (const auto &c : cases) {
        mingshu::testing::RecordingPlatform platform;
        BirthProfile p;
        p.LunarText = "old";
        InputBar in = Zhang();
        in.*c.field = "  ";
        EXPECT_FALSE(ReadBirthProfile(in, p));
        EXPECT_EQ(platform.messages, std::vector<std::string>{c.message});
        EXPECT_EQ(p.LunarText, "old"); // derived fields untouched
    }
}

TEST(ReadBirthProfile, EmptyGivenNameKeepsTheSurnameStored) {
    mingshu::testing::RecordingPlatform platform;
    BirthProfile p;
    InputBar in = Zhang();
    in.NameA = " 李 ";
    in.NameB = "";
    EXPECT_FALSE(ReadBirthProfile(in, p));
    EXPECT_EQ(p.Surname, "李");
}

TEST(ReadBirthProfile, ImpossibleDateFailsAfterTheChecks) {
    mingshu::testing::RecordingPlatform platform;
    BirthProfile p;
    ASSERT_TRUE(ReadBirthProfile(Zhang(), p));
    for (auto [y, m, d] :
         {std::tuple{"1980", "2", "30"}, std::tuple{"1981", "2", "29"}, std::tuple{"1980", "x", "1"}}) {
        EXPECT_THROW(ReadBirthProfile(Zhang(y, m, d), p), mingshu::CommandError);
        EXPECT_EQ(p.BirthMonth, m); // the seven checked fields are stored
        EXPECT_EQ(p.BirthDateText, "1980-1-1");
        EXPECT_EQ(p.LunarText, "己未(羊年)十一月十四");
    }
    EXPECT_TRUE(platform.messages.empty());
}

TEST(ReadBirthProfile, DatesOutsideTheLunarTableHaveNoLunarText) {
    mingshu::testing::RecordingPlatform platform;
    BirthProfile p;
    ASSERT_TRUE(ReadBirthProfile(Zhang("1900", "1", "30"), p));
    EXPECT_EQ(p.LunarText, "");
    EXPECT_EQ(p.ZodiacAnimal, "");
    EXPECT_EQ(p.StarSign, "水瓶座");
}

TEST(WriteBirthSection, WritesElevenLines) {
    mingshu::testing::RecordingPlatform platform;
    BirthProfile p;
    LineReport report;
    report.append("old report");
    ASSERT_TRUE(WriteBirthSection(Zhang(), p, report, 2026));
    const std::vector<std::string> expected = {"姓名：张三",
                                               "性别：男",
                                               "年龄：46岁",
                                               "生日（公历）：1980年01月01日0点",
                                               "生日（农历）：己未(羊年)十一月十四",
                                               "生肖：羊",
                                               "星座：摩羯座",
                                               "血型：A型",
                                               "",
                                               "八字：己未 丙子 癸酉 壬子 1岁起运",
                                               "大运：丁丑 戊寅 己卯 庚辰 辛巳 壬午"};
    EXPECT_EQ(report.lines(), expected);
}

TEST(WriteBirthSection, HourTwentyThreeAndTheAgeOfThisYear) {
    mingshu::testing::RecordingPlatform platform;
    BirthProfile p;
    LineReport report;
    InputBar in = Zhang("1900", "1", "1");
    in.Shour = "子 23";
    ASSERT_TRUE(WriteBirthSection(in, p, report, 2031));
    auto lines = report.lines();
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines[2], "年龄：131岁");
    EXPECT_EQ(lines[3], "生日（公历）：1900年01月01日23点");
    EXPECT_EQ(lines[9], "八字：己亥 丙子 甲戌 甲子 1岁起运");
}

TEST(WriteBirthSection, InputErrorLeavesTheReport) {
    mingshu::testing::RecordingPlatform platform;
    BirthProfile p;
    LineReport report;
    report.append("kept");
    InputBar in = Zhang();
    in.NameB = "";
    EXPECT_FALSE(WriteBirthSection(in, p, report, 2026));
    EXPECT_EQ(report.lines(), std::vector<std::string>{"kept"});
    EXPECT_EQ(platform.messages, std::vector<std::string>{"名不能为空!"});
}

TEST(WriteBirthSection, HourWithoutNumberEndsTheBlockQuietly) {
    mingshu::testing::RecordingPlatform platform;
    BirthProfile p;
    LineReport report;
    InputBar in = Zhang();
    in.Shour = "子";
    EXPECT_TRUE(WriteBirthSection(in, p, report, 2026));
    EXPECT_EQ(report.lines().size(), 9u); // the birth lines, no chart lines
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(platform.errors.empty());
}

} // namespace
