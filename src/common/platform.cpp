// The console platform and the switch between platforms.
#include "common/platform.h"

#include <ctime>
#include <filesystem>
#include <iostream>

namespace mingshu {
namespace {
ConsolePlatform console_platform;
Platform *current = nullptr;
} // namespace

Platform &CurrentPlatform() {
    return current ? *current : console_platform;
}
void InstallPlatform(Platform *platform) {
    current = platform;
}
void ShowInfo(const std::string &text) {
    CurrentPlatform().showInfo(text);
}
std::string GetProgramDirectory() {
    return CurrentPlatform().programDirectory();
}

void ConsolePlatform::showInfo(const std::string &text) {
    std::cerr << text << '\n';
}
void ConsolePlatform::showError(const std::string &text) {
    std::cerr << text << '\n';
}
bool ConsolePlatform::askYesNo(const std::string &) {
    return false;
}
void ConsolePlatform::beep() {}

std::string ConsolePlatform::programDirectory() {
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    std::string dir = ec ? std::filesystem::current_path().string() : exe.parent_path().string();
    if (dir.empty() || dir.back() != '/')
        dir += '/';
    return dir;
}

std::chrono::year_month_day ConsolePlatform::today() {
    std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    return std::chrono::year_month_day{std::chrono::year{local.tm_year + 1900},
                                       std::chrono::month{static_cast<unsigned>(local.tm_mon + 1)},
                                       std::chrono::day{static_cast<unsigned>(local.tm_mday)}};
}

void ConsolePlatform::openUrl(const std::string &) {}
std::string ConsolePlatform::readSetting(const std::string &) {
    return {};
}
void ConsolePlatform::writeSetting(const std::string &, const std::string &) {}

} // namespace mingshu
