#include <gtest/gtest.h>

#include "app/settings_file.h"
#include "tests/support/program_fixture.h"

namespace {

class SettingsFileTest : public ProgramFolderTest {
protected:
    int KeysWritten() const {
        int keys = 0;
        std::vector<char> sections(8192);
        GetPrivateProfileSectionNamesA(sections.data(), static_cast<DWORD>(sections.size()), Ini().c_str());
        for (const char* section = sections.data(); *section; section += strlen(section) + 1) {
            std::vector<char> pairs(32768);
            GetPrivateProfileSectionA(section, pairs.data(), static_cast<DWORD>(pairs.size()), Ini().c_str());
            for (const char* pair = pairs.data(); *pair; pair += strlen(pair) + 1) ++keys;
        }
        return keys;
    }
};

// A 2×2 24-bit bitmap file.
std::string SmallBitmapFile() {
    std::string bytes = "BM";
    auto put32 = [&](uint32_t value) {
        for (int i = 0; i < 4; ++i) bytes += static_cast<char>(value >> (8 * i));
    };
    auto put16 = [&](uint16_t value) {
        bytes += static_cast<char>(value);
        bytes += static_cast<char>(value >> 8);
    };
    put32(14 + 40 + 16);
    put32(0);
    put32(14 + 40);
    put32(40);
    put32(2);
    put32(2);
    put16(1);
    put16(24);
    put32(0);
    put32(16);
    put32(2835);
    put32(2835);
    put32(0);
    put32(0);
    bytes += std::string(16, '\x7f');
    return bytes;
}

TEST_F(SettingsFileTest, WithoutIniTheWindowUsesDefaultsAndAll81KeysAreWritten) {
    {
        RunningProgram program(Options());
        ASSERT_TRUE(program.Window());
        RECT rect;
        GetWindowRect(program.Window(), &rect);
        EXPECT_EQ(100, rect.left);
        EXPECT_EQ(100, rect.top);
        EXPECT_EQ(320, rect.right - rect.left);
        EXPECT_EQ(320, rect.bottom - rect.top);
        EXPECT_FALSE(FileExists(Ini()));
    }
    EXPECT_EQ(81, KeysWritten());
    EXPECT_EQ("1", Value("DBLCLK", "ACTION"));
    EXPECT_EQ("81", Value("HOTKEY", "KEY"));
    EXPECT_EQ("0", Value("HOTKEY", "USE"));
    EXPECT_EQ("1", Value("SOUND", "USE_SOUND"));
    EXPECT_EQ("", Value("SOUND", "SHOW"));
    EXPECT_EQ("カスタム", Value("BACKGROUND", "MAIN_PAT"));
    EXPECT_EQ("8806212", Value("BACKGROUND", "TAB"));
    EXPECT_EQ("100", Value("POSITION", "X"));
    EXPECT_EQ("320", Value("SIZE", "HEIGHT"));
    EXPECT_EQ("0", Value("SIZE", "MAXIMIZE"));
    EXPECT_EQ("200", Value("SUB-VIEW", "WIDTH"));
    EXPECT_TRUE(FileExists(folder_.Path() + "data\\fontdata.dat"));
}

TEST_F(SettingsFileTest, OutOfRangeValuesAreRepairedAndOthersKeptAcrossARun) {
    Set("DBLCLK", "ACTION", "7");
    Set("POSITION", "X", "-5");
    Set("POSITION", "Y", "5000");
    Set("SUB-VIEW", "WIDTH", "0");
    Set("SUB-VIEW", "HEIGHT", "150");
    Set("LIST_TIP", "DATE", "1");
    Set("TAB", "BARNUM", "5");
    Set("LISTSTYLE", "MAIN", "-1");
    // The main list shows its tab, which a new tab makes in the default style.
    Set("LIST", "DEFSTYLE", "4");
    {
        RunningProgram program(Options());
        ASSERT_TRUE(program.Window());
        RECT rect;
        GetWindowRect(program.Window(), &rect);
        EXPECT_EQ(100, rect.left);
        EXPECT_EQ(100, rect.top);
    }
    EXPECT_EQ("1", Value("DBLCLK", "ACTION"));
    EXPECT_EQ("100", Value("POSITION", "X"));
    EXPECT_EQ("100", Value("POSITION", "Y"));
    EXPECT_EQ("200", Value("SUB-VIEW", "WIDTH"));
    EXPECT_EQ("150", Value("SUB-VIEW", "HEIGHT"));
    EXPECT_EQ("2", Value("LIST_TIP", "DATE"));
    EXPECT_EQ("5", Value("TAB", "BARNUM"));
    EXPECT_EQ("-1", Value("LISTSTYLE", "MAIN"));
}

// The profile functions writing each key into the file itself, as the program once did.
class InPlaceStore : public SettingsStore {
public:
    explicit InPlaceStore(std::string path) : path_(std::move(path)) {}
    int ReadInt(const char*, const char*, int defaultValue) override { return defaultValue; }
    std::string ReadText(const char*, const char*, const char* defaultText) override { return defaultText; }
    void Write(const char* section, const char* key, const std::string& value) override {
        WritePrivateProfileStringA(section, key, value.c_str(), path_.c_str());
    }

private:
    std::string path_;
};

TEST_F(SettingsFileTest, TheFileReplacedWholeReadsByteForByteAsThoughItsKeysWereWrittenInPlace) {
    Set("自分の", "鍵", "値");
    Set("POSITION", "X", "150");
    Set("DBLCLK", "ACTION", "7");
    const std::string reference = folder_.Path() + "reference.ini";
    ASSERT_TRUE(CopyFileA(Ini().c_str(), reference.c_str(), FALSE));
    Settings saved;
    {
        RunningProgram program(Options());
        ASSERT_TRUE(program.Window());
        SetWindowPos(program.Window(), nullptr, 210, 120, 500, 400, SWP_NOZORDER | SWP_NOACTIVATE);
        program.Quit();
        saved = program.Context().settings;
    }
    InPlaceStore inPlace(reference);
    SaveSettings(inPlace, saved, nullptr);
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, reference.c_str());
    EXPECT_EQ(ReadBytes(reference), ReadBytes(Ini()));
    EXPECT_EQ("値", Value("自分の", "鍵")) << "a key the program does not know stays";
    EXPECT_EQ("210", Value("POSITION", "X"));
    EXPECT_EQ(82, KeysWritten());
}

TEST_F(SettingsFileTest, ALeftoverNewFileIsNeitherReadNorKeptAndASaveThatCannotFinishLeavesTheOldFile) {
    Set("POSITION", "X", "150");
    // What a save killed part-way leaves beside the file.
    const std::string leftover = Ini() + ".new";
    ASSERT_TRUE(WriteBytes(leftover, "[POSITION]\r\nX=480\r\n[SIZE]\r\nWIDTH=\r\n"));
    {
        RunningProgram program(Options());
        ASSERT_TRUE(program.Window());
        RECT rect{};
        GetWindowRect(program.Window(), &rect);
        EXPECT_EQ(150, rect.left);
        SetWindowPos(program.Window(), nullptr, 260, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    EXPECT_EQ("260", Value("POSITION", "X"));
    EXPECT_EQ(81, KeysWritten());
    EXPECT_FALSE(FileExists(leftover));

    const std::string saved = ReadBytes(Ini());
    // A folder of the temporary's name: the new file cannot be made, and the old one must not
    // have taken any of its keys.
    ASSERT_TRUE(CreateDirectoryA(leftover.c_str(), nullptr));
    {
        RunningProgram program(Options());
        ASSERT_TRUE(program.Window());
        SetWindowPos(program.Window(), nullptr, 370, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    EXPECT_EQ(saved, ReadBytes(Ini()));
    RemoveDirectoryA(leftover.c_str());
}

TEST_F(SettingsFileTest, WidthZeroIsReadAsZero) {
    Set("SIZE", "WIDTH", "0");
    RunningProgram program(Options());
    ASSERT_TRUE(program.Window());
    EXPECT_EQ(0, RunningMain().Config().windowWidth);
}

TEST_F(SettingsFileTest, PatternImagesLoadFromTheBackgroundFolderOrFallBack) {
    Set("BACKGROUND", "MAIN_PAT", "tile");
    Set("BACKGROUND", "TAB_PAT", "missing");
    Set("BACKGROUND", "TAB", "255");
    Set("LIST", "SEL_PAT", "");
    Set("LIST", "SEL_COLOR", "65280");
    CreateDirectoryA((folder_.Path() + "background").c_str(), nullptr);
    ASSERT_TRUE(WriteBytes(folder_.Path() + "background\\tile.bmp", SmallBitmapFile()));
    {
        RunningProgram program(Options());
        ASSERT_TRUE(program.Window());
    }
    EXPECT_EQ("tile.bmp", Value("BACKGROUND", "MAIN_PAT"));
    EXPECT_EQ("カスタム", Value("BACKGROUND", "TAB_PAT"));
    EXPECT_EQ("8806212", Value("BACKGROUND", "TAB"));
    EXPECT_EQ("カスタム", Value("LIST", "SEL_PAT"));
    EXPECT_EQ("8806212", Value("LIST", "SEL_COLOR"));
}

TEST_F(SettingsFileTest, DeletedDataFolderMakesSavesFailQuietlyAndTheNextStartUsesDefaults) {
    Set("POSITION", "X", "300");
    {
        RunningProgram program(Options());
        ASSERT_TRUE(program.Window());
        RemoveTree(folder_.Path() + "data");
        ASSERT_FALSE(FileExists(folder_.Path() + "data"));
    }
    EXPECT_FALSE(FileExists(Ini()));
    RunningProgram program(Options());
    ASSERT_TRUE(program.Window());
    EXPECT_TRUE(FileExists(folder_.Path() + "data"));
    RECT rect;
    GetWindowRect(program.Window(), &rect);
    EXPECT_EQ(100, rect.left);
}

TEST_F(SettingsFileTest, ListStylesAreSavedFromTheListsLayout) {
    Set("LISTSTYLE", "MAIN", "4");
    Set("LISTSTYLE", "SUB", "3");
    {
        RunningProgram program(Options());
        ASSERT_TRUE(program.Window());
    }
    EXPECT_EQ("0", Value("LISTSTYLE", "MAIN"));
    EXPECT_EQ("3", Value("LISTSTYLE", "SUB"));
    Set("LISTSTYLE", "MAIN", "-1");
    Set("LISTSTYLE", "SUB", "1");
    // The main list shows its tab, whose style is the default for new tabs; the sub list shows none.
    // Without the first run's tab coming back, that tab is a new one.
    Set("LIST", "DEFSTYLE", "4");
    Set("TAB", "REMIND", "0");
    {
        RunningProgram program(Options());
        ASSERT_TRUE(program.Window());
    }
    EXPECT_EQ("-1", Value("LISTSTYLE", "MAIN"));
    EXPECT_EQ("1", Value("LISTSTYLE", "SUB"));
}

// The running program holds the key when registering it again elsewhere fails.
bool HotKeyTaken(UINT modifiers, UINT key) {
    HWND probe = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    bool taken = !RegisterHotKey(probe, 77, modifiers, key);
    if (!taken) UnregisterHotKey(probe, 77);
    DestroyWindow(probe);
    return taken;
}

TEST_F(SettingsFileTest, HotKeyIsRegisteredOnlyWhenUsedWithAKey) {
    {
        RunningProgram program(Options());
        ASSERT_TRUE(program.Window());
        EXPECT_FALSE(HotKeyTaken(MOD_CONTROL, 'Q'));
    }
    Set("HOTKEY", "USE", "1");
    Set("HOTKEY", "ALT", "1");
    Set("HOTKEY", "KEY", "87");
    {
        RunningProgram program(Options());
        ASSERT_TRUE(program.Window());
        EXPECT_TRUE(HotKeyTaken(MOD_CONTROL | MOD_ALT, 'W'));
        EXPECT_FALSE(HotKeyTaken(MOD_CONTROL, 'W'));
    }
    EXPECT_FALSE(HotKeyTaken(MOD_CONTROL | MOD_ALT, 'W'));
    Set("HOTKEY", "KEY", "0");
    RunningProgram program(Options());
    ASSERT_TRUE(program.Window());
    EXPECT_FALSE(HotKeyTaken(MOD_CONTROL | MOD_ALT, 0));
}

}  // namespace
