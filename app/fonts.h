// The three fonts the user chooses (tabs, folder tree, folder lists), kept whole in fontdata.dat.
#pragma once
#include <windows.h>

struct FontChoices {
    LOGFONTA tab;
    LOGFONTA tree;
    LOGFONTA list;
};

extern FontChoices g_fonts;

FontChoices DefaultFontChoices();
// A missing, foreign or short file gives the defaults for all three.
void LoadFonts();
void SaveFonts();
