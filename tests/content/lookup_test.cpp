// The lookup layer against small fixture databases: connection strings, quoting, reading rows, and the silent
// abort on every kind of database failure. No test may change a database file.
#include "common/errors.h"
#include "common/fake_platform.h"
#include "content/database.h"
#include "support.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace {

using namespace mingshu::content;
using namespace mingshu::testing;
using mingshu::SilentAbort;

std::string FixtureConnection(const std::string &file) {
    return "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + (FixtureDbDir() / file).string() +
           ";Persist Security Info=True";
}

std::string ConnectionTo(const fs::path &path) {
    return "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + path.string() + ";Persist Security Info=True";
}

class Lookup : public DatabasesUnchanged {
protected:
    RecordingPlatform platform_;
};

TEST(ConnectionString, TextAndPathForEachFile) {
    RecordingPlatform platform;
    platform.program_directory = "/opt/明枢 算命;系统/";
    const std::string prefix = "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/opt/明枢 算命;系统/";
    EXPECT_EQ(DreamDbConnectionString(), prefix + "/dream.dll;Persist Security Info=True");
    EXPECT_EQ(FileDbConnectionString(), prefix + "/KelFile.dll;Persist Security Info=True");
    EXPECT_EQ(BirthDbConnectionString(), prefix + "/KelBirth.dll;Persist Security Info=True");
    EXPECT_EQ(DataSourceOf(FileDbConnectionString()), "/opt/明枢 算命;系统//KelFile.dll");

    // Evaluated anew at each call: a different program directory gives a different string.
    platform.program_directory = "/srv/other/";
    EXPECT_EQ(DataSourceOf(DreamDbConnectionString()), "/srv/other//dream.dll");
}

TEST(ConnectionString, DataSourceOfOtherForms) {
    EXPECT_EQ(DataSourceOf("Data Source=/a/b.dll"), "/a/b.dll");
    EXPECT_EQ(DataSourceOf("Provider=X;Data Source=/a/b.dll;User ID=admin"), "/a/b.dll");
    EXPECT_EQ(DataSourceOf("Provider=X;Password=y"), "");
}

TEST(QuoteLiteral, EnclosesAndDoublesInnerQuotes) {
    const std::pair<std::string, std::string> cases[] = {
        {"23", "'23'"},
        {"", "''"},
        {"木火土", "'木火土'"},
        {"%张%", "'%张%'"},
        {"双子'座", "'双子''座'"},
        {"'", "''''"},
        {"a''b", "'a''''b'"},
        {"1' or '1'='1", "'1'' or ''1''=''1'"},
    };
    for (const auto &[key, literal] : cases)
        EXPECT_EQ(QuoteLiteral(key), literal);
}

TEST_F(Lookup, FirstRowAsTrimmedTexts) {
    auto row =
        LookupRow(FixtureConnection("KelFile.dll"), "Select content from ndeq where title = " + QuoteLiteral("白羊座"));
    ASSERT_TRUE(row);
    ASSERT_EQ(row->size(), 1u);
    // Stored with two leading blanks and a trailing line break.
    EXPECT_EQ((*row)[0], "<p>白羊座的人热情直率，行动快于思考。</p>");

    auto article = LookupRow(FixtureConnection("KelBirth.dll"),
                             "Select Tite, content from Noter where Cid = " + QuoteLiteral("a1"));
    ASSERT_TRUE(article);
    EXPECT_EQ(*article, (std::vector<std::string>{"春季养生", "春天阳气生发，宜早睡早起，舒展筋骨。"}));
}

TEST_F(Lookup, EmptyAnswerIsNoRowNotAnError) {
    EXPECT_FALSE(LookupRow(FixtureConnection("KelFile.dll"), "Select content from namefx where num = '999'"));
    // A table that has no source yet exists, empty.
    EXPECT_FALSE(LookupRow(FixtureConnection("dream.dll"), "Select title, jx, content from shouji where num = '7'"));
}

TEST_F(Lookup, KeysWithQuotesAreSentDoubled) {
    const std::string prefix = "Select content from ndeq where title = ";
    // A key that holds a quote finds its own row ...
    auto row = LookupRow(FixtureConnection("KelFile.dll"), prefix + QuoteLiteral("双子'座"));
    ASSERT_TRUE(row);
    EXPECT_EQ((*row)[0], "引号留在键里的一行。");
    // ... and a key built to break out of the literal finds nothing and breaks nothing.
    for (const std::string key : {"白羊座' or '1'='1", "x'; drop table ndeq; --", "'", "白羊座'"})
        EXPECT_FALSE(LookupRow(FixtureConnection("KelFile.dll"), prefix + QuoteLiteral(key))) << key;
    EXPECT_TRUE(LookupRow(FixtureConnection("KelFile.dll"), prefix + QuoteLiteral("白羊座")));
}

TEST_F(Lookup, StrokeStatementMatchesTheCharacterInsideThePattern) {
    auto row = LookupRow(FixtureConnection("KelFile.dll"),
                         "Select num from bihua where hanzi like " + QuoteLiteral("%" + std::string("王") + "%"));
    ASSERT_TRUE(row);
    EXPECT_EQ((*row)[0], "4");
    EXPECT_FALSE(LookupRow(FixtureConnection("KelFile.dll"), "Select num from bihua where hanzi like '%赵%'"));
}

TEST_F(Lookup, QueryWalksRowsAndReadsNumbers) {
    Query query(FixtureConnection("dream.dll"));
    query.Open("Select weight from chenggu1 where year = '1900'");
    EXPECT_FALSE(query.IsEmpty());
    EXPECT_FALSE(query.Eof());
    EXPECT_DOUBLE_EQ(query.Number(0), 1.8);
    EXPECT_EQ(query.Text(0), "1.8");
    query.Next();
    EXPECT_TRUE(query.Eof());

    query.Open("Select year, weight from chenggu1");
    int rows = 0;
    for (; !query.Eof(); query.Next())
        ++rows;
    EXPECT_EQ(rows, 3);

    query.Open("Select weight from chenggu1 where year = '1800'");
    EXPECT_TRUE(query.IsEmpty());
    EXPECT_TRUE(query.Eof());
    // Reading past the end is a database error, as is a column the statement did not select.
    EXPECT_THROW(query.Text(0), SilentAbort);
    query.Open("Select weight from chenggu1 where year = '1901'");
    EXPECT_THROW(query.Text(1), SilentAbort);
    EXPECT_THROW(query.Number(-1), SilentAbort);
    // A weight that is no number cannot be read as one.
    query.Open("Select weight from chenggu1 where year = '1902'");
    EXPECT_THROW(query.Number(0), SilentAbort);
}

TEST_F(Lookup, QueryUsedBeforeItIsReadyAborts) {
    Query unconnected;
    EXPECT_THROW(unconnected.Open("Select 1"), SilentAbort);
    Query query(FixtureConnection("dream.dll"));
    EXPECT_THROW(query.IsEmpty(), SilentAbort);
    query.Open("Select weight from chenggu1");
    query.Close();
    EXPECT_THROW(query.Text(0), SilentAbort);
}

TEST_F(Lookup, FailingStatementsAbortSilently) {
    const std::string connection = FixtureConnection("KelFile.dll");
    const std::string statements[] = {
        "Select content from nosuchtable where num = '1'",
        "Select nosuchcolumn from namefx",
        "Selec content from namefx",
        "Select content from namefx where num = '1",
        // Lookups only read: anything else is refused before it runs.
        "delete from namefx",
        "Select content from namefx; delete from namefx",
        "insert into namefx values ('0', 'x')",
    };
    for (const auto &statement : statements) {
        EXPECT_THROW(LookupRow(connection, statement), SilentAbort) << statement;
        Query query(connection);
        EXPECT_THROW(query.Open(statement), SilentAbort) << statement;
    }
    EXPECT_TRUE(LookupRow(connection, "Select content from namefx where num = '1'"));
}

TEST_F(Lookup, MissingOrBrokenFilesAbortSilently) {
    TempDir dir("broken");
    std::ofstream(dir.path() / "garbage.dll") << "这不是数据库文件，只是一段文字。\n";
    std::ofstream(dir.path() / "empty.dll");
    fs::create_directory(dir.path() / "folder.dll");
    // The first half of a real database: the header is intact but the pages it names are gone.
    std::string whole = ReadFile(FixtureDbDir() / "KelFile.dll");
    std::ofstream(dir.path() / "truncated.dll", std::ios::binary) << whole.substr(0, 1024);

    const auto before = Fingerprint(dir.path());
    for (const char *file : {"missing.dll", "garbage.dll", "empty.dll", "folder.dll", "truncated.dll"}) {
        const std::string connection = ConnectionTo(dir.path() / file);
        EXPECT_THROW(LookupRow(connection, "Select content from namefx where num = '1'"), SilentAbort) << file;
        Query query(connection);
        EXPECT_THROW(query.Open("Select content from namefx where num = '1'"), SilentAbort) << file;
    }
    // Opening read-only never creates the missing file nor touches the broken ones.
    EXPECT_FALSE(fs::exists(dir.path() / "missing.dll"));
    EXPECT_EQ(Fingerprint(dir.path()), before);
    EXPECT_THROW(LookupRow("Provider=X;Persist Security Info=True", "Select 1"), SilentAbort);
}

TEST_F(Lookup, ProgramDirectoryWithChineseBlanksAndSemicolon) {
    TempDir dir("program");
    // Characters that mean something in a URI or a connection string are plain characters of the path.
    const fs::path program = dir.path() / "明枢 算命 系统;第二版#1?a=%20";
    fs::create_directories(program);
    for (const char *file : {"dream.dll", "KelFile.dll", "KelBirth.dll"})
        fs::copy_file(FixtureDbDir() / file, program / file);
    const auto before = Fingerprint(program);

    platform_.program_directory = program.string() + "/";
    auto dream = LookupRow(DreamDbConnectionString(), "Select weight from chenggu1 where year = '1901'");
    auto file = LookupRow(FileDbConnectionString(), "Select num from bihua where hanzi like '%张%'");
    auto birth = LookupRow(BirthDbConnectionString(), "Select Tite from Noter where Cid = 'a1'");
    ASSERT_TRUE(dream && file && birth);
    EXPECT_EQ((*dream)[0], "0.5");
    EXPECT_EQ((*file)[0], "11");
    EXPECT_EQ((*birth)[0], "春季养生");

    Query query(FileDbConnectionString());
    query.Open("Select content from namefx where num = " + QuoteLiteral(std::to_string(23)));
    EXPECT_EQ(DescrambleText(query.Text(0), kScrambleKey, kScrambleRounds),
              "旭日东升之数：气势渐盛，宜把握时机，一鼓作气成就事业。");
    EXPECT_EQ(Fingerprint(program), before);
}

} // namespace
