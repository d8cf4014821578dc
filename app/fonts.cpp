#include "app/fonts.h"

#include <cstring>

#include "win/datafile_io.h"

FontChoices g_fonts = DefaultFontChoices();

namespace {

const char kFontFile[] = "fontdata.dat";
constexpr uint32_t kFontFileVersion = 90;
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

void LoadFonts() {
    DataFileContents file(kFontFile);
    FontChoices read{};
    datafile::PayloadReader& payload = file.Payload();
    if (file.Valid() && payload.ReadBytes(&read.tab, sizeof read.tab) && payload.ReadBytes(&read.tree, sizeof read.tree) &&
        payload.ReadBytes(&read.list, sizeof read.list)) {
        g_fonts = read;
    } else {
        g_fonts = DefaultFontChoices();
    }
}

void SaveFonts() {
    datafile::PayloadWriter payload;
    payload.PutBytes(&g_fonts.tab, sizeof g_fonts.tab);
    payload.PutBytes(&g_fonts.tree, sizeof g_fonts.tree);
    payload.PutBytes(&g_fonts.list, sizeof g_fonts.list);
    WriteDataFile(kFontFile, kFontFileVersion, payload);
}
