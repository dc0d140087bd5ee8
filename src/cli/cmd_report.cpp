// Subcommands strokes, grids and report.
#include "app/combined_report.h"
#include "cli/cli.h"
#include "cli/input_bar_options.h"
#include "common/codec.h"
#include "common/errors.h"
#include "numerology/name_grids.h"

namespace mingshu::cli {
namespace {

// The characters of a text, one UTF-8 string each.
std::vector<std::string> Characters(const std::string &text) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < text.size();) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        std::size_t n = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        out.push_back(text.substr(i, n));
        i += n;
    }
    return out;
}

Registrar strokes("strokes", "strokes TEXT|-", [](Context &ctx, const std::vector<std::string> &args) {
    return RunBatch(ctx, args, [](const std::string &text) {
        std::string out;
        for (const auto &c : Characters(text)) {
            if (!out.empty())
                out += '\n';
            out += c + "\t" + std::to_string(numerology::GetStrokeCount(c));
        }
        return out;
    });
});

Registrar grids("grids", "grids SURNAME GIVEN", [](Context &ctx, const std::vector<std::string> &args) {
    if (args.size() != 2)
        throw UsageError("grids takes a surname and a given name");
    if (!IsGbkEncodable(args[0]) || !IsGbkEncodable(args[1]))
        throw Rejected("姓名中有无法识别的字符");
    using numerology::GridKind;
    int n[5];
    for (int g = 0; g < 5; ++g)
        n[g] = numerology::GetGridNumber(args[0], args[1], static_cast<GridKind>(g));
    WriteLine(ctx, std::to_string(n[0]) + " " + std::to_string(n[1]) + " " + std::to_string(n[2]) + " " +
                       std::to_string(n[3]) + " " + std::to_string(n[4]) + "\t" +
                       numerology::GetThreeTalents(n[0], n[2], n[1]));
    return kDone;
});

Registrar report("report",
                 "report --surname S --given-name G [--sex 男] [--blood A型] [--year Y] [--month M] "
                 "[--day D] [--hour H] [--today DATE]",
                 [](Context &ctx, const std::vector<std::string> &args) {
                     InputBarOptions options(args);
                     app::BirthProfile profile;
                     app::LineReport lines;
                     content::Query query(content::FileDbConnectionString());
                     int status = kDone;
                     try {
                         if (!app::RunCombinedReport(options.input, profile, lines, query, options.current_year))
                             return kRejected;
                     } catch (const SilentAbort &) {
                         // The window keeps what was written; so does the terminal, and then says why it stopped.
                         status = kContentUnreadable;
                     }
                     for (const auto &line : lines.lines())
                         WriteLine(ctx, line);
                     if (status == kContentUnreadable)
                         WriteError(ctx, "无法读取内容数据库 KelFile.dll");
                     return status;
                 });

} // namespace
} // namespace mingshu::cli
