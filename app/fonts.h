// The three fonts the user chooses (tabs, folder tree, folder lists), kept whole in fontdata.dat.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

constexpr uint32_t kFontFileVersion = 90;

struct FontChoices {
    LOGFONTA tab;
    LOGFONTA tree;
    LOGFONTA list;
};

FontChoices DefaultFontChoices();
// fontdata.dat at that path. A missing, foreign or short file gives the defaults for all three.
FontChoices LoadFonts(const std::string& path);
bool SaveFonts(const std::string& path, const FontChoices& fonts);
