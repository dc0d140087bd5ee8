// Articles of the reader window: one row of the Noter table of KelBirth.dll, found by its code.
#pragma once

#include <string>
#include <vector>

namespace mingshu::readings {

// The caption of a reader window whose code the table does not hold.
inline constexpr const char *kUnknownArticleTitle = "算命";

struct Article {
    bool found = false;
    std::string title;              // "算命" when not found
    std::vector<std::string> lines; // the body's lines, trimmed as a whole first; empty when not found
};

// Looks the code up as it is given (codes are lower case: "a1", "b10", "c9"). Throws SilentAbort when the database
// cannot be read.
Article LoadArticle(const std::string &code);

} // namespace mingshu::readings
