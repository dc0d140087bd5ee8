// The birth-sex chart: every cell of both printed pages, and nothing outside them.
#include "readings/birth_sex_chart.h"

#include <gtest/gtest.h>

#include <string>

using namespace mingshu::readings;

namespace {

// The chart as it is printed: one row per month, one character per age, 18 to 31 and then 32 to 44.
const char *const kFirstPage[12] = {
    "女男女男女男男女男女男女男男", "男女男女男男女男女男女男女女", "女男女女男女男女男女男女女男",
    "男女男女女男男女男女女男女女", "男女男女男男女男女女女男女女", "男男男女女女男女男女女男女女",
    "男男男女女男男男女男男男女女", "男女男女男女女男男男男男女女", "男女男女女男女男女男男男女女",
    "男女女女女男女男女女男女男女", "男男男女女男女男女男女女女男", "男男男女女女女男女男女女男男",
};
const char *const kSecondPage[12] = {
    "男女男男女男女男女男女男男", "女男女男男女男女男女男女男", "男女男女男男女男女男女男女",
    "女男女男女男男男男女男女男", "女女女女男女男男女男女男男", "女女女女女男女女男女男女男",
    "女女女女女女男女男男女男女", "女男女男女男女男女男男女男", "女女女女男女男女男女男男女",
    "女女女女男男女男女男女男男", "男女男女男女男女男女男男女", "男男男男女男男女男男女男女",
};

// The character at position i of a UTF-8 text of three-byte characters.
std::string CharAt(const char *text, int i) {
    return std::string(text).substr(static_cast<std::size_t>(i) * 3, 3);
}

TEST(BirthSexChart, AllCellsOfBothPages) {
    int cells = 0;
    for (int month = 1; month <= 12; ++month) {
        for (int age = 18; age <= 44; ++age) {
            auto sex = BirthSexChartCell(age, month);
            ASSERT_TRUE(sex) << age << " " << month;
            std::string expected =
                age <= 31 ? CharAt(kFirstPage[month - 1], age - 18) : CharAt(kSecondPage[month - 1], age - 32);
            EXPECT_EQ(ChartSexText(*sex), expected) << age << "岁 " << month << "月";
            ++cells;
        }
    }
    EXPECT_EQ(cells, 324);
}

TEST(BirthSexChart, NothingOutsideTheChart) {
    for (auto [age, month] : {std::pair{17, 1}, {45, 1}, {18, 0}, {18, 13}, {0, 0}, {-1, 5}})
        EXPECT_FALSE(BirthSexChartCell(age, month)) << age << " " << month;
}

TEST(BirthSexChart, NoteAndThirdPage) {
    EXPECT_EQ(
        BirthSexChartNote(),
        "说明：此表年龄为母亲虚岁年龄，月份指怀孕月份，以农历为准。遇闰月，上半月以上个月份计算，下半月以下个月份计"
        "算。查表时，看年龄与月份坐标交叉点即可知道孕育是男还是女。");
    EXPECT_EQ(BirthSexArticleTitle(), "生男生女有秘诀");
    EXPECT_GT(BirthSexArticleText().size(), 300u);
}

} // namespace
