#include "app/fonts.h"

#include <cstddef>
#include <cstring>

#include "core/font_file.h"
#include "win/datafile_io.h"

namespace {

static_assert(sizeof(LOGFONTA) == fontfile::kRecordSize, "fontdata.dat holds the structure whole");
static_assert(offsetof(LOGFONTA, lfHeight) == fontfile::kHeightOffset &&
                  offsetof(LOGFONTA, lfWeight) == fontfile::kWeightOffset &&
                  offsetof(LOGFONTA, lfCharSet) == fontfile::kCharSetOffset &&
                  offsetof(LOGFONTA, lfPitchAndFamily) == fontfile::kPitchAndFamilyOffset &&
                  offsetof(LOGFONTA, lfFaceName) == fontfile::kFaceOffset && LF_FACESIZE == fontfile::kFaceSize,
              "the records' fields lie where the structure has them");
static_assert(FW_NORMAL == fontfile::kNormalWeight && FW_BOLD == fontfile::kBoldWeight &&
                  SHIFTJIS_CHARSET == fontfile::kShiftJisCharSet,
              "the defaults use the system's numbers");

LOGFONTA FontOf(const fontfile::Record& record) {
    LOGFONTA font;
    std::memcpy(&font, record.data(), sizeof font);
    return font;
}

fontfile::Record RecordOf(const LOGFONTA& font) {
    fontfile::Record record;
    std::memcpy(record.data(), &font, sizeof font);
    return record;
}

FontChoices ChoicesOf(const fontfile::Fonts& fonts) {
    return FontChoices{FontOf(fonts.tab), FontOf(fonts.tree), FontOf(fonts.list)};
}

}  // namespace

FontChoices DefaultFontChoices() { return ChoicesOf(fontfile::Defaults()); }

FontChoices LoadFonts(const std::string& path) {
    DataFileContents file(path);
    if (!file.Valid()) return DefaultFontChoices();
    return ChoicesOf(fontfile::Decode(file.Payload()));
}

bool SaveFonts(const std::string& path, const FontChoices& fonts) {
    datafile::PayloadWriter payload;
    fontfile::Encode(fontfile::Fonts{RecordOf(fonts.tab), RecordOf(fonts.tree), RecordOf(fonts.list)}, payload);
    return WriteDataFile(path, fontfile::kVersion, payload);
}
