// Builds the three content databases from the readable sources in data/.
//
//   dbbuilder --source DIR --out DIR
//
// DIR/dream, DIR/KelFile and DIR/KelBirth hold one TABLE.tsv per table; the result is dream.dll, KelFile.dll and
// KelBirth.dll in the output folder. Every known table is created with its columns even when its source is not
// written yet. All three files are written under temporary names first and renamed only when all three are
// complete, so a failed build leaves the previous databases as they were.
#include "common/errors.h"
#include "content/database.h"
#include "content/tsv.h"

#include <sqlite3.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <random>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using mingshu::content::ReadTsv;
using mingshu::content::TsvTable;

namespace {

struct TableSchema {
    std::string name;
    std::vector<std::string> columns;
    // How many leading columns make up the key (tuwen is keyed by article and page).
    std::size_t key_columns = 1;
    // Column whose texts are stored scrambled, or empty.
    std::string scrambled;
};

TableSchema Table(std::string name, std::vector<std::string> columns, std::size_t key_columns = 1,
                  std::string scrambled = {}) {
    return TableSchema{std::move(name), std::move(columns), key_columns, std::move(scrambled)};
}

struct DatabaseSchema {
    std::string folder;
    std::string file;
    std::vector<TableSchema> tables;
};

const std::vector<DatabaseSchema> &Schemas() {
    static const std::vector<DatabaseSchema> schemas = {
        {"dream",
         "dream.dll",
         {
             Table("shouji", {"num", "title", "jx", "content"}),
             Table("chenggu", {"weight", "content"}),
             Table("chenggu1", {"year", "weight"}),
             Table("chenggu2", {"month", "weight"}),
             Table("chenggu3", {"day", "weight"}),
             Table("chenggu4", {"time", "weight"}),
             Table("qian", {"num", "grade", "verse", "content"}),
         }},
        {"KelFile",
         "KelFile.dll",
         {
             Table("bihua", {"hanzi", "num"}),
             Table("namefx", {"num", "content"}, 1, "content"),
             Table("sancai", {"title", "content"}, 1, "content"),
             Table("ndeq", {"title", "content"}),
             Table("aiqing", {"title", "content"}),
             Table("mingren", {"title", "content"}),
             Table("baojian", {"title", "content"}),
             Table("qingxv", {"title", "content"}),
             Table("shiye", {"title", "content"}),
             Table("tuwen", {"article", "page", "picture", "content"}, 2),
         }},
        {"KelBirth",
         "KelBirth.dll",
         {
             Table("Noter", {"Cid", "Tite", "content"}),
         }},
    };
    return schemas;
}

class BuildError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

std::string QuoteIdentifier(const std::string &name) {
    std::string quoted = "\"";
    for (char c : name) {
        quoted += c;
        if (c == '"')
            quoted += '"';
    }
    return quoted + "\"";
}

class Database {
public:
    explicit Database(const fs::path &path) : path_(path) {
        // SQLite takes file names as UTF-8 on every system.
        const std::u8string name = path.u8string();
        if (sqlite3_open_v2(reinterpret_cast<const char *>(name.c_str()), &db_,
                            SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK)
            throw BuildError("cannot create " + path.string() + ": " + sqlite3_errmsg(db_));
    }
    ~Database() { sqlite3_close_v2(db_); }
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    void Execute(const std::string &sql) {
        char *message = nullptr;
        if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
            std::string text = message ? message : "unknown error";
            sqlite3_free(message);
            throw BuildError(path_.string() + ": " + text + " in: " + sql);
        }
    }

    void Insert(const std::string &table, const std::vector<std::vector<std::string>> &rows, std::size_t columns) {
        std::string sql = "INSERT INTO " + QuoteIdentifier(table) + " VALUES (";
        for (std::size_t i = 0; i < columns; ++i)
            sql += i ? ", ?" : "?";
        sql += ")";
        sqlite3_stmt *stmt = nullptr;
        if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK)
            throw BuildError(path_.string() + ": " + sqlite3_errmsg(db_));
        for (const auto &row : rows) {
            sqlite3_reset(stmt);
            for (std::size_t i = 0; i < columns; ++i)
                sqlite3_bind_text(stmt, static_cast<int>(i + 1), row[i].data(), static_cast<int>(row[i].size()),
                                  SQLITE_TRANSIENT);
            if (sqlite3_step(stmt) != SQLITE_DONE) {
                std::string text = sqlite3_errmsg(db_);
                sqlite3_finalize(stmt);
                throw BuildError(path_.string() + ": " + text);
            }
        }
        sqlite3_finalize(stmt);
    }

private:
    fs::path path_;
    sqlite3 *db_ = nullptr;
};

std::string ReadWholeFile(const fs::path &path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw BuildError("cannot read " + path.string());
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Fields written as "@file:NAME" stand for the content of NAME beside the source file.
void ResolveFileReferences(TsvTable &table, const fs::path &folder, const fs::path &source) {
    const std::string prefix = "@file:";
    for (std::size_t r = 0; r < table.rows.size(); ++r)
        for (auto &field : table.rows[r]) {
            if (field.rfind(prefix, 0) != 0)
                continue;
            fs::path name = field.substr(prefix.size());
            if (name.empty() || name.is_absolute())
                throw BuildError(source.string() + ": row " + std::to_string(r + 1) + ": bad reference " + field);
            field = ReadWholeFile(folder / name);
        }
}

// A row whose key repeats an earlier one can never be read: the first row answers. Worth a warning, not a
// failed build, since authors fill the tables while others build.
void WarnAboutKeys(const TsvTable &table, const TableSchema &schema, const fs::path &source) {
    std::map<std::vector<std::string>, std::size_t> seen;
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        std::vector<std::string> key(table.rows[r].begin(), table.rows[r].begin() + schema.key_columns);
        if (std::all_of(key.begin(), key.end(), [](const std::string &k) { return k.empty(); }))
            std::cerr << source.string() << ": warning: row " << r + 1 << " has an empty key\n";
        auto [it, inserted] = seen.emplace(key, r + 1);
        if (!inserted)
            std::cerr << source.string() << ": warning: row " << r + 1 << " repeats the key of row " << it->second
                      << "; only the first is ever read\n";
    }
}

void CreateTable(Database &db, const std::string &name, const std::vector<std::string> &columns,
                 std::size_t key_columns) {
    std::string sql = "CREATE TABLE " + QuoteIdentifier(name) + " (";
    for (std::size_t i = 0; i < columns.size(); ++i)
        sql += (i ? ", " : "") + QuoteIdentifier(columns[i]) + " TEXT";
    sql += ")";
    db.Execute(sql);
    // Lookups compare the key with "="; bihua is searched with like '%c%', which no index serves.
    if (name != "bihua") {
        std::string index = "CREATE INDEX " + QuoteIdentifier(name + "_key") + " ON " + QuoteIdentifier(name) + " (";
        for (std::size_t i = 0; i < key_columns && i < columns.size(); ++i)
            index += (i ? ", " : "") + QuoteIdentifier(columns[i]);
        db.Execute(index + ")");
    }
}

void FillTable(Database &db, const TableSchema &schema, const fs::path &folder) {
    fs::path source = folder / (schema.name + ".tsv");
    if (!fs::exists(source))
        return;
    TsvTable table = ReadTsv(source.string());
    if (table.columns != schema.columns) {
        std::string expected, found;
        for (const auto &c : schema.columns)
            expected += (expected.empty() ? "" : " ") + c;
        for (const auto &c : table.columns)
            found += (found.empty() ? "" : " ") + c;
        throw BuildError(source.string() + ": columns are \"" + found + "\", the table needs \"" + expected + "\"");
    }
    ResolveFileReferences(table, folder, source);
    WarnAboutKeys(table, schema, source);
    if (!schema.scrambled.empty()) {
        int column = table.column(schema.scrambled);
        for (std::size_t r = 0; r < table.rows.size(); ++r) {
            auto &field = table.rows[r][static_cast<std::size_t>(column)];
            try {
                field = mingshu::content::ScrambleText(field, mingshu::content::kScrambleKey,
                                                       mingshu::content::kScrambleRounds);
            } catch (const mingshu::EncodingError &) {
                throw BuildError(source.string() + ": row " + std::to_string(r + 1) +
                                 ": the text has a character that GBK cannot hold");
            }
        }
    }
    db.Insert(schema.name, table.rows, schema.columns.size());
}

// Sources in a folder that belong to no known table are still built, as text columns, so a new table can be
// tried out before the program knows it.
std::vector<fs::path> UnknownSources(const DatabaseSchema &schema, const fs::path &folder) {
    std::vector<fs::path> unknown;
    if (!fs::is_directory(folder))
        return unknown;
    std::set<std::string> known;
    for (const auto &table : schema.tables)
        known.insert(table.name + ".tsv");
    for (const auto &entry : fs::directory_iterator(folder))
        if (entry.is_regular_file() && entry.path().extension() == ".tsv" &&
            !known.count(entry.path().filename().string()))
            unknown.push_back(entry.path());
    std::sort(unknown.begin(), unknown.end());
    return unknown;
}

void BuildDatabase(const DatabaseSchema &schema, const fs::path &source_root, const fs::path &target) {
    fs::remove(target);
    Database db(target);
    db.Execute("PRAGMA journal_mode = OFF");
    db.Execute("BEGIN");
    fs::path folder = source_root / schema.folder;
    for (const auto &table : schema.tables) {
        CreateTable(db, table.name, table.columns, table.key_columns);
        FillTable(db, table, folder);
    }
    for (const auto &source : UnknownSources(schema, folder)) {
        std::cerr << source.string() << ": note: not a table the program reads; built as it stands\n";
        TsvTable table = ReadTsv(source.string());
        ResolveFileReferences(table, folder, source);
        std::string name = source.stem().string();
        CreateTable(db, name, table.columns, 1);
        db.Insert(name, table.rows, table.columns.size());
    }
    db.Execute("COMMIT");
    db.Execute("VACUUM");
}

// Temporary files of a builder that was killed half-way would otherwise lie in the program directory for good.
void RemoveLeftovers(const fs::path &out_dir) {
    for (const auto &entry : fs::directory_iterator(out_dir)) {
        const std::string name = entry.path().filename().string();
        for (const auto &schema : Schemas())
            if (name.rfind(schema.file + ".building-", 0) == 0) {
                std::error_code ec;
                fs::remove(entry.path(), ec);
            }
    }
}

int Usage() {
    std::cerr << "usage: dbbuilder --source DIR --out DIR\n";
    return 2;
}

} // namespace

int main(int argc, char **argv) {
    fs::path source_root, out_dir;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--source" && i + 1 < argc)
            source_root = argv[++i];
        else if (arg == "--out" && i + 1 < argc)
            out_dir = argv[++i];
        else
            return Usage();
    }
    if (source_root.empty() || out_dir.empty())
        return Usage();

    std::vector<std::pair<fs::path, fs::path>> built; // temporary → final
    try {
        if (!fs::is_directory(source_root))
            throw BuildError("no source folder " + source_root.string());
        fs::create_directories(out_dir);
        RemoveLeftovers(out_dir);
        const std::string suffix = ".building-" + std::to_string(std::random_device{}());
        for (const auto &schema : Schemas()) {
            fs::path final_path = out_dir / schema.file;
            fs::path temp_path = out_dir / (schema.file + suffix);
            built.emplace_back(temp_path, final_path);
            BuildDatabase(schema, source_root, temp_path);
        }
        for (const auto &[temp, final_path] : built)
            fs::rename(temp, final_path);
    } catch (const std::exception &e) {
        std::cerr << "dbbuilder: " << e.what() << '\n';
        for (const auto &[temp, final_path] : built) {
            std::error_code ec;
            fs::remove(temp, ec);
        }
        return 1;
    }
    return 0;
}
