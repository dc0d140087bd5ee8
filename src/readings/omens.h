// The seven time-of-day omens: window captions, the texts of their pages and the note on the two-hour periods.
#pragma once

#include <string>
#include <vector>

namespace mingshu::readings {

constexpr int kOmenPageCount = 7;

// The window caption of an omen page 0–6 ("打喷嚏占卜吉凶" …); empty for another number.
std::string OmenCaption(int page);
// The text lines of a page, without the empty lines between them; empty for another number.
std::vector<std::string> OmenTextLines(int page);
// The page as its memo holds it: one empty line between two text lines, none after the last.
std::vector<std::string> OmenPageLines(int page);
// The note under the pages: four lines, each ended by CR LF.
std::string OmenNoteText();

} // namespace mingshu::readings
