// The online-name reading: a nickname's letters (pinyin initials, Latin letters, numerals, Greek letters)
// and the trait that its last letter names.
#pragma once

#include "common/errors.h"

#include <string>
#include <string_view>

namespace mingshu::numerology {

inline constexpr std::string_view kNicknameEmptyMessage = "请输入你的网名！";
inline constexpr std::string_view kNicknameSpecialMessage = "请重新输入网名，请不要输入特殊字符！";
inline constexpr std::size_t kNicknameLetterLimit = 255;

// A nickname holding a character the letters cannot be made of: one GBK cannot write, or a double-byte code
// outside the pinyin index.
class SpecialCharacterError : public CommandError {
public:
    SpecialCharacterError() : CommandError(std::string(kNicknameSpecialMessage)) {}
};

// The letters of a GBK text, walked byte by byte: a Chinese character gives the upper-case initial of its
// pinyin ("?" when it has none), a numeral sign its value in digits, a full-width letter or digit itself as
// typed, a Greek letter its Latin transliteration, an ASCII letter or digit itself in upper case; everything
// else is dropped. The result is cut to max_length. Throws SpecialCharacterError for a code whose lead or
// trail byte is 0xFF.
std::string GetPinyinInitials(std::string_view gbk, std::size_t max_length);

// 1 → A, 2 → B, … 9 → I, 0 → J; everything else unchanged.
std::string DigitsToLetters(std::string_view letters);

// The letter string of a UTF-8 nickname: its letters with the digits turned into letters.
// Throws SpecialCharacterError (see above).
std::string OnlineNameLetters(std::string_view nickname);

// The trait text (as stored, blanks included) that the last character of a UTF-8 nickname's letter string
// names, or an empty text when that character is no letter or the nickname is empty.
// Throws SpecialCharacterError (see above).
std::string GetOnlineNameTrait(std::string_view nickname);

// The stored trait text of a lower-case letter a … z; empty for any other character.
std::string_view TraitOfLetter(char letter);

// The pinyin syllable number of a GBK double-byte code (0 for none) and the syllable of a number.
int PinyinSyllableNumber(unsigned char lead, unsigned char trail);
std::string_view PinyinSyllable(int number);
// How many syllables the list holds.
int PinyinSyllableCount();

} // namespace mingshu::numerology
