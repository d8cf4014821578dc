#include "panes/tree/hidden_folders.h"

#include <cstring>

#include "core/tree_hide_file.h"
#include "shell/folder_binding.h"
#include "shell/item_lists.h"
#include "shell/shell_services.h"
#include "win/datafile_io.h"

namespace {

ItemIdList ListFromBytes(const treehide::IdList& bytes) {
    ItemIdList list = AllocateItemList(bytes.size());
    if (list) std::memcpy(list.Get(), bytes.data(), bytes.size());
    return list;
}

treehide::IdList BytesOf(PCUIDLIST_RELATIVE list) {
    const auto* bytes = reinterpret_cast<const uint8_t*>(list);
    return treehide::IdList(bytes, bytes + ItemListSize(list));
}

bool SameChild(IShellFolder* parent, PCUITEMID_CHILD first, PCUITEMID_CHILD second) {
    return parent && first && second && parent->CompareIDs(0, first, second) == S_OK;
}

enum class Reach { Readable, Gone, Unreachable };

// A folder is gone only when the folder that held it can be read and holds it no more; anything
// else (an offline drive, a medium taken out) may come back.
Reach ReachOf(PCIDLIST_ABSOLUTE parent, ComPtr<IShellFolder>& folder) {
    folder = BindFolder(parent);
    if (folder && ContentsCanBeRead(folder.Get(), nullptr, SHCONTF_FOLDERS)) return Reach::Readable;
    ComPtr<IShellFolder> holder;
    ItemIdList last;
    if (!SplitItemList(parent, holder, last) || !last) return Reach::Unreachable;
    if (!ContentsCanBeRead(holder.Get(), nullptr, SHCONTF_FOLDERS)) return Reach::Unreachable;
    return ItemExists(holder.Get(), last.Get()) ? Reach::Unreachable : Reach::Gone;
}

}  // namespace

TreeChildShown ClassifyTreeChild(IShellFolder* parent, PCUITEMID_CHILD child,
                                 const std::vector<PCUITEMID_CHILD>& erased, bool showErased) {
    for (PCUITEMID_CHILD hidden : erased)
        if (SameChild(parent, hidden, child)) return showErased ? TreeChildShown::Marked : TreeChildShown::Omitted;
    return TreeChildShown::Plain;
}

bool SameAbsoluteList(PCIDLIST_ABSOLUTE first, PCIDLIST_ABSOLUTE second) {
    if (!first || !second) return false;
    size_t size = ItemListSize(first);
    if (size == ItemListSize(second) && std::memcmp(first, second, size) == 0) return true;
    ComPtr<IShellFolder> desktop = DesktopFolder();
    return desktop && desktop->CompareIDs(0, first, second) == S_OK;
}

void HiddenFolders::Load(const std::string& path) {
    entries_.clear();
    DataFileContents file(path);
    if (!file.Valid()) return;
    for (const treehide::Entry& read : treehide::DecodeEntries(file.Payload())) {
        HiddenEntry entry;
        entry.parent = ListFromBytes(read.parent);
        if (!entry.parent) continue;
        ComPtr<IShellFolder> folder;
        Reach reach = ReachOf(entry.parent.Get(), folder);
        if (reach == Reach::Gone) continue;
        for (const treehide::IdList& bytes : read.children) {
            ItemIdList child = ListFromBytes(bytes);
            if (!child) continue;
            if (reach == Reach::Readable && !ItemExists(folder.Get(), child.Get())) continue;
            entry.children.push_back(std::move(child));
        }
        entries_.push_back(std::move(entry));
    }
}

bool HiddenFolders::Save(const std::string& path) const {
    std::vector<treehide::Entry> written;
    for (const HiddenEntry& entry : entries_) {
        treehide::Entry record;
        record.parent = BytesOf(entry.parent.Get());
        for (const ItemIdList& child : entry.children) record.children.push_back(BytesOf(child.Get()));
        written.push_back(std::move(record));
    }
    return WriteRawDataFile(path, treehide::EncodeFile(written));
}

std::vector<PCUITEMID_CHILD> HiddenFolders::Collect(PCIDLIST_ABSOLUTE parent) const {
    std::vector<PCUITEMID_CHILD> children;
    for (const HiddenEntry& entry : entries_) {
        if (entry.children.empty() || !SameAbsoluteList(entry.parent.Get(), parent)) continue;
        for (const ItemIdList& child : entry.children) children.push_back(child.Get());
    }
    return children;
}

void HiddenFolders::Erase(PCIDLIST_ABSOLUTE parent, PCUITEMID_CHILD child) {
    ItemIdList copy = CloneItemList(child);
    if (!copy) return;
    for (HiddenEntry& entry : entries_) {
        if (!SameAbsoluteList(entry.parent.Get(), parent)) continue;
        entry.children.push_back(std::move(copy));
        return;
    }
    HiddenEntry entry;
    entry.parent = CloneItemList(parent);
    if (!entry.parent) return;
    entry.children.push_back(std::move(copy));
    entries_.push_back(std::move(entry));
}

bool HiddenFolders::Restore(PCIDLIST_ABSOLUTE parent, IShellFolder* parentFolder, PCUITEMID_CHILD child) {
    bool restored = false;
    for (HiddenEntry& entry : entries_) {
        if (!SameAbsoluteList(entry.parent.Get(), parent)) continue;
        for (auto it = entry.children.begin(); it != entry.children.end();) {
            if (SameChild(parentFolder, it->Get(), child)) {
                it = entry.children.erase(it);
                restored = true;
            } else {
                ++it;
            }
        }
    }
    return restored;
}
