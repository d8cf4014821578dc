// The record a second start sends to the running instance: N slots of 260 bytes, each holding
// one command-line path as a zero-terminated string in the system code page.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace handover {

constexpr size_t kSlotSize = 260;

// True when the path fits a slot with its terminator.
bool FitsSlot(const std::string& path);

// Paths that do not fit a slot must have been left out by the caller.
std::vector<char> BuildRecord(const std::vector<std::string>& paths);

// Reads a record from another process without trusting it: a record whose byte count cannot
// hold slotCount slots is ignored whole, and a slot without a terminator inside it is skipped.
std::vector<std::string> ReadRecord(uint64_t slotCount, const void* data, size_t byteCount);

}  // namespace handover
