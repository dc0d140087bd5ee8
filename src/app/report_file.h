// Report files: GBK text with CR LF after every line, no BOM; the save dialog's file-name rules.
#pragma once

#include <string>
#include <vector>

namespace mingshu::app {

// The bytes of a report file. Throws EncodingError for a line GBK cannot hold.
std::string EncodeReport(const std::vector<std::string> &lines);
// The lines of a report file's bytes; CR LF, a lone LF and a lone CR each end a line.
std::vector<std::string> DecodeReport(const std::string &bytes);

// Whether the report, trimmed of blanks and line breaks at both ends, is empty.
bool ReportIsEmpty(const std::vector<std::string> &lines);
// The file name the save dialog proposes: the profile's name trimmed, or the last name used when it is empty;
// a name holding * / < > ? \ or | is replaced by "*.txt".
std::string ProposedFileName(const std::string &profile_name, const std::string &last_name);
// The file actually written: the chosen name, with ".txt" appended unless it already ends in .txt (any case).
std::string SaveTarget(const std::string &chosen);

// Writes the report through a temporary file in the same folder, renamed over the target only once it is
// complete, so a failed write never damages an existing file. Throws CommandError saying why.
void WriteReportFile(const std::string &path, const std::vector<std::string> &lines);
// Reads a report file. Throws CommandError saying why.
std::vector<std::string> ReadReportFile(const std::string &path);

} // namespace mingshu::app
