// The online-name reading: the letters of a nickname byte by byte, the pinyin table, the trait of the last
// letter and the refusal of characters that have no place in the table.
#include "numerology/nickname.h"

#include "common/codec.h"

#include <gtest/gtest.h>

namespace num = mingshu::numerology;

namespace {

struct NicknameCase {
    const char *nickname; // UTF-8
    const char *letters;  // the letter string, digits already turned into letters
    char trait;           // the letter whose trait is shown, 0 for none
};

TEST(OnlineName, LettersAndTraitOfTypicalNicknames) {
    const NicknameCase cases[] = {
        {"小明", "XM", 'm'},   {"小明2", "XMB", 'b'},
        {"小明0", "XMJ", 'j'}, {"张小明", "ZXM", 'm'}, // only the last letter counts
        {"明", "M", 'm'},      {"abc!", "ABC", 'c'},   // punctuation is dropped before the last character is taken
        {"a b-c", "ABC", 'c'}, {"中国", "ZG", 'g'},
        {"犇犇", "BB", 'b'},   {"我佛", "WF", 'f'}, // 佛 and 给 are read like every character Unihan reads
        {"给力", "GL", 'l'},   {"小〇", "X?", 0},   // a code without reading gives "?", which names no trait
        {"你好。", "NH?", 0},                       // so does the ideographic full stop of the punctuation row
        {"你好，", "NH", 'h'},                      // a full-width comma is full-width ASCII punctuation: dropped
        {"!!!", "", 0},        {"翟", "Z", 'z'},    // reviewed readings of name characters
        {"缪", "M", 'm'},
    };
    for (const NicknameCase &c : cases) {
        EXPECT_EQ(num::OnlineNameLetters(c.nickname), c.letters) << c.nickname;
        EXPECT_EQ(num::GetOnlineNameTrait(c.nickname), c.trait ? std::string(num::TraitOfLetter(c.trait)) : "")
            << c.nickname;
    }
}

TEST(OnlineName, NumeralSignsGreekAndFullWidthLetters) {
    const NicknameCase cases[] = {
        {"⑩", "AJ", 'j'},    {"①", "A", 'a'},     {"ⅹ", "AJ", 'j'},       {"ⅰ", "A", 'a'},  {"Ⅻ", "AB", 'b'},
        {"Ⅰ", "A", 'a'},     {"⒛", "BJ", 'j'},    {"⒈", "A", 'a'},        {"⑴", "A", 'a'},  {"⒇", "BJ", 'j'},
        {"㈠", "A", 'a'},    {"㈩", "AJ", 'j'},   {"Ω", "O", 'o'},        {"ω", "O", 'o'},  {"α", "A", 'a'},
        {"Φ", "PH", 'h'},    {"χ", "KH", 'h'},    {"Ψ", "PS", 's'},       {"θ", "TH", 'h'}, {"Η", "E", 'e'},
        {"ΣΥ", "SU", 'u'},   {"︵", "", 0}, // a vertical bracket of the Greek row is punctuation: dropped
        {"ａｂ", "ab", 'b'},                // full-width letters are kept as typed, lower case included
        {"Ａ", "A", 'a'},    {"ｘ１", "xA", 'a'}, {"小明ｚ", "XMz", 'z'},
    };
    for (const NicknameCase &c : cases) {
        EXPECT_EQ(num::OnlineNameLetters(c.nickname), c.letters) << c.nickname;
        EXPECT_EQ(num::GetOnlineNameTrait(c.nickname), c.trait ? std::string(num::TraitOfLetter(c.trait)) : "")
            << c.nickname;
    }
}

TEST(OnlineName, AnEmptyNicknameHasNoTrait) {
    EXPECT_EQ(num::GetOnlineNameTrait(""), "");
}

TEST(OnlineName, CharactersOutsideGbkAreRefused) {
    for (const char *nickname : {"😀", "小明😀", "\xF0\x9F\x98", "한국"})
        EXPECT_THROW(num::GetOnlineNameTrait(nickname), num::SpecialCharacterError) << nickname;
    try {
        num::OnlineNameLetters("😀");
    } catch (const num::SpecialCharacterError &e) {
        EXPECT_STREQ(e.what(), "请重新输入网名，请不要输入特殊字符！");
    }
}

TEST(GetPinyinInitials, WalksTheBytes) {
    struct Case {
        std::string gbk, letters;
    };
    const Case cases[] = {
        {"\xD0\xA1\xC3\xF7", "XM"}, // 小明
        {"\xB0", ""},               // a lead byte at the very end stands alone and is dropped
        {"A\xB0", "A"},
        {"\x81"
         "A",
         "S"},             // a lead byte followed by a byte of 0x40 or more pairs with it: 丄 shang
        {"\xB0\x30", "0"}, // … but not with a lower byte: the lead is dropped, the digit kept
        {"\x80"
         "a",
         "A"},                            // 0x80 is no lead byte
        {"\xA2\x50", "?"},                // row A2 below 0xA1
        {"\xA2\xAB\xA2\xE3\xA2\xFE", ""}, // codes of row A2 that are no numerals
        {"\xA2\xFF", ""},                 // row A2 never reaches into the table
        {"\xA3\x21\xA3\xDF\xA3\xFF", ""}, // full-width punctuation
        {"\xA3\xB0\xA3\xE1", "0a"},
        {"\xA6\xB9\xA6\xC0\xA6\xD9\xA6\xFE", ""},
        {"\xA1\xA1", "?"}, // ideographic space
        {"\xA8\xA8", "?"}, // a pinyin letter of row A8 has no reading itself
        {"\xA9\x96", "?"}, // 〇
        {"\xB0\xA1\xD6\xD0\xB9\xFA\xC3\xF7\xA0\xC4", "AZGMB"},
        {"x9!", "X9"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(num::GetPinyinInitials(c.gbk, 255), c.letters);
}

TEST(GetPinyinInitials, CutsToTheMaximumLength) {
    EXPECT_EQ(num::GetPinyinInitials(std::string(300, 'a'), 255), std::string(255, 'A'));
    EXPECT_EQ(num::GetPinyinInitials("\xA2\xEE", 1), "1"); // ㈩ gives 10, cut to one character
    EXPECT_EQ(num::OnlineNameLetters(std::string(300, 'q')).size(), 255u);
}

TEST(GetPinyinInitials, CodesOutsideTheIndexFail) {
    for (const std::string gbk : {"\xFF\x41", "\x81\xFF", "\xB0\xFF", "ab\xFF\xFF"})
        EXPECT_THROW(num::GetPinyinInitials(gbk, 255), num::SpecialCharacterError);
    EXPECT_EQ(num::GetPinyinInitials("\xFF", 255), ""); // a lone 0xFF at the end is a single byte, dropped
}

TEST(DigitsToLetters, ReplacesEveryDigit) {
    EXPECT_EQ(num::DigitsToLetters("1234567890"), "ABCDEFGHIJ");
    EXPECT_EQ(num::DigitsToLetters("X?a-Z"), "X?a-Z");
    EXPECT_EQ(num::DigitsToLetters("A10"), "AAJ");
}

TEST(TraitOfLetter, TheTwentySixTextsAsStored) {
    const char *traits[26] = {
        "好奇心强，专一",
        "老实，沉默",
        "可爱，较明显的自恋",
        "温柔，乖巧",
        "会拍马屁，攀关系",
        " 有抱负，志气高",
        "大丈夫主义者",
        " 自立，自强，可依靠 ",
        " 有点懒惰",
        " 煽情高手",
        "古怪，求新",
        "圆滑",
        "反复无常，喜欢模仿神秘人物举动的小孩子性格，但是常常被宠爱",
        "不贪图安逸，能想到别人想不到的东西",
        "勤劳肯干，活跃",
        "认为朋友和恋人是最重要的，是他们的特点",
        "超级赶时髦者，无敌扫旧派",
        "固执，略有才气",
        "心胸宽大，有深藏不露的自恋",
        "热爱青春，喜欢活力",
        "不耻下问",
        "好静，有点表里不一",
        "比较糊涂，容易感情用事",
        "有恒心，害怕做重复的事情，哪怕是别人重复他做过的事",
        "乐天派呀！非同一般的乐天",
        "老实，想问题容易兜圈子",
    };
    for (char c = 'a'; c <= 'z'; ++c)
        EXPECT_EQ(num::TraitOfLetter(c), traits[c - 'a']) << c;
    for (char c : {'A', 'Z', '?', '0', '\0'})
        EXPECT_EQ(num::TraitOfLetter(c), "") << c;
}

// The code point of a UTF-8 text of one character, 0 otherwise.
char32_t SingleCodePoint(const std::string &utf8) {
    const auto *s = reinterpret_cast<const unsigned char *>(utf8.data());
    if (utf8.size() == 3 && (s[0] & 0xF0) == 0xE0)
        return ((s[0] & 0x0F) << 12) | ((s[1] & 0x3F) << 6) | (s[2] & 0x3F);
    return 0;
}

bool IsIdeograph(char32_t c) {
    return (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0x3400 && c <= 0x4DBF) || (c >= 0xF900 && c <= 0xFAFF);
}

TEST(PinyinIndex, TellingRows) {
    struct Case {
        unsigned char lead, trail;
        const char *syllable;
    };
    const Case cases[] = {
        {0xB0, 0xA1, "a"},   {0xD6, 0xD0, "zhong"}, {0xB9, 0xFA, "guo"},   {0xC3, 0xF7, "ming"},
        {0xA0, 0xC4, "ben"}, {0xB7, 0xF0, "fu"},    {0xB8, 0xF8, "gei"},   {0xF7, 0xD4, "biao"}, // 佛 给 髟
        {0xA9, 0x96, ""},    {0xB5, 0xA5, "dan"},   {0xB3, 0xA4, "zhang"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(num::PinyinSyllable(num::PinyinSyllableNumber(c.lead, c.trail)), c.syllable) << c.syllable;
    EXPECT_EQ(num::PinyinSyllableNumber(0xB0, 0xA1), 1);
    EXPECT_EQ(num::PinyinSyllableNumber(0xA9, 0x96), 0);
}

TEST(PinyinIndex, TheSymbolRowsHaveNoReadings) {
    for (int lead : {0xA1, 0xA2, 0xA3, 0xA4, 0xA5, 0xA6, 0xA7, 0xA8, 0xA9})
        for (int trail = 0x40; trail <= 0xFE; ++trail)
            EXPECT_EQ(num::PinyinSyllableNumber(static_cast<unsigned char>(lead), static_cast<unsigned char>(trail)), 0)
                << std::hex << lead << trail;
}

TEST(PinyinIndex, SyllablesAreLowerCaseTonelessLetters) {
    ASSERT_GT(num::PinyinSyllableCount(), 390);
    for (int n = 1; n <= num::PinyinSyllableCount(); ++n) {
        const std::string_view s = num::PinyinSyllable(n);
        EXPECT_TRUE(!s.empty() && s.size() <= 6) << n;
        EXPECT_EQ(s.find_first_not_of("abcdefghijklmnopqrstuvwxyz"), std::string_view::npos) << s;
    }
    EXPECT_EQ(num::PinyinSyllable(0), "");
    EXPECT_EQ(num::PinyinSyllable(num::PinyinSyllableCount() + 1), "");
}

TEST(PinyinIndex, ReadsNearlyEveryHanziOfGbkAndEveryCodeWalksSafely) {
    int codes = 0, hanzi = 0, read = 0;
    for (int lead = 0x81; lead <= 0xFE; ++lead)
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            if (trail == 0x7F)
                continue;
            ++codes;
            const std::string gbk{static_cast<char>(lead), static_cast<char>(trail)};
            const std::string letters = num::GetPinyinInitials(gbk, 255);
            EXPECT_LE(letters.size(), 2u) << std::hex << lead << trail;
            const int number =
                num::PinyinSyllableNumber(static_cast<unsigned char>(lead), static_cast<unsigned char>(trail));
            ASSERT_LE(number, num::PinyinSyllableCount());
            if (IsIdeograph(SingleCodePoint(mingshu::FromGbk(gbk)))) {
                ++hanzi;
                read += number != 0;
            }
        }
    EXPECT_EQ(codes, 23940);
    EXPECT_GT(hanzi, 20900);
    EXPECT_GE(read, 20900);
}

} // namespace
