#include "shell/typed_paths.h"

#include <string>

#include "core/dbcs_text.h"
#include "shell/shell_services.h"
#include "win/system_text.h"

void ShowPathNotFound(const char* path) {
    std::string text = std::string("\"") + (path ? path : "") +
                       "\"が見つかりません。\nパスやファイル名が正しいかどうか確認してください。";
    MessageBoxA(nullptr, text.c_str(), "ファイルが見つかりません", MB_ICONERROR);
}

ItemIdList PathToItemList(const char* path) {
    ItemIdList list;
    // A path cut inside a character would take the separator below as its trail byte and name
    // another folder ("abc" and the lead byte 81 becomes "abc―").
    if (!path || !IsWholeSystemText(path)) {
        ShowPathNotFound(path);
        return list;
    }
    // The separator makes "C:" the drive's root rather than its current folder. Wine's parser
    // reads a doubled one as the last name again, so a path that already ends in one keeps it
    // as it is; a trailing 表 or ソ ends in the byte 5C but is no separator and still gets one.
    std::string withSeparator = path ? path : "";
    if (!dbcs::EndsInBackslash(withSeparator, &IsSystemLeadByte)) withSeparator += '\\';
    // The shell parses at most MAX_PATH characters; a longer path is refused, not cut short
    // into the path of some other folder.
    std::wstring wide = SystemTextToWide(withSeparator);
    ComPtr<IShellFolder> desktop = DesktopFolder();
    if (desktop && !wide.empty() && wide.size() <= MAX_PATH) {
        ULONG eaten = 0;
        PIDLIST_RELATIVE parsed = nullptr;
        if (SUCCEEDED(desktop->ParseDisplayName(nullptr, nullptr, &wide[0], &eaten, &parsed, nullptr)))
            list.Reset(parsed);
    }
    if (!list) ShowPathNotFound(path);
    return list;
}
