// The eight characters, start age and luck pillars, and the rejection of impossible dates.
#include "chart/birth_chart.h"

#include "common/fake_platform.h"

#include <gtest/gtest.h>

using namespace mingshu::chart;

namespace {

struct Case {
    int y, m, d, h;
    const char *sex, *chart, *luck;
};

TEST(BirthChart, KnownCharts) {
    const Case cases[] = {
        {2000, 1, 1, 0, "男", "八字：己卯 丙子 戊午 壬子 1岁起运", "大运：丁丑 戊寅 己卯 庚辰 辛巳 壬午"},
        {2000, 1, 1, 0, "女", "八字：己卯 丙子 戊午 壬子 9岁起运", "大运：乙亥 甲戌 癸酉 壬申 辛未 庚午"},
        {1984, 2, 4, 12, "男", "八字：甲子 丙寅 戊辰 戊午 10岁起运", "大运：丁卯 戊辰 己巳 庚午 辛未 壬申"},
        {1984, 2, 3, 12, "女", "八字：癸亥 乙丑 丁卯 丙午 9岁起运", "大运：甲子 癸亥 壬戌 辛酉 庚申 己未"},
        {1900, 1, 1, 23, "男", "八字：己亥 丙子 甲戌 甲子 1岁起运", "大运：丁丑 戊寅 己卯 庚辰 辛巳 壬午"},
        {1949, 10, 1, 15, "男", "八字：己丑 癸酉 甲子 壬申 3岁起运", "大运：甲戌 乙亥 丙子 丁丑 戊寅 己卯"},
        {2019, 12, 7, 11, "男", "八字：己亥 乙亥 戊寅 戊午 0岁起运", "大运：丙子 丁丑 戊寅 己卯 庚辰 辛巳"},
        {2019, 12, 8, 11, "男", "八字：己亥 丙子 己卯 庚午 10岁起运", "大运：丁丑 戊寅 己卯 庚辰 辛巳 壬午"},
        {2004, 2, 29, 5, "女", "八字：甲申 丙寅 戊寅 乙卯 8岁起运", "大运：乙丑 甲子 癸亥 壬戌 辛酉 庚申"},
        // Any sex text but exactly 男 counts as female.
        {2000, 1, 1, 0, "", "八字：己卯 丙子 戊午 壬子 9岁起运", "大运：乙亥 甲戌 癸酉 壬申 辛未 庚午"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.chart);
        auto lines = ComputeChartLines(c.y, c.m, c.d, c.h, c.sex);
        ASSERT_TRUE(lines);
        EXPECT_EQ(lines->chart, c.chart);
        EXPECT_EQ(lines->luck, c.luck);
    }
}

TEST(BirthChart, RejectedDateShowsMessageAndKeepsLines) {
    mingshu::testing::RecordingPlatform platform;
    ComputeBirthChart(2000, 1, 1, 0, "男");
    const std::string chart = ChartLine(), luck = LuckLine();
    for (auto [y, m, d] : {std::tuple{1900, 2, 29}, std::tuple{2001, 4, 31}, std::tuple{2000, 2, 30}}) {
        ComputeBirthChart(y, m, d, 0, "男");
        EXPECT_EQ(ChartLine(), chart);
        EXPECT_EQ(LuckLine(), luck);
    }
    EXPECT_EQ(platform.messages, std::vector<std::string>(3, "请检查输入数据是否出错！"));
}

} // namespace
