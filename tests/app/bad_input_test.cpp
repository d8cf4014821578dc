// Start paths and hand-over records that no user should send but some program will: a thousand of
// them, paths at the length limit and one byte past it, bytes that are no characters, servers and
// drives that are not there. Each opens its tab or shows the box and is skipped; nothing else moves.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/main_window.h"
#include "core/handover.h"
#include "tests/support/program_fixture.h"

namespace {

std::string PathOfTab(int tab) {
    const tabs::TabRecord* record = RunningMain().Tabs().Tab(tab);
    return record ? record->folder->Path() : std::string();
}

std::vector<std::string> TabPaths() {
    std::vector<std::string> paths;
    for (int tab = 1; tab <= RunningMain().Tabs().Count(); ++tab) paths.push_back(PathOfTab(tab));
    return paths;
}

void HandOver(HWND window, const std::vector<std::string>& paths) {
    std::vector<char> record = handover::BuildRecord(paths);
    COPYDATASTRUCT copy{};
    copy.dwData = paths.size();
    copy.cbData = static_cast<DWORD>(record.size());
    copy.lpData = record.data();
    SendMessageA(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&copy));
}

// A drive letter that names no drive here.
std::string UnusedDrive() {
    DWORD drives = GetLogicalDrives();
    for (char letter = 'Q'; letter <= 'Y'; ++letter)
        if (!(drives & (1u << (letter - 'A')))) return std::string(1, letter) + ":";
    return std::string();
}

class BadInputTest : public ProgramFolderTest {
protected:
    // A file whose full path is exactly `length` bytes, in a folder of its own.
    std::string FileOfPathLength(size_t length) {
        std::string folder = folder_.Path() + std::string(200 - folder_.Path().size(), 'd');
        CreateDirectoryA(folder.c_str(), nullptr);
        std::string path = folder + "\\" + std::string(length - folder.size() - 5, 'f') + ".txt";
        HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
        return path;
    }
};

TEST_F(BadInputTest, AThousandStartArgumentsOpenAThousandTabsInOrder) {
    std::vector<std::string> folders;
    for (int i = 0; i < 10; ++i) folders.push_back(MakeFolder(("folder" + std::to_string(i)).c_str()));
    StartOptions options = Options();
    for (int i = 0; i < 1000; ++i) options.arguments.push_back(folders[static_cast<size_t>(i % 10)]);
    RunningProgram program(options);
    ASSERT_TRUE(program.Window());
    ASSERT_EQ(1000, RunningMain().Tabs().Count());
    EXPECT_EQ(folders[0], PathOfTab(1));
    EXPECT_EQ(folders[9], PathOfTab(1000));
    EXPECT_TRUE(AnswersWithinASecond(program.Window()));

    // A thousand more in one hand-over record, and one slot that is no path among them.
    std::vector<std::string> handed(options.arguments);
    handed[500] = folder_.Path() + "missing";
    MessageBoxCloser closer("ファイルが見つかりません");
    HandOver(program.Window(), handed);
    EXPECT_EQ(1u, closer.Texts().size());
    ASSERT_EQ(1999, RunningMain().Tabs().Count());
    EXPECT_EQ(folders[0], PathOfTab(1001));
    EXPECT_EQ(folders[1], PathOfTab(1501)) << "the missing path is skipped, not left as a gap";
    EXPECT_TRUE(AnswersWithinASecond(program.Window()));
}

TEST_F(BadInputTest, APathOf259BytesOpensAndOneOf260ShowsTheBoxAtStartAndOnHandOver) {
    std::string fits = FileOfPathLength(259);
    ASSERT_EQ(259u, fits.size());
    ASSERT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(fits.c_str()));
    const std::string folder = fits.substr(0, fits.rfind('\\'));
    // Cut to 259 bytes, the longer path would be the file above.
    std::string overlong = fits + "x";

    StartOptions options = Options();
    options.arguments = {fits, overlong};
    MessageBoxCloser closer("ファイルが見つかりません");
    {
        RunningProgram program(options);
        ASSERT_TRUE(program.Window());
        EXPECT_EQ(std::vector<std::string>{folder}, TabPaths()) << "a file opens its folder";
        ASSERT_EQ(1u, closer.Texts().size());
        EXPECT_NE(std::string::npos, closer.Texts()[0].find(overlong));

        // A second start hands over the path that fits its slot and refuses the other itself.
        std::string command = "\"" + TestProgramPath("tessary.exe") + "\" \"" + overlong + "\" \"" + fits + "\"";
        EXPECT_EQ(0, RunProcessPumping(command));
        EXPECT_EQ((std::vector<std::string>{folder, folder}), TabPaths());
        ASSERT_EQ(2u, closer.Texts().size());
        EXPECT_NE(std::string::npos, closer.Texts()[1].find(overlong));
    }
}

TEST_F(BadInputTest, APathCutInsideACharacterNamesNoOtherFolder) {
    // 81 5C is "―": with a separator after it, "abc" and a lone lead byte would read as this folder.
    std::string lookalike = MakeFolder("abc―");
    std::string cut = folder_.Path() + "abc\x81";
    std::string badTrail = folder_.Path() + "abc\x81\x7f";
    StartOptions options = Options();
    options.arguments = {cut, badTrail};
    MessageBoxCloser closer("ファイルが見つかりません");
    RunningProgram program(options);
    ASSERT_TRUE(program.Window());
    ASSERT_EQ(1, RunningMain().Tabs().Count()) << "only the desktop, opened when nothing else was";
    EXPECT_NE(lookalike, PathOfTab(1));
    EXPECT_EQ(2u, closer.Texts().size());

    HandOver(program.Window(), {cut, lookalike});
    EXPECT_EQ(3u, closer.Texts().size());
    ASSERT_EQ(2, RunningMain().Tabs().Count());
    EXPECT_EQ(lookalike, PathOfTab(2));
}

TEST_F(BadInputTest, AServerOrADriveThatIsNotThereShowsTheBoxAndTheWindowGoesOn) {
    RunningProgram program(Options());
    ASSERT_TRUE(program.Window());
    const std::vector<std::string> before = TabPaths();
    std::string drive = UnusedDrive();
    ASSERT_FALSE(drive.empty());
    // Wine cannot make a removable drive without its medium; a letter with no drive behind it
    // takes the same way through the program: the shell cannot parse the path.
    std::vector<std::string> paths = {"\\\\tessary-no-such-server\\share\\folder", drive + "\\folder"};
    MessageBoxCloser closer("ファイルが見つかりません");
    std::string command = "\"" + TestProgramPath("tessary.exe") + "\"";
    for (const std::string& path : paths) command += " \"" + path + "\"";
    EXPECT_EQ(0, RunProcessPumping(command));
    EXPECT_EQ(2u, closer.Texts().size());
    EXPECT_EQ(before, TabPaths());
    EXPECT_TRUE(AnswersWithinASecond(program.Window()));
}

}  // namespace
