// The three content databases and the lookup convention every reading follows.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace mingshu::content {

// "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + program directory + separator + file name +
// ";Persist Security Info=True", evaluated anew at each call.
std::string DreamDbConnectionString(); // dream.dll
std::string FileDbConnectionString();  // KelFile.dll
std::string BirthDbConnectionString(); // KelBirth.dll

// The data source path inside a connection string: everything between "Data Source=" and the trailing
// ";Persist Security Info=True", so a path holding ";" comes back whole.
std::string DataSourceOf(const std::string &connection_string);

// A key as a quoted literal: enclosed in single quotes, inner single quotes doubled.
std::string QuoteLiteral(const std::string &key);

// One query: opened on a database from its connection string, read-only. Any failure to open the file or to
// run the statement throws SilentAbort.
class Query {
public:
    Query();
    explicit Query(const std::string &connection_string);
    ~Query();
    Query(const Query &) = delete;
    Query &operator=(const Query &) = delete;

    void SetConnectionString(const std::string &connection_string);
    // Closes any earlier answer, sets the statement and runs it, holding the answer rows.
    void Open(const std::string &statement);
    // No rows in the answer.
    bool IsEmpty() const;
    // The cursor stands past the last row (true for an empty answer).
    bool Eof() const;
    // A column of the current row by its position in the select list, trimmed of blanks and control characters.
    std::string Text(int column) const;
    double Number(int column) const;
    void Next();
    void Close();

private:
    struct Impl;
    Impl *impl_;
};

// Runs statement on the database and returns the first row's columns as trimmed texts, or nothing when the answer
// is empty. Opens and closes its own connection. Throws SilentAbort on any database failure.
std::optional<std::vector<std::string>> LookupRow(const std::string &connection_string, const std::string &statement);

// Stored-text descrambler: hex pairs → bytes, then `rounds` forward and backward passes with the key's high and
// low bytes; the bytes are GBK and come back as UTF-8. A pair that is not hexadecimal beeps once and is skipped.
std::string DescrambleText(const std::string &stored, std::uint16_t key, int rounds);
std::string HexToBytes(const std::string &text);
// The inverse of DescrambleText, for the database builder: UTF-8 text → GBK → scrambled → upper-case hex.
std::string ScrambleText(const std::string &text, std::uint16_t key, int rounds);
// The passes alone, on raw bytes (GBK in, GBK out): DescrambleText = DescrambleBytes(HexToBytes(stored)) as UTF-8.
std::string DescrambleBytes(std::string bytes, std::uint16_t key, int rounds);
std::string ScrambleBytes(std::string bytes, std::uint16_t key, int rounds);

constexpr std::uint16_t kScrambleKey = 4739;
constexpr int kScrambleRounds = 7;

} // namespace mingshu::content
