// Every scalar setting of the program, kept in t.ini. One table lists the sections, keys, defaults
// and checks; loading walks it in reading order and saving in writing order. No Windows header:
// the table and its checks are built natively too.
#pragma once
#include <array>
#include <cstddef>
#include <functional>
#include <string>

constexpr int kSoundEventCount = 16;

struct Settings {
    int dblclkAction;
    int hotKeyUse, hotKeyCtrl, hotKeyAlt, hotKeyKey;
    int useSound;
    std::array<std::string, kSoundEventCount> soundFiles;
    int tranpUse, tranpAlpha;
    int backgroundMain, backgroundTab;
    std::string mainPattern, tabPattern;
    int tabTextColour, treeTextColour, listTextColour, tabTextOutline, tabOutlineColour;
    int readOnlyUse, hiddenUse, systemUse, folderUse, emptyFolderUse;
    int readOnlyColour, hiddenColour, systemColour, folderColour, emptyFolderColour;
    int tabSelMain, tabSelSub, tabSelDrop, tabTipShowsPath, tabKeyColour;
    int tabRemind, tabRemindOnlyLocked, tabRemindNotDuplicated, tabMaxRows;
    int treeSync, treeColour;
    int tipSize, tipDate, tipAttributes, tipComment, tipDelay;
    int listAlternateRows, listAlternateColour, listDivide, listDefaultStyle, listSelColour;
    std::string selPattern;
    int listPolaroid, listRenameSplitsExtension;
    int windowX, windowY, windowWidth, windowHeight, windowMaximized;
    int treeExist, leftWidth, favExist;
    int showHidden, extendedTips;
    int subWidth, subHeight;
    int mainListStyle, subListStyle;
};

enum class SettingKind { Int, Bool, Text };
enum class SettingCheck { None, DblclkAction, Position, Size, AtLeastOne };

struct SettingKey {
    const char* section;
    const char* key;
    SettingKind kind;
    int defaultValue;             // Int and Bool
    const char* defaultText;      // Text
    int Settings::*number;        // Int and Bool
    std::string Settings::*text;  // Text keys other than the sound files
    int soundEvent;               // the sound file of this event, or -1
    SettingCheck check;
    int writtenAs;  // a Bool that is on is written as this value
    int saveRank;   // position in the written file
};

// The 81 keys in reading order.
const SettingKey* SettingKeys(size_t* count);

// The name that stands for a plain colour instead of an image ("custom").
extern const char* const kPatternCustom;
// The colour a pattern falls back to when its image cannot be loaded.
constexpr int kPatternFallbackColour = 8806212;

// Where the settings live; t.ini through the private-profile calls in the program.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual int ReadInt(const char* section, const char* key, int defaultValue) = 0;
    virtual std::string ReadText(const char* section, const char* key, const char* defaultText) = 0;
    virtual void Write(const char* section, const char* key, const std::string& value) = 0;
};

// The fonts are stored apart but read and written between the TXT and COLOR keys.
void LoadSettings(SettingsStore& store, Settings& settings, const std::function<void()>& loadFonts);
void SaveSettings(SettingsStore& store, const Settings& settings, const std::function<void()>& saveFonts);
Settings DefaultSettings();

int ApplyCheck(SettingCheck check, int value);
// Appends ".bmp" to an image name without extension; the custom name stays as it is.
void CompletePatternName(std::string& name);

// Values derived from the keys.
int HotKeyModifiers(const Settings& settings);  // bit 0 Ctrl, bit 1 Alt
int TooltipMask(const Settings& settings);      // 1 size, 2 date, 4 attributes, 8 comment
bool ColoursItems(const Settings& settings);
int HiddenFilesFlag(const Settings& settings);  // the enumeration flag that includes hidden items
