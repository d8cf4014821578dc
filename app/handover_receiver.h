#pragma once
#include <windows.h>

// WM_COPYDATA from a second start: opens each handed-over path as a tab of the main list.
LRESULT ReceiveHandOver(const COPYDATASTRUCT* record);
