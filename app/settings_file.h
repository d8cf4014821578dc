// t.ini and fontdata.dat in the data folder: read once while the main window is created, written
// whenever everything is saved.
#pragma once
#include "app/fonts.h"
#include "core/settings_table.h"
#include "win/program_folder.h"

constexpr char kSettingsFileName[] = "t.ini";
constexpr char kFontFileName[] = "fontdata.dat";

void LoadSettingsFile(const ProgramFolder& folder, Settings& settings, FontChoices& fonts);
// Each file is replaced whole, so that a save cut short leaves it as it was. False when t.ini was
// not replaced.
bool SaveSettingsFile(const ProgramFolder& folder, const Settings& settings, const FontChoices& fonts);
