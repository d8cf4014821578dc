// The mouse-gesture part of the settings page: a check box that switches gestures, a list of the
// actions with the gesture of each, a pad to draw a gesture on for the chosen row, a button that
// clears the row's gesture and a line that prompts or shows the strokes drawn. It edits a working
// copy of the program's recogniser, which the dialog that holds it copies back when applied.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "core/gesture_recognizer.h"
#include "win/subclass.h"

// Child identifiers, beside those of the other controls of the same page.
struct GestureEditorIds {
    int check = 2702;
    int list = 2703;
    int pad = 2704;
    int clear = 2705;
    int label = 2706;
};

class GestureEditor {
public:
    // strokeSound plays the sound of a stroke drawn on the pad (gesture::kLeft and the others).
    GestureEditor(GestureRecognizer& working, std::function<void(int direction)> strokeSound);
    ~GestureEditor();
    GestureEditor(const GestureEditor&) = delete;
    GestureEditor& operator=(const GestureEditor&) = delete;

    // Makes the controls as children of the page, at their places in it, in the font given (none
    // keeps the system's), all hidden until the page is shown; false when any could not be made.
    bool Create(HWND page, HFONT font, const GestureEditorIds& ids = GestureEditorIds());
    // The working copy takes the live switch and table, and the controls show them.
    void Fill(const GestureRecognizer& live);
    // Gestures off and nothing assigned, in the working copy and on screen.
    void Defaults();

    // Every control in creation order: check box, list, pad, clear button, label. The frame
    // around them, "マウスジェスチャー" at (15, 60) 360 x 145, is the page's to draw.
    std::vector<HWND> Controls() const;
    HWND CheckBox() const { return check_; }
    HWND List() const { return list_; }
    HWND Pad() const { return pad_; }
    HWND ClearButton() const { return clear_; }
    HWND Label() const { return label_; }

    // The gesture a row shows; empty when none.
    std::string RowGesture(int row) const;

private:
    static LRESULT PadProcedure(void* context, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT PageProcedure(void* context, HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    void ShowWorkingCopy();
    void EnableControls();
    void SetRowGesture(int row, const std::string& text);
    // The selected row when exactly one is selected, else the focused row; -1 for none.
    int RowInQuestion() const;
    void BeginDrawing(POINT screen);
    void Draw(POINT screen);
    void EndDrawing();
    // The pad let go of the capture while a gesture was drawn on it: the strokes are dropped.
    void AbandonDrawing();
    void ClearRow();

    GestureRecognizer& working_;
    std::function<void(int)> strokeSound_;
    // The pad's own recogniser: its switch and table are never used.
    GestureRecognizer padGesture_;
    // The row whose gesture is being drawn; -1 when none was chosen.
    int drawnRow_ = -1;
    HWND page_ = nullptr;
    HWND check_ = nullptr, list_ = nullptr, pad_ = nullptr, clear_ = nullptr, label_ = nullptr;
    Subclass padSubclass_;
    Subclass pageSubclass_;
};
