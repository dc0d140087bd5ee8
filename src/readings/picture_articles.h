// Picture articles: the pages of an article (an SVG picture and a text each) from the tuwen table of KelFile.dll.
#pragma once

#include <string>
#include <vector>

namespace mingshu::readings {

// The viewer has fifteen pages; an article never shows more.
constexpr int kMaxPicturePages = 15;

struct PicturePage {
    std::string picture; // SVG document, empty when the page has none
    std::string text;
};

struct PictureArticle {
    int article = 0;
    // Pages 1..P at positions 0..P-1. P is at least 1: an article the table does not hold gets one empty page, so
    // "最末" always has a page to show.
    std::vector<PicturePage> pages;
    int pageCount() const { return static_cast<int>(pages.size()); }
};

// Reads every stored page of an article. Pages are placed by their number; P is the highest page number present
// (at most 15), and a number missing below it leaves that page empty. Rows whose page is not a number 1–15 are
// ignored. Throws SilentAbort when the database cannot be read.
PictureArticle LoadPictureArticle(int article);

} // namespace mingshu::readings
