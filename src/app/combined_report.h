// The reading commands and report sections that write into the report view, and the combined report.
#pragma once

#include "app/birth_profile.h"
#include "app/report_view.h"
#include "content/database.h"
#include "readings/birth_signs.h"

namespace mingshu::app {

// "姓名分析": with both name fields of the profile set, replaces the report by the 24 lines of the analysis
// (every lookup done before the report is touched). Returns whether it wrote.
bool RunNameAnalysisCommand(const BirthProfile &profile, ReportView &report, content::Query &query);
// "三才吉凶": replaces the report by the 4 lines of the three-talents reading. Returns whether it wrote.
bool RunThreeTalentsCommand(const BirthProfile &profile, ReportView &report, content::Query &query);
// "血型算命", "属相运程", "星座运程": with the name fields and the sign's field set, replaces the report.
bool RunBirthSignCommand(readings::BirthSign sign, const BirthProfile &profile, ReportView &report);

void WriteThreeTalentsSection(const BirthProfile &profile, ReportView &report, content::Query &query);
void WriteNameAnalysisSection(const BirthProfile &profile, ReportView &report, content::Query &query);
void WriteBirthSignSection(const BirthProfile &profile, ReportView &report);

// "确认测算": the birth block, then the three-talents, name-analysis and birth-sign sections, one empty line
// after each part. Returns true when the whole report was written (the caller then reveals it) and false when
// the input was rejected. A section that fails throws (SilentAbort for the databases) and leaves what was written.
bool RunCombinedReport(const InputBar &input, BirthProfile &profile, ReportView &report, content::Query &query,
                       int current_year);

} // namespace mingshu::app
