// SQLite behind the lookup convention, the connection strings, and the stored-text scrambler.
#include "content/database.h"

#include "common/codec.h"
#include "common/errors.h"
#include "common/platform.h"
#include "common/text.h"

#include <sqlite3.h>

#include <cctype>
#include <charconv>
#include <filesystem>

namespace mingshu::content {
namespace {

const char kProviderPrefix[] = "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=";
const char kDataSourceKey[] = "Data Source=";
const char kTrailingProperties[] = ";Persist Security Info=True";

std::string ConnectionStringFor(const char *file_name) {
    return kProviderPrefix + GetProgramDirectory() +
           std::string(1, static_cast<char>(std::filesystem::path::preferred_separator)) + file_name +
           kTrailingProperties;
}

// Closes the connection on every way out of a lookup.
struct Connection {
    sqlite3 *db = nullptr;
    ~Connection() {
        if (db)
            sqlite3_close_v2(db);
    }
};

struct Statement {
    sqlite3_stmt *stmt = nullptr;
    ~Statement() {
        if (stmt)
            sqlite3_finalize(stmt);
    }
};

// A file name as a "file:" URI: every byte outside the unreserved set is percent-encoded, so blanks, ";", "#",
// "?", "%" and Chinese characters in the program directory reach SQLite unchanged.
std::string FileUri(const std::string &path) {
    static const char digits[] = "0123456789ABCDEF";
    std::string uri = "file:";
    for (unsigned char c : path) {
        if (std::isalnum(c) || c == '/' || c == '-' || c == '_' || c == '.' || c == '~')
            uri += static_cast<char>(c);
        else {
            uri += '%';
            uri += digits[c >> 4];
            uri += digits[c & 15];
        }
    }
    return uri;
}

// Opens the database read-only. The files never change while the program runs, so SQLite is told they are
// immutable (no locks, no change checks), and connections to the same file share one cache: while a window's
// query component holds its connection, a lookup that opens its own finds the schema and pages already read.
void OpenReadOnly(const std::string &connection_string, Connection &connection) {
    std::string path = DataSourceOf(connection_string);
    if (path.empty())
        throw SilentAbort{};
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        throw SilentAbort{};
    // Lookups run on one thread; SQLite's memory statistics are not read, and keeping them costs a lock on every
    // allocation.
    static const bool configured = [] {
        sqlite3_config(SQLITE_CONFIG_MEMSTATUS, 0);
        return true;
    }();
    (void)configured;
    int rc = sqlite3_open_v2((FileUri(path) + "?immutable=1").c_str(), &connection.db,
                             SQLITE_OPEN_READONLY | SQLITE_OPEN_URI | SQLITE_OPEN_NOMUTEX | SQLITE_OPEN_SHAREDCACHE,
                             nullptr);
    if (rc != SQLITE_OK)
        throw SilentAbort{};
}

// Prepares exactly one read-only statement. Trailing text after the statement (a second statement smuggled in
// through a key) and anything that would write are refused rather than run.
void Prepare(Connection &connection, const std::string &statement, Statement &prepared) {
    const char *tail = nullptr;
    int rc =
        sqlite3_prepare_v2(connection.db, statement.c_str(), static_cast<int>(statement.size()), &prepared.stmt, &tail);
    if (rc != SQLITE_OK || prepared.stmt == nullptr)
        throw SilentAbort{};
    if (tail && !Trim(tail).empty())
        throw SilentAbort{};
    if (!sqlite3_stmt_readonly(prepared.stmt))
        throw SilentAbort{};
}

// One field of a row as it came from the database.
struct Cell {
    bool null = true;
    std::string text;
};

std::vector<Cell> ReadRow(sqlite3_stmt *stmt) {
    int count = sqlite3_column_count(stmt);
    std::vector<Cell> row(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        if (sqlite3_column_type(stmt, i) == SQLITE_NULL)
            continue;
        const unsigned char *text = sqlite3_column_text(stmt, i);
        int bytes = sqlite3_column_bytes(stmt, i);
        row[static_cast<std::size_t>(i)].null = false;
        if (text)
            row[static_cast<std::size_t>(i)].text.assign(reinterpret_cast<const char *>(text),
                                                         static_cast<std::size_t>(bytes));
    }
    return row;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

} // namespace

std::string DreamDbConnectionString() {
    return ConnectionStringFor("dream.dll");
}
std::string FileDbConnectionString() {
    return ConnectionStringFor("KelFile.dll");
}
std::string BirthDbConnectionString() {
    return ConnectionStringFor("KelBirth.dll");
}

std::string DataSourceOf(const std::string &connection_string) {
    std::size_t key = connection_string.find(kDataSourceKey);
    if (key == std::string::npos)
        return {};
    std::string rest = connection_string.substr(key + sizeof(kDataSourceKey) - 1);
    // The path is not quoted and may itself hold ";", so the known trailing properties are cut from the end
    // rather than cutting at the first ";".
    const std::string trailing = kTrailingProperties;
    if (rest.size() >= trailing.size() && rest.compare(rest.size() - trailing.size(), trailing.size(), trailing) == 0)
        return rest.substr(0, rest.size() - trailing.size());
    return rest.substr(0, rest.find(';'));
}

std::string QuoteLiteral(const std::string &key) {
    std::string quoted = "'";
    for (char c : key) {
        quoted += c;
        if (c == '\'')
            quoted += '\'';
    }
    quoted += '\'';
    return quoted;
}

struct Query::Impl {
    std::string connection_string;
    // A query component keeps its connection until its next lookup, its close or its end.
    Connection connection;
    bool open = false;
    std::vector<std::vector<Cell>> rows;
    std::size_t cursor = 0;

    const Cell &CellAt(int column) const {
        if (!open || cursor >= rows.size())
            throw SilentAbort{};
        const auto &row = rows[cursor];
        if (column < 0 || static_cast<std::size_t>(column) >= row.size())
            throw SilentAbort{};
        return row[static_cast<std::size_t>(column)];
    }
};

Query::Query() : impl_(new Impl) {}

Query::Query(const std::string &connection_string) : impl_(new Impl) {
    impl_->connection_string = connection_string;
}

Query::~Query() {
    delete impl_;
}

void Query::SetConnectionString(const std::string &connection_string) {
    Close();
    impl_->connection_string = connection_string;
}

void Query::Open(const std::string &statement) {
    Close();
    // The whole answer is read at once; the connection stays open until the next lookup or Close, as a window's
    // query component does.
    OpenReadOnly(impl_->connection_string, impl_->connection);
    Statement prepared;
    Prepare(impl_->connection, statement, prepared);
    std::vector<std::vector<Cell>> rows;
    for (;;) {
        int rc = sqlite3_step(prepared.stmt);
        if (rc == SQLITE_DONE)
            break;
        if (rc != SQLITE_ROW)
            throw SilentAbort{};
        rows.push_back(ReadRow(prepared.stmt));
    }
    impl_->rows = std::move(rows);
    impl_->cursor = 0;
    impl_->open = true;
}

bool Query::IsEmpty() const {
    if (!impl_->open)
        throw SilentAbort{};
    return impl_->rows.empty();
}

bool Query::Eof() const {
    if (!impl_->open)
        throw SilentAbort{};
    return impl_->cursor >= impl_->rows.size();
}

std::string Query::Text(int column) const {
    return Trim(impl_->CellAt(column).text);
}

double Query::Number(int column) const {
    const Cell &cell = impl_->CellAt(column);
    if (cell.null)
        return 0.0;
    std::string text = Trim(cell.text);
    double value = 0.0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size())
        throw SilentAbort{};
    return value;
}

void Query::Next() {
    if (!impl_->open)
        throw SilentAbort{};
    if (impl_->cursor < impl_->rows.size())
        ++impl_->cursor;
}

void Query::Close() {
    if (impl_->connection.db) {
        sqlite3_close_v2(impl_->connection.db);
        impl_->connection.db = nullptr;
    }
    impl_->open = false;
    impl_->rows.clear();
    impl_->cursor = 0;
}

std::optional<std::vector<std::string>> LookupRow(const std::string &connection_string, const std::string &statement) {
    Connection connection;
    OpenReadOnly(connection_string, connection);
    Statement prepared;
    Prepare(connection, statement, prepared);
    // Only the first row is ever used, so the scan stops there.
    int rc = sqlite3_step(prepared.stmt);
    if (rc == SQLITE_DONE)
        return std::nullopt;
    if (rc != SQLITE_ROW)
        throw SilentAbort{};
    std::vector<std::string> columns;
    for (Cell &cell : ReadRow(prepared.stmt))
        columns.push_back(Trim(cell.text));
    return columns;
}

std::string HexToBytes(const std::string &text) {
    std::string bytes;
    bytes.reserve(text.size() / 2);
    for (std::size_t i = 0; i + 1 < text.size(); i += 2) {
        int high = HexDigit(text[i]);
        int low = HexDigit(text[i + 1]);
        if (high < 0 || low < 0) {
            CurrentPlatform().beep();
            continue;
        }
        bytes += static_cast<char>(high * 16 + low);
    }
    return bytes;
}

std::string DescrambleBytes(std::string b, std::uint16_t key, int rounds) {
    const std::size_t n = b.size();
    const auto high = static_cast<unsigned char>(key >> 8);
    const auto low = static_cast<unsigned char>(key & 0xFF);
    auto at = [&b](std::size_t i) { return static_cast<unsigned char>(b[i]); };
    for (int round = 0; round < rounds && n > 0; ++round) {
        for (std::size_t i = 1; i < n; ++i)
            b[i] = static_cast<char>(static_cast<unsigned char>(at(i - 1) + at(i)) ^ high);
        for (std::size_t i = n - 1; i-- > 0;)
            b[i] = static_cast<char>(static_cast<unsigned char>(at(i + 1) + at(i)) ^ low);
    }
    return b;
}

std::string ScrambleBytes(std::string b, std::uint16_t key, int rounds) {
    const std::size_t n = b.size();
    const auto high = static_cast<unsigned char>(key >> 8);
    const auto low = static_cast<unsigned char>(key & 0xFF);
    auto at = [&b](std::size_t i) { return static_cast<unsigned char>(b[i]); };
    for (int round = 0; round < rounds && n > 0; ++round) {
        // Undo the backward pass from the front (each byte still sees its already-scrambled right neighbour),
        // then the forward pass from the back (each byte still sees its already-scrambled left neighbour).
        for (std::size_t i = 0; i + 1 < n; ++i)
            b[i] = static_cast<char>(static_cast<unsigned char>((at(i) ^ low) - at(i + 1)));
        for (std::size_t i = n - 1; i >= 1; --i)
            b[i] = static_cast<char>(static_cast<unsigned char>((at(i) ^ high) - at(i - 1)));
    }
    return b;
}

std::string DescrambleText(const std::string &stored, std::uint16_t key, int rounds) {
    std::string bytes = HexToBytes(stored);
    if (bytes.empty())
        return {};
    return FromGbk(DescrambleBytes(std::move(bytes), key, rounds));
}

std::string ScrambleText(const std::string &text, std::uint16_t key, int rounds) {
    const std::string b = ScrambleBytes(ToGbk(text), key, rounds);
    static const char digits[] = "0123456789ABCDEF";
    std::string hex;
    hex.reserve(b.size() * 2);
    for (unsigned char c : b) {
        hex += digits[c >> 4];
        hex += digits[c & 0x0F];
    }
    return hex;
}

} // namespace mingshu::content
