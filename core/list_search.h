// The lists' incremental search by typed prefix and the arithmetic of the list keys that pick
// another row or tab (which keys search is the view state's IsSearchKey). No Windows header: built
// and tested natively too.
#pragma once
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace search {

// The longest text that typing collects; further characters are ignored until the search ends.
constexpr size_t kTextLimit = 127;

// One search for both lists: typing in one and then in the other continues the same text.
struct SearchState {
    bool active = false;
    std::string text;
    int lastKey = 0;

    // A search key typed while a search may be running: the same key again starts the text anew
    // with it, so that repeated presses step from match to match; another key lengthens it.
    void Type(int virtualKey, char character);
    // The pause after the last key has run out.
    void End() { active = false; }
};

// Whether the name begins with the text, the case of ASCII letters ignored and every other byte
// compared as it is.
bool StartsWith(std::string_view name, std::string_view text);

// The row to select for the text: the first match after the first selected row (-1 for none), then
// from the top up to and including that row; -1 when no name matches.
int FindRow(size_t rowCount, int firstSelected, std::string_view text,
            const std::function<std::string(size_t)>& nameOf);

// Space steps the only selected row on to the next one, from the last back to the first.
int NextRow(int row, size_t rowCount);

// Ctrl+Tab in a list: the next tab after the list's own, past the other list's tab, from the last
// back to the first. The other list's tab is -1 when the two-pane view is off. -1 when there is
// nothing to step to: two tabs shared by the two lists.
int NextTabInList(int tabCount, int ownTab, int otherTab);

}  // namespace search
