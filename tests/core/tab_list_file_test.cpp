#include "core/tab_list_file.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "tests/core/id_list_bytes.h"

namespace {

using tablist::IdList;
using tablist::SavedTab;
using tablist::TabList;

SavedTab Tab(IdList folder, bool locked, int style, int column) {
    SavedTab tab;
    tab.folder = std::move(folder);
    tab.locked = locked;
    tab.view.style = style;
    tab.view.sort.column = column;
    return tab;
}

// One record as a file holds it, with any values, for the records that no writer makes.
struct RawRecord {
    uint32_t folderSize;
    IdList folder;
    int32_t locked = 0;
    int32_t customTitle = 0;
    uint32_t titleLength = 0;
    std::string title;
    std::array<int32_t, 5> directions{};
    int32_t column = 0;
    int32_t style = kDetailsStyle;
    std::array<int32_t, 7> widths{150, 50, 120, 120, 50, 150, 150};
};

RawRecord Raw(const IdList& folder) {
    RawRecord record;
    record.folderSize = static_cast<uint32_t>(folder.size());
    record.folder = folder;
    return record;
}

void Put(datafile::PayloadWriter& payload, const RawRecord& record) {
    payload.PutU32(record.folderSize);
    payload.PutBytes(record.folder.data(), record.folder.size());
    payload.PutI32(record.locked);
    payload.PutI32(record.customTitle);
    if (record.customTitle) {
        payload.PutU32(record.titleLength);
        payload.PutBytes(record.title.data(), record.title.size());
    }
    for (int32_t direction : record.directions) payload.PutI32(direction);
    payload.PutI32(record.column);
    payload.PutI32(record.style);
    for (int32_t width : record.widths) payload.PutI32(width);
}

// A version-100 payload with no shown folders, the count and the records.
std::vector<uint8_t> Payload(uint32_t count, const std::vector<RawRecord>& records) {
    datafile::PayloadWriter payload;
    payload.PutU32(0);
    payload.PutU32(0);
    payload.PutU32(count);
    for (const RawRecord& record : records) Put(payload, record);
    return payload.Bytes();
}

TabList Decode(const std::vector<uint8_t>& bytes, uint32_t version = tablist::kVersion) {
    datafile::PayloadReader reader(bytes.data(), bytes.size());
    return tablist::DecodeTabList(reader, version);
}

std::vector<IdList> Folders(const TabList& list) {
    std::vector<IdList> folders;
    for (const SavedTab& tab : list.tabs) folders.push_back(tab.folder);
    return folders;
}

bool SameTabs(const std::vector<SavedTab>& a, const std::vector<SavedTab>& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i].folder != b[i].folder || a[i].locked != b[i].locked || a[i].view.style != b[i].view.style ||
            a[i].view.sort.column != b[i].view.sort.column || a[i].view.sort.directions != b[i].view.sort.directions ||
            a[i].view.columnWidths != b[i].view.columnWidths)
            return false;
    }
    return true;
}

const IdList kWork = ListOf({"C:", "work"});
const IdList kPhotos = ListOf({"D:", "写真", "2024"});
const IdList kDesktop = ListOf({});

TEST(TabListFile, WrittenListReadsBackWithItsTabsInOrderAndBothShownFolders) {
    TabList list;
    list.mainFolder = kPhotos;
    list.subFolder = kWork;
    list.tabs.push_back(Tab(kWork, true, kCommentStyle, 3));
    list.tabs.back().view.sort.directions = {0, 1, 0, 1, 1};
    list.tabs.back().view.columnWidths = {10, 20, 30, 40, 50, 60, 70};
    list.tabs.push_back(Tab(kDesktop, false, kThumbnailStyle, 0));
    list.tabs.push_back(Tab(kPhotos, false, kTileStyle, 4));
    datafile::PayloadWriter payload;
    tablist::EncodeTabList(list, payload);

    TabList read = Decode(payload.Bytes());
    EXPECT_EQ(kPhotos, read.mainFolder);
    EXPECT_EQ(kWork, read.subFolder);
    EXPECT_TRUE(SameTabs(list.tabs, read.tabs));

    // The head as the format lays it out: each list's size then its bytes, then the count.
    const std::vector<uint8_t>& bytes = payload.Bytes();
    ASSERT_GT(bytes.size(), 4 + kPhotos.size() + 4 + kWork.size() + 4);
    EXPECT_EQ(std::vector<uint8_t>({static_cast<uint8_t>(kPhotos.size()), 0, 0, 0}),
              std::vector<uint8_t>(bytes.begin(), bytes.begin() + 4));
    size_t countAt = 4 + kPhotos.size() + 4 + kWork.size();
    EXPECT_EQ(std::vector<uint8_t>({3, 0, 0, 0}),
              std::vector<uint8_t>(bytes.begin() + countAt, bytes.begin() + countAt + 4));
    // Folder, locked, no custom title, five directions, column, style, seven widths.
    size_t firstRecord = countAt + 4;
    size_t recordBytes = 4 + kWork.size() + 4 * (1 + 1 + 5 + 1 + 1 + 7);
    datafile::PayloadReader record(bytes.data() + firstRecord, recordBytes);
    uint32_t size = 0;
    int32_t value = 0;
    ASSERT_TRUE(record.ReadU32(size));
    EXPECT_EQ(kWork.size(), size);
    ASSERT_TRUE(record.Skip(size));
    ASSERT_TRUE(record.ReadI32(value));
    EXPECT_EQ(1, value);
    ASSERT_TRUE(record.ReadI32(value));
    EXPECT_EQ(0, value);
    ASSERT_TRUE(record.Skip(4 * 5));
    ASSERT_TRUE(record.ReadI32(value));
    EXPECT_EQ(3, value);
    ASSERT_TRUE(record.ReadI32(value));
    EXPECT_EQ(kCommentStyle, value);
}

TEST(TabListFile, NoShownFolderIsWrittenAsSizeZeroAndReadAsNone) {
    TabList list;
    list.tabs.push_back(Tab(kWork, false, kIconStyle, 0));
    datafile::PayloadWriter payload;
    tablist::EncodeTabList(list, payload);
    EXPECT_EQ(std::vector<uint8_t>({0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0}),
              std::vector<uint8_t>(payload.Bytes().begin(), payload.Bytes().begin() + 12));
    TabList read = Decode(payload.Bytes());
    EXPECT_TRUE(read.mainFolder.empty());
    EXPECT_TRUE(read.subFolder.empty());
    EXPECT_EQ(std::vector<IdList>{kWork}, Folders(read));
}

TEST(TabListFile, OlderVersionsStartWithTheCount) {
    datafile::PayloadWriter payload;
    payload.PutU32(2);
    Put(payload, Raw(kWork));
    Put(payload, Raw(kPhotos));
    TabList read = Decode(payload.Bytes(), 90);
    EXPECT_TRUE(read.mainFolder.empty());
    EXPECT_EQ((std::vector<IdList>{kWork, kPhotos}), Folders(read));
    // Read as version 100, the count and the first record's size would be taken for lists.
    EXPECT_NE(2u, Decode(payload.Bytes(), 100).tabs.size());
}

TEST(TabListFile, TheCountOnlyLimitsTheRecordsRead) {
    EXPECT_EQ(std::vector<IdList>{kWork}, Folders(Decode(Payload(0x7FFFFFFF, {Raw(kWork)}))));
    EXPECT_EQ(std::vector<IdList>{kWork}, Folders(Decode(Payload(0xFFFFFFFF, {Raw(kWork)}))));
    EXPECT_EQ(std::vector<IdList>{kWork}, Folders(Decode(Payload(1, {Raw(kWork), Raw(kPhotos)}))));
    EXPECT_TRUE(Decode(Payload(0, {Raw(kWork)})).tabs.empty());
}

TEST(TabListFile, ALengthPastTheEndStopsAtItsRecordKeepingTheOnesBefore) {
    for (uint32_t size : {0xFFFFFFFFu, 0x80000000u, 0x7FFFFFFFu, 1000u}) {
        RawRecord huge = Raw(kPhotos);
        huge.folderSize = size;
        TabList read = Decode(Payload(3, {Raw(kWork), huge, Raw(kDesktop)}));
        EXPECT_EQ(std::vector<IdList>{kWork}, Folders(read)) << size;
    }
    for (uint32_t length : {0xFFFFFFFFu, 0x80000000u, 261u}) {
        RawRecord titled = Raw(kPhotos);
        titled.customTitle = 1;
        titled.titleLength = length;
        EXPECT_EQ(std::vector<IdList>{kWork}, Folders(Decode(Payload(3, {Raw(kWork), titled, Raw(kDesktop)}))))
            << length;
    }
}

TEST(TabListFile, ACustomTitleUpToTheLimitIsPassedOver) {
    RawRecord titled = Raw(kPhotos);
    titled.customTitle = -7;
    titled.titleLength = 260;
    titled.title = std::string(260, 'x');
    titled.style = kListStyle;
    TabList read = Decode(Payload(2, {titled, Raw(kWork)}));
    ASSERT_EQ((std::vector<IdList>{kPhotos, kWork}), Folders(read));
    EXPECT_EQ(kListStyle, read.tabs[0].view.style);
}

TEST(TabListFile, AFileEndingInsideARecordKeepsEveryCompleteRecordBeforeIt) {
    std::vector<uint8_t> whole = Payload(3, {Raw(kWork), Raw(kPhotos), Raw(kDesktop)});
    const size_t head = 12;
    const size_t fields = 4 * (1 + 1 + 5 + 1 + 1 + 7);
    const size_t first = head + 4 + kWork.size() + fields;
    const size_t second = first + 4 + kPhotos.size() + fields;
    ASSERT_EQ(second + 4 + kDesktop.size() + fields, whole.size());
    for (size_t cut = 0; cut <= whole.size(); ++cut) {
        std::vector<uint8_t> bytes(whole.begin(), whole.begin() + cut);
        size_t expected = cut < first ? 0 : cut < second ? 1 : cut < whole.size() ? 2 : 3;
        EXPECT_EQ(expected, Decode(bytes).tabs.size()) << "cut at " << cut;
    }
}

TEST(TabListFile, AFolderThatIsNotOneWholeListIsSkipped) {
    IdList pastItsSize = kWork;
    pastItsSize[0] = 0x40;
    IdList trailing = kWork;
    trailing.push_back(0x55);
    IdList countOfOne = {1, 0, 0, 0};
    for (const IdList& bad : {IdList{}, IdList{0}, pastItsSize, trailing, countOfOne}) {
        TabList read = Decode(Payload(3, {Raw(kWork), Raw(bad), Raw(kPhotos)}));
        EXPECT_EQ((std::vector<IdList>{kWork, kPhotos}), Folders(read)) << bad.size();
    }
}

TEST(TabListFile, ShownFoldersThatAreNotWholeListsAreNoneAndOnesPastTheEndStopTheLoad) {
    datafile::PayloadWriter payload;
    payload.PutU32(1);
    payload.PutBytes("\0", 1);
    payload.PutU32(static_cast<uint32_t>(kPhotos.size()));
    payload.PutBytes(kPhotos.data(), kPhotos.size());
    payload.PutU32(1);
    Put(payload, Raw(kWork));
    TabList read = Decode(payload.Bytes());
    EXPECT_TRUE(read.mainFolder.empty());
    EXPECT_EQ(kPhotos, read.subFolder);
    EXPECT_EQ(std::vector<IdList>{kWork}, Folders(read));

    datafile::PayloadWriter past;
    past.PutU32(0xFFFFFFF0u);
    past.PutU32(0);
    past.PutU32(1);
    Put(past, Raw(kWork));
    read = Decode(past.Bytes());
    EXPECT_TRUE(read.mainFolder.empty());
    EXPECT_TRUE(read.tabs.empty());
}

TEST(TabListFile, ViewStatesComeBackAsAListCanShowThem) {
    RawRecord odd = Raw(kWork);
    odd.locked = 7;
    odd.style = 12;
    odd.column = -3;
    odd.directions = {1, 2, -1, 1, 0x7FFFFFFF};
    odd.widths = {-5, 60, 70, 80, 90, 100, -1};
    RawRecord comment = Raw(kPhotos);
    comment.style = kCommentStyle;
    comment.column = 4;
    TabList read = Decode(Payload(2, {odd, comment}));
    ASSERT_EQ(2u, read.tabs.size());
    const SavedTab& mended = read.tabs[0];
    EXPECT_TRUE(mended.locked);
    EXPECT_EQ(kDetailsStyle, mended.view.style);
    EXPECT_EQ(0, mended.view.sort.column);
    EXPECT_EQ((std::array<int, 5>{1, 0, 0, 1, 0}), mended.view.sort.directions);
    EXPECT_EQ((std::array<int, 7>{150, 60, 70, 80, 90, 100, 150}), mended.view.columnWidths);
    EXPECT_FALSE(read.tabs[1].locked);
    EXPECT_EQ(kCommentStyle, read.tabs[1].view.style);
    EXPECT_EQ(4, read.tabs[1].view.sort.column);
}

TEST(TabListFile, StartSelectionsFallBackToTheFirstTabAndNeverShowOneTabTwice) {
    auto pair = [](tabs::Selections s) { return std::make_pair(s.main, s.sub); };
    EXPECT_EQ(std::make_pair(3, 5), pair(tablist::StartSelections(3, 5)));
    EXPECT_EQ(std::make_pair(1, 5), pair(tablist::StartSelections(-1, 5)));
    EXPECT_EQ(std::make_pair(2, -1), pair(tablist::StartSelections(2, -1)));
    EXPECT_EQ(std::make_pair(4, -1), pair(tablist::StartSelections(4, 4)));
    EXPECT_EQ(std::make_pair(1, -1), pair(tablist::StartSelections(-1, 1)));
    EXPECT_EQ(std::make_pair(1, -1), pair(tablist::StartSelections(-1, -1)));
}

}  // namespace
