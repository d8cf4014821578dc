#include "core/drag_blocks.h"

#include <cstring>
#include <limits>
#include <utility>

namespace dragblocks {

namespace {

constexpr size_t kListEndBytes = 2;

bool IsBareDrive(const std::string& path) {
    if (path.size() != 2 || path[1] != ':') return false;
    char letter = path[0];
    return (letter >= 'A' && letter <= 'Z') || (letter >= 'a' && letter <= 'z');
}

bool AddSize(size_t& total, size_t more) {
    if (more > std::numeric_limits<size_t>::max() - total) return false;
    total += more;
    return true;
}

void WriteField(uint8_t* at, uint32_t value) { std::memcpy(at, &value, sizeof value); }

}  // namespace

std::string DroppedPath(const std::string& path, dbcs::LeadBytePredicate isLead) {
    std::string text = path.substr(0, path.find('\0'));
    if (IsBareDrive(text)) return text + '\\';
    return dbcs::CutToFit(text, dbcs::kMaxTextBytes, isLead);
}

std::vector<uint8_t> TextBlock(const std::vector<std::string>& paths, dbcs::LeadBytePredicate isLead) {
    for (const std::string& path : paths) {
        std::string text = DroppedPath(path, isLead);
        if (text.empty()) continue;
        std::vector<uint8_t> block(text.begin(), text.end());
        block.push_back(0);
        return block;
    }
    return {};
}

std::vector<uint8_t> FileListBlock(const std::vector<std::string>& paths, dbcs::LeadBytePredicate isLead) {
    std::vector<std::string> dropped;
    dropped.reserve(paths.size());
    size_t total = kFileListHeaderBytes + kListEndBytes;
    for (const std::string& path : paths) {
        std::string text = DroppedPath(path, isLead);
        if (text.empty()) continue;
        if (!AddSize(total, text.size()) || !AddSize(total, 1)) return {};
        dropped.push_back(std::move(text));
    }
    if (dropped.empty()) return {};

    std::vector<uint8_t> block(total, 0);
    WriteField(block.data(), static_cast<uint32_t>(kFileListHeaderBytes));
    size_t at = kFileListHeaderBytes;
    for (const std::string& text : dropped) {
        std::memcpy(block.data() + at, text.data(), text.size());
        at += text.size() + 1;
    }
    return block;
}

}  // namespace dragblocks
