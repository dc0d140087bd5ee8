// Checks of the six star-sign topic tables in KelFile/: ndeq (情商解析), aiqing (星座实力), mingren (星座名人),
// baojian (身体保健), qingxv (五大建议) and shiye (星座缺陷).
//
// Each table is keyed by the twelve star-sign names that the birth-date lookup produces. The reader shows a
// text with "<p>" and "</p>" removed and its outer blanks trimmed, so the length limits and the layout checks
// below apply to that shown form.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "content/tsv.h"

namespace {

using mingshu::content::ReadTsv;
using mingshu::content::TsvTable;
using mingshu::content::Utf8Length;

struct MonthDay {
    int month;
    int day;
};

bool NotAfter(MonthDay a, MonthDay b) {
    return a.month < b.month || (a.month == b.month && a.day <= b.day);
}

// The thirteen date ranges of the star signs, both ends inclusive; 摩羯座 spans the turn of the year.
struct SignRange {
    const char *name;
    MonthDay from;
    MonthDay to;
};

const SignRange kSignRanges[] = {
    {"摩羯座", {12, 22}, {12, 31}}, {"摩羯座", {1, 1}, {1, 19}},   {"水瓶座", {1, 20}, {2, 18}},
    {"双鱼座", {2, 19}, {3, 20}},   {"白羊座", {3, 21}, {4, 20}},  {"金牛座", {4, 21}, {5, 20}},
    {"双子座", {5, 21}, {6, 21}},   {"巨蟹座", {6, 22}, {7, 22}},  {"狮子座", {7, 23}, {8, 22}},
    {"处女座", {8, 23}, {9, 22}},   {"天秤座", {9, 23}, {10, 22}}, {"天蝎座", {10, 23}, {11, 21}},
    {"射手座", {11, 22}, {12, 21}},
};

const std::vector<std::string> kSigns = {"白羊座", "金牛座", "双子座", "巨蟹座", "狮子座", "处女座",
                                         "天秤座", "天蝎座", "射手座", "摩羯座", "水瓶座", "双鱼座"};

const std::vector<std::string> kTables = {"ndeq", "aiqing", "mingren", "baojian", "qingxv", "shiye"};

std::string SignOf(MonthDay d) {
    for (const auto &r : kSignRanges)
        if (NotAfter(r.from, d) && NotAfter(d, r.to))
            return r.name;
    return "";
}

bool IsLeap(int y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int DaysInMonth(int y, int m) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeap(y) ? 29 : days[m - 1];
}

void ReplaceAll(std::string &s, const std::string &what, const std::string &with) {
    for (std::size_t pos = 0; (pos = s.find(what, pos)) != std::string::npos; pos += with.size())
        s.replace(pos, what.size(), with);
}

// The text as the reader shows it: paragraph marks removed, outer blanks and control characters trimmed.
std::string Shown(std::string text) {
    ReplaceAll(text, "<p>", "");
    ReplaceAll(text, "</p>", "");
    auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (!text.empty() && blank(text.back()))
        text.pop_back();
    std::size_t start = 0;
    while (start < text.size() && blank(text[start]))
        ++start;
    return text.substr(start);
}

std::vector<std::string> SplitLines(const std::string &text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (;;) {
        std::size_t nl = text.find('\n', start);
        lines.push_back(text.substr(start, nl == std::string::npos ? std::string::npos : nl - start));
        if (nl == std::string::npos)
            return lines;
        start = nl + 1;
    }
}

// Splits a text into sentences at full stops, question and exclamation marks, colons, semicolons and line
// breaks.
std::vector<std::string> Sentences(const std::string &text) {
    static const std::vector<std::string> stops = {"。", "！", "？", "：", "；", "\n"};
    std::vector<std::string> out;
    std::string cur;
    for (std::size_t i = 0; i < text.size();) {
        bool hit = false;
        for (const auto &s : stops)
            if (text.compare(i, s.size(), s) == 0) {
                out.push_back(cur);
                cur.clear();
                i += s.size();
                hit = true;
                break;
            }
        if (!hit)
            cur += text[i++];
    }
    out.push_back(cur);
    return out;
}

struct Topic {
    std::string table;
    std::map<std::string, std::string> texts; // star sign -> stored content
};

Topic LoadTopic(const std::string &table) {
    TsvTable t = ReadTsv(std::string(MINGSHU_DATA_DIR) + "/KelFile/" + table + ".tsv");
    Topic topic{table, {}};
    int title = t.column("title"), content = t.column("content");
    if (title < 0 || content < 0)
        return topic;
    for (const auto &row : t.rows)
        topic.texts[row[title]] = row[content];
    return topic;
}

const std::vector<Topic> &AllTopics() {
    static const std::vector<Topic> topics = [] {
        std::vector<Topic> v;
        for (const auto &t : kTables)
            v.push_back(LoadTopic(t));
        return v;
    }();
    return topics;
}

TEST(StarSignTopics, SignRangesCoverEveryDayOnceWithTheRightBoundaries) {
    // The famous-people check below rests on this table, so its boundaries are pinned here.
    const std::pair<MonthDay, const char *> cases[] = {
        {{1, 1}, "摩羯座"},   {{1, 19}, "摩羯座"},  {{1, 20}, "水瓶座"},  {{2, 18}, "水瓶座"},  {{2, 19}, "双鱼座"},
        {{2, 29}, "双鱼座"},  {{3, 20}, "双鱼座"},  {{3, 21}, "白羊座"},  {{5, 20}, "金牛座"},  {{5, 21}, "双子座"},
        {{6, 21}, "双子座"},  {{6, 22}, "巨蟹座"},  {{8, 22}, "狮子座"},  {{8, 23}, "处女座"},  {{10, 22}, "天秤座"},
        {{10, 23}, "天蝎座"}, {{11, 21}, "天蝎座"}, {{11, 22}, "射手座"}, {{12, 21}, "射手座"}, {{12, 22}, "摩羯座"},
        {{12, 31}, "摩羯座"},
    };
    for (const auto &[d, name] : cases)
        EXPECT_EQ(SignOf(d), name) << d.month << "-" << d.day;

    for (int m = 1; m <= 12; ++m)
        for (int d = 1; d <= DaysInMonth(2000, m); ++d) {
            int hits = 0;
            for (const auto &r : kSignRanges)
                hits += NotAfter(r.from, {m, d}) && NotAfter({m, d}, r.to);
            EXPECT_EQ(hits, 1) << m << "-" << d;
        }
}

TEST(StarSignTopics, EveryTableHoldsExactlyTheTwelveSigns) {
    const std::set<std::string> expected(kSigns.begin(), kSigns.end());
    for (const auto &table : kTables) {
        SCOPED_TRACE(table);
        TsvTable t = ReadTsv(std::string(MINGSHU_DATA_DIR) + "/KelFile/" + table + ".tsv");
        EXPECT_EQ(t.columns, (std::vector<std::string>{"title", "content"}));
        std::multiset<std::string> titles;
        for (const auto &row : t.rows)
            titles.insert(row[0]);
        EXPECT_EQ(titles.size(), 12u) << "a sign is missing or listed twice";
        EXPECT_EQ(std::set<std::string>(titles.begin(), titles.end()), expected);
    }
}

TEST(StarSignTopics, TextsAreSoundReadingsOfTheirOwnSign) {
    const std::vector<std::string> placeholders = {"TODO", "todo",   "TBD",    "lorem", "Lorem", "XXX",
                                                   "xxx",  "待补充", "待填写", "占位",  "此处",  "？？"};
    for (const auto &topic : AllTopics())
        for (const auto &[sign, stored] : topic.texts) {
            SCOPED_TRACE(topic.table + " " + sign);
            const std::string shown = Shown(stored);
            const std::size_t breaks = std::count(shown.begin(), shown.end(), '\n');
            const std::size_t length = Utf8Length(shown) - breaks;
            EXPECT_GE(length, 200u);
            EXPECT_LE(length, 500u);

            // Marks in upper case are not removed by the reader, and paragraphs wrapped in marks with nothing
            // between them would run together on one line.
            EXPECT_EQ(stored.find("<P>"), std::string::npos);
            EXPECT_EQ(stored.find("</P>"), std::string::npos);
            EXPECT_EQ(stored.find("</p><p>"), std::string::npos);
            EXPECT_EQ(shown.find('<'), std::string::npos) << "markup other than <p> would be shown as is";
            EXPECT_EQ(shown.find('\t'), std::string::npos);
            EXPECT_EQ(shown.find("\n\n"), std::string::npos) << "empty paragraph";
            for (const auto &line : SplitLines(shown))
                EXPECT_EQ(line, Shown(line)) << "line with outer blanks: " << line;

            for (const auto &p : placeholders)
                EXPECT_EQ(shown.find(p), std::string::npos) << "placeholder " << p;

            // A text filed under the wrong key names another sign, or does not name its own.
            EXPECT_TRUE(shown.find(sign) != std::string::npos) << "does not name its own sign";
            for (const auto &other : kSigns) {
                if (other != sign) {
                    EXPECT_TRUE(shown.find(other) == std::string::npos) << "names " << other;
                }
            }
        }
}

TEST(StarSignTopics, NoSentenceIsSharedBetweenTexts) {
    // Sign names are masked first, so a text copied to another sign with only the name changed is caught too.
    std::map<std::string, std::string> seen; // sentence -> where it first appeared
    std::set<std::string> whole;
    for (const auto &topic : AllTopics())
        for (const auto &[sign, stored] : topic.texts) {
            std::string masked = Shown(stored);
            EXPECT_TRUE(whole.insert(masked).second) << topic.table << " " << sign << " repeats a text";
            for (const auto &s : kSigns)
                ReplaceAll(masked, s, "某某座");
            const std::string where = topic.table + " " + sign;
            for (const auto &sentence : Sentences(masked)) {
                if (Utf8Length(sentence) < 12)
                    continue;
                auto [it, fresh] = seen.emplace(sentence, where);
                EXPECT_TRUE(fresh) << where << " repeats a sentence of " << it->second << ": " << sentence;
            }
        }
}

struct BirthEntry {
    std::string name; // the text before the opening parenthesis, on the same line
    int year = 0, month = 0, day = 0;
    bool well_formed = false;
    std::string raw;
};

// Reads a run of ASCII digits at pos; returns the digit text (empty if none) and moves pos past it.
std::string Digits(const std::string &s, std::size_t &pos) {
    std::size_t start = pos;
    while (pos < s.size() && s[pos] >= '0' && s[pos] <= '9')
        ++pos;
    return s.substr(start, pos - start);
}

bool Expect(const std::string &s, std::size_t &pos, const std::string &what) {
    if (s.compare(pos, what.size(), what) != 0)
        return false;
    pos += what.size();
    return true;
}

// Every full-width parenthesis that opens with a digit is a birth date and must read （YYYY年M月D日）.
std::vector<BirthEntry> BirthEntries(const std::string &text) {
    static const std::string open = "（";
    std::vector<BirthEntry> out;
    for (std::size_t at = text.find(open); at != std::string::npos; at = text.find(open, at + 1)) {
        std::size_t pos = at + open.size();
        if (pos >= text.size() || text[pos] < '0' || text[pos] > '9')
            continue;
        BirthEntry e;
        std::size_t line_start = text.rfind('\n', at);
        line_start = line_start == std::string::npos ? 0 : line_start + 1;
        e.name = text.substr(line_start, at - line_start);
        std::size_t close = text.find("）", at);
        e.raw = text.substr(at, close == std::string::npos ? 40 : close + 3 - at);
        std::string y = Digits(text, pos);
        bool ok = y.size() == 4 && Expect(text, pos, "年");
        std::string m = ok ? Digits(text, pos) : "";
        ok = ok && !m.empty() && m.size() <= 2 && m[0] != '0' && Expect(text, pos, "月");
        std::string d = ok ? Digits(text, pos) : "";
        ok = ok && !d.empty() && d.size() <= 2 && d[0] != '0' && Expect(text, pos, "日") && Expect(text, pos, "）");
        if (ok) {
            e.year = std::stoi(y);
            e.month = std::stoi(m);
            e.day = std::stoi(d);
            ok = e.month >= 1 && e.month <= 12 && e.day >= 1 && e.day <= DaysInMonth(e.year, e.month);
        }
        e.well_formed = ok;
        out.push_back(e);
    }
    return out;
}

TEST(StarSignTopics, BirthDateReaderAcceptsOnlyTheDateForm) {
    const std::pair<const char *, bool> cases[] = {
        {"某人（1893年12月26日）：", true}, {"某人（1980年2月29日）：", true},  {"某人（1981年2月29日）：", false},
        {"某人（1980年02月9日）：", false}, {"某人（1980年13月1日）：", false}, {"某人（80年1月1日）：", false},
        {"某人（1980年1月1）：", false},    {"某人（1980-01-01）：", false},
    };
    for (const auto &[text, ok] : cases) {
        auto entries = BirthEntries(text);
        ASSERT_EQ(entries.size(), 1u) << text;
        EXPECT_EQ(entries[0].well_formed, ok) << text;
        EXPECT_EQ(entries[0].name, "某人");
    }
    EXPECT_TRUE(BirthEntries("《书名》（上册）与其他说明").empty());
}

TEST(StarSignTopics, FamousPeopleAreBornUnderTheirSign) {
    const Topic &famous = AllTopics()[2];
    ASSERT_EQ(famous.table, "mingren");
    std::map<std::string, std::string> person_sign;
    for (const auto &[sign, stored] : famous.texts) {
        SCOPED_TRACE(sign);
        auto entries = BirthEntries(Shown(stored));
        EXPECT_GE(entries.size(), 5u) << "too few people";
        for (const auto &e : entries) {
            if (!e.well_formed) {
                ADD_FAILURE() << "not a date of the form （YYYY年M月D日）: " << e.raw;
                continue;
            }
            EXPECT_EQ(SignOf({e.month, e.day}), sign) << e.name << " " << e.raw;
            EXPECT_LE(e.year, 2010) << e.name << " " << e.raw;
            EXPECT_GE(Utf8Length(e.name), 2u) << "date without a name: " << e.raw;
            auto [it, fresh] = person_sign.emplace(e.name, sign);
            EXPECT_TRUE(fresh) << e.name << " is listed again after " << it->second;
        }
    }
}

TEST(StarSignTopics, EachAdviceTextHasFiveNumberedItems) {
    const Topic &advice = AllTopics()[4];
    ASSERT_EQ(advice.table, "qingxv");
    for (const auto &[sign, stored] : advice.texts) {
        SCOPED_TRACE(sign);
        std::vector<std::string> items;
        for (const auto &line : SplitLines(Shown(stored))) {
            if (line.empty() || line[0] < '0' || line[0] > '9')
                continue;
            std::size_t pos = 0;
            std::string number = Digits(line, pos);
            EXPECT_EQ(number, std::to_string(items.size() + 1)) << "items out of order: " << line;
            EXPECT_TRUE(Expect(line, pos, "、")) << "number without 、: " << line;
            items.push_back(line.substr(pos));
        }
        ASSERT_EQ(items.size(), 5u);
        for (const auto &item : items)
            EXPECT_GE(Utf8Length(item), 15u) << "item too short: " << item;
    }
}

} // namespace
