// The stored-text descrambler and its inverse: hex decoding with its beeps, the passes, round trips.
#include "common/codec.h"
#include "common/errors.h"
#include "common/fake_platform.h"
#include "content/database.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace mingshu::content;
using mingshu::testing::RecordingPlatform;

struct HexCase {
    const char *name;
    std::string stored;
    std::string bytes;
    int beeps;
};

TEST(HexToBytes, DecodesPairsAndBeepsOncePerBadPair) {
    const HexCase cases[] = {
        {"empty", "", "", 0},
        {"one pair", "41", "A", 0},
        {"odd length ignores the last character", "414", "A", 0},
        {"either case", "6a6B", "jk", 0},
        {"all digits", "0009FF", std::string("\x00\x09\xFF", 3), 0},
        {"no valid pair", "ZZ#G x", "", 3},
        {"bad pair skipped, good pairs kept", "4G41zz42", "AB", 2},
        {"half-valid pair is bad", "4 ", "", 1},
        {"sign is not a digit", "+1", "", 1},
    };
    for (const auto &c : cases) {
        RecordingPlatform platform;
        EXPECT_EQ(HexToBytes(c.stored), c.bytes) << c.name;
        EXPECT_EQ(platform.beeps, c.beeps) << c.name;
    }
}

TEST(DescrambleText, EdgeCasesOfTheStoredForm) {
    RecordingPlatform platform;
    EXPECT_EQ(DescrambleText("", kScrambleKey, kScrambleRounds), "");
    // A single byte has no neighbour: no pass touches it.
    EXPECT_EQ(DescrambleText("41", kScrambleKey, kScrambleRounds), "A");
    EXPECT_EQ(DescrambleText("417", kScrambleKey, kScrambleRounds), "A");
    EXPECT_EQ(platform.beeps, 0);

    EXPECT_EQ(DescrambleText("QQRRSS", kScrambleKey, kScrambleRounds), "");
    EXPECT_EQ(platform.beeps, 3);
}

TEST(DescrambleText, NoPassWhenRoundsAreZeroOrLess) {
    RecordingPlatform platform;
    EXPECT_EQ(DescrambleText("414243", kScrambleKey, 0), "ABC");
    EXPECT_EQ(DescrambleText("414243", kScrambleKey, -3), "ABC");
}

TEST(DescrambleBytes, ThreeBytesOneRoundByHand) {
    // Key 4739 = 0x1283: H = 0x12, L = 0x83.
    // Forward: 01, (01+02)^12 = 11, (11+03)^12 = 06. Backward from the third byte down: 06 stays,
    // (06+11)^83 = 94, (94+01)^83 = 16.
    EXPECT_EQ(DescrambleBytes(std::string("\x01\x02\x03", 3), 4739, 1), std::string("\x16\x94\x06", 3));
    // The forward pass must use the byte it has just written, the backward pass likewise.
    EXPECT_EQ(ScrambleBytes(std::string("\x16\x94\x06", 3), 4739, 1), std::string("\x01\x02\x03", 3));
}

TEST(DescrambleBytes, SumsWrapAroundAtOneByte) {
    // FF + FF = 1FE keeps FE; then XOR with the key bytes.
    std::string out = DescrambleBytes(std::string("\xFF\xFF", 2), 0x0000, 1);
    EXPECT_EQ(out, std::string("\xFD\xFE", 2)); // forward: FE; backward: (FE + FF) mod 256 = FD
}

TEST(ScrambleText, RoundTripsRealTexts) {
    RecordingPlatform platform;
    const std::string texts[] = {
        "天格为先祖留传之数，主少年运势，对人生影响较小。",
        "人格乃姓名之中心，主一生命运，关系性格、才能与健康；宜取吉数。",
        "第23数：旭日东升，壮丽壮观，权威旺盛，功名荣达。",
        "Mixed 中英文 text, 数字 2026 和标点「引号」——破折号……省略号！",
        "短",
        "一行\n两行\t制表",
        "齉龘鬱爨，生僻字也要原样回来。",
    };
    for (const auto &text : texts) {
        std::string stored = ScrambleText(text, kScrambleKey, kScrambleRounds);
        EXPECT_EQ(stored.size(), mingshu::GbkLength(text) * 2) << text;
        EXPECT_EQ(stored.find_first_not_of("0123456789ABCDEF"), std::string::npos) << text;
        EXPECT_NE(mingshu::ToGbk(text), HexToBytes(stored)) << "stored in the clear: " << text;
        EXPECT_EQ(DescrambleText(stored, kScrambleKey, kScrambleRounds), text);
    }
    // Other keys and round counts invert as well, and a wrong key does not give the text back.
    const std::string text = texts[1];
    for (int rounds : {1, 2, 7, 20})
        for (std::uint16_t key : {std::uint16_t{0}, std::uint16_t{1}, std::uint16_t{4739}, std::uint16_t{0xFFFF}})
            EXPECT_EQ(DescrambleText(ScrambleText(text, key, rounds), key, rounds), text) << key << "/" << rounds;
    EXPECT_NE(DescrambleText(ScrambleText(text, 4739, 7), 4738, 7), text);
    EXPECT_EQ(platform.beeps, 0);
}

TEST(ScrambleText, EmptyTextAndTextsGbkCannotHold) {
    EXPECT_EQ(ScrambleText("", kScrambleKey, kScrambleRounds), "");
    EXPECT_THROW(ScrambleText("表情😀", kScrambleKey, kScrambleRounds), mingshu::EncodingError);
}

} // namespace
