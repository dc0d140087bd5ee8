// The eighty-one-number readings: every record against its reference text, the remainder rule, the number
// format and the split into the window's labels.
#include "numerology/eighty_one.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>

namespace num = mingshu::numerology;

namespace {

// The reference records, one a line: index, TAB, the full record text.
std::map<int, std::string> ReferenceRecords() {
    std::ifstream in(std::string(MINGSHU_TEST_SOURCE_DIR) + "/eighty_one_records.txt", std::ios::binary);
    std::map<int, std::string> records;
    std::string line;
    while (std::getline(in, line)) {
        const auto tab = line.find('\t');
        records[std::stoi(line.substr(0, tab))] = line.substr(tab + 1);
    }
    return records;
}

TEST(EightyOneRecords, EveryRecordMatchesItsReferenceText) {
    const auto reference = ReferenceRecords();
    ASSERT_EQ(reference.size(), 81u);
    for (const auto &[index, text] : reference)
        EXPECT_EQ(num::EightyOneRecord(index), text) << "record " << index;
}

TEST(EightyOneRecords, RecordsOutsideTheTableDoNotExist) {
    EXPECT_THROW(num::EightyOneRecord(81), std::out_of_range);
    EXPECT_THROW(num::EightyOneRecord(-1), std::out_of_range);
}

TEST(GetNumberReading, UsesTheWholeNumberModulo81WithTheRemainderTakingTheSignOfTheNumber) {
    struct Case {
        const char *number;
        int record; // -1: the fallback text
    };
    const Case cases[] = {
        {"0", 0},
        {"81", 0},
        {"162", 0},
        {"0081", 0}, // leading zeros read as decimal, not octal
        {"1", 1},
        {"80", 80},
        {"79", 79},
        {"12345", 33},
        {"999999999999999999", 0}, // eighteen nines, the longest entry
        {"9223372036854775807", 25},
        {"+5", 5},
        {"-81", 0},
        {"-162", 0},
        {"-1", -1},
        {"-83", -1},
        {"-9223372036854775808", -1},
    };
    for (const Case &c : cases) {
        const std::string expected = c.record < 0 ? std::string(num::kNumberFallback) : num::EightyOneRecord(c.record);
        EXPECT_EQ(num::GetNumberReading(c.number), expected) << c.number;
    }
}

TEST(GetNumberReading, RefusesTextsThatAreNoDecimalIntegerOf64Bits) {
    for (const char *text : {"", "abc", "12a", " 12", "12 ", "0x1F", "$FF", "1e5", "1.0", "+-5", "--5", "-", "+", "９",
                             "9223372036854775808", "-9223372036854775809", "99999999999999999999"})
        EXPECT_THROW(num::GetNumberReading(text), num::NumberFormatError) << text;
}

TEST(GetNumberReading, TheErrorNamesTheText) {
    try {
        num::GetNumberReading("12a");
        FAIL();
    } catch (const num::NumberFormatError &e) {
        EXPECT_STREQ(e.what(), "“12a”不是有效的整数");
    }
}

TEST(SplitReading, FillsSummaryVerdictAndPersonality) {
    const auto fields = num::SplitReading(num::EightyOneRecord(79));
    EXPECT_EQ(fields.summary, "得而复失，枉费心机，守成无贪，可保安稳");
    EXPECT_EQ(fields.verdict, "吉带凶");
    EXPECT_EQ(fields.personality,
              "主人性格类型：[好奇心旺求知欲强型]，其具体表现为：好奇心极度旺盛，求知欲又强，有打烂沙盘"
              "问到笃的锲而不舍精神。此外，你天生有语言天分，学习外文比一般人更易掌握。");
}

TEST(SplitReading, TextsWithFewerBarsFillFromThePersonality) {
    struct Case {
        const char *text, *summary, *verdict, *personality;
    };
    const Case cases[] = {
        {"对不起,此号不在分解之类。", "", "", "对不起,此号不在分解之类。"},
        {"甲|乙", "甲", "", "乙"},
        {"甲|乙|丙|丁", "甲", "乙", "丙|丁"},
        {"||", "", "", ""},
    };
    for (const Case &c : cases) {
        const auto f = num::SplitReading(c.text);
        EXPECT_EQ(f.summary, c.summary) << c.text;
        EXPECT_EQ(f.verdict, c.verdict) << c.text;
        EXPECT_EQ(f.personality, c.personality) << c.text;
    }
}

} // namespace
