#include "tests/ui/menu_test_support.h"

#include "win/owners.h"

Theme* MenuFixture::theme_ = nullptr;

void MenuFixture::SetUpTestSuite() {
    theme_ = new Theme;
    theme_->CreateFonts();
    theme_->CreateImageLists();
    theme_->CreateMenuLook(GetModuleHandleA(nullptr));
}

void MenuFixture::TearDownTestSuite() {
    delete theme_;
    theme_ = nullptr;
}

void PostKey(HWND menuWindow, UINT key) { PostMessageA(menuWindow, WM_KEYDOWN, key, 0); }

void PostClickAt(HWND menuWindow, POINT screen) {
    // The menu loop takes the point of a queued click from lParam, in screen coordinates.
    LPARAM where = MAKELPARAM(screen.x, screen.y);
    PostMessageA(menuWindow, WM_LBUTTONDOWN, MK_LBUTTON, where);
    PostMessageA(menuWindow, WM_LBUTTONUP, 0, where);
}

int VisibleMenuWindows() {
    int count = 0;
    for (HWND window = FindWindowExA(nullptr, nullptr, "#32768", nullptr); window;
         window = FindWindowExA(nullptr, window, "#32768", nullptr))
        count += IsWindowVisible(window) ? 1 : 0;
    return count;
}

Canvas32::Canvas32(int width, int height, COLORREF fill) : width_(width), height_(height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bits_ = static_cast<uint32_t*>(bits);
    previous_ = SelectObject(dc_, bitmap_);
    Brush brush(CreateSolidBrush(fill));
    RECT all{0, 0, width, height};
    FillRect(dc_, &all, brush.Get());
}

Canvas32::~Canvas32() {
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}

COLORREF Canvas32::Pixel(int x, int y) const {
    GdiFlush();
    uint32_t value = bits_[y * width_ + x];
    return RGB((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
}

bool Canvas32::SameBlock(int x, int y, const Canvas32& other, int ox, int oy, int w, int h) const {
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i)
            if (Pixel(x + i, y + j) != other.Pixel(ox + i, oy + j)) return false;
    return true;
}

int Canvas32::CountPixels(int x, int y, int w, int h, const std::function<bool(COLORREF)>& match) const {
    int count = 0;
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) count += match(Pixel(x + i, y + j)) ? 1 : 0;
    return count;
}

DRAWITEMSTRUCT DrawRecord(const Canvas32& canvas, HMENU menu, UINT id, RECT rect, bool selected) {
    DRAWITEMSTRUCT record{};
    record.CtlType = ODT_MENU;
    record.itemID = id;
    record.itemAction = ODA_DRAWENTIRE;
    record.itemState = selected ? ODS_SELECTED : 0;
    record.hwndItem = reinterpret_cast<HWND>(menu);
    record.hDC = canvas.Dc();
    record.rcItem = rect;
    return record;
}

SIZE TextExtent(HFONT font, const std::string& text) {
    WindowDC dc(nullptr);
    SelectedObject selected(dc.Get(), font);
    SIZE size{};
    GetTextExtentPoint32A(dc.Get(), text.c_str(), static_cast<int>(text.size()), &size);
    return size;
}
