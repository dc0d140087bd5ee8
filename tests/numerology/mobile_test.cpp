// The mobile-number reading: which numbers are taken, the lookup key and the lookup in dream.dll.
#include "numerology/mobile.h"

#include "common/errors.h"
#include "common/fake_platform.h"
#include "content/database.h"
#include "numerology/eighty_one.h"

#include <gtest/gtest.h>

namespace num = mingshu::numerology;

namespace {

const std::string kLength = std::string(num::kMobileLengthMessage);
const std::string kPrefix = std::string(num::kMobilePrefixMessage);

TEST(CheckMobileNumber, TakesElevenDigitsBeginningWith13To19) {
    struct Case {
        const char *number;
        const std::string &message;
    };
    const std::string ok;
    const Case cases[] = {
        {"13812345678", ok},
        {"14712345678", ok},
        {"15012345678", ok},
        {"16612345678", ok},
        {"17712345678", ok},
        {"18812345678", ok},
        {"19912345678", ok},
        {"12812345678", kPrefix},
        {"10012345678", kPrefix},
        {"23812345678", kPrefix},
        {"31812345678", kPrefix},
        // Too short or empty: the reading would take the wrong digits.
        {"", kLength},
        {"1", kLength},
        {"1381234", kLength},
        {"1381234567", kLength},
        {"1281234567", kLength},
        {"138123456789", kLength},
    };
    for (const Case &c : cases)
        EXPECT_EQ(num::CheckMobileNumber(c.number), c.message) << c.number;
}

TEST(MobileKey, IsTheLastFourDigitsModulo80) {
    struct Case {
        const char *number, *key;
    };
    const Case cases[] = {
        {"13800005678", "78"}, {"13912340080", "0"}, {"13912340000", "0"}, {"13912349999", "79"},
        {"13912340079", "79"}, {"13912349920", "0"}, {"13912340001", "1"}, {"15999990160", "0"},
        {"18600001237", "37"}, {"1391234567", "7"}, // characters 8 to the end, as far as they go
    };
    for (const Case &c : cases)
        EXPECT_EQ(num::shoujiinfostr(c.number), c.key) << c.number;
}

TEST(MobileKey, RefusesLastDigitsThatAreNoDigits) {
    for (const char *number : {"1381234567a", "1381234+567", "1381234 567", "1381234", ""})
        EXPECT_THROW(num::shoujiinfostr(number), num::NumberFormatError) << number;
}

TEST(MobileStatement, QuotesTheKey) {
    EXPECT_EQ(num::MobileStatement("37"), "select title,jx,content from shouji where num = '37'");
}

class MobileLookup : public ::testing::Test {
protected:
    void SetUp() override { platform.program_directory = MINGSHU_FIXTURE_DIR "/"; }
    mingshu::testing::RecordingPlatform platform;
};

TEST_F(MobileLookup, ReadsTheTrimmedFieldsOfTheKey) {
    const auto reading = num::LookupMobileReading(mingshu::content::DreamDbConnectionString(), "37");
    EXPECT_EQ(reading.title, "中规中矩，平稳度日");
    EXPECT_EQ(reading.jx, "吉带凶");
    EXPECT_EQ(reading.content, "此号平稳，少有大起大落，宜守不宜攻。");
}

TEST_F(MobileLookup, AKeyWithoutRowGivesEmptyFields) {
    const auto reading = num::LookupMobileReading(mingshu::content::DreamDbConnectionString(), "79");
    EXPECT_EQ(reading.title + reading.jx + reading.content, "");
}

TEST_F(MobileLookup, AMissingDatabaseEndsSilently) {
    platform.program_directory = MINGSHU_FIXTURE_DIR "/absent/";
    EXPECT_THROW(num::LookupMobileReading(mingshu::content::DreamDbConnectionString(), "37"), mingshu::SilentAbort);
}

} // namespace
