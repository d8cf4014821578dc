// favorite.dat: read once when the tree is made, written at exit and when the session ends.
#include <windows.h>

#include <memory>

#include "panes/favourites/favourites_pane.h"
#include "panes/tabs/shell_tab_folder.h"
#include "win/datafile_io.h"

void FavouritesPane::Load() {
    DataFileContents file(file_);
    if (!file.Valid()) return;
    std::vector<favfile::Node> tree = favfile::DecodeTree(file.Payload());
    // Favourites are often siblings: each parent folder is bound once, and a folder itself only when
    // it is first opened.
    RememberedFolders folders;
    auto insert = [&](HTREEITEM parent, favfile::Favourite& favourite) {
        auto record = std::make_unique<Record>();
        // The decoder hands on only whole lists, so the shell may walk these bytes.
        record->folder = folders.Make(reinterpret_cast<PCIDLIST_ABSOLUTE>(favourite.folder.data()));
        if (!record->folder) return;
        record->list = std::move(favourite.folder);
        record->locked = favourite.locked;
        record->view = favourite.view;
        InsertFavourite(parent, record.release(), favourite.label);
    };
    for (favfile::Node& node : tree) {
        if (!node.group) {
            insert(Root(), node.favourite);
            continue;
        }
        HTREEITEM group = InsertGroup(node.label, TVI_LAST);
        if (!group) continue;
        for (favfile::Favourite& favourite : node.children) insert(group, favourite);
    }
}

bool FavouritesPane::SaveFile() const {
    if (!started_) return false;
    auto favouriteOf = [this](HTREEITEM item, const Record& record) {
        favfile::Favourite favourite;
        favourite.label = TextOf(item);
        favourite.folder = record.list;
        favourite.locked = record.locked;
        favourite.view = record.view;
        return favourite;
    };
    std::vector<favfile::Node> tree;
    for (HTREEITEM item : ChildrenOf(Root())) {
        favfile::Node node;
        if (const Record* record = RecordOf(item)) {
            node.favourite = favouriteOf(item, *record);
        } else {
            node.group = true;
            node.label = TextOf(item);
            for (HTREEITEM child : ChildrenOf(item))
                if (const Record* childRecord = RecordOf(child))
                    node.children.push_back(favouriteOf(child, *childRecord));
        }
        tree.push_back(std::move(node));
    }
    datafile::PayloadWriter payload;
    favfile::EncodeTree(tree, payload);
    return WriteDataFile(file_, favfile::kVersion, payload);
}
