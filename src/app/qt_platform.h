// The window program's platform: Qt message boxes, beep, clock, desktop services and settings.
#pragma once

#include "common/platform.h"

class QWidget;

namespace mingshu::app {

class QtPlatform : public ConsolePlatform {
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

// The font family list used for every window: a Song face first, then the CJK faces Debian ships.
void ApplyApplicationFont();
// Loads Qt's Chinese translations so the standard dialogs speak Chinese.
void InstallChineseTranslations();

} // namespace mingshu::app
