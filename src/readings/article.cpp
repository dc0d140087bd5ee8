// Articles of the reader window: one row of the Noter table of KelBirth.dll, found by its code.
#include "readings/article.h"

#include "common/text.h"
#include "content/database.h"

namespace mingshu::readings {

Article LoadArticle(const std::string &code) {
    auto row = content::LookupRow(content::BirthDbConnectionString(),
                                  "select Tite,content from Noter where Cid = " + content::QuoteLiteral(code));
    Article article;
    if (!row || row->size() < 2) {
        article.title = kUnknownArticleTitle;
        return article;
    }
    article.found = true;
    article.title = Trim((*row)[0]);
    // Trimming the whole body drops leading blank lines, so the view opens on the first line of text.
    article.lines = SplitLines(Trim((*row)[1]));
    return article;
}

} // namespace mingshu::readings
