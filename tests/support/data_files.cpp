#include "tests/support/data_files.h"

#include <windows.h>

#include <set>
#include <utility>

#include "app/comment_file.h"
#include "app/gesture_data.h"
#include "app/settings_file.h"
#include "app/tab_files.h"
#include "core/alias_table.h"
#include "core/comments.h"
#include "core/datafile.h"
#include "core/favourite_file.h"
#include "core/font_file.h"
#include "core/gesture_file.h"
#include "core/launcher_file.h"
#include "core/settings_table.h"
#include "core/tab_list_file.h"
#include "core/tree_hide_file.h"
#include "panes/favourites/favourites_pane.h"
#include "panes/tabs/launcher.h"
#include "panes/tree/hidden_folders.h"
#include "tests/support/test_support.h"
#include "win/system_text.h"

namespace {

using Failure = testing::AssertionResult;

// Every comment is taken: the check is of the file's form, not of the disk.
class EverythingExists : public CommentDisk {
public:
    DriveKind KindOfDrive(const std::string&) override { return DriveKind::Fixed; }
    bool Exists(const std::string&) override { return true; }
};

// The sections and keys that the program writes, as its own table gives them.
class KeyRecorder : public SettingsStore {
public:
    int ReadInt(const char*, const char*, int defaultValue) override { return defaultValue; }
    std::string ReadText(const char*, const char*, const char* defaultText) override { return defaultText; }
    void Write(const char* section, const char* key, const std::string&) override { keys.emplace(section, key); }
    std::set<std::pair<std::string, std::string>> keys;
};

testing::AssertionResult IsWholeSettingsText(const std::string& text) {
    if (text.size() < 2 || text.compare(text.size() - 2, 2, "\r\n") != 0)
        return testing::AssertionFailure() << "t.ini does not end with a line end";
    std::set<std::pair<std::string, std::string>> found;
    std::string section;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find("\r\n", start);
        std::string line = text.substr(start, end - start);
        start = end + 2;
        if (line.empty()) continue;
        if (line.front() == '[') {
            if (line.back() != ']') return testing::AssertionFailure() << "t.ini has a broken section: " << line;
            section = line.substr(1, line.size() - 2);
            continue;
        }
        size_t equals = line.find('=');
        if (equals == std::string::npos || section.empty())
            return testing::AssertionFailure() << "t.ini has a line that is no key: " << line;
        found.emplace(section, line.substr(0, equals));
    }
    KeyRecorder written;
    SaveSettings(written, DefaultSettings(), nullptr);
    for (const auto& key : written.keys)
        if (!found.count(key)) return testing::AssertionFailure() << "t.ini lacks " << key.first << "/" << key.second;
    return testing::AssertionSuccess();
}

// The framed file with its version, handed to the codec; the codec must end exactly at its end.
template <typename Decode>
testing::AssertionResult IsFramedList(const std::string& name, const std::string& bytes, uint32_t version,
                                      Decode decode) {
    std::vector<uint8_t> file(bytes.begin(), bytes.end());
    datafile::Parsed parsed = datafile::Parse(file);
    if (!parsed.valid) return testing::AssertionFailure() << name << " has no header (" << bytes.size() << " bytes)";
    if (parsed.version != version)
        return testing::AssertionFailure() << name << " has version " << parsed.version << ", not " << version;
    decode(parsed.payload);
    if (parsed.payload.WasShort() || !parsed.payload.AtEnd())
        return testing::AssertionFailure() << name << " does not end where its records do (" << bytes.size()
                                           << " bytes, " << parsed.payload.Remaining() << " left over)";
    return testing::AssertionSuccess();
}

}  // namespace

FolderFiles ReadFolderFiles(const std::string& folder) {
    FolderFiles files;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return files;
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        files[found.cFileName] = ReadBytes(folder + "\\" + found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return files;
}

const std::vector<std::string>& ProgramDataFileNames() {
    static const std::vector<std::string> names = {kSettingsFileName, kFontFileName,       kCommentFileName,
                                                   kGestureFileName,  kTabAliasFileName,   kTabListFileName,
                                                   kTreeHideFileName, kFavouritesFileName, kLauncherFileName};
    return names;
}

testing::AssertionResult IsWholeDataFile(const std::string& name, const std::string& bytes) {
    if (name == kSettingsFileName) return IsWholeSettingsText(bytes);
    if (name == kFontFileName)
        return IsFramedList(name, bytes, fontfile::kVersion,
                            [](datafile::PayloadReader& payload) { fontfile::Decode(payload); });
    if (name == kGestureFileName)
        return IsFramedList(name, bytes, gesturefile::kVersion, [](datafile::PayloadReader& payload) {
            GestureRecognizer gestures;
            gesturefile::Decode(payload, gestures);
        });
    if (name == kFavouritesFileName)
        return IsFramedList(name, bytes, favfile::kVersion,
                            [](datafile::PayloadReader& payload) { favfile::DecodeTree(payload); });
    // The lists below leave an empty file, or four zero bytes for the erased folders, when they
    // hold nothing.
    if (name == kTreeHideFileName) {
        if (bytes == std::string(4, '\0')) return testing::AssertionSuccess();
        return IsFramedList(name, bytes, treehide::kVersion,
                            [](datafile::PayloadReader& payload) { treehide::DecodeEntries(payload); });
    }
    if (bytes.empty() && (name == kCommentFileName || name == kTabAliasFileName || name == kTabListFileName ||
                          name == kLauncherFileName))
        return testing::AssertionSuccess();
    if (name == kCommentFileName)
        return IsFramedList(name, bytes, kCommentFileVersion, [](datafile::PayloadReader& payload) {
            EverythingExists disk;
            DecodeComments(payload, disk, &IsSystemLeadByte);
        });
    if (name == kTabAliasFileName)
        return IsFramedList(name, bytes, kAliasFileVersion,
                            [](datafile::PayloadReader& payload) { DecodeAliases(payload); });
    if (name == kTabListFileName)
        return IsFramedList(name, bytes, tablist::kVersion, [](datafile::PayloadReader& payload) {
            tablist::DecodeTabList(payload, tablist::kVersion);
        });
    if (name == kLauncherFileName)
        return IsFramedList(name, bytes, kLauncherFileVersion,
                            [](datafile::PayloadReader& payload) { DecodeLauncher(payload); });
    return testing::AssertionFailure() << name << " is none of the program's data files";
}
