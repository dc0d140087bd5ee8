// Checks of the grid-number readings (KelFile/namefx.tsv) and the mobile-number readings (dream/shouji.tsv).
//
// Both tables must agree with the compiled eighty-one-number table, which lists the traditional numbers
// 1 to 81 as records 0 to 80: a grid number N (1-81) carries the verdict of record N-1, a grid number
// above 81 reads as N-80, and the mobile key r reads as number r (key 0 as number 80).
// The program's own table is not yet available to this test, so the summaries and verdicts are kept here.

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

namespace {

using mingshu::content::ReadTsv;
using mingshu::content::TsvTable;
using mingshu::content::Utf8Length;

struct NumberEntry {
    const char *summary;
    const char *verdict;
};

// Summary and verdict of records 0 to 80, as the compiled table stores them.
const NumberEntry kEightyOne[81] = {
    {"大展鸿图，信用得固，名利双收，可获成功", "吉"},
    {"根基不固，摇摇欲坠，一盛一衰，劳而无获", "凶"},
    {"根深蒂固，蒸蒸日上，如意吉祥，百事顺遂", "吉"},
    {"前途坎坷，苦难折磨，非有毅力，难望成功", "凶"},
    {"阴阳和合，生意兴隆，名利双收，后福重重", "吉"},
    {"万宝集门，天降幸运，立志奋发，得成大功", "吉"},
    {"独营生意，和气吉祥，排除万难，必获成功", "吉"},
    {"努力发达，贯彻志望，不忘进退，可望成功", "吉"},
    {"虽抱奇才，有才无命，独营无力，财力难望", "凶"},
    {"乌云遮月，暗淡无光，空费心力，徒劳无功", "凶"},
    {"草木逢春，枝叶沾露，稳健着实，必得人望", "吉"},
    {"薄弱无力，孤立无援，外祥内苦，谋事难成", "凶"},
    {"天赋吉运，能得人望，善用智慧，必获成功", "吉"},
    {"忍得若难，必有后福，是成是败，惟靠紧毅", "凶"},
    {"谦恭做事，外得人和，大事成就，一门兴隆", "吉"},
    {"能获众望，成就大业，名利双收，盟主四方", "吉"},
    {"排除万难，有贵人助，把握时机，可得成功", "吉"},
    {"经商做事，顺利昌隆，如能慎始，百事亨通", "吉"},
    {"成功虽早，慎防亏空，内外不合，障碍重重", "凶"},
    {"智商志大，历尽艰难，焦心忧劳，进得两难", "凶"},
    {"先历困苦，后得幸福，霜雪梅花，春来怒放", "吉"},
    {"秋草逢霜，怀才不遇，忧愁怨苦，事不如意", "凶"},
    {"旭日升天，名显四方，渐次进展，终成大业", "吉"},
    {"绵绣前程，须靠自力，多用智谋，能奏大功", "吉"},
    {"天时地利，只欠人和，讲信修睦，即可成功", "吉"},
    {"波澜起伏，千变万化，凌架万难，必可成功", "凶"},
    {"一成一败，一盛一衰，惟靠谨慎，可守成功", "凶带吉"},
    {"鱼临旱地，难逃恶运，此数大凶，不如更名", "凶"},
    {"如龙得云，青云直上，智谋奋进，才略奏功", "吉"},
    {"吉凶参半，得失相伴，投机取巧，吉凶无常", "凶"},
    {"此数大吉，名利双收，渐进向上，大业成就", "吉"},
    {"池中之龙，风云际会，一跃上天，成功可望", "吉"},
    {"意气用事，人和必失，如能慎始，必可昌隆", "吉"},
    {"灾难不绝，难望成功，此数大凶，不如更名", "凶"},
    {"中吉之数，进退保守，生意安稳，成就普通", "吉"},
    {"波澜得叠，常陷穷困，动不如静，有才无命", "凶"},
    {"逢凶化吉，吉人天相，风调雨顺，生意兴隆", "吉"},
    {"名虽可得，利则难获，艺界发展，可望成功", "凶带吉"},
    {"云开见月，虽有劳碌，光明坦途，指日可望", "吉"},
    {"一成一衰，沉浮不定，知难而退，自获天佑", "吉带凶"},
    {"天赋吉运，德望兼备，继续努力，前途无限", "吉"},
    {"事业不专，十九不成，专心进取，可望成功", "吉带凶"},
    {"雨夜之花，外祥内苦，忍耐自重，转凶为吉", "吉带凶"},
    {"虽用心计，事难遂愿，贪功冒进，必招失败", "凶"},
    {"杨柳遇春，绿叶发枝，冲破难关，一举成名", "吉"},
    {"坎坷不平，艰难重重，若无耐心，难望有成", "凶"},
    {"有贵人助，可成大业，虽遇不幸，浮沉不定", "吉"},
    {"美化丰实，鹤立鸡群，名利俱全，繁荣富贵", "吉"},
    {"遇吉则吉，遇凶则凶，惟靠谨慎，逢凶化吉", "凶"},
    {"吉凶互见，一成一败，凶中有吉，吉中有凶", "吉带凶"},
    {"一盛一衰，浮沉不常，自重自处，可保平安", "吉带凶"},
    {"草木逢春，雨过天晴，渡过难关，即获得成功", "吉"},
    {"盛衰参半，外祥内苦，先吉后凶，先凶后吉", "吉带凶"},
    {"虽倾全力，难望成功，此数大凶，最好改名", "凶"},
    {"外观昌隆，内隐祸患，克服难关，开出泰运", "吉带凶"},
    {"事与愿违，终难成功，欲速不达，有始无终", "凶"},
    {"虽有困难，时来运转，旷野枯草，春来花开", "吉"},
    {"半凶半吉，浮沉多端，始凶终吉，能保成功", "凶带吉"},
    {"遇事猜疑，难望成事，大刀阔斧，始可有成", "凶"},
    {"黑暗无光，心迷意乱，出尔反尔，难定方针", "凶"},
    {"运遮半月，内隐风波，应有谨慎，始保平安", "吉带凶"},
    {"烦闷懊恼，事业难展，自防灾祸，始免困境", "凶"},
    {"万物化育，繁荣之象，专心一意，必能成功", "吉"},
    {"见异思迁，十九不成，徒劳无功，不如更名", "凶"},
    {"吉运自来，能享盛名，把握时机，必获成功", "吉"},
    {"黑夜温长，进退维谷，内外不和，信用缺乏", "凶"},
    {"独营事业，事事如意，功成名就，富贵自来", "吉"},
    {"思虎虑周祥，计书力行，不失先机，可望成功", "吉"},
    {"动摇不安，常陷逆境，不得时运，难得利润", "凶"},
    {"惨淡经营，难免贫困，此数不吉，最好改名", "凶"},
    {"吉凶参半，惟赖勇气，贯彻力行，始可成功", "吉带凶"},
    {"利害混集，凶多吉少，得而复失，难以安顺", "凶"},
    {"安乐自来，自然吉祥，力行不懈，终必成功", "吉"},
    {"利不及费，坐食山空，如无章法，难望成功", "凶"},
    {"吉中带凶，欲速不达，进不如守，可保安祥", "吉带凶"},
    {"此数大凶，破产之象，宜速改名，以避厄运", "凶"},
    {"先苦后甘，先甜后苦，如能守成，不致失败", "吉带凶"},
    {"有得有失，华而不实，须防劫财，始保安顺", "吉带凶"},
    {"如走夜路，前途无光，希望不大，劳而无功", "凶"},
    {"得而复失，枉费心机，守成无贪，可保安稳", "吉带凶"},
    {"最极之数，还本归元，能得繁荣，发达成功", "吉"},
};

std::string DataPath(const std::string &relative) { return std::string(MINGSHU_DATA_DIR) + "/" + relative; }

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

TEST(EightyOneCopy, HoldsTheTableVerdictCounts) {
    // Guards the copy above against a slip: 35 吉, 30 凶, 13 吉带凶, 3 凶带吉.
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
        EXPECT_NE(first.find("按" + ChineseNumeral(n - 80) + "数论"), std::string::npos) << "num " << n << ": " << first;

        // Written afresh, not a copy of the reading it follows: no long run of the same wording.
        EXPECT_LT(LongestCommonRun(ToCodePoints(r.body), ToCodePoints(base.body)), 30u) << "num " << n;
    }
}

TEST(ChineseNumeralHelper, WritesNumbersAsTheReadingsDo) {
    const std::pair<int, const char *> cases[] = {{1, "一"}, {10, "十"}, {12, "十二"}, {20, "二十"}, {80, "八十"},
                                                  {101, "一百零一"}, {110, "一百一十"}, {115, "一百一十五"},
                                                  {160, "一百六十"}};
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
