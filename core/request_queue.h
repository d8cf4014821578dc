// The pictures waiting for a thumbnail worker, newest request first: what was drawn last is what
// the user looks at now, so a row scrolled into view overtakes the rows scrolled past. No
// Windows header; the owner guards it with its own lock.
#pragma once
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <unordered_map>

namespace thumbs {

class RequestQueue {
public:
    // Queues the key, or moves it to the front when it waits already.
    void Push(const std::string& key);
    // The newest key, taken off the queue; false when none waits.
    bool Take(std::string& key);
    bool Waiting(const std::string& key) const { return places_.count(key) != 0; }
    size_t Size() const { return places_.size(); }
    void Clear();

private:
    uint64_t next_ = 0;
    std::map<uint64_t, std::string> byAge_;
    std::unordered_map<std::string, uint64_t> places_;
};

}  // namespace thumbs
