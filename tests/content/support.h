// Helpers of the content tests: temporary folders, file fingerprints and the fixture databases.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <sstream>
#include <string>

namespace mingshu::testing {

namespace fs = std::filesystem;

inline std::string ReadFile(const fs::path &path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// FNV-1a over the whole file: enough to notice any change of a database file.
inline std::uint64_t Checksum(const fs::path &path) {
    std::uint64_t hash = 1469598103934665603ull;
    for (unsigned char c : ReadFile(path)) {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    return hash;
}

// Every file of a folder with its checksum, so a test can tell that nothing was written, created or removed.
inline std::map<std::string, std::uint64_t> Fingerprint(const fs::path &folder) {
    std::map<std::string, std::uint64_t> files;
    for (const auto &entry : fs::directory_iterator(folder))
        if (entry.is_regular_file())
            files[entry.path().filename().string()] = Checksum(entry.path());
    return files;
}

// A folder under the system's temporary folder, removed again at the end of the test.
class TempDir {
public:
    explicit TempDir(const std::string &name) {
        std::random_device random;
        path_ = fs::temp_directory_path() / ("mingshu-" + std::to_string(random()) + "-" + name);
        fs::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    const fs::path &path() const { return path_; }

private:
    fs::path path_;
};

inline fs::path FixtureDbDir() {
    return CONTENT_FIXTURE_DB_DIR;
}
inline fs::path ProgramDir() {
    return MINGSHU_BIN_DIR;
}

} // namespace mingshu::testing
