// Points the program directory at the small fixture databases built for the reading tests.
#pragma once

#include "common/fake_platform.h"

namespace mingshu::testing {

inline std::string ReadingFixtureDir() {
    return std::string(MINGSHU_READING_FIXTURE_DIR) + "/";
}

struct ReadingFixturePlatform : RecordingPlatform {
    ReadingFixturePlatform() { program_directory = ReadingFixtureDir(); }
};

} // namespace mingshu::testing
