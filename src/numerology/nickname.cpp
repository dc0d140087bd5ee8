// The online-name reading: a nickname's letters and the trait that its last letter names.
#include "numerology/nickname.h"

#include "common/codec.h"

#include <array>
#include <cstdint>

namespace mingshu::numerology {
namespace {

#include "numerology/pinyin_index_table.inc"

constexpr int kIndexLeadFirst = 0x81;
constexpr int kIndexTrailFirst = 0x40;
constexpr int kIndexRowLength = 191; // trail bytes 0x40 … 0xFE

// Stored as written, blanks included; the window trims what it shows.
constexpr std::array<std::string_view, 26> kTraits = {
    "好奇心强，专一",                                             // a
    "老实，沉默",                                                 // b
    "可爱，较明显的自恋",                                         // c
    "温柔，乖巧",                                                 // d
    "会拍马屁，攀关系",                                           // e
    " 有抱负，志气高",                                            // f
    "大丈夫主义者",                                               // g
    " 自立，自强，可依靠 ",                                       // h
    " 有点懒惰",                                                  // i
    " 煽情高手",                                                  // j
    "古怪，求新",                                                 // k
    "圆滑",                                                       // l
    "反复无常，喜欢模仿神秘人物举动的小孩子性格，但是常常被宠爱", // m
    "不贪图安逸，能想到别人想不到的东西",                         // n
    "勤劳肯干，活跃",                                             // o
    "认为朋友和恋人是最重要的，是他们的特点",                     // p
    "超级赶时髦者，无敌扫旧派",                                   // q
    "固执，略有才气",                                             // r
    "心胸宽大，有深藏不露的自恋",                                 // s
    "热爱青春，喜欢活力",                                         // t
    "不耻下问",                                                   // u
    "好静，有点表里不一",                                         // v
    "比较糊涂，容易感情用事",                                     // w
    "有恒心，害怕做重复的事情，哪怕是别人重复他做过的事",         // x
    "乐天派呀！非同一般的乐天",                                   // y
    "老实，想问题容易兜圈子",                                     // z
};

// Row A2 of GBK: each numeral sign stands for its value in decimal digits. Returns nothing for the codes of
// the row that are no numeral.
std::string NumeralDigits(int trail) {
    struct Run {
        int first, count;
    };
    // ⅰ…ⅹ, ⒈…⒛, ⑴…⒇, ①…⑩, ㈠…㈩, Ⅰ…Ⅻ
    constexpr Run runs[] = {{0xA1, 10}, {0xB1, 20}, {0xC5, 20}, {0xD9, 10}, {0xE5, 10}, {0xF1, 12}};
    for (const Run &run : runs)
        if (trail >= run.first && trail < run.first + run.count)
            return std::to_string(trail - run.first + 1);
    return {};
}

// Row A6 of GBK: capitals A6A1–A6B8 and small letters A6C1–A6D8 in the order of the Greek alphabet.
std::string_view GreekLetter(int trail) {
    constexpr std::array<std::string_view, 24> latin = {"A", "B", "G", "D", "E", "Z", "E", "TH", "I",  "K",  "L",  "M",
                                                        "N", "X", "O", "P", "R", "S", "T", "U",  "PH", "KH", "PS", "O"};
    if (trail >= 0xA1 && trail <= 0xB8)
        return latin[static_cast<std::size_t>(trail - 0xA1)];
    if (trail >= 0xC1 && trail <= 0xD8)
        return latin[static_cast<std::size_t>(trail - 0xC1)];
    // The rest of the row (vertical punctuation forms among it) is punctuation, dropped like other punctuation.
    return {};
}

bool IsAsciiDigit(int c) {
    return c >= '0' && c <= '9';
}
bool IsAsciiLetter(int c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
char AsciiUpper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

} // namespace

int PinyinSyllableNumber(unsigned char lead, unsigned char trail) {
    if (lead < kIndexLeadFirst || lead > 0xFE || trail < kIndexTrailFirst || trail > 0xFE)
        return 0;
    return kPinyinIndex[static_cast<std::size_t>((lead - kIndexLeadFirst) * kIndexRowLength +
                                                 (trail - kIndexTrailFirst))];
}

std::string_view PinyinSyllable(int number) {
    if (number < 1 || number > static_cast<int>(kPinyinSyllables.size()))
        return {};
    return kPinyinSyllables[static_cast<std::size_t>(number - 1)];
}

int PinyinSyllableCount() {
    return static_cast<int>(kPinyinSyllables.size());
}

std::string GetPinyinInitials(std::string_view gbk, std::size_t max_length) {
    std::string letters;
    std::size_t i = 0;
    while (i < gbk.size()) {
        const int byte = static_cast<unsigned char>(gbk[i]);
        // The byte after the end counts as 0, so a lead byte at the very end stands alone.
        const int next = i + 1 < gbk.size() ? static_cast<unsigned char>(gbk[i + 1]) : 0;
        if (byte >= 0x81 && next >= 0x40) {
            if (byte == 0xA2) {
                letters += next >= 0xA1 ? NumeralDigits(next) : std::string("?");
            } else if (byte == 0xA3) {
                // Full-width ASCII: letters and digits are kept as typed, lower case included.
                const int ascii = next - 0x80;
                if (IsAsciiDigit(ascii) || IsAsciiLetter(ascii))
                    letters += static_cast<char>(ascii);
            } else if (byte == 0xA6) {
                letters += GreekLetter(next);
            } else {
                if (byte == 0xFF || next == 0xFF)
                    throw SpecialCharacterError();
                const int number =
                    PinyinSyllableNumber(static_cast<unsigned char>(byte), static_cast<unsigned char>(next));
                if (number == 0)
                    letters += '?';
                else if (const std::string_view syllable = PinyinSyllable(number); !syllable.empty())
                    letters += AsciiUpper(syllable.front());
            }
            i += 2;
            continue;
        }
        if (IsAsciiDigit(byte) || IsAsciiLetter(byte))
            letters += AsciiUpper(static_cast<char>(byte));
        i += 1;
    }
    if (letters.size() > max_length)
        letters.resize(max_length);
    return letters;
}

std::string DigitsToLetters(std::string_view letters) {
    std::string out(letters);
    for (char &c : out)
        if (c >= '1' && c <= '9')
            c = static_cast<char>('A' + (c - '1'));
        else if (c == '0')
            c = 'J';
    return out;
}

std::string OnlineNameLetters(std::string_view nickname) {
    std::string gbk;
    try {
        gbk = ToGbk(nickname);
    } catch (const EncodingError &) {
        throw SpecialCharacterError();
    }
    return DigitsToLetters(GetPinyinInitials(gbk, kNicknameLetterLimit));
}

std::string_view TraitOfLetter(char letter) {
    if (letter < 'a' || letter > 'z')
        return {};
    return kTraits[static_cast<std::size_t>(letter - 'a')];
}

std::string GetOnlineNameTrait(std::string_view nickname) {
    if (nickname.empty())
        return {};
    const std::string letters = OnlineNameLetters(nickname);
    if (letters.empty())
        return {};
    // Only the last character counts.
    char last = letters.back();
    if (last >= 'A' && last <= 'Z')
        last = static_cast<char>(last - 'A' + 'a');
    return std::string(TraitOfLetter(last));
}

} // namespace mingshu::numerology
