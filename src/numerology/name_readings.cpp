// Name analysis and three talents: grid numbers, their readings from namefx and sancai, and the report lines.
#include "numerology/name_readings.h"

#include "numerology/name_grids.h"

namespace mingshu::numerology {
namespace {

std::string Shown(const std::string &stored) {
    return stored == kNoReading ? stored : content::DescrambleText(stored, content::kScrambleKey, content::kScrambleRounds);
}

} // namespace

std::string GetNameReading(content::Query &query, int number) {
    query.Open("Select content from namefx where num = " + content::QuoteLiteral(std::to_string(number)));
    if (query.IsEmpty())
        return kNoReading;
    return query.Text(0);
}

NameAnalysis ComputeNameAnalysis(content::Query &query, const std::string &surname, const std::string &given_name) {
    NameAnalysis a;
    for (int g = 0; g < 5; ++g)
        a.grid[g] = GetGridNumber(surname, given_name, static_cast<GridKind>(g));
    for (int g = 0; g < 5; ++g)
        a.reading[g] = Shown(GetNameReading(query, a.grid[g]));
    return a;
}

std::vector<std::string> NameAnalysisCommandLines(const std::string &surname, const std::string &given_name,
                                                  const NameAnalysis &a) {
    auto n = [&](GridKind g) { return std::to_string(a.grid[static_cast<int>(g)]); };
    auto r = [&](GridKind g) { return a.reading[static_cast<int>(g)]; };
    return {surname + given_name + ",您的姓名经过系统的分析,结果如下:",
            "",
            "",
            "天格: " + n(GridKind::Heaven),
            "地格: " + n(GridKind::Earth),
            "人格: " + n(GridKind::Person),
            "总格: " + n(GridKind::Total),
            "外格: " + n(GridKind::Outer),
            "",
            "",
            r(GridKind::Total),
            "",
            "补充:",
            "天格" + n(GridKind::Heaven) + "分析:",
            "    " + r(GridKind::Heaven),
            "",
            "地格" + n(GridKind::Earth) + "分析:",
            "    " + r(GridKind::Earth),
            "",
            "人格" + n(GridKind::Person) + "分析:",
            "    " + r(GridKind::Person),
            "",
            "外格" + n(GridKind::Outer) + "分析:",
            "    " + r(GridKind::Outer)};
}

std::vector<std::string> NameAnalysisSectionLines(const NameAnalysis &a) {
    auto n = [&](GridKind g) { return std::to_string(a.grid[static_cast<int>(g)]); };
    auto r = [&](GridKind g) { return a.reading[static_cast<int>(g)]; };
    return {"【姓名分析】",
            "天格: " + n(GridKind::Heaven),
            "地格: " + n(GridKind::Earth),
            "人格: " + n(GridKind::Person),
            "总格: " + n(GridKind::Total),
            "外格: " + n(GridKind::Outer),
            "",
            r(GridKind::Total),
            "",
            "详细分析:",
            "天格" + n(GridKind::Heaven) + "分析:",
            "    " + r(GridKind::Heaven),
            "",
            "地格" + n(GridKind::Earth) + "分析:",
            "    " + r(GridKind::Earth),
            "",
            "人格" + n(GridKind::Person) + "分析:",
            "    " + r(GridKind::Person),
            "",
            "外格" + n(GridKind::Outer) + "分析:",
            "    " + r(GridKind::Outer)};
}

ThreeTalentsReading ComputeThreeTalents(content::Query &query, const std::string &surname,
                                        const std::string &given_name) {
    int heaven = GetGridNumber(surname, given_name, GridKind::Heaven);
    int person = GetGridNumber(surname, given_name, GridKind::Person);
    int earth = GetGridNumber(surname, given_name, GridKind::Earth);
    ThreeTalentsReading t;
    t.elements = GetThreeTalents(heaven, person, earth);
    // The statement ends with one blank after the closing quote.
    query.Open("Select content from sancai where title = " + content::QuoteLiteral(t.elements) + " ");
    if (!query.IsEmpty())
        t.reading = content::DescrambleText(query.Text(0), content::kScrambleKey, content::kScrambleRounds);
    return t;
}

std::vector<std::string> ThreeTalentsCommandLines(const std::string &surname, const std::string &given_name,
                                                  const ThreeTalentsReading &t) {
    return {surname + given_name + ",您的三才为" + t.elements + ",经系统分析如下:", "", "",
            "    " + t.reading.value_or(kNoReading)};
}

std::vector<std::string> ThreeTalentsSectionLines(const ThreeTalentsReading &t) {
    return {"【三才分析】", "    " + t.reading.value_or(" ")};
}

} // namespace mingshu::numerology
