#include "ui/comment_editor.h"

#include "res/ids.h"
#include "ui/popup_editor.h"

int RunCommentEditor(HWND owner, POINT corner, std::string& comment) {
    return RunPopupEditor(owner, IDD_COMMENT, corner, {{IDE_COMMENT_TEXT, &comment, true}});
}
