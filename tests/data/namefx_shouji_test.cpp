// Checks of the grid-number readings (KelFile/namefx.tsv) and the mobile-number readings (dream/shouji.tsv).
//
// Both tables must agree with the compiled eighty-one-number table, which lists the traditional numbers
// 1 to 81 as records 0 to 80: a grid number N (1-81) carries the verdict of record N-1, a grid number
// above 81 reads as N-80, and the mobile key r reads as number r (key 0 as number 80).

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "content/tsv.h"
#include "numerology/eighty_one.h"

namespace {

using mingshu::content::ReadTsv;
using mingshu::content::TsvTable;
using mingshu::content::Utf8Length;

struct NumberEntry {
    std::string summary;
    std::string verdict;
};

// Summary and verdict of records 0 to 80, from the program's compiled table.
const std::vector<NumberEntry> kEightyOne = [] {
    std::vector<NumberEntry> entries;
    for (int i = 0; i < 81; ++i) {
        auto fields = mingshu::numerology::SplitReading(mingshu::numerology::EightyOneRecord(i));
        entries.push_back({fields.summary, fields.verdict});
    }
    return entries;
}();

std::string DataPath(const std::string &relative) {
    return std::string(MINGSHU_DATA_DIR) + "/" + relative;
}

// UTF-8 text as code points (the sources are valid UTF-8; a stray byte shows up as U+FFFD).
std::u32string ToCodePoints(const std::string &s) {
    std::u32string out;
    for (std::size_t i = 0; i < s.size();) {
        unsigned char c = s[i];
        int extra = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
        if (extra < 0 || i + extra >= s.size()) {
            out += U'\uFFFD';
            ++i;
            continue;
        }
        char32_t cp = extra == 0 ? c : c & (0x3F >> extra);
        bool ok = true;
        for (int k = 1; k <= extra; ++k) {
            unsigned char cc = s[i + k];
            if ((cc & 0xC0) != 0x80)
                ok = false;
            cp = (cp << 6) | (cc & 0x3F);
        }
        out += ok ? cp : U'\uFFFD';
        i += ok ? extra + 1 : 1;
    }
    return out;
}

// A reading holds Chinese characters and full-width punctuation only: no ASCII, no line breaks, and
// nothing that the program's GBK form could not hold.
bool IsReadingChar(char32_t c) {
    static const std::u32string punctuation = U"，。、；：！？“”（）";
    return (c >= 0x4E00 && c <= 0x9FA5) || punctuation.find(c) != std::u32string::npos;
}

std::string FirstBadChar(const std::string &text) {
    for (char32_t c : ToCodePoints(text))
        if (!IsReadingChar(c)) {
            char buf[16];
            std::snprintf(buf, sizeof buf, "U+%04X", static_cast<unsigned>(c));
            return buf;
        }
    return "";
}

// Chinese numeral of 0 < n < 1000 as the readings write it (十二, 二十, 一百零一, 一百一十).
std::string ChineseNumeral(int n) {
    static const char *digit[] = {"零", "一", "二", "三", "四", "五", "六", "七", "八", "九"};
    std::string s;
    int hundreds = n / 100, tens = n / 10 % 10, ones = n % 10;
    if (hundreds) {
        s += std::string(digit[hundreds]) + "百";
        if (tens == 0 && ones)
            s += "零";
    }
    if (tens)
        s += (tens == 1 && !hundreds ? std::string() : std::string(digit[tens])) + "十";
    if (ones)
        s += digit[ones];
    return s;
}

// Longest run of characters that two texts share.
std::size_t LongestCommonRun(const std::u32string &a, const std::u32string &b) {
    std::vector<std::size_t> prev(b.size() + 1, 0), cur(b.size() + 1, 0);
    std::size_t best = 0;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        for (std::size_t j = 1; j <= b.size(); ++j) {
            cur[j] = a[i - 1] == b[j - 1] ? prev[j - 1] + 1 : 0;
            best = std::max(best, cur[j]);
        }
        std::swap(prev, cur);
    }
    return best;
}

std::vector<std::string> KeysOf(const TsvTable &table) {
    std::vector<std::string> keys;
    for (const auto &row : table.rows)
        keys.push_back(row[0]);
    std::sort(keys.begin(), keys.end());
    return keys;
}

std::vector<std::string> DecimalKeys(int from, int to) {
    std::vector<std::string> keys;
    for (int n = from; n <= to; ++n)
        keys.push_back(std::to_string(n));
    std::sort(keys.begin(), keys.end());
    return keys;
}

// A grid-number reading split into its parts: "（吉）太极之数：..." gives 吉, 太极之数 and the rest.
struct GridReading {
    bool well_formed = false;
    std::string verdict, name, body;
};

GridReading ParseGridReading(const std::string &text) {
    static const std::string open = "（", close = "）", colon = "：";
    GridReading r;
    if (text.rfind(open, 0) != 0)
        return r;
    std::size_t end = text.find(close);
    if (end == std::string::npos)
        return r;
    std::size_t name_end = text.find(colon, end);
    if (name_end == std::string::npos)
        return r;
    r.verdict = text.substr(open.size(), end - open.size());
    r.name = text.substr(end + close.size(), name_end - end - close.size());
    r.body = text.substr(name_end + colon.size());
    r.well_formed = !r.name.empty() && r.name.find("，") == std::string::npos && r.name.find("。") == std::string::npos;
    return r;
}

std::string ReadRaw(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class NameAndMobileReadings : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        namefx_ = new TsvTable(ReadTsv(DataPath("KelFile/namefx.tsv")));
        shouji_ = new TsvTable(ReadTsv(DataPath("dream/shouji.tsv")));
    }
    static void TearDownTestSuite() {
        delete namefx_;
        delete shouji_;
        namefx_ = shouji_ = nullptr;
    }

    // Text of grid number n, or "" when the table lacks it.
    static std::string Grid(int n) {
        for (const auto &row : namefx_->rows)
            if (row[0] == std::to_string(n))
                return row[1];
        return "";
    }

    static TsvTable *namefx_;
    static TsvTable *shouji_;
};

TsvTable *NameAndMobileReadings::namefx_ = nullptr;
TsvTable *NameAndMobileReadings::shouji_ = nullptr;

TEST(EightyOneTable, HoldsTheVerdictCounts) {
    // 35 吉, 30 凶, 13 吉带凶, 3 凶带吉.
    std::map<std::string, int> count;
    for (const auto &e : kEightyOne)
        ++count[e.verdict];
    EXPECT_EQ(count["吉"], 35);
    EXPECT_EQ(count["凶"], 30);
    EXPECT_EQ(count["吉带凶"], 13);
    EXPECT_EQ(count["凶带吉"], 3);
    EXPECT_EQ(count.size(), 4u);
}

TEST_F(NameAndMobileReadings, FilesAreLfUtf8WithoutBom) {
    for (const char *file : {"KelFile/namefx.tsv", "dream/shouji.tsv"}) {
        std::string raw = ReadRaw(DataPath(file));
        ASSERT_FALSE(raw.empty()) << file;
        EXPECT_NE(raw.rfind("\xEF\xBB\xBF", 0), 0u) << file << " starts with a BOM";
        EXPECT_EQ(raw.find('\r'), std::string::npos) << file << " has CR line ends";
        EXPECT_EQ(ToCodePoints(raw).find(U'\uFFFD'), std::u32string::npos) << file << " is not valid UTF-8";
    }
}

TEST_F(NameAndMobileReadings, TablesHaveTheirColumnsAndExactKeys) {
    EXPECT_EQ(namefx_->columns, (std::vector<std::string>{"num", "content"}));
    EXPECT_EQ(shouji_->columns, (std::vector<std::string>{"num", "title", "jx", "content"}));
    // Keys are plain decimal text: "7", never "07"; each appears once.
    EXPECT_EQ(KeysOf(*namefx_), DecimalKeys(1, 160));
    EXPECT_EQ(KeysOf(*shouji_), DecimalKeys(0, 79));
}

TEST_F(NameAndMobileReadings, NoTextIsEmptyOrRepeated) {
    std::set<std::string> seen;
    for (const auto *table : {namefx_, shouji_}) {
        int content = table->column("content");
        ASSERT_GE(content, 0);
        for (const auto &row : table->rows) {
            EXPECT_FALSE(row[content].empty()) << "key " << row[0];
            EXPECT_TRUE(seen.insert(row[content]).second) << "text of key " << row[0] << " appears twice";
        }
    }
}

TEST_F(NameAndMobileReadings, GridReadingsHaveVerdictNameAndBodyOfTheRightLength) {
    for (const auto &row : namefx_->rows) {
        const std::string &text = row[1];
        GridReading r = ParseGridReading(text);
        ASSERT_TRUE(r.well_formed) << "num " << row[0] << ": " << text;
        EXPECT_TRUE(r.verdict == "吉" || r.verdict == "凶" || r.verdict == "吉带凶" || r.verdict == "凶带吉")
            << "num " << row[0] << " verdict " << r.verdict;
        std::size_t length = Utf8Length(r.body);
        EXPECT_GE(length, 80u) << "num " << row[0];
        EXPECT_LE(length, 200u) << "num " << row[0];
        EXPECT_EQ(FirstBadChar(text), "") << "num " << row[0];
    }
}

TEST_F(NameAndMobileReadings, GridVerdictsFollowTheEightyOneTable) {
    std::set<std::string> names;
    for (int n = 1; n <= 81; ++n) {
        GridReading r = ParseGridReading(Grid(n));
        ASSERT_TRUE(r.well_formed) << "num " << n;
        EXPECT_EQ(r.verdict, kEightyOne[n - 1].verdict) << "num " << n;
        EXPECT_TRUE(names.insert(r.name).second) << "num " << n << " repeats the name " << r.name;
    }
}

TEST_F(NameAndMobileReadings, GridNumbersAboveEightyOneReadAsTheNumberLessEighty) {
    for (int n = 82; n <= 160; ++n) {
        GridReading r = ParseGridReading(Grid(n));
        GridReading base = ParseGridReading(Grid(n - 80));
        ASSERT_TRUE(r.well_formed && base.well_formed) << "num " << n;
        EXPECT_EQ(r.verdict, kEightyOne[n - 81].verdict) << "num " << n;
        EXPECT_EQ(r.verdict, base.verdict) << "num " << n;
        EXPECT_EQ(r.name, base.name) << "num " << n;

        // The first sentence names the number and the number it reads as.
        std::string first = r.body.substr(0, r.body.find("。"));
        EXPECT_NE(first.find("数至" + ChineseNumeral(n)), std::string::npos) << "num " << n << ": " << first;
        EXPECT_NE(first.find("按" + ChineseNumeral(n - 80) + "数论"), std::string::npos)
            << "num " << n << ": " << first;

        // Written afresh, not a copy of the reading it follows: no long run of the same wording.
        EXPECT_LT(LongestCommonRun(ToCodePoints(r.body), ToCodePoints(base.body)), 30u) << "num " << n;
    }
}

TEST(ChineseNumeralHelper, WritesNumbersAsTheReadingsDo) {
    const std::pair<int, const char *> cases[] = {{1, "一"},         {10, "十"},          {12, "十二"},
                                                  {20, "二十"},      {80, "八十"},        {101, "一百零一"},
                                                  {110, "一百一十"}, {115, "一百一十五"}, {160, "一百六十"}};
    for (const auto &[n, text] : cases)
        EXPECT_EQ(ChineseNumeral(n), text) << n;
}

TEST_F(NameAndMobileReadings, MobileRowsCarryTheSummaryAndVerdictOfTheirNumber) {
    int num = shouji_->column("num"), title = shouji_->column("title"), jx = shouji_->column("jx"),
        content = shouji_->column("content");
    for (const auto &row : shouji_->rows) {
        int key = std::stoi(row[num]);
        ASSERT_TRUE(key >= 0 && key <= 79) << row[num];
        // Key r is number r, key 0 is number 80; number m is record m-1.
        const NumberEntry &e = kEightyOne[key == 0 ? 79 : key - 1];
        EXPECT_EQ(row[title], e.summary) << "key " << key;
        EXPECT_EQ(row[jx], e.verdict) << "key " << key;
        // The grid reading of the same number never says otherwise.
        EXPECT_EQ(ParseGridReading(Grid(key == 0 ? 80 : key)).verdict, row[jx]) << "key " << key;

        std::size_t length = Utf8Length(row[content]);
        EXPECT_GE(length, 40u) << "key " << key;
        EXPECT_LE(length, 120u) << "key " << key;
        EXPECT_EQ(FirstBadChar(row[content]), "") << "key " << key;
    }
}

} // namespace
