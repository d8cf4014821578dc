#include "core/layout.h"

namespace layout {

namespace {

Box Shown(int x, int y, int width, int height) { return Box{x, y, width, height, true}; }

int ClampSubWidth(int width, const Rect& c) {
    if (c.right - c.left - 134 < width) return c.right - c.left - 134;
    if (width < 99) return 100;
    return width;
}

int ClampSubHeight(int height, const Rect& c) {
    if (c.bottom - c.top - 125 < height) return c.bottom - c.top - 127;
    if (height < 99) return 100;
    return height;
}

void PlaceMainColumn(Placement& p, int x, int width, const Rect& c, int listBottom) {
    p.mainHeader = Shown(x, c.top + 46, width, kStripHeight);
    p.mainList = Shown(x, c.top + 66, width, listBottom - c.top - 66);
    p.mainInfo = Shown(x, listBottom, width, kStripHeight);
}

void LimitLeftWidth(Sizes& sizes, int clientWidth) {
    if (sizes.leftWidth > clientWidth - 84) sizes.leftWidth = clientWidth - 84;
}

}  // namespace

Placement Place(Mode mode, const Rect& c, Sizes& sizes) {
    Placement p;
    const int L = c.left, T = c.top, R = c.right, B = c.bottom;
    p.tabBar = Shown(L + 28, T + 21, R - L - 39, kStripHeight);
    switch (mode) {
    case kListsOnly: PlaceMainColumn(p, L + 28, R - L - 39, c, B - 31); break;
    case kTree:
    case kFavourites: {
        const int W = sizes.leftWidth;
        PlaceMainColumn(p, L + W + 33, R - W - L - 44, c, B - 31);
        Box pane = Shown(L + 28, T + 66, W, B - T - 77);
        Box strip = Shown(L + 28, T + 46, W, kStripHeight);
        if (mode == kTree) {
            p.tree = pane;
            p.treeHeader = strip;
        } else {
            p.favourites = pane;
            p.favouritesHeader = strip;
        }
        p.hasSplitter = true;
        p.splitterVertical = true;
        p.splitter = Rect{L + 28 + W, T + 46, L + 28 + W + 5, B - 11};
        break;
    }
    case kTwoPane:
        if (sizes.subToTheRight) {
            const int S = sizes.subWidth = ClampSubWidth(sizes.subWidth, c);
            PlaceMainColumn(p, L + 28, R - S - L - 44, c, B - 31);
            p.subHeader = Shown(R - S - 11, T + 46, S, kStripHeight);
            p.subList = Shown(R - S - 11, T + 66, S, B - T - 97);
            p.subInfo = Shown(R - S - 11, B - 31, S, kStripHeight);
            p.hasSplitter = true;
            p.splitterVertical = true;
            p.splitter = Rect{R - S - 16, T + 46, R - S - 12, B - 11};
        } else {
            const int H = sizes.subHeight = ClampSubHeight(sizes.subHeight, c);
            const int D = B - H;
            PlaceMainColumn(p, L + 28, R - L - 39, c, D - 56);
            p.subHeader = Shown(L + 28, D - 31, R - L - 39, kStripHeight);
            p.subList = Shown(L + 28, D - 11, R - L - 39, H - 20);
            p.subInfo = Shown(L + 28, B - 31, R - L - 39, kStripHeight);
            p.hasSplitter = true;
            p.splitterVertical = false;
            p.splitter = Rect{L + 28, B - H - 36, R - 11, B - H - 31};
        }
        break;
    }
    p.trayButton = Point{R - 60, T + 1};
    p.maximiseButton = Point{R - 43, T + 1};
    p.closeButton = Point{R - 26, T + 1};
    return p;
}

Hit HitTest(const Rect& c, Point pt, Mode mode, const Rect& splitter) {
    const int L = c.left, T = c.top, R = c.right, B = c.bottom;
    if (Rect{L, T, L + 25, T + 18}.Contains(pt.x, pt.y)) return Hit::TopLeft;
    if (Rect{R - 8, T, R, T + 18}.Contains(pt.x, pt.y)) return Hit::TopRight;
    if (Rect{L, B - 8, L + 25, B}.Contains(pt.x, pt.y)) return Hit::BottomLeft;
    if (Rect{R - 8, B - 8, R, B}.Contains(pt.x, pt.y)) return Hit::BottomRight;
    if (Rect{L, T, R, T + 3}.Contains(pt.x, pt.y)) return Hit::Top;
    if (Rect{L, T, L + 3, B}.Contains(pt.x, pt.y)) return Hit::Left;
    if (Rect{L, B - 3, R, B}.Contains(pt.x, pt.y)) return Hit::Bottom;
    if (Rect{R - 3, T, R, B}.Contains(pt.x, pt.y)) return Hit::Right;
    if (mode != kListsOnly && splitter.Contains(pt.x, pt.y)) return Hit::Client;
    return Hit::Caption;
}

void BeginDrag(Drag& drag, Mode mode, const Sizes& sizes, Point screen) {
    drag.active = true;
    if (mode == kTwoPane) drag.anchor = sizes.subToTheRight ? screen.x + sizes.subWidth : screen.y + sizes.subHeight;
    else
        drag.anchor = sizes.leftWidth - screen.x;
}

bool FollowDrag(const Drag& drag, Mode mode, const Rect& c, Point client, Point screen, Sizes& sizes, Rect& splitter) {
    if (!drag.active) return false;
    const bool vertical = mode != kTwoPane || sizes.subToTheRight;
    if (vertical && (client.x < c.left + 125 || client.x > c.right - 108)) return false;
    if (!vertical && (client.y < c.top + 118 || client.y > c.bottom - 108)) return false;
    if (mode == kTwoPane && sizes.subToTheRight) {
        sizes.subWidth = drag.anchor - screen.x;
        splitter.left = c.right - sizes.subWidth - 16;
        splitter.right = c.right - sizes.subWidth - 12;
    } else if (mode == kTwoPane) {
        sizes.subHeight = drag.anchor - screen.y;
        splitter.top = c.bottom - sizes.subHeight - 32;
        splitter.bottom = splitter.top + 5;
    } else {
        sizes.leftWidth = screen.x + drag.anchor;
        splitter = Rect{c.left + 28 + sizes.leftWidth, c.top + 46, c.left + 28 + sizes.leftWidth + 5, c.bottom - 11};
    }
    return true;
}

namespace {

// The tree and the favourites switch alike, each bringing the other back.
SwitchResult ToggleLeftPane(ModeState& s, Sizes& sizes, int clientWidth, Mode pane) {
    const Mode other = pane == kTree ? kFavourites : kTree;
    const LeftMemory otherRemembered = pane == kTree ? kFavouritesRemembered : kTreeRemembered;
    SwitchResult result;
    result.changed = true;
    if (s.mode == pane) {
        s.mode = s.memory == otherRemembered ? other : kListsOnly;
        s.memory = kNoLeftPane;
        return result;
    }
    result.closeSubList = s.mode == kTwoPane;
    bool otherToComeBack = s.mode == other || s.memory == otherRemembered || s.memory == kTreeThenFavourites ||
                           s.memory == kFavouritesThenTree;
    s.memory = otherToComeBack ? otherRemembered : kNoLeftPane;
    s.mode = pane;
    LimitLeftWidth(sizes, clientWidth);
    return result;
}

}  // namespace

SwitchResult ToggleTree(ModeState& s, Sizes& sizes, int clientWidth) {
    return ToggleLeftPane(s, sizes, clientWidth, kTree);
}

SwitchResult ToggleFavourites(ModeState& s, Sizes& sizes, int clientWidth) {
    return ToggleLeftPane(s, sizes, clientWidth, kFavourites);
}

SwitchResult ToggleTwoPane(ModeState& s, int tabCount) {
    SwitchResult result;
    if (tabCount <= 1) return result;
    result.changed = true;
    if (s.mode == kTwoPane) {
        switch (s.memory) {
        case kTreeRemembered:
            s.mode = kTree;
            s.memory = kNoLeftPane;
            break;
        case kTreeThenFavourites:
            s.mode = kTree;
            s.memory = kFavouritesRemembered;
            break;
        case kFavouritesRemembered:
            s.mode = kFavourites;
            s.memory = kNoLeftPane;
            break;
        case kFavouritesThenTree:
            s.mode = kFavourites;
            s.memory = kTreeRemembered;
            break;
        default:
            s.mode = kListsOnly;
            s.memory = kNoLeftPane;
            break;
        }
        result.closeSubList = true;
        return result;
    }
    if (s.mode == kTree) s.memory = s.memory == kFavouritesRemembered ? kTreeThenFavourites : kTreeRemembered;
    else if (s.mode == kFavourites)
        s.memory = s.memory == kTreeRemembered ? kFavouritesThenTree : kFavouritesRemembered;
    s.mode = kTwoPane;
    result.openSubList = true;
    return result;
}

int ChooseSubTab(int remembered, int mainTab, int tabCount) {
    int sub = remembered >= 1 && remembered <= tabCount ? remembered : (mainTab == 1 ? 2 : 1);
    if (sub == mainTab) sub = mainTab == tabCount ? mainTab - 1 : mainTab + 1;
    return sub;
}

}  // namespace layout
