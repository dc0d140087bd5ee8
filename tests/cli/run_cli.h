// Runs build/bin/mingshu-cli with arguments and standard input, capturing output and status.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace mingshu::testing {

struct CliResult {
    std::string out, err;
    int status = -1;
};

inline std::string ShellQuote(const std::string &s) {
    std::string q = "'";
    for (char c : s)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

inline std::string Slurp(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

// `args` are passed through the shell, each quoted; `input` is fed to standard input.
inline CliResult RunCli(const std::vector<std::string> &args, const std::string &input = "") {
    char dir_template[] = "/tmp/mingshu-cli-XXXXXX";
    std::string dir = mkdtemp(dir_template);
    { std::ofstream(dir + "/in", std::ios::binary) << input; }
    std::string cmd = ShellQuote(std::string(MINGSHU_BIN_DIR) + "/mingshu-cli");
    for (const auto &a : args)
        cmd += " " + ShellQuote(a);
    cmd += " <" + dir + "/in >" + dir + "/out 2>" + dir + "/err";
    CliResult r;
    int rc = std::system(cmd.c_str());
    r.status = WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
    r.out = Slurp(dir + "/out");
    r.err = Slurp(dir + "/err");
    std::system(("rm -rf " + ShellQuote(dir)).c_str());
    return r;
}

} // namespace mingshu::testing
