// The drop source's rules, and whole drags run by the system's own drag loop between two windows
// of the test, with the real pointer and keys.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "dnd/drag_source.h"
#include "dnd/file_drag.h"
#include "tests/dnd/dnd_test_support.h"
#include "tests/shell/shell_test_fixture.h"
#include "tests/support/real_mouse.h"
#include "tests/support/recording_drop_target.h"
#include "tests/support/test_support.h"

namespace {

TEST(DragSourceTest, LettingGoOfTheDraggingButtonDropsAndEscapeOrBothButtonsCancel) {
    ComPtr<IDropSource> source = DragSource::Create();
    ASSERT_TRUE(source);
    EXPECT_EQ(S_OK, source->QueryContinueDrag(FALSE, MK_LBUTTON));
    EXPECT_EQ(S_OK, source->QueryContinueDrag(FALSE, MK_RBUTTON | MK_SHIFT | MK_CONTROL));
    EXPECT_EQ(DRAGDROP_S_DROP, source->QueryContinueDrag(FALSE, 0));
    EXPECT_EQ(DRAGDROP_S_DROP, source->QueryContinueDrag(FALSE, MK_CONTROL | MK_MBUTTON));
    EXPECT_EQ(DRAGDROP_S_CANCEL, source->QueryContinueDrag(TRUE, MK_LBUTTON));
    EXPECT_EQ(DRAGDROP_S_CANCEL, source->QueryContinueDrag(TRUE, 0)) << "Escape wins over a let-go button";
    EXPECT_EQ(DRAGDROP_S_CANCEL, source->QueryContinueDrag(FALSE, MK_LBUTTON | MK_RBUTTON));
    EXPECT_EQ(DRAGDROP_S_USEDEFAULTCURSORS, source->GiveFeedback(DROPEFFECT_COPY));
    void* other = &other;
    EXPECT_EQ(E_NOINTERFACE, source->QueryInterface(IID_IDataObject, &other));
    EXPECT_EQ(nullptr, other);
    ComPtr<IUnknown> unknown;
    EXPECT_EQ(S_OK, source->QueryInterface(IID_IUnknown, unknown.PutVoid()));
}

LRESULT CALLBACK SourceProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

void SendKey(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof input);
}

class RealDragTest : public ShellFixture {
protected:
    void SetUp() override {
        ShellFixture::SetUp();
        MakeFolder("源");
        for (const char* name : {"甲.txt", "乙.txt"}) MakeFile(std::string("源\\") + name);
        source_ = CreateTestWindow("TsyDragSourceWindow", SourceProcedure, 0, WS_POPUP | WS_VISIBLE, 300, 200);
        ASSERT_TRUE(source_);
        SetForegroundWindow(source_);
        // Drop targets need OLE, which the shell services have started.
        drop_ = std::make_unique<DropWindow>(760, 300, 300, 240);
        ASSERT_TRUE(drop_->Registered());
    }
    void TearDown() override {
        drop_.reset();
        DestroyWindow(source_);
        ShellFixture::TearDown();
    }
    POINT SourcePoint() const {
        RECT rect{};
        GetWindowRect(source_, &rect);
        return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    }
    // Presses a button over the source window, then runs the drag of both files while the hand
    // moves over the drop window and finishes as told once the drag has arrived there.
    void Drag(DWORD down, const std::function<void()>& finish) {
        MouseTo(SourcePoint());
        SendMouse(down);
        PumpUntil([] { return false; }, 100);
        RecordingDropTarget& target = drop_->Target();
        PointerScript hand([&] {
            arrived_ = MovePointerUntil(drop_->Centre(), [&] { return target.overs > 0; });
            finish();
        });
        StartFileDrag(RequestFor(PathOf("源"), {"甲.txt", "乙.txt"}, source_), [&] { ++starts_; });
        EXPECT_TRUE(PumpUntil([&] { return hand.Finished(); }));
    }

    HWND source_ = nullptr;
    std::unique_ptr<DropWindow> drop_;
    int starts_ = 0;
    bool arrived_ = false;
};

TEST_F(RealDragTest, LettingGoOfTheLeftButtonOverATargetDropsTheFiles) {
    Drag(MOUSEEVENTF_LEFTDOWN, [] { SendMouse(MOUSEEVENTF_LEFTUP); });
    RecordingDropTarget& target = drop_->Target();
    EXPECT_TRUE(arrived_);
    EXPECT_EQ(static_cast<DWORD>(MK_LBUTTON), target.overKeys & (MK_LBUTTON | MK_RBUTTON));
    EXPECT_EQ(1, starts_) << "the drag sound's moment comes once";
    EXPECT_EQ(1, target.enters.load());
    EXPECT_EQ(1, target.drops.load());
    EXPECT_EQ(0, target.leaves.load());
    EXPECT_EQ(static_cast<DWORD>(DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK), target.effectOffered);
    EXPECT_EQ((std::vector<std::string>{PathOf("源\\甲.txt"), PathOf("源\\乙.txt")}), target.droppedFiles);
    EXPECT_EQ(PathOf("源\\甲.txt"), target.droppedText);
    EXPECT_EQ(target.droppedFiles, target.droppedItems);
}

TEST_F(RealDragTest, ARightButtonDragDropsAsWell) {
    Drag(MOUSEEVENTF_RIGHTDOWN, [] { SendMouse(MOUSEEVENTF_RIGHTUP); });
    RecordingDropTarget& target = drop_->Target();
    EXPECT_TRUE(arrived_);
    EXPECT_EQ(static_cast<DWORD>(MK_RBUTTON), target.overKeys & (MK_LBUTTON | MK_RBUTTON))
        << "the target saw which button dragged";
    EXPECT_EQ(0u, target.dropKeys & (MK_LBUTTON | MK_RBUTTON));
    EXPECT_EQ(1, target.drops.load());
    EXPECT_EQ(2u, target.droppedFiles.size());
}

TEST_F(RealDragTest, EscapeCancelsTheDragOverTheTarget) {
    RecordingDropTarget& target = drop_->Target();
    Drag(MOUSEEVENTF_LEFTDOWN, [&] {
        SendKey(VK_ESCAPE, false);
        SendKey(VK_ESCAPE, true);
        WaitOnPointerThread([&] { return target.leaves > 0; }, 5000);
        SendMouse(MOUSEEVENTF_LEFTUP);
    });
    EXPECT_TRUE(arrived_);
    EXPECT_EQ(1, target.leaves.load());
    EXPECT_EQ(0, target.drops.load());
}

TEST_F(RealDragTest, PressingTheOtherButtonCancelsTheDrag) {
    RecordingDropTarget& target = drop_->Target();
    Drag(MOUSEEVENTF_LEFTDOWN, [&] {
        SendMouse(MOUSEEVENTF_RIGHTDOWN);
        WaitOnPointerThread([&] { return target.leaves > 0; }, 5000);
        SendMouse(MOUSEEVENTF_RIGHTUP);
        SendMouse(MOUSEEVENTF_LEFTUP);
    });
    EXPECT_TRUE(arrived_);
    EXPECT_EQ(1, target.leaves.load());
    EXPECT_EQ(0, target.drops.load());
}

}  // namespace
