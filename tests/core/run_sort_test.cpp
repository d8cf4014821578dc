#include "core/run_sort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <random>
#include <utility>
#include <vector>

namespace {

// A key to sort by and the place the item came from, to see that equal keys keep their order.
struct Keyed {
    int key;
    std::size_t origin;
};

bool operator==(const Keyed& a, const Keyed& b) { return a.key == b.key && a.origin == b.origin; }

class CountingLess {
public:
    explicit CountingLess(std::size_t& count) : count_(count) {}
    bool operator()(const Keyed& a, const Keyed& b) {
        ++count_;
        return a.key < b.key;
    }

private:
    std::size_t& count_;
};

std::vector<Keyed> WithOrigins(const std::vector<int>& keys) {
    std::vector<Keyed> items;
    for (std::size_t i = 0; i < keys.size(); ++i) items.push_back(Keyed{keys[i], i});
    return items;
}

std::vector<Keyed> StableSorted(std::vector<Keyed> items) {
    std::stable_sort(items.begin(), items.end(), [](const Keyed& a, const Keyed& b) { return a.key < b.key; });
    return items;
}

std::size_t SortCounting(std::vector<Keyed>& items) {
    std::size_t comparisons = 0;
    runsort::Sort(items, CountingLess(comparisons));
    return comparisons;
}

TEST(RunSortTest, InputInOrderOrInReverseCostsOneComparisonAnItem) {
    std::vector<int> rising;
    for (int i = 0; i < 10000; ++i) rising.push_back(i);
    std::vector<Keyed> ordered = WithOrigins(rising);
    EXPECT_EQ(rising.size() - 1, SortCounting(ordered));
    EXPECT_EQ(StableSorted(WithOrigins(rising)), ordered);

    std::vector<int> falling(rising.rbegin(), rising.rend());
    std::vector<Keyed> reversed = WithOrigins(falling);
    EXPECT_EQ(falling.size() - 1, SortCounting(reversed));
    EXPECT_EQ(StableSorted(WithOrigins(falling)), reversed);
}

TEST(RunSortTest, AShuffledInputComesOutAsAStableSortWithFewerComparisonsThanItsBound) {
    std::mt19937 random(7);
    std::vector<int> keys;
    // Many equal keys, so that stability is put to the test.
    for (int i = 0; i < 20000; ++i) keys.push_back(static_cast<int>(random() % 500));
    std::vector<Keyed> items = WithOrigins(keys);
    std::size_t comparisons = SortCounting(items);
    EXPECT_EQ(StableSorted(WithOrigins(keys)), items);
    // No more than a merge sort's worst case, n times the rounded-up log2 n: 20,000 times 15.
    EXPECT_LE(comparisons, 300000u);
}

TEST(RunSortTest, EqualNeighboursInAFallingStretchKeepTheirOrder) {
    std::vector<int> keys = {5, 4, 4, 3, 3, 3, 1, 2, 2, 0};
    std::vector<Keyed> items = WithOrigins(keys);
    SortCounting(items);
    EXPECT_EQ(StableSorted(WithOrigins(keys)), items);
}

TEST(RunSortTest, AFewItemsOutOfPlaceInALongRunCostLittle) {
    std::vector<int> keys;
    for (int i = 0; i < 10000; ++i) keys.push_back(i);
    std::swap(keys[100], keys[9000]);
    std::vector<Keyed> items = WithOrigins(keys);
    std::size_t comparisons = SortCounting(items);
    EXPECT_EQ(StableSorted(WithOrigins(keys)), items);
    EXPECT_LT(comparisons, 40000u);
}

TEST(RunSortTest, NoneOrOneItemNeedsNoComparison) {
    std::vector<Keyed> none;
    EXPECT_EQ(0u, SortCounting(none));
    std::vector<Keyed> one = WithOrigins({42});
    EXPECT_EQ(0u, SortCounting(one));
    EXPECT_EQ(WithOrigins({42}), one);
}

}  // namespace
