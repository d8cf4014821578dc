// t.ini and fontdata.dat in the data folder: read once while the main window is created, written
// once while it is destroyed.
#pragma once
#include "app/fonts.h"
#include "core/settings_table.h"
#include "win/program_folder.h"

constexpr char kSettingsFileName[] = "t.ini";
constexpr char kFontFileName[] = "fontdata.dat";

void LoadSettingsFile(const ProgramFolder& folder, Settings& settings, FontChoices& fonts);
void SaveSettingsFile(const ProgramFolder& folder, const Settings& settings, const FontChoices& fonts);
