// The texts of the lists' info strips and of their item tooltips. No Windows header: built and
// tested natively too.
#pragma once
#include <cstddef>
#include <string>

// "n objects (size)" for the whole list, and the same for the selection.
std::string TotalStatusText(size_t itemCount, const std::string& sizeText);
std::string SelectionStatusText(size_t selectedCount, const std::string& sizeText);

// What an item's tooltip may say; a part the settings switch off, or that the item lacks, is empty.
struct InfoTipParts {
    // Only when the list does not show the whole name.
    std::string name;
    std::string size, date, attributes, comment;
};

// The lines of the tooltip in the order name, size, date, attributes, comment, each on its own
// line with its label. A part that would not fit the control's buffer with its terminator is left
// out, and the parts after it may still come.
std::string ComposeInfoTip(const InfoTipParts& parts, size_t bufferSize);
