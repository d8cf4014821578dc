// Byte strings in a double-byte code page (Shift-JIS), cut and trimmed without ever separating
// a lead byte from its trail byte. Which bytes lead is asked of the caller, so that the code
// page stays the system's.
#pragma once
#include <cstddef>
#include <string>

namespace dbcs {

using LeadBytePredicate = bool (*)(unsigned char byte);

// Fixed text buffers hold this many bytes before their terminator.
constexpr std::size_t kTextBufferBytes = 260;
constexpr std::size_t kMaxTextBytes = kTextBufferBytes - 1;

// The length of the longest start of text that fits in maxBytes and ends on a character
// boundary. A lead byte with no trail byte after it is not a whole character and is left out.
std::size_t FittingLength(const std::string& text, std::size_t maxBytes, LeadBytePredicate isLead);

std::string CutToFit(const std::string& text, std::size_t maxBytes, LeadBytePredicate isLead);

// The lead bytes of code page 932, for text that is Shift-JIS whatever the system's code page.
bool IsShiftJisLeadByte(unsigned char byte);

// Where the last character that is one of the single-byte `characters` stands, or npos. The
// trail byte of a double-byte character, such as the 5C of 表 (95 5C), never counts, and a
// lead byte with nothing after it is taken as a character of its own.
std::size_t FindLastOf(const std::string& text, const char* characters, LeadBytePredicate isLead);

// Whether the last character is a backslash of its own, not the trail byte of a double-byte
// character such as 表 (95 5C).
bool EndsInBackslash(const std::string& path, LeadBytePredicate isLead);

// Drops one trailing backslash, so that "C:\" reads "C:", unless the string is that one
// character or the last byte is the trail byte of a double-byte character such as 表 (95 5C).
std::string DropTrailingBackslash(const std::string& path, LeadBytePredicate isLead);

}  // namespace dbcs
