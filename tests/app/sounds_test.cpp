#include "app/sounds.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <memory>

#include "win/program_folder.h"
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

std::string HeldBytes(const EventSounds& sounds, int event) {
    const char* data = static_cast<const char*>(sounds.EventSoundData(event));
    return data ? std::string(data, sounds.EventSoundSize(event)) : std::string();
}

class SoundEventsTest : public testing::Test {
protected:
    void SetUp() override {
        CreateDirectoryA(SoundFolder().c_str(), nullptr);
        UseProgramFolder(folder_.Path());
        sounds_->EnableSounds(true);
    }
    // The sounds of a program kept in that folder; what the earlier sounds held is freed.
    void UseProgramFolder(const std::string& path) {
        sounds_.reset();
        programFolder_ = std::make_unique<ProgramFolder>(path);
        sounds_ = std::make_unique<EventSounds>(settings_, *programFolder_);
    }
    EventSounds& Sounds() { return *sounds_; }
    std::string HeldBytes(int event) const { return ::HeldBytes(*sounds_, event); }
    std::string SoundFolder() const { return folder_.Path() + "sound"; }
    std::string SoundPath(const std::string& name) const { return SoundFolder() + "\\" + name; }
    std::string WriteSound(const std::string& name, int builtInResource) {
        std::string bytes = BuiltInWave(builtInResource);
        EXPECT_TRUE(WriteBytes(SoundPath(name), bytes));
        return bytes;
    }

    TempFolder folder_;
    Settings settings_ = DefaultSettings();
    std::unique_ptr<ProgramFolder> programFolder_;
    std::unique_ptr<EventSounds> sounds_;
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
        unsigned before = Sounds().LastSoundRequest().count;
        Sounds().PlayEventSound(event);
        const SoundRequest& request = Sounds().LastSoundRequest();
        EXPECT_EQ(before + 1, request.count);
        EXPECT_EQ(event, request.event);
        EXPECT_EQ(SoundSource::Resource, request.source);
        EXPECT_EQ(BuiltInSoundResource(event), request.resource);
    }
    for (SoundEvent stroke :
         {SoundEvent::GESTURE_LEFT, SoundEvent::GESTURE_UP, SoundEvent::GESTURE_RIGHT, SoundEvent::GESTURE_DOWN}) {
        Sounds().PlayEventSound(stroke);
        EXPECT_EQ(static_cast<int>(stroke), Sounds().LastSoundRequest().event);
        EXPECT_EQ(409, Sounds().LastSoundRequest().resource);
    }
    unsigned before = Sounds().LastSoundRequest().count;
    Sounds().PlayEventSound(-1);
    Sounds().PlayEventSound(kSoundEventCount);
    EXPECT_EQ(before, Sounds().LastSoundRequest().count);
}

TEST_F(SoundEventsTest, SoundsOffSilenceEveryEventButNotThePreview) {
    WriteSound("mine.wav", 387);
    Sounds().SetEventSound(static_cast<int>(SoundEvent::DROP), false, "mine.wav");
    Sounds().EnableSounds(false);
    EXPECT_FALSE(Sounds().SoundsEnabled());
    EXPECT_EQ(0, settings_.useSound);
    unsigned before = Sounds().LastSoundRequest().count;
    for (int event = 0; event < kSoundEventCount; ++event) Sounds().PlayEventSound(event);
    EXPECT_EQ(before, Sounds().LastSoundRequest().count);

    Sounds().PlaySoundFile(SoundPath("mine.wav"));
    EXPECT_EQ(before + 1, Sounds().LastSoundRequest().count);
    EXPECT_EQ(SoundSource::File, Sounds().LastSoundRequest().source);
    EXPECT_EQ(SoundPath("mine.wav"), Sounds().LastSoundRequest().file);

    Sounds().PlaySoundFile(SoundPath("absent.wav"));
    Sounds().PlaySoundFile(SoundFolder());
    EXPECT_EQ(before + 1, Sounds().LastSoundRequest().count);

    Sounds().EnableSounds(true);
    EXPECT_EQ(1, settings_.useSound);
    Sounds().PlayEventSound(SoundEvent::DROP);
    EXPECT_EQ(SoundSource::Memory, Sounds().LastSoundRequest().source);
}

TEST_F(SoundEventsTest, CustomFileIsReadWholeAndPlayedFromMemory) {
    std::string bytes = WriteSound("フォルダ移動.wav", 383);
    const int cd = static_cast<int>(SoundEvent::CD);
    Sounds().SetEventSound(cd, false, "フォルダ移動.wav");
    EXPECT_EQ(bytes, HeldBytes(cd));
    EXPECT_EQ("フォルダ移動.wav", settings_.soundFiles[cd]);
    EXPECT_TRUE(DeleteFileA(SoundPath("フォルダ移動.wav").c_str())) << "the file is not kept open";

    Sounds().PlayEventSound(SoundEvent::CD);
    EXPECT_EQ(cd, Sounds().LastSoundRequest().event);
    EXPECT_EQ(SoundSource::Memory, Sounds().LastSoundRequest().source);
    EXPECT_EQ(Sounds().EventSoundData(cd), Sounds().LastSoundRequest().memory);

    Sounds().PlayEventSound(SoundEvent::BTN);
    EXPECT_EQ(SoundSource::Resource, Sounds().LastSoundRequest().source);
}

TEST_F(SoundEventsTest, SoundFolderIsJoinedWithOneSeparatorEvenAfterADoubleByteName) {
    // "表" ends in the byte of a backslash; the folder must still get a separator of its own.
    std::string programFolder = folder_.Path() + "表";
    CreateDirectoryA(programFolder.c_str(), nullptr);
    CreateDirectoryA((programFolder + "\\sound").c_str(), nullptr);
    std::string bytes = BuiltInWave(381);
    ASSERT_TRUE(WriteBytes(programFolder + "\\sound\\tab.wav", bytes));
    const int addTab = static_cast<int>(SoundEvent::ADDTAB);

    UseProgramFolder(programFolder);
    Sounds().SetEventSound(addTab, false, "tab.wav");
    EXPECT_EQ(bytes, HeldBytes(addTab));

    UseProgramFolder(programFolder + "\\");
    Sounds().SetEventSound(addTab, true, "");
    Sounds().SetEventSound(addTab, false, "tab.wav");
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
        Sounds().SetEventSound(tab, false, "good.wav");
        ASSERT_NE(nullptr, Sounds().EventSoundData(tab));

        Sounds().SetEventSound(tab, false, name);
        EXPECT_EQ(nullptr, Sounds().EventSoundData(tab));
        EXPECT_EQ(0u, Sounds().EventSoundSize(tab));
        EXPECT_EQ("", settings_.soundFiles[tab]);
        Sounds().PlayEventSound(tab);
        EXPECT_EQ(SoundSource::Resource, Sounds().LastSoundRequest().source);
        EXPECT_EQ(386, Sounds().LastSoundRequest().resource);
    }
}

TEST_F(SoundEventsTest, FileOpenElsewhereIsReadWhenSharedAndFallsBackWhenLocked) {
    std::string bytes = WriteSound("drag.wav", 388);
    const int drag = static_cast<int>(SoundEvent::DRAG);
    {
        Handle reader(CreateFileA(SoundPath("drag.wav").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  0, nullptr));
        ASSERT_TRUE(reader.Valid());
        Sounds().SetEventSound(drag, false, "drag.wav");
        EXPECT_EQ(bytes, HeldBytes(drag));
        EXPECT_EQ("drag.wav", settings_.soundFiles[drag]);
    }
    Handle locker(CreateFileA(SoundPath("drag.wav").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(locker.Valid());
    Sounds().SetEventSound(drag, false, "drag.wav");
    EXPECT_EQ(nullptr, Sounds().EventSoundData(drag));
    EXPECT_EQ("", settings_.soundFiles[drag]);
}

TEST_F(SoundEventsTest, ReplacingAHeldSoundStopsPlaybackBeforeTheBlockGoes) {
    std::string first = WriteSound("one.wav", 390);
    std::string second = WriteSound("two.wav", 391);
    const int lock = static_cast<int>(SoundEvent::TABLOCK);
    Sounds().SetEventSound(lock, false, "one.wav");
    Sounds().PlayEventSound(lock);
    ASSERT_EQ(SoundSource::Memory, Sounds().LastSoundRequest().source);

    unsigned before = Sounds().LastSoundRequest().count;
    Sounds().SetEventSound(lock, false, "two.wav");
    EXPECT_EQ(before + 1, Sounds().LastSoundRequest().count);
    EXPECT_EQ(SoundSource::Stop, Sounds().LastSoundRequest().source);
    EXPECT_EQ(second, HeldBytes(lock));

    Sounds().PlayEventSound(lock);
    before = Sounds().LastSoundRequest().count;
    Sounds().SetEventSound(lock, true, "");
    EXPECT_EQ(SoundSource::Stop, Sounds().LastSoundRequest().source);
    EXPECT_EQ(before + 1, Sounds().LastSoundRequest().count);
    EXPECT_EQ(nullptr, Sounds().EventSoundData(lock));
    EXPECT_EQ("", settings_.soundFiles[lock]);

    before = Sounds().LastSoundRequest().count;
    Sounds().SetEventSound(lock, true, "");
    EXPECT_EQ(before, Sounds().LastSoundRequest().count) << "nothing held, nothing to stop";
}

TEST_F(SoundEventsTest, LoadingFollowsTheNamesOfTheSettings) {
    std::string show = WriteSound("show.wav", 385);
    std::string down = WriteSound("down.wav", 409);
    settings_.soundFiles.fill("");
    settings_.soundFiles[0] = "show.wav";
    settings_.soundFiles[5] = "gone.wav";
    settings_.soundFiles[15] = "down.wav";
    Sounds().LoadEventSounds();
    for (int event = 0; event < kSoundEventCount; ++event) {
        SCOPED_TRACE(event);
        if (event == 0) EXPECT_EQ(show, HeldBytes(event));
        else if (event == 15)
            EXPECT_EQ(down, HeldBytes(event));
        else
            EXPECT_EQ(nullptr, Sounds().EventSoundData(event));
    }
    EXPECT_EQ("show.wav", settings_.soundFiles[0]);
    EXPECT_EQ("", settings_.soundFiles[5]);
    EXPECT_EQ("down.wav", settings_.soundFiles[15]);
}

TEST_F(SoundEventsTest, FreeingAllStopsPlaybackAndReleasesEveryBlock) {
    for (int event = 0; event < kSoundEventCount; ++event) {
        std::string name = "e" + std::to_string(event) + ".wav";
        WriteSound(name, BuiltInSoundResource(event));
        Sounds().SetEventSound(event, false, name);
        ASSERT_NE(nullptr, Sounds().EventSoundData(event));
    }
    Sounds().PlayEventSound(SoundEvent::ERASE);
    ASSERT_EQ(SoundSource::Memory, Sounds().LastSoundRequest().source);

    unsigned before = Sounds().LastSoundRequest().count;
    Sounds().FreeEventSounds();
    EXPECT_EQ(before + 1, Sounds().LastSoundRequest().count);
    EXPECT_EQ(SoundSource::Stop, Sounds().LastSoundRequest().source);
    for (int event = 0; event < kSoundEventCount; ++event) {
        EXPECT_EQ(nullptr, Sounds().EventSoundData(event));
        EXPECT_EQ(0u, Sounds().EventSoundSize(event));
    }
    Sounds().PlayEventSound(SoundEvent::ERASE);
    EXPECT_EQ(SoundSource::Resource, Sounds().LastSoundRequest().source);

    before = Sounds().LastSoundRequest().count;
    Sounds().FreeEventSounds();
    EXPECT_EQ(before, Sounds().LastSoundRequest().count);
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
        EXPECT_EQ(static_cast<int>(SoundEvent::SHOW), program.Context().sounds.LastSoundRequest().event);
        EXPECT_EQ(SoundSource::Resource, program.Context().sounds.LastSoundRequest().source);
        EXPECT_EQ(385, program.Context().sounds.LastSoundRequest().resource);
        EXPECT_NE(nullptr, program.Context().sounds.EventSoundData(static_cast<int>(SoundEvent::CD)));
        program.Quit();
        EXPECT_EQ(SoundSource::Stop, program.Context().sounds.LastSoundRequest().source);
        for (int event = 0; event < kSoundEventCount; ++event)
            EXPECT_EQ(nullptr, program.Context().sounds.EventSoundData(event));
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
    EXPECT_EQ(static_cast<int>(SoundEvent::SHOW), program.Context().sounds.LastSoundRequest().event);
    EXPECT_EQ(SoundSource::Memory, program.Context().sounds.LastSoundRequest().source);
    EXPECT_EQ(program.Context().sounds.EventSoundData(static_cast<int>(SoundEvent::SHOW)),
              program.Context().sounds.LastSoundRequest().memory);
}

TEST_F(SoundsInTheProgramTest, SoundsOffStartsSilentlyAndStaysOffWhenSaved) {
    ASSERT_TRUE(WriteBytes(IniPath(), "[SOUND]\r\nUSE_SOUND=0\r\n"));
    {
        RunningProgram program(Options());
        ASSERT_TRUE(program.Window());
        EXPECT_FALSE(program.Context().sounds.SoundsEnabled());
        EXPECT_EQ(0u, program.Context().sounds.LastSoundRequest().count);
    }
    EXPECT_EQ(0, SavedUseSound());
}

TEST_F(SoundsInTheProgramTest, TheSwitchAsLastSetIsWhatIsSaved) {
    ASSERT_TRUE(WriteBytes(IniPath(), "[SOUND]\r\nUSE_SOUND=1\r\n"));
    {
        RunningProgram program(Options());
        ASSERT_TRUE(program.Window());
        ASSERT_TRUE(program.Context().sounds.SoundsEnabled());
        program.Context().sounds.EnableSounds(false);
    }
    EXPECT_EQ(0, SavedUseSound());
}

}  // namespace
