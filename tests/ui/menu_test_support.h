// What the menu tests share: the menus' fonts, brushes and icons made as at start-up, keys and
// clicks for an open menu, and a 32-bit canvas to paint items into and read back.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>

#include "tests/support/modal_owner.h"
#include "ui/theme.h"

class MenuFixture : public testing::Test {
public:
    // The menus' fonts, brushes and icons, made once for the suite as the main window makes them.
    static const Theme& Look() { return *theme_; }

protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();

private:
    static Theme* theme_;
};

// Keys and clicks as the menu loop reads them from the queue.
void PostKey(HWND menuWindow, UINT key);
void PostClickAt(HWND menuWindow, POINT screen);
// The number of popup menu windows on screen.
int VisibleMenuWindows();

class Canvas32 {
public:
    Canvas32(int width, int height, COLORREF fill = RGB(255, 0, 255));
    ~Canvas32();
    Canvas32(const Canvas32&) = delete;
    Canvas32& operator=(const Canvas32&) = delete;

    HDC Dc() const { return dc_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    COLORREF Pixel(int x, int y) const;
    // Whether the rectangle of this canvas at (x, y) equals the one of `other` at (ox, oy).
    bool SameBlock(int x, int y, const Canvas32& other, int ox, int oy, int w, int h) const;
    int CountPixels(int x, int y, int w, int h, const std::function<bool(COLORREF)>& match) const;

private:
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    uint32_t* bits_ = nullptr;
    int width_, height_;
};

// A draw-item record for the item `id` of `menu` painted into the canvas at `rect`.
DRAWITEMSTRUCT DrawRecord(const Canvas32& canvas, HMENU menu, UINT id, RECT rect, bool selected);
SIZE TextExtent(HFONT font, const std::string& text);
