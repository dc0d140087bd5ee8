// The database builder: what it stores (scrambled texts, referenced files, empty tables) and that a failed
// build leaves the previous databases untouched.
#include "common/fake_platform.h"
#include "common/text.h"
#include "content/database.h"
#include "content/tsv.h"
#include "support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>

namespace {

using namespace mingshu::content;
using namespace mingshu::testing;

std::string ConnectionTo(const fs::path &path) {
    return "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + path.string() + ";Persist Security Info=True";
}

std::vector<std::string> ColumnsOf(const fs::path &db, const std::string &table) {
    Query query(ConnectionTo(db));
    query.Open("Select name from pragma_table_info(" + QuoteLiteral(table) + ")");
    std::vector<std::string> columns;
    for (; !query.Eof(); query.Next())
        columns.push_back(query.Text(0));
    return columns;
}

using BuiltFixture = DatabasesUnchanged;

// Runs the builder; returns its exit status and leaves its messages in `log`.
int RunBuilder(const fs::path &source, const fs::path &out, std::string &log) {
    const fs::path log_file = out.parent_path() / "builder.log";
    const std::string command = std::string("\"") + DBBUILDER_PATH + "\" --source \"" + source.string() +
                                "\" --out \"" + out.string() + "\" >\"" + log_file.string() + "\" 2>&1";
    int status = std::system(command.c_str());
    log = ReadFile(log_file);
    return status;
}

TEST_F(BuiltFixture, ScrambledTextsComeBackAsWritten) {
    RecordingPlatform platform;
    const fs::path db = FixtureDbDir() / "KelFile.dll";
    const TsvTable source = ReadTsv(std::string(CONTENT_FIXTURE_SOURCE_DIR) + "/KelFile/namefx.tsv");
    ASSERT_FALSE(source.rows.empty());
    for (const auto &row : source.rows) {
        auto stored = LookupRow(ConnectionTo(db), "Select content from namefx where num = " + QuoteLiteral(row[0]));
        ASSERT_TRUE(stored) << row[0];
        const std::string &hex = (*stored)[0];
        EXPECT_EQ(hex.find_first_not_of("0123456789ABCDEF"), std::string::npos) << "not stored scrambled";
        EXPECT_EQ(DescrambleText(hex, kScrambleKey, kScrambleRounds), row[1]);
    }
    auto sancai = LookupRow(ConnectionTo(db), "Select content from sancai where title = '木火土' ");
    ASSERT_TRUE(sancai);
    EXPECT_EQ(DescrambleText((*sancai)[0], kScrambleKey, kScrambleRounds),
              "木生火、火生土，三才相生，基础安稳，身心康健，易得长辈提携。");
    EXPECT_EQ(platform.beeps, 0);
}

TEST_F(BuiltFixture, EveryTableExistsAndFileReferencesAreResolved) {
    // No source for these tables in the fixture: they are there, with their columns, and empty.
    EXPECT_EQ(ColumnsOf(FixtureDbDir() / "dream.dll", "qian"),
              (std::vector<std::string>{"num", "grade", "verse", "content"}));
    EXPECT_EQ(ColumnsOf(FixtureDbDir() / "KelFile.dll", "shiye"), (std::vector<std::string>{"title", "content"}));
    EXPECT_FALSE(LookupRow(ConnectionTo(FixtureDbDir() / "KelFile.dll"), "Select content from shiye"));

    auto page = LookupRow(ConnectionTo(FixtureDbDir() / "KelFile.dll"),
                          "Select picture, content from tuwen where article = '1' and page = '1'");
    ASSERT_TRUE(page);
    EXPECT_EQ((*page)[0], mingshu::Trim(ReadFile(fs::path(CONTENT_FIXTURE_SOURCE_DIR) / "KelFile" / "pic.svg")));
    EXPECT_EQ((*page)[1], "第一页的说明文字。");
}

TEST(Builder, FailedBuildLeavesThePreviousDatabases) {
    TempDir dir("builder");
    const fs::path source = dir.path() / "源 文件";
    const fs::path out = dir.path() / "输出 目录";
    fs::copy(CONTENT_FIXTURE_SOURCE_DIR, source, fs::copy_options::recursive);
    std::string log;
    ASSERT_EQ(RunBuilder(source, out, log), 0) << log;
    const auto good = Fingerprint(out);
    ASSERT_EQ(good.size(), 3u);

    struct Breakage {
        const char *what;
        const char *file;
        const char *content;
        const char *message;
    };
    // KelBirth is built last, so the first two files are complete when its source fails.
    const Breakage breakages[] = {
        {"wrong columns", "KelBirth/Noter.tsv", "Cid\tTitle\tcontent\na1\t标题\t正文\n", "Noter.tsv"},
        {"row with a missing field", "KelBirth/Noter.tsv", "Cid\tTite\tcontent\na1\t只有标题\n", "Noter.tsv:2"},
        {"text GBK cannot hold", "KelFile/namefx.tsv", "num\tcontent\n1\t好运😀\n", "namefx.tsv"},
        {"missing referenced file", "KelFile/tuwen.tsv", "article\tpage\tpicture\tcontent\n1\t1\t@file:gone.svg\tx\n",
         "gone.svg"},
    };
    for (const auto &b : breakages) {
        const fs::path file = source / b.file;
        const std::string original = ReadFile(file);
        std::ofstream(file, std::ios::binary | std::ios::trunc) << b.content;
        EXPECT_NE(RunBuilder(source, out, log), 0) << b.what;
        EXPECT_NE(log.find(b.message), std::string::npos) << b.what << ": " << log;
        EXPECT_EQ(Fingerprint(out), good) << b.what << ": the output folder changed";
        std::ofstream(file, std::ios::binary | std::ios::trunc) << original;
    }

    // A good source again replaces the files, and a changed text shows up; what a killed build left is cleared.
    std::ofstream(out / "KelFile.dll.building-4242") << "half a database";
    std::ofstream(source / "KelBirth" / "Noter.tsv", std::ios::binary | std::ios::trunc)
        << "Cid\tTite\tcontent\na1\t夏季养生\t夏日昼长，午间小憩可养心神。\n";
    ASSERT_EQ(RunBuilder(source, out, log), 0) << log;
    auto row = LookupRow(ConnectionTo(out / "KelBirth.dll"), "Select Tite from Noter where Cid = 'a1'");
    ASSERT_TRUE(row);
    EXPECT_EQ((*row)[0], "夏季养生");
    EXPECT_EQ(Fingerprint(out).size(), 3u);
}

TEST(Builder, RepeatedKeysBuildWithAWarningAndTheFirstRowAnswers) {
    TempDir dir("repeated");
    const fs::path source = dir.path() / "data";
    const fs::path out = dir.path() / "bin";
    fs::create_directories(source / "KelBirth");
    std::ofstream(source / "KelBirth" / "Noter.tsv", std::ios::binary)
        << "Cid\tTite\tcontent\na1\t先写的标题\t正文一\nb2\t另一篇\t正文二\na1\t后写的标题\t正文三\n";
    std::string log;
    ASSERT_EQ(RunBuilder(source, out, log), 0) << log;
    EXPECT_NE(log.find("row 3 repeats the key of row 1"), std::string::npos) << log;
    auto row = LookupRow(ConnectionTo(out / "KelBirth.dll"), "Select Tite from Noter where Cid = 'a1'");
    ASSERT_TRUE(row);
    EXPECT_EQ((*row)[0], "先写的标题");
}

} // namespace
