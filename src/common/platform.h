// Services of the machine that commands use and tests must not trigger for real:
// message boxes, questions, the beep, the clock, the shell, settings and the program directory.
#pragma once

#include <chrono>
#include <string>

namespace mingshu {

class Platform {
public:
    virtual ~Platform() = default;
    // Modal message box: caption "提示", information icon, one OK button.
    virtual void showInfo(const std::string &text) = 0;
    // The general error handler's box for a failure that escaped a command.
    virtual void showError(const std::string &text) = 0;
    // Modal question with the buttons 是 and 否; true for 是.
    virtual bool askYesNo(const std::string &text) = 0;
    virtual void beep() = 0;
    // Folder of the running executable, ending in the path separator.
    virtual std::string programDirectory() = 0;
    // The machine's current local date.
    virtual std::chrono::year_month_day today() = 0;
    // Opens a document, address or mail link with the desktop's default handler.
    virtual void openUrl(const std::string &url) = 0;
    // Per-user settings (the registry on Windows, a settings file elsewhere).
    virtual std::string readSetting(const std::string &key) = 0;
    virtual void writeSetting(const std::string &key, const std::string &value) = 0;
};

// The platform in force; a console implementation until a window program or a test installs its own.
Platform &CurrentPlatform();
// Installs a platform (not owned); nullptr restores the console implementation.
void InstallPlatform(Platform *platform);

// Shorthands used throughout the program.
void ShowInfo(const std::string &text);
std::string GetProgramDirectory();

// The console implementation, also the base of the window program's own.
class ConsolePlatform : public Platform {
public:
    void showInfo(const std::string &text) override;
    void showError(const std::string &text) override;
    bool askYesNo(const std::string &text) override;
    void beep() override;
    std::string programDirectory() override;
    std::chrono::year_month_day today() override;
    void openUrl(const std::string &url) override;
    std::string readSetting(const std::string &key) override;
    void writeSetting(const std::string &key, const std::string &value) override;
};

} // namespace mingshu
