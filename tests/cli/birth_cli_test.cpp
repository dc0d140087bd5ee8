// lunar, starsign, chart and birth from the command line: formats, batch mode, statuses and --gbk.
#include "cli/run_cli.h"

#include <gtest/gtest.h>

using mingshu::testing::RunCli;

namespace {

TEST(CliLunar, OneDateAndOutOfRange) {
    auto r = RunCli({"lunar", "1980-01-01"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "1979 11 14 0\t己未(羊年)十一月十四\t羊\n");
    EXPECT_EQ(RunCli({"lunar", "1900-1-30"}).out, "0 0 0 0\t\t\n");
    EXPECT_EQ(RunCli({"lunar", "2023-3-22"}).out, "2023 2 1 1\t癸卯(兔年)闰二月初一\t兔\n");
}

TEST(CliLunar, BatchKeepsOrderAndReportsBadLines) {
    auto r = RunCli({"lunar", "-"}, "1980-1-1\n1980-2-30\n2000-02-05\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "1979 11 14 0\t己未(羊年)十一月十四\t羊\n\n2000 1 1 0\t庚辰(龙年)一月初一\t龙\n");
    EXPECT_NE(r.err.find("1980-2-30"), std::string::npos);
}

TEST(CliStarSign, Batch) {
    auto r = RunCli({"starsign", "-"}, "1980-12-21\n1980-12-22\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "射手座\n摩羯座\n");
}

TEST(CliChart, LinesAndRejection) {
    auto r = RunCli({"chart", "2000", "1", "1", "0", "男"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "八字：己卯 丙子 戊午 壬子 1岁起运\n大运：丁丑 戊寅 己卯 庚辰 辛巳 壬午\n");
    auto bad = RunCli({"chart", "1900", "2", "29", "0", "男"});
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.out, "");
    EXPECT_EQ(bad.err, "请检查输入数据是否出错！\n");
    EXPECT_EQ(RunCli({"chart", "2000", "1"}).status, 2);
}

TEST(CliBirth, BlockAndMessages) {
    auto r = RunCli({"birth", "--surname", "张", "--given-name", "三", "--year", "1980", "--month", "1", "--day", "1",
                     "--hour", "23", "--today", "2026-12-11"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out,
              "姓名：张三\n性别：男\n年龄：46岁\n生日（公历）：1980年01月01日23点\n生日（农历）：己未(羊年)十一月十四\n"
              "生肖：羊\n星座：摩羯座\n血型：A型\n\n八字：己未 丙子 癸酉 壬子 1岁起运\n"
              "大运：丁丑 戊寅 己卯 庚辰 辛巳 壬午\n");
    auto empty = RunCli({"birth", "--surname", "张"});
    EXPECT_EQ(empty.status, 1);
    EXPECT_EQ(empty.err, "名不能为空!\n");
    EXPECT_EQ(RunCli({"birth", "--nickname", "x"}).status, 2);
}

TEST(CliBirth, GbkOutputUsesCrLf) {
    auto r = RunCli({"--gbk", "birth", "--surname", "张", "--given-name", "三", "--today", "2026-1-1"});
    EXPECT_EQ(r.status, 0);
    // 姓名：张三 in GBK, then CR LF.
    EXPECT_EQ(r.out.substr(0, 12), std::string("\xD0\xD5\xC3\xFB\xA3\xBA\xD5\xC5\xC8\xFD\r\n", 12));
    EXPECT_EQ(r.out.find('\n', 0), 11u);
}

} // namespace
