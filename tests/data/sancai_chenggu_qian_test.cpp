// Checks of the three-talents readings (KelFile/sancai.tsv), the bone-weight tables
// (dream/chenggu.tsv, chenggu1.tsv ... chenggu4.tsv) and the temple lots (dream/qian.tsv).
//
// Three-talents grade rule, applied to the pair heaven-person and to the pair person-earth:
//   - both pairs overcome (one element of the pair overcomes the other)        -> 大凶
//   - exactly one pair overcomes                                               -> 凶
//   - no pair overcomes, both pairs generate (one element feeds the other)     -> 大吉
//   - no pair overcomes, one pair generates and the other is the same element  -> 吉
//   - both pairs are the same element                                          -> 中吉
// Generation runs 木→火→土→金→水→木; overcoming runs 木→土→水→火→金→木.
//
// Bone weight: the window adds the four weights as a double, writes the total with at most 15
// significant digits and keys the reading by the first digit and the first decimal ("4" gives 40,
// "3.5" gives 35). Every total that some year, month, day and hour can give must find its reading.

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "content/tsv.h"

namespace {

using mingshu::content::ReadTsv;
using mingshu::content::TsvTable;
using mingshu::content::Utf8Length;

std::string DataPath(const std::string &relative) {
    return std::string(MINGSHU_DATA_DIR) + "/" + relative;
}

// The characters of a UTF-8 text, each as its own string.
std::vector<std::string> Chars(const std::string &s) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < s.size();) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        std::size_t n = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : 4;
        out.push_back(s.substr(i, n));
        i += n;
    }
    return out;
}

bool IsHan(const std::string &ch) {
    if (ch.size() != 3)
        return false;
    unsigned cp = ((static_cast<unsigned char>(ch[0]) & 0x0F) << 12) |
                  ((static_cast<unsigned char>(ch[1]) & 0x3F) << 6) | (static_cast<unsigned char>(ch[2]) & 0x3F);
    return cp >= 0x4E00 && cp <= 0x9FFF;
}

std::vector<std::string> Split(const std::string &s, const std::string &sep) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        std::size_t at = s.find(sep, start);
        parts.push_back(s.substr(start, at == std::string::npos ? std::string::npos : at - start));
        if (at == std::string::npos)
            return parts;
        start = at + sep.size();
    }
}

// Sentences of a text, cut at "。", without empty pieces.
std::vector<std::string> Sentences(const std::string &text) {
    std::vector<std::string> out;
    for (const auto &piece : Split(text, "。"))
        if (!piece.empty())
            out.push_back(piece);
    return out;
}

std::map<std::string, std::string> KeyedColumn(const TsvTable &table, const std::string &key,
                                               const std::string &value) {
    std::map<std::string, std::string> out;
    int k = table.column(key), v = table.column(value);
    for (const auto &row : table.rows)
        out[row[k]] = row[v];
    return out;
}

std::vector<std::string> KeysInOrder(const TsvTable &table) {
    std::vector<std::string> keys;
    for (const auto &row : table.rows)
        keys.push_back(row[0]);
    return keys;
}

// ---- Three talents ------------------------------------------------------------------------------

const std::vector<std::string> kElements = {"木", "火", "土", "金", "水"};

int ElementIndex(const std::string &e) {
    for (int i = 0; i < 5; ++i)
        if (kElements[i] == e)
            return i;
    return -1;
}

enum class Relation { Same, Generating, Overcoming };

bool Generates(int a, int b) {
    return (a + 1) % 5 == b;
}
bool Overcomes(int a, int b) {
    return (a + 2) % 5 == b;
}

Relation Between(int a, int b) {
    if (a == b)
        return Relation::Same;
    if (Generates(a, b) || Generates(b, a))
        return Relation::Generating;
    EXPECT_TRUE(Overcomes(a, b) || Overcomes(b, a)) << a << " " << b;
    return Relation::Overcoming;
}

std::string ExpectedGrade(const std::string &talents) {
    auto c = Chars(talents);
    Relation upper = Between(ElementIndex(c[0]), ElementIndex(c[1]));
    Relation lower = Between(ElementIndex(c[1]), ElementIndex(c[2]));
    int overcoming = (upper == Relation::Overcoming) + (lower == Relation::Overcoming);
    int generating = (upper == Relation::Generating) + (lower == Relation::Generating);
    if (overcoming == 2)
        return "大凶";
    if (overcoming == 1)
        return "凶";
    return generating == 2 ? "大吉" : generating == 1 ? "吉" : "中吉";
}

// Splits "（grade）body" into grade and body; grade is empty when the text does not start that way.
std::pair<std::string, std::string> GradeAndBody(const std::string &text) {
    const std::string open = "（", close = "）";
    if (text.rfind(open, 0) != 0)
        return {"", text};
    std::size_t end = text.find(close);
    if (end == std::string::npos)
        return {"", text};
    return {text.substr(open.size(), end - open.size()), text.substr(end + close.size())};
}

class ThreeTalentsReadings : public ::testing::Test {
protected:
    void SetUp() override { table = ReadTsv(DataPath("KelFile/sancai.tsv")); }
    TsvTable table;
};

TEST(ThreeTalentsRule, ElementCyclesAreTheTraditionalOnes) {
    struct Case {
        const char *a, *b;
        Relation relation;
    } cases[] = {
        {"木", "火", Relation::Generating}, {"火", "土", Relation::Generating}, {"土", "金", Relation::Generating},
        {"金", "水", Relation::Generating}, {"水", "木", Relation::Generating}, {"火", "木", Relation::Generating},
        {"木", "土", Relation::Overcoming}, {"土", "水", Relation::Overcoming}, {"水", "火", Relation::Overcoming},
        {"火", "金", Relation::Overcoming}, {"金", "木", Relation::Overcoming}, {"土", "木", Relation::Overcoming},
        {"金", "金", Relation::Same},
    };
    for (const auto &c : cases)
        EXPECT_EQ(Between(ElementIndex(c.a), ElementIndex(c.b)), c.relation) << c.a << c.b;

    // A few strings whose grade follows plainly from the rule.
    std::map<std::string, std::string> grades = {
        {"木火土", "大吉"}, {"水木火", "大吉"}, {"土金水", "大吉"}, {"火火土", "吉"},
        {"水金金", "吉"},   {"木木木", "中吉"}, {"水水水", "中吉"}, {"土木水", "凶"},
        {"木火金", "凶"},   {"金木金", "大凶"}, {"水火金", "大凶"},
    };
    for (const auto &[talents, grade] : grades)
        EXPECT_EQ(ExpectedGrade(talents), grade) << talents;
}

TEST_F(ThreeTalentsReadings, HoldsExactlyTheHundredTwentyFiveStrings) {
    ASSERT_EQ(table.columns, (std::vector<std::string>{"title", "content"}));
    std::set<std::string> expected;
    for (const auto &h : kElements)
        for (const auto &p : kElements)
            for (const auto &e : kElements)
                expected.insert(h + p + e);
    std::multiset<std::string> found;
    for (const auto &row : table.rows)
        found.insert(row[0]);
    EXPECT_EQ(found.size(), 125u);
    EXPECT_EQ(std::set<std::string>(found.begin(), found.end()), expected);
    for (const auto &key : expected)
        EXPECT_EQ(found.count(key), 1u) << key;
}

TEST_F(ThreeTalentsReadings, EveryGradeFollowsTheRule) {
    for (const auto &row : table.rows)
        EXPECT_EQ(GradeAndBody(row[1]).first, ExpectedGrade(row[0])) << row[0];
}

TEST_F(ThreeTalentsReadings, BodiesSpeakOfSuccessFoundationAndHealthInTheirLength) {
    for (const auto &row : table.rows) {
        const std::string body = GradeAndBody(row[1]).second;
        std::size_t length = Utf8Length(body);
        EXPECT_GE(length, 60u) << row[0];
        EXPECT_LE(length, 150u) << row[0];
        EXPECT_EQ(body.find_first_of("\n\t"), std::string::npos) << row[0];
        EXPECT_EQ(body.find("（"), std::string::npos) << row[0] << ": a second grade inside the text";
        EXPECT_NE(body.find("成功"), std::string::npos) << row[0] << ": says nothing on success";
        EXPECT_TRUE(body.find("基础") != std::string::npos || body.find("根基") != std::string::npos)
            << row[0] << ": says nothing on the foundation";
        EXPECT_TRUE(body.find("健康") != std::string::npos || body.find("身体") != std::string::npos)
            << row[0] << ": says nothing on health";
    }
}

TEST_F(ThreeTalentsReadings, NoTwoReadingsShareASentence) {
    std::map<std::string, std::string> first_seen;
    for (const auto &row : table.rows)
        for (const auto &sentence : Sentences(GradeAndBody(row[1]).second)) {
            auto [it, inserted] = first_seen.emplace(sentence, row[0]);
            EXPECT_TRUE(inserted) << row[0] << " repeats a sentence of " << it->second << ": " << sentence;
        }
}

// ---- Bone weight --------------------------------------------------------------------------------

const std::vector<std::string> kMonths = {"正", "二", "三", "四", "五", "六", "七", "八", "九", "十", "十一", "腊"};

std::vector<std::string> LunarDayNames() {
    const std::vector<std::string> digits = {"一", "二", "三", "四", "五", "六", "七", "八", "九"};
    std::vector<std::string> days;
    for (const auto &d : digits)
        days.push_back("初" + d);
    days.push_back("初十");
    for (const auto &d : digits)
        days.push_back("十" + d);
    days.push_back("二十");
    for (const auto &d : digits)
        days.push_back("廿" + d);
    days.push_back("三十");
    return days;
}

// The weight key as the window forms it from the total.
std::string WeightKey(double total) {
    char text[64];
    std::snprintf(text, sizeof text, "%.15g", total);
    std::string s = text;
    if (s.size() < 2)
        return s + "0";
    return std::string{s[0], s[2]};
}

class BoneWeightTables : public ::testing::Test {
protected:
    void SetUp() override {
        years = ReadTsv(DataPath("dream/chenggu1.tsv"));
        months = ReadTsv(DataPath("dream/chenggu2.tsv"));
        days = ReadTsv(DataPath("dream/chenggu3.tsv"));
        hours = ReadTsv(DataPath("dream/chenggu4.tsv"));
        readings = ReadTsv(DataPath("dream/chenggu.tsv"));
    }
    TsvTable years, months, days, hours, readings;
};

TEST_F(BoneWeightTables, PartTablesHaveExactlyTheWindowKeys) {
    ASSERT_EQ(years.columns, (std::vector<std::string>{"year", "weight"}));
    ASSERT_EQ(months.columns, (std::vector<std::string>{"month", "weight"}));
    ASSERT_EQ(days.columns, (std::vector<std::string>{"day", "weight"}));
    ASSERT_EQ(hours.columns, (std::vector<std::string>{"time", "weight"}));

    std::vector<std::string> year_keys, hour_keys;
    for (int y = 1900; y <= 2100; ++y)
        year_keys.push_back(std::to_string(y));
    for (int h = 0; h <= 23; ++h)
        hour_keys.push_back(std::to_string(h));
    EXPECT_EQ(KeysInOrder(years), year_keys);
    EXPECT_EQ(KeysInOrder(months), kMonths);
    EXPECT_EQ(KeysInOrder(days), LunarDayNames());
    EXPECT_EQ(KeysInOrder(hours), hour_keys);
}

TEST_F(BoneWeightTables, WeightsAreDecimalLiangWithOneDecimal) {
    const std::regex liang("[01]\\.[0-9]");
    for (const TsvTable *table : {&years, &months, &days, &hours})
        for (const auto &row : table->rows) {
            EXPECT_TRUE(std::regex_match(row[1], liang)) << table->columns[0] << " " << row[0] << ": " << row[1];
            EXPECT_NE(row[1], "0.0") << row[0];
        }
}

TEST_F(BoneWeightTables, YearsFollowTheSixtyYearCycleAndHoursTheirBranch) {
    auto year = KeyedColumn(years, "year", "weight");
    for (int y = 1900; y + 60 <= 2100; ++y)
        EXPECT_EQ(year[std::to_string(y)], year[std::to_string(y + 60)]) << y;
    // 庚子 1900, 甲子 1924 and 1984, 己卯 1939, 戊午 1978, 丁酉 2017, 庚申 2100.
    std::map<std::string, std::string> known = {{"1900", "0.7"}, {"1924", "1.2"}, {"1939", "1.9"}, {"1978", "1.9"},
                                                {"1984", "1.2"}, {"2017", "1.4"}, {"2100", "0.8"}};
    for (const auto &[y, w] : known)
        EXPECT_EQ(year[y], w) << y;

    auto hour = KeyedColumn(hours, "time", "weight");
    EXPECT_EQ(hour["23"], hour["0"]) << "23 and 0 are both 子";
    for (int h = 1; h <= 21; h += 2)
        EXPECT_EQ(hour[std::to_string(h)], hour[std::to_string(h + 1)]) << h << " and " << h + 1;
    EXPECT_EQ(hour["0"], "1.6");  // 子
    EXPECT_EQ(hour["12"], "1.0"); // 午

    auto month = KeyedColumn(months, "month", "weight");
    EXPECT_EQ(month["正"], "0.6");
    EXPECT_EQ(month["腊"], "0.5");
    auto day = KeyedColumn(days, "day", "weight");
    EXPECT_EQ(day["初一"], "0.5");
    EXPECT_EQ(day["三十"], "0.6");
}

TEST(BoneWeightKey, FollowsTheWindowRule) {
    EXPECT_EQ(WeightKey(4.0), "40");
    EXPECT_EQ(WeightKey(3.5), "35");
    EXPECT_EQ(WeightKey(3.25), "32");
    EXPECT_EQ(WeightKey(0.6 + 0.7 + 0.8 + 0.9), "30"); // 2.9999999999999996 prints as 3
    EXPECT_EQ(WeightKey(0.1 + 0.2), "03");
}

TEST_F(BoneWeightTables, EveryReachableTotalHasAReading) {
    auto distinct = [](const TsvTable &t) {
        std::set<double> values;
        for (const auto &row : t.rows)
            values.insert(std::stod(row[1]));
        return values;
    };
    auto tenths = [](const TsvTable &t) {
        std::set<int> values;
        for (const auto &row : t.rows)
            values.insert((row[1][0] - '0') * 10 + (row[1][2] - '0'));
        return values;
    };
    auto reading = KeyedColumn(readings, "weight", "content");

    // The window's own arithmetic: a double, added in the order year, month, day, hour.
    std::set<std::string> reached;
    for (double y : distinct(years))
        for (double m : distinct(months))
            for (double d : distinct(days))
                for (double h : distinct(hours)) {
                    double total = 0;
                    total += y;
                    total += m;
                    total += d;
                    total += h;
                    ASSERT_LT(total, 10.0);
                    reached.insert(WeightKey(total));
                }
    for (const auto &key : reached)
        EXPECT_TRUE(reading.count(key)) << "a reachable total gives key " << key << ", which has no reading";

    // The same totals counted exactly in qian: rounding must never move a total to another key.
    std::set<std::string> exact;
    for (int y : tenths(years))
        for (int m : tenths(months))
            for (int d : tenths(days))
                for (int h : tenths(hours)) {
                    int qian = y + m + d + h;
                    exact.insert(std::to_string(qian / 10) + std::to_string(qian % 10));
                }
    EXPECT_EQ(reached, exact);
    EXPECT_EQ(*reached.begin(), "21");
    EXPECT_EQ(*reached.rbegin(), "71");
}

TEST_F(BoneWeightTables, ReadingsAreAVerseAndAnExplanationForTwoOneToSevenTwo) {
    ASSERT_EQ(readings.columns, (std::vector<std::string>{"weight", "content"}));
    std::vector<std::string> expected;
    for (int w = 21; w <= 72; ++w)
        expected.push_back(std::to_string(w));
    EXPECT_EQ(KeysInOrder(readings), expected);

    std::set<std::string> verses, explanations;
    for (const auto &row : readings.rows) {
        auto parts = Split(row[1], "\n");
        ASSERT_EQ(parts.size(), 2u) << row[0] << ": verse and explanation on two lines";
        const std::string &verse = parts[0], &explanation = parts[1];

        std::vector<std::string> clauses;
        std::string clause;
        for (const auto &ch : Chars(verse)) {
            if (ch == "，" || ch == "。") {
                clauses.push_back(clause);
                clause.clear();
            } else {
                EXPECT_TRUE(IsHan(ch)) << row[0] << ": " << ch;
                clause += ch;
            }
        }
        EXPECT_TRUE(clause.empty()) << row[0] << ": verse must end with a stop";
        ASSERT_EQ(clauses.size(), 4u) << row[0];
        for (const auto &c : clauses)
            EXPECT_EQ(Utf8Length(c), 7u) << row[0] << ": " << c;

        EXPECT_GE(Utf8Length(explanation), 40u) << row[0];
        EXPECT_LE(Utf8Length(explanation), 100u) << row[0];
        EXPECT_TRUE(verses.insert(verse).second) << row[0] << ": repeated verse";
        EXPECT_TRUE(explanations.insert(explanation).second) << row[0] << ": repeated explanation";
    }
}

// ---- Temple lots --------------------------------------------------------------------------------

class TempleLots : public ::testing::Test {
protected:
    void SetUp() override { table = ReadTsv(DataPath("dream/qian.tsv")); }
    TsvTable table;
};

TEST_F(TempleLots, HundredLotsWithAKnownGrade) {
    ASSERT_EQ(table.columns, (std::vector<std::string>{"num", "grade", "verse", "content"}));
    std::vector<std::string> expected;
    for (int n = 1; n <= 100; ++n)
        expected.push_back(std::to_string(n));
    EXPECT_EQ(KeysInOrder(table), expected);
    const std::set<std::string> grades = {"上上", "上吉", "中吉", "中平", "下下"};
    for (const auto &row : table.rows)
        EXPECT_TRUE(grades.count(row[1])) << row[0] << ": " << row[1];
}

TEST_F(TempleLots, VersesAreFourLinesOfSevenCharacters) {
    std::map<std::string, std::string> first_seen;
    for (const auto &row : table.rows) {
        auto lines = Split(row[2], "\n");
        ASSERT_EQ(lines.size(), 4u) << row[0];
        for (std::size_t i = 0; i < lines.size(); ++i) {
            auto chars = Chars(lines[i]);
            ASSERT_EQ(chars.size(), 8u) << row[0] << ": " << lines[i];
            for (std::size_t k = 0; k < 7; ++k)
                EXPECT_TRUE(IsHan(chars[k])) << row[0] << ": " << lines[i];
            EXPECT_EQ(chars[7], i % 2 ? "。" : "，") << row[0] << ": " << lines[i];
            auto [it, inserted] = first_seen.emplace(lines[i], row[0]);
            EXPECT_TRUE(inserted) << row[0] << " repeats a line of lot " << it->second << ": " << lines[i];
        }
    }
}

// Ends the interpretation of a lot whose verse is not the traditional one but written by us.
const std::string kOwnVerseNote = "（此签诗为本系统补撰，非旧本原文。）";

TEST_F(TempleLots, InterpretationsAreOwnTextsOfTheirLength) {
    std::map<std::string, std::string> first_seen;
    for (const auto &row : table.rows) {
        std::string text = row[3];
        EXPECT_GE(Utf8Length(text), 60u) << row[0];
        EXPECT_LE(Utf8Length(text), 150u) << row[0];
        EXPECT_EQ(text.find_first_of("\n\t"), std::string::npos) << row[0];
        if (text.size() > kOwnVerseNote.size() && text.ends_with(kOwnVerseNote))
            text.resize(text.size() - kOwnVerseNote.size());
        for (const auto &sentence : Sentences(text)) {
            auto [it, inserted] = first_seen.emplace(sentence, row[0]);
            EXPECT_TRUE(inserted) << row[0] << " repeats a sentence of lot " << it->second << ": " << sentence;
        }
    }
}

// ---- Files --------------------------------------------------------------------------------------

TEST(SancaiChengguQianFiles, AreUtf8WithLfLineEndsAndNoBom) {
    for (const char *name : {"KelFile/sancai.tsv", "dream/chenggu.tsv", "dream/chenggu1.tsv", "dream/chenggu2.tsv",
                             "dream/chenggu3.tsv", "dream/chenggu4.tsv", "dream/qian.tsv"}) {
        std::ifstream in(DataPath(name), std::ios::binary);
        ASSERT_TRUE(in) << name;
        std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        EXPECT_NE(bytes.rfind("\xEF\xBB\xBF", 0), 0u) << name << " starts with a BOM";
        EXPECT_EQ(bytes.find('\r'), std::string::npos) << name << " has CR characters";
        ASSERT_FALSE(bytes.empty()) << name;
        EXPECT_EQ(bytes.back(), '\n') << name << " lacks a final line end";
        // Well-formed UTF-8: every lead byte is followed by the right number of continuation bytes.
        for (std::size_t i = 0; i < bytes.size();) {
            unsigned char c = static_cast<unsigned char>(bytes[i]);
            std::size_t n = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
            ASSERT_NE(n, 0u) << name << ": bad lead byte at " << i;
            ASSERT_LE(i + n, bytes.size()) << name;
            for (std::size_t k = 1; k < n; ++k)
                ASSERT_EQ(static_cast<unsigned char>(bytes[i + k]) & 0xC0, 0x80) << name << ": at " << i;
            i += n;
        }
    }
}

} // namespace
