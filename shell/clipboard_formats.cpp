#include "shell/clipboard_formats.h"

UINT g_shellIdListFormat = 0;

void RegisterShellIdListFormat() { g_shellIdListFormat = RegisterClipboardFormatA("Shell IDList Array"); }
