// Five grids from stroke counts; the stroke table lives in the content database.
#include "numerology/name_grids.h"

#include "common/codec.h"
#include "common/errors.h"
#include "common/text.h"
#include "content/database.h"

#include <cstdlib>

namespace mingshu::numerology {
namespace {

struct Part {
    std::string gbk;
    std::string first() const { return FromGbk(gbk.substr(0, 2)); }
    std::string second() const { return gbk.size() > 2 ? FromGbk(gbk.substr(2, 2)) : std::string(); }
    bool one_character() const { return gbk.size() <= 2; }
};

int Strokes(const std::string &character) {
    return character.empty() ? 0 : GetStrokeCount(character);
}

} // namespace

int GetStrokeCount(const std::string &character) {
    auto row = content::LookupRow(content::FileDbConnectionString(), "Select num from bihua where hanzi like " +
                                                                         content::QuoteLiteral("%" + character + "%"));
    if (!row)
        return 0;
    long long value = 0;
    if (!ParseInt(Trim(row->at(0)), value))
        throw SilentAbort{};
    return static_cast<int>(value);
}

int GetGridNumber(const std::string &surname, const std::string &given_name, GridKind grid) {
    Part s{ToGbk(surname)}, g{ToGbk(given_name)};
    switch (grid) {
    case GridKind::Heaven:
        return s.one_character() ? Strokes(s.first()) + 1 : Strokes(s.first()) + Strokes(s.second());
    case GridKind::Person:
        return s.one_character() ? Strokes(s.first()) + Strokes(g.first()) : Strokes(s.second()) + Strokes(g.first());
    case GridKind::Earth:
        return g.one_character() ? Strokes(g.first()) + 1 : Strokes(g.first()) + Strokes(g.second());
    case GridKind::Total: {
        int total = Strokes(s.first()) + Strokes(g.first());
        if (!s.one_character())
            total += Strokes(s.second());
        if (!g.one_character())
            total += Strokes(g.second());
        return total;
    }
    case GridKind::Outer:
        // Exactly one double-byte character in each part; a one-byte part is no such name.
        if (s.gbk.size() == 2 && g.gbk.size() == 2)
            return 2;
        return GetGridNumber(surname, given_name, GridKind::Total) -
               GetGridNumber(surname, given_name, GridKind::Person) + 1;
    }
    return 0;
}

std::string ElementOfNumber(int number) {
    static const char *const kElements[10] = {"水", "木", "木", "火", "火", "土", "土", "金", "金", "水"};
    return kElements[std::abs(number % 10)];
}

std::string GetThreeTalents(int heaven, int person, int earth) {
    return ElementOfNumber(heaven) + ElementOfNumber(person) + ElementOfNumber(earth);
}

} // namespace mingshu::numerology
