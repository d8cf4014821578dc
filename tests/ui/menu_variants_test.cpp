// How each kind of menu sizes and paints its items, measured and painted directly into a canvas.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "ui/theme.h"
#include "win/owners.h"
#include "tests/ui/menu_test_support.h"
#include "ui/favourites_menu.h"
#include "ui/image_menus.h"
#include "ui/mark_menus.h"
#include "ui/system_icon_menus.h"

namespace {

constexpr COLORREF kHighlight = RGB(255, 255, 235);
constexpr COLORREF kFrame = RGB(0, 0, 128);
constexpr COLORREF kWhite = RGB(255, 255, 255);
const RECT kItem{0, 0, 220, 22};
const std::string kTenCharacters = "フォルダを開く１２３";

class MenuVariantsTest : public MenuFixture {
protected:
    void SetUp() override {
        SHFILEINFOA info{};
        SHGetFileInfoA("C:\\", 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON);
        folderIcon_ = info.iIcon;
    }

    static MEASUREITEMSTRUCT Measured(OwnerMenu& menu, HWND window, UINT id) {
        MEASUREITEMSTRUCT record{};
        record.CtlType = ODT_MENU;
        record.itemID = id;
        record.itemWidth = 12345;
        record.itemHeight = 678;
        menu.MeasureItem(window, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&record));
        return record;
    }
    static void Paint(OwnerMenu& menu, HWND window, Canvas32& canvas, UINT id, bool selected) {
        DRAWITEMSTRUCT record = DrawRecord(canvas, menu.Popup(), id, kItem, selected);
        menu.DrawItem(window, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&record));
    }

    ModalOwner owner_;
    int folderIcon_ = 0;
};

struct Variant {
    const char* name;
    bool sizedInBold;
    std::function<std::unique_ptr<OwnerMenu>(const std::string& text, int icon)> make;
};

template <typename Menu>
std::unique_ptr<OwnerMenu> WithValue(const std::string& text, int value) {
    auto menu = std::make_unique<Menu>(MenuFixture::Look());
    menu->AddItem(1, text, value);
    return menu;
}

std::vector<Variant> AllVariants() {
    return {
        {"ShellIconMenu", false, WithValue<ShellIconMenu>},
        {"HistoryMenu", false, WithValue<HistoryMenu>},
        {"BlueIconMenu", false, WithValue<BlueIconMenu>},
        {"FavouritesMenu", false, WithValue<FavouritesMenu>},
        {"ImageMenu", false, WithValue<ImageMenu>},
        {"OffsetImageMenu", false, WithValue<OffsetImageMenu>},
        {"CheckMenu", true, WithValue<CheckMenu>},
        {"RadioMenu", false,
         [](const std::string& text, int) -> std::unique_ptr<OwnerMenu> {
             auto menu = std::make_unique<RadioMenu>(MenuFixture::Look(), 1);
             menu->AddItem(1, text);
             return menu;
         }},
        {"BoldRadioMenu", true,
         [](const std::string& text, int) -> std::unique_ptr<OwnerMenu> {
             auto menu = std::make_unique<BoldRadioMenu>(MenuFixture::Look(), 1);
             menu->AddItem(1, text);
             return menu;
         }},
    };
}

TEST_F(MenuVariantsTest, EveryKindSizesItsItemsAsTextPlusSixtyFiveBySeven) {
    for (const Variant& variant : AllVariants()) {
        SCOPED_TRACE(variant.name);
        auto menu = variant.make(kTenCharacters, 0);
        SIZE text =
            TextExtent(variant.sizedInBold ? MenuFixture::Look().bold13.Get() : MenuFixture::Look().normal13.Get(),
                       kTenCharacters);
        MEASUREITEMSTRUCT measured = Measured(*menu, owner_.Window(), 1);
        EXPECT_EQ(static_cast<UINT>(text.cx + 65), measured.itemWidth);
        EXPECT_EQ(static_cast<UINT>(text.cy + 7), measured.itemHeight);
    }
    // The bold font really is wider, or the two groups above would not be told apart.
    EXPECT_GT(TextExtent(MenuFixture::Look().bold13.Get(), kTenCharacters).cx,
              TextExtent(MenuFixture::Look().normal13.Get(), kTenCharacters).cx);
}

TEST_F(MenuVariantsTest, SelectedItemCoversTheStripeAndOthersShowIt) {
    Canvas32 stripe(40, 22);
    RECT stripeArea{0, 0, 22, 22};
    FillRect(stripe.Dc(), &stripeArea, MenuFixture::Look().menuStripe.Get());
    for (const Variant& variant : AllVariants()) {
        SCOPED_TRACE(variant.name);
        auto menu = variant.make("閉じる", kMenuIconNone);
        Canvas32 plain(220, 22), selected(220, 22);
        Paint(*menu, owner_.Window(), plain, 1, false);
        Paint(*menu, owner_.Window(), selected, 1, true);
        // Below the icon, left of the text: stripe and white, or the highlight over both.
        EXPECT_TRUE(plain.SameBlock(0, 19, stripe, 0, 19, 22, 3));
        EXPECT_EQ(kWhite, plain.Pixel(22, 20));
        EXPECT_EQ(kWhite, plain.Pixel(219, 11));
        EXPECT_EQ(kFrame, selected.Pixel(0, 11));
        EXPECT_EQ(kFrame, selected.Pixel(219, 11));
        EXPECT_EQ(kFrame, selected.Pixel(100, 0));
        EXPECT_EQ(kFrame, selected.Pixel(100, 21));
        EXPECT_EQ(kHighlight, selected.Pixel(1, 20));
        EXPECT_EQ(kHighlight, selected.Pixel(21, 20));
        EXPECT_EQ(kHighlight, selected.Pixel(218, 11));
    }
}

TEST_F(MenuVariantsTest, StripeFollowsTheItemWhereverItLies) {
    ImageMenu menu(MenuFixture::Look());
    menu.AddItem(1, "a", kMenuIconNone);
    Canvas32 atOrigin(60, 30), moved(60, 30);
    DRAWITEMSTRUCT first = DrawRecord(atOrigin, menu.Popup(), 1, RECT{0, 0, 50, 22}, false);
    DRAWITEMSTRUCT second = DrawRecord(moved, menu.Popup(), 1, RECT{3, 5, 53, 27}, false);
    menu.DrawItem(owner_.Window(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&first));
    menu.DrawItem(owner_.Window(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&second));
    EXPECT_TRUE(atOrigin.SameBlock(0, 0, moved, 3, 5, 50, 22));
}

bool IsBlue(COLORREF c) { return GetBValue(c) > 200 && GetRValue(c) < 90 && GetGValue(c) < 90; }
bool IsDark(COLORREF c) { return GetBValue(c) < 90 && GetRValue(c) < 90 && GetGValue(c) < 90; }

TEST_F(MenuVariantsTest, ErasedFoldersMenuWritesBlueOthersBlack) {
    BlueIconMenu blue(MenuFixture::Look());
    blue.AddItem(1, "C:\\隠したフォルダ", folderIcon_);
    ShellIconMenu black(MenuFixture::Look());
    black.AddItem(1, "C:\\隠したフォルダ", folderIcon_);
    Canvas32 bluePaint(220, 22), blackPaint(220, 22);
    Paint(blue, owner_.Window(), bluePaint, 1, false);
    Paint(black, owner_.Window(), blackPaint, 1, false);
    EXPECT_GT(bluePaint.CountPixels(27, 0, 193, 22, IsBlue), 10);
    EXPECT_EQ(0, bluePaint.CountPixels(27, 0, 193, 22, IsDark));
    EXPECT_GT(blackPaint.CountPixels(27, 0, 193, 22, IsDark), 10);
    EXPECT_EQ(0, blackPaint.CountPixels(27, 0, 193, 22, IsBlue));
}

TEST_F(MenuVariantsTest, IconsAndTextSitWhereEachKindPutsThem) {
    const std::string text = "元のサイズに戻す";
    SIZE extent = TextExtent(MenuFixture::Look().normal13.Get(), text);
    // Selected items have a plain background, so shifted blocks can be compared.
    Canvas32 image(220, 22), offset(220, 22), shell(220, 22), history(220, 22);
    Paint(*WithValue<ImageMenu>(text, kMenuIconRestore), owner_.Window(), image, 1, true);
    Paint(*WithValue<OffsetImageMenu>(text, kMenuIconRestore), owner_.Window(), offset, 1, true);
    Paint(*WithValue<ShellIconMenu>(text, folderIcon_), owner_.Window(), shell, 1, true);
    Paint(*WithValue<HistoryMenu>(text, folderIcon_), owner_.Window(), history, 1, true);
    EXPECT_TRUE(image.SameBlock(3, 2, offset, 3, 1, 16, 16));
    EXPECT_FALSE(image.SameBlock(3, 1, offset, 3, 1, 16, 16));
    EXPECT_TRUE(image.SameBlock(30, 4, offset, 27, 4, extent.cx, extent.cy));
    EXPECT_FALSE(image.SameBlock(27, 4, offset, 27, 4, extent.cx, extent.cy));
    EXPECT_TRUE(shell.SameBlock(3, 2, history, 3, 1, 16, 16));
    EXPECT_TRUE(shell.SameBlock(27, 4, history, 27, 4, extent.cx, extent.cy));
    auto notHighlight = [](COLORREF c) { return c != kHighlight; };
    EXPECT_GT(image.CountPixels(3, 2, 16, 16, notHighlight), 20);
    EXPECT_GT(shell.CountPixels(3, 2, 16, 16, notHighlight), 20);
}

TEST_F(MenuVariantsTest, CheckAndRadioMenusMarkOnlyTheirChosenItems) {
    CheckMenu check(MenuFixture::Look());
    check.AddItem(1, "縦に分割", 1);
    check.AddItem(2, "横に分割", 0);
    RadioMenu radio(MenuFixture::Look(), 2);
    radio.AddItem(1, "アイコン");
    radio.AddItem(2, "並べて表示");
    radio.AddItem(3, "一覧");
    BoldRadioMenu boldRadio(MenuFixture::Look(), 3);
    boldRadio.AddItem(1, "名前");
    boldRadio.AddItem(2, "サイズ");
    boldRadio.AddItem(3, "ファイルタイプ");
    auto marked = [&](OwnerMenu& menu, UINT id) {
        Canvas32 canvas(220, 22);
        Paint(menu, owner_.Window(), canvas, id, true);
        return canvas.CountPixels(3, 2, 16, 16, [](COLORREF c) { return c != kHighlight; }) > 10;
    };
    EXPECT_TRUE(marked(check, 1));
    EXPECT_FALSE(marked(check, 2));
    EXPECT_FALSE(marked(radio, 1));
    EXPECT_TRUE(marked(radio, 2));
    EXPECT_FALSE(marked(radio, 3));
    EXPECT_FALSE(marked(boldRadio, 2));
    EXPECT_TRUE(marked(boldRadio, 3));
}

TEST_F(MenuVariantsTest, OffsetMenuFindsItsItemsFromOffsetPlusOne) {
    OffsetImageMenu menu(MenuFixture::Look(), 2);
    menu.AddItem(3, "タブ追加", kMenuIconNone);
    menu.AddItem(4, "キャンセル", kMenuIconNone);
    MEASUREITEMSTRUCT third = Measured(menu, owner_.Window(), 3);
    MEASUREITEMSTRUCT fourth = Measured(menu, owner_.Window(), 4);
    EXPECT_EQ(static_cast<UINT>(TextExtent(MenuFixture::Look().normal13.Get(), "タブ追加").cx + 65), third.itemWidth);
    EXPECT_EQ(static_cast<UINT>(TextExtent(MenuFixture::Look().normal13.Get(), "キャンセル").cx + 65),
              fourth.itemWidth);
    // Identifiers that are no item leave the record and the canvas alone.
    for (UINT id : {0u, 1u, 2u, 5u}) {
        MEASUREITEMSTRUCT none = Measured(menu, owner_.Window(), id);
        EXPECT_EQ(12345u, none.itemWidth);
        EXPECT_EQ(678u, none.itemHeight);
        Canvas32 canvas(220, 22);
        Paint(menu, owner_.Window(), canvas, id, true);
        EXPECT_EQ(220 * 22, canvas.CountPixels(0, 0, 220, 22, [](COLORREF c) { return c == RGB(255, 0, 255); }));
    }
}

TEST_F(MenuVariantsTest, FavouriteGroupsAreSizedByTheirNameAndShowTheGroupIcon) {
    // The favourites pane's list: image 1 is the group icon, drawn here in plain green.
    ImageList groupIcons(ImageList_Create(16, 16, ILC_COLOR24, 2, 0));
    for (COLORREF colour : {RGB(255, 0, 0), RGB(0, 200, 0)}) {
        WindowDC screen(nullptr);
        Bitmap bitmap(CreateCompatibleBitmap(screen.Get(), 16, 16));
        {
            MemoryDC dc(screen.Get());
            SelectedObject selected(dc.Get(), bitmap.Get());
            Brush brush(CreateSolidBrush(colour));
            RECT all{0, 0, 16, 16};
            FillRect(dc.Get(), &all, brush.Get());
        }
        ImageList_Add(groupIcons.Get(), bitmap.Get(), nullptr);
    }
    // The favourites pane hands its image list to the theme it shares with the menus.
    Theme theme;
    theme.CreateFonts();
    theme.CreateImageLists();
    theme.favouritesIcons = groupIcons.Get();

    FavouritesMenu menu(theme);
    menu.AddItem(1, "デスクトップ", folderIcon_);
    HMENU group = menu.AddSubmenu("とても長いグループの名前");
    ASSERT_NE(nullptr, group);
    menu.AddSubmenuItem(group, 2, "書類", folderIcon_);
    UINT groupId = static_cast<UINT>(reinterpret_cast<UINT_PTR>(group));
    MEASUREITEMSTRUCT groupSize = Measured(menu, owner_.Window(), groupId);
    MEASUREITEMSTRUCT inGroup = Measured(menu, owner_.Window(), 2);
    EXPECT_EQ(static_cast<UINT>(TextExtent(MenuFixture::Look().normal13.Get(), "とても長いグループの名前").cx + 65),
              groupSize.itemWidth);
    EXPECT_EQ(static_cast<UINT>(TextExtent(MenuFixture::Look().normal13.Get(), "書類").cx + 65), inGroup.itemWidth);

    Canvas32 groupPaint(220, 22), itemPaint(220, 22);
    DRAWITEMSTRUCT groupRecord = DrawRecord(groupPaint, menu.Popup(), groupId, kItem, false);
    menu.DrawItem(owner_.Window(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&groupRecord));
    DRAWITEMSTRUCT itemRecord = DrawRecord(itemPaint, group, 2, kItem, false);
    menu.DrawItem(owner_.Window(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&itemRecord));
    auto green = [](COLORREF c) { return c == RGB(0, 200, 0); };
    EXPECT_EQ(256, groupPaint.CountPixels(3, 1, 16, 16, green));
    EXPECT_EQ(0, itemPaint.CountPixels(3, 1, 16, 16, green));
}

}  // namespace
