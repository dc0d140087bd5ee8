// Subcommands lunar, starsign, chart and birth.
#include "app/birth_profile.h"
#include "calendar/lunar.h"
#include "calendar/starsign.h"
#include "chart/birth_chart.h"
#include "cli/cli.h"
#include "cli/input_bar_options.h"
#include "common/codec.h"

namespace mingshu::cli {
namespace {

std::string LunarLine(const std::string &arg) {
    auto date = ParseDate(arg);
    auto l = calendar::SolarToLunar(date);
    std::string fields = std::to_string(l.Year) + " " + std::to_string(l.Month) + " " + std::to_string(l.Day) + " " +
                         (l.IsLeap ? "1" : "0");
    if (l.Year == 0)
        return fields + "\t\t";
    std::string year_name = calendar::GanZhiYearName(l.Year - 1864);
    std::string text = year_name + calendar::LunarMonthName(l.Month, l.IsLeap) + calendar::LunarDayName(l.Day);
    std::string animal = FromGbk(ToGbk(year_name).substr(5, 2));
    return fields + "\t" + text + "\t" + animal;
}

Registrar lunar("lunar", "lunar DATE|-",
                [](Context &ctx, const std::vector<std::string> &args) { return RunBatch(ctx, args, LunarLine); });

Registrar starsign("starsign", "starsign DATE|-", [](Context &ctx, const std::vector<std::string> &args) {
    return RunBatch(ctx, args, [](const std::string &arg) { return calendar::GetStarSign(ParseDate(arg)); });
});

Registrar chart("chart", "chart YEAR MONTH DAY HOUR SEX", [](Context &ctx, const std::vector<std::string> &args) {
    if (args.size() != 5)
        throw UsageError("chart takes five arguments");
    auto lines = chart::ComputeChartLines(ParseNumber(args[0], "YEAR"), ParseNumber(args[1], "MONTH"),
                                          ParseNumber(args[2], "DAY"), ParseNumber(args[3], "HOUR"), args[4]);
    if (!lines)
        throw Rejected("请检查输入数据是否出错！");
    WriteLine(ctx, lines->chart);
    WriteLine(ctx, lines->luck);
    return kDone;
});

Registrar birth("birth",
                "birth --surname S --given-name G [--sex 男] [--blood A型] [--year Y] [--month M] [--day D] "
                "[--hour H] [--today DATE]",
                [](Context &ctx, const std::vector<std::string> &args) {
                    InputBarOptions options(args);
                    app::BirthProfile profile;
                    app::LineReport report;
                    if (!app::WriteBirthSection(options.input, profile, report, options.current_year))
                        return kRejected;
                    for (const auto &line : report.lines())
                        WriteLine(ctx, line);
                    return kDone;
                });

} // namespace
} // namespace mingshu::cli
