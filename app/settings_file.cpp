#include "app/settings_file.h"

#include <windows.h>

#include <vector>

#include "win/datafile_io.h"
#include "win/file_read.h"

namespace {

// Far more than the keys the program writes and any the user may have added.
constexpr std::size_t kLargestSettingsFile = 16u * 1024 * 1024;

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
        if (!WritePrivateProfileStringA(section, key, value.c_str(), path_.c_str())) failed_ = true;
    }
    // Every value reached the file; the profile functions keep nothing of it back for later.
    bool Complete() const {
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, path_.c_str());
        return !failed_;
    }

private:
    std::string path_;
    bool failed_ = false;
};

// The new file starts as the old one, so that the sections and keys that the program does not
// know, and the order and look of those it does, stay as they were. Without an old file the
// profile functions make the new one from nothing, as they would in place.
bool StartFromOldFile(const std::string& path, const std::string& temporary) {
    if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
        return DeleteFileA(temporary.c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND;
    }
    std::vector<uint8_t> bytes;
    return ReadWholeFile(path, bytes, kLargestSettingsFile) && WriteWholeFile(temporary, bytes);
}

}  // namespace

void LoadSettingsFile(const ProgramFolder& folder, Settings& settings, FontChoices& fonts) {
    ProfileStore store(folder.DataFile(kSettingsFileName));
    LoadSettings(store, settings, [&] { fonts = LoadFonts(folder.DataFile(kFontFileName)); });
}

bool SaveSettingsFile(const ProgramFolder& folder, const Settings& settings, const FontChoices& fonts) {
    // The profile functions write a key at a time: they make the new file beside the old one,
    // which it replaces whole.
    const std::string path = folder.DataFile(kSettingsFileName);
    return ReplaceFileWhole(path, [&](const std::string& temporary) {
        if (!StartFromOldFile(path, temporary)) return false;
        ProfileStore store(temporary);
        SaveSettings(store, settings, [&] { SaveFonts(folder.DataFile(kFontFileName), fonts); });
        return store.Complete();
    });
}
