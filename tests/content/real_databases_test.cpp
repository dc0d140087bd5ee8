// The three databases the build writes into the program directory, read with the program's own statements,
// and the stroke table they are built from.
#include "common/codec.h"
#include "common/fake_platform.h"
#include "common/text.h"
#include "content/database.h"
#include "content/tsv.h"
#include "support.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace {

using namespace mingshu::content;
using namespace mingshu::testing;

class RealDatabases : public DatabasesUnchanged {
protected:
    RecordingPlatform platform_; // program directory: the build's program directory
};

int StrokeCount(const std::string &hanzi) {
    auto row = LookupRow(FileDbConnectionString(),
                         "Select num from bihua where hanzi like " + QuoteLiteral("%" + hanzi + "%"));
    return row ? std::stoi((*row)[0]) : 0;
}

TEST_F(RealDatabases, EveryTableWithItsColumns) {
    const std::map<std::string, std::map<std::string, std::vector<std::string>>> expected = {
        {"dream.dll",
         {{"shouji", {"num", "title", "jx", "content"}},
          {"chenggu", {"weight", "content"}},
          {"chenggu1", {"year", "weight"}},
          {"chenggu2", {"month", "weight"}},
          {"chenggu3", {"day", "weight"}},
          {"chenggu4", {"time", "weight"}},
          {"qian", {"num", "grade", "verse", "content"}}}},
        {"KelFile.dll",
         {{"bihua", {"hanzi", "num"}},
          {"namefx", {"num", "content"}},
          {"sancai", {"title", "content"}},
          {"ndeq", {"title", "content"}},
          {"aiqing", {"title", "content"}},
          {"mingren", {"title", "content"}},
          {"baojian", {"title", "content"}},
          {"qingxv", {"title", "content"}},
          {"shiye", {"title", "content"}},
          {"tuwen", {"article", "page", "picture", "content"}}}},
        {"KelBirth.dll", {{"Noter", {"Cid", "Tite", "content"}}}},
    };
    for (const auto &[file, tables] : expected) {
        const std::string connection = "Data Source=" + (ProgramDir() / file).string();
        for (const auto &[table, columns] : tables) {
            Query query(connection);
            query.Open("Select name, type from pragma_table_info(" + QuoteLiteral(table) + ")");
            std::vector<std::string> found;
            for (; !query.Eof(); query.Next()) {
                found.push_back(query.Text(0));
                EXPECT_EQ(query.Text(1), "TEXT") << file << " " << table << "." << query.Text(0);
            }
            EXPECT_EQ(found, columns) << file << " " << table;
        }
    }
}

TEST_F(RealDatabases, StrokeStatementAnswersElevenForZhang) {
    auto row = LookupRow(FileDbConnectionString(), "Select num from bihua where hanzi like '%张%'");
    ASSERT_TRUE(row);
    EXPECT_EQ((*row)[0], "11");
}

TEST_F(RealDatabases, PublishedStrokeCounts) {
    const std::pair<const char *, int> counts[] = {
        {"张", 11},
        {"王", 4},
        {"李", 7},
        {"刘", 15},
        {"陈", 16},
        {"杨", 13},
        {"黄", 12},
        {"赵", 14},
        {"吴", 7},
        {"周", 8},
        {"江", 7},
        {"明", 8},
        {"花", 10},
        {"玲", 10},
        {"郑", 19},
        {"情", 12},
        {"海", 11},
        {"国", 11},
        {"华", 14},
        {"伟", 11},
        {"静", 16},
        {"丽", 19},
        {"涛", 18},
        {"艳", 24},
        {"杰", 12},
        {"叶", 15},
        {"建", 9},
        {"魏", 18},
        {"礼", 18},
        {"钟", 17},
        {"于", 3},
        {"强", 12},
        // Numerals are fixed; characters that are their own traditional form stay.
        {"一", 1},
        {"四", 4},
        {"十", 10},
        {"百", 6},
        {"千", 3},
        {"出", 5},
        {"谷", 7},
        {"姜", 9},
        {"沈", 8},
        {"万", 15},
        {"延", 7},
        {"鬼", 10},
        {"龟", 16},
    };
    for (const auto &[hanzi, strokes] : counts)
        EXPECT_EQ(StrokeCount(hanzi), strokes) << hanzi;
    // A text that is no hanzi finds no row and counts 0.
    EXPECT_EQ(StrokeCount("A"), 0);
}

TEST_F(RealDatabases, GridReadingsDescrambleToTheirSources) {
    const TsvTable source = ReadTsv(std::string(MINGSHU_DATA_DIR) + "/KelFile/namefx.tsv");
    ASSERT_GE(source.rows.size(), 5u);
    for (const auto &row : source.rows) {
        auto stored =
            LookupRow(FileDbConnectionString(), "Select content from namefx where num = " + QuoteLiteral(row[0]));
        ASSERT_TRUE(stored) << row[0];
        EXPECT_EQ(mingshu::Trim(DescrambleText((*stored)[0], kScrambleKey, kScrambleRounds)), mingshu::Trim(row[1]))
            << row[0];
    }
    EXPECT_EQ(platform_.beeps, 0);
}

// The committed stroke table: one row per character, a positive count each, every GBK hanzi but a few.
TEST(StrokeTable, CoversGbkHanziOneRowEach) {
    const TsvTable table = ReadTsv(std::string(MINGSHU_DATA_DIR) + "/KelFile/bihua.tsv");
    ASSERT_EQ(table.columns, (std::vector<std::string>{"hanzi", "num"}));
    std::set<std::string> hanzi;
    for (const auto &row : table.rows) {
        EXPECT_EQ(Utf8Length(row[0]), 1u) << row[0];
        EXPECT_TRUE(hanzi.insert(row[0]).second) << "twice: " << row[0];
        long long num = 0;
        EXPECT_TRUE(mingshu::ParseInt(row[1], num) && num > 0 && num < 70) << row[0] << " " << row[1];
    }

    int gbk_hanzi = 0, covered = 0;
    for (int lead = 0x81; lead <= 0xFE; ++lead)
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            if (trail == 0x7F)
                continue;
            const std::string gbk{static_cast<char>(lead), static_cast<char>(trail)};
            const std::string utf8 = mingshu::FromGbk(gbk);
            char32_t cp = 0;
            if (utf8.size() == 3)
                cp = ((utf8[0] & 0x0F) << 12) | ((utf8[1] & 0x3F) << 6) | (utf8[2] & 0x3F);
            const bool ideograph = (cp >= 0x4E00 && cp <= 0x9FFF) || (cp >= 0x3400 && cp <= 0x4DBF) ||
                                   (cp >= 0xF900 && cp <= 0xFAFF) || cp == 0x3007;
            if (!ideograph)
                continue;
            ++gbk_hanzi;
            covered += hanzi.count(utf8) ? 1 : 0;
        }
    EXPECT_EQ(gbk_hanzi, 20924);
    EXPECT_GE(covered, 20900);
}

} // namespace
