// Reading commands and report sections; every lookup of a section comes before its first line.
#include "app/combined_report.h"

#include "numerology/name_readings.h"

namespace mingshu::app {
namespace {

void Replace(ReportView &report, const std::vector<std::string> &lines) {
    report.clear();
    for (const auto &l : lines)
        report.append(l);
}

void Append(ReportView &report, const std::vector<std::string> &lines) {
    for (const auto &l : lines)
        report.append(l);
}

bool HasName(const BirthProfile &p) {
    return !p.Surname.empty() && !p.GivenName.empty();
}

} // namespace

bool RunNameAnalysisCommand(const BirthProfile &profile, ReportView &report, content::Query &query) {
    if (!HasName(profile))
        return false;
    auto analysis = numerology::ComputeNameAnalysis(query, profile.Surname, profile.GivenName);
    Replace(report, numerology::NameAnalysisCommandLines(profile.Surname, profile.GivenName, analysis));
    return true;
}

bool RunThreeTalentsCommand(const BirthProfile &profile, ReportView &report, content::Query &query) {
    if (!HasName(profile))
        return false;
    auto talents = numerology::ComputeThreeTalents(query, profile.Surname, profile.GivenName);
    Replace(report, numerology::ThreeTalentsCommandLines(profile.Surname, profile.GivenName, talents));
    return true;
}

bool RunBirthSignCommand(readings::BirthSign sign, const BirthProfile &profile, ReportView &report) {
    const std::string &value = sign == readings::BirthSign::BloodType ? profile.BloodType
                               : sign == readings::BirthSign::Zodiac  ? profile.ZodiacAnimal
                                                                      : profile.StarSign;
    if (!HasName(profile) || value.empty())
        return false;
    Replace(report, readings::BirthSignCommandLines(sign, profile.Surname, profile.GivenName, value));
    return true;
}

void WriteThreeTalentsSection(const BirthProfile &profile, ReportView &report, content::Query &query) {
    if (!HasName(profile))
        return;
    Append(report, numerology::ThreeTalentsSectionLines(
                       numerology::ComputeThreeTalents(query, profile.Surname, profile.GivenName)));
}

void WriteNameAnalysisSection(const BirthProfile &profile, ReportView &report, content::Query &query) {
    if (!HasName(profile))
        return;
    Append(report, numerology::NameAnalysisSectionLines(
                       numerology::ComputeNameAnalysis(query, profile.Surname, profile.GivenName)));
}

void WriteBirthSignSection(const BirthProfile &profile, ReportView &report) {
    Append(report, readings::BirthSignSectionLines(profile.BloodType, profile.ZodiacAnimal, profile.StarSign));
}

bool RunCombinedReport(const InputBar &input, BirthProfile &profile, ReportView &report, content::Query &query,
                       int current_year) {
    if (!ReadBirthProfile(input, profile))
        return false;
    if (!WriteBirthSection(input, profile, report, current_year))
        return false;
    report.append("");
    WriteThreeTalentsSection(profile, report, query);
    report.append("");
    WriteNameAnalysisSection(profile, report, query);
    report.append("");
    WriteBirthSignSection(profile, report);
    report.append("");
    return true;
}

} // namespace mingshu::app
