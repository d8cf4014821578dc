// The user's hand on a folder list of the program running in the test: finding, selecting and
// double-clicking rows, and keys typed into the list.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

class ListPane;

// The row that shows the named item, or -1.
int RowNamed(ListPane& list, const std::string& name);
// A double-click on the middle of the row's label, as the control receives it from the mouse.
void DoubleClickRow(HWND list, int row);
// Exactly these rows selected, the first with the focus.
void SelectRows(HWND list, const std::vector<int>& rows);
// The list's window brought forward and the list given the focus, then a key pressed and released
// through the system's input; what it causes is handled before this returns.
void TypeInto(HWND list, WORD key);
// As TypeInto, for any window and keys: the held keys pressed in order, each key pressed and
// released, then the held keys released in the opposite order.
void TypeKeys(HWND window, const std::vector<WORD>& held, const std::vector<WORD>& keys);
// The same keys through the system's input, left in the queue for the caller's message loop.
void SendKeys(const std::vector<WORD>& held, const std::vector<WORD>& keys);
