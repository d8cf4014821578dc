#include "shell/item_comments.h"

#include "shell/item_names.h"

bool GetComment(const CommentTable& table, IShellFolder* folder, PCUITEMID_CHILD child, std::string& text) {
    std::string path = ItemPath(folder, child);
    if (path.empty()) {
        text.clear();
        return false;
    }
    return table.GetComment(path, text);
}

void SetComment(CommentTable& table, IShellFolder* folder, PCUITEMID_CHILD child, const std::string& text) {
    std::string path = ItemPath(folder, child);
    if (!path.empty()) table.SetCommentByPath(path, text);
}
