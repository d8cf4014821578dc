// The widths of byte strings in one font, added up from the widths of their characters, each
// character measured once however many names it appears in. Text extents are the sums of their
// characters' advances (the system's text measuring applies no kerning), except for the overhang
// of a synthesised bold or italic face, which each measured piece carries once and the whole
// string carries once too.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>

#include "core/dbcs_text.h"

namespace dbcs {

class CharacterWidths {
public:
    // Measures a piece of text of that many bytes in the font, overhang included.
    using Measure = std::function<int(const char* text, std::size_t bytes)>;

    CharacterWidths(Measure measure, int overhang, LeadBytePredicate isLead);

    // 0 for the empty string, as the system measures it.
    int Width(const char* text, std::size_t bytes);
    int Width(const std::string& text) { return Width(text.data(), text.size()); }
    // How many pieces have been measured so far.
    std::size_t Measured() const { return measured_; }

private:
    int CharacterWidth(const char* character, std::size_t bytes);

    Measure measure_;
    int overhang_;
    LeadBytePredicate isLead_;
    static constexpr int kUnknown = -1;
    std::array<int, 256> single_;
    std::unordered_map<std::uint16_t, int> double_;
    std::size_t measured_ = 0;
};

}  // namespace dbcs
