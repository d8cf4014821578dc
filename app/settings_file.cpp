#include "app/settings_file.h"

#include <windows.h>

namespace {

class ProfileStore : public SettingsStore {
public:
    explicit ProfileStore(std::string path) : path_(std::move(path)) {}

    int ReadInt(const char* section, const char* key, int defaultValue) override {
        return static_cast<int>(GetPrivateProfileIntA(section, key, defaultValue, path_.c_str()));
    }
    std::string ReadText(const char* section, const char* key, const char* defaultText) override {
        char text[MAX_PATH] = {};
        GetPrivateProfileStringA(section, key, defaultText, text, sizeof text, path_.c_str());
        return text;
    }
    void Write(const char* section, const char* key, const std::string& value) override {
        WritePrivateProfileStringA(section, key, value.c_str(), path_.c_str());
    }

private:
    std::string path_;
};

}  // namespace

void LoadSettingsFile(const ProgramFolder& folder, Settings& settings, FontChoices& fonts) {
    ProfileStore store(folder.DataFile(kSettingsFileName));
    LoadSettings(store, settings, [&] { fonts = LoadFonts(folder.DataFile(kFontFileName)); });
}

void SaveSettingsFile(const ProgramFolder& folder, const Settings& settings, const FontChoices& fonts) {
    ProfileStore store(folder.DataFile(kSettingsFileName));
    SaveSettings(store, settings, [&] { SaveFonts(folder.DataFile(kFontFileName), fonts); });
}
