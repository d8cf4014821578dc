// The right-button mouse gesture: cursor positions reduced to up to eight strokes of four
// directions, a code of four bits a stroke, and the table that assigns codes to actions. No Windows
// header: the window a gesture is drawn in is opaque here, and what a stroke sounds like and what
// an action does are the caller's, told by return values.
#pragma once
#include <cstdint>
#include <map>
#include <string>

namespace gesture {

// Stroke directions, as the nibbles of a code hold them.
constexpr int kLeft = 1;
constexpr int kUp = 2;
constexpr int kRight = 4;
constexpr int kDown = 8;

// Displacement in pixels that a stroke must exceed.
constexpr int kThreshold = 20;
constexpr int kBitsPerStroke = 4;
constexpr int kMostStrokes = 8;

// The actions that a code can run; the table may hold other numbers, which run nothing.
enum Action : int32_t {
    kBack = 1,
    kUpFolder,
    kSelectAll,
    kDelete,
    kCut,
    kCopy,
    kPaste,
    kRename,
    kRefresh,
    kProperties,
    kCopyFullPath,
    kCopyName,
    kNewFolder,
    kNewFile,
};
constexpr int32_t kFirstAction = kBack;
constexpr int32_t kLastAction = kNewFile;
constexpr int kActionCount = kLastAction - kFirstAction + 1;

inline bool IsAction(int32_t number) { return number >= kFirstAction && number <= kLastAction; }

// The name of an action as the gesture editor shows it; empty outside the actions.
const char* ActionName(int32_t action);

// The arrows of a code's strokes, first stroke first; a zero nibble ends them and a nibble that is
// no direction adds nothing.
std::string ArrowText(uint32_t code);

}  // namespace gesture

class GestureRecognizer {
public:
    // Codes are signed in the table and the file, and go in ascending signed order.
    using Assignments = std::map<int32_t, int32_t>;

    // What Finish hands back: whether any stroke was drawn, the action that its code runs (0 when
    // it is unassigned or assigned a number that is no action) and the window it runs in.
    struct Outcome {
        bool stroked = false;
        int32_t action = 0;
        void* target = nullptr;
    };

    GestureRecognizer() = default;
    // A copy takes the switch and the table; no gesture is in progress in it.
    GestureRecognizer(const GestureRecognizer& other) { *this = other; }
    GestureRecognizer& operator=(const GestureRecognizer& other);

    // Starts a gesture at a screen point in a window (null where no list runs the actions).
    void Begin(int x, int y, void* target);
    // Feeds a cursor position; returns the direction of the stroke it added, 0 for none. At most
    // one stroke is added a position.
    int Move(int x, int y);
    // Ends the gesture: the code's action is looked up when any stroke was drawn, then all but the
    // switch and the table is reset.
    Outcome Finish();
    // Ends the gesture without running anything; returns the code drawn.
    uint32_t TakeCode();
    void Reset();

    // The action that the code runs: 0 when unassigned or not one of the actions.
    int32_t Execute(uint32_t code) const;
    // An existing assignment of the code is kept.
    void Assign(uint32_t code, int32_t action);
    bool IsAssigned(uint32_t code) const;
    // Removes the first assignment, in code order, of the action.
    void Unassign(int32_t action);
    // The code assigned the action first in code order; 0 when none.
    uint32_t CodeOf(int32_t action) const;
    void ClearAssignments() { assignments_.clear(); }
    const Assignments& Table() const { return assignments_; }

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) { enabled_ = enabled; }
    bool Active() const { return active_; }
    uint32_t Code() const { return code_; }
    void* Target() const { return target_; }

private:
    // One axis: where its displacement is measured from, where the cursor was, how it last moved.
    struct Axis {
        int anchor = 0;
        int last = 0;
        // The sign of the last step that moved: positive towards the left or the top, 0 for none.
        int lastStep = 0;
        // The displacement from the anchor, positive left of or above it; a reversal re-anchors at
        // the new position.
        int64_t Update(int value);
        // Starts afresh at the position when the displacement passed the threshold.
        bool ReanchorBeyond(int64_t displacement, int value);
    };

    bool TryStroke(int64_t displacement, bool vertical);

    bool enabled_ = false;
    bool active_ = false;
    Axis x_, y_;
    int lastDirection_ = 0;
    int addedDirection_ = 0;
    uint32_t code_ = 0;
    int usedBits_ = 0;
    Assignments assignments_;
    void* target_ = nullptr;
};
