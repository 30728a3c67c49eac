#include "top_ten_collector.h"

namespace kalvo {

TopTenCollector::TopTenCollector()
{
    differences.fill(-std::numeric_limits<double>::infinity()); // padding never wins
    for (int slot = 0; slot < topTenSize; ++slot)
        differences[slot] = records[slot].difference;
    for (int slot = 0; slot < leaves; ++slot)
        winner[leaves + slot] = slot;
    playAllMatches();
}

void TopTenCollector::offerCandidate(const TopTenRecord& candidate)
{
    const int slot = winner[1];
    if (candidate.difference < differences[slot])
        place(slot, candidate);
}

void TopTenCollector::place(int slot, const TopTenRecord& record)
{
    records[slot] = record;
    differences[slot] = record.difference;
    for (int node = (leaves + slot) / 2; node >= 1; node /= 2)
        playMatch(node);
}

void TopTenCollector::playMatch(int node)
{
    const int left = winner[2 * node];
    const int right = winner[2 * node + 1];
    winner[node] = differences[right] > differences[left] ? right : left;
}

void TopTenCollector::playAllMatches()
{
    for (int node = leaves - 1; node >= 1; --node)
        playMatch(node);
}

} // namespace kalvo
