// Subcommand almanac: what the perpetual calendar knows about one day.
#include "calendar/almanac.h"
#include "cli/cli.h"

namespace mingshu::cli {
namespace {

// Lunar code, month name, day name, lunar festival, solar term, solar festival, zodiac year, star sign.
// Outside 1901–2050 the lunar fields and the solar term are empty and the code is 0.
std::string AlmanacLine(const std::string &arg) {
    using namespace calendar;
    const auto date = ParseDate(arg);
    const int code = AlmanacLunarDate(date);
    std::string line = std::to_string(code);
    for (const std::string &field :
         {AlmanacMonthNameOfCode(code), AlmanacDayNameOfNumber((code < 0 ? -code : code) % 100),
          AlmanacLunarFestival(date), AlmanacSolarTerm(date), AlmanacSolarFestival(AlmanacDay(date), date),
          AlmanacZodiacYear(date), AlmanacStarSign(date)})
        line += "\t" + field;
    return line;
}

Registrar almanac("almanac", "almanac DATE|-",
                  [](Context &ctx, const std::vector<std::string> &args) { return RunBatch(ctx, args, AlmanacLine); });

} // namespace
} // namespace mingshu::cli
