// Subcommands number, mobile, nickname and boneweight: the readings of the number and name windows.
#include "cli/cli.h"
#include "common/text.h"
#include "content/database.h"
#include "numerology/eighty_one.h"
#include "numerology/mobile.h"
#include "numerology/nickname.h"
#include "readings/bone_weight.h"

#include <algorithm>

namespace mingshu::cli {
namespace {

namespace num = numerology;

std::string NumberLine(const std::string &arg) {
    const std::string number = Trim(arg);
    if (number.empty())
        throw Rejected(std::string(num::kNumberEmptyMessage));
    try {
        return num::GetNumberReading(number);
    } catch (const num::NumberFormatError &e) {
        throw Rejected(e.what());
    }
}

Registrar number("number", "number N|-",
                 [](Context &ctx, const std::vector<std::string> &args) { return RunBatch(ctx, args, NumberLine); });

Registrar mobile("mobile", "mobile NUMBER", [](Context &ctx, const std::vector<std::string> &args) {
    if (args.size() != 1)
        throw UsageError("mobile takes one number");
    const std::string number = Trim(args[0]);
    if (const std::string message = num::CheckMobileNumber(number); !message.empty())
        throw Rejected(message);
    std::string key;
    try {
        key = num::shoujiinfostr(number);
    } catch (const num::NumberFormatError &e) {
        throw Rejected(e.what());
    }
    const num::MobileReading reading = num::LookupMobileReading(content::DreamDbConnectionString(), key);
    WriteLine(ctx, key + "\t" + reading.title + "\t" + reading.jx + "\t" + reading.content);
    return kDone;
});

std::string NicknameLine(const std::string &arg) {
    const std::string nickname = Trim(arg);
    if (nickname.empty())
        throw Rejected(std::string(num::kNicknameEmptyMessage));
    try {
        return num::OnlineNameLetters(nickname) + "\t" + Trim(num::GetOnlineNameTrait(nickname));
    } catch (const num::SpecialCharacterError &e) {
        throw Rejected(e.what());
    }
}

Registrar nickname("nickname", "nickname NAME|-", [](Context &ctx, const std::vector<std::string> &args) {
    return RunBatch(ctx, args, NicknameLine);
});

// The window offers only its items; anything else is refused the way the window would refuse an empty year.
template <typename Items> void RequireItem(const std::string &value, const Items &items, const std::string &what) {
    if (std::find(items.begin(), items.end(), value) == items.end())
        throw Rejected("“" + value + "”不是" + what + "的选项");
}

Registrar
    boneweight("boneweight", "boneweight YEAR MONTH DAY HOUR", [](Context &ctx, const std::vector<std::string> &args) {
        if (args.size() != 4)
            throw UsageError("boneweight takes four arguments");
        std::vector<std::string> parts;
        for (const auto &a : args)
            parts.push_back(Trim(a));
        if (parts[0].empty())
            throw Rejected(std::string(readings::kBoneWeightYearMessage));
        RequireItem(parts[0], readings::BoneWeightYears(), "年");
        RequireItem(parts[1], readings::kLunarMonthItems, "月");
        RequireItem(parts[2], readings::kLunarDayItems, "日");
        RequireItem(parts[3], readings::BoneWeightHours(), "时");
        content::Query query(content::DreamDbConnectionString());
        const readings::BoneWeight weight = readings::GetpeoleGzmun(query, parts[0], parts[1], parts[2], parts[3]);
        WriteLine(ctx, weight.weight_line.value_or(std::string()) + "\t" + weight.reading.value_or(std::string()));
        return kDone;
    });

} // namespace
} // namespace mingshu::cli
