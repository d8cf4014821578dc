// t.ini in the data folder: read once while the main window is created, written once while it
// is destroyed.
#pragma once
#include "core/settings_table.h"

extern Settings g_settings;

void LoadSettingsFile();
void SaveSettingsFile();
