#include "core/request_queue.h"

#include <iterator>

namespace thumbs {

void RequestQueue::Push(const std::string& key) {
    auto place = places_.find(key);
    if (place != places_.end()) {
        byAge_.erase(place->second);
        place->second = next_;
    } else {
        places_.emplace(key, next_);
    }
    byAge_.emplace(next_, key);
    ++next_;
}

bool RequestQueue::Take(std::string& key) {
    if (byAge_.empty()) return false;
    auto newest = std::prev(byAge_.end());
    key = std::move(newest->second);
    byAge_.erase(newest);
    places_.erase(key);
    return true;
}

void RequestQueue::Clear() {
    byAge_.clear();
    places_.clear();
}

}  // namespace thumbs
