// Five grids, three talents, birth signs and the combined report on small fixture databases.
#include "app/combined_report.h"
#include "numerology/name_grids.h"
#include "numerology/name_readings.h"
#include "readings/birth_signs.h"

#include "app/reading_fixture.h"
#include "common/errors.h"

#include <gtest/gtest.h>

using namespace mingshu;
using numerology::GridKind;

namespace {

struct Grids {
    const char *surname, *given;
    int heaven, earth, person, total, outer;
};

TEST(GridNumbers, ByNameShape) {
    mingshu::testing::ReadingFixturePlatform platform;
    const Grids cases[] = {
        {"张", "三", 12, 4, 14, 14, 2},       // one and one: outer is 2
        {"欧阳", "明月", 32, 12, 25, 44, 20}, // two and two: outer s1 + g2 + 1
        {"司马", "光", 15, 7, 16, 21, 6},     // two and one: outer s1 + 1
        {"张", "明月", 12, 12, 19, 23, 5},    // one and two: outer g2 + 1
        {"龘", "三", 1, 4, 3, 3, 2},          // a surname missing from the stroke table counts 0
        {"A", "三", 1, 4, 3, 3, 1},           // a one-byte part is one character but not a double-byte one
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.surname) + c.given);
        EXPECT_EQ(numerology::GetGridNumber(c.surname, c.given, GridKind::Heaven), c.heaven);
        EXPECT_EQ(numerology::GetGridNumber(c.surname, c.given, GridKind::Earth), c.earth);
        EXPECT_EQ(numerology::GetGridNumber(c.surname, c.given, GridKind::Person), c.person);
        EXPECT_EQ(numerology::GetGridNumber(c.surname, c.given, GridKind::Total), c.total);
        EXPECT_EQ(numerology::GetGridNumber(c.surname, c.given, GridKind::Outer), c.outer);
    }
}

TEST(GridNumbers, MissingDatabaseIsASilentAbort) {
    mingshu::testing::RecordingPlatform platform;
    platform.program_directory = "/nonexistent/";
    EXPECT_THROW(numerology::GetStrokeCount("张"), SilentAbort);
}

TEST(ThreeTalents, ElementsByLastDigit) {
    const std::pair<int, const char *> digits[] = {{1, "木"}, {2, "木"},  {3, "火"},  {4, "火"},  {5, "土"},
                                                   {6, "土"}, {7, "金"},  {8, "金"},  {9, "水"},  {10, "水"},
                                                   {0, "水"}, {19, "水"}, {20, "水"}, {81, "木"}, {132, "木"}};
    for (auto [n, e] : digits)
        EXPECT_EQ(numerology::ElementOfNumber(n), e) << n;
    EXPECT_EQ(numerology::GetThreeTalents(11, 23, 30), "木火水");
}

TEST(NameAnalysis, CommandAndSectionLines) {
    mingshu::testing::ReadingFixturePlatform platform;
    content::Query query(content::FileDbConnectionString());
    auto a = numerology::ComputeNameAnalysis(query, "张", "三");
    const std::vector<std::string> command = {"张三,您的姓名经过系统的分析,结果如下:",
                                              "",
                                              "",
                                              "天格: 12",
                                              "地格: 4",
                                              "人格: 14",
                                              "总格: 14",
                                              "外格: 2",
                                              "",
                                              "",
                                              "（凶）十四号读法：家缘薄，忍耐可成。",
                                              "",
                                              "补充:",
                                              "天格12分析:",
                                              "    （凶）十二号读法：薄弱无力，孤立无援。",
                                              "",
                                              "地格4分析:",
                                              "    （凶）四号读法：根基不稳，宜谨慎。",
                                              "",
                                              "人格14分析:",
                                              "    （凶）十四号读法：家缘薄，忍耐可成。",
                                              "",
                                              "外格2分析:",
                                              "    （吉）二号读法：两数相合，宜守成。"};
    EXPECT_EQ(numerology::NameAnalysisCommandLines("张", "三", a), command);
    auto section = numerology::NameAnalysisSectionLines(a);
    ASSERT_EQ(section.size(), 21u);
    EXPECT_EQ(section[0], "【姓名分析】");
    EXPECT_EQ(section[9], "详细分析:");
    EXPECT_EQ(section[20], "    （吉）二号读法：两数相合，宜守成。");

    // A total with no reading (44) shows the fallback unchanged.
    auto b = numerology::ComputeNameAnalysis(query, "欧阳", "明月");
    EXPECT_EQ(b.reading[static_cast<int>(GridKind::Total)], "无结果,请听下回分解");
    EXPECT_EQ(b.reading[static_cast<int>(GridKind::Person)], "（吉）二十五号读法：资性英敏，刚柔并济。");
}

TEST(ThreeTalents, CommandAndSectionLines) {
    mingshu::testing::ReadingFixturePlatform platform;
    content::Query query(content::FileDbConnectionString());
    auto found = numerology::ComputeThreeTalents(query, "张", "三");
    EXPECT_EQ(numerology::ThreeTalentsCommandLines("张", "三", found),
              (std::vector<std::string>{"张三,您的三才为木火火,经系统分析如下:", "", "",
                                        "    （吉）木生火，火火相助，成功顺利。"}));
    auto missing = numerology::ComputeThreeTalents(query, "欧阳", "明月");
    EXPECT_EQ(missing.elements, "木土木");
    EXPECT_EQ(numerology::ThreeTalentsCommandLines("欧阳", "明月", missing).back(), "    无结果,请听下回分解");
    EXPECT_EQ(numerology::ThreeTalentsSectionLines(missing), (std::vector<std::string>{"【三才分析】", "     "}));
}

TEST(BirthSigns, KeysAndFallback) {
    using namespace readings;
    EXPECT_EQ(BloodTypeReading("ab型"), BloodTypeReading("AB型"));
    EXPECT_EQ(BloodTypeReading("Ab型"), "请听下回分解!");
    EXPECT_EQ(BloodTypeReading("aB型"), "请听下回分解!");
    EXPECT_EQ(BloodTypeReading("A"), "请听下回分解!");
    EXPECT_EQ(StarSignIqReading("摩羯座"), StarSignIqReading("巨蟹座"));
    EXPECT_EQ(StarSignIqReading("白羊座").substr(0, 15), "智商： 80。");
    EXPECT_EQ(ZodiacReading("蛇").back(), ' '); // stored with its trailing blank
    EXPECT_EQ(ZodiacReading("牛").substr(0, 6), "最大");
    EXPECT_EQ(ZodiacReading(""), "请听下回分解!");
    auto lines = BirthSignCommandLines(BirthSign::Zodiac, "张", "三", "羊");
    EXPECT_EQ(lines[0], "张三,您的生肖为羊,经系统分析如下:");
    EXPECT_EQ(lines[3], "    " + ZodiacReading("羊"));
    auto section = BirthSignSectionLines("A型", "羊", "摩羯座");
    EXPECT_EQ(section, (std::vector<std::string>{"【血型测算】", "    " + BloodTypeReading("A型"), "", "【属性运程】",
                                                 "    " + ZodiacReading("羊"), "", "【星座运程】",
                                                 "    " + StarSignIqReading("摩羯座")}));
}

app::InputBar ZhangSan() {
    app::InputBar in;
    in.NameA = "张";
    in.NameB = "三";
    return in;
}

TEST(CombinedReport, OneEmptyLineAfterEachPart) {
    mingshu::testing::ReadingFixturePlatform platform;
    content::Query query(content::FileDbConnectionString());
    app::BirthProfile profile;
    app::LineReport report;
    ASSERT_TRUE(app::RunCombinedReport(ZhangSan(), profile, report, query, 2026));
    auto lines = report.lines();
    ASSERT_EQ(lines.size(), 11u + 1 + 2 + 1 + 21 + 1 + 8 + 1);
    EXPECT_EQ(lines[10].substr(0, 9), "大运：");
    EXPECT_EQ(lines[11], "");
    EXPECT_EQ(lines[12], "【三才分析】");
    EXPECT_EQ(lines[14], "");
    EXPECT_EQ(lines[15], "【姓名分析】");
    EXPECT_EQ(lines[36], "");
    EXPECT_EQ(lines[37], "【血型测算】");
    EXPECT_EQ(lines[44], "    " + readings::StarSignIqReading("摩羯座"));
    EXPECT_EQ(lines[45], "");

    // A second run replaces the first and gives the same report.
    ASSERT_TRUE(app::RunCombinedReport(ZhangSan(), profile, report, query, 2026));
    EXPECT_EQ(report.lines(), lines);
}

TEST(CombinedReport, MissingDatabaseKeepsTheBirthBlockOnly) {
    mingshu::testing::RecordingPlatform platform;
    platform.program_directory = mingshu::testing::ReadingFixtureDir() + "no-such-folder/";
    content::Query query(content::FileDbConnectionString());
    app::BirthProfile profile;
    app::LineReport report;
    EXPECT_THROW(app::RunCombinedReport(ZhangSan(), profile, report, query, 2026), SilentAbort);
    auto lines = report.lines();
    ASSERT_EQ(lines.size(), 12u); // the block, and the empty line that follows it
    EXPECT_EQ(lines[0], "姓名：张三");
    EXPECT_EQ(lines[11], "");
    EXPECT_TRUE(platform.messages.empty());
}

TEST(SingleReadings, NothingBeforeAConfirmedProfile) {
    mingshu::testing::ReadingFixturePlatform platform;
    content::Query query(content::FileDbConnectionString());
    app::BirthProfile empty;
    app::LineReport report;
    report.append("kept");
    EXPECT_FALSE(app::RunNameAnalysisCommand(empty, report, query));
    EXPECT_FALSE(app::RunThreeTalentsCommand(empty, report, query));
    for (auto sign : {readings::BirthSign::BloodType, readings::BirthSign::Zodiac, readings::BirthSign::StarSign})
        EXPECT_FALSE(app::RunBirthSignCommand(sign, empty, report));
    EXPECT_EQ(report.lines(), std::vector<std::string>{"kept"});
}

} // namespace
