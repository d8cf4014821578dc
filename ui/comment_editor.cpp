#include "ui/comment_editor.h"

#include "ui/popup_editor.h"

namespace {

constexpr int kCommentTemplate = 393;
constexpr int kCommentField = 1022;

}  // namespace

int RunCommentEditor(HWND owner, POINT corner, std::string& comment) {
    return RunPopupEditor(owner, kCommentTemplate, corner, {{kCommentField, &comment, true}});
}
