// Reader of the content sources in data/: UTF-8 TSV files with a header line and \n, \t, \\ escapes.
#pragma once

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace mingshu::content {

struct TsvTable {
    std::vector<std::string> columns;
    std::vector<std::vector<std::string>> rows;

    // Position of a column by name, or -1.
    int column(const std::string &name) const {
        for (std::size_t i = 0; i < columns.size(); ++i)
            if (columns[i] == name)
                return static_cast<int>(i);
        return -1;
    }
};

inline std::string UnescapeTsvField(const std::string &field) {
    std::string out;
    out.reserve(field.size());
    for (std::size_t i = 0; i < field.size(); ++i) {
        char c = field[i];
        if (c == '\\' && i + 1 < field.size()) {
            char n = field[i + 1];
            if (n == 'n' || n == 't' || n == '\\') {
                out += n == 'n' ? '\n' : n == 't' ? '\t' : '\\';
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

inline std::vector<std::string> SplitTsvLine(const std::string &line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        std::size_t tab = line.find('\t', start);
        fields.push_back(
            UnescapeTsvField(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start)));
        if (tab == std::string::npos)
            break;
        start = tab + 1;
    }
    return fields;
}

// Reads a whole table. Throws std::runtime_error when the file cannot be read or a row has the wrong
// number of fields. `@file:` references are returned as written; the caller resolves them.
inline TsvTable ReadTsv(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    TsvTable table;
    std::string line;
    bool header = true;
    int line_no = 0;
    while (std::getline(in, line)) {
        ++line_no;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (header) {
            if (line.rfind("\xEF\xBB\xBF", 0) == 0)
                line.erase(0, 3);
            table.columns = SplitTsvLine(line);
            header = false;
            continue;
        }
        if (line.empty())
            continue;
        auto fields = SplitTsvLine(line);
        if (fields.size() != table.columns.size())
            throw std::runtime_error(path + ":" + std::to_string(line_no) + ": expected " +
                                     std::to_string(table.columns.size()) + " fields, found " +
                                     std::to_string(fields.size()));
        table.rows.push_back(std::move(fields));
    }
    return table;
}

// Number of Unicode characters of a UTF-8 text.
inline std::size_t Utf8Length(const std::string &s) {
    std::size_t n = 0;
    for (unsigned char c : s)
        if ((c & 0xC0) != 0x80)
            ++n;
    return n;
}

} // namespace mingshu::content
