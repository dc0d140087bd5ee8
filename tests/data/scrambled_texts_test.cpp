// The built KelFile.dll holds the name and three-talents readings scrambled, and they read back as written.
#include "content/database.h"
#include "content/tsv.h"

#include <gtest/gtest.h>

namespace {

void ExpectReadsBack(const std::string &table, const std::string &key_column) {
    auto source = mingshu::content::ReadTsv(std::string(MINGSHU_DATA_DIR) + "/KelFile/" + table + ".tsv");
    const std::string connection = "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + std::string(MINGSHU_BIN_DIR) +
                                   "/KelFile.dll;Persist Security Info=True";
    ASSERT_FALSE(source.rows.empty());
    for (const auto &row : source.rows) {
        auto stored = mingshu::content::LookupRow(connection, "Select content from " + table + " where " + key_column +
                                                                  " = " + mingshu::content::QuoteLiteral(row[0]));
        ASSERT_TRUE(stored) << row[0];
        // Stored as hexadecimal digit pairs, never as the readable text.
        EXPECT_EQ(stored->at(0).find_first_not_of("0123456789ABCDEFabcdef"), std::string::npos) << row[0];
        EXPECT_EQ(mingshu::content::DescrambleText(stored->at(0), mingshu::content::kScrambleKey,
                                                   mingshu::content::kScrambleRounds),
                  row[1])
            << row[0];
    }
}

TEST(ScrambledTexts, NameReadingsReadBack) {
    ExpectReadsBack("namefx", "num");
}
TEST(ScrambledTexts, ThreeTalentsReadingsReadBack) {
    ExpectReadsBack("sancai", "title");
}

} // namespace
