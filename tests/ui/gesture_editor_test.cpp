// The gesture editor on a page of a plain window, drawn on with the real pointer: what it shows of
// a recogniser, the pad that assigns a drawn gesture to the chosen row, the duplicate's message,
// the clear button and the check box, all on the working copy it was given.
#include "ui/gesture_editor.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/real_mouse.h"
#include "tests/support/test_support.h"

namespace {

constexpr char kPrompt[] = "右上の領域をドラッグしてジェスチャーを入力してください";
constexpr char kDuplicateCaption[] = "登録済みのジェスチャー";

std::string TextOf(HWND window) {
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

POINT CentreOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

class GestureEditorTest : public testing::Test {
protected:
    void SetUp() override {
        host_ = CreateTestWindow("TsyGestureEditorHost", DefWindowProcA, 0, WS_POPUP | WS_VISIBLE, 400, 450);
        ASSERT_TRUE(host_);
        page_ = CreateWindowExA(WS_EX_CLIENTEDGE, "STATIC", "", WS_CHILD | WS_VISIBLE, 5, 80, 390, 360, host_, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
        editor_ = std::make_unique<GestureEditor>(working_, [this](int direction) { sounds_.push_back(direction); });
        ASSERT_TRUE(editor_->Create(page_, static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT))));
        live_.SetEnabled(true);
        live_.Assign(0x21, gesture::kBack);
        live_.Assign(0x8, gesture::kRefresh);
        live_.Assign(0x4, 99);
        editor_->Fill(live_);
        // As the dialog shows its page.
        for (HWND control : editor_->Controls()) ShowWindow(control, SW_SHOW);
        SetForegroundWindow(host_);
        Pump(100);
    }
    void TearDown() override {
        editor_.reset();
        DestroyWindow(host_);
    }

    void ChooseOnly(int row) {
        HWND list = editor_->List();
        LVITEMA state{};
        state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
        if (row < 0) return;
        state.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageA(list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&state));
    }
    // A button pressed on the pad, the pointer carried through the offsets, and let go; what is
    // seen while the button is still down is kept.
    void DrawOnPad(const std::vector<POINT>& offsets, bool rightButton = false) {
        POINT start = CentreOf(editor_->Pad());
        // From two pixels away: the display may put the cursor back for a moment to where it was
        // before, which must not read as a stroke.
        MouseTo(POINT{start.x + 2, start.y + 2});
        MouseTo(start);
        SendMouse(rightButton ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN);
        Pump(100);
        for (POINT offset : offsets) MouseTo(POINT{start.x + offset.x, start.y + offset.y});
        labelWhileDrawing_ = TextOf(editor_->Label());
        padPushedWhileDrawing_ = (SendMessageA(editor_->Pad(), BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
        captureWhileDrawing_ = GetCapture();
        SendMouse(rightButton ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP);
        Pump(300);
    }
    void Click(HWND control) {
        MouseTo(CentreOf(control));
        SendClick(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
        Pump(300);
    }
    std::vector<std::string> Gestures() {
        std::vector<std::string> rows;
        for (int row = 0; row < gesture::kActionCount; ++row) rows.push_back(editor_->RowGesture(row));
        return rows;
    }
    static std::vector<std::string> Rows(std::initializer_list<std::pair<int, const char*>> shown) {
        std::vector<std::string> rows(gesture::kActionCount);
        for (const std::pair<int, const char*>& row : shown) rows[static_cast<size_t>(row.first)] = row.second;
        return rows;
    }
    bool ControlsEnabled() {
        bool all = true, none = true;
        for (HWND control : {editor_->List(), editor_->Pad(), editor_->ClearButton(), editor_->Label()}) {
            bool enabled = IsWindowEnabled(control) != FALSE;
            all = all && enabled;
            none = none && !enabled;
        }
        EXPECT_TRUE(all || none) << "the four go together";
        return all;
    }

    HWND host_ = nullptr;
    HWND page_ = nullptr;
    GestureRecognizer live_;
    GestureRecognizer working_;
    std::vector<int> sounds_;
    std::unique_ptr<GestureEditor> editor_;
    std::string labelWhileDrawing_;
    bool padPushedWhileDrawing_ = false;
    HWND captureWhileDrawing_ = nullptr;
};

TEST_F(GestureEditorTest, ThePageShowsTheLiveSwitchAndTableOnItsOwnWorkingCopy) {
    std::vector<HWND> controls = editor_->Controls();
    ASSERT_EQ(5u, controls.size());
    for (HWND control : controls) EXPECT_EQ(page_, GetParent(control));
    RECT pad{};
    GetWindowRect(editor_->Pad(), &pad);
    MapWindowPoints(nullptr, page_, reinterpret_cast<POINT*>(&pad), 2);
    EXPECT_EQ(300, pad.left);
    EXPECT_EQ(100, pad.top);
    EXPECT_EQ(70, pad.right - pad.left);
    EXPECT_EQ(50, pad.bottom - pad.top);
    EXPECT_EQ("　ここを　　　ドラッグ", TextOf(editor_->Pad()));
    EXPECT_EQ(kPrompt, TextOf(editor_->Label()));

    EXPECT_EQ(gesture::kActionCount, SendMessageA(editor_->List(), LVM_GETITEMCOUNT, 0, 0));
    EXPECT_EQ(Rows({{0, "←↑"}, {8, "↓"}}), Gestures()) << "a number that is no action shows on no row";
    EXPECT_EQ(0, SendMessageA(editor_->List(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    EXPECT_EQ(BST_CHECKED, SendMessageA(editor_->CheckBox(), BM_GETCHECK, 0, 0));
    EXPECT_TRUE(ControlsEnabled());
    EXPECT_EQ(live_.Table(), working_.Table());
    EXPECT_TRUE(working_.Enabled());

    live_.SetEnabled(false);
    editor_->Fill(live_);
    EXPECT_EQ(BST_UNCHECKED, SendMessageA(editor_->CheckBox(), BM_GETCHECK, 0, 0));
    EXPECT_FALSE(ControlsEnabled());

    live_.SetEnabled(true);
    editor_->Fill(live_);
    editor_->Defaults();
    EXPECT_FALSE(working_.Enabled());
    EXPECT_TRUE(working_.Table().empty());
    EXPECT_EQ(Rows({}), Gestures());
    EXPECT_EQ(BST_UNCHECKED, SendMessageA(editor_->CheckBox(), BM_GETCHECK, 0, 0));
    EXPECT_FALSE(ControlsEnabled());
    EXPECT_TRUE(live_.Enabled()) << "the live recogniser is the dialog's to replace";
    EXPECT_EQ(3u, live_.Table().size());
}

TEST_F(GestureEditorTest, ADrawingOnThePadIsAssignedToTheChosenRowWithItsArrowsAndSounds) {
    ChooseOnly(12);
    DrawOnPad({{-30, 0}, {-30, 30}});
    EXPECT_EQ("←↓", labelWhileDrawing_);
    EXPECT_FALSE(padPushedWhileDrawing_) << "the pad is drawn on, never pushed";
    EXPECT_EQ(editor_->Pad(), captureWhileDrawing_);
    EXPECT_EQ((std::vector<int>{gesture::kLeft, gesture::kDown}), sounds_);
    EXPECT_EQ(kPrompt, TextOf(editor_->Label()));
    EXPECT_NE(editor_->Pad(), GetCapture());
    EXPECT_EQ(gesture::kNewFolder, working_.Execute(0x81));
    EXPECT_EQ(Rows({{0, "←↑"}, {8, "↓"}, {12, "←↓"}}), Gestures());

    ChooseOnly(2);
    DrawOnPad({{0, -40}}, true);
    EXPECT_EQ(gesture::kSelectAll, working_.Execute(0x2)) << "the right button draws too";
    EXPECT_EQ("↑", editor_->RowGesture(2));

    ChooseOnly(12);
    DrawOnPad({{5, 5}});
    EXPECT_EQ(0u, working_.CodeOf(gesture::kNewFolder)) << "a press without strokes clears the row";
    EXPECT_EQ("", editor_->RowGesture(12));
    EXPECT_FALSE(live_.IsAssigned(0x2)) << "the live recogniser is untouched";
}

TEST_F(GestureEditorTest, AGestureThatAnotherActionHasIsRefusedWithAMessageAndTheRowLeftEmpty) {
    MessageBoxCloser closer(kDuplicateCaption);
    ChooseOnly(8);
    DrawOnPad({{-30, 0}, {-30, -30}});
    EXPECT_EQ(std::vector<std::string>{"←↑は既に登録されています"}, closer.Texts());
    EXPECT_EQ(gesture::kBack, working_.Execute(0x21));
    EXPECT_FALSE(working_.IsAssigned(0x8)) << "the row's old gesture went when the button went down";
    EXPECT_EQ(Rows({{0, "←↑"}}), Gestures());
    EXPECT_EQ(kPrompt, TextOf(editor_->Label()));

    ChooseOnly(0);
    DrawOnPad({{-30, 0}, {-30, -30}});
    EXPECT_EQ(1u, closer.Texts().size()) << "the same gesture again for its own action is no duplicate";
    EXPECT_EQ(gesture::kBack, working_.Execute(0x21));
    EXPECT_EQ(Rows({{0, "←↑"}}), Gestures());
}

TEST_F(GestureEditorTest, WithNoRowChosenOrThePointerTakenAwayNothingIsAssigned) {
    GestureRecognizer::Assignments before = working_.Table();
    ChooseOnly(-1);
    DrawOnPad({{30, 0}, {30, 30}});
    EXPECT_EQ("→↓", labelWhileDrawing_);
    EXPECT_EQ(before, working_.Table());
    EXPECT_EQ(Rows({{0, "←↑"}, {8, "↓"}}), Gestures());

    ChooseOnly(5);
    POINT start = CentreOf(editor_->Pad());
    MouseTo(POINT{start.x + 2, start.y + 2});
    MouseTo(start);
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    Pump(100);
    MouseTo(POINT{start.x, start.y + 30});
    ASSERT_EQ("↓", TextOf(editor_->Label()));
    SetCapture(host_);
    EXPECT_EQ(kPrompt, TextOf(editor_->Label()));
    ReleaseCapture();
    SendMouse(MOUSEEVENTF_LEFTUP);
    Pump(300);
    EXPECT_EQ(0u, working_.CodeOf(gesture::kCopy)) << "the strokes went with the capture";
    EXPECT_EQ(gesture::kRefresh, working_.Execute(0x8));
}

TEST_F(GestureEditorTest, TheClearButtonEmptiesTheRowAndTheCheckBoxSwitchesTheWorkingCopyAndTheControls) {
    ChooseOnly(0);
    Click(editor_->ClearButton());
    EXPECT_FALSE(working_.IsAssigned(0x21));
    EXPECT_EQ(Rows({{8, "↓"}}), Gestures());
    ChooseOnly(3);
    Click(editor_->ClearButton());
    EXPECT_EQ(Rows({{8, "↓"}}), Gestures());
    EXPECT_EQ(2u, working_.Table().size());

    Click(editor_->CheckBox());
    EXPECT_FALSE(working_.Enabled());
    EXPECT_FALSE(ControlsEnabled());
    EXPECT_TRUE(live_.Enabled());
    ChooseOnly(8);
    DrawOnPad({{-40, 0}});
    EXPECT_FALSE(working_.IsAssigned(0x1)) << "a disabled pad takes no drawing";

    Click(editor_->CheckBox());
    EXPECT_TRUE(working_.Enabled());
    EXPECT_TRUE(ControlsEnabled());
}

}  // namespace
