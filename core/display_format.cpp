#include "core/display_format.h"

#include <cstdio>
#include <limits>

#include "core/dbcs_text.h"

namespace {

constexpr int64_t kKilo = int64_t{1} << 10;
constexpr int64_t kMega = int64_t{1} << 20;
constexpr int64_t kGiga = int64_t{1} << 30;
constexpr int64_t kTera = int64_t{1} << 40;
constexpr int64_t kPeta = int64_t{1} << 50;

const char kNoSize[] = "0バイト";

struct SizeBand {
    int64_t below;  // the first size past the band
    int64_t unit;
    const char* format;
};

constexpr int64_t kNoLimit = std::numeric_limits<int64_t>::max();

// GB and up keep no decimals whatever the number of digits.
const SizeBand kPreciseBands[] = {
    {10000, kKilo, "%.2fKB"},    {100000, kKilo, "%.1fKB"},    {kMega, kKilo, "%.0fKB"},
    {10000000, kMega, "%.2fMB"}, {100000000, kMega, "%.1fMB"}, {kGiga, kMega, "%.0fMB"},
    {kTera, kGiga, "%.0fGB"},    {kPeta, kTera, "%.0fTB"},     {kNoLimit, kPeta, "%.0fPB"},
};

// Below 1MB everything, even a few bytes, reads as KB.
const SizeBand kRoundedUpBands[] = {
    {kMega, kKilo, "%.0fKB"}, {kGiga, kMega, "%.0fMB"},    {kTera, kGiga, "%.0fGB"},
    {kPeta, kTera, "%.0fTB"}, {kNoLimit, kPeta, "%.0fPB"},
};

template <size_t Count>
const SizeBand& BandOf(const SizeBand (&bands)[Count], int64_t size) {
    for (const SizeBand& band : bands)
        if (size < band.below) return band;
    return bands[Count - 1];
}

std::string Printed(const char* format, double value) {
    char text[32];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

uint32_t PaleChannel(uint32_t channel) {
    // A byte times a float is exact in double, so the floor is that of the true product and
    // does not depend on whether the compiler keeps the product in single precision.
    const double towardsWhite = static_cast<double>(0.89999998f);
    return channel + static_cast<uint32_t>((255 - channel) * towardsWhite);
}

}  // namespace

int64_t FileSizeFromHalves(uint32_t high, uint32_t low) {
    return static_cast<int64_t>((static_cast<uint64_t>(high) << 32) | low);
}

std::string FormatSizePrecise(int64_t size) {
    if (size < 0) return kNoSize;
    if (size < kKilo) {
        char text[32];
        std::snprintf(text, sizeof text, "%dバイト", static_cast<int>(size));
        return text;
    }
    const SizeBand& band = BandOf(kPreciseBands, size);
    return Printed(band.format, static_cast<double>(size) / static_cast<double>(band.unit));
}

std::string FormatSizeRoundedUp(int64_t size) {
    if (size < 0) return kNoSize;
    const SizeBand& band = BandOf(kRoundedUpBands, size);
    // In whole numbers: near the top of the range the size itself has no exact double.
    int64_t units = size / band.unit + (size % band.unit != 0 ? 1 : 0);
    return Printed(band.format, static_cast<double>(units));
}

std::string FormatDateTime(const LocalDateTime& time) {
    char text[64];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d %02d:%02d", time.year, time.month, time.day, time.hour,
                  time.minute);
    return text;
}

std::string FormatAttributes(unsigned attributes) {
    std::string letters;
    if (attributes & kAttributeReadOnly) letters += 'R';
    if (attributes & kAttributeHidden) letters += 'H';
    if (attributes & kAttributeSystem) letters += 'S';
    if (attributes & kAttributeArchive) letters += 'A';
    return letters;
}

std::string CutToBytes(const std::string& text, size_t limit) {
    static const std::string kEllipsis = "...";
    if (text.size() <= limit) return text;
    // Too narrow for any text: what fits of the dots still says that something was left out.
    if (limit < kEllipsis.size()) return kEllipsis.substr(0, limit);
    return dbcs::CutToFit(text, limit - kEllipsis.size(), &dbcs::IsShiftJisLeadByte) + kEllipsis;
}

uint32_t PaleColour(uint32_t colour) {
    uint32_t red = PaleChannel(colour & 0xFF);
    uint32_t green = PaleChannel((colour >> 8) & 0xFF);
    uint32_t blue = PaleChannel((colour >> 16) & 0xFF);
    return red | (green << 8) | (blue << 16);
}
