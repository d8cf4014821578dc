// The data object of a drag, its format enumerator and the blocks it offers, on real files.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "dnd/drag_data_object.h"
#include "dnd/drag_items.h"
#include "dnd/file_drag.h"
#include "dnd/storage_medium.h"
#include "shell/clipboard_formats.h"
#include "tests/dnd/dnd_test_support.h"
#include "tests/shell/shell_test_fixture.h"
#include "win/global_memory.h"

namespace {

using Bytes = std::vector<uint8_t>;

uint32_t FieldAt(const Bytes& block, size_t offset) {
    uint32_t value = 0;
    if (offset + 4 <= block.size()) std::memcpy(&value, block.data() + offset, sizeof value);
    return value;
}

Bytes FileListHeader() {
    Bytes header(20, 0);
    header[0] = 20;
    return header;
}

Bytes Joined(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

CLIPFORMAT IdListFormat() { return static_cast<CLIPFORMAT>(ShellIdListFormat()); }

FORMATETC Format(CLIPFORMAT format, DWORD tymed = TYMED_HGLOBAL, DWORD aspect = DVASPECT_CONTENT) {
    return FORMATETC{format, nullptr, aspect, -1, tymed};
}

GlobalMemory BlockWith(const std::string& text) {
    GlobalMemory block(GlobalAlloc(GMEM_MOVEABLE, text.size() + 1));
    LockedGlobal locked(block.Get());
    std::memcpy(locked.Data(), text.c_str(), text.size() + 1);
    return block;
}

// A request made by hand, for paths that need not exist: the desktop as parent and one made-up
// child a path.
DragRequest HandMadeRequest(const std::vector<std::string>& paths) {
    DragRequest request;
    request.parent = SpecialFolderList(CSIDL_DRIVES);
    for (size_t i = 0; i < paths.size(); ++i) {
        ItemIdList child = AllocateItemList(6);
        reinterpret_cast<uint8_t*>(child.Get())[0] = 4;
        reinterpret_cast<uint8_t*>(child.Get())[2] = static_cast<uint8_t>('a' + i);
        request.children.push_back(std::move(child));
    }
    request.paths = paths;
    return request;
}

class DragDataObjectTest : public ShellFixture {
protected:
    void SetUp() override {
        ShellFixture::SetUp();
        MakeFolder("束");
        for (const char* name : {"一.txt", "二.txt", "表.doc"}) MakeFile(std::string("束\\") + name);
    }
    DragRequest ThreeFiles() { return RequestFor(PathOf("束"), {"一.txt", "二.txt", "表.doc"}); }
};

TEST_F(DragDataObjectTest, ThreeFilesOfferTheFirstAsTextAllAsFilesAndTheirListsAsAnArray) {
    DragRequest request = ThreeFiles();
    ASSERT_EQ(3u, request.children.size());
    ComPtr<IDataObject> data = MakeDragData(request);
    ASSERT_TRUE(data);
    std::string first = PathOf("束\\一.txt"), second = PathOf("束\\二.txt"), third = PathOf("束\\表.doc");

    EXPECT_EQ(Joined({BytesOf(first), Bytes(1, 0)}), OfferedBytes(data.Get(), CF_TEXT));
    EXPECT_EQ(Joined({FileListHeader(), BytesOf(first), Bytes(1, 0), BytesOf(second), Bytes(1, 0), BytesOf(third),
                      Bytes(3, 0)}),
              OfferedBytes(data.Get(), CF_HDROP));

    Bytes array = OfferedBytes(data.Get(), IdListFormat());
    EXPECT_EQ(3u, FieldAt(array, 0));
    EXPECT_EQ(20u, FieldAt(array, 4)) << "the parent follows the count and four offsets";
    ItemIdList folder = ShellListOf(PathOf("束"));
    size_t parentSize = ItemListSize(folder.Get());
    ASSERT_GE(array.size(), 20 + parentSize);
    EXPECT_TRUE(SameBytes(folder.Get(), reinterpret_cast<PCUIDLIST_RELATIVE>(array.data() + 20)));
    EXPECT_EQ(20 + parentSize, FieldAt(array, 8));
    for (size_t i = 0; i < 3; ++i) {
        size_t offset = FieldAt(array, 8 + 4 * i);
        ASSERT_LT(offset, array.size());
        EXPECT_TRUE(SameBytes(request.children[i].Get(), reinterpret_cast<PCUIDLIST_RELATIVE>(array.data() + offset)));
    }
}

TEST_F(DragDataObjectTest, ADriveRootIsOfferedAsTheRootWithItsBackslash) {
    // The program's own path of a drive root reads "C:".
    ComPtr<IDataObject> data = MakeDragData(HandMadeRequest({"C:"}));
    ASSERT_TRUE(data);
    EXPECT_EQ(BytesOf(std::string("C:\\") + '\0'), OfferedBytes(data.Get(), CF_TEXT));
    EXPECT_EQ(Joined({FileListHeader(), BytesOf("C:\\"), Bytes(3, 0)}), OfferedBytes(data.Get(), CF_HDROP));

    // Asked of the computer folder, the drive's path is its root too.
    ComPtr<IShellFolder> computer = BindFolder(SpecialFolderList(CSIDL_DRIVES).Get());
    ItemIdList drive = LastItem(ShellListOf("C:\\").Get());
    ASSERT_TRUE(computer && drive);
    DragRequest request;
    ASSERT_TRUE(MakeDragRequest(nullptr, computer.Get(), {drive.Get()}, request));
    EXPECT_EQ(std::vector<std::string>{"C:\\"}, request.paths);
}

TEST_F(DragDataObjectTest, APathOf259BytesIsOfferedWholeAndALongerOneIsCutOnACharacter) {
    std::string exact = "C:\\" + std::string(254, 'x') + "\x95\x5C";
    ASSERT_EQ(259u, exact.size());
    ComPtr<IDataObject> data = MakeDragData(HandMadeRequest({exact, exact + "tail"}));
    ASSERT_TRUE(data);
    EXPECT_EQ(Joined({BytesOf(exact), Bytes(1, 0)}), OfferedBytes(data.Get(), CF_TEXT));
    EXPECT_EQ(Joined({FileListHeader(), BytesOf(exact), Bytes(1, 0), BytesOf(exact), Bytes(3, 0)}),
              OfferedBytes(data.Get(), CF_HDROP));
    std::string straddling = "C:\\" + std::string(255, 'x') + "\x95\x5C";
    data = MakeDragData(HandMadeRequest({straddling}));
    EXPECT_EQ(Joined({BytesOf(straddling.substr(0, 258)), Bytes(1, 0)}), OfferedBytes(data.Get(), CF_TEXT))
        << "表 does not fit whole and goes altogether";
}

TEST_F(DragDataObjectTest, ItemsWithoutAPathStayInTheArrayButOutOfTextAndFiles) {
    ComPtr<IDataObject> data = MakeDragData(HandMadeRequest({"", "C:\\b", ""}));
    ASSERT_TRUE(data);
    EXPECT_EQ(BytesOf(std::string("C:\\b") + '\0'), OfferedBytes(data.Get(), CF_TEXT));
    EXPECT_EQ(Joined({FileListHeader(), BytesOf("C:\\b"), Bytes(3, 0)}), OfferedBytes(data.Get(), CF_HDROP));
    EXPECT_EQ(3u, FieldAt(OfferedBytes(data.Get(), IdListFormat()), 0));

    data = MakeDragData(HandMadeRequest({"", ""}));
    ASSERT_TRUE(data);
    FORMATETC text = Format(CF_TEXT), files = Format(CF_HDROP), array = Format(IdListFormat());
    EXPECT_EQ(DV_E_FORMATETC, data->QueryGetData(&text));
    EXPECT_EQ(DV_E_FORMATETC, data->QueryGetData(&files));
    EXPECT_EQ(S_OK, data->QueryGetData(&array));
    ComPtr<IEnumFORMATETC> formats;
    ASSERT_EQ(S_OK, data->EnumFormatEtc(DATADIR_GET, formats.Put()));
    FORMATETC got[3] = {};
    ULONG fetched = 0;
    formats->Next(3, got, &fetched);
    ASSERT_EQ(1u, fetched);
    EXPECT_EQ(IdListFormat(), got[0].cfFormat);
}

TEST_F(DragDataObjectTest, AnIncompleteRequestMakesNoData) {
    DragRequest request = HandMadeRequest({"C:\\a"});
    request.parent.Reset();
    EXPECT_FALSE(MakeDragData(request));
    EXPECT_FALSE(MakeDragData(HandMadeRequest({})));
}

TEST_F(DragDataObjectTest, EveryGetDataHandsOutACopyOfItsOwn) {
    ComPtr<IDataObject> data = MakeDragData(ThreeFiles());
    ASSERT_TRUE(data);
    FORMATETC files = Format(CF_HDROP);
    STGMEDIUM first{}, second{};
    ASSERT_EQ(S_OK, data->GetData(&files, &first));
    ASSERT_EQ(S_OK, data->GetData(&files, &second));
    EXPECT_NE(first.hGlobal, second.hGlobal);
    EXPECT_EQ(nullptr, first.pUnkForRelease) << "the receiver frees its copy itself";
    Bytes expected = OfferedBytes(data.Get(), CF_HDROP);
    ReleaseStgMedium(&first);
    {
        LockedGlobal locked(second.hGlobal);
        ASSERT_NE(nullptr, locked.Data());
        EXPECT_EQ(expected, Bytes(static_cast<uint8_t*>(locked.Data()),
                                  static_cast<uint8_t*>(locked.Data()) + GlobalSize(second.hGlobal)));
    }
    ReleaseStgMedium(&second);
    EXPECT_EQ(expected, OfferedBytes(data.Get(), CF_HDROP)) << "the object's own block is untouched";
}

TEST_F(DragDataObjectTest, TheObjectsOwnMediaGoWithItsLastReference) {
    ComPtr<IDataObject> data = DragDataObject::Create(3);
    ASSERT_TRUE(data);
    GlobalMemory text = BlockWith("text"), files = BlockWith("files");
    FORMATETC textFormat = Format(CF_TEXT), fileFormat = Format(CF_HDROP), arrayFormat = Format(IdListFormat());
    STGMEDIUM medium{};
    medium.tymed = TYMED_HGLOBAL;
    medium.hGlobal = text.Get();
    ASSERT_EQ(S_OK, data->SetData(&textFormat, &medium, TRUE));
    HGLOBAL textBlock = text.Release();
    medium.hGlobal = files.Get();
    ASSERT_EQ(S_OK, data->SetData(&fileFormat, &medium, TRUE));
    HGLOBAL fileBlock = files.Release();
    // A medium whose release object frees it: the object hands it back to that owner.
    CountingUnknown owner;
    GlobalMemory owned = BlockWith("owned");
    medium.hGlobal = owned.Get();
    medium.pUnkForRelease = &owner;
    ASSERT_EQ(S_OK, data->SetData(&arrayFormat, &medium, TRUE));
    EXPECT_EQ(1, owner.references) << "the object takes over the giver's reference";

    IDataObject* target = data.Get();
    target->AddRef();
    data.Reset();
    EXPECT_TRUE(BlockIsLive(textBlock)) << "a target still holds the object";
    EXPECT_TRUE(BlockIsLive(fileBlock));
    EXPECT_EQ(1, owner.references);
    target->Release();
    EXPECT_FALSE(BlockIsLive(textBlock));
    EXPECT_FALSE(BlockIsLive(fileBlock));
    EXPECT_EQ(0, owner.references) << "the owner's medium went back to it";
    EXPECT_TRUE(BlockIsLive(owned.Get())) << "and only the owner frees it";
}

TEST_F(DragDataObjectTest, RequestsThatItCannotAnswerAreRefusedWithTheirReasons) {
    ComPtr<IDataObject> data = MakeDragData(ThreeFiles());
    ASSERT_TRUE(data);
    STGMEDIUM medium{};
    FORMATETC stream = Format(CF_HDROP, TYMED_ISTREAM);
    EXPECT_EQ(DV_E_FORMATETC, data->GetData(&stream, &medium));
    EXPECT_EQ(static_cast<DWORD>(TYMED_NULL), medium.tymed);
    FORMATETC icon = Format(CF_HDROP, TYMED_HGLOBAL, DVASPECT_ICON);
    EXPECT_EQ(DV_E_DVASPECT, data->GetData(&icon, &medium));
    FORMATETC bitmap = Format(CF_BITMAP, TYMED_GDI);
    EXPECT_EQ(DV_E_FORMATETC, data->GetData(&bitmap, &medium));
    FORMATETC anyMedium = Format(CF_HDROP, TYMED_HGLOBAL | TYMED_ISTREAM | TYMED_FILE);
    EXPECT_EQ(S_OK, data->QueryGetData(&anyMedium)) << "one shared medium type is enough";
    EXPECT_EQ(DV_E_FORMATETC, data->QueryGetData(&stream));
    EXPECT_EQ(DV_E_DVASPECT, data->QueryGetData(&icon));
    EXPECT_EQ(E_INVALIDARG, data->GetData(nullptr, &medium));
    EXPECT_EQ(E_INVALIDARG, data->GetData(&anyMedium, nullptr));
    EXPECT_EQ(E_INVALIDARG, data->QueryGetData(nullptr));
    EXPECT_EQ(E_NOTIMPL, data->GetDataHere(&anyMedium, &medium));
    FORMATETC canonical{};
    EXPECT_EQ(E_NOTIMPL, data->GetCanonicalFormatEtc(&anyMedium, &canonical));
    DWORD connection = 0;
    EXPECT_EQ(OLE_E_ADVISENOTSUPPORTED, data->DAdvise(&anyMedium, 0, nullptr, &connection));
    EXPECT_EQ(OLE_E_ADVISENOTSUPPORTED, data->DUnadvise(0));
    EXPECT_EQ(OLE_E_ADVISENOTSUPPORTED, data->EnumDAdvise(nullptr));

    ComPtr<IDataObject> empty = DragDataObject::Create(3);
    FORMATETC files = Format(CF_HDROP);
    EXPECT_EQ(DV_E_FORMATETC, empty->GetData(&files, &medium));

    ComPtr<IUnknown> unknown;
    EXPECT_EQ(S_OK, data->QueryInterface(IID_IUnknown, unknown.PutVoid()));
    void* other = &medium;
    EXPECT_EQ(E_NOINTERFACE, data->QueryInterface(IID_IDropTarget, &other));
    EXPECT_EQ(nullptr, other);
}

TEST_F(DragDataObjectTest, AFourthSetDataFindsNoRoomAndLeavesTheMediumWithItsGiver) {
    ComPtr<IDataObject> data = MakeDragData(ThreeFiles());
    ASSERT_TRUE(data);
    GlobalMemory block = BlockWith("more");
    FORMATETC format = Format(CF_OEMTEXT);
    STGMEDIUM medium{};
    medium.tymed = TYMED_HGLOBAL;
    medium.hGlobal = block.Get();
    EXPECT_EQ(E_OUTOFMEMORY, data->SetData(&format, &medium, TRUE));
    EXPECT_TRUE(BlockIsLive(block.Get()));
    EXPECT_EQ(E_INVALIDARG, data->SetData(nullptr, &medium, TRUE));
    EXPECT_EQ(E_INVALIDARG, data->SetData(&format, nullptr, TRUE));
}

TEST_F(DragDataObjectTest, SetDataWithoutReleaseKeepsCopiesOfTheMediumAndOfTheTargetDevice) {
    ComPtr<IDataObject> data = DragDataObject::Create(4);
    ASSERT_TRUE(data);
    CountingUnknown owner;
    {
        auto* device = static_cast<DVTARGETDEVICE*>(CoTaskMemAlloc(sizeof(DVTARGETDEVICE) + 8));
        std::memset(device, 0x5A, sizeof(DVTARGETDEVICE) + 8);
        device->tdSize = sizeof(DVTARGETDEVICE) + 8;
        FORMATETC format = Format(CF_TEXT);
        format.ptd = device;
        GlobalMemory block = BlockWith("kept");
        STGMEDIUM medium{};
        medium.tymed = TYMED_HGLOBAL;
        medium.hGlobal = block.Get();
        medium.pUnkForRelease = &owner;
        ASSERT_EQ(S_OK, data->SetData(&format, &medium, FALSE));
        EXPECT_EQ(2, owner.references) << "the copy holds the release object too";
        // The giver frees what it gave, as it may.
        CoTaskMemFree(device);
    }
    EXPECT_EQ(BytesOf(std::string("kept") + '\0'), OfferedBytes(data.Get(), CF_TEXT));

    ComPtr<IEnumFORMATETC> formats;
    ASSERT_EQ(S_OK, data->EnumFormatEtc(DATADIR_GET, formats.Put()));
    FORMATETC got{};
    ASSERT_EQ(S_OK, formats->Next(1, &got, nullptr));
    ASSERT_NE(nullptr, got.ptd);
    EXPECT_EQ(sizeof(DVTARGETDEVICE) + 8, got.ptd->tdSize);
    EXPECT_EQ(0x5A, reinterpret_cast<uint8_t*>(got.ptd)[sizeof(DVTARGETDEVICE)]);
    CoTaskMemFree(got.ptd);

    // A file name is a string of its own in each copy.
    std::wstring name = Wide(PathOf("無い.txt"));
    auto* given = static_cast<LPOLESTR>(CoTaskMemAlloc((name.size() + 1) * sizeof(WCHAR)));
    std::memcpy(given, name.c_str(), (name.size() + 1) * sizeof(WCHAR));
    FORMATETC fileFormat = Format(CF_TEXT, TYMED_FILE);
    STGMEDIUM fileMedium{};
    fileMedium.tymed = TYMED_FILE;
    fileMedium.lpszFileName = given;
    ASSERT_EQ(S_OK, data->SetData(&fileFormat, &fileMedium, FALSE));
    CoTaskMemFree(given);
    STGMEDIUM copy{};
    ASSERT_EQ(S_OK, data->GetData(&fileFormat, &copy));
    ASSERT_EQ(static_cast<DWORD>(TYMED_FILE), copy.tymed);
    EXPECT_EQ(name, std::wstring(copy.lpszFileName));
    EXPECT_EQ(nullptr, copy.pUnkForRelease) << "a medium without a release object gives copies without one";
    ReleaseStgMedium(&copy);

    // A stream cannot be copied: nothing is kept.
    FORMATETC streamFormat = Format(CF_HDROP, TYMED_ISTREAM);
    STGMEDIUM streamMedium{};
    streamMedium.tymed = TYMED_ISTREAM;
    EXPECT_EQ(E_OUTOFMEMORY, data->SetData(&streamFormat, &streamMedium, FALSE));
    EXPECT_EQ(DV_E_FORMATETC, data->QueryGetData(&streamFormat));

    data.Reset();
    EXPECT_EQ(1, owner.references) << "every reference the copies took is given back";
}

TEST_F(DragDataObjectTest, TheEnumeratorHandsOutTheFormatsByItsRules) {
    ComPtr<IDataObject> data = MakeDragData(ThreeFiles());
    ASSERT_TRUE(data);
    ComPtr<IEnumFORMATETC> formats;
    EXPECT_EQ(E_NOTIMPL, data->EnumFormatEtc(DATADIR_SET, formats.Put()));
    EXPECT_FALSE(formats);
    EXPECT_EQ(E_INVALIDARG, data->EnumFormatEtc(DATADIR_GET, nullptr));
    ASSERT_EQ(S_OK, data->EnumFormatEtc(DATADIR_GET, formats.Put()));

    FORMATETC got[4] = {};
    ULONG fetched = 99;
    EXPECT_EQ(S_FALSE, formats->Next(0, got, &fetched));
    EXPECT_EQ(0u, fetched);
    EXPECT_EQ(S_FALSE, formats->Next(2, got, nullptr)) << "more than one needs a count to say how many came";
    EXPECT_EQ(S_FALSE, formats->Next(1, nullptr, &fetched));
    EXPECT_EQ(S_OK, formats->Next(1, got, nullptr));
    EXPECT_EQ(CF_TEXT, got[0].cfFormat);
    EXPECT_EQ(static_cast<DWORD>(TYMED_HGLOBAL), got[0].tymed);
    EXPECT_EQ(-1, got[0].lindex);
    EXPECT_EQ(static_cast<DWORD>(DVASPECT_CONTENT), got[0].dwAspect);
    EXPECT_EQ(S_FALSE, formats->Next(4, got, &fetched));
    EXPECT_EQ(2u, fetched);
    EXPECT_EQ(CF_HDROP, got[0].cfFormat);
    EXPECT_EQ(IdListFormat(), got[1].cfFormat);
    fetched = 99;
    EXPECT_EQ(S_FALSE, formats->Next(1, got, &fetched));
    EXPECT_EQ(0u, fetched);

    EXPECT_EQ(S_FALSE, formats->Skip(1)) << "at the end";
    EXPECT_EQ(S_OK, formats->Skip(0));
    EXPECT_EQ(S_OK, formats->Reset());
    EXPECT_EQ(S_OK, formats->Skip(2));
    EXPECT_EQ(S_FALSE, formats->Skip(5)) << "only one was left";
    EXPECT_EQ(S_OK, formats->Reset());
    EXPECT_EQ(S_OK, formats->Skip(1));

    EXPECT_EQ(E_POINTER, formats->Clone(nullptr));
    ComPtr<IEnumFORMATETC> clone;
    ASSERT_EQ(S_OK, formats->Clone(clone.Put()));
    EXPECT_EQ(S_OK, clone->Next(1, got, nullptr));
    EXPECT_EQ(CF_HDROP, got[0].cfFormat) << "the clone starts where the original stood";
    EXPECT_EQ(S_OK, formats->Next(1, got, nullptr));
    EXPECT_EQ(CF_HDROP, got[0].cfFormat) << "and moving it leaves the original where it was";
    EXPECT_EQ(S_OK, clone->Reset());
    EXPECT_EQ(S_OK, clone->Next(1, got, nullptr));
    EXPECT_EQ(CF_TEXT, got[0].cfFormat);

    void* other = &fetched;
    EXPECT_EQ(E_NOINTERFACE, formats->QueryInterface(IID_IDataObject, &other));
    EXPECT_EQ(nullptr, other);
}

}  // namespace
