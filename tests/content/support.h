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

// The three database files of a folder with their checksums.
inline std::map<std::string, std::uint64_t> DatabaseFingerprint(const fs::path &folder) {
    std::map<std::string, std::uint64_t> files;
    for (const char *file : {"dream.dll", "KelFile.dll", "KelBirth.dll"})
        files[file] = Checksum(folder / file);
    return files;
}

// Base of the tests that read the fixture or the built databases: at the end of each test the files must be
// byte for byte what they were, and the fixture folder must hold no new file (a journal, a created database).
class DatabasesUnchanged : public ::testing::Test {
protected:
    void SetUp() override {
        fixture_before_ = Fingerprint(FixtureDbDir());
        program_before_ = DatabaseFingerprint(ProgramDir());
    }
    void TearDown() override {
        EXPECT_EQ(Fingerprint(FixtureDbDir()), fixture_before_) << "a fixture database changed";
        EXPECT_EQ(DatabaseFingerprint(ProgramDir()), program_before_) << "a built database changed";
    }

private:
    std::map<std::string, std::uint64_t> fixture_before_, program_before_;
};

} // namespace mingshu::testing
