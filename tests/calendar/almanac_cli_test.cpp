// mingshu-cli almanac as a script uses it: one day, a batch of days, GBK output, bad input.
#include "cli/run_cli.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <sstream>

namespace {

using mingshu::testing::RunCli;

TEST(AlmanacCli, PrintsTheEightFieldsOfADay) {
    auto r = RunCli({"almanac", "2000-02-05"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "101\t正月\t初一\t春节\t\t\t辰龙\t水瓶座\n");
    r = RunCli({"almanac", "2001-05-23"});
    EXPECT_EQ(r.out, "-401\t闰四\t初一\t\t\t\t巳蛇\t双子座\n");
    r = RunCli({"almanac", "2008-05-11"});
    EXPECT_EQ(r.out, "407\t四月\t初七\t\t\t母亲节\t子鼠\t金牛座\n");
    // Outside the tables only the solar fields are known.
    r = RunCli({"almanac", "2051-01-01"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "0\t\t\t\t\t元旦节\t未羊\t摩羯座\n");
}

TEST(AlmanacCli, BatchAnswersEveryLineAndFlagsBadOnes) {
    auto r = RunCli({"almanac", "-"}, "2008-02-04\n2026-2-30\n2008-12-21\r\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "1228\t腊月\t廿八\t\t立春\t\t亥猪\t水瓶座\n"
                     "\n"
                     "1124\t冬月\t廿四\t\t冬至\t\t子鼠\t射手座\n");
    EXPECT_NE(r.err.find("2026-2-30"), std::string::npos);
}

TEST(AlmanacCli, AnswersEveryDayOfItsYearsInOneRun) {
    std::string input;
    int day_count = 0;
    using namespace std::chrono;
    for (sys_days d = sys_days{year{1901} / 1 / 1}; d <= sys_days{year{2050} / 12 / 31}; d += std::chrono::days{1}) {
        const year_month_day ymd{d};
        input += std::to_string(static_cast<int>(ymd.year())) + "-" +
                 std::to_string(static_cast<unsigned>(ymd.month())) + "-" +
                 std::to_string(static_cast<unsigned>(ymd.day())) + "\n";
        ++day_count;
    }
    auto r = RunCli({"almanac", "-"}, input);
    EXPECT_EQ(r.status, 0);
    std::istringstream lines(r.out);
    std::string line;
    int count = 0, spring_festivals = 0;
    while (std::getline(lines, line)) {
        ++count;
        EXPECT_EQ(std::count(line.begin(), line.end(), '\t'), 7) << line;
        EXPECT_NE(line.substr(0, 2), "0\t") << "day " << count;
        spring_festivals += line.find("\t春节\t") != std::string::npos;
    }
    EXPECT_EQ(count, day_count);
    EXPECT_EQ(spring_festivals, 150);
}

TEST(AlmanacCli, GbkOutputEndsLinesWithCrLf) {
    auto r = RunCli({"--gbk", "almanac", "2026-2-17"});
    EXPECT_EQ(r.status, 0);
    // 正月 初一 春节 午马 水瓶座 in GBK.
    EXPECT_EQ(r.out, "101\t\xD5\xFD\xD4\xC2\t\xB3\xF5\xD2\xBB\t\xB4\xBA\xBD\xDA\t\t\t\xCE\xE7\xC2\xED\t"
                     "\xCB\xAE\xC6\xBF\xD7\xF9\r\n");
}

TEST(AlmanacCli, RejectsAMissingArgument) {
    auto r = RunCli({"almanac"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("almanac DATE|-"), std::string::npos);
}

} // namespace
