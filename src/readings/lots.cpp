// The temple lots of the lot-drawing window: the qian table of dream.dll and a draw among the stored lots.
#include "readings/lots.h"

#include "common/text.h"
#include "content/database.h"

#include <algorithm>

namespace mingshu::readings {

std::vector<Lot> ReadLots() {
    content::Query query(content::DreamDbConnectionString());
    query.Open("select num, grade, verse, content from qian");
    std::vector<Lot> lots;
    for (; !query.Eof(); query.Next()) {
        long long number = 0;
        if (!ParseInt(query.Text(0), number) || number < 1 || number > 100000)
            continue;
        lots.push_back({static_cast<int>(number), query.Text(1), query.Text(2), query.Text(3)});
    }
    std::stable_sort(lots.begin(), lots.end(), [](const Lot &a, const Lot &b) { return a.number < b.number; });
    return lots;
}

std::optional<Lot> DrawLot(const std::vector<Lot> &lots, const std::function<std::uint32_t()> &random) {
    if (lots.empty())
        return std::nullopt;
    // The draw picks a stored lot, not a number: a table with gaps in its numbering still never yields a lot that
    // is not there. Rejection sampling keeps the chances equal for any count.
    const std::uint64_t count = lots.size();
    const std::uint64_t range = std::uint64_t{1} << 32;
    const std::uint64_t limit = range - range % count;
    std::uint64_t value = random();
    while (value >= limit)
        value = random();
    return lots[static_cast<std::size_t>(value % count)];
}

} // namespace mingshu::readings
