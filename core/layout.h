// Where the panes of the main window go, and how the layout modes switch. No Windows header:
// this arithmetic is built and tested natively too.
#pragma once

namespace layout {

enum Mode { kListsOnly = 0, kTwoPane = 1, kTree = 2, kFavourites = 3 };

// Which left pane to bring back when the two-pane mode or the other left pane goes away.
enum LeftMemory {
    kNoLeftPane = 0,
    kTreeRemembered = 1,
    kFavouritesRemembered = 2,
    kTreeThenFavourites = 3,
    kFavouritesThenTree = 4
};

constexpr int kStripHeight = 20;

struct Box {
    int x = 0, y = 0, width = 0, height = 0;
    bool shown = false;
};

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
};

struct Point {
    int x = 0, y = 0;
};

struct Sizes {
    int leftWidth = 180;  // the tree or favourites pane
    int subWidth = 200;   // the sub list when it is to the right
    int subHeight = 200;  // the sub list when it is below
    bool subToTheRight = false;
};

struct Placement {
    Box tabBar;
    Box mainList, mainHeader, mainInfo;
    Box subList, subHeader, subInfo;
    Box tree, treeHeader;
    Box favourites, favouritesHeader;
    bool hasSplitter = false;
    bool splitterVertical = false;
    Rect splitter;
    Point trayButton, maximiseButton, closeButton;
};

// Places every pane for the mode in the client rectangle. The sub list's size is clamped to
// what fits, and the clamped value is kept in sizes.
Placement Place(Mode mode, const Rect& client, Sizes& sizes);

enum class Hit { Client, Caption, TopLeft, TopRight, BottomLeft, BottomRight, Top, Left, Bottom, Right };

// The frame's answer for a point in client coordinates; the system's own answer must have been
// "client area" for Caption/Client to apply, which the caller checks.
Hit HitTest(const Rect& client, Point point, Mode mode, const Rect& splitter);

// Splitter dragging. The anchor combined with the cursor gives the new size.
struct Drag {
    bool active = false;
    int anchor = 0;
};
void BeginDrag(Drag& drag, Mode mode, const Sizes& sizes, Point screenPoint);
// Follows the cursor unless it left the allowed band (client coordinates); returns whether
// the sizes and the splitter rectangle changed.
bool FollowDrag(const Drag& drag, Mode mode, const Rect& client, Point clientPoint, Point screenPoint, Sizes& sizes,
                Rect& splitter);

// The layout-mode switches and the left-pane memory.
struct ModeState {
    Mode mode = kListsOnly;
    LeftMemory memory = kNoLeftPane;
};

struct SwitchResult {
    bool changed = false;
    bool closeSubList = false;  // the sub list stops showing its tab
    bool openSubList = false;   // the sub list starts showing a tab
};

SwitchResult ToggleTree(ModeState& state, Sizes& sizes, int clientWidth);
SwitchResult ToggleFavourites(ModeState& state, Sizes& sizes, int clientWidth);
SwitchResult ToggleTwoPane(ModeState& state, int tabCount);

// The tab the sub list shows when the two-pane mode comes on (tabs numbered from 1).
int ChooseSubTab(int rememberedSubTab, int mainTab, int tabCount);

}  // namespace layout
