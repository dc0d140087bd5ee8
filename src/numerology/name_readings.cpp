// Name analysis and three talents: grid numbers, their readings from namefx and sancai, and the report lines.
#include "numerology/name_readings.h"

#include "numerology/name_grids.h"

namespace mingshu::numerology {
namespace {

std::string Shown(const std::string &stored) {
    return stored == kNoReading ? stored
                                : content::DescrambleText(stored, content::kScrambleKey, content::kScrambleRounds);
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

namespace {

// "天格: 12" … "外格: 2", in the order heaven, earth, person, total, outer.
std::vector<std::string> GridNumberLines(const NameAnalysis &a) {
    static const char *const kNames[5] = {"天格: ", "地格: ", "人格: ", "总格: ", "外格: "};
    std::vector<std::string> lines;
    for (int g = 0; g < 5; ++g)
        lines.push_back(kNames[g] + std::to_string(a.grid[g]));
    return lines;
}

// Under its heading, the reading of each grid but the total: "天格12分析:", four blanks and the reading,
// an empty line between grids.
std::vector<std::string> GridDetailLines(const NameAnalysis &a) {
    const std::pair<GridKind, const char *> order[] = {
        {GridKind::Heaven, "天格"}, {GridKind::Earth, "地格"}, {GridKind::Person, "人格"}, {GridKind::Outer, "外格"}};
    std::vector<std::string> lines;
    for (const auto &[grid, name] : order) {
        if (!lines.empty())
            lines.push_back("");
        int g = static_cast<int>(grid);
        lines.push_back(name + std::to_string(a.grid[g]) + "分析:");
        lines.push_back("    " + a.reading[g]);
    }
    return lines;
}

void Add(std::vector<std::string> &to, const std::vector<std::string> &lines) {
    to.insert(to.end(), lines.begin(), lines.end());
}

} // namespace

std::vector<std::string> NameAnalysisCommandLines(const std::string &surname, const std::string &given_name,
                                                  const NameAnalysis &a) {
    std::vector<std::string> lines = {surname + given_name + ",您的姓名经过系统的分析,结果如下:", "", ""};
    Add(lines, GridNumberLines(a));
    Add(lines, {"", "", a.reading[static_cast<int>(GridKind::Total)], "", "补充:"});
    Add(lines, GridDetailLines(a));
    return lines;
}

std::vector<std::string> NameAnalysisSectionLines(const NameAnalysis &a) {
    std::vector<std::string> lines = {"【姓名分析】"};
    Add(lines, GridNumberLines(a));
    Add(lines, {"", a.reading[static_cast<int>(GridKind::Total)], "", "详细分析:"});
    Add(lines, GridDetailLines(a));
    return lines;
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
