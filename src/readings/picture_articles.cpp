// Picture articles: the pages of an article (an SVG picture and a text each) from the tuwen table of KelFile.dll.
#include "readings/picture_articles.h"

#include "common/text.h"
#include "content/database.h"

#include <algorithm>

namespace mingshu::readings {

PictureArticle LoadPictureArticle(int article) {
    content::Query query(content::FileDbConnectionString());
    query.Open("select page, picture, content from tuwen where article = " +
               content::QuoteLiteral(std::to_string(article)));
    PictureArticle result;
    result.article = article;
    std::vector<PicturePage> slots(kMaxPicturePages);
    std::vector<bool> filled(kMaxPicturePages, false);
    int highest = 0;
    for (; !query.Eof(); query.Next()) {
        long long page = 0;
        if (!ParseInt(query.Text(0), page) || page < 1 || page > kMaxPicturePages)
            continue;
        auto index = static_cast<std::size_t>(page - 1);
        // The first row of a page answers, as in every other lookup.
        if (filled[index])
            continue;
        filled[index] = true;
        auto &slot = slots[index];
        slot.picture = query.Text(1);
        slot.text = query.Text(2);
        highest = std::max(highest, static_cast<int>(page));
    }
    slots.resize(static_cast<std::size_t>(std::max(highest, 1)));
    result.pages = std::move(slots);
    return result;
}

} // namespace mingshu::readings
