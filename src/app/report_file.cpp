// Report files and the save dialog's file-name rules.
#include "app/report_file.h"

#include "common/codec.h"
#include "common/errors.h"
#include "common/text.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace mingshu::app {

std::string EncodeReport(const std::vector<std::string> &lines) {
    std::string bytes;
    for (const auto &l : lines) {
        bytes += ToGbk(l);
        bytes += "\r\n";
    }
    return bytes;
}

std::vector<std::string> DecodeReport(const std::string &bytes) {
    std::vector<std::string> lines;
    std::string current;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        char c = bytes[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(FromGbk(current));
            current.clear();
            if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
                ++i;
        } else {
            current += c;
        }
    }
    if (!current.empty())
        lines.push_back(FromGbk(current));
    return lines;
}

bool ReportIsEmpty(const std::vector<std::string> &lines) {
    for (const auto &l : lines)
        if (!Trim(l).empty())
            return false;
    return true;
}

std::string ProposedFileName(const std::string &profile_name, const std::string &last_name) {
    std::string name = profile_name.empty() ? last_name : Trim(profile_name);
    if (name.find_first_of("*/<>?\\|") != std::string::npos)
        return "*.txt";
    return name;
}

std::string SaveTarget(const std::string &chosen) {
    if (chosen.size() >= 4) {
        std::string tail = chosen.substr(chosen.size() - 4);
        for (auto &c : tail)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (tail == ".txt")
            return chosen;
    }
    return chosen + ".txt";
}

void WriteReportFile(const std::string &path, const std::vector<std::string> &lines) {
    std::string bytes;
    try {
        bytes = EncodeReport(lines);
    } catch (const EncodingError &) {
        throw CommandError("测算结果没有保存：报告中有无法以GBK编码保存的文字。");
    }
    namespace fs = std::filesystem;
    fs::path target(path);
    fs::path dir = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    std::string temp_template = (dir / (".mingshu-save-XXXXXX")).string();
    int fd = mkstemp(temp_template.data());
    if (fd < 0)
        throw CommandError("测算结果没有保存：无法在“" + dir.string() + "”中写入文件（" + std::strerror(errno) +
                           "）。");
    const char *p = bytes.data();
    std::size_t left = bytes.size();
    int error = 0;
    while (left > 0) {
        ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            error = errno;
            break;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    if (!error && ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && !error)
        error = errno;
    if (!error) {
        // Keep the permissions an existing file had; a new file gets the usual ones.
        struct stat st {};
        mode_t mode = ::stat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0644;
        ::chmod(temp_template.c_str(), mode);
        if (std::rename(temp_template.c_str(), path.c_str()) != 0)
            error = errno;
    }
    if (error) {
        std::remove(temp_template.c_str());
        throw CommandError("测算结果没有保存：无法写入“" + path + "”（" + std::strerror(error) + "）。");
    }
}

std::vector<std::string> ReadReportFile(const std::string &path) {
    std::FILE *f = std::fopen(path.c_str(), "rb");
    if (!f)
        throw CommandError("无法打开记录文件“" + path + "”（" + std::strerror(errno) + "）。");
    std::string bytes;
    char buffer[65536];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0)
        bytes.append(buffer, n);
    bool failed = std::ferror(f);
    std::fclose(f);
    if (failed)
        throw CommandError("无法读取记录文件“" + path + "”。");
    return DecodeReport(bytes);
}

} // namespace mingshu::app
