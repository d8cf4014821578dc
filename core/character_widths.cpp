#include "core/character_widths.h"

#include <utility>

namespace dbcs {

CharacterWidths::CharacterWidths(Measure measure, int overhang, LeadBytePredicate isLead)
    : measure_(std::move(measure)), overhang_(overhang), isLead_(isLead) {
    single_.fill(kUnknown);
}

int CharacterWidths::CharacterWidth(const char* character, std::size_t bytes) {
    auto first = static_cast<unsigned char>(character[0]);
    int* known = nullptr;
    if (bytes == 1) {
        known = &single_[first];
    } else {
        auto key = static_cast<std::uint16_t>(first << 8 | static_cast<unsigned char>(character[1]));
        known = &double_.emplace(key, kUnknown).first->second;
    }
    if (*known == kUnknown) {
        *known = measure_(character, bytes) - overhang_;
        ++measured_;
    }
    return *known;
}

int CharacterWidths::Width(const char* text, std::size_t bytes) {
    if (bytes == 0) return 0;
    int width = overhang_;
    for (std::size_t i = 0; i < bytes;) {
        // A lead byte that ends the string has no trail byte and is measured on its own.
        std::size_t characterBytes = isLead_(static_cast<unsigned char>(text[i])) && i + 1 < bytes ? 2 : 1;
        width += CharacterWidth(text + i, characterBytes);
        i += characterBytes;
    }
    return width;
}

}  // namespace dbcs
