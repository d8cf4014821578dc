// Identifier lists made up for the file codecs' tests: one item per name, each item its count and
// the name's bytes, then the terminator.
#pragma once
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

inline std::vector<uint8_t> ListOf(std::initializer_list<std::string> names) {
    std::vector<uint8_t> bytes;
    for (const std::string& name : names) {
        size_t count = name.size() + 2;
        bytes.push_back(static_cast<uint8_t>(count));
        bytes.push_back(static_cast<uint8_t>(count >> 8));
        bytes.insert(bytes.end(), name.begin(), name.end());
    }
    bytes.push_back(0);
    bytes.push_back(0);
    return bytes;
}
