#include "panes/tabs/launcher.h"

#include <shellapi.h>

#include <cstring>
#include <utility>

#include "core/launcher_file.h"
#include "shell/folder_binding.h"
#include "shell/item_lists.h"
#include "shell/shell_execute.h"
#include "shell/item_names.h"
#include "shell/shortcuts.h"
#include "win/datafile_io.h"

namespace {

// A shortcut may lead to another; a ring of them ends here.
constexpr int kShortcutsFollowed = 8;

ComPtr<IShellFolder> Referenced(IShellFolder* folder) {
    if (folder) folder->AddRef();
    return ComPtr<IShellFolder>(folder);
}

// The shell takes a drive root as "C:\", while the program's path strings read "C:".
}  // namespace

const LauncherEntry* Launcher::Entry(int position) const {
    if (position < 1 || position > Count()) return nullptr;
    return &entries_[static_cast<size_t>(position - 1)];
}

int Launcher::PositionOf(unsigned serial) const {
    for (size_t index = 0; index < entries_.size(); ++index)
        if (entries_[index].serial == serial) return static_cast<int>(index) + 1;
    return -1;
}

void Launcher::SetRect(int position, const tabs::TabRect& rect) {
    if (position >= 1 && position <= Count()) entries_[static_cast<size_t>(position - 1)].rect = rect;
}

bool Launcher::Add(IShellFolder* parent, PCUITEMID_CHILD item, int position) {
    if (!parent || !item || !ItemExists(parent, item)) return false;
    ComPtr<IShellFolder> folder = Referenced(parent);
    ItemIdList child = CloneItemList(item);
    for (int followed = 0; child && IsShortcutItem(folder.Get(), child.Get()); ++followed) {
        if (followed == kShortcutsFollowed) return false;
        ComPtr<IShellFolder> targetFolder;
        ItemIdList targetChild;
        std::string url;
        if (!ResolveShortcut(shell_, folder.Get(), child.Get(), targetFolder, targetChild, url) || !targetChild)
            return false;
        folder = std::move(targetFolder);
        child = std::move(targetChild);
    }
    if (!child) return false;
    LauncherEntry entry;
    entry.serial = nextSerial_++;
    entry.title = DisplayName(folder.Get(), child.Get());
    entry.icon = IconIndex(folder.Get(), child.Get(), 0, SHGFI_SMALLICON);
    entry.folder = std::move(folder);
    entry.item = std::move(child);
    if (position < 1 || position > Count() + 1) position = Count() + 1;
    entries_.insert(entries_.begin() + (position - 1), std::move(entry));
    return true;
}

void Launcher::Remove(int position) {
    if (position >= 1 && position <= Count()) entries_.erase(entries_.begin() + (position - 1));
}

void Launcher::Move(int from, int to) {
    if (from == to || from < 1 || from > Count() || to < 1 || to > Count()) return;
    LauncherEntry moved = std::move(entries_[static_cast<size_t>(from - 1)]);
    entries_.erase(entries_.begin() + (from - 1));
    entries_.insert(entries_.begin() + (to - 1), std::move(moved));
}

void Launcher::Run(int position, HWND owner, ShellExecutor& executor) const { RunWith(position, owner, executor, {}); }

void Launcher::RunWith(int position, HWND owner, ShellExecutor& executor, const std::string& parameters) const {
    const LauncherEntry* entry = Entry(position);
    if (entry) RunItem(executor, owner, entry->folder.Get(), entry->item.Get(), parameters);
}

void Launcher::Load(const std::string& path) {
    DataFileContents file(path);
    if (!file.Valid()) return;
    for (const StoredItemList& stored : DecodeLauncher(file.Payload())) {
        // The stored bytes are a whole list; the shell reads it from a copy it allocated itself.
        ItemIdList list = AllocateItemList(stored.size());
        if (!list) continue;
        std::memcpy(list.Get(), stored.data(), stored.size());
        ComPtr<IShellFolder> parent;
        ItemIdList child;
        if (!SplitItemList(list.Get(), parent, child) || !child) continue;
        Add(parent.Get(), child.Get(), -1);
    }
}

bool Launcher::Save(const std::string& path) const {
    if (entries_.empty()) return WriteRawDataFile(path, std::vector<uint8_t>());
    std::vector<StoredItemList> lists;
    for (const LauncherEntry& entry : entries_) {
        ItemIdList absolute = AbsoluteItemList(entry.folder.Get(), entry.item.Get());
        if (!absolute) continue;
        const auto* bytes = reinterpret_cast<const uint8_t*>(absolute.Get());
        lists.emplace_back(bytes, bytes + ItemListSize(absolute.Get()));
    }
    datafile::PayloadWriter payload;
    EncodeLauncher(lists, payload);
    return WriteDataFile(path, kLauncherFileVersion, payload);
}
