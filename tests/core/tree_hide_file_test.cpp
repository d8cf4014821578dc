#include "core/tree_hide_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/core/id_list_bytes.h"

namespace {

using treehide::Entry;
using treehide::IdList;

std::vector<Entry> Load(const std::vector<uint8_t>& file) {
    datafile::Parsed parsed = datafile::Parse(file);
    if (!parsed.valid) return {};
    return treehide::DecodeEntries(parsed.payload);
}

void PutU32(std::vector<uint8_t>& bytes, uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<uint8_t>(value >> shift));
}

void PutList(std::vector<uint8_t>& bytes, const IdList& list) {
    PutU32(bytes, static_cast<uint32_t>(list.size()));
    bytes.insert(bytes.end(), list.begin(), list.end());
}

std::vector<uint8_t> Header(uint32_t count) {
    std::vector<uint8_t> bytes = {'T', 'S', 'Y'};
    PutU32(bytes, treehide::kVersion);
    PutU32(bytes, count);
    return bytes;
}

TEST(TreeHideFileTest, EntriesComeBackInOrderWithAnEmptiedEntryKept) {
    std::vector<Entry> entries = {{ListOf({"drive", "work"}), {ListOf({"old"}), ListOf({"表"})}},
                                  {ListOf({"drive"}), {}},
                                  {ListOf({}), {ListOf({"desk"})}}};
    std::vector<uint8_t> file = treehide::EncodeFile(entries);
    ASSERT_EQ((std::vector<uint8_t>{'T', 'S', 'Y', 90, 0, 0, 0, 3, 0, 0, 0}),
              std::vector<uint8_t>(file.begin(), file.begin() + 11));
    std::vector<Entry> loaded = Load(file);
    ASSERT_EQ(3u, loaded.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(entries[i].parent, loaded[i].parent);
        EXPECT_EQ(entries[i].children, loaded[i].children);
    }
}

TEST(TreeHideFileTest, NoEntriesIsFourZeroBytesThatReadAsNoFile) {
    std::vector<uint8_t> file = treehide::EncodeFile({});
    EXPECT_EQ((std::vector<uint8_t>{0, 0, 0, 0}), file);
    EXPECT_FALSE(datafile::Parse(file).valid);
}

TEST(TreeHideFileTest, AHugeCountReadsOnlyTheRecordsThatAreThere) {
    std::vector<uint8_t> file = Header(0x7FFFFFFF);
    PutList(file, ListOf({"parent"}));
    PutU32(file, 0x7FFFFFFF);
    PutList(file, ListOf({"child"}));
    std::vector<Entry> loaded = Load(file);
    EXPECT_TRUE(loaded.empty()) << "the entry's children ran past the end, so it is not complete";

    file = Header(2);
    PutList(file, ListOf({"first"}));
    PutU32(file, 1);
    PutList(file, ListOf({"child"}));
    PutList(file, ListOf({"second"}));
    PutU32(file, 0xFFFFFFF0);  // a size past the end: the second entry ends the load
    loaded = Load(file);
    ASSERT_EQ(1u, loaded.size());
    EXPECT_EQ(ListOf({"first"}), loaded[0].parent);
}

TEST(TreeHideFileTest, ListsThatAreNotWholeArePassedOverAndTheLoadGoesOn) {
    IdList runsOver = ListOf({"child"});
    runsOver[0] = 40;  // the item claims more bytes than the list holds
    std::vector<uint8_t> file = Header(2);
    PutList(file, ListOf({"parent"}));
    PutU32(file, 3);
    PutList(file, IdList{0});  // one byte: smaller than the terminator
    PutList(file, runsOver);
    PutList(file, ListOf({"kept"}));
    PutList(file, IdList{1, 0, 0, 0});  // an item count too small to hold itself
    PutU32(file, 1);
    PutList(file, ListOf({"orphan"}));
    std::vector<Entry> loaded = Load(file);
    ASSERT_EQ(1u, loaded.size());
    EXPECT_EQ(std::vector<IdList>{ListOf({"kept"})}, loaded[0].children);
}

}  // namespace
