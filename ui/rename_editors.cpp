#include "ui/rename_editors.h"

#include "res/ids.h"
#include "ui/popup_editor.h"

int RunSplitRenameEditor(HWND owner, POINT corner, SplitRenameFields& fields, Platform platform) {
    return RunPopupEditor(owner, IDD_SPLIT_RENAME, corner,
                          {{IDE_SPLIT_RENAME_NAME, &fields.name, true},
                           {IDE_SPLIT_RENAME_EXTENSION, &fields.extension, fields.extensionSeparable}},
                          platform);
}

int RunRenameEditor(HWND owner, POINT corner, std::string& name) {
    return RunPopupEditor(owner, IDD_RENAME, corner, {{IDE_RENAME_NAME, &name, true}});
}
