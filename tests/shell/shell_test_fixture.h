// A fixture for the shell toolkit: the shell services running, and a temporary tree of folders
// and files with Japanese names, reached through the shell's own path parser so that the code
// under test is not its own oracle.
#pragma once
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "shell/shell_execute.h"
#include "shell/shell_services.h"
#include "win/owners.h"
#include "tests/support/test_support.h"

class ShellFixture : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Paths below the temporary folder, given without a leading backslash.
    std::string PathOf(const std::string& relative) const { return temp_.Path() + relative; }
    std::string MakeFolder(const std::string& relative);
    std::string MakeFile(const std::string& relative, const std::string& bytes = "data");
    // Saves a shell link to target; false when the system cannot make one.
    bool MakeLink(const std::string& relative, const std::string& target);

    TempFolder temp_;
    std::unique_ptr<ShellServices> shell_;
};

// The shell's own list of a path; null when it does not exist.
ItemIdList ShellListOf(const std::string& path);
std::string ShellPathOf(PCIDLIST_ABSOLUTE list);
// The display name that the shell gives a child of the desktop or another folder.
std::string ShellDisplayName(IShellFolder* folder, PCUITEMID_CHILD child, SHGDNF kind = SHGDN_NORMAL);
bool SameBytes(PCUIDLIST_RELATIVE a, PCUIDLIST_RELATIVE b);
std::wstring Wide(const std::string& text);

// Saves a shell link that keeps its target as a path, as a link made from a path does; false when
// the system cannot make one.
bool SavePathLink(const std::string& linkPath, const std::string& target);
// Saves a shell link that keeps its target's identifier list, as the system's own shortcuts do.
bool SaveListLink(const std::string& linkPath, const std::string& target);

// Keeps what each request asked of the shell instead of starting anything.
class RecordingExecutor : public ShellExecutor {
public:
    struct Request {
        std::string verb;
        std::string file;
        std::string directory;
        // The path of the absolute identifier list handed over, empty for none.
        std::string listPath;
        ULONG mask;
        HWND owner;
        int show;
        std::string parameters;
    };

    bool Execute(SHELLEXECUTEINFOA& request) override;

    std::vector<Request> requests;
};
