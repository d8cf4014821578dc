// fontdata.dat: the three fonts the user chooses (tabs, folder tree, folder lists), each kept whole
// as the system's 60-byte font description. No Windows header: the descriptions travel as bytes,
// so the codec is built natively and fuzzed; the program copies them into its own structures.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

#include "core/datafile.h"

namespace fontfile {

constexpr uint32_t kVersion = 90;
constexpr size_t kRecordSize = 60;
// Where the description keeps the fields that the defaults set; every other byte stays zero.
constexpr size_t kHeightOffset = 0;
constexpr size_t kWeightOffset = 16;
constexpr size_t kCharSetOffset = 23;
constexpr size_t kPitchAndFamilyOffset = 27;
// The face name, which the system reads as a string ending within these bytes.
constexpr size_t kFaceOffset = 28;
constexpr size_t kFaceSize = 32;
constexpr int32_t kNormalWeight = 400;
constexpr int32_t kBoldWeight = 700;
constexpr uint8_t kShiftJisCharSet = 128;

using Record = std::array<uint8_t, kRecordSize>;

struct Fonts {
    Record tab;
    Record tree;
    Record list;
};

// The fonts of a first start: a bold Gothic on the tabs, a regular one in the tree and the lists.
Fonts Defaults();

// Whether the face name has its terminator within its bytes.
bool HasTerminatedFace(const Record& record);

// The three records in order, each as it is.
void Encode(const Fonts& fonts, datafile::PayloadWriter& payload);

// A payload that cannot hold the three records gives the defaults for all three. A record whose
// face name has no terminator, which the system would read past, gives that one font its default:
// such a name was never chosen in the font dialog, and cutting it short would leave the system to
// pick some other face. The other fonts load as they were saved.
Fonts Decode(datafile::PayloadReader& payload);

}  // namespace fontfile
