// The text and file-list blocks that a drag of files offers other programs, laid out as the
// system's clipboard formats for text and for dropped files, with paths in the system code page.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/dbcs_text.h"

namespace dragblocks {

// The file list's header: the offset of the list, the drop point, the non-client flag and the
// wide-character flag, four bytes each.
constexpr size_t kFileListHeaderBytes = 20;

// A path as the blocks carry it: no longer than the system's path buffers hold (cut before a
// character that would not fit whole, and at a zero byte), and a bare drive as its root, "C:\",
// since "C:" names the drive's current folder rather than the drive.
std::string DroppedPath(const std::string& path, dbcs::LeadBytePredicate isLead);

// The first item's path and its terminator. Items without a path (empty strings) are passed over,
// so the first item that has one stands for the drag; empty when none has a path.
std::vector<uint8_t> TextBlock(const std::vector<std::string>& paths, dbcs::LeadBytePredicate isLead);

// The header, then every item's path with its terminator, then the list's closing zero and a spare
// zero. Items without a path are left out; empty when none has one.
std::vector<uint8_t> FileListBlock(const std::vector<std::string>& paths, dbcs::LeadBytePredicate isLead);

}  // namespace dragblocks
