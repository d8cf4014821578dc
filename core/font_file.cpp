#include "core/font_file.h"

#include <algorithm>
#include <cstring>

namespace fontfile {

namespace {

void PutInt(Record& record, size_t offset, int32_t value) {
    for (size_t byte = 0; byte < 4; ++byte)
        record[offset + byte] = static_cast<uint8_t>(static_cast<uint32_t>(value) >> (8 * byte));
}

Record Gothic(int32_t height, int32_t weight, uint8_t pitchAndFamily) {
    static const char kFace[] = "ＭＳ Ｐゴシック";
    static_assert(sizeof kFace <= kFaceSize, "the default face fits its field with its terminator");
    Record record{};
    PutInt(record, kHeightOffset, height);
    PutInt(record, kWeightOffset, weight);
    record[kCharSetOffset] = kShiftJisCharSet;
    record[kPitchAndFamilyOffset] = pitchAndFamily;
    std::memcpy(&record[kFaceOffset], kFace, sizeof kFace);
    return record;
}

void KeepIfUsable(const Record& read, Record& font) {
    if (HasTerminatedFace(read)) font = read;
}

}  // namespace

Fonts Defaults() {
    return Fonts{Gothic(-14, kBoldWeight, 1), Gothic(-13, kNormalWeight, 0), Gothic(-13, kNormalWeight, 0)};
}

bool HasTerminatedFace(const Record& record) {
    const uint8_t* face = record.data() + kFaceOffset;
    return std::find(face, face + kFaceSize, 0) != face + kFaceSize;
}

void Encode(const Fonts& fonts, datafile::PayloadWriter& payload) {
    for (const Record* record : {&fonts.tab, &fonts.tree, &fonts.list}) payload.PutBytes(record->data(), kRecordSize);
}

Fonts Decode(datafile::PayloadReader& payload) {
    Fonts fonts = Defaults();
    Fonts read{};
    if (!payload.ReadBytes(read.tab.data(), kRecordSize) || !payload.ReadBytes(read.tree.data(), kRecordSize) ||
        !payload.ReadBytes(read.list.data(), kRecordSize))
        return fonts;
    KeepIfUsable(read.tab, fonts.tab);
    KeepIfUsable(read.tree, fonts.tree);
    KeepIfUsable(read.list, fonts.list);
    return fonts;
}

}  // namespace fontfile
