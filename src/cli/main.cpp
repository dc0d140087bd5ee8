// mingshu-cli: the program's readings from a terminal.
#include "cli/cli.h"

#include "common/errors.h"

#include <iostream>

namespace {

void PrintUsage(std::ostream &err) {
    err << "usage: mingshu-cli [--gbk] SUBCOMMAND ARGUMENTS\n\nsubcommands:\n";
    for (const auto &[name, sub] : mingshu::cli::Subcommands())
        err << "  " << sub.usage << '\n';
}

} // namespace

int main(int argc, char **argv) {
    std::ios::sync_with_stdio(false);
    std::vector<std::string> args(argv + 1, argv + argc);
    mingshu::cli::Context ctx{false, std::cout, std::cerr, std::cin};
    if (!args.empty() && args.front() == "--gbk") {
        ctx.gbk = true;
        args.erase(args.begin());
    }
    if (args.empty() || args.front() == "--help" || args.front() == "-h") {
        PrintUsage(std::cerr);
        return args.empty() ? mingshu::cli::kUsage : mingshu::cli::kDone;
    }
    auto &table = mingshu::cli::Subcommands();
    auto it = table.find(args.front());
    if (it == table.end()) {
        std::cerr << "unknown subcommand: " << args.front() << "\n\n";
        PrintUsage(std::cerr);
        return mingshu::cli::kUsage;
    }
    std::vector<std::string> rest(args.begin() + 1, args.end());
    int status = mingshu::cli::kDone;
    try {
        status = it->second.run(ctx, rest);
    } catch (const mingshu::cli::UsageError &e) {
        std::cerr << e.what() << "\nusage: mingshu-cli " << it->second.usage << '\n';
        status = mingshu::cli::kUsage;
    } catch (const mingshu::cli::Rejected &e) {
        std::cerr << e.what() << '\n';
        status = mingshu::cli::kRejected;
    } catch (const mingshu::SilentAbort &) {
        std::cerr << "无法读取内容数据库\n";
        status = mingshu::cli::kContentUnreadable;
    } catch (const std::exception &e) {
        std::cerr << e.what() << '\n';
        status = mingshu::cli::kRejected;
    }
    std::cout.flush();
    return status;
}
