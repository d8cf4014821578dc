// Handing items and addresses to the shell to be started, wherever the user opens something that
// the program does not show itself.
#pragma once
#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <string>

// What takes the requests: the shell itself in the program; tests give one that records them.
class ShellExecutor {
public:
    virtual ~ShellExecutor() = default;
    // True when the shell took the request.
    virtual bool Execute(SHELLEXECUTEINFOA& request) { return ShellExecuteExA(&request) != FALSE; }
};

// Starts an item of a folder with its default verb: its absolute identifier list is invoked, with
// its path as the file and its folder as the working directory, in a normal window owned by owner.
// The parameters, when given, go to the program that the item starts.
bool RunItem(ShellExecutor& executor, HWND owner, IShellFolder* folder, PCUITEMID_CHILD item,
             const std::string& parameters = std::string());

// Opens an address, or a path that a shortcut gives without leading to a folder, with the verb
// "open" in a normal window, owned by no window.
bool OpenAddress(ShellExecutor& executor, const std::string& address);
