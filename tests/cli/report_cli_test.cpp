// strokes, grids and report from the command line, on the real databases of the program directory.
#include "app/report_file.h"
#include "cli/run_cli.h"
#include "common/text.h"

#include <gtest/gtest.h>

using mingshu::testing::RunCli;

namespace {

TEST(CliStrokes, OneLinePerCharacter) {
    auto r = RunCli({"strokes", "张三丰"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "张\t11\n三\t3\n丰\t18\n");
    auto batch = RunCli({"strokes", "-"}, "刘\n杰\n");
    EXPECT_EQ(batch.out, "刘\t15\n杰\t12\n");
}

TEST(CliGrids, NumbersAndTalents) {
    const std::pair<std::pair<const char *, const char *>, const char *> cases[] = {
        {{"张", "三"}, "12 4 14 14 2\t木火火\n"},
        {{"欧阳", "明月"}, "32 12 25 44 20\t木土木\n"},
        {{"司马", "光"}, "15 7 16 21 6\t土土金\n"},
    };
    for (const auto &[name, expected] : cases) {
        auto r = RunCli({"grids", name.first, name.second});
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.out, expected) << name.first << name.second;
    }
    EXPECT_EQ(RunCli({"grids", "张"}).status, 2);
}

TEST(CliReport, WholeReportAndItsSavedBytes) {
    std::vector<std::string> args = {"report", "--surname", "欧阳",  "--given-name", "明月",      "--sex",
                                     "女",     "--year",    "1990",  "--month",      "6",         "--day",
                                     "15",     "--hour",    "午 12", "--today",      "2026-12-11"};
    auto r = RunCli(args);
    ASSERT_EQ(r.status, 0) << r.err;
    auto lines = mingshu::SplitLines(r.out);
    ASSERT_EQ(lines.size(), 46u);
    EXPECT_EQ(lines[0], "姓名：欧阳明月");
    EXPECT_EQ(lines[2], "年龄：36岁");
    EXPECT_EQ(lines[12], "【三才分析】");
    EXPECT_EQ(lines[15], "【姓名分析】");
    EXPECT_EQ(lines[16], "天格: 32");
    EXPECT_EQ(lines[37], "【血型测算】");
    EXPECT_EQ(lines[45], "");

    args.insert(args.begin(), "--gbk");
    auto gbk = RunCli(args);
    EXPECT_EQ(gbk.out, mingshu::app::EncodeReport(lines));

    auto rejected = RunCli({"report", "--surname", "欧阳"});
    EXPECT_EQ(rejected.status, 1);
    EXPECT_EQ(rejected.out, "");
}

} // namespace
