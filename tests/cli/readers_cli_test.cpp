// topic and article from the command line: the texts as the windows show them, unknown keys, usage and no database.
#include "cli/run_cli.h"
#include "content/tsv.h"

#include <gtest/gtest.h>

#include <filesystem>

using mingshu::testing::RunCli;

namespace {

std::string DataFile(const std::string &name) {
    return std::string(MINGSHU_SOURCE_DIR) + "/data/" + name;
}

// The stored text of a key, as the readable source holds it.
std::string Stored(const std::string &file, const std::string &key, const std::string &column) {
    auto table = mingshu::content::ReadTsv(DataFile(file));
    int c = table.column(column);
    for (const auto &row : table.rows)
        if (row[0] == key)
            return row[static_cast<std::size_t>(c)];
    ADD_FAILURE() << key << " not in " << file;
    return {};
}

std::string Trimmed(std::string s) {
    auto blank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
    while (!s.empty() && blank(s.back()))
        s.pop_back();
    std::size_t start = 0;
    while (start < s.size() && blank(s[start]))
        ++start;
    return s.substr(start);
}

TEST(CliTopic, EachTopicPrintsTheStoredTextLineByLine) {
    for (const char *topic : {"ndeq", "aiqing", "mingren", "baojian", "qingxv", "shiye"}) {
        for (const char *sign : {"白羊座", "双鱼座"}) {
            auto r = RunCli({"topic", topic, sign});
            EXPECT_EQ(r.status, 0) << topic << " " << sign << " " << r.err;
            std::string text = Trimmed(Stored(std::string("KelFile/") + topic + ".tsv", sign, "content"));
            ASSERT_FALSE(text.empty()) << topic << " " << sign;
            EXPECT_EQ(r.out, text + "\n") << topic << " " << sign;
            EXPECT_EQ(r.out.find("<p>"), std::string::npos);
        }
    }
}

TEST(CliTopic, UnknownSignUsageAndGbk) {
    // A star sign the table does not hold: the one empty line the report view would show.
    auto none = RunCli({"topic", "ndeq", "白羊"});
    EXPECT_EQ(none.status, 0);
    EXPECT_EQ(none.out, "\n");
    EXPECT_EQ(RunCli({"topic", "ndeq", "白羊' or '1'='1"}).out, "\n");
    for (const std::vector<std::string> &args : {std::vector<std::string>{"topic", "NDEQ", "白羊座"},
                                                 {"topic", "ndeq"},
                                                 {"topic", "love", "白羊座"},
                                                 {"topic", "ndeq", "白羊座", "x"}}) {
        auto r = RunCli(args);
        EXPECT_EQ(r.status, 2) << args[1];
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find("topic TOPIC STARSIGN"), std::string::npos);
    }
    // Under --gbk every line ends in CR LF, the inner line breaks too.
    auto gbk = RunCli({"--gbk", "topic", "ndeq", "白羊座"});
    EXPECT_EQ(gbk.status, 0);
    auto utf8 = RunCli({"topic", "ndeq", "白羊座"});
    std::size_t lines = 0;
    for (char c : utf8.out)
        lines += c == '\n';
    std::size_t crlf = 0;
    for (std::size_t i = 0; i + 1 < gbk.out.size(); ++i)
        crlf += gbk.out[i] == '\r' && gbk.out[i + 1] == '\n';
    EXPECT_GT(lines, 1u);
    EXPECT_EQ(crlf, lines);
}

TEST(CliArticle, TitleThenBody) {
    for (const char *code : {"a1", "b5", "c9"}) {
        auto r = RunCli({"article", code});
        EXPECT_EQ(r.status, 0) << code;
        std::string expected = Trimmed(Stored("KelBirth/Noter.tsv", code, "Tite")) + "\n" +
                               Trimmed(Stored("KelBirth/Noter.tsv", code, "content")) + "\n";
        EXPECT_EQ(r.out, expected) << code;
    }
    EXPECT_EQ(RunCli({"article", "a1"}).out.substr(0, std::string("姓名原理\n").size()), "姓名原理\n");
}

TEST(CliArticle, UnknownCodeAndUsage) {
    // The reader window's caption for a code the table does not hold, and no body.
    for (const char *code : {"zz", "A1", "a1'", ""}) {
        auto r = RunCli({"article", code});
        EXPECT_EQ(r.status, 0) << code;
        EXPECT_EQ(r.out, "算命\n") << code;
    }
    EXPECT_EQ(RunCli({"article"}).status, 2);
    EXPECT_EQ(RunCli({"article", "a1", "a2"}).status, 2);
}

TEST(CliReaders, WithoutTheDatabasesTheStatusIsThree) {
    // A copy of the program in a folder without the content databases.
    char name[] = "/tmp/mingshu-cli-alone-XXXXXX";
    std::string dir = mkdtemp(name);
    std::filesystem::copy_file(std::string(MINGSHU_BIN_DIR) + "/mingshu-cli", dir + "/mingshu-cli");
    std::filesystem::permissions(dir + "/mingshu-cli", std::filesystem::perms::owner_all);
    for (const std::vector<std::string> &args :
         {std::vector<std::string>{"topic", "ndeq", "白羊座"}, {"article", "a1"}}) {
        std::string cmd = mingshu::testing::ShellQuote(dir + "/mingshu-cli");
        for (const auto &a : args)
            cmd += " " + mingshu::testing::ShellQuote(a);
        cmd += " >" + dir + "/out 2>" + dir + "/err";
        int rc = std::system(cmd.c_str());
        EXPECT_EQ(WIFEXITED(rc) ? WEXITSTATUS(rc) : -1, 3) << args[0];
        EXPECT_EQ(mingshu::testing::Slurp(dir + "/out"), "") << args[0];
        EXPECT_FALSE(mingshu::testing::Slurp(dir + "/err").empty()) << args[0];
    }
    std::filesystem::remove_all(dir);
}

} // namespace
