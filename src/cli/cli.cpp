// Shared parts of the command line: registry, output encoding, dates, batch mode and options.
#include "cli/cli.h"

#include "common/codec.h"
#include "common/text.h"

#include <iostream>

namespace mingshu::cli {

std::map<std::string, Subcommand> &Subcommands() {
    static std::map<std::string, Subcommand> table;
    return table;
}

Registrar::Registrar(const std::string &name, const std::string &usage, Handler run) {
    Subcommands()[name] = Subcommand{usage, std::move(run)};
}

void WriteLine(Context &ctx, const std::string &line) {
    if (!ctx.gbk) {
        ctx.out << line << '\n';
        return;
    }
    // A value of several lines keeps CR LF between its lines too.
    for (const auto &part : SplitLines(line + "\n"))
        ctx.out << ToGbk(part) << "\r\n";
}

void WriteError(Context &ctx, const std::string &message) {
    ctx.err << message << '\n';
}

std::chrono::year_month_day ParseDate(const std::string &text) {
    long long parts[3] = {0, 0, 0};
    std::size_t start = 0;
    for (int i = 0; i < 3; ++i) {
        std::size_t dash = i < 2 ? text.find('-', start) : std::string::npos;
        if (i < 2 && dash == std::string::npos)
            throw Rejected("“" + text + "”不是有效的日期");
        if (!ParseInt(text.substr(start, i < 2 ? dash - start : std::string::npos), parts[i]))
            throw Rejected("“" + text + "”不是有效的日期");
        start = dash + 1;
    }
    std::chrono::year_month_day d{std::chrono::year{static_cast<int>(parts[0])},
                                  std::chrono::month{static_cast<unsigned>(parts[1])},
                                  std::chrono::day{static_cast<unsigned>(parts[2])}};
    if (parts[0] < 1 || parts[0] > 9999 || parts[1] < 1 || parts[1] > 12 || parts[2] < 1 || parts[2] > 31 || !d.ok())
        throw Rejected("“" + text + "”不是有效的日期");
    return d;
}

int ParseNumber(const std::string &text, const std::string &what) {
    long long v = 0;
    if (!ParseInt(text, v) || v < -2147483647LL || v > 2147483647LL)
        throw UsageError(what + " must be a whole number: " + text);
    return static_cast<int>(v);
}

int RunBatch(Context &ctx, const std::vector<std::string> &args,
             const std::function<std::string(const std::string &)> &one) {
    if (args.size() != 1)
        throw UsageError("expects one argument, or - to read arguments from standard input");
    auto handle = [&](const std::string &arg) {
        try {
            WriteLine(ctx, one(arg));
            return true;
        } catch (const Rejected &e) {
            WriteLine(ctx, "");
            WriteError(ctx, e.what());
            return false;
        }
    };
    if (args[0] != "-") {
        try {
            WriteLine(ctx, one(args[0]));
            return kDone;
        } catch (const Rejected &e) {
            WriteError(ctx, e.what());
            return kRejected;
        }
    }
    bool all_good = true;
    std::string line;
    while (std::getline(ctx.in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        all_good = handle(line) && all_good;
    }
    return all_good ? kDone : kRejected;
}

std::map<std::string, std::string> ParseOptions(const std::vector<std::string> &args,
                                                const std::vector<std::string> &known) {
    std::map<std::string, std::string> options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &a = args[i];
        std::string name = a, value;
        bool inline_value = false;
        if (auto eq = a.find('='); a.rfind("--", 0) == 0 && eq != std::string::npos) {
            name = a.substr(0, eq);
            value = a.substr(eq + 1);
            inline_value = true;
        }
        bool ok = false;
        for (const auto &k : known)
            ok = ok || k == name;
        if (!ok)
            throw UsageError("unknown option: " + a);
        if (!inline_value) {
            if (i + 1 >= args.size())
                throw UsageError("option needs a value: " + a);
            value = args[++i];
        }
        options[name] = value;
    }
    return options;
}

} // namespace mingshu::cli
