// The temple lots of the lot-drawing window: the qian table of dream.dll and a draw among the stored lots.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace mingshu::readings {

struct Lot {
    int number = 0;
    std::string grade;   // 上上, 中吉, 下下 …
    std::string verse;   // four lines joined by '\n'
    std::string content; // the interpretation
};

// Every stored lot in the order of its number. Rows whose num is not a positive number are left out.
// Throws SilentAbort when the database cannot be read.
std::vector<Lot> ReadLots();

// Picks one of the given lots with equal chance; `random` returns any 32-bit value. Nothing when there are no lots.
std::optional<Lot> DrawLot(const std::vector<Lot> &lots, const std::function<std::uint32_t()> &random);

} // namespace mingshu::readings
