// The small borderless editors that open over the item they edit (the two rename editors and
// the comment editor). Enter or losing activation commits, Escape cancels; whichever comes
// first counts, and only once.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "win/platform.h"

// Longest text an editor hands back, in bytes.
constexpr std::size_t kEditorTextLimit = 259;

struct EditorField {
    int control;        // the edit control of the template
    std::string* text;  // in: the starting text; out, after a commit: the edited text
    bool enabled = true;
};

// Runs the editor template with its top-left corner at the screen point `corner`. A commit reads
// every field back into its text and gives 1 when any text differs from its start, else 0;
// a cancel leaves the texts alone and gives 0.
int RunPopupEditor(HWND owner, int templateId, POINT corner, const std::vector<EditorField>& fields,
                   Platform platform = CurrentPlatform());
