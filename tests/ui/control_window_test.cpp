#include "ui/control_window.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <new>
#include <string>
#include <vector>

#include "tests/support/real_mouse.h"
#include "tests/support/test_support.h"
#include "tests/ui/control_test_host.h"

namespace {

// Records every operation the base calls, in order.
class RecordingControl : public ControlWindow {
public:
    std::vector<std::string> calls;

protected:
    void OnClick() override { calls.push_back("Click"); }
    void OnRightDown() override { calls.push_back("RightDown"); }
    void OnPressed() override { calls.push_back("Pressed"); }
    void OnReleaseOutside() override { calls.push_back("ReleaseOutside"); }
    void OnHoverEnter() override { calls.push_back("HoverEnter"); }
    void OnHoverLeave() override { calls.push_back("HoverLeave"); }
    void OnCaptureLost() override { calls.push_back("CaptureLost"); }
};

using Calls = std::vector<std::string>;

WNDPROC PlainButtonProcedure(HWND parent) {
    HWND plain =
        CreateWindowExA(0, "BUTTON", "", WS_CHILD, 0, 0, 10, 10, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
    WNDPROC procedure = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(plain, GWLP_WNDPROC));
    DestroyWindow(plain);
    return procedure;
}

bool NeedsPaint(HWND window) { return GetUpdateRect(window, nullptr, FALSE) != FALSE; }

class ControlWindowTest : public testing::Test {
protected:
    void SetUp() override {
        DiscardQueuedInput();
        control_.Create(host_.Window(), 20, 30, 22, 16, 1200, CLR_NONE, nullptr);
        ASSERT_NE(nullptr, control_.Window());
    }
    HWND Control() const { return control_.Window(); }
    void Enter() { MoveMouse(Control(), 5, 5); }
    void Leave() { MoveMouse(Control(), OutsideX(Control()), 5); }

    ControlTestHost host_;
    RecordingControl control_;
};

TEST_F(ControlWindowTest, CreatesAnOwnerDrawnButtonChildOfTheGivenPlaceAndIdentifier) {
    char className[32] = "";
    GetClassNameA(Control(), className, sizeof className);
    EXPECT_STREQ("Button", className);
    LONG style = GetWindowLongA(Control(), GWL_STYLE);
    EXPECT_EQ(BS_OWNERDRAW, style & BS_TYPEMASK);
    EXPECT_TRUE(style & WS_CHILD);
    EXPECT_TRUE(style & WS_VISIBLE);
    EXPECT_EQ(1200, GetDlgCtrlID(Control()));
    EXPECT_EQ(host_.Window(), GetParent(Control()));
    RECT bounds;
    GetWindowRect(Control(), &bounds);
    MapWindowPoints(nullptr, host_.Window(), reinterpret_cast<POINT*>(&bounds), 2);
    EXPECT_EQ(20, bounds.left);
    EXPECT_EQ(30, bounds.top);
    EXPECT_EQ(22, bounds.right - bounds.left);
    EXPECT_EQ(16, bounds.bottom - bounds.top);
    EXPECT_EQ(nullptr, control_.Tooltip());
    ASSERT_NE(nullptr, control_.Images());
    int width = 0, height = 0;
    ImageList_GetIconSize(control_.Images(), &width, &height);
    EXPECT_EQ(22, width);
    EXPECT_EQ(16, height);
    EXPECT_FALSE(control_.HasTransparentColour());
    EXPECT_EQ(0u, control_.TransparentColour());
}

TEST_F(ControlWindowTest, PressLeaveAndReleaseOutsideNeverClicks) {
    Enter();
    PressLeft(Control());
    EXPECT_TRUE(control_.Pressed());
    Leave();
    EXPECT_FALSE(control_.Hover());
    EXPECT_EQ(Control(), GetCapture()) << "a press keeps the capture while the cursor is away";
    ReleaseLeft(Control());
    EXPECT_EQ((Calls{"HoverEnter", "Pressed", "HoverLeave", "ReleaseOutside", "CaptureLost"}), control_.calls);
    EXPECT_FALSE(control_.Pressed());
    EXPECT_NE(Control(), GetCapture());
}

TEST_F(ControlWindowTest, PressLeaveComeBackAndReleaseInsideClicks) {
    Enter();
    PressLeft(Control());
    Leave();
    Enter();
    EXPECT_TRUE(control_.Hover());
    ReleaseLeft(Control());
    EXPECT_EQ((Calls{"HoverEnter", "Pressed", "HoverLeave", "Pressed", "Click", "CaptureLost"}), control_.calls);
    EXPECT_FALSE(control_.Pressed());
    EXPECT_NE(Control(), GetCapture());
}

TEST_F(ControlWindowTest, MovesWithinTheControlCallNothingAndDoNotRepaint) {
    Enter();
    EXPECT_TRUE(NeedsPaint(Control())) << "entering shows a new look";
    ValidateRect(Control(), nullptr);
    MoveMouse(Control(), 0, 0);
    MoveMouse(Control(), 21, 15);
    MoveMouse(Control(), 10, 8);
    EXPECT_EQ((Calls{"HoverEnter"}), control_.calls);
    EXPECT_FALSE(NeedsPaint(Control()));
    EXPECT_EQ(Control(), GetCapture()) << "hover is tracked by holding the capture";
}

TEST_F(ControlWindowTest, TheRightAndBottomEdgesAreOutside) {
    MoveMouse(Control(), 22, 5);
    MoveMouse(Control(), 5, 16);
    EXPECT_FALSE(control_.Hover());
    for (const std::string& call : control_.calls) EXPECT_NE("HoverEnter", call);
    EXPECT_NE(Control(), GetCapture());
    MoveMouse(Control(), 21, 15);
    EXPECT_TRUE(control_.Hover());
}

TEST_F(ControlWindowTest, LeavingWithoutAButtonHeldGivesTheCaptureBack) {
    Enter();
    ASSERT_EQ(Control(), GetCapture());
    Leave();
    EXPECT_EQ((Calls{"HoverEnter", "HoverLeave", "CaptureLost"}), control_.calls);
    EXPECT_EQ(nullptr, GetCapture());
    EXPECT_FALSE(control_.Hover());
}

TEST_F(ControlWindowTest, HoverFollowsTheCursorNotTheMessage) {
    POINT point{5, 5};
    ClientToScreen(Control(), &point);
    PlaceCursor(point);
    SendMessageA(Control(), WM_MOUSEMOVE, 0, MAKELPARAM(500, 500));
    EXPECT_TRUE(control_.Hover());
    EXPECT_EQ((Calls{"HoverEnter"}), control_.calls);
}

TEST_F(ControlWindowTest, ARightPressCallsOnlyItsOperationAndKeepsTheHover) {
    Enter();
    PressRight(Control());
    EXPECT_EQ((Calls{"HoverEnter", "RightDown"}), control_.calls);
    EXPECT_TRUE(control_.Hover());
    EXPECT_EQ(Control(), GetCapture());

    // Not hit-tested: a right press that reaches the control from outside still counts.
    PlaceCursor(HostCorner(host_.Window()));
    PressRight(Control());
    EXPECT_EQ((Calls{"HoverEnter", "RightDown", "RightDown"}), control_.calls);
    EXPECT_TRUE(control_.Hover());
}

TEST_F(ControlWindowTest, APressOutsideTheControlIsIgnored) {
    PlaceCursor(HostCorner(host_.Window()));
    PressLeft(Control());
    EXPECT_TRUE(control_.calls.empty());
    EXPECT_FALSE(control_.Pressed());
    EXPECT_NE(Control(), GetCapture());
}

TEST_F(ControlWindowTest, ACaptureTakenByAnotherWindowEndsTheHoverButNotThePress) {
    Enter();
    PressLeft(Control());
    HWND other = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 200, 10, 50, 50, host_.Window(), nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    SetCapture(other);
    EXPECT_EQ((Calls{"HoverEnter", "Pressed", "CaptureLost"}), control_.calls);
    EXPECT_FALSE(control_.Hover());
    EXPECT_TRUE(control_.Pressed());

    ReleaseCapture();
    ReleaseLeft(Control());
    EXPECT_EQ("Click", control_.calls.back());
    EXPECT_FALSE(control_.Pressed());
    DestroyWindow(other);
}

TEST_F(ControlWindowTest, HandledMessagesNeverReachTheSystemButton) {
    Enter();
    PressLeft(Control());
    ReleaseLeft(Control());
    PressRight(Control());
    EXPECT_TRUE(host_.Commands().empty()) << "no BN_CLICKED";
    EXPECT_NE(Control(), GetFocus()) << "a click does not take the focus";
}

TEST_F(ControlWindowTest, TwoQuickClicksAreTwoClicksAndTwoQuickRightPressesTwoPresses) {
    RECT box{};
    GetWindowRect(Control(), &box);
    MouseTo(POINT{(box.left + box.right) / 2, (box.top + box.bottom) / 2});
    auto times = [this](const char* call) { return std::count(control_.calls.begin(), control_.calls.end(), call); };
    SendClick(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
    SendClick(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
    Pump(200);
    EXPECT_EQ(2, times("Click")) << "the second click of a double click is a click too";
    SendClick(MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
    SendClick(MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
    Pump(200);
    EXPECT_EQ(2, times("RightDown"));
    EXPECT_TRUE(host_.Commands().empty());
}

TEST_F(ControlWindowTest, OtherMessagesGoToTheButtonProcedure) {
    SetWindowTextA(Control(), "text kept by the button");
    char text[64] = "";
    GetWindowTextA(Control(), text, sizeof text);
    EXPECT_STREQ("text kept by the button", text);
}

TEST_F(ControlWindowTest, PaintingWithoutImagesLeavesTheWindowValid) {
    InvalidateRect(Control(), nullptr, FALSE);
    UpdateWindow(Control());
    EXPECT_FALSE(NeedsPaint(Control()));
}

class BindingTest : public testing::Test {
protected:
    void SetUp() override { DiscardQueuedInput(); }
    ControlTestHost host_;
};

TEST_F(BindingTest, BindsByPropertyAndSubclassAndUnbindsWhenDeleted) {
    WNDPROC buttonProcedure = PlainButtonProcedure(host_.Window());
    auto* control = new RecordingControl;
    control->Create(host_.Window(), 0, 0, 20, 20, 7, CLR_NONE, nullptr);
    HWND window = control->Window();
    EXPECT_EQ(control, GetPropA(window, "CPP_CLASS"));
    EXPECT_NE(reinterpret_cast<LONG_PTR>(buttonProcedure), GetWindowLongPtrA(window, GWLP_WNDPROC));
    delete control;
    ASSERT_TRUE(IsWindow(window)) << "the window goes with its parent, not with the object";
    EXPECT_EQ(nullptr, GetPropA(window, "CPP_CLASS"));
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(buttonProcedure), GetWindowLongPtrA(window, GWLP_WNDPROC));
    // Unbound, the window is an ordinary button again.
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    ASSERT_EQ(1u, host_.Commands().size());
    EXPECT_EQ(7, host_.Commands()[0]);
}

TEST_F(BindingTest, ATooltipComesWithTheFirstMoveCarriesTheTextAndStepsDownOnUnbinding) {
    static const char kTip[] = "戻る";
    auto* control = new RecordingControl;
    control->Create(host_.Window(), 0, 0, 20, 20, 8, CLR_NONE, kTip);
    HWND window = control->Window();
    EXPECT_EQ(nullptr, control->Tooltip()) << "no tooltip window before the pointer comes";

    // The first move makes the tooltip and still reaches the object.
    POINT inside{5, 5};
    ClientToScreen(window, &inside);
    PlaceCursor(inside);
    SendMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ((Calls{"HoverEnter"}), control->calls);
    HWND tooltip = control->Tooltip();
    ASSERT_NE(nullptr, tooltip);
    char className[32] = "";
    GetClassNameA(tooltip, className, sizeof className);
    EXPECT_STREQ(TOOLTIPS_CLASSA, className);
    EXPECT_EQ(host_.Window(), GetWindow(tooltip, GW_OWNER)) << "a popup is owned by the child's top-level window";
    EXPECT_TRUE(GetWindowLongA(tooltip, GWL_STYLE) & TTS_ALWAYSTIP);
    ASSERT_EQ(1, SendMessageA(tooltip, TTM_GETTOOLCOUNT, 0, 0));
    char text[80] = "";
    TOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.hwnd = window;
    tool.uId = reinterpret_cast<UINT_PTR>(window);
    tool.lpszText = text;
    SendMessageA(tooltip, TTM_GETTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
    EXPECT_STREQ(kTip, text);

    // Later moves pass the tooltip's relay and make no second one.
    SendMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(6, 6));
    EXPECT_EQ(tooltip, control->Tooltip());
    EXPECT_EQ((Calls{"HoverEnter"}), control->calls);
    ReleaseCapture();

    delete control;
    EXPECT_EQ(0, SendMessageA(tooltip, TTM_GETTOOLCOUNT, 0, 0));
    EXPECT_EQ(nullptr, GetPropA(window, "CPP_CLASS"));
    // Unbound, the window is an ordinary button again. Its procedure is not compared: a deleted
    // tool may leave the tooltip's subclass behind, inert, until the window goes.
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    ASSERT_EQ(1u, host_.Commands().size());
    EXPECT_EQ(8, host_.Commands()[0]);
}

TEST_F(BindingTest, AWindowDestroyedFirstLeavesTheObjectSafeToUseAndDelete) {
    auto* control = new RecordingControl;
    control->Create(host_.Window(), 0, 0, 20, 20, 9, CLR_NONE, "tip");
    HWND window = control->Window();
    DestroyWindow(window);
    EXPECT_EQ(nullptr, control->Window());
    EXPECT_EQ(nullptr, control->Tooltip());
    delete control;
}

// Frees its own storage from its click, as a dialog that goes away with its buttons would.
class SelfDeletingControl : public ControlWindow {
public:
    SelfDeletingControl(unsigned char* storage, size_t size) : storage_(storage), size_(size) {}

protected:
    void OnClick() override {
        unsigned char* storage = storage_;
        size_t size = size_;
        this->~SelfDeletingControl();
        std::memset(storage, 0xA5, size);
    }

private:
    unsigned char* storage_;
    size_t size_;
};

TEST_F(BindingTest, AnObjectDeletedByItsOwnClickIsNotTouchedAfterwards) {
    alignas(SelfDeletingControl) unsigned char storage[sizeof(SelfDeletingControl)];
    auto* control = new (storage) SelfDeletingControl(storage, sizeof storage);
    control->Create(host_.Window(), 0, 0, 20, 20, 10, CLR_NONE, nullptr);
    HWND window = control->Window();
    MoveMouse(window, 5, 5);
    PressLeft(window);
    ReleaseLeft(window);
    for (unsigned char byte : storage) ASSERT_EQ(0xA5, byte);
    EXPECT_EQ(nullptr, GetPropA(window, "CPP_CLASS"));
    ReleaseCapture();
}

}  // namespace
