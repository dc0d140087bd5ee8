// Report files: the GBK CR LF format, the save dialog's name rules, and writes that never damage a file.
#include "app/report_file.h"

#include "common/errors.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

using namespace mingshu::app;
namespace fs = std::filesystem;

namespace {

std::string Slurp(const fs::path &p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

class TempDir : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("mingshu-report-" + std::to_string(::getpid()) + "-" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    fs::path dir;
};

TEST(ReportFormat, GbkWithCrLfAfterEveryLine) {
    std::vector<std::string> lines = {"姓名：张三", "", "八字：己未"};
    std::string bytes = EncodeReport(lines);
    EXPECT_EQ(bytes.substr(0, 10), "\xD0\xD5\xC3\xFB\xA3\xBA\xD5\xC5\xC8\xFD");
    EXPECT_EQ(bytes.substr(10, 4), "\r\n\r\n");
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    EXPECT_EQ(DecodeReport(bytes), lines);
}

TEST(ReportFormat, AnyLineEndReadsBack) {
    // CR LF, a lone LF and a lone CR each end a line; a last line without an end is kept.
    EXPECT_EQ(DecodeReport("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(DecodeReport("a\r\n\r\n"), (std::vector<std::string>{"a", ""}));
    EXPECT_TRUE(DecodeReport("").empty());
}

TEST(SaveDialog, ProposedNameAndTarget) {
    const std::tuple<const char *, const char *, const char *> proposals[] = {
        {"张三", "", "张三"}, {"", "上次", "上次"},  {"", "", ""},         {" 李四 ", "", "李四"},
        {"a*b", "", "*.txt"}, {"a/b", "", "*.txt"},  {"a<b", "", "*.txt"}, {"a>b", "", "*.txt"},
        {"a?b", "", "*.txt"}, {"a\\b", "", "*.txt"}, {"a|b", "", "*.txt"}, {"a:b", "", "a:b"},
    };
    for (auto [name, last, expected] : proposals)
        EXPECT_EQ(ProposedFileName(name, last), expected) << name;
    EXPECT_EQ(SaveTarget("/tmp/张三"), "/tmp/张三.txt");
    EXPECT_EQ(SaveTarget("/tmp/张三.txt"), "/tmp/张三.txt");
    EXPECT_EQ(SaveTarget("/tmp/张三.TXT"), "/tmp/张三.TXT");
    EXPECT_EQ(SaveTarget("/tmp/张三.txt.bak"), "/tmp/张三.txt.bak.txt");
    EXPECT_TRUE(ReportIsEmpty({"", "  ", "\t"}));
    EXPECT_FALSE(ReportIsEmpty({"", "x"}));
}

TEST_F(TempDir, RoundTripReplacesAnExistingFile) {
    fs::path target = dir / "张三.txt";
    std::ofstream(target, std::ios::binary) << "old content that is longer than the new one\r\n";
    std::vector<std::string> lines = {"姓名：张三", "血型：A型"};
    WriteReportFile(target.string(), lines);
    EXPECT_EQ(Slurp(target), EncodeReport(lines));
    EXPECT_EQ(ReadReportFile(target.string()), lines);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1); // no temporary left
}

TEST_F(TempDir, FailedWritesLeaveTheOldFileWhole) {
    fs::path target = dir / "kept.txt";
    std::ofstream(target, std::ios::binary) << "kept\r\n";
    // A text GBK cannot hold fails before anything is written.
    EXPECT_THROW(WriteReportFile(target.string(), {"笑\xF0\x9F\x98\x80"}), mingshu::CommandError);
    EXPECT_EQ(Slurp(target), "kept\r\n");
    // A folder that does not exist: a message, no file.
    try {
        WriteReportFile((dir / "missing" / "a.txt").string(), {"x"});
        FAIL();
    } catch (const mingshu::CommandError &e) {
        EXPECT_NE(std::string(e.what()).find("没有保存"), std::string::npos);
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
    EXPECT_THROW(ReadReportFile((dir / "absent.txt").string()), mingshu::CommandError);
}

} // namespace
