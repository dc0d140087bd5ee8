// mingshu-cli: subcommands register themselves; helpers for output, dates, batch mode and options.
#pragma once

#include <chrono>
#include <functional>
#include <iosfwd>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace mingshu::cli {

// Exit statuses.
constexpr int kDone = 0;
constexpr int kRejected = 1;
constexpr int kUsage = 2;
constexpr int kContentUnreadable = 3;

// An input the program rejects; the message goes to standard error and the status is 1.
class Rejected : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
// A call whose words are off; the usage text goes to standard error and the status is 2.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Context {
    bool gbk = false;
    std::ostream &out;
    std::ostream &err;
    std::istream &in;
};

using Handler = std::function<int(Context &, const std::vector<std::string> &args)>;

struct Subcommand {
    std::string usage;
    Handler run;
};

std::map<std::string, Subcommand> &Subcommands();

// Registers a subcommand at start-up: `static Registrar r("lunar", "lunar DATE|-", RunLunar);`
struct Registrar {
    Registrar(const std::string &name, const std::string &usage, Handler run);
};

// Writes one line (or several joined by \n): UTF-8 with LF, or GBK with CR LF under --gbk.
void WriteLine(Context &ctx, const std::string &line);
// Writes a message line to standard error.
void WriteError(Context &ctx, const std::string &message);

// Reads DATE as Y-M-D with optional leading zeros; throws Rejected for a text that is no date.
std::chrono::year_month_day ParseDate(const std::string &text);
// Reads a whole decimal integer; throws UsageError naming `what` otherwise.
int ParseNumber(const std::string &text, const std::string &what);

// A batch subcommand: with `-` as its one argument, every line of standard input is handled by `one`, which
// returns the output line or throws Rejected; a rejected line prints an empty line and its message, and the run
// ends with status 1. Otherwise the one argument is handled the same way.
int RunBatch(Context &ctx, const std::vector<std::string> &args,
             const std::function<std::string(const std::string &)> &one);

// Parses "--name value" options into a map; throws UsageError for an unknown option or a missing value.
std::map<std::string, std::string> ParseOptions(const std::vector<std::string> &args,
                                                const std::vector<std::string> &known);

} // namespace mingshu::cli
