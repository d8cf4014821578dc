// Drops on the running program's panes: the window and the tab bar open dropped folders as tabs,
// the bar's menu and its launcher, the lists and the tree handing drags to the shell, and hostile
// identifier-list arrays from other programs, which must change nothing.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "core/datafile.h"
#include "core/favourite_file.h"
#include "core/tab_list_file.h"
#include "dnd/drag_source.h"
#include "dnd/dropped_items.h"
#include "panes/tabs/shell_tab_folder.h"
#include "shell/clipboard_formats.h"
#include "shell/folder_binding.h"
#include "shell/item_names.h"
#include "tests/dnd/dnd_test_support.h"
#include "tests/shell/shell_test_fixture.h"
#include "tests/support/idle_driver.h"
#include "tests/support/list_input.h"
#include "tests/support/program_fixture.h"
#include "tests/support/real_mouse.h"
#include "tests/support/recording_drop_target.h"
#include "tests/support/test_support.h"

namespace {

// Data from another program: one block in the shell's identifier-list format, handed out as a
// fresh copy each time, in global memory or in a stream; or, standing for text, no such block.
enum class Offer { Global, Stream, Nothing };
class BlockData : public IDataObject {
public:
    explicit BlockData(std::vector<uint8_t> bytes, Offer offer = Offer::Global)
        : bytes_(std::move(bytes)), offer_(offer) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (iid == IID_IUnknown || iid == IID_IDataObject) {
            *out = static_cast<IDataObject*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    // Lives on the test's stack.
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override {
        if (format->cfFormat != ShellIdListFormat() || offer_ == Offer::Nothing) return DV_E_FORMATETC;
        *medium = {};
        if (offer_ == Offer::Stream) {
            medium->tymed = TYMED_ISTREAM;
            return CreateStreamOnHGlobal(nullptr, TRUE, &medium->pstm);
        }
        HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes_.size());
        std::memcpy(GlobalLock(block), bytes_.data(), bytes_.size());
        GlobalUnlock(block);
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = block;
        handed.push_back(block);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override {
        return format->cfFormat == ShellIdListFormat() && offer_ != Offer::Nothing ? S_OK : DV_E_FORMATETC;
    }
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override {
        out->ptd = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
        return OLE_E_ADVISENOTSUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

    std::vector<HGLOBAL> handed;

private:
    std::vector<uint8_t> bytes_;
    Offer offer_;
};

// The path of an absolute list kept as bytes in a data file.
std::string PathOfBytes(const std::vector<uint8_t>& bytes) {
    ItemIdList list = AllocateItemList(bytes.size());
    if (!list || bytes.empty()) return std::string();
    std::memcpy(list.Get(), bytes.data(), bytes.size());
    char path[MAX_PATH] = {};
    return SHGetPathFromIDListA(list.Get(), path) ? path : std::string();
}

void PutU32(std::vector<uint8_t>& bytes, size_t at, uint32_t value) { std::memcpy(bytes.data() + at, &value, 4); }

// Arrays that no honest program makes, each around a real folder's list, so that only the one
// broken field stands between them and a drop.
std::vector<std::vector<uint8_t>> HostileArrays(const std::vector<uint8_t>& honest) {
    std::vector<std::vector<uint8_t>> arrays;
    std::vector<uint8_t> bytes = honest;
    PutU32(bytes, 0, 0x40000000);  // a count the block cannot hold
    arrays.push_back(bytes);
    bytes = honest;
    PutU32(bytes, 0, 0xFFFFFFFF);
    arrays.push_back(bytes);
    bytes = honest;
    PutU32(bytes, 8, static_cast<uint32_t>(honest.size()) + 100);  // a child outside the block
    arrays.push_back(bytes);
    bytes = honest;
    PutU32(bytes, 4, static_cast<uint32_t>(honest.size()) - 1);  // a parent on the last byte
    arrays.push_back(bytes);
    bytes = honest;
    bytes.resize(bytes.size() - 2);  // the last child's terminator cut off
    arrays.push_back(bytes);
    bytes = honest;
    uint32_t child = 0;
    std::memcpy(&child, honest.data() + 8, 4);
    bytes[child] = 1;  // an item too small to hold its own size
    bytes[child + 1] = 0;
    arrays.push_back(bytes);
    arrays.push_back(std::vector<uint8_t>(3, 0));
    return arrays;
}

class DropProgramTest : public ProgramFolderTest {
protected:
    void SetUp() override {
        PlaceWindow(900, 700);
        Set("LIST", "DEFSTYLE", "1");
        Set("TREE", "EXIST", "1");
        Set("SOUND", "USE_SOUND", "1");
        box_ = MakeFolder("箱");
        for (const char* name : {"箱\\甲", "箱\\乙", "箱\\丙", "箱\\丁"}) MakeFolder(name);
        for (const char* name : {"壱.txt", "弐.txt", "参.txt"}) WriteBytes(box_ + "\\" + name, name);
    }
    void TearDown() override {
        if (program_) program_->Quit();
    }

    void Start(const std::vector<std::string>& folders) {
        program_ = StartOn(folders);
        ASSERT_TRUE(program_->Window());
    }
    void StartOnFourTabs() { Start({box_ + "\\甲", box_ + "\\乙", box_ + "\\丙", box_ + "\\丁"}); }
    void Quit() {
        program_->Quit();
        program_.reset();
    }

    MainWindow& Main() { return program_->Main(); }
    tabs::TabModel& Tabs() { return Main().Tabs(); }
    TabBar& Bar() { return Main().Bar(); }
    std::string TabPath(int position) { return Tabs().Tab(position)->folder->Path(); }
    std::string Names() {
        std::string names;
        for (int position = 1; position <= Tabs().Count(); ++position)
            names += Tabs().Tab(position)->folder->DisplayName() + " ";
        return names;
    }
    std::string ListPath(ListPane& list) { return ItemPath(list.Model().Folder()); }
    ComPtr<IDataObject> Items(const std::vector<std::string>& names) { return MakeDragData(RequestFor(box_, names)); }

    // A point of the bar, in screen coordinates: x pixels into the shown tab or entry.
    POINT BarPoint(const tabs::TabRect& rect, int x) {
        POINT point{rect.left + x, (rect.top + rect.bottom) / 2};
        ClientToScreen(Bar().Window(), &point);
        return point;
    }
    POINT TabMiddle(int position) {
        const tabs::TabRect& rect = Tabs().Tab(position)->rect;
        return BarPoint(rect, (rect.right - rect.left) / 2);
    }

    // The drag comes over the point and is dropped there, as OLE calls a target; the effect that
    // the target gave over the point is kept.
    DWORD DropAt(IDropTarget* target, IDataObject* data, POINT screen, DWORD allowed, DWORD keys = MK_LBUTTON) {
        POINTL at{screen.x, screen.y};
        DWORD effect = allowed;
        target->DragEnter(data, keys, at, &effect);
        effect = allowed;
        target->DragOver(keys, at, &effect);
        overEffect_ = effect;
        if (effect == DROPEFFECT_NONE) {
            target->DragLeave();
            return DROPEFFECT_NONE;
        }
        effect = allowed;
        target->Drop(data, keys, at, &effect);
        return effect;
    }

    std::string box_;
    std::unique_ptr<RunningProgram> program_;
    DWORD overEffect_ = 0;
};

TEST_F(DropProgramTest, FoldersDroppedOnTheWindowBecomeTheLastTabsEvenFromACopyOnlySource) {
    StartOnFourTabs();
    RECT client{};
    GetClientRect(program_->Window(), &client);
    POINT middle{client.right / 2, 10};
    ClientToScreen(program_->Window(), &middle);
    ComPtr<IDataObject> data = Items({"甲", "丙"});
    ASSERT_TRUE(data);

    DWORD effect = DropAt(Main().FrameDropTarget(), data.Get(), middle, DROPEFFECT_COPY);

    EXPECT_EQ(static_cast<DWORD>(DROPEFFECT_COPY), overEffect_) << "a copy-only source is offered a copy";
    EXPECT_EQ(static_cast<DWORD>(DROPEFFECT_NONE), effect) << "the source must never delete what it dragged";
    EXPECT_EQ("甲 乙 丙 丁 甲 丙 ", Names());
    EXPECT_EQ(6, Tabs().Selection(tabs::Pane::Main));
    EXPECT_EQ(box_ + "\\丙", ListPath(Main().MainList()));

    // Text from another program is offered what it offers, and drops nothing.
    BlockData text(std::vector<uint8_t>{}, Offer::Nothing);
    DropAt(Main().FrameDropTarget(), &text, middle, DROPEFFECT_COPY | DROPEFFECT_LINK);
    EXPECT_EQ(static_cast<DWORD>(DROPEFFECT_COPY | DROPEFFECT_LINK), overEffect_);
    EXPECT_EQ(6, Tabs().Count());
}

TEST_F(DropProgramTest, TwoFoldersDroppedLeftOfTheFirstTabGoInReversedAndBothListsKeepTheirTabs) {
    StartOnFourTabs();
    Tabs().Select(tabs::Pane::Main, 3);
    Main().LoadPane(tabs::Pane::Main);
    Main().ToggleTwoPaneMode();
    Tabs().Select(tabs::Pane::Sub, 4);
    Main().LoadPane(tabs::Pane::Sub);
    Bar().SetDisplayedRow(1);
    ASSERT_EQ(box_ + "\\丙", ListPath(Main().MainList()));
    ASSERT_EQ(box_ + "\\丁", ListPath(Main().SubList()));
    ComPtr<IDataObject> data = Items({"壱.txt", "乙"});
    ASSERT_TRUE(data);
    const tabs::TabRect first = Tabs().Tab(1)->rect;
    POINT from = TabMiddle(2);
    POINT to = BarPoint(first, -1);

    // The real pointer carries the drag: pressed, moved over the bar left of the first tab, let go.
    MouseTo(from);
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    int layoutsBefore = 0;
    PointerScript hand([to] {
        DWORD start = GetTickCount();
        MovePointerUntil(to, [start] { return GetTickCount() - start > 600; });
        SendMouse(MOUSEEVENTF_LEFTUP);
    });
    ComPtr<IDropSource> source = DragSource::Create();
    layoutsBefore = Bar().LayoutsMade();
    DWORD effect = DROPEFFECT_NONE;
    HRESULT result = DoDragDrop(data.Get(), source.Get(), DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK, &effect);
    PumpUntil([&] { return hand.Finished(); });

    EXPECT_EQ(DRAGDROP_S_DROP, result);
    EXPECT_EQ(static_cast<DWORD>(DROPEFFECT_NONE), effect);
    // A file opens its folder: the box itself.
    EXPECT_EQ("乙 箱 甲 乙 丙 丁 ", Names());
    EXPECT_EQ(5, Tabs().Selection(tabs::Pane::Main));
    EXPECT_EQ(6, Tabs().Selection(tabs::Pane::Sub));
    EXPECT_EQ(box_ + "\\丙", ListPath(Main().MainList()));
    EXPECT_EQ(box_ + "\\丁", ListPath(Main().SubList()));
    EXPECT_EQ(1, Bar().LayoutsMade() - layoutsBefore) << "laid out once for the whole drop";
    EXPECT_EQ(0, Bar().DropSpotNow().insert);

    Quit();
    std::string bytes = ReadBytes(folder_.Path() + "data\\tablist.dat");
    std::vector<uint8_t> file(bytes.begin(), bytes.end());
    datafile::Parsed parsed = datafile::Parse(file);
    ASSERT_TRUE(parsed.valid);
    tablist::TabList saved = tablist::DecodeTabList(parsed.payload, parsed.version);
    ASSERT_EQ(6u, saved.tabs.size());
    EXPECT_EQ(box_ + "\\丙", PathOfBytes(saved.mainFolder));
    EXPECT_EQ(box_ + "\\丁", PathOfBytes(saved.subFolder));
}

TEST_F(DropProgramTest, ADropOnATabOffersItsMenuAndAddTabPutsTheItemsAtTheEnd) {
    StartOnFourTabs();
    ComPtr<IDataObject> data = Items({"丁"});
    ASSERT_TRUE(data);
    // The entries are drawn by the program, so the menu holds no text to read: their number says
    // which are offered, copy and move going first.
    int entries = 0;
    int choose = 0;
    IdleDriver driver(Bar().Window());
    driver.onMenu = [&](HWND menuWindow) {
        entries = GetMenuItemCount(MenuOf(menuWindow));
        ChooseItemAt(menuWindow, choose);
    };

    // A folder of the disk takes copies: all four entries. Cancel drops nothing.
    choose = 3;
    EXPECT_EQ(static_cast<DWORD>(DROPEFFECT_NONE),
              DropAt(Bar().DropTarget(), data.Get(), TabMiddle(2), DROPEFFECT_COPY | DROPEFFECT_MOVE));
    EXPECT_EQ(4, entries);
    EXPECT_EQ("甲 乙 丙 丁 ", Names());
    EXPECT_EQ(tabbar::DropSpot{}.hover, Bar().DropSpotNow().hover);

    // Add the items as tabs: at the end, shown in the main list.
    choose = 2;
    DropAt(Bar().DropTarget(), data.Get(), TabMiddle(2), DROPEFFECT_COPY);
    EXPECT_EQ("甲 乙 丙 丁 丁 ", Names());
    EXPECT_EQ(5, Tabs().Selection(tabs::Pane::Main));
    EXPECT_EQ(box_ + "\\丁", ListPath(Main().MainList()));

    // The computer is no folder to copy into: only the last two entries.
    Main().Carry(Tabs().AddFolderTab(
        std::make_shared<ShellTabFolder>(BindFolder(SpecialFolderList(CSIDL_DRIVES).Get())), false, false, -1));
    Pump(100);
    choose = 1;
    DropAt(Bar().DropTarget(), data.Get(), TabMiddle(6), DROPEFFECT_COPY);
    EXPECT_EQ(2, entries);
    EXPECT_EQ(6, Tabs().Count());
}

TEST_F(DropProgramTest, FilesDroppedOnALauncherEntryStartItOnceEachAfterTheDrop) {
    StartOnFourTabs();
    auto executor = std::make_unique<RecordingExecutor>();
    RecordingExecutor& runs = *executor;
    program_->Context().executor = std::move(executor);
    ComPtr<IShellFolder> box = BindFolder(ShellListOf(box_).Get());
    ItemIdList entry = LastItem(ShellListOf(box_ + "\\壱.txt").Get());
    ASSERT_TRUE(Bar().AddLauncherEntry(box.Get(), entry.Get(), -1));
    Bar().ToggleLauncherMode();
    Pump(100);
    ComPtr<IDataObject> data = Items({"壱.txt", "弐.txt", "参.txt"});
    ASSERT_TRUE(data);
    const LauncherEntry* shown = Bar().Entries().Entry(1);
    ASSERT_TRUE(shown);

    DropAt(Bar().DropTarget(), data.Get(), BarPoint(shown->rect, 10), DROPEFFECT_COPY);
    EXPECT_TRUE(runs.requests.empty()) << "nothing starts while the dragging program waits for the drop";
    PumpUntil([&] { return runs.requests.size() >= 3; }, 3000);
    ASSERT_EQ(3u, runs.requests.size());
    const char* names[] = {"壱.txt", "弐.txt", "参.txt"};
    for (size_t run = 0; run < 3; ++run) {
        EXPECT_EQ(box_ + "\\壱.txt", runs.requests[run].file);
        EXPECT_EQ("\"" + box_ + "\\" + names[run] + "\"", runs.requests[run].parameters);
    }

    // Dropped after the entry, the folders become entries and no tab comes or goes.
    ComPtr<IDataObject> folders = Items({"甲", "乙"});
    DropAt(Bar().DropTarget(), folders.Get(), BarPoint(shown->rect, shown->rect.right - shown->rect.left + 30),
           DROPEFFECT_COPY);
    EXPECT_EQ(3, Bar().Entries().Count());
    EXPECT_EQ(4, Tabs().Count());
    EXPECT_EQ(1, Tabs().Selection(tabs::Pane::Main));
}

TEST_F(DropProgramTest, HostileArraysDroppedOnEveryTargetChangeNothing) {
    StartOnFourTabs();
    Quit();
    const std::string tabList = folder_.Path() + "data\\tablist.dat";
    const std::string favourites = folder_.Path() + "data\\favorite.dat";
    const std::string before = ReadBytes(tabList);
    const std::string favouritesBefore = ReadBytes(favourites);
    Start({});
    ComPtr<IDataObject> honest = Items({"甲", "乙"});
    ASSERT_TRUE(honest);
    FORMATETC idList{static_cast<CLIPFORMAT>(ShellIdListFormat()), nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM medium{};
    ASSERT_EQ(S_OK, honest->GetData(&idList, &medium));
    std::vector<uint8_t> bytes(GlobalSize(medium.hGlobal));
    std::memcpy(bytes.data(), GlobalLock(medium.hGlobal), bytes.size());
    GlobalUnlock(medium.hGlobal);
    ReleaseStgMedium(&medium);

    RECT client{};
    GetClientRect(program_->Window(), &client);
    POINT window{client.right / 2, 10};
    ClientToScreen(program_->Window(), &window);
    POINT list{0, 0};
    ClientToScreen(Main().MainList().Window(), &list);
    HWND treeWindow = Main().Tree().Window();
    RECT rootLabel{};
    TreeView_GetItemRect(treeWindow, TreeView_GetRoot(treeWindow), &rootLabel, TRUE);
    POINT tree{(rootLabel.left + rootLabel.right) / 2, (rootLabel.top + rootLabel.bottom) / 2};
    ClientToScreen(treeWindow, &tree);
    // The lists and the tree look at the array before they hand the drag to the shell's own
    // targets, which would read it without checks, inside the program.
    struct Target {
        IDropTarget* target;
        POINT at;
    };
    const std::vector<Target> targets = {
        {Main().FrameDropTarget(), window}, {Bar().DropTarget(), BarPoint(Tabs().Tab(4)->rect, 200)},
        {Bar().DropTarget(), TabMiddle(1)}, {Main().MainList().DropTarget(), POINT{list.x + 300, list.y + 300}},
        {Main().Tree().DropTarget(), tree}, {Main().Favourites().DropTarget(), list}};
    IdleDriver driver(Bar().Window());
    driver.onMenu = [&](HWND menuWindow) { ChooseItemAt(menuWindow, GetMenuItemCount(MenuOf(menuWindow)) - 2); };
    std::vector<std::vector<uint8_t>> arrays = HostileArrays(bytes);
    for (const Target& target : targets) {
        ASSERT_TRUE(target.target);
        for (const std::vector<uint8_t>& array : arrays) {
            BlockData data(array);
            DropAt(target.target, &data, target.at, DROPEFFECT_COPY | DROPEFFECT_MOVE);
            for (HGLOBAL block : data.handed)
                EXPECT_FALSE(BlockIsLive(block)) << "target " << (&target - targets.data()) << ", array "
                                                 << (&array - arrays.data()) << ": the medium was not released";
        }
        BlockData stream(bytes, Offer::Stream);
        DropAt(target.target, &stream, target.at, DROPEFFECT_COPY);
    }
    EXPECT_TRUE(IsWindow(program_->Window()));
    EXPECT_EQ("甲 乙 丙 丁 ", Names());
    Quit();
    EXPECT_EQ(before, ReadBytes(tabList));
    EXPECT_EQ(favouritesBefore, ReadBytes(favourites));
}

class FavouritesDropTest : public DropProgramTest {
protected:
    FavouritesPane& Favourites() { return Main().Favourites(); }
    HWND FavouritesWindow() { return Favourites().Window(); }
    HTREEITEM Named(HTREEITEM parent, const std::string& label) {
        for (HTREEITEM child : Favourites().ChildrenOf(parent))
            if (Favourites().TextOf(child) == label) return child;
        return nullptr;
    }
    POINT LabelPoint(HTREEITEM item) {
        TreeView_EnsureVisible(FavouritesWindow(), item);
        RECT label{};
        TreeView_GetItemRect(FavouritesWindow(), item, &label, TRUE);
        POINT point{(label.left + label.right) / 2, (label.top + label.bottom) / 2};
        ClientToScreen(FavouritesWindow(), &point);
        return point;
    }
    POINT EmptySpace() {
        RECT client{};
        GetClientRect(FavouritesWindow(), &client);
        POINT point{client.right / 2, client.bottom - 10};
        ClientToScreen(FavouritesWindow(), &point);
        return point;
    }
    std::vector<favfile::Node> SavedTree() {
        std::string bytes = ReadBytes(folder_.Path() + "data\\favorite.dat");
        std::vector<uint8_t> file(bytes.begin(), bytes.end());
        datafile::Parsed parsed = datafile::Parse(file);
        if (!parsed.valid) return {};
        return favfile::DecodeTree(parsed.payload);
    }
    // The real pointer presses on the favourite, carries it to the point and lets go there. The
    // press comes from another thread: the tree waits in its own loop for the pointer to move.
    void DragFavourite(HTREEITEM item, POINT to) {
        POINT from = LabelPoint(item);
        MouseTo(from);
        PointerScript hand([from, to] {
            SendMouse(MOUSEEVENTF_LEFTDOWN);
            Sleep(150);
            MovePointerUntil(POINT{from.x + 12, from.y + 12}, [] { return true; });
            DWORD start = GetTickCount();
            MovePointerUntil(to, [start] { return GetTickCount() - start > 600; });
            SendMouse(MOUSEEVENTF_LEFTUP);
        });
        PumpUntil([&] { return hand.Finished(); });
        Pump(200);
    }
};

TEST_F(FavouritesDropTest, DroppedFoldersBecomeFavouritesOfTheGroupUnderTheDropAndFavouritesMoveByDragging) {
    StartOnFourTabs();
    Main().ToggleFavouritesMode();
    Pump(200);
    HTREEITEM root = Favourites().Root();
    HTREEITEM startup = Named(root, "スタートアップ");
    HTREEITEM likely = Named(root, "よく使いそうなフォルダ");
    ASSERT_TRUE(startup && likely);
    IDropTarget* target = Favourites().DropTarget();
    ASSERT_TRUE(target);

    // Over a group the drop is taken and the group lit; on empty space it goes to the root.
    ComPtr<IDataObject> first = Items({"甲"});
    EXPECT_EQ(static_cast<DWORD>(DROPEFFECT_NONE), DropAt(target, first.Get(), EmptySpace(), DROPEFFECT_COPY));
    EXPECT_EQ(static_cast<DWORD>(DROPEFFECT_COPY), overEffect_);
    HTREEITEM loose = Named(root, "甲");
    ASSERT_TRUE(loose) << "dropped on empty space, the folder is a favourite of the root";
    ComPtr<IDataObject> second = Items({"乙", "弐.txt"});
    DropAt(target, second.Get(), LabelPoint(startup), DROPEFFECT_MOVE | DROPEFFECT_COPY);
    EXPECT_EQ(static_cast<DWORD>(DROPEFFECT_MOVE), overEffect_);
    EXPECT_TRUE(Named(startup, "乙"));
    EXPECT_TRUE(Named(startup, "箱")) << "a file adds the folder that holds it";
    EXPECT_EQ(0u, TreeView_GetItemState(FavouritesWindow(), startup, TVIS_DROPHILITED) & TVIS_DROPHILITED)
        << "the group is put out once the drop is over";

    // A favourite takes no drop.
    ComPtr<IDataObject> third = Items({"丙"});
    DropAt(target, third.Get(), LabelPoint(loose), DROPEFFECT_COPY);
    EXPECT_EQ(static_cast<DWORD>(DROPEFFECT_NONE), overEffect_);
    EXPECT_FALSE(Named(root, "丙"));
    EXPECT_FALSE(Named(loose, "丙"));

    // Dragged onto a group of the same tree, a favourite moves there.
    DragFavourite(loose, LabelPoint(likely));
    EXPECT_FALSE(Named(root, "甲"));
    EXPECT_TRUE(Named(likely, "甲"));

    // A favourite whose folder is gone is not lost by a drag: nothing could be added for it.
    HTREEITEM gone = Named(startup, "乙");
    ASSERT_TRUE(RemoveDirectoryA((box_ + "\\乙").c_str()));
    DragFavourite(gone, LabelPoint(likely));
    EXPECT_TRUE(Named(startup, "乙"));
    EXPECT_FALSE(Named(likely, "乙"));

    Quit();
    std::vector<favfile::Node> saved = SavedTree();
    ASSERT_EQ(2u, saved.size());
    EXPECT_EQ("よく使いそうなフォルダ", saved[1].label);
    ASSERT_FALSE(saved[1].children.empty());
    EXPECT_EQ(box_ + "\\甲", PathOfBytes(saved[1].children.back().folder));
    ASSERT_EQ(2u, saved[0].children.size());
    EXPECT_EQ("乙", saved[0].children[0].label);
}

TEST_F(DropProgramTest, AListHandsADragOverAFolderRowToTheShellAndLightsTheRow) {
    Start({box_});
    ListPane& list = Main().MainList();
    IDropTarget* target = list.DropTarget();
    ASSERT_TRUE(target);
    int folderRow = RowNamed(list, "甲");
    ASSERT_GE(folderRow, 0);
    RECT cell{};
    cell.left = LVIR_LABEL;
    SendMessageA(list.Window(), LVM_GETITEMRECT, static_cast<WPARAM>(folderRow), reinterpret_cast<LPARAM>(&cell));
    POINT over{cell.left + 4, (cell.top + cell.bottom) / 2};
    ClientToScreen(list.Window(), &over);
    RECT client{};
    GetClientRect(list.Window(), &client);
    POINT empty{client.right - 10, client.bottom - 10};
    ClientToScreen(list.Window(), &empty);
    ComPtr<IDataObject> data = Items({"参.txt"});
    auto lit = [&] { return list.DropHighlight() == folderRow; };

    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    ASSERT_EQ(S_OK, target->DragEnter(data.Get(), MK_LBUTTON, POINTL{over.x, over.y}, &effect));
    EXPECT_TRUE(lit()) << "the folder under the drag is lit while the shell's target has it";
    effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    target->DragOver(MK_LBUTTON, POINTL{empty.x, empty.y}, &effect);
    EXPECT_FALSE(lit());
    effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    target->DragOver(MK_LBUTTON, POINTL{over.x, over.y}, &effect);
    EXPECT_TRUE(lit());
    target->DragLeave();
    EXPECT_FALSE(lit());
    EXPECT_TRUE(IsWindow(program_->Window()));
}

}  // namespace
