#include "core/item_drawing.h"

namespace drawing {

int ItemTextColour(const Settings& settings, uint32_t attributes, const std::function<bool()>& folderIsEmpty) {
    if (!ColoursItems(settings)) return settings.listTextColour;
    if ((attributes & kReadOnlyAttribute) && settings.readOnlyUse) return settings.readOnlyColour;
    if ((attributes & kHiddenAttribute) && settings.hiddenUse) return settings.hiddenColour;
    if ((attributes & kSystemAttribute) && settings.systemUse) return settings.systemColour;
    if (!(attributes & kDirectoryAttribute)) return settings.listTextColour;
    int folderColour = settings.folderUse ? settings.folderColour : settings.listTextColour;
    if (!settings.emptyFolderUse) return folderColour;
    return folderIsEmpty() ? settings.emptyFolderColour : folderColour;
}

uint32_t LightTint(uint32_t colour) {
    uint32_t tinted = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        uint32_t value = (colour >> shift) & 0xFF;
        value += (9 * (255 - value)) / 10;
        tinted |= value << shift;
    }
    return tinted;
}

int ListNameWidth(int measuredWidth, int labelWidth) {
    return measuredWidth > labelWidth ? labelWidth - 3 : measuredWidth;
}

Rect ColumnBand(const Rect& row, const Rect& name, const int* widths, int column) {
    int left = row.left;
    for (int before = 0; before < column; ++before) left += widths[before];
    int right = left + widths[column] - (column == 1 ? 8 : 0);
    return Rect{left, name.top, right, name.bottom};
}

layout::Point PicturePlace(const Rect& icon, int width, int height) {
    return layout::Point{icon.left + (kPictureWidth - width) / 2 + 8, icon.top + (kPictureHeight - height) / 2 + 2};
}

Rect PlaceholderBox(const Rect& icon, bool polaroid) {
    return Rect{icon.left + 5, icon.top + 5, icon.right - 5, polaroid ? icon.top + 99 : icon.bottom - 5};
}

Caption CaptionOf(const Rect& icon) {
    Caption caption;
    caption.comment =
        Rect{icon.left + 5, icon.top + kPictureHeight + 2, icon.right - 5, icon.top + kPictureHeight + 52};
    caption.stamp =
        Rect{caption.comment.left, caption.comment.bottom, caption.comment.right, caption.comment.bottom + 10};
    for (size_t line = 0; line < caption.rules.size(); ++line) {
        int y = caption.comment.top + 10 * static_cast<int>(line + 1);
        caption.rules[line] = Rect{caption.comment.left, y, caption.comment.right, y + 1};
    }
    return caption;
}

bool OnCaption(const Rect& icon, int x, int y) { return icon.Contains(x, y) && y >= icon.top + kPictureHeight; }

}  // namespace drawing
