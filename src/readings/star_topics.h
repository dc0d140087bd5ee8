// The six star-sign topics: their tables, the stored texts with paragraph marks removed, and the command lines.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace mingshu::readings {

// In the order of the star-sign menu: 情商解析 星座实力 星座名人 身体保健 五大建议 星座缺陷.
enum class StarTopic { Ndeq, Aiqing, Mingren, Baojian, Qingxv, Shiye };

constexpr int kStarTopicCount = 6;

// The topic of a menu position 0–5, or nothing.
std::optional<StarTopic> StarTopicOfNumber(int number);
// The topic stored in a table of this name ("ndeq", "aiqing", …), or nothing.
std::optional<StarTopic> StarTopicOfTable(const std::string &table);
const char *StarTopicTable(StarTopic topic);
// The statement prefix, to which the quoted star-sign name is appended.
std::string StarTopicStatementPrefix(StarTopic topic);
// Only 情商解析 and 身体保健 bring the report view back to its first line after writing.
bool StarTopicScrollsToTop(StarTopic topic);

// Removes every "<p>" and "</p>", matched exactly and case-sensitively; nothing else is touched and no line break
// takes the place of a mark.
std::string StripParagraphMarks(const std::string &text);

// The topic text of a star sign from KelFile.dll, trimmed and without paragraph marks; empty when the table has no
// row for it. Throws SilentAbort when the database cannot be read.
std::string StarSignTopicText(const std::string &star_sign, StarTopic topic);

// The lines a topic command writes: the header, two empty lines and the text's lines (one empty line for an empty
// text). Empty when the birth profile has not been filled yet (surname, given name or star sign empty).
std::vector<std::string> StarTopicCommandLines(const std::string &surname, const std::string &given_name,
                                               const std::string &star_sign, const std::string &text);

// The text's lines as the report view shows them: split at line breaks, one empty line for an empty text.
std::vector<std::string> TopicTextLines(const std::string &text);

} // namespace mingshu::readings
