// A stable sort that counts comparisons, for orders whose every comparison is expensive (a call
// into the shell). It takes the runs that the input already holds as they come: a folder read in
// order costs one comparison an item, one read in reverse order as many, and any other order
// no more than a merge sort, which asks far fewer comparisons than an introsort.
#pragma once
#include <algorithm>
#include <cstddef>
#include <iterator>
#include <utility>
#include <vector>

namespace runsort {

// Runs shorter than this are lengthened by inserting the items after them, each by a binary
// search: on input without order that asks fewer comparisons than merging runs of two or three.
constexpr std::size_t kShortestRun = 32;

// Puts items[end] into the run [start, end), after any equal items.
template <typename T, typename Less>
void InsertIntoRun(std::vector<T>& items, std::size_t start, std::size_t end, Less& less) {
    std::size_t low = start, high = end;
    while (low < high) {
        std::size_t middle = low + (high - low) / 2;
        if (less(items[end], items[middle])) high = middle;
        else
            low = middle + 1;
    }
    T item = std::move(items[end]);
    std::move_backward(items.begin() + static_cast<std::ptrdiff_t>(low),
                       items.begin() + static_cast<std::ptrdiff_t>(end),
                       items.begin() + static_cast<std::ptrdiff_t>(end) + 1);
    items[low] = std::move(item);
}

// The ends of the runs in order, each run's end the next one's start. A strictly falling run is
// turned round where it stands; equal neighbours never make a falling run, so no equal items
// change places.
template <typename T, typename Less>
std::vector<std::size_t> FindRuns(std::vector<T>& items, Less& less) {
    std::vector<std::size_t> ends;
    std::size_t start = 0;
    const std::size_t count = items.size();
    while (start < count) {
        std::size_t end = start + 1;
        if (end < count) {
            bool falling = less(items[end], items[end - 1]);
            ++end;
            while (end < count && less(items[end], items[end - 1]) == falling) ++end;
            if (falling)
                std::reverse(items.begin() + static_cast<std::ptrdiff_t>(start),
                             items.begin() + static_cast<std::ptrdiff_t>(end));
        }
        for (std::size_t shortest = std::min(count, start + kShortestRun); end < shortest; ++end)
            InsertIntoRun(items, start, end, less);
        ends.push_back(end);
        start = end;
    }
    return ends;
}

// Merges [begin, middle) and [middle, end), both in order, keeping the first run's item first of
// equals. Two runs that already follow each other cost one comparison.
template <typename T, typename Less>
void MergeRuns(std::vector<T>& items, std::size_t begin, std::size_t middle, std::size_t end, std::vector<T>& buffer,
               Less& less) {
    if (!less(items[middle], items[middle - 1])) return;
    auto first = items.begin();
    buffer.assign(std::make_move_iterator(first + static_cast<std::ptrdiff_t>(begin)),
                  std::make_move_iterator(first + static_cast<std::ptrdiff_t>(middle)));
    std::size_t left = 0, right = middle, out = begin;
    while (left < buffer.size() && right < end) {
        if (less(items[right], buffer[left])) items[out++] = std::move(items[right++]);
        else
            items[out++] = std::move(buffer[left++]);
    }
    while (left < buffer.size()) items[out++] = std::move(buffer[left++]);
}

template <typename T, typename Less>
void Sort(std::vector<T>& items, Less less) {
    std::vector<std::size_t> ends = FindRuns(items, less);
    std::vector<T> buffer;
    // Neighbouring runs are merged in pairs, round after round, so that every item takes part
    // in no more merges than the logarithm of the number of runs.
    while (ends.size() > 1) {
        std::vector<std::size_t> merged;
        std::size_t begin = 0;
        for (std::size_t i = 0; i < ends.size(); i += 2) {
            if (i + 1 < ends.size()) {
                MergeRuns(items, begin, ends[i], ends[i + 1], buffer, less);
                merged.push_back(ends[i + 1]);
            } else {
                merged.push_back(ends[i]);
            }
            begin = merged.back();
        }
        ends = std::move(merged);
    }
}

}  // namespace runsort
