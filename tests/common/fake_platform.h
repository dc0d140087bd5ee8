// A platform for tests: records messages, beeps, opened addresses and settings; answers questions as told.
#pragma once

#include "common/platform.h"

#include <map>
#include <string>
#include <vector>

namespace mingshu::testing {

class RecordingPlatform : public Platform {
public:
    RecordingPlatform() { InstallPlatform(this); }
    ~RecordingPlatform() override { InstallPlatform(nullptr); }

    void showInfo(const std::string &text) override { messages.push_back(text); }
    void showError(const std::string &text) override { errors.push_back(text); }
    bool askYesNo(const std::string &text) override {
        questions.push_back(text);
        return answer;
    }
    void beep() override { ++beeps; }
    std::string programDirectory() override { return program_directory; }
    std::chrono::year_month_day today() override { return today_date; }
    void openUrl(const std::string &url) override { opened.push_back(url); }
    std::string readSetting(const std::string &key) override {
        auto it = settings.find(key);
        return it == settings.end() ? std::string() : it->second;
    }
    void writeSetting(const std::string &key, const std::string &value) override { settings[key] = value; }

    std::vector<std::string> messages;
    std::vector<std::string> errors;
    std::vector<std::string> questions;
    std::vector<std::string> opened;
    std::map<std::string, std::string> settings;
    int beeps = 0;
    bool answer = true;
    std::string program_directory = std::string(MINGSHU_BIN_DIR_FOR_TESTS) + "/";
    std::chrono::year_month_day today_date{std::chrono::year{2026}, std::chrono::month{12}, std::chrono::day{11}};
};

} // namespace mingshu::testing
