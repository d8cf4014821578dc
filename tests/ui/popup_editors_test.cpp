// The rename editors and the comment editor, opened for real and driven from the dialog loop.
#include <gtest/gtest.h>

#include "ui/comment_editor.h"
#include "ui/rename_editors.h"
#include "tests/ui/dialog_test_support.h"

namespace {

constexpr int kNameField = 1020;
constexpr int kExtensionField = 1021;

class PopupEditorsTest : public DialogFixture {
protected:
    // Opens the split editor on report.txt, types `name` into the name field and then ends the
    // editor with `finish`.
    int EditSplit(SplitRenameFields& fields, const std::string& name, const std::function<void(HWND)>& finish,
                  Platform platform = Platform::Nt) {
        owner_.onDialogIdle = [&, finish](int wait, HWND dialog) {
            if (wait > 0) return;
            SetWindowTextA(GetDlgItem(dialog, kNameField), name.c_str());
            finish(dialog);
        };
        return RunSplitRenameEditor(owner_.Window(), corner_, fields, platform);
    }

    ModalOwner owner_;
    ElsewhereWindow elsewhere_;
    POINT corner_{230, 210};
};

SplitRenameFields ReportTxt() {
    SplitRenameFields fields;
    fields.name = "report";
    fields.extension = "txt";
    return fields;
}

TEST_F(PopupEditorsTest, ClickingElsewhereCommitsExactlyAsEnterDoes) {
    SplitRenameFields byEnter = ReportTxt();
    int enterResult = EditSplit(byEnter, "summary", [](HWND) { PressKey(VK_RETURN); });
    SplitRenameFields byClick = ReportTxt();
    int clickResult = EditSplit(byClick, "summary", [&](HWND) { elsewhere_.Activate(); });
    EXPECT_EQ(1, enterResult);
    EXPECT_EQ(enterResult, clickResult);
    EXPECT_EQ("summary", byEnter.name);
    EXPECT_EQ("txt", byEnter.extension);
    EXPECT_EQ(byEnter.name, byClick.name);
    EXPECT_EQ(byEnter.extension, byClick.extension);
    EXPECT_EQ(0, owner_.givenUp);
}

TEST_F(PopupEditorsTest, EscapeReturnsZeroAndLeavesTheStrings) {
    SplitRenameFields fields = ReportTxt();
    // Ending the editor hands the activation back to the owner; that deactivation must not
    // commit what Escape threw away.
    EXPECT_EQ(0, EditSplit(fields, "summary", [](HWND) { PressKey(VK_ESCAPE); }));
    EXPECT_EQ("report", fields.name);
    EXPECT_EQ("txt", fields.extension);
    EXPECT_EQ(0, owner_.givenUp);
}

TEST_F(PopupEditorsTest, CommitWithoutChangeReturnsZero) {
    SplitRenameFields fields = ReportTxt();
    EXPECT_EQ(0, EditSplit(fields, "report", [](HWND) { PressKey(VK_RETURN); }));
    EXPECT_EQ("report", fields.name);
    fields = ReportTxt();
    EXPECT_EQ(0, EditSplit(fields, "report", [&](HWND) { elsewhere_.Activate(); }));
    EXPECT_EQ(0, owner_.givenUp);
}

TEST_F(PopupEditorsTest, OpensAtTheOpenersPointWithTheStartingTexts) {
    SplitRenameFields fields = ReportTxt();
    fields.extensionSeparable = false;
    RECT placed{};
    std::string nameShown, extensionShown;
    bool extensionEnabled = true;
    owner_.onDialogIdle = [&](int, HWND dialog) {
        placed = ScreenRectOf(dialog);
        nameShown = TextOf(GetDlgItem(dialog, kNameField));
        extensionShown = TextOf(GetDlgItem(dialog, kExtensionField));
        extensionEnabled = IsWindowEnabled(GetDlgItem(dialog, kExtensionField)) != FALSE;
        SetWindowTextA(GetDlgItem(dialog, kNameField), "a.b");
        PressKey(VK_RETURN);
    };
    EXPECT_EQ(1, RunSplitRenameEditor(owner_.Window(), corner_, fields));
    EXPECT_EQ(corner_.x, placed.left);
    EXPECT_EQ(corner_.y, placed.top);
    EXPECT_EQ("report", nameShown);
    EXPECT_EQ("txt", extensionShown);
    EXPECT_FALSE(extensionEnabled);
    EXPECT_EQ("a.b", fields.name);
    EXPECT_EQ("txt", fields.extension);
}

TEST_F(PopupEditorsTest, ChangedExtensionAloneCountsAsAChange) {
    SplitRenameFields fields = ReportTxt();
    owner_.onDialogIdle = [&](int, HWND dialog) {
        SetWindowTextA(GetDlgItem(dialog, kExtensionField), "");
        PressKey(VK_RETURN);
    };
    EXPECT_EQ(1, RunSplitRenameEditor(owner_.Window(), corner_, fields));
    EXPECT_EQ("report", fields.name);
    EXPECT_EQ("", fields.extension);
}

TEST_F(PopupEditorsTest, WholeNameAndCommentEditorsCommitAndCancelTheSameWay) {
    struct Case {
        int field;
        std::function<int(std::string&)> run;
    };
    const Case cases[] = {
        {1024, [&](std::string& text) { return RunRenameEditor(owner_.Window(), corner_, text); }},
        {1022, [&](std::string& text) { return RunCommentEditor(owner_.Window(), corner_, text); }},
    };
    for (const Case& editor : cases) {
        SCOPED_TRACE(editor.field);
        std::string text = "旧い名前.txt";
        std::string shown;
        owner_.onDialogIdle = [&](int, HWND dialog) {
            shown = TextOf(GetDlgItem(dialog, editor.field));
            SetWindowTextA(GetDlgItem(dialog, editor.field), "新しい名前.txt");
            elsewhere_.Activate();
        };
        EXPECT_EQ(1, editor.run(text));
        EXPECT_EQ("旧い名前.txt", shown);
        EXPECT_EQ("新しい名前.txt", text);
        owner_.onDialogIdle = [&](int, HWND dialog) {
            SetWindowTextA(GetDlgItem(dialog, editor.field), "捨てる");
            PressKey(VK_ESCAPE);
        };
        EXPECT_EQ(0, editor.run(text));
        EXPECT_EQ("新しい名前.txt", text);
    }
    EXPECT_EQ(0, owner_.givenUp);
}

TEST_F(PopupEditorsTest, LongTextIsCutAt259BytesWithoutSplittingACharacter) {
    std::string wide;
    for (int i = 0; i < 200; ++i) wide += "あ";
    std::string name = "x";
    owner_.onDialogIdle = [&](int, HWND dialog) {
        SetWindowTextA(GetDlgItem(dialog, 1024), ("a" + wide).c_str());
        PressKey(VK_RETURN);
    };
    EXPECT_EQ(1, RunRenameEditor(owner_.Window(), corner_, name));
    EXPECT_EQ(259u, name.size());
    EXPECT_EQ("a" + wide.substr(0, 258), name);
    owner_.onDialogIdle = [&](int, HWND dialog) {
        SetWindowTextA(GetDlgItem(dialog, 1024), wide.c_str());
        PressKey(VK_RETURN);
    };
    EXPECT_EQ(1, RunRenameEditor(owner_.Window(), corner_, name));
    EXPECT_EQ(wide.substr(0, 258), name);
}

TEST_F(PopupEditorsTest, OnWindows9xAMoveWithoutActivationCommits) {
    auto moveWithoutActivating = [](HWND dialog) {
        RECT at = ScreenRectOf(dialog);
        SetWindowPos(dialog, nullptr, at.left + 1, at.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    };
    SplitRenameFields onNt = ReportTxt();
    int ntResult = EditSplit(onNt, "summary", [&](HWND dialog) {
        moveWithoutActivating(dialog);
        PressKey(VK_ESCAPE);
    });
    EXPECT_EQ(0, ntResult);
    EXPECT_EQ("report", onNt.name);

    SplitRenameFields on9x = ReportTxt();
    int result9x = EditSplit(
        on9x, "summary",
        [&](HWND dialog) {
            moveWithoutActivating(dialog);
            PressKey(VK_ESCAPE);
        },
        Platform::Windows9x);
    EXPECT_EQ(1, result9x);
    EXPECT_EQ("summary", on9x.name);
    EXPECT_EQ(0, owner_.givenUp);
}

}  // namespace
