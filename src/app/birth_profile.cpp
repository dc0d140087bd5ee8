// Birth profile and the birth-information block at the head of every report.
#include "app/birth_profile.h"

#include "calendar/lunar.h"
#include "calendar/starsign.h"
#include "chart/birth_chart.h"
#include "common/codec.h"
#include "common/errors.h"
#include "common/platform.h"
#include "common/text.h"

#include <array>
#include <cstdio>

namespace mingshu::app {
namespace {

int ToInt(const std::string &text) {
    long long v = 0;
    if (!ParseInt(Trim(text), v) || v < -2147483647LL || v > 2147483647LL)
        throw CommandError("“" + text + "”不是有效的整数");
    return static_cast<int>(v);
}

// Reads "Y-M-D" as a calendar date or throws with a message naming the text.
std::chrono::year_month_day ParseDate(const std::string &text) {
    auto fail = [&]() -> CommandError { return CommandError("“" + text + "”不是有效的日期"); };
    std::array<long long, 3> parts{};
    std::size_t start = 0;
    for (int i = 0; i < 3; ++i) {
        std::size_t dash = i < 2 ? text.find('-', start) : std::string::npos;
        if (i < 2 && dash == std::string::npos)
            throw fail();
        std::string part = text.substr(start, i < 2 ? dash - start : std::string::npos);
        if (!ParseInt(part, parts[i]))
            throw fail();
        start = dash + 1;
    }
    if (parts[0] < 1 || parts[0] > 9999 || parts[1] < 1 || parts[1] > 12 || parts[2] < 1 || parts[2] > 31)
        throw fail();
    std::chrono::year_month_day d{std::chrono::year{static_cast<int>(parts[0])},
                                  std::chrono::month{static_cast<unsigned>(parts[1])},
                                  std::chrono::day{static_cast<unsigned>(parts[2])}};
    if (!d.ok())
        throw fail();
    return d;
}

// Bytes of the GBK form of a text, counted from 1 like the hour rules do.
std::string GbkCopy(const std::string &utf8, std::size_t from, std::size_t count) {
    std::string gbk = ToGbk(utf8);
    if (from - 1 >= gbk.size())
        return {};
    return FromGbk(gbk.substr(from - 1, count));
}

std::string TwoDigits(unsigned v) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02u", v);
    return buf;
}

} // namespace

const std::string &HourItem(int hour) {
    static const std::array<std::string, 24> items = {
        "子 0",  "丑 1",  "丑 2",  "寅 3",  "寅 4",  "卯 5",  "卯 6",  "辰 7",  "辰 8",  "巳 9",  "巳 10", "午 11",
        "午 12", "未 13", "未 14", "申 15", "申 16", "酉 17", "酉 18", "戌 19", "戌 20", "亥 21", "亥 22", "子 23"};
    return items.at(static_cast<std::size_t>(hour));
}

bool ReadBirthProfile(const InputBar &input, BirthProfile &profile) {
    struct Check {
        const std::string &text;
        std::string &field;
        const char *message;
    };
    // An empty given name names its own field; the older message said "姓" for both.
    const std::array<Check, 7> checks = {{
        {input.NameA, profile.Surname, "姓不能为空!"},
        {input.NameB, profile.GivenName, "名不能为空!"},
        {input.Xuxing, profile.BloodType, "血型不能为空!"},
        {input.SYear, profile.BirthYear, "请选择出生年!"},
        {input.SMonth, profile.BirthMonth, "请选择出生月!"},
        {input.Sday, profile.BirthDay, "请选择出生日!"},
        {input.Shour, profile.BirthHour, "请选择出生小时!"},
    }};
    for (const auto &check : checks) {
        std::string value = Trim(check.text);
        if (value.empty()) {
            ShowInfo(check.message);
            return false;
        }
        check.field = value;
    }

    std::string date_text = profile.BirthYear + "-" + profile.BirthMonth + "-" + profile.BirthDay;
    auto date = ParseDate(date_text);
    // The date text is stored without leading zeros, as the user would write it.
    date_text = std::to_string(static_cast<int>(date.year())) + "-" +
                std::to_string(static_cast<unsigned>(date.month())) + "-" +
                std::to_string(static_cast<unsigned>(date.day()));

    auto lunar = calendar::SolarToLunar(date);
    std::string year_name = calendar::GanZhiYearName(lunar.Year - 1864);
    profile.BirthDateText = date_text;
    if (lunar.Year == 0) {
        profile.LunarText.clear();
        profile.ZodiacAnimal.clear();
    } else {
        profile.LunarText =
            year_name + calendar::LunarMonthName(lunar.Month, lunar.IsLeap) + calendar::LunarDayName(lunar.Day);
        // The year name is stem, branch, "(", animal, "年)": the animal is the fourth character.
        profile.ZodiacAnimal = GbkCopy(year_name, 6, 2);
    }
    profile.StarSign = calendar::GetStarSign(date);
    return true;
}

bool StoreNames(const InputBar &input, BirthProfile &profile) {
    std::string surname = Trim(input.NameA);
    if (surname.empty()) {
        ShowInfo("姓不能为空!");
        return false;
    }
    profile.Surname = surname;
    std::string given = Trim(input.NameB);
    if (given.empty()) {
        ShowInfo("名不能为空!");
        return false;
    }
    profile.GivenName = given;
    return true;
}

bool WriteBirthSection(const InputBar &input, BirthProfile &profile, ReportView &report, int current_year) {
    if (!ReadBirthProfile(input, profile))
        return false;
    try {
        report.clear();
        report.append("姓名：" + Trim(input.NameA) + Trim(input.NameB));
        report.append("性别：" + Trim(input.Sex));
        int birth_year = ToInt(profile.BirthDateText.substr(0, 4));
        report.append("年龄：" + std::to_string(current_year - birth_year) + "岁");
        auto date = ParseDate(profile.BirthDateText);
        char year_text[16];
        std::snprintf(year_text, sizeof year_text, "%04d", static_cast<int>(date.year()));
        report.append(
            "生日（公历）：" + std::string(year_text) + "年" + TwoDigits(static_cast<unsigned>(date.month())) + "月" +
            TwoDigits(static_cast<unsigned>(date.day())) + "日" + Trim(GbkCopy(profile.BirthHour, 4, 2)) + "点");
        report.append("生日（农历）：" + Trim(profile.LunarText));
        report.append("生肖：" + profile.ZodiacAnimal);
        report.append("星座：" + profile.StarSign);
        report.append("血型：" + Trim(input.Xuxing));
        report.append("");
        int hour = ToInt(Trim(GbkCopy(profile.BirthHour, 3, 10)));
        chart::ComputeBirthChart(ToInt(profile.BirthYear), ToInt(profile.BirthMonth), ToInt(profile.BirthDay), hour,
                                 Trim(input.Sex));
        report.append(chart::ChartLine());
        report.append(chart::LuckLine());
    } catch (...) {
        // The block ends quietly; what was written stays and the caller goes on.
    }
    return true;
}

} // namespace mingshu::app
