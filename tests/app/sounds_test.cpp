#include "app/sounds.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>

#include "win/program_folder.h"
#include "app/settings_file.h"
#include "win/owners.h"
#include "tests/support/test_support.h"

namespace {

// The bytes of a WAVE resource of the running executable, empty when there is none.
std::string BuiltInWave(int resource) {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(resource), "WAVE");
    if (!found) return std::string();
    const char* bytes = static_cast<const char*>(LockResource(LoadResource(module, found)));
    return bytes ? std::string(bytes, SizeofResource(module, found)) : std::string();
}

std::string HeldBytes(int event) {
    const char* data = static_cast<const char*>(EventSoundData(event));
    return data ? std::string(data, EventSoundSize(event)) : std::string();
}

class SoundEventsTest : public testing::Test {
protected:
    void SetUp() override {
        savedFolder_ = ProgramFolder();
        savedSettings_ = g_settings;
        SetProgramFolder(folder_.Path());
        CreateDirectoryA(SoundFolder().c_str(), nullptr);
        EnableSounds(true);
    }
    void TearDown() override {
        FreeEventSounds();
        SetProgramFolder(savedFolder_);
        g_settings = savedSettings_;
    }
    std::string SoundFolder() const { return folder_.Path() + "sound"; }
    std::string SoundPath(const std::string& name) const { return SoundFolder() + "\\" + name; }
    std::string WriteSound(const std::string& name, int builtInResource) {
        std::string bytes = BuiltInWave(builtInResource);
        EXPECT_TRUE(WriteBytes(SoundPath(name), bytes));
        return bytes;
    }

    TempFolder folder_;
    std::string savedFolder_;
    Settings savedSettings_;
};

TEST_F(SoundEventsTest, EveryEventHasItsBuiltInWaveInTheExecutable) {
    const int expected[kSoundEventCount] = {385, 381, 384, 386, 390, 391, 383, 382,
                                            388, 387, 392, 389, 409, 409, 409, 409};
    for (int event = 0; event < kSoundEventCount; ++event) {
        SCOPED_TRACE(event);
        EXPECT_EQ(expected[event], BuiltInSoundResource(event));
        std::string wave = BuiltInWave(BuiltInSoundResource(event));
        ASSERT_GT(wave.size(), 44u);
        EXPECT_EQ("RIFF", wave.substr(0, 4));
        EXPECT_EQ("WAVE", wave.substr(8, 4));
    }
    EXPECT_EQ(0, BuiltInSoundResource(-1));
    EXPECT_EQ(0, BuiltInSoundResource(kSoundEventCount));
}

TEST_F(SoundEventsTest, BuiltInSoundsPlayTheirResourceAndTheFourStrokesShareOne) {
    for (int event = 0; event < kSoundEventCount; ++event) {
        SCOPED_TRACE(event);
        unsigned before = LastSoundRequest().count;
        PlayEventSound(event);
        const SoundRequest& request = LastSoundRequest();
        EXPECT_EQ(before + 1, request.count);
        EXPECT_EQ(event, request.event);
        EXPECT_EQ(SoundSource::Resource, request.source);
        EXPECT_EQ(BuiltInSoundResource(event), request.resource);
    }
    for (SoundEvent stroke : {SoundEvent::GESTURE_LEFT, SoundEvent::GESTURE_UP, SoundEvent::GESTURE_RIGHT,
                              SoundEvent::GESTURE_DOWN}) {
        PlayEventSound(stroke);
        EXPECT_EQ(static_cast<int>(stroke), LastSoundRequest().event);
        EXPECT_EQ(409, LastSoundRequest().resource);
    }
    unsigned before = LastSoundRequest().count;
    PlayEventSound(-1);
    PlayEventSound(kSoundEventCount);
    EXPECT_EQ(before, LastSoundRequest().count);
}

TEST_F(SoundEventsTest, SoundsOffSilenceEveryEventButNotThePreview) {
    WriteSound("mine.wav", 387);
    SetEventSound(static_cast<int>(SoundEvent::DROP), false, "mine.wav");
    EnableSounds(false);
    EXPECT_FALSE(SoundsEnabled());
    EXPECT_EQ(0, g_settings.useSound);
    unsigned before = LastSoundRequest().count;
    for (int event = 0; event < kSoundEventCount; ++event) PlayEventSound(event);
    EXPECT_EQ(before, LastSoundRequest().count);

    PlaySoundFile(SoundPath("mine.wav"));
    EXPECT_EQ(before + 1, LastSoundRequest().count);
    EXPECT_EQ(SoundSource::File, LastSoundRequest().source);
    EXPECT_EQ(SoundPath("mine.wav"), LastSoundRequest().file);

    PlaySoundFile(SoundPath("absent.wav"));
    PlaySoundFile(SoundFolder());
    EXPECT_EQ(before + 1, LastSoundRequest().count);

    EnableSounds(true);
    EXPECT_EQ(1, g_settings.useSound);
    PlayEventSound(SoundEvent::DROP);
    EXPECT_EQ(SoundSource::Memory, LastSoundRequest().source);
}

TEST_F(SoundEventsTest, CustomFileIsReadWholeAndPlayedFromMemory) {
    std::string bytes = WriteSound("フォルダ移動.wav", 383);
    const int cd = static_cast<int>(SoundEvent::CD);
    SetEventSound(cd, false, "フォルダ移動.wav");
    EXPECT_EQ(bytes, HeldBytes(cd));
    EXPECT_EQ("フォルダ移動.wav", g_settings.soundFiles[cd]);
    EXPECT_TRUE(DeleteFileA(SoundPath("フォルダ移動.wav").c_str())) << "the file is not kept open";

    PlayEventSound(SoundEvent::CD);
    EXPECT_EQ(cd, LastSoundRequest().event);
    EXPECT_EQ(SoundSource::Memory, LastSoundRequest().source);
    EXPECT_EQ(EventSoundData(cd), LastSoundRequest().memory);

    PlayEventSound(SoundEvent::BTN);
    EXPECT_EQ(SoundSource::Resource, LastSoundRequest().source);
}

TEST_F(SoundEventsTest, SoundFolderIsJoinedWithOneSeparatorEvenAfterADoubleByteName) {
    // "表" ends in the byte of a backslash; the folder must still get a separator of its own.
    std::string programFolder = folder_.Path() + "表";
    CreateDirectoryA(programFolder.c_str(), nullptr);
    CreateDirectoryA((programFolder + "\\sound").c_str(), nullptr);
    std::string bytes = BuiltInWave(381);
    ASSERT_TRUE(WriteBytes(programFolder + "\\sound\\tab.wav", bytes));
    const int addTab = static_cast<int>(SoundEvent::ADDTAB);

    SetProgramFolder(programFolder);
    SetEventSound(addTab, false, "tab.wav");
    EXPECT_EQ(bytes, HeldBytes(addTab));

    SetProgramFolder(programFolder + "\\");
    SetEventSound(addTab, true, "");
    SetEventSound(addTab, false, "tab.wav");
    EXPECT_EQ(bytes, HeldBytes(addTab));
}

TEST_F(SoundEventsTest, UnusableCustomFilesFallBackToTheBuiltInSoundAndLoseTheirName) {
    ASSERT_TRUE(WriteBytes(SoundPath("empty.wav"), ""));
    CreateDirectoryA(SoundPath("folder.wav").c_str(), nullptr);
    {
        Handle huge(CreateFileA(SoundPath("huge.wav").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(huge.Valid());
        LARGE_INTEGER end{};
        end.QuadPart = 65LL * 1024 * 1024;
        ASSERT_TRUE(SetFilePointerEx(huge.Get(), end, nullptr, FILE_BEGIN));
        ASSERT_TRUE(SetEndOfFile(huge.Get()));
    }
    const int tab = static_cast<int>(SoundEvent::CHTAB);
    for (const char* name : {"absent.wav", "empty.wav", "folder.wav", "huge.wav"}) {
        SCOPED_TRACE(name);
        WriteSound("good.wav", 386);
        SetEventSound(tab, false, "good.wav");
        ASSERT_NE(nullptr, EventSoundData(tab));

        SetEventSound(tab, false, name);
        EXPECT_EQ(nullptr, EventSoundData(tab));
        EXPECT_EQ(0u, EventSoundSize(tab));
        EXPECT_EQ("", g_settings.soundFiles[tab]);
        PlayEventSound(tab);
        EXPECT_EQ(SoundSource::Resource, LastSoundRequest().source);
        EXPECT_EQ(386, LastSoundRequest().resource);
    }
}

TEST_F(SoundEventsTest, FileOpenElsewhereIsReadWhenSharedAndFallsBackWhenLocked) {
    std::string bytes = WriteSound("drag.wav", 388);
    const int drag = static_cast<int>(SoundEvent::DRAG);
    {
        Handle reader(CreateFileA(SoundPath("drag.wav").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(reader.Valid());
        SetEventSound(drag, false, "drag.wav");
        EXPECT_EQ(bytes, HeldBytes(drag));
        EXPECT_EQ("drag.wav", g_settings.soundFiles[drag]);
    }
    Handle locker(CreateFileA(SoundPath("drag.wav").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(locker.Valid());
    SetEventSound(drag, false, "drag.wav");
    EXPECT_EQ(nullptr, EventSoundData(drag));
    EXPECT_EQ("", g_settings.soundFiles[drag]);
}

TEST_F(SoundEventsTest, ReplacingAHeldSoundStopsPlaybackBeforeTheBlockGoes) {
    std::string first = WriteSound("one.wav", 390);
    std::string second = WriteSound("two.wav", 391);
    const int lock = static_cast<int>(SoundEvent::TABLOCK);
    SetEventSound(lock, false, "one.wav");
    PlayEventSound(lock);
    ASSERT_EQ(SoundSource::Memory, LastSoundRequest().source);

    unsigned before = LastSoundRequest().count;
    SetEventSound(lock, false, "two.wav");
    EXPECT_EQ(before + 1, LastSoundRequest().count);
    EXPECT_EQ(SoundSource::Stop, LastSoundRequest().source);
    EXPECT_EQ(second, HeldBytes(lock));

    PlayEventSound(lock);
    before = LastSoundRequest().count;
    SetEventSound(lock, true, "");
    EXPECT_EQ(SoundSource::Stop, LastSoundRequest().source);
    EXPECT_EQ(before + 1, LastSoundRequest().count);
    EXPECT_EQ(nullptr, EventSoundData(lock));
    EXPECT_EQ("", g_settings.soundFiles[lock]);

    before = LastSoundRequest().count;
    SetEventSound(lock, true, "");
    EXPECT_EQ(before, LastSoundRequest().count) << "nothing held, nothing to stop";
}

TEST_F(SoundEventsTest, LoadingFollowsTheNamesOfTheSettings) {
    std::string show = WriteSound("show.wav", 385);
    std::string down = WriteSound("down.wav", 409);
    g_settings.soundFiles.fill("");
    g_settings.soundFiles[0] = "show.wav";
    g_settings.soundFiles[5] = "gone.wav";
    g_settings.soundFiles[15] = "down.wav";
    LoadEventSounds();
    for (int event = 0; event < kSoundEventCount; ++event) {
        SCOPED_TRACE(event);
        if (event == 0) EXPECT_EQ(show, HeldBytes(event));
        else if (event == 15) EXPECT_EQ(down, HeldBytes(event));
        else EXPECT_EQ(nullptr, EventSoundData(event));
    }
    EXPECT_EQ("show.wav", g_settings.soundFiles[0]);
    EXPECT_EQ("", g_settings.soundFiles[5]);
    EXPECT_EQ("down.wav", g_settings.soundFiles[15]);
}

TEST_F(SoundEventsTest, FreeingAllStopsPlaybackAndReleasesEveryBlock) {
    for (int event = 0; event < kSoundEventCount; ++event) {
        std::string name = "e" + std::to_string(event) + ".wav";
        WriteSound(name, BuiltInSoundResource(event));
        SetEventSound(event, false, name);
        ASSERT_NE(nullptr, EventSoundData(event));
    }
    PlayEventSound(SoundEvent::ERASE);
    ASSERT_EQ(SoundSource::Memory, LastSoundRequest().source);

    unsigned before = LastSoundRequest().count;
    FreeEventSounds();
    EXPECT_EQ(before + 1, LastSoundRequest().count);
    EXPECT_EQ(SoundSource::Stop, LastSoundRequest().source);
    for (int event = 0; event < kSoundEventCount; ++event) {
        EXPECT_EQ(nullptr, EventSoundData(event));
        EXPECT_EQ(0u, EventSoundSize(event));
    }
    PlayEventSound(SoundEvent::ERASE);
    EXPECT_EQ(SoundSource::Resource, LastSoundRequest().source);

    before = LastSoundRequest().count;
    FreeEventSounds();
    EXPECT_EQ(before, LastSoundRequest().count);
}

class SoundsInTheProgramTest : public testing::Test {
protected:
    SoundsInTheProgramTest() {
        CreateDirectoryA((folder_.Path() + "data").c_str(), nullptr);
        CreateDirectoryA((folder_.Path() + "sound").c_str(), nullptr);
    }
    StartOptions Options() {
        StartOptions options;
        options.programFolder = folder_.Path();
        return options;
    }
    std::string IniPath() const { return folder_.Path() + "data\\t.ini"; }
    std::string SavedSound(const char* key) const {
        char value[MAX_PATH] = {};
        GetPrivateProfileStringA("SOUND", key, "<none>", value, sizeof value, IniPath().c_str());
        return value;
    }
    int SavedUseSound() const {
        return static_cast<int>(GetPrivateProfileIntA("SOUND", "USE_SOUND", -1, IniPath().c_str()));
    }

    TempFolder folder_;
};

TEST_F(SoundsInTheProgramTest, MissingFileIsSavedEmptyAndStartEndsWithTheShowSound) {
    ASSERT_TRUE(WriteBytes(folder_.Path() + "sound\\cd.wav", BuiltInWave(383)));
    ASSERT_TRUE(WriteBytes(IniPath(), "[SOUND]\r\nUSE_SOUND=1\r\nSHOW=missing.wav\r\nCD=cd.wav\r\n"));
    {
        RunningProgram program(Options());
        ASSERT_TRUE(program.Window());
        EXPECT_EQ(static_cast<int>(SoundEvent::SHOW), LastSoundRequest().event);
        EXPECT_EQ(SoundSource::Resource, LastSoundRequest().source);
        EXPECT_EQ(385, LastSoundRequest().resource);
        EXPECT_NE(nullptr, EventSoundData(static_cast<int>(SoundEvent::CD)));
        program.Quit();
        EXPECT_EQ(SoundSource::Stop, LastSoundRequest().source);
        for (int event = 0; event < kSoundEventCount; ++event) EXPECT_EQ(nullptr, EventSoundData(event));
    }
    EXPECT_EQ("", SavedSound("SHOW"));
    EXPECT_EQ("cd.wav", SavedSound("CD"));
    EXPECT_EQ(1, SavedUseSound());
}

TEST_F(SoundsInTheProgramTest, CustomShowSoundIsPlayedFromMemoryAtTheEndOfStart) {
    ASSERT_TRUE(WriteBytes(folder_.Path() + "sound\\hello.wav", BuiltInWave(381)));
    ASSERT_TRUE(WriteBytes(IniPath(), "[SOUND]\r\nSHOW=hello.wav\r\n"));
    RunningProgram program(Options());
    ASSERT_TRUE(program.Window());
    EXPECT_EQ(static_cast<int>(SoundEvent::SHOW), LastSoundRequest().event);
    EXPECT_EQ(SoundSource::Memory, LastSoundRequest().source);
    EXPECT_EQ(EventSoundData(static_cast<int>(SoundEvent::SHOW)), LastSoundRequest().memory);
}

TEST_F(SoundsInTheProgramTest, SoundsOffStartsSilentlyAndStaysOffWhenSaved) {
    ASSERT_TRUE(WriteBytes(IniPath(), "[SOUND]\r\nUSE_SOUND=0\r\n"));
    unsigned before = LastSoundRequest().count;
    {
        RunningProgram program(Options());
        ASSERT_TRUE(program.Window());
        EXPECT_FALSE(SoundsEnabled());
        EXPECT_EQ(before, LastSoundRequest().count);
    }
    EXPECT_EQ(0, SavedUseSound());
}

TEST_F(SoundsInTheProgramTest, TheSwitchAsLastSetIsWhatIsSaved) {
    ASSERT_TRUE(WriteBytes(IniPath(), "[SOUND]\r\nUSE_SOUND=1\r\n"));
    {
        RunningProgram program(Options());
        ASSERT_TRUE(program.Window());
        ASSERT_TRUE(SoundsEnabled());
        EnableSounds(false);
    }
    EXPECT_EQ(0, SavedUseSound());
}

}  // namespace
