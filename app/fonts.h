// The three fonts the user chooses (tabs, folder tree, folder lists), kept whole in fontdata.dat.
#pragma once
#include <windows.h>

#include <string>

struct FontChoices {
    LOGFONTA tab;
    LOGFONTA tree;
    LOGFONTA list;
};

FontChoices DefaultFontChoices();
// fontdata.dat at that path. A missing, foreign or short file gives the defaults for all three; a
// font whose face name has no terminator gets its own default.
FontChoices LoadFonts(const std::string& path);
bool SaveFonts(const std::string& path, const FontChoices& fonts);
