#include "core/dbcs_text.h"

#include <cstring>

namespace dbcs {

namespace {

// Walks from the start, because a trail byte can have the value of a lead byte and only the
// walk tells the two apart. Returns where the character holding position `index` starts.
std::size_t CharacterStart(const std::string& text, std::size_t index, LeadBytePredicate isLead) {
    std::size_t start = 0;
    while (start < index) {
        std::size_t width = isLead(static_cast<unsigned char>(text[start])) ? 2 : 1;
        if (start + width > index) break;
        start += width;
    }
    return start;
}

}  // namespace

bool IsShiftJisLeadByte(unsigned char byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }

std::size_t FindLastOf(const std::string& text, const char* characters, LeadBytePredicate isLead) {
    std::size_t found = std::string::npos;
    std::size_t at = 0;
    while (at < text.size()) {
        if (isLead(static_cast<unsigned char>(text[at])) && at + 1 < text.size()) {
            at += 2;
            continue;
        }
        if (text[at] != '\0' && std::strchr(characters, text[at])) found = at;
        ++at;
    }
    return found;
}

std::size_t FittingLength(const std::string& text, std::size_t maxBytes, LeadBytePredicate isLead) {
    std::size_t length = 0;
    while (length < text.size()) {
        std::size_t width = isLead(static_cast<unsigned char>(text[length])) ? 2 : 1;
        if (length + width > text.size() || length + width > maxBytes) break;
        length += width;
    }
    return length;
}

std::string CutToFit(const std::string& text, std::size_t maxBytes, LeadBytePredicate isLead) {
    return text.substr(0, FittingLength(text, maxBytes, isLead));
}

bool EndsInBackslash(const std::string& path, LeadBytePredicate isLead) {
    if (path.empty() || path.back() != '\\') return false;
    std::size_t last = path.size() - 1;
    return CharacterStart(path, last, isLead) == last;
}

std::string DropTrailingBackslash(const std::string& path, LeadBytePredicate isLead) {
    if (path.size() < 2 || !EndsInBackslash(path, isLead)) return path;
    return path.substr(0, path.size() - 1);
}

}  // namespace dbcs
