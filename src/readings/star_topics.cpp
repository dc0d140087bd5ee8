// The six star-sign topics: their tables, the stored texts with paragraph marks removed, and the command lines.
#include "readings/star_topics.h"

#include "common/text.h"
#include "content/database.h"

#include <array>

namespace mingshu::readings {
namespace {

constexpr std::array<const char *, kStarTopicCount> kTables = {"ndeq",    "aiqing", "mingren",
                                                               "baojian", "qingxv", "shiye"};

} // namespace

std::optional<StarTopic> StarTopicOfNumber(int number) {
    if (number < 0 || number >= kStarTopicCount)
        return std::nullopt;
    return static_cast<StarTopic>(number);
}

std::optional<StarTopic> StarTopicOfTable(const std::string &table) {
    for (int i = 0; i < kStarTopicCount; ++i)
        if (table == kTables[static_cast<std::size_t>(i)])
            return static_cast<StarTopic>(i);
    return std::nullopt;
}

const char *StarTopicTable(StarTopic topic) {
    return kTables[static_cast<std::size_t>(topic)];
}

std::string StarTopicStatementPrefix(StarTopic topic) {
    return std::string("select content from ") + StarTopicTable(topic) + " where title = ";
}

bool StarTopicScrollsToTop(StarTopic topic) {
    return topic == StarTopic::Ndeq || topic == StarTopic::Baojian;
}

std::string StripParagraphMarks(const std::string &text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        if (text.compare(i, 3, "<p>") == 0) {
            i += 3;
        } else if (text.compare(i, 4, "</p>") == 0) {
            i += 4;
        } else {
            out += text[i++];
        }
    }
    return out;
}

std::string StarSignTopicText(const std::string &star_sign, StarTopic topic) {
    auto row = content::LookupRow(content::FileDbConnectionString(),
                                  StarTopicStatementPrefix(topic) + content::QuoteLiteral(star_sign));
    if (!row || row->empty())
        return {};
    // Trimmed first, then stripped: blanks that stood inside the marks stay, as they do in the stored text.
    return StripParagraphMarks(Trim(row->front()));
}

std::vector<std::string> TopicTextLines(const std::string &text) {
    if (text.empty())
        return {""};
    return SplitLines(text);
}

std::vector<std::string> StarTopicCommandLines(const std::string &surname, const std::string &given_name,
                                               const std::string &star_sign, const std::string &text) {
    if (surname.empty() || given_name.empty() || star_sign.empty())
        return {};
    std::vector<std::string> lines = {surname + given_name + ",您的星座为" + star_sign + "...", "", ""};
    for (auto &line : TopicTextLines(text))
        lines.push_back(std::move(line));
    return lines;
}

} // namespace mingshu::readings
