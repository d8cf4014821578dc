#include "app/fonts.h"

#include <cstring>

#include "win/datafile_io.h"

namespace {

static_assert(sizeof(LOGFONTA) == 60, "fontdata.dat holds 60-byte records");

LOGFONTA GothicFont(LONG height, LONG weight, BYTE pitchAndFamily) {
    LOGFONTA font{};
    font.lfHeight = height;
    font.lfWeight = weight;
    font.lfCharSet = SHIFTJIS_CHARSET;
    font.lfPitchAndFamily = pitchAndFamily;
    std::strcpy(font.lfFaceName, "ＭＳ Ｐゴシック");
    return font;
}

}  // namespace

FontChoices DefaultFontChoices() {
    return FontChoices{GothicFont(-14, FW_BOLD, 1), GothicFont(-13, FW_NORMAL, 0), GothicFont(-13, FW_NORMAL, 0)};
}

FontChoices LoadFonts(const std::string& path) {
    DataFileContents file(path);
    FontChoices read{};
    datafile::PayloadReader& payload = file.Payload();
    if (file.Valid() && payload.ReadBytes(&read.tab, sizeof read.tab) &&
        payload.ReadBytes(&read.tree, sizeof read.tree) && payload.ReadBytes(&read.list, sizeof read.list)) {
        return read;
    }
    return DefaultFontChoices();
}

bool SaveFonts(const std::string& path, const FontChoices& fonts) {
    datafile::PayloadWriter payload;
    payload.PutBytes(&fonts.tab, sizeof fonts.tab);
    payload.PutBytes(&fonts.tree, sizeof fonts.tree);
    payload.PutBytes(&fonts.list, sizeof fonts.list);
    return WriteDataFile(path, kFontFileVersion, payload);
}
