// The bitmap buttons of the frame: the title button, the three window buttons at the top right
// and the column of mode buttons down the left edge.
#pragma once
#include <memory>
#include <vector>

#include "ui/skinned_button.h"

// Each button has its own control id; none is looked up by id, but two children of one
// window must not share one.
enum FrameButtonId {
    kTreeButtonId = 1120,
    kHiddenFilesButtonId = 1121,
    kTipsButtonId = 1122,
    kTwoPaneButtonId = 1123,
    kTitleButtonId = 1124,
    kTrayButtonId = 1125,
    kMaximiseButtonId = 1126,
    kPropertiesButtonId = 1127,
    kFavouritesButtonId = 1128,
    kCloseButtonId = 1129,
    kGesturesButtonId = 1130,
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
