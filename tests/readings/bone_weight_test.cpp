// The bone-weight reading: the total of four weights, its key and weight line, and the lookups in dream.dll.
#include "readings/bone_weight.h"

#include "common/errors.h"
#include "common/fake_platform.h"
#include "content/tsv.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace rd = mingshu::readings;

namespace {

TEST(BoneWeightKey, TotalKeyAndLine) {
    struct Case {
        double total;
        const char *text, *key, *line;
    };
    const Case cases[] = {
        {4.0, "4", "40", "你的骨重为：4两"},
        {3.5, "3.5", "35", "你的骨重为：3两5钱"},
        {3.25, "3.25", "32", "你的骨重为：3两2钱"}, // the second decimal is dropped, not rounded
        {3.29, "3.29", "32", "你的骨重为：3两2钱"},
        {0.8, "0.8", "08", "你的骨重为：0两8钱"},
        {2.1, "2.1", "21", "你的骨重为：2两1钱"},
        {7.2, "7.2", "72", "你的骨重为：7两2钱"},
        {0.7 + 0.6 + 0.5 + 1.6, "3.4", "34", "你的骨重为：3两4钱"}, // 15 digits hide the rounding of the sum
        {0.2 + 0.2 + 0.2 + 0.2, "0.8", "08", "你的骨重为：0两8钱"},
        {10.0, "10", "100", "你的骨重为：10两"}, // ten liang and more keep all their liang digits
        {10.5, "10.5", "105", "你的骨重为：10两5钱"},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(rd::FormatWeightTotal(c.total), c.text) << c.total;
        EXPECT_EQ(rd::WeightKey(c.text), c.key) << c.text;
        EXPECT_EQ(rd::WeightLine(c.key), c.line) << c.key;
    }
}

TEST(BoneWeightItems, BoxesOfferTheKeysOfTheTables) {
    const auto years = rd::BoneWeightYears();
    ASSERT_EQ(years.size(), 201u);
    EXPECT_EQ(years.front(), "1900");
    EXPECT_EQ(years.back(), "2100");
    const auto hours = rd::BoneWeightHours();
    ASSERT_EQ(hours.size(), 24u);
    EXPECT_EQ(hours.front(), "0");
    EXPECT_EQ(hours.back(), "23");
    EXPECT_EQ(rd::kLunarMonthItems[10], "十一");
    EXPECT_EQ(rd::kLunarDayItems[19], "二十");
    EXPECT_EQ(rd::kLunarDayItems[20], "廿一");
}

TEST(BoneWeightStatements, KeyFollowsThePrefixWithoutBlank) {
    EXPECT_EQ(rd::YearWeightStatement("1980"), "Select weight from chenggu1 where year ='1980'");
    EXPECT_EQ(rd::MonthWeightStatement("正"), "Select weight from chenggu2 where month ='正'");
    EXPECT_EQ(rd::DayWeightStatement("初一"), "Select weight from chenggu3 where day ='初一'");
    EXPECT_EQ(rd::HourWeightStatement("0"), "Select weight from chenggu4 where time ='0'");
    EXPECT_EQ(rd::ReadingStatement("35"), "Select content from chenggu where weight ='35'");
}

class BoneWeightLookup : public ::testing::Test {
protected:
    void SetUp() override {
        platform.program_directory = MINGSHU_FIXTURE_DIR "/";
        query.SetConnectionString(mingshu::content::DreamDbConnectionString());
    }
    rd::BoneWeight weigh(const char *y, const char *m, const char *d, const char *h) {
        return rd::GetpeoleGzmun(query, y, m, d, h);
    }
    mingshu::testing::RecordingPlatform platform;
    mingshu::content::Query query;
};

TEST_F(BoneWeightLookup, AddsTheFourWeightsAndReadsTheReadingOfTheTotal) {
    struct Case {
        const char *year, *month, *day, *hour, *key, *line, *reading;
    };
    const Case cases[] = {
        {"1983", "正", "廿九", "2", "40", "你的骨重为：4两", "四两之命，劳碌中见安稳，中年以后渐入佳境。"},
        {"1984", "正", "初一", "5", "35", "你的骨重为：3两5钱", "三两五钱，生平福量不周全，守旧方能衣食无忧。"},
        {"1982", "二", "初二", "0", "32", "你的骨重为：3两2钱", "三两二钱的命，勤俭度日，晚景渐好。"},
        {"1981", "二", "初二", "1", "08", "你的骨重为：0两8钱",
         "骨轻如羽，福薄需自勉。\n轻到不足一两的骨重，只在试算里出现。"},
        {"1980", "正", "初一", "0", "39", "你的骨重为：3两9钱", "三两九钱，此命终身事不成，宜早立志向。"},
    };
    for (const Case &c : cases) {
        const auto w = weigh(c.year, c.month, c.day, c.hour);
        EXPECT_EQ(w.key, c.key) << c.year;
        EXPECT_EQ(w.weight_line.value_or("(none)"), c.line) << c.year;
        EXPECT_EQ(w.reading.value_or("(none)"), c.reading) << c.year;
    }
}

TEST_F(BoneWeightLookup, ATotalWithoutReadingSetsNeitherLineNorReading) {
    const auto w = weigh("2026", "正", "初一", "0"); // 3.7
    EXPECT_EQ(w.key, "37");
    EXPECT_FALSE(w.weight_line);
    EXPECT_FALSE(w.reading);
}

TEST_F(BoneWeightLookup, APartWithoutWeightOrAMissingDatabaseEndsSilently) {
    EXPECT_THROW(weigh("1985", "正", "初一", "0"), mingshu::SilentAbort);
    EXPECT_THROW(weigh("1980", "闰", "初一", "0"), mingshu::SilentAbort);
    platform.program_directory = MINGSHU_FIXTURE_DIR "/absent/";
    query.SetConnectionString(mingshu::content::DreamDbConnectionString());
    EXPECT_THROW(weigh("1980", "正", "初一", "0"), mingshu::SilentAbort);
}

// The lightest and the heaviest birth the real tables allow both have a reading, so every choice of the four
// boxes finds one.
TEST(BoneWeightContent, EveryTotalOfTheRealTablesHasAReading) {
    using mingshu::content::ReadTsv;
    const std::string dir = std::string(MINGSHU_SOURCE_DIR) + "/data/dream/";
    double lightest = 0, heaviest = 0;
    for (const char *table : {"chenggu1", "chenggu2", "chenggu3", "chenggu4"}) {
        const auto t = ReadTsv(dir + table + ".tsv");
        std::vector<double> weights;
        for (const auto &row : t.rows)
            weights.push_back(std::stod(row[1]));
        lightest += *std::min_element(weights.begin(), weights.end());
        heaviest += *std::max_element(weights.begin(), weights.end());
    }
    const auto readings = ReadTsv(dir + "chenggu.tsv");
    std::vector<std::string> keys;
    for (const auto &row : readings.rows)
        keys.push_back(row[0]);
    for (double total = lightest; total <= heaviest + 1e-9; total += 0.1) {
        const std::string key = rd::WeightKey(rd::FormatWeightTotal(std::round(total * 10) / 10));
        EXPECT_NE(std::find(keys.begin(), keys.end(), key), keys.end()) << key;
    }
}

} // namespace
