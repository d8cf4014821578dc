// The one look of every file size, time, attribute set, cut label and pale background that the
// lists, tooltips, info strips and tabs show. Text is in code page 932. No Windows header: the
// rules are built natively too.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// The FILE_ATTRIBUTE_* bits that have a letter.
constexpr unsigned kAttributeReadOnly = 0x1;
constexpr unsigned kAttributeHidden = 0x2;
constexpr unsigned kAttributeSystem = 0x4;
constexpr unsigned kAttributeArchive = 0x20;

// The size that find data gives as two halves, read as signed: a size with the top bit set is
// negative and shows as "0バイト".
int64_t FileSizeFromHalves(uint32_t high, uint32_t low);

// For the info strips: two, one or no decimals of KB and MB so that about three digits show.
std::string FormatSizePrecise(int64_t size);
// For the list columns and tooltips: whole units, rounded up, so that a non-empty file never
// reads as 0KB.
std::string FormatSizeRoundedUp(int64_t size);

// A local time, already converted from UTC.
struct LocalDateTime {
    int year;
    int month;
    int day;
    int hour;
    int minute;
};
std::string FormatDateTime(const LocalDateTime& time);

// "RHSA" order, a letter for each bit that is set; other bits add nothing.
std::string FormatAttributes(unsigned attributes);

// The text itself when it fits in limit bytes; otherwise as much of it as fits with "..." after
// it, never ending in half a double-byte character.
std::string CutToBytes(const std::string& text, size_t limit);

// A COLORREF (0x00BBGGRR) lightened nine tenths of the way to white.
uint32_t PaleColour(uint32_t colour);
