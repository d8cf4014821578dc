#include "core/startup_tabs.h"

#include <string>

namespace tabs {

namespace {

int FindTabOfPath(const TabModel& model, const std::string& path, int from) {
    for (int position = from; position <= model.Count(); ++position)
        if (model.Tab(position)->folder->Path() == path) return position;
    return -1;
}

}  // namespace

int PlaceStartupTabs(TabModel& model, const std::vector<FolderPtr>& folders) {
    int place = 1;
    for (const FolderPtr& folder : folders) {
        if (!folder) continue;
        int found = FindTabOfPath(model, folder->Path(), place);
        bool placed = found == place;
        if (found != -1 && found != place) {
            Outcome moved = model.MoveTab(found, place);
            placed = moved.done && !moved.toLauncher;
        } else if (found == -1) {
            placed = model.AddFolderTab(folder, false, false, place).done;
        }
        if (placed) ++place;
    }
    return place - 1;
}

}  // namespace tabs
