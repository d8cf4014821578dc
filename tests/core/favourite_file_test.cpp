#include "core/favourite_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/core/id_list_bytes.h"

namespace {

using favfile::Favourite;
using favfile::IdList;
using favfile::Node;

std::vector<Node> Load(const std::vector<uint8_t>& file) {
    datafile::Parsed parsed = datafile::Parse(file);
    if (!parsed.valid) return {};
    return favfile::DecodeTree(parsed.payload);
}

std::vector<uint8_t> Save(const std::vector<Node>& tree) {
    datafile::PayloadWriter payload;
    favfile::EncodeTree(tree, payload);
    return datafile::Frame(favfile::kVersion, payload.Bytes());
}

Favourite MakeFavourite(const std::string& label, const IdList& folder) {
    Favourite favourite;
    favourite.label = label;
    favourite.folder = folder;
    return favourite;
}

Node Group(const std::string& label, std::vector<Favourite> children = {}) {
    Node node;
    node.group = true;
    node.label = label;
    node.children = std::move(children);
    return node;
}

Node Single(const Favourite& favourite) {
    Node node;
    node.favourite = favourite;
    return node;
}

void ExpectSameFavourite(const Favourite& expected, const Favourite& actual) {
    EXPECT_EQ(expected.label, actual.label);
    EXPECT_EQ(expected.folder, actual.folder);
    EXPECT_EQ(expected.locked, actual.locked);
    EXPECT_EQ(expected.view.style, actual.view.style);
    EXPECT_EQ(expected.view.sort.column, actual.view.sort.column);
    EXPECT_EQ(expected.view.sort.directions, actual.view.sort.directions);
    EXPECT_EQ(expected.view.columnWidths, actual.view.columnWidths);
}

// Names of the top-level nodes, a group's favourites after it indented by a space.
std::vector<std::string> Outline(const std::vector<Node>& tree) {
    std::vector<std::string> lines;
    for (const Node& node : tree) {
        lines.push_back(node.group ? node.label : node.favourite.label);
        for (const Favourite& child : node.children) lines.push_back(" " + child.label);
    }
    return lines;
}

void PutU32(std::vector<uint8_t>& bytes, uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<uint8_t>(value >> shift));
}

void PutLabel(std::vector<uint8_t>& bytes, const std::string& label) {
    PutU32(bytes, static_cast<uint32_t>(label.size()));
    bytes.insert(bytes.end(), label.begin(), label.end());
}

std::vector<uint8_t> Header(uint32_t count) {
    std::vector<uint8_t> bytes = {'T', 'S', 'Y'};
    PutU32(bytes, favfile::kVersion);
    PutU32(bytes, count);
    return bytes;
}

void PutGroup(std::vector<uint8_t>& bytes, const std::string& label) {
    PutU32(bytes, 0);
    PutLabel(bytes, label);
}

// A favourite's record; a title is written when one is given.
void PutFavourite(std::vector<uint8_t>& bytes, const std::string& label, uint32_t inGroup, const IdList& folder,
                  const std::string* title = nullptr, uint32_t titleLength = 0) {
    PutU32(bytes, 1);
    PutLabel(bytes, label);
    PutU32(bytes, inGroup);
    PutU32(bytes, static_cast<uint32_t>(folder.size()));
    bytes.insert(bytes.end(), folder.begin(), folder.end());
    PutU32(bytes, 0);
    PutU32(bytes, title ? 1 : 0);
    if (title) {
        PutU32(bytes, titleLength);
        bytes.insert(bytes.end(), title->begin(), title->end());
    }
    for (int field = 0; field < 5 + 1 + 1 + 7; ++field) PutU32(bytes, 0);
}

using Lines = std::vector<std::string>;

TEST(FavouriteFileTest, TheTreeComesBackInOrderWithItsFieldsAndTheCountOfEveryNode) {
    Favourite desktop = MakeFavourite("デスクトップ", ListOf({}));
    Favourite work = MakeFavourite("仕事", ListOf({"drive", "work"}));
    work.locked = true;
    work.view.style = kCommentStyle;
    work.view.sort.column = 3;
    work.view.sort.directions = {1, 0, 1, 0, 1};
    work.view.columnWidths = {1, 2, 3, 4, 5, 6, 7};
    Favourite loose = MakeFavourite("外", ListOf({"drive"}));
    std::vector<Node> tree = {Group("スタートアップ"), Group("よく使う", {desktop, work}), Single(loose)};
    std::vector<uint8_t> file = Save(tree);
    ASSERT_EQ((std::vector<uint8_t>{'T', 'S', 'Y', 90, 0, 0, 0, 5, 0, 0, 0}),
              std::vector<uint8_t>(file.begin(), file.begin() + 11))
        << "three top-level nodes and two favourites in a group";
    std::vector<Node> loaded = Load(file);
    ASSERT_EQ((Lines{"スタートアップ", "よく使う", " デスクトップ", " 仕事", "外"}), Outline(loaded));
    EXPECT_TRUE(loaded[0].group && loaded[1].group);
    EXPECT_FALSE(loaded[2].group);
    ExpectSameFavourite(desktop, loaded[1].children[0]);
    ExpectSameFavourite(work, loaded[1].children[1]);
    ExpectSameFavourite(loose, loaded[2].favourite);
    EXPECT_EQ(file, Save(loaded));
}

TEST(FavouriteFileTest, AnEmptyTreeIsWrittenWithACountOfZero) {
    std::vector<uint8_t> file = Save({});
    EXPECT_EQ((std::vector<uint8_t>{'T', 'S', 'Y', 90, 0, 0, 0, 0, 0, 0, 0}), file);
    EXPECT_TRUE(Load(file).empty());
}

TEST(FavouriteFileTest, AFavouriteInAGroupBeforeAnyGroupGoesToTheRootAndLaterOnesToTheLastGroup) {
    std::vector<uint8_t> file = Header(5);
    PutFavourite(file, "先", 1, ListOf({"a"}));
    PutGroup(file, "組");
    PutFavourite(file, "根", 0, ListOf({"b"}));
    PutFavourite(file, "中", 1, ListOf({"c"}));
    PutFavourite(file, "変", 7, ListOf({"d"}));
    EXPECT_EQ((Lines{"先", "組", " 中", "根", "変"}), Outline(Load(file)))
        << "an in-group flag other than 1 is the root's";
}

TEST(FavouriteFileTest, LabelsUpToTheirBufferLoadAndALongerOrNegativeLengthEndsTheLoad) {
    const std::string longest(favfile::kLongestLabel, 'x');
    std::vector<uint8_t> file = Header(3);
    PutGroup(file, longest);
    PutGroup(file, std::string(favfile::kLongestLabel + 1, 'y'));
    PutGroup(file, "after");
    EXPECT_EQ((Lines{longest}), Outline(Load(file)));

    file = Header(3);
    PutGroup(file, "first");
    PutU32(file, 1);
    PutU32(file, 0xFFFFFFFF);
    PutFavourite(file, "after", 0, ListOf({"a"}));
    EXPECT_EQ((Lines{"first"}), Outline(Load(file)));
}

TEST(FavouriteFileTest, AKindOtherThanGroupOrFavouriteEndsTheLoad) {
    std::vector<uint8_t> file = Header(3);
    PutGroup(file, "組");
    PutU32(file, 2);
    PutLabel(file, "何");
    PutGroup(file, "after");
    EXPECT_EQ((Lines{"組"}), Outline(Load(file)));
}

TEST(FavouriteFileTest, ATitleUpToAPathBufferIsPassedOverAndALongerOneEndsTheLoad) {
    const std::string fits(favfile::kLongestTitle, 't');
    const std::string tooLong(favfile::kLongestTitle + 1, 't');
    std::vector<uint8_t> file = Header(3);
    PutFavourite(file, "題", 0, ListOf({"a"}), &fits, static_cast<uint32_t>(fits.size()));
    PutFavourite(file, "長", 0, ListOf({"b"}), &tooLong, static_cast<uint32_t>(tooLong.size()));
    PutFavourite(file, "after", 0, ListOf({"c"}));
    std::vector<Node> loaded = Load(file);
    ASSERT_EQ((Lines{"題"}), Outline(loaded));
    EXPECT_EQ(ListOf({"a"}), loaded[0].favourite.folder);
}

TEST(FavouriteFileTest, AFolderThatIsNotOneWholeListIsPassedOverAndTheLoadGoesOn) {
    IdList runsOver = ListOf({"child"});
    runsOver[0] = 40;  // the item claims more bytes than the list holds
    IdList trailing = ListOf({"tail"});
    trailing.push_back(9);  // a byte after the terminator
    std::vector<uint8_t> file = Header(5);
    PutGroup(file, "組");
    PutFavourite(file, "越", 1, runsOver);
    PutFavourite(file, "余", 1, trailing);
    PutFavourite(file, "空", 1, IdList());
    PutFavourite(file, "良", 1, ListOf({"good"}));
    std::vector<Node> loaded = Load(file);
    ASSERT_EQ((Lines{"組", " 良"}), Outline(loaded));
    EXPECT_EQ(ListOf({"good"}), loaded[0].children[0].folder);
}

TEST(FavouriteFileTest, AHugeCountOrAShortRecordReadsOnlyTheCompleteNodes) {
    std::vector<uint8_t> file = Header(0x7FFFFFFF);
    PutGroup(file, "組");
    PutFavourite(file, "一", 1, ListOf({"a"}));
    EXPECT_EQ((Lines{"組", " 一"}), Outline(Load(file)));

    std::vector<uint8_t> cut = file;
    PutFavourite(cut, "二", 1, ListOf({"b"}));
    cut.resize(cut.size() - 3);
    EXPECT_EQ((Lines{"組", " 一"}), Outline(Load(cut)));

    cut = file;
    PutU32(cut, 1);
    PutLabel(cut, "大");
    PutU32(cut, 1);
    PutU32(cut, 0xFFFFFFF0);  // a folder size past the end
    EXPECT_EQ((Lines{"組", " 一"}), Outline(Load(cut)));
}

}  // namespace
