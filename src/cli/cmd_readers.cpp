// Subcommands topic and article: a star-sign topic text and an article of the reader window.
#include "cli/cli.h"
#include "common/text.h"
#include "readings/article.h"
#include "readings/star_topics.h"

namespace mingshu::cli {
namespace {

// The text as the report view shows it below the header: its lines, or one empty line when the star sign has none.
int RunTopic(Context &ctx, const std::vector<std::string> &args) {
    if (args.size() != 2)
        throw UsageError("topic TOPIC STARSIGN");
    auto topic = readings::StarTopicOfTable(args[0]);
    if (!topic)
        throw UsageError("TOPIC is one of ndeq aiqing mingren baojian qingxv shiye");
    for (const auto &line : readings::TopicTextLines(readings::StarSignTopicText(args[1], *topic)))
        WriteLine(ctx, line);
    return kDone;
}

// The title, then the body lines; a code the table does not hold gives the reader window's caption alone.
int RunArticle(Context &ctx, const std::vector<std::string> &args) {
    if (args.size() != 1)
        throw UsageError("article CODE");
    auto article = readings::LoadArticle(args[0]);
    WriteLine(ctx, article.title);
    for (const auto &line : article.lines)
        WriteLine(ctx, line);
    return kDone;
}

Registrar topic("topic", "topic TOPIC STARSIGN", RunTopic);
Registrar article("article", "article CODE", RunArticle);

} // namespace
} // namespace mingshu::cli
