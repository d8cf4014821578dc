#include "ui/rename_editors.h"

#include "ui/popup_editor.h"

namespace {

constexpr int kSplitRenameTemplate = 353;
constexpr int kNameField = 1020;
constexpr int kExtensionField = 1021;
constexpr int kRenameTemplate = 394;
constexpr int kWholeNameField = 1024;

}  // namespace

int RunSplitRenameEditor(HWND owner, POINT corner, SplitRenameFields& fields, Platform platform) {
    return RunPopupEditor(owner, kSplitRenameTemplate, corner,
                          {{kNameField, &fields.name, true},
                           {kExtensionField, &fields.extension, fields.extensionSeparable}}, platform);
}

int RunRenameEditor(HWND owner, POINT corner, std::string& name) {
    return RunPopupEditor(owner, kRenameTemplate, corner, {{kWholeNameField, &name, true}});
}
