#pragma once
#include <windows.h>

// The shell's own format for dragged identifier lists. The system hands out the same number for
// the same name for as long as it runs, so asking again is cheap and keeps no state here.
UINT ShellIdListFormat();
