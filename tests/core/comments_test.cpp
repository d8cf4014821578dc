#include "core/comments.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

// Drives by root (any other root is not there) and the paths that exist, with every question
// recorded.
class FakeDisk : public CommentDisk {
public:
    DriveKind KindOfDrive(const std::string& root) override {
        askedDrive.push_back(root);
        std::map<std::string, DriveKind>::const_iterator found = drives.find(root);
        return found == drives.end() ? DriveKind::NoRootDir : found->second;
    }
    bool Exists(const std::string& path) override {
        askedExists.push_back(path);
        return present.count(path) > 0;
    }

    std::map<std::string, DriveKind> drives;
    std::set<std::string> present;
    std::vector<std::string> askedDrive;
    std::vector<std::string> askedExists;
};

// Every path on a fixed C: exists.
class EverythingThere : public CommentDisk {
public:
    DriveKind KindOfDrive(const std::string&) override { return DriveKind::Fixed; }
    bool Exists(const std::string&) override { return true; }
};

void PutText(datafile::PayloadWriter& payload, const std::string& text) {
    payload.PutI32(static_cast<int32_t>(text.size()));
    payload.PutBytes(text.data(), text.size());
}

void PutPair(datafile::PayloadWriter& payload, const std::string& key, const std::string& comment) {
    PutText(payload, key);
    PutText(payload, comment);
}

CommentTable Decode(const std::vector<uint8_t>& bytes, CommentDisk& disk) {
    datafile::PayloadReader reader(bytes.data(), bytes.size());
    return DecodeComments(reader, disk, &dbcs::IsShiftJisLeadByte);
}

CommentTable Decode(const std::vector<uint8_t>& bytes) {
    EverythingThere disk;
    return Decode(bytes, disk);
}

std::vector<uint8_t> Encode(const CommentTable& table) {
    datafile::PayloadWriter payload;
    EncodeComments(table, payload);
    return payload.Bytes();
}

std::vector<std::string> Keys(const CommentTable& table) {
    std::vector<std::string> keys;
    for (const CommentTable::Entries::value_type& entry : table.All()) keys.push_back(entry.first);
    return keys;
}

TEST(CommentTable, AbsentPathHasNoCommentAndEmptiesTheText) {
    CommentTable table;
    std::string text = "left over";
    EXPECT_FALSE(table.GetComment("C:\\a.txt", text));
    EXPECT_EQ("", text);
}

TEST(CommentTable, SetInsertsReplacesAndEmptyRemoves) {
    CommentTable table;
    std::string text;
    table.SetCommentByPath("C:\\a.txt", "最初");
    ASSERT_TRUE(table.GetComment("C:\\a.txt", text));
    EXPECT_EQ("最初", text);
    table.SetCommentByPath("C:\\a.txt", "次");
    ASSERT_TRUE(table.GetComment("C:\\a.txt", text));
    EXPECT_EQ("次", text);
    table.SetCommentByPath("C:\\a.txt", "");
    EXPECT_FALSE(table.GetComment("C:\\a.txt", text));
    EXPECT_TRUE(table.Empty());
    table.SetCommentByPath("C:\\never.txt", "");
    EXPECT_TRUE(table.Empty());
}

TEST(CommentTable, KeysDifferingInCaseOrSeparatorAreDifferentComments) {
    CommentTable table;
    table.SetCommentByPath("C:\\Dir\\File.txt", "upper");
    table.SetCommentByPath("c:\\dir\\file.txt", "lower");
    table.SetCommentByPath("C:/Dir/File.txt", "slashes");
    std::string text;
    ASSERT_TRUE(table.GetComment("C:\\Dir\\File.txt", text));
    EXPECT_EQ("upper", text);
    ASSERT_TRUE(table.GetComment("c:\\dir\\file.txt", text));
    EXPECT_EQ("lower", text);
    ASSERT_TRUE(table.GetComment("C:/Dir/File.txt", text));
    EXPECT_EQ("slashes", text);
    EXPECT_FALSE(table.GetComment("C:\\DIR\\FILE.TXT", text));
    EXPECT_FALSE(table.GetComment("C:\\Dir\\File.txt\\", text));
    EXPECT_EQ(3u, table.All().size());
}

TEST(CommentTable, OrderedByUnsignedBytesWithPrefixFirst) {
    CommentTable table;
    for (const char* key : {"b", "a\\x", "\x95\x5c", "a", "A", "ab"}) table.SetCommentByPath(key, "c");
    EXPECT_EQ((std::vector<std::string>{"A", "a", "a\\x", "ab", "b", "\x95\x5c"}), Keys(table));
}

TEST(CommentFile, EncodesCountThenPairsInKeyOrder) {
    CommentTable table;
    table.SetCommentByPath("C:\\b", "x");
    table.SetCommentByPath("C:\\a", "注");
    datafile::PayloadWriter payload;
    EncodeComments(table, payload);
    const uint8_t expected[] = {2,    0,    0, 0, 4, 0, 0,   0,   'C',  ':', '\\', 'a', 2, 0, 0,  0,
                                0x92, 0x8d, 4, 0, 0, 0, 'C', ':', '\\', 'b', 1,    0,   0, 0, 'x'};
    EXPECT_EQ(std::vector<uint8_t>(expected, expected + sizeof expected), payload.Bytes());
    std::vector<uint8_t> file = datafile::Frame(kCommentFileVersion, payload.Bytes());
    EXPECT_EQ(std::vector<uint8_t>({'T', 'S', 'Y', 90, 0, 0, 0, 2, 0, 0, 0}),
              std::vector<uint8_t>(file.begin(), file.begin() + 11));
}

TEST(CommentFile, RoundTripIsByteExact) {
    CommentTable table;
    table.SetCommentByPath("C:\\資料\\表.txt", "表の説明");
    table.SetCommentByPath("C:", "ドライブ");
    table.SetCommentByPath("\\\\server\\share\\f", std::string(1000, 'w'));
    table.SetCommentByPath("マイ コンピュータ", "virtual");
    table.SetCommentByPath("C:\\a", std::string("zero\0inside", 11));
    std::vector<uint8_t> bytes = Encode(table);
    CommentTable loaded = Decode(bytes);
    EXPECT_EQ(table.All(), loaded.All());
    EXPECT_EQ(bytes, Encode(loaded));
}

TEST(CommentFile, EmptyTableEncodesAZeroCount) {
    EXPECT_EQ(std::vector<uint8_t>({0, 0, 0, 0}), Encode(CommentTable()));
}

// Cut anywhere, the file gives exactly the pairs that end before the cut.
TEST(CommentFile, CutAnywhereKeepsTheCompletePairsBeforeTheCut) {
    datafile::PayloadWriter payload;
    payload.PutI32(3);
    std::vector<size_t> pairEnds;
    const std::vector<std::pair<std::string, std::string>> pairs = {
        {"C:\\one", "一"}, {"C:\\two", "second"}, {"C:\\three", "三番目"}};
    for (const std::pair<std::string, std::string>& pair : pairs) {
        PutPair(payload, pair.first, pair.second);
        pairEnds.push_back(payload.Bytes().size());
    }
    const std::vector<uint8_t>& whole = payload.Bytes();
    for (size_t cut = 0; cut <= whole.size(); ++cut) {
        CommentTable loaded = Decode(std::vector<uint8_t>(whole.begin(), whole.begin() + cut));
        CommentTable expected;
        for (size_t i = 0; i < pairs.size(); ++i) {
            if (pairEnds[i] <= cut) expected.SetCommentByPath(pairs[i].first, pairs[i].second);
        }
        EXPECT_EQ(expected.All(), loaded.All()) << "cut at " << cut;
    }
}

TEST(CommentFile, KeyLengthBeyondTheFileStopsAtThatRecord) {
    datafile::PayloadWriter payload;
    payload.PutI32(3);
    PutPair(payload, "C:\\kept", "yes");
    payload.PutI32(0x7FFFFFFF);
    PutPair(payload, "C:\\after", "no");
    CommentTable loaded = Decode(payload.Bytes());
    EXPECT_EQ(std::vector<std::string>{"C:\\kept"}, Keys(loaded));
}

TEST(CommentFile, NegativeKeyLengthStopsAtThatRecord) {
    datafile::PayloadWriter payload;
    payload.PutI32(3);
    PutPair(payload, "C:\\kept", "yes");
    payload.PutI32(-1);
    PutPair(payload, "C:\\after", "no");
    CommentTable loaded = Decode(payload.Bytes());
    EXPECT_EQ(std::vector<std::string>{"C:\\kept"}, Keys(loaded));
}

TEST(CommentFile, CommentLengthBeyondTheFileStopsAtThatRecord) {
    datafile::PayloadWriter payload;
    payload.PutI32(2);
    PutPair(payload, "C:\\kept", "yes");
    PutText(payload, "C:\\cut");
    payload.PutI32(1000);
    payload.PutBytes("abc", 3);
    CommentTable loaded = Decode(payload.Bytes());
    EXPECT_EQ(std::vector<std::string>{"C:\\kept"}, Keys(loaded));
}

TEST(CommentFile, ZeroOrNegativeCommentLengthIsAnEmptyCommentThatIsNotStored) {
    datafile::PayloadWriter payload;
    payload.PutI32(3);
    PutText(payload, "C:\\negative");
    payload.PutI32(-5);
    PutText(payload, "C:\\zero");
    payload.PutI32(0);
    PutPair(payload, "C:\\after", "read on");
    CommentTable loaded = Decode(payload.Bytes());
    EXPECT_EQ(std::vector<std::string>{"C:\\after"}, Keys(loaded));
}

TEST(CommentFile, CountBoundsThePairsRead) {
    datafile::PayloadWriter payload;
    payload.PutI32(1);
    PutPair(payload, "C:\\first", "1");
    PutPair(payload, "C:\\second", "2");
    EXPECT_EQ(std::vector<std::string>{"C:\\first"}, Keys(Decode(payload.Bytes())));

    datafile::PayloadWriter negative;
    negative.PutI32(-1);
    PutPair(negative, "C:\\first", "1");
    EXPECT_TRUE(Decode(negative.Bytes()).Empty());

    datafile::PayloadWriter huge;
    huge.PutI32(0x7FFFFFFF);
    PutPair(huge, "C:\\first", "1");
    EXPECT_EQ(std::vector<std::string>{"C:\\first"}, Keys(Decode(huge.Bytes())));
}

TEST(CommentFile, KeyMetAgainKeepsItsFirstComment) {
    datafile::PayloadWriter payload;
    payload.PutI32(2);
    PutPair(payload, "C:\\same", "first");
    PutPair(payload, "C:\\same", "second");
    std::string text;
    ASSERT_TRUE(Decode(payload.Bytes()).GetComment("C:\\same", text));
    EXPECT_EQ("first", text);
}

TEST(CommentFile, KeyWithAZeroByteIsDroppedAndReadingGoesOn) {
    datafile::PayloadWriter payload;
    payload.PutI32(2);
    PutPair(payload, std::string("C:\\kept\0junk", 12), "cut short");
    PutPair(payload, "C:\\next", "kept");
    FakeDisk disk;
    disk.drives["C:\\"] = DriveKind::Fixed;
    disk.present = {"C:\\kept", "C:\\next"};
    EXPECT_EQ(std::vector<std::string>{"C:\\next"}, Keys(Decode(payload.Bytes(), disk)));
    EXPECT_EQ(std::vector<std::string>{"C:\\next"}, disk.askedExists);
}

TEST(CommentDrives, OnlyRemovableDiscAndAbsentDrivesKeepCommentsUnchecked) {
    EXPECT_TRUE(KeptOnlyWhileItExists(DriveKind::Unknown));
    EXPECT_FALSE(KeptOnlyWhileItExists(DriveKind::NoRootDir));
    EXPECT_FALSE(KeptOnlyWhileItExists(DriveKind::Removable));
    EXPECT_TRUE(KeptOnlyWhileItExists(DriveKind::Fixed));
    EXPECT_TRUE(KeptOnlyWhileItExists(DriveKind::Remote));
    EXPECT_FALSE(KeptOnlyWhileItExists(DriveKind::CdRom));
    EXPECT_TRUE(KeptOnlyWhileItExists(DriveKind::RamDisk));
}

TEST(CommentDrives, SystemCodesMapToDriveTypes) {
    EXPECT_EQ(DriveKind::Unknown, DriveKindFromCode(0));
    EXPECT_EQ(DriveKind::NoRootDir, DriveKindFromCode(1));
    EXPECT_EQ(DriveKind::Removable, DriveKindFromCode(2));
    EXPECT_EQ(DriveKind::Fixed, DriveKindFromCode(3));
    EXPECT_EQ(DriveKind::Remote, DriveKindFromCode(4));
    EXPECT_EQ(DriveKind::CdRom, DriveKindFromCode(5));
    EXPECT_EQ(DriveKind::RamDisk, DriveKindFromCode(6));
    EXPECT_EQ(DriveKind::Unknown, DriveKindFromCode(7));
    EXPECT_EQ(DriveKind::Unknown, DriveKindFromCode(0xFFFFFFFFu));
}

TEST(CommentDrives, RootOfAKey) {
    auto root = [](const std::string& key) { return CommentKeyRoot(key, &dbcs::IsShiftJisLeadByte); };
    EXPECT_EQ("C:\\", root("C:"));
    EXPECT_EQ("C:\\", root("C:\\Dir\\file.txt"));
    EXPECT_EQ("z:\\", root("z:\\tmp"));
    EXPECT_EQ("", root("C:file.txt"));
    EXPECT_EQ("", root("1:\\x"));
    EXPECT_EQ("\\\\server\\share\\", root("\\\\server\\share"));
    EXPECT_EQ("\\\\server\\share\\", root("\\\\server\\share\\dir\\file"));
    EXPECT_EQ("", root("\\\\server"));
    EXPECT_EQ("", root("\\\\server\\"));
    EXPECT_EQ("", root("\\\\\\share"));
    EXPECT_EQ("", root("\\\\"));
    EXPECT_EQ("", root("\\dir"));
    EXPECT_EQ("", root("マイ コンピュータ"));
    EXPECT_EQ("", root(""));
    // 表 is 95 5C: its trail byte is not the end of the server or share name.
    EXPECT_EQ("\\\\\x95\x5c\\\x95\x5c\\", root("\\\\\x95\x5c\\\x95\x5c\\file"));
    EXPECT_EQ("", root("\\\\\x95\x5c"));
}

class CommentLoadTest : public testing::Test {
protected:
    void SetUp() override {
        disk_.drives = {{"C:\\", DriveKind::Fixed},
                        {"E:\\", DriveKind::Removable},
                        {"Q:\\", DriveKind::CdRom},
                        {"N:\\", DriveKind::Remote},
                        {"R:\\", DriveKind::RamDisk},
                        {"U:\\", DriveKind::Unknown},
                        {"\\\\srv\\share\\", DriveKind::Remote}};
    }
    std::vector<std::string> Load(const std::vector<std::string>& keys) {
        datafile::PayloadWriter payload;
        payload.PutI32(static_cast<int32_t>(keys.size()));
        for (const std::string& key : keys) PutPair(payload, key, "comment of " + key);
        return Keys(Decode(payload.Bytes(), disk_));
    }
    FakeDisk disk_;
};

TEST_F(CommentLoadTest, GoneFromFixedNetworkRamOrUnknownDriveIsDropped) {
    disk_.present = {"C:\\here", "N:\\here", "R:\\here", "U:\\here", "\\\\srv\\share\\here"};
    std::vector<std::string> keys = {"C:\\here",
                                     "C:\\gone",
                                     "N:\\here",
                                     "N:\\gone",
                                     "R:\\here",
                                     "R:\\gone",
                                     "U:\\here",
                                     "U:\\gone",
                                     "\\\\srv\\share\\here",
                                     "\\\\srv\\share\\gone"};
    EXPECT_EQ((std::vector<std::string>{"C:\\here", "N:\\here", "R:\\here", "U:\\here", "\\\\srv\\share\\here"}),
              Load(keys));
    EXPECT_EQ(keys, disk_.askedExists);
}

TEST_F(CommentLoadTest, RemovableDiscAndAbsentDrivesAreNotTouched) {
    std::vector<std::string> keys = {"E:\\card\\photo.jpg", "Q:\\disc\\track", "X:\\drive gone", "\\\\gone\\share\\f"};
    std::vector<std::string> loaded = Load(keys);
    std::sort(keys.begin(), keys.end());
    EXPECT_EQ(keys, loaded);
    EXPECT_TRUE(disk_.askedExists.empty());
}

TEST_F(CommentLoadTest, KeyWithoutARootIsKeptWithoutAskingTheDisk) {
    EXPECT_EQ((std::vector<std::string>{"\\\\server", "コントロール パネル"}),
              Load({"コントロール パネル", "\\\\server"}));
    EXPECT_TRUE(disk_.askedDrive.empty());
    EXPECT_TRUE(disk_.askedExists.empty());
}

TEST_F(CommentLoadTest, TheDriveIsAskedByItsRoot) {
    disk_.present = {"C:\\dir\\file", "C:"};
    EXPECT_EQ((std::vector<std::string>{"C:", "C:\\dir\\file"}), Load({"C:\\dir\\file", "C:"}));
    EXPECT_EQ((std::vector<std::string>{"C:\\", "C:\\"}), disk_.askedDrive);
}

}  // namespace
