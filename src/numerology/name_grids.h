// Stroke counts, the five grids of a name, and the three talents of the grid numbers.
#pragma once

#include <string>

namespace mingshu::numerology {

enum class GridKind { Heaven = 0, Earth = 1, Person = 2, Total = 3, Outer = 4 };

// Kangxi stroke count of one character from the bihua table of KelFile.dll; 0 when no row holds it.
// A database failure throws SilentAbort.
int GetStrokeCount(const std::string &character);

// The number of one grid. Name parts are UTF-8; their GBK bytes decide: a part of at most 2 bytes is one
// character, otherwise bytes 1–2 and 3–4 are its two characters.
int GetGridNumber(const std::string &surname, const std::string &given_name, GridKind grid);

// 木 for a last digit of 1 or 2, 火 3 4, 土 5 6, 金 7 8, 水 9 0.
std::string ElementOfNumber(int number);
// The elements of the heaven, person and earth numbers in that order, e.g. 木火水.
std::string GetThreeTalents(int heaven, int person, int earth);

} // namespace mingshu::numerology
