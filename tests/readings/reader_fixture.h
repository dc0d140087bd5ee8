// The small content databases of the reader tests, and an empty folder where no database can be found.
#pragma once

#include "common/fake_platform.h"

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

struct FixturePlatform : mingshu::testing::RecordingPlatform {
    FixturePlatform() { program_directory = std::string(MINGSHU_FIXTURE_DIR) + "/"; }
};

struct EmptyFolder {
    std::string path;
    EmptyFolder() {
        char name[] = "/tmp/mingshu-readers-XXXXXX";
        path = mkdtemp(name);
    }
    ~EmptyFolder() { std::filesystem::remove_all(path); }
};

} // namespace
