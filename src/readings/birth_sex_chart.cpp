// The traditional birth-sex chart: the mother's age by the traditional reckoning (18–44) against the lunar month
// of conception (1–12), each cell a boy or a girl; and the short text shown beside it.
#include "readings/birth_sex_chart.h"

#include <array>
#include <string_view>

namespace mingshu::readings {
namespace {

// One row per month, one letter per age from 18 to 44: M a boy, F a girl.
constexpr std::array<std::string_view, 12> kChart = {
    "FMFMFMMFMFMFMMMFMMFMFMFMFMM", // 1月
    "MFMFMMFMFMFMFFFMFMMFMFMFMFM", // 2月
    "FMFFMFMFMFMFFMMFMFMMFMFMFMF", // 3月
    "MFMFFMMFMFFMFFFMFMFMMMMFMFM", // 4月
    "MFMFMMFMFFFMFFFFFFMFMMFMFMM", // 5月
    "MMMFFFMFMFFMFFFFFFFMFFMFMFM", // 6月
    "MMMFFMMMFMMMFFFFFFFFMFMMFMF", // 7月
    "MFMFMFFMMMMMFFFMFMFMFMFMMFM", // 8月
    "MFMFFMFMFMMMFFFFFFMFMFMFMMF", // 9月
    "MFFFFMFMFFMFMFFFFFMMFMFMFMM", // 10月
    "MMMFFMFMFMFFFMMFMFMFMFMFMMF", // 11月
    "MMMFFFFMFMFFMMMMMMFMMFMMFMF", // 12月
};

} // namespace

std::optional<ChartSex> BirthSexChartCell(int age, int month) {
    if (age < kChartFirstAge || age > kChartLastAge || month < 1 || month > 12)
        return std::nullopt;
    char cell = kChart[static_cast<std::size_t>(month - 1)][static_cast<std::size_t>(age - kChartFirstAge)];
    return cell == 'M' ? ChartSex::Boy : ChartSex::Girl;
}

const char *ChartSexText(ChartSex sex) {
    return sex == ChartSex::Boy ? "男" : "女";
}

std::string BirthSexChartNote() {
    return "说明：此表年龄为母亲虚岁年龄，月份指怀孕月份，以农历为准。遇闰月，上半月以上个月份计算，下半月以下个月份计"
           "算。"
           "查表时，看年龄与月份坐标交叉点即可知道孕育是男还是女。";
}

std::string BirthSexArticleTitle() {
    return "生男生女有秘诀";
}

std::string BirthSexArticleText() {
    return "民间流传的这张生男生女表，把母亲的虚岁和怀孕的农历月份排成方格，据说对照两者交叉处的“男”“女”，"
           "就能预知腹中胎儿的性别。它出自旧时的口耳相传，年代与作者都已无从考证，与其说是预言，不如说是一种"
           "饶有趣味的民俗。\n"
           "其实，胎儿的性别在受孕的那一刻就已定下。卵子带的都是X染色体，精子则有的带X、有的带Y：与带X的精子"
           "结合便是女孩，与带Y的结合便是男孩。哪一个先到，全凭机缘，母亲的年龄和受孕的月份都左右不了，"
           "所以出生的男婴与女婴大体各占一半。\n"
           "真正称得上秘诀的，是把心思花在孩子的健康上：备孕前夫妻一同做孕前检查，按医嘱补充叶酸；戒烟限酒，"
           "作息规律，饮食均衡；怀孕后按时产检，保持心情舒畅。\n"
           "我国法律禁止非医学需要的胎儿性别鉴定和选择性别的人工终止妊娠。查表图个乐趣即可，不必当真；"
           "无论是男是女，平平安安、健健康康地来到这个世界，就是全家最大的福气。";
}
} // namespace mingshu::readings
