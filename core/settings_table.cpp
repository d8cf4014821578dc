#include "core/settings_table.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr char kCustomPatternName[] = "カスタム";

constexpr int kPositionDefault = 100;
constexpr int kSizeDefault = 320;
constexpr int kGeometryLimit = 4096;
constexpr int kSubViewDefault = 200;
constexpr int kLastDblclkAction = 3;
constexpr int kDblclkDefault = 1;

constexpr SettingKey Number(const char* section, const char* key, SettingKind kind, int defaultValue,
                            int Settings::*field, int saveRank, SettingCheck check = SettingCheck::None,
                            int writtenAs = 0) {
    return {section, key, kind, defaultValue, nullptr, field, nullptr, -1, check, writtenAs, saveRank};
}
constexpr SettingKey Int(const char* section, const char* key, int defaultValue, int Settings::*field, int saveRank,
                         SettingCheck check = SettingCheck::None) {
    return Number(section, key, SettingKind::Int, defaultValue, field, saveRank, check);
}
constexpr SettingKey Bool(const char* section, const char* key, int defaultValue, int Settings::*field, int saveRank,
                          int writtenAs = 1) {
    return Number(section, key, SettingKind::Bool, defaultValue, field, saveRank, SettingCheck::None, writtenAs);
}
constexpr SettingKey Text(const char* section, const char* key, const char* defaultText, std::string Settings::*field,
                          int saveRank) {
    return {section, key, SettingKind::Text, 0, defaultText, nullptr, field, -1, SettingCheck::None, 0, saveRank};
}
constexpr SettingKey Sound(const char* key, int event) {
    return {"SOUND", key, SettingKind::Text, 0, "", nullptr, nullptr, event, SettingCheck::None, 0, 7 + event};
}

// Reading order; the last argument of each row is its place in the written file. Constant data, so
// that reading it never depends on the order in which start-up initialises the program's files.
constexpr SettingKey kKeys[] = {
    Int("DBLCLK", "ACTION", 1, &Settings::dblclkAction, 1, SettingCheck::DblclkAction),
    Bool("HOTKEY", "USE", 0, &Settings::hotKeyUse, 2),
    Bool("HOTKEY", "CTRL", 1, &Settings::hotKeyCtrl, 3),
    Bool("HOTKEY", "ALT", 0, &Settings::hotKeyAlt, 4),
    Int("HOTKEY", "KEY", 81, &Settings::hotKeyKey, 5),
    Bool("SOUND", "USE_SOUND", 1, &Settings::useSound, 6),
    Sound("SHOW", 0),
    Sound("ADDTAB", 1),
    Sound("DELTAB", 2),
    Sound("CHTAB", 3),
    Sound("TABLOCK", 4),
    Sound("TABUNLOCK", 5),
    Sound("CD", 6),
    Sound("BTN", 7),
    Sound("DRAG", 8),
    Sound("DROP", 9),
    Sound("ERASE", 10),
    Sound("UNERASE", 11),
    Sound("GESTURE_LEFT", 12),
    Sound("GESTURE_UP", 13),
    Sound("GESTURE_RIGHT", 14),
    Sound("GESTURE_DOWN", 15),
    Bool("TRANP", "USE", 0, &Settings::tranpUse, 23),
    Number("TRANP", "ALPHA", SettingKind::Int, 230, &Settings::tranpAlpha, 24, SettingCheck::None, 0xFF),
    Int("BACKGROUND", "MAIN", 8806212, &Settings::backgroundMain, 25),
    Int("BACKGROUND", "TAB", 8806212, &Settings::backgroundTab, 27),
    Text("BACKGROUND", "MAIN_PAT", kCustomPatternName, &Settings::mainPattern, 26),
    Text("BACKGROUND", "TAB_PAT", kCustomPatternName, &Settings::tabPattern, 28),
    Int("TXT", "TAB_COLOR", 16777215, &Settings::tabTextColour, 29),
    Int("TXT", "TREE_COLOR", 0, &Settings::treeTextColour, 30),
    Int("TXT", "LIST_COLOR", 0, &Settings::listTextColour, 31),
    Bool("TXT", "USE_FRAME", 1, &Settings::tabTextOutline, 32),
    Int("TXT", "FRAME_COLOR", 0, &Settings::tabOutlineColour, 33),
    Bool("COLOR", "RONLY_USE", 1, &Settings::readOnlyUse, 34),
    Bool("COLOR", "HIDE_USE", 1, &Settings::hiddenUse, 36),
    Bool("COLOR", "SYSTEM_USE", 1, &Settings::systemUse, 38),
    Bool("COLOR", "FOLDER_USE", 1, &Settings::folderUse, 40),
    Bool("COLOR", "FOLDER_EMP_USE", 1, &Settings::emptyFolderUse, 42),
    Int("COLOR", "RONLY_COLOR", 1974000, &Settings::readOnlyColour, 35),
    Int("COLOR", "HIDE_COLOR", 9868950, &Settings::hiddenColour, 37),
    Int("COLOR", "SYSTEM_COLOR", 2004510, &Settings::systemColour, 39),
    Int("COLOR", "FOLDER_COLOR", 16744448, &Settings::folderColour, 41),
    Int("COLOR", "FOLDER_EMP_COLOR", 12477630, &Settings::emptyFolderColour, 43),
    Int("TAB", "SEL_MAIN", 9742057, &Settings::tabSelMain, 44),
    Int("TAB", "SEL_SUB", 10804902, &Settings::tabSelSub, 45),
    Int("TAB", "SEL_DND", 13404724, &Settings::tabSelDrop, 46),
    Bool("TAB", "USE_TIP", 1, &Settings::tabTipShowsPath, 47),
    Int("TAB", "KEY_COLOR", 0, &Settings::tabKeyColour, 48),
    Bool("TAB", "REMIND", 1, &Settings::tabRemind, 49),
    Bool("TAB", "REMIND_ONLYLOCK", 0, &Settings::tabRemindOnlyLocked, 50),
    Bool("TAB", "REMIND_NOTDUP", 0, &Settings::tabRemindNotDuplicated, 51),
    Int("TAB", "BARNUM", 3, &Settings::tabMaxRows, 52),
    Bool("TREE", "SYNC", 0, &Settings::treeSync, 53),
    Bool("TREE", "COLOR", 1, &Settings::treeColour, 54),
    Bool("LIST_TIP", "SIZE", 1, &Settings::tipSize, 55, 1),
    Bool("LIST_TIP", "DATE", 0, &Settings::tipDate, 56, 2),
    Bool("LIST_TIP", "ATTR", 0, &Settings::tipAttributes, 57, 4),
    Bool("LIST_TIP", "TIPS", 1, &Settings::tipComment, 58, 8),
    Int("LIST_TIP", "TIME", 100, &Settings::tipDelay, 59),
    Bool("LIST", "SEP", 1, &Settings::listAlternateRows, 60),
    Int("LIST", "SEP_COLOR", 15987699, &Settings::listAlternateColour, 61),
    Int("LIST", "DIVIDE", 0, &Settings::listDivide, 62),
    Int("LIST", "DEFSTYLE", 0, &Settings::listDefaultStyle, 63),
    Int("LIST", "SEL_COLOR", 14930632, &Settings::listSelColour, 64),
    Text("LIST", "SEL_PAT", kCustomPatternName, &Settings::selPattern, 65),
    Bool("LIST", "POLAROID", 1, &Settings::listPolaroid, 66),
    Bool("LIST", "RENAME_DIV", 1, &Settings::listRenameSplitsExtension, 67),
    Int("POSITION", "X", kPositionDefault, &Settings::windowX, 68, SettingCheck::Position),
    Int("POSITION", "Y", kPositionDefault, &Settings::windowY, 69, SettingCheck::Position),
    Int("SIZE", "WIDTH", kSizeDefault, &Settings::windowWidth, 70, SettingCheck::Size),
    Int("SIZE", "HEIGHT", kSizeDefault, &Settings::windowHeight, 71, SettingCheck::Size),
    Bool("SIZE", "MAXIMIZE", 0, &Settings::windowMaximized, 72),
    Bool("TREE", "EXIST", 0, &Settings::treeExist, 73),
    Int("TREE", "WIDTH", 180, &Settings::leftWidth, 74),
    Bool("FAV", "EXIST", 0, &Settings::favExist, 75),
    Bool("MODE", "HIDE", 0, &Settings::showHidden, 76),
    Bool("MODE", "TIPS", 0, &Settings::extendedTips, 77),
    Int("SUB-VIEW", "WIDTH", kSubViewDefault, &Settings::subWidth, 78, SettingCheck::AtLeastOne),
    Int("SUB-VIEW", "HEIGHT", kSubViewDefault, &Settings::subHeight, 79, SettingCheck::AtLeastOne),
    Int("LISTSTYLE", "MAIN", 0, &Settings::mainListStyle, 80),
    Int("LISTSTYLE", "SUB", 0, &Settings::subListStyle, 81),
};

constexpr size_t kKeyCount = sizeof kKeys / sizeof kKeys[0];
static_assert(kKeyCount == 81, "t.ini has 81 keys");
static_assert(kKeys[0].defaultValue == kDblclkDefault, "the table is constant data, read at compile time");

bool StartsColourSection(const SettingKey& key) { return std::string(key.section) == "COLOR"; }

std::string& TextField(Settings& settings, const SettingKey& key) {
    return key.soundEvent >= 0 ? settings.soundFiles[key.soundEvent] : settings.*key.text;
}
const std::string& TextField(const Settings& settings, const SettingKey& key) {
    return key.soundEvent >= 0 ? settings.soundFiles[key.soundEvent] : settings.*key.text;
}

std::string WrittenValue(const Settings& settings, const SettingKey& key) {
    if (key.kind == SettingKind::Text) return TextField(settings, key);
    int value = settings.*key.number;
    if (key.kind == SettingKind::Bool) value = value ? key.writtenAs : 0;
    else if (key.writtenAs)
        value &= key.writtenAs;
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    return text;
}

}  // namespace

const char* const kPatternCustom = kCustomPatternName;

const SettingKey* SettingKeys(size_t* count) {
    *count = kKeyCount;
    return kKeys;
}

int ApplyCheck(SettingCheck check, int value) {
    switch (check) {
    case SettingCheck::None: return value;
    case SettingCheck::DblclkAction: return value > kLastDblclkAction ? kDblclkDefault : value;
    case SettingCheck::Position: return value < 0 || value > kGeometryLimit ? kPositionDefault : value;
    case SettingCheck::Size: return value < 0 || value > kGeometryLimit ? kSizeDefault : value;
    case SettingCheck::AtLeastOne: return value < 1 ? kSubViewDefault : value;
    }
    return value;
}

void CompletePatternName(std::string& name) {
    if (name == kPatternCustom) return;
    if (name.find('.') == std::string::npos) name += ".bmp";
}

void LoadSettings(SettingsStore& store, Settings& settings, const std::function<void()>& loadFonts) {
    bool fontsLoaded = false;
    for (const SettingKey& key : kKeys) {
        if (!fontsLoaded && StartsColourSection(key)) {
            if (loadFonts) loadFonts();
            fontsLoaded = true;
        }
        if (key.kind == SettingKind::Text) {
            TextField(settings, key) = store.ReadText(key.section, key.key, key.defaultText);
            continue;
        }
        int value = ApplyCheck(key.check, store.ReadInt(key.section, key.key, key.defaultValue));
        settings.*key.number = key.kind == SettingKind::Bool ? (value != 0) : value;
    }
    CompletePatternName(settings.mainPattern);
    CompletePatternName(settings.tabPattern);
    CompletePatternName(settings.selPattern);
}

void SaveSettings(SettingsStore& store, const Settings& settings, const std::function<void()>& saveFonts) {
    std::vector<const SettingKey*> order;
    for (const SettingKey& key : kKeys) order.push_back(&key);
    std::sort(order.begin(), order.end(),
              [](const SettingKey* a, const SettingKey* b) { return a->saveRank < b->saveRank; });
    bool fontsSaved = false;
    for (const SettingKey* key : order) {
        if (!fontsSaved && StartsColourSection(*key)) {
            if (saveFonts) saveFonts();
            fontsSaved = true;
        }
        store.Write(key->section, key->key, WrittenValue(settings, *key));
    }
}

Settings DefaultSettings() {
    Settings settings{};
    for (const SettingKey& key : kKeys) {
        if (key.kind == SettingKind::Text) TextField(settings, key) = key.defaultText;
        else
            settings.*key.number = key.defaultValue;
    }
    return settings;
}

int HotKeyModifiers(const Settings& settings) { return (settings.hotKeyCtrl ? 1 : 0) | (settings.hotKeyAlt ? 2 : 0); }

int TooltipMask(const Settings& settings) {
    return (settings.tipSize ? 1 : 0) | (settings.tipDate ? 2 : 0) | (settings.tipAttributes ? 4 : 0) |
           (settings.tipComment ? 8 : 0);
}

bool ColoursItems(const Settings& settings) {
    return settings.readOnlyUse || settings.hiddenUse || settings.systemUse || settings.folderUse ||
           settings.emptyFolderUse;
}

int HiddenFilesFlag(const Settings& settings) { return settings.showHidden ? 0x80 : 0; }
