// The bitmap buttons of the frame: the title button, the three window buttons at the top right
// and the column of mode buttons down the left edge.
#pragma once
#include <memory>
#include <vector>

#include "ui/skinned_button.h"

// The frame's control ids. Three pairs share one (title and close, hidden files and tooltips, two-pane
// and gestures): the buttons are never looked up by id and never send WM_COMMAND, since each runs the
// actions of its own object, so the id is only a name the frame has always given them.
enum FrameButtonId {
    kTreeButtonId = 1120,
    kHiddenFilesButtonId = 1121,
    kTipsButtonId = kHiddenFilesButtonId,
    kTwoPaneButtonId = 1123,
    kGesturesButtonId = kTwoPaneButtonId,
    kTitleButtonId = 1124,
    kCloseButtonId = kTitleButtonId,
    kTrayButtonId = 1125,
    kMaximiseButtonId = 1126,
    kPropertiesButtonId = 1127,
    kFavouritesButtonId = 1128,
};

struct FrameButtons {
    std::unique_ptr<SkinnedButton> title, close, tray, maximise;
    std::unique_ptr<SkinnedButton> tree, favourites, hiddenFiles, tips, twoPane, gestures, properties;

    std::vector<SkinnedButton*> WindowButtons() const { return {tray.get(), maximise.get(), close.get()}; }
    std::vector<SkinnedButton*> All() const {
        return {title.get(),       close.get(), tray.get(),    maximise.get(), tree.get(),      favourites.get(),
                hiddenFiles.get(), tips.get(),  twoPane.get(), gestures.get(), properties.get()};
    }
    std::vector<SkinnedButton*> ModeButtons() const {
        return {tree.get(), favourites.get(), hiddenFiles.get(), tips.get(), twoPane.get(), gestures.get()};
    }
};
