// The input bar's texts from command-line options, shared by `birth` and `report`.
#pragma once

#include "app/birth_profile.h"
#include "cli/cli.h"
#include "common/platform.h"
#include "common/text.h"

namespace mingshu::cli {

struct InputBarOptions {
    app::InputBar input;
    int current_year = 0;

    explicit InputBarOptions(const std::vector<std::string> &args) {
        auto o = ParseOptions(
            args, {"--surname", "--given-name", "--sex", "--blood", "--year", "--month", "--day", "--hour", "--today"});
        auto take = [&](const char *name, std::string &field) {
            if (auto it = o.find(name); it != o.end())
                field = it->second;
        };
        take("--surname", input.NameA);
        take("--given-name", input.NameB);
        take("--sex", input.Sex);
        take("--blood", input.Xuxing);
        take("--year", input.SYear);
        take("--month", input.SMonth);
        take("--day", input.Sday);
        take("--hour", input.Shour);
        // A bare hour number 0–23 stands for its item ("5" is "卯 5").
        long long h = 0;
        if (ParseInt(input.Shour, h) && h >= 0 && h <= 23)
            input.Shour = app::HourItem(static_cast<int>(h));
        current_year = static_cast<int>(CurrentPlatform().today().year());
        if (auto it = o.find("--today"); it != o.end())
            current_year = static_cast<int>(ParseDate(it->second).year());
    }
};

} // namespace mingshu::cli
