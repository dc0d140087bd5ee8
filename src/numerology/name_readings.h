// The five-grid name analysis and the three-talents reading: lookups and the lines they write.
#pragma once

#include "content/database.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace mingshu::numerology {

// Shown, unchanged, for a grid number or element string the database has no reading for.
inline constexpr const char *kNoReading = "无结果,请听下回分解";

// The stored (still scrambled) namefx reading of a grid number, or kNoReading. Runs on the caller's query,
// which stays open afterwards; a database failure throws SilentAbort.
std::string GetNameReading(content::Query &query, int number);

struct NameAnalysis {
    std::array<int, 5> grid{};            // Heaven, Earth, Person, Total, Outer
    std::array<std::string, 5> reading{}; // readable texts, in the same order
};

// Every stroke and reading lookup of the analysis, done before anything is written.
NameAnalysis ComputeNameAnalysis(content::Query &query, const std::string &surname, const std::string &given_name);
// The 24 lines of the command "姓名分析".
std::vector<std::string> NameAnalysisCommandLines(const std::string &surname, const std::string &given_name,
                                                  const NameAnalysis &analysis);
// The 21 lines of the report section "【姓名分析】".
std::vector<std::string> NameAnalysisSectionLines(const NameAnalysis &analysis);

struct ThreeTalentsReading {
    std::string elements;               // e.g. 木火土
    std::optional<std::string> reading; // readable text, or nothing when sancai has no row
};

ThreeTalentsReading ComputeThreeTalents(content::Query &query, const std::string &surname,
                                        const std::string &given_name);
// The 4 lines of the command "三才吉凶".
std::vector<std::string> ThreeTalentsCommandLines(const std::string &surname, const std::string &given_name,
                                                  const ThreeTalentsReading &talents);
// The 2 lines of the report section "【三才分析】".
std::vector<std::string> ThreeTalentsSectionLines(const ThreeTalentsReading &talents);

} // namespace mingshu::numerology
