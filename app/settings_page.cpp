#include "app/settings_pages.h"

#include <commctrl.h>
#include <commdlg.h>

#include <algorithm>
#include <cctype>

#include "core/dbcs_text.h"
#include "ui/dialog_text.h"
#include "win/owners.h"
#include "win/system_text.h"

// Gestures are off with nothing assigned by default.
SettingsDraft DefaultDraft() { return SettingsDraft{DefaultSettings(), DefaultFontChoices(), GestureRecognizer()}; }

HWND SettingsPage::Make(const char* className, const char* text, DWORD style, int x, int y, int width, int height,
                        int id, bool tabStop, DWORD extendedStyle) {
    HWND control = CreateWindowExA(extendedStyle, className, text, WS_CHILD | style | (tabStop ? WS_TABSTOP : 0), x, y,
                                   width, height, context_.area, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                   GetModuleHandleA(nullptr), nullptr);
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(context_.font), FALSE);
    Adopt(control, tabStop);
    return control;
}

void SettingsPage::Adopt(HWND control, bool tabStop) {
    if (!control) return;
    windows_.push_back(control);
    if (tabStop) tabStops_.push_back(control);
}

void SettingsPage::Group(const char* title, int x, int y, int width, int height) {
    groups_.push_back({title, RECT{x, y, x + width, y + height}});
}

void SettingsPage::PaintGroups(HDC dc) const {
    SelectedObject font(dc, context_.font);
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    for (const GroupFrame& group : groups_) {
        SIZE title{};
        GetTextExtentPoint32A(dc, group.title.c_str(), static_cast<int>(group.title.size()), &title);
        RECT frame = group.box;
        frame.top += title.cy / 2;
        DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
        RECT text{group.box.left + 8, group.box.top, group.box.left + 12 + title.cx, group.box.top + title.cy};
        ExtTextOutA(dc, text.left + 2, text.top, ETO_OPAQUE, &text, group.title.c_str(),
                    static_cast<UINT>(group.title.size()), nullptr);
    }
}

HWND SettingsPage::Label(const char* text, int x, int y, int width, int height, int id, DWORD style) {
    return Make("STATIC", text, SS_LEFT | style, x, y, width, height, id, false);
}

HWND SettingsPage::Check(const char* text, int x, int y, int width, int height, int id) {
    return Make("BUTTON", text, BS_AUTOCHECKBOX, x, y, width, height, id, true);
}

HWND SettingsPage::Button(const char* text, int x, int y, int width, int height, int id) {
    return Make("BUTTON", text, BS_PUSHBUTTON, x, y, width, height, id, true);
}

HWND SettingsPage::DropDown(int x, int y, int width, int id, const std::vector<std::string>& entries, DWORD style) {
    HWND control = Make("COMBOBOX", "", CBS_DROPDOWNLIST | WS_VSCROLL | style, x, y, width, 200, id, true);
    for (const std::string& entry : entries)
        SendMessageA(control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    return control;
}

HWND SettingsPage::Field(int x, int y, int width, int height, int id, DWORD style) {
    return Make("EDIT", "", ES_AUTOHSCROLL | style, x, y, width, height, id, true, WS_EX_CLIENTEDGE);
}

ColourSwatch& SettingsPage::Swatch(int x, int y, int width, int height, int id) {
    swatches_.push_back(std::make_unique<ColourSwatch>());
    ColourSwatch& swatch = *swatches_.back();
    Adopt(swatch.Create(context_.area, RECT{x, y, x + width, y + height}, id), true);
    return swatch;
}

HWND SettingsPage::ChooseButton(const char* text, int x, int y, int width, int id, ColourSwatch& swatch) {
    HWND button = Button(text, x, y, width, 22, id);
    chooseButtons_.emplace_back(button, &swatch);
    return button;
}

bool SettingsPage::OnCommand(HWND control, int, int code) {
    if (code != BN_CLICKED) return false;
    for (const auto& swatch : swatches_)
        if (swatch->Window() == control) {
            swatch->Choose(context_.dialog, context_.customColours);
            return true;
        }
    for (const auto& [button, swatch] : chooseButtons_)
        if (button == control) {
            swatch->Choose(context_.dialog, context_.customColours);
            return true;
        }
    return false;
}

void SettingsPage::Show(bool shown) const {
    for (HWND control : windows_) ShowWindow(control, shown ? SW_SHOW : SW_HIDE);
}

void SettingsPage::SetChecked(HWND check, bool on) const {
    SendMessageA(check, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool SettingsPage::Checked(HWND check) const { return SendMessageA(check, BM_GETCHECK, 0, 0) == BST_CHECKED; }

void SettingsPage::SelectText(HWND dropDown, const std::string& text) const {
    LRESULT index =
        SendMessageA(dropDown, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text.c_str()));
    SendMessageA(dropDown, CB_SETCURSEL, index == CB_ERR ? static_cast<WPARAM>(-1) : static_cast<WPARAM>(index), 0);
}

std::string SettingsPage::SelectedText(HWND dropDown) const {
    LRESULT index = SendMessageA(dropDown, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR) return {};
    LRESULT length = SendMessageA(dropDown, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length <= 0) return {};
    std::string text(static_cast<size_t>(length) + 1, '\0');
    LRESULT copied =
        SendMessageA(dropDown, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return text;
}

void SettingsPage::AddEntryOnce(HWND dropDown, const std::string& text) const {
    if (SendMessageA(dropDown, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text.c_str())) ==
        CB_ERR)
        SendMessageA(dropDown, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void SettingsPage::SelectIndex(HWND dropDown, int index) const {
    LRESULT count = SendMessageA(dropDown, CB_GETCOUNT, 0, 0);
    bool valid = index >= 0 && index < count;
    SendMessageA(dropDown, CB_SETCURSEL, valid ? static_cast<WPARAM>(index) : static_cast<WPARAM>(-1), 0);
}

int SettingsPage::SelectedIndex(HWND dropDown) const {
    LRESULT index = SendMessageA(dropDown, CB_GETCURSEL, 0, 0);
    return index == CB_ERR ? -1 : static_cast<int>(index);
}

std::vector<std::string> FilesWithExtensions(const std::string& folder, const std::vector<std::string>& extensions) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found{};
    FileSearch search(FindFirstFileA((folder + "\\*.*").c_str(), &found));
    if (!search) return names;
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        std::string name = found.cFileName;
        size_t dot = dbcs::FindLastOf(name, ".", &IsSystemLeadByte);
        if (dot == std::string::npos) continue;
        std::string extension = name.substr(dot);
        for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (std::find(extensions.begin(), extensions.end(), extension) != extensions.end()) names.push_back(name);
    } while (FindNextFileA(search.Get(), &found));
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> PatternChoices(const std::string& patternFolder) {
    std::vector<std::string> choices = {kPatternCustom};
    for (std::string& name : FilesWithExtensions(patternFolder, {".bmp", ".gif", ".jpg", ".jpeg"}))
        choices.push_back(std::move(name));
    return choices;
}

std::string CopyIntoFolder(const std::string& source, const std::string& folder) {
    size_t separator = dbcs::FindLastOf(source, "\\/", &IsSystemLeadByte);
    std::string name = separator == std::string::npos ? source : source.substr(separator + 1);
    if (name.empty()) return {};
    CreateDirectoryA(folder.c_str(), nullptr);
    std::string target = folder + '\\' + name;
    // The same file chosen from the folder itself, or one of that name already there, is used
    // as it is: the user's file in the folder is never overwritten.
    if (GetFileAttributesA(target.c_str()) != INVALID_FILE_ATTRIBUTES) return name;
    return CopyFileA(source.c_str(), target.c_str(), TRUE) ? name : std::string();
}

std::string ChooseFileToOpen(HWND owner, const char* filter) {
    char path[MAX_PATH] = {};
    OPENFILENAMEA choice{};
    choice.lStructSize = sizeof choice;
    choice.hwndOwner = owner;
    choice.lpstrFilter = filter;
    choice.lpstrFile = path;
    choice.nMaxFile = MAX_PATH;
    choice.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    return GetOpenFileNameA(&choice) ? std::string(path) : std::string();
}
