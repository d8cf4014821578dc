#include "core/settings_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>
#include <utility>
#include <vector>

namespace {

class MemoryStore : public SettingsStore {
public:
    std::map<std::pair<std::string, std::string>, std::string> values;
    std::vector<std::string> reads;
    std::vector<std::pair<std::string, std::string>> writes;  // "SECTION/KEY", value

    int ReadInt(const char* section, const char* key, int defaultValue) override {
        reads.push_back(std::string(section) + "/" + key);
        auto found = values.find({section, key});
        return found == values.end() ? defaultValue : static_cast<int>(std::strtol(found->second.c_str(), nullptr, 10));
    }
    std::string ReadText(const char* section, const char* key, const char* defaultText) override {
        reads.push_back(std::string(section) + "/" + key);
        auto found = values.find({section, key});
        return found == values.end() ? defaultText : found->second;
    }
    void Write(const char* section, const char* key, const std::string& value) override {
        writes.push_back({std::string(section) + "/" + key, value});
    }
    std::string Written(const std::string& name) const {
        for (const auto& write : writes)
            if (write.first == name) return write.second;
        return "<missing>";
    }
};

std::vector<std::string> WrittenNames(const MemoryStore& store) {
    std::vector<std::string> names;
    for (const auto& write : store.writes) names.push_back(write.first);
    return names;
}

// Made while the program's files are initialised, before main, as a program-wide object of
// another file would be: the key table is there whatever order the files are initialised in.
const Settings kDefaultsBeforeMain = DefaultSettings();

TEST(SettingsTable, DefaultsMadeBeforeMainAreTheFullDefaults) {
    Settings now = DefaultSettings();
    EXPECT_EQ(1, kDefaultsBeforeMain.dblclkAction);
    EXPECT_EQ(now.windowWidth, kDefaultsBeforeMain.windowWidth);
    EXPECT_EQ(now.hotKeyKey, kDefaultsBeforeMain.hotKeyKey);
    EXPECT_EQ(kPatternCustom, kDefaultsBeforeMain.mainPattern);
    EXPECT_EQ(now.soundFiles, kDefaultsBeforeMain.soundFiles);
}

TEST(SettingsTable, NoFileGivesEveryDefaultAndWritesAll81Keys) {
    MemoryStore store;
    Settings settings{};
    LoadSettings(store, settings, nullptr);
    EXPECT_EQ(81u, store.reads.size());
    EXPECT_EQ(100, settings.windowX);
    EXPECT_EQ(100, settings.windowY);
    EXPECT_EQ(320, settings.windowWidth);
    EXPECT_EQ(320, settings.windowHeight);
    EXPECT_EQ(1, settings.useSound);
    EXPECT_EQ(0, settings.hotKeyUse);
    EXPECT_EQ(81, settings.hotKeyKey);
    EXPECT_EQ(1, HotKeyModifiers(settings));
    EXPECT_EQ(0, settings.treeExist);
    EXPECT_EQ(0, settings.favExist);
    EXPECT_EQ(std::string("カスタム"), settings.mainPattern);
    EXPECT_EQ(1 | 8, TooltipMask(settings));
    EXPECT_EQ(0, HiddenFilesFlag(settings));

    SaveSettings(store, settings, nullptr);
    ASSERT_EQ(81u, store.writes.size());
    std::vector<std::string> names = WrittenNames(store);
    std::set<std::string> distinct(names.begin(), names.end());
    EXPECT_EQ(81u, distinct.size());
    EXPECT_EQ("8806212", store.Written("BACKGROUND/MAIN"));
    EXPECT_EQ("カスタム", store.Written("LIST/SEL_PAT"));
    EXPECT_EQ("", store.Written("SOUND/GESTURE_DOWN"));
    EXPECT_EQ("16777215", store.Written("TXT/TAB_COLOR"));
}

TEST(SettingsTable, SavesInTheWrittenOrderWithFontsBetweenTextAndColours) {
    MemoryStore store;
    Settings settings = DefaultSettings();
    SaveSettings(store, settings, [&] { store.writes.push_back({"FONTS", ""}); });
    std::vector<std::string> names = WrittenNames(store);
    std::vector<std::string> expectedStart = {"DBLCLK/ACTION", "HOTKEY/USE",      "HOTKEY/CTRL", "HOTKEY/ALT",
                                              "HOTKEY/KEY",    "SOUND/USE_SOUND", "SOUND/SHOW"};
    EXPECT_EQ(expectedStart, std::vector<std::string>(names.begin(), names.begin() + 7));
    auto at = [&](const std::string& name) { return std::find(names.begin(), names.end(), name) - names.begin(); };
    EXPECT_EQ(at("SOUND/GESTURE_DOWN") + 1, at("TRANP/USE"));
    EXPECT_EQ(at("BACKGROUND/MAIN") + 1, at("BACKGROUND/MAIN_PAT"));
    EXPECT_EQ(at("BACKGROUND/MAIN_PAT") + 1, at("BACKGROUND/TAB"));
    EXPECT_EQ(at("TXT/FRAME_COLOR") + 1, at("FONTS"));
    EXPECT_EQ(at("FONTS") + 1, at("COLOR/RONLY_USE"));
    EXPECT_EQ(at("COLOR/RONLY_USE") + 1, at("COLOR/RONLY_COLOR"));
    EXPECT_EQ(at("COLOR/RONLY_COLOR") + 1, at("COLOR/HIDE_USE"));
    EXPECT_EQ(at("TREE/COLOR") + 1, at("LIST_TIP/SIZE"));
    EXPECT_EQ(at("LIST/RENAME_DIV") + 1, at("POSITION/X"));
    EXPECT_EQ(at("SIZE/MAXIMIZE") + 1, at("TREE/EXIST"));
    EXPECT_EQ(at("TREE/EXIST") + 1, at("TREE/WIDTH"));
    EXPECT_EQ(at("TREE/WIDTH") + 1, at("FAV/EXIST"));
    EXPECT_EQ("LISTSTYLE/SUB", names.back());
}

TEST(SettingsTable, FontsLoadBetweenTextAndColourKeys) {
    MemoryStore store;
    Settings settings{};
    size_t readsBeforeFonts = 0;
    LoadSettings(store, settings, [&] { readsBeforeFonts = store.reads.size(); });
    ASSERT_GT(readsBeforeFonts, 0u);
    EXPECT_EQ("TXT/FRAME_COLOR", store.reads[readsBeforeFonts - 1]);
    EXPECT_EQ("COLOR/RONLY_USE", store.reads[readsBeforeFonts]);
}

TEST(SettingsTable, ChecksRepairValuesRightAfterReading) {
    MemoryStore store;
    store.values[{"DBLCLK", "ACTION"}] = "7";
    store.values[{"POSITION", "X"}] = "-5";
    store.values[{"POSITION", "Y"}] = "5000";
    store.values[{"SIZE", "WIDTH"}] = "0";
    store.values[{"SIZE", "HEIGHT"}] = "4097";
    store.values[{"SUB-VIEW", "WIDTH"}] = "0";
    store.values[{"SUB-VIEW", "HEIGHT"}] = "1";
    store.values[{"TREE", "WIDTH"}] = "-40";
    store.values[{"LISTSTYLE", "MAIN"}] = "-1";
    Settings settings{};
    LoadSettings(store, settings, nullptr);
    EXPECT_EQ(1, settings.dblclkAction);
    EXPECT_EQ(100, settings.windowX);
    EXPECT_EQ(100, settings.windowY);
    EXPECT_EQ(0, settings.windowWidth);
    EXPECT_EQ(320, settings.windowHeight);
    EXPECT_EQ(200, settings.subWidth);
    EXPECT_EQ(1, settings.subHeight);
    EXPECT_EQ(-40, settings.leftWidth);
    EXPECT_EQ(-1, settings.mainListStyle);
    EXPECT_EQ(3, ApplyCheck(SettingCheck::DblclkAction, 3));
    EXPECT_EQ(4096, ApplyCheck(SettingCheck::Position, 4096));
}

TEST(SettingsTable, PatternNamesAreCompleted) {
    MemoryStore store;
    store.values[{"BACKGROUND", "MAIN_PAT"}] = "tile";
    store.values[{"BACKGROUND", "TAB_PAT"}] = "photo.jpg";
    store.values[{"LIST", "SEL_PAT"}] = "";
    Settings settings{};
    LoadSettings(store, settings, nullptr);
    EXPECT_EQ("tile.bmp", settings.mainPattern);
    EXPECT_EQ("photo.jpg", settings.tabPattern);
    EXPECT_EQ(".bmp", settings.selPattern);
    std::string custom = kPatternCustom;
    CompletePatternName(custom);
    EXPECT_EQ(std::string("カスタム"), custom);
}

TEST(SettingsTable, TooltipBitsAndOpacityAreWrittenMasked) {
    Settings settings = DefaultSettings();
    settings.tipDate = 1;
    settings.tipAttributes = 1;
    settings.tipSize = 0;
    settings.tranpAlpha = 0x1F0;
    settings.hotKeyAlt = 1;
    MemoryStore store;
    SaveSettings(store, settings, nullptr);
    EXPECT_EQ("0", store.Written("LIST_TIP/SIZE"));
    EXPECT_EQ("2", store.Written("LIST_TIP/DATE"));
    EXPECT_EQ("4", store.Written("LIST_TIP/ATTR"));
    EXPECT_EQ("8", store.Written("LIST_TIP/TIPS"));
    EXPECT_EQ("240", store.Written("TRANP/ALPHA"));
    EXPECT_EQ("1", store.Written("HOTKEY/ALT"));
    EXPECT_EQ(3, HotKeyModifiers(settings));
    EXPECT_EQ(2 | 4 | 8, TooltipMask(settings));

    MemoryStore reread;
    for (const auto& write : store.writes) {
        auto slash = write.first.find('/');
        reread.values[{write.first.substr(0, slash), write.first.substr(slash + 1)}] = write.second;
    }
    Settings loaded{};
    LoadSettings(reread, loaded, nullptr);
    EXPECT_EQ(2 | 4 | 8, TooltipMask(loaded));
    EXPECT_EQ(240, loaded.tranpAlpha);
}

TEST(SettingsTable, SoundNamesAndDerivedSwitches) {
    MemoryStore store;
    store.values[{"SOUND", "CD"}] = "chdir.wav";
    store.values[{"MODE", "HIDE"}] = "5";
    for (const char* key : {"RONLY_USE", "HIDE_USE", "SYSTEM_USE", "FOLDER_USE", "FOLDER_EMP_USE"})
        store.values[{"COLOR", key}] = "0";
    Settings settings{};
    LoadSettings(store, settings, nullptr);
    EXPECT_EQ("chdir.wav", settings.soundFiles[6]);
    EXPECT_EQ(0x80, HiddenFilesFlag(settings));
    EXPECT_FALSE(ColoursItems(settings));
    settings.folderUse = 1;
    EXPECT_TRUE(ColoursItems(settings));
    MemoryStore saved;
    SaveSettings(saved, settings, nullptr);
    EXPECT_EQ("chdir.wav", saved.Written("SOUND/CD"));
    EXPECT_EQ("1", saved.Written("MODE/HIDE"));
}

}  // namespace
