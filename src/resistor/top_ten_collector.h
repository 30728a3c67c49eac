#pragma once

#include "top_ten.h"

#include <algorithm>

namespace kalvo {

// Keeps the ten combinations with the smallest differences while a search visits them.
// A candidate replaces the record with the largest difference (the first of equal ones)
// when its own difference is smaller. The caller offers each combination only on its
// first visit: a mirror image of an earlier combination, or a single resistor seen
// before, is never offered (the search explains why the list rules ask no more).
class TopTenCollector {
public:
    TopTenCollector();

    // The largest difference listed: a candidate not below it cannot change the list.
    double threshold() const { return differences[winner[1]]; }

    void offerCandidate(const TopTenRecord& candidate);

    // Offers the candidates 0 .. count - 1 of run, in this order, with the result of
    // offering them one by one. Their differences must strictly decrease, and the first
    // must be below the threshold, so every one of them is taken. Run provides
    // double difference(int) and TopTenRecord record(int); a long run is read only at a
    // few places.
    template <class Run>
    void offerDescendingRun(const Run& run, int count);

    const TopTenList& list() const { return records; }

private:
    // A tournament tree over the ten records, padded to 16 leaves: node n (1 .. 15) holds
    // the slot with the largest difference below it, the lower slot among equal ones;
    // node 16 + s is slot s itself. The root names the record a candidate replaces.
    static constexpr int leaves = 16;
    // Runs up to this length are offered one by one.
    static constexpr int shortRun = 2 * topTenSize;

    void place(int slot, const TopTenRecord& record);
    void playMatch(int node);
    void playAllMatches();

    TopTenList records;
    std::array<double, leaves> differences{};
    std::array<int, 2 * leaves> winner{};
};

// A descending run replaces records in one merge of two descending sequences: the listed
// records in the order they would be replaced (largest difference first) and the run.
// Step i of the run replaces the i-th element of that merge; the run's own elements
// leave in arrival order. The listed record k that is replaced at step rank(k) hands its
// slot to candidate rank(k); a candidate replaced at step j hands its slot on to
// candidate j. The last candidates, one per replaced listed record, remain. A candidate
// equal to a listed record would need the slot order to break the tie: such a run is
// offered one by one.
template <class Run>
void TopTenCollector::offerDescendingRun(const Run& run, int count)
{
    const auto offerEach = [&] {
        for (int i = 0; i < count; ++i)
            offerCandidate(run.record(i));
    };
    if (count <= shortRun)
        return offerEach();

    std::array<int, topTenSize> order{};
    for (int slot = 0; slot < topTenSize; ++slot)
        order[slot] = slot;
    std::stable_sort(order.begin(), order.end(), [this](int a, int b) { return differences[a] > differences[b]; });

    // rank[k]: the step (1-based) that replaces listed record order[k].
    std::array<int, topTenSize> rank{};
    int replaced = 0;
    int larger = 0; // candidates with a difference above the listed record's
    for (int k = 0; k < topTenSize; ++k) {
        const double listed = differences[order[k]];
        int end = count;
        while (larger < end) {
            const int middle = larger + (end - larger) / 2;
            if (run.difference(middle) > listed)
                larger = middle + 1;
            else
                end = middle;
        }
        const bool firstNotBelowThreshold = k == 0 && larger > 0;
        if (firstNotBelowThreshold || (larger < count && run.difference(larger) == listed))
            return offerEach();
        rank[k] = k + 1 + larger;
        if (rank[k] > count)
            break;
        ++replaced;
    }

    // The slot candidate j (1-based) takes: that of the element replaced at step j.
    const auto slotTakenAtStep = [&](int step) {
        for (;;) {
            int listedBefore = 0;
            for (int k = 0; k < replaced; ++k) {
                if (rank[k] == step)
                    return order[k];
                if (rank[k] < step)
                    listedBefore = k + 1;
            }
            // Step replaced candidate step - listedBefore; skip along the chain to the
            // last step at or before the latest listed replacement.
            const int lastListed = rank[listedBefore - 1];
            step -= (step - lastListed + listedBefore - 1) / listedBefore * listedBefore;
        }
    };
    for (int i = count - replaced; i < count; ++i) {
        const int slot = slotTakenAtStep(i + 1);
        records[slot] = run.record(i);
        differences[slot] = records[slot].difference;
    }
    playAllMatches();
}

} // namespace kalvo
