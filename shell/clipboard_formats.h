#pragma once
#include <windows.h>

// The shell's own format for dragged identifier lists, registered once at start.
extern UINT g_shellIdListFormat;
void RegisterShellIdListFormat();
