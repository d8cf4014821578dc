#include "shell/clipboard_formats.h"

UINT ShellIdListFormat() { return RegisterClipboardFormatA("Shell IDList Array"); }
