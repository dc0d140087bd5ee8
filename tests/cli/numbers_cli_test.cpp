// Checks of mingshu-cli number, mobile, nickname and boneweight against the real tables.
#include "cli/run_cli.h"
#include "content/tsv.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <map>

using mingshu::testing::RunCli;

namespace {

std::string Record(int index) {
    std::ifstream in(std::string(MINGSHU_SOURCE_DIR) + "/tests/numerology/eighty_one_records.txt", std::ios::binary);
    std::string line;
    while (std::getline(in, line))
        if (line.substr(0, line.find('\t')) == std::to_string(index))
            return line.substr(line.find('\t') + 1);
    ADD_FAILURE() << "no record " << index;
    return {};
}

mingshu::content::TsvTable Table(const std::string &name) {
    return mingshu::content::ReadTsv(std::string(MINGSHU_SOURCE_DIR) + "/data/dream/" + name + ".tsv");
}

std::map<std::string, std::vector<std::string>> RowsByKey(const mingshu::content::TsvTable &table) {
    std::map<std::string, std::vector<std::string>> rows;
    for (const auto &row : table.rows)
        rows[row[0]] = row;
    return rows;
}

const std::string kFallback = "对不起,此号不在分解之类。";

TEST(NumberCli, PrintsTheStoredRecordOrTheFallback) {
    auto r = RunCli({"number", "0081"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, Record(0) + "\n");
    r = RunCli({"number", "-1"});
    EXPECT_EQ(r.out, kFallback + "\n");
    r = RunCli({"--gbk", "number", "1"});
    EXPECT_EQ(r.status, 0);
    ASSERT_GE(r.out.size(), 2u);
    EXPECT_EQ(r.out.substr(r.out.size() - 2), "\r\n");
    EXPECT_EQ(r.out.substr(0, 4), "\xB8\xF9\xBB\xF9"); // 根基 in GBK
}

TEST(NumberCli, BatchPrintsAnEmptyLineForEachRefusedInput) {
    auto r = RunCli({"number", "-"}, "0081\n1\n-1\nabc\n\n12345\n999999999999999999\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, Record(0) + "\n" + Record(1) + "\n" + kFallback + "\n\n\n" + Record(33) + "\n" + Record(0) + "\n");
    EXPECT_EQ(r.err, "“abc”不是有效的整数\n请输入你的号码！\n");
}

TEST(NumberCli, ARefusedNumberExitsWithOne) {
    auto r = RunCli({"number", "12a"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "“12a”不是有效的整数\n");
    EXPECT_EQ(RunCli({"number"}).status, 2);
}

TEST(MobileCli, PrintsKeyTitleVerdictAndDescription) {
    const auto shouji = RowsByKey(Table("shouji"));
    struct Case {
        const char *number, *key;
    };
    for (const Case &c :
         {Case{"13912345678", "78"}, Case{"18800000080", "0"}, Case{"19900000000", "0"}, Case{"14700009999", "79"}}) {
        auto r = RunCli({"mobile", c.number});
        EXPECT_EQ(r.status, 0) << c.number;
        const auto &row = shouji.at(c.key);
        EXPECT_EQ(r.out, row[0] + "\t" + row[1] + "\t" + row[2] + "\t" + row[3] + "\n") << c.number;
    }
}

TEST(MobileCli, RefusesNumbersTheWindowRefuses) {
    struct Case {
        const char *number, *message;
    };
    for (const Case &c : {Case{"12812345678", "请输入正确的手机号码！"}, Case{"1381234", "请输入11位手机号码！"},
                          Case{"", "请输入11位手机号码！"}, Case{"138123456789", "请输入11位手机号码！"},
                          Case{"1381234abcd", "“abcd”不是有效的整数"}}) {
        auto r = RunCli({"mobile", c.number});
        EXPECT_EQ(r.status, 1) << c.number;
        EXPECT_EQ(r.out, "") << c.number;
        EXPECT_EQ(r.err, std::string(c.message) + "\n") << c.number;
    }
    EXPECT_EQ(RunCli({"mobile"}).status, 2);
}

TEST(NicknameCli, PrintsTheLettersAndTheTrimmedTrait) {
    auto r = RunCli({"nickname", "-"}, "小明\n小明0\n⑩\nａｂ\n😀\n\n我佛\n小〇\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "XM\t反复无常，喜欢模仿神秘人物举动的小孩子性格，但是常常被宠爱\n"
                     "XMJ\t煽情高手\n"
                     "AJ\t煽情高手\n"
                     "ab\t老实，沉默\n"
                     "\n"
                     "\n"
                     "WF\t有抱负，志气高\n"
                     "X?\t\n");
    EXPECT_EQ(r.err, "请重新输入网名，请不要输入特殊字符！\n请输入你的网名！\n");
}

TEST(BoneWeightCli, PrintsTheWeightLineAndTheReading) {
    // The expected total comes straight from the four tables.
    const auto years = RowsByKey(Table("chenggu1")), months = RowsByKey(Table("chenggu2")),
               days = RowsByKey(Table("chenggu3")), hours = RowsByKey(Table("chenggu4")),
               readings = RowsByKey(Table("chenggu"));
    struct Case {
        const char *year, *month, *day, *hour;
    };
    for (const Case &c : {Case{"1980", "正", "初一", "0"}, Case{"1900", "腊", "三十", "23"},
                          Case{"2100", "十一", "廿一", "12"}, Case{"2026", "六", "十五", "7"}}) {
        const double total = std::stod(years.at(c.year)[1]) + std::stod(months.at(c.month)[1]) +
                             std::stod(days.at(c.day)[1]) + std::stod(hours.at(c.hour)[1]);
        const int tenths = static_cast<int>(std::round(total * 10));
        const std::string key = std::to_string(tenths / 10) + std::to_string(tenths % 10);
        const std::string line = "你的骨重为：" + std::to_string(tenths / 10) + "两" +
                                 (tenths % 10 ? std::to_string(tenths % 10) + "钱" : "");
        auto r = RunCli({"boneweight", c.year, c.month, c.day, c.hour});
        EXPECT_EQ(r.status, 0) << c.year;
        EXPECT_EQ(r.out, line + "\t" + readings.at(key)[1] + "\n") << c.year;
    }
}

TEST(BoneWeightCli, RefusesItemsTheWindowDoesNotOffer) {
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string err;
    };
    const Case cases[] = {
        {{"boneweight", "1899", "正", "初一", "0"}, 1, "“1899”不是年的选项\n"},
        {{"boneweight", "1980", "闰", "初一", "0"}, 1, "“闰”不是月的选项\n"},
        {{"boneweight", "1980", "正", "初三十", "0"}, 1, "“初三十”不是日的选项\n"},
        {{"boneweight", "1980", "正", "初一", "24"}, 1, "“24”不是时的选项\n"},
        {{"boneweight", "", "正", "初一", "0"}, 1, "请选择年！\n"},
    };
    for (const Case &c : cases) {
        auto r = RunCli(c.args);
        EXPECT_EQ(r.status, c.status) << c.args[1] << c.args[2];
        EXPECT_EQ(r.err, c.err);
        EXPECT_EQ(r.out, "");
    }
    EXPECT_EQ(RunCli({"boneweight", "1980", "正", "初一"}).status, 2);
}

} // namespace
