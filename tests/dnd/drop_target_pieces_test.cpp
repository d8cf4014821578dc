// What the drop targets share: the hold on the drag's data, the reading of the dropped items and
// the shell's own drop targets of folders.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstring>
#include <new>
#include <string>
#include <vector>

#include "dnd/drag_data_object.h"
#include "dnd/drop_target_base.h"
#include "dnd/dropped_items.h"
#include "dnd/file_drag.h"
#include "shell/clipboard_formats.h"
#include "shell/item_names.h"
#include "tests/dnd/dnd_test_support.h"
#include "tests/shell/shell_test_fixture.h"
#include "win/global_memory.h"

namespace {

// Reads the drag's data on every move, as the targets that open dropped items do.
class ReadingTarget : public DropTargetBase {
public:
    HRESULT STDMETHODCALLTYPE DragOver(DWORD, POINTL, DWORD* effect) override {
        DroppedItems items;
        readable = Data() && ReadDroppedItems(Data(), items);
        *effect = readable ? DROPEFFECT_COPY : DROPEFFECT_NONE;
        return S_OK;
    }
    bool readable = false;
    int dropped = 0, left = 0;

protected:
    HRESULT Left() override {
        ++left;
        return S_OK;
    }
    HRESULT Dropped(IDataObject*, DWORD, POINTL, DWORD* effect) override {
        ++dropped;
        *effect = DROPEFFECT_COPY;
        return S_OK;
    }
};

// Answers every request with the one medium it was given, as another program's data may.
class ServingDataObject : public IDataObject {
public:
    explicit ServingDataObject(STGMEDIUM medium) : medium_(medium) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** out) override {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE GetData(FORMATETC*, STGMEDIUM* medium) override {
        *medium = medium_;
        if (medium_.pUnkForRelease) medium_.pUnkForRelease->AddRef();
        ++served;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC*) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return E_NOTIMPL; }
    int served = 0;

private:
    STGMEDIUM medium_;
};

// A folder that records which of its drop-target questions were asked, and with what.
class RecordingFolder : public IShellFolder {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** out) override {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE ParseDisplayName(HWND, IBindCtx*, LPWSTR, ULONG*, PIDLIST_RELATIVE*, ULONG*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE EnumObjects(HWND, SHCONTF, IEnumIDList**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE BindToObject(PCUIDLIST_RELATIVE, IBindCtx*, REFIID, void**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE BindToStorage(PCUIDLIST_RELATIVE, IBindCtx*, REFIID, void**) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE CompareIDs(LPARAM, PCUIDLIST_RELATIVE, PCUIDLIST_RELATIVE) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE CreateViewObject(HWND, REFIID iid, void** out) override {
        *out = nullptr;
        if (iid == IID_IDropTarget) ++viewTargets;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetAttributesOf(UINT, PCUITEMID_CHILD_ARRAY, SFGAOF*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetUIObjectOf(HWND, UINT count, PCUITEMID_CHILD_ARRAY children, REFIID, UINT*,
                                            void** out) override {
        *out = nullptr;
        ++uiObjects;
        if (count != 1 || !children || !children[0]) ++nullChildren;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetDisplayNameOf(PCUITEMID_CHILD, SHGDNF, STRRET*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetNameOf(HWND, PCUITEMID_CHILD, LPCWSTR, SHGDNF, PITEMID_CHILD*) override {
        return E_NOTIMPL;
    }
    int viewTargets = 0, uiObjects = 0, nullChildren = 0;
};

GlobalMemory BlockOfBytes(const std::vector<uint8_t>& bytes) {
    GlobalMemory block(GlobalAlloc(GMEM_MOVEABLE, bytes.size()));
    LockedGlobal locked(block.Get());
    std::memcpy(locked.Data(), bytes.data(), bytes.size());
    return block;
}

STGMEDIUM GlobalMedium(HGLOBAL block, IUnknown* owner) {
    STGMEDIUM medium{};
    medium.tymed = TYMED_HGLOBAL;
    medium.hGlobal = block;
    medium.pUnkForRelease = owner;
    return medium;
}

class DropTargetPiecesTest : public ShellFixture {
protected:
    void SetUp() override {
        ShellFixture::SetUp();
        MakeFolder("受");
        MakeFolder("受\\中");
        for (const char* name : {"甲.txt", "乙.txt"}) MakeFile(std::string("受\\") + name);
    }
    ComPtr<IDataObject> TwoFiles() { return MakeDragData(RequestFor(PathOf("受"), {"甲.txt", "乙.txt"})); }
    std::vector<uint8_t> TwoFilesArray() {
        return OfferedBytes(TwoFiles().Get(), static_cast<CLIPFORMAT>(ShellIdListFormat()));
    }
};

TEST_F(DropTargetPiecesTest, TheTargetHoldsTheDragsDataUntilItLeavesOrIsDropped) {
    auto* target = new (std::nothrow) ReadingTarget();
    ASSERT_TRUE(target);
    ComPtr<IDropTarget> holder(target);
    // The data object of the drag, holding a block of the test's own whose life shows the object's.
    ComPtr<IDataObject> data = DragDataObject::Create(2);
    ASSERT_TRUE(data);
    GlobalMemory array = BlockOfBytes(TwoFilesArray());
    FORMATETC arrayFormat{static_cast<CLIPFORMAT>(ShellIdListFormat()), nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM arrayMedium = GlobalMedium(array.Get(), nullptr);
    ASSERT_EQ(S_OK, data->SetData(&arrayFormat, &arrayMedium, TRUE));
    array.Release();
    GlobalMemory marker = BlockOfBytes({1, 2, 3});
    FORMATETC markerFormat{CF_OEMTEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM medium = GlobalMedium(marker.Get(), nullptr);
    ASSERT_EQ(S_OK, data->SetData(&markerFormat, &medium, TRUE));
    HGLOBAL markerBlock = marker.Release();

    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    ASSERT_EQ(S_OK, target->DragEnter(data.Get(), MK_LBUTTON, POINTL{1, 1}, &effect));
    EXPECT_TRUE(target->readable);
    // The system's drag loop may be the only other holder, and lets go before the target does.
    data.Reset();
    EXPECT_TRUE(BlockIsLive(markerBlock)) << "the target keeps the data alive";
    ASSERT_EQ(S_OK, target->DragOver(MK_LBUTTON, POINTL{2, 2}, &effect));
    EXPECT_TRUE(target->readable) << "and can still read it";
    EXPECT_EQ(S_OK, target->DragLeave());
    EXPECT_EQ(1, target->left);
    EXPECT_FALSE(BlockIsLive(markerBlock)) << "leaving lets the data go";

    data = TwoFiles();
    ULONG before = data->AddRef() - 1;
    data->Release();
    ASSERT_EQ(S_OK, target->DragEnter(data.Get(), MK_LBUTTON, POINTL{1, 1}, &effect));
    ASSERT_EQ(S_OK, target->Drop(data.Get(), 0, POINTL{1, 1}, &effect));
    EXPECT_EQ(1, target->dropped);
    ULONG after = data->AddRef() - 1;
    data->Release();
    EXPECT_EQ(before, after) << "the drop lets the data go too";
}

TEST_F(DropTargetPiecesTest, TheTargetAnswersOnlyItsOwnInterfaces) {
    ComPtr<IDropTarget> target(new (std::nothrow) ReadingTarget());
    ASSERT_TRUE(target);
    ComPtr<IUnknown> unknown;
    EXPECT_EQ(S_OK, target->QueryInterface(IID_IUnknown, unknown.PutVoid()));
    ComPtr<IDropTarget> again;
    EXPECT_EQ(S_OK, target->QueryInterface(IID_IDropTarget, again.PutVoid()));
    EXPECT_EQ(target.Get(), again.Get());
    void* other = &unknown;
    EXPECT_EQ(E_NOINTERFACE, target->QueryInterface(IID_IDropSource, &other));
    EXPECT_EQ(nullptr, other);
}

TEST_F(DropTargetPiecesTest, DroppedItemsComeBackAsTheirFolderAndItsChildren) {
    ComPtr<IDataObject> data = TwoFiles();
    DroppedItems items;
    ASSERT_TRUE(ReadDroppedItems(data.Get(), items));
    ASSERT_TRUE(items.parent);
    EXPECT_EQ(PathOf("受"), ItemPath(items.parent.Get()));
    ASSERT_EQ(2u, items.children.size());
    EXPECT_EQ(PathOf("受\\甲.txt"), ItemPath(items.parent.Get(), items.children[0].Get()));
    EXPECT_EQ(PathOf("受\\乙.txt"), ItemPath(items.parent.Get(), items.children[1].Get()));
}

TEST_F(DropTargetPiecesTest, ABrokenOrMissingArrayReadsAsNothingAndItsMediumIsAlwaysReleased) {
    DroppedItems items;
    EXPECT_FALSE(ReadDroppedItems(nullptr, items));
    ComPtr<IDataObject> textOnly = DragDataObject::Create(1);
    EXPECT_FALSE(ReadDroppedItems(textOnly.Get(), items));

    std::vector<uint8_t> good = TwoFilesArray();
    ASSERT_FALSE(good.empty());
    std::vector<uint8_t> broken = good;
    uint32_t outside = static_cast<uint32_t>(broken.size() + 100);
    std::memcpy(broken.data() + 12, &outside, sizeof outside);
    std::vector<uint8_t> cut(good.begin(), good.end() - 1);

    CountingUnknown owner;
    for (const std::vector<uint8_t>* bytes : {&good, &broken, &cut}) {
        GlobalMemory block = BlockOfBytes(*bytes);
        ServingDataObject served(GlobalMedium(block.Get(), &owner));
        EXPECT_EQ(bytes == &good, ReadDroppedItems(&served, items));
        EXPECT_EQ(bytes == &good, items.children.size() == 2);
        EXPECT_EQ(1, owner.references) << "the medium goes back whether it was read or not";
    }

    // The array handed over as a stream is not read, and the stream is still given back.
    IStream* stream = nullptr;
    ASSERT_EQ(S_OK, CreateStreamOnHGlobal(nullptr, TRUE, &stream));
    STGMEDIUM streamMedium{};
    streamMedium.tymed = TYMED_ISTREAM;
    streamMedium.pstm = stream;
    stream->AddRef();
    ServingDataObject streamed(streamMedium);
    EXPECT_FALSE(ReadDroppedItems(&streamed, items));
    EXPECT_EQ(0u, stream->Release()) << "the reader gave its reference back, leaving only the test's";
}

TEST_F(DropTargetPiecesTest, TheShellsTargetOfAFolderOrOfItsChild) {
    ComPtr<IShellFolder> folder = BindFolder(ShellListOf(PathOf("受")).Get());
    ASSERT_TRUE(folder);
    ItemIdList child = LastItem(ShellListOf(PathOf("受\\中")).Get());
    EXPECT_TRUE(ShellDropTargetOf(folder.Get(), child.Get()));
    EXPECT_TRUE(ShellDropTargetOf(folder.Get(), nullptr)) << "the folder itself";
    EXPECT_FALSE(ShellDropTargetOf(nullptr, child.Get()));

    RecordingFolder recording;
    EXPECT_FALSE(ShellDropTargetOf(&recording, nullptr));
    EXPECT_EQ(1, recording.viewTargets);
    EXPECT_EQ(0, recording.uiObjects) << "a folder is never asked about a null child";
    EXPECT_FALSE(ShellDropTargetOf(&recording, child.Get()));
    EXPECT_EQ(1, recording.uiObjects);
    EXPECT_EQ(0, recording.nullChildren);
}

}  // namespace
