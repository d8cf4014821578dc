#include "core/id_list_array.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "tests/core/id_list_bytes.h"

namespace {

using Bytes = std::vector<uint8_t>;

idarray::Span SpanOf(const Bytes& bytes) { return idarray::Span{bytes.data(), bytes.size()}; }

Bytes BytesOf(const idarray::Span& span) { return Bytes(span.data, span.data + span.size); }

uint32_t FieldAt(const Bytes& block, size_t offset) {
    uint32_t value;
    std::memcpy(&value, block.data() + offset, sizeof value);
    return value;
}

void SetField(Bytes& block, size_t offset, uint32_t value) { std::memcpy(block.data() + offset, &value, sizeof value); }

Bytes BuildOf(const Bytes& parent, const std::vector<Bytes>& children) {
    std::vector<idarray::Span> spans;
    for (const Bytes& child : children) spans.push_back(SpanOf(child));
    return idarray::Build(parent.data(), parent.size(), spans);
}

TEST(IdListArrayTest, ThreeChildrenAreLaidOutAfterTheOffsetsAndTheParent) {
    Bytes parent = ListOf({"C", "dir"});
    std::vector<Bytes> children = {ListOf({"a.txt"}), ListOf({"b"}), ListOf({"long name.doc"})};
    Bytes block = BuildOf(parent, children);
    ASSERT_EQ(20 + parent.size() + children[0].size() + children[1].size() + children[2].size(), block.size());
    EXPECT_EQ(3u, FieldAt(block, 0));
    EXPECT_EQ(20u, FieldAt(block, 4)) << "the parent follows the count and four offsets";
    EXPECT_EQ(20 + parent.size(), FieldAt(block, 8));
    EXPECT_EQ(20 + parent.size() + children[0].size(), FieldAt(block, 12));
    EXPECT_EQ(20 + parent.size() + children[0].size() + children[1].size(), FieldAt(block, 16));
    EXPECT_EQ(parent, Bytes(block.begin() + 20, block.begin() + 20 + static_cast<long>(parent.size())));

    idarray::Parsed parsed;
    ASSERT_TRUE(idarray::Parse(block.data(), block.size(), parsed));
    EXPECT_EQ(parent, BytesOf(parsed.parent));
    ASSERT_EQ(3u, parsed.children.size());
    for (size_t i = 0; i < 3; ++i) EXPECT_EQ(children[i], BytesOf(parsed.children[i]));
}

TEST(IdListArrayTest, TheDesktopAsParentIsOnlyItsTerminator) {
    Bytes desktop = ListOf({});
    Bytes block = BuildOf(desktop, {ListOf({"drive"})});
    EXPECT_EQ(12u, FieldAt(block, 4));
    EXPECT_EQ(14u, FieldAt(block, 8));
    idarray::Parsed parsed;
    ASSERT_TRUE(idarray::Parse(block.data(), block.size(), parsed));
    EXPECT_EQ(2u, parsed.parent.size);
}

TEST(IdListArrayTest, NothingIsBuiltWithoutChildrenOrFromBrokenSpans) {
    Bytes parent = ListOf({"p"});
    EXPECT_TRUE(BuildOf(parent, {}).empty());
    EXPECT_TRUE(idarray::Build(nullptr, 0, {SpanOf(parent)}).empty());
    EXPECT_TRUE(idarray::Build(parent.data(), parent.size(), {idarray::Span{nullptr, 4}}).empty());
    EXPECT_TRUE(idarray::Build(parent.data(), parent.size(), {idarray::Span{parent.data(), 1}}).empty());
}

class IdListArrayParseTest : public testing::Test {
protected:
    void SetUp() override { block_ = BuildOf(ListOf({"C", "dir"}), {ListOf({"a"}), ListOf({"bb"})}); }
    bool Parses() {
        idarray::Parsed parsed;
        return idarray::Parse(block_.data(), block_.size(), parsed);
    }
    Bytes block_;
};

TEST_F(IdListArrayParseTest, AWellMadeBlockParsesAndEveryBrokenOneIsRefused) {
    EXPECT_TRUE(Parses());

    Bytes good = block_;
    SetField(block_, 0, 0);
    EXPECT_FALSE(Parses()) << "no children";
    block_ = good;
    SetField(block_, 0, 0xFFFFFFFFu);
    EXPECT_FALSE(Parses()) << "a count whose offsets cannot fit";
    block_ = good;
    SetField(block_, 0, static_cast<uint32_t>(block_.size() / 4 - 1));
    EXPECT_FALSE(Parses()) << "offsets that run into the lists name no whole list";
    block_ = good;
    SetField(block_, 4, static_cast<uint32_t>(block_.size()));
    EXPECT_FALSE(Parses()) << "the parent's offset at the end of the block";
    block_ = good;
    SetField(block_, 12, 0xFFFFFFF0u);
    EXPECT_FALSE(Parses()) << "a child's offset far outside";
    block_ = good;
    block_.resize(block_.size() - 1);
    EXPECT_FALSE(Parses()) << "the last list's terminator cut off";
}

TEST_F(IdListArrayParseTest, ItemCountsThatOverrunOrCannotHoldThemselvesAreRefused) {
    Bytes good = block_;
    size_t lastChild = FieldAt(block_, 12);
    block_[lastChild] = 0xFF;
    EXPECT_FALSE(Parses()) << "an item running past the block";
    block_ = good;
    block_[lastChild] = 1;
    block_[lastChild + 1] = 0;
    EXPECT_FALSE(Parses()) << "an item of one byte, shorter than its own count";
}

TEST_F(IdListArrayParseTest, ShortBlocksAndNullAreRefused) {
    idarray::Parsed parsed;
    EXPECT_FALSE(idarray::Parse(nullptr, 100, parsed));
    for (size_t size = 0; size < 12; ++size) EXPECT_FALSE(idarray::Parse(block_.data(), size, parsed)) << size;
    Bytes minimal = BuildOf(ListOf({}), {ListOf({})});
    ASSERT_EQ(16u, minimal.size());
    EXPECT_FALSE(idarray::Parse(minimal.data(), minimal.size(), parsed))
        << "a child of the terminator alone names no item, only the parent again";
    Bytes desktopItem = BuildOf(ListOf({}), {ListOf({"a"})});
    EXPECT_TRUE(idarray::Parse(desktopItem.data(), desktopItem.size(), parsed)) << "an item of the desktop";
}

TEST_F(IdListArrayParseTest, AFailedParseLeavesNothingBehind) {
    idarray::Parsed parsed;
    ASSERT_TRUE(idarray::Parse(block_.data(), block_.size(), parsed));
    SetField(block_, 8, 0xFFFFu);
    EXPECT_FALSE(idarray::Parse(block_.data(), block_.size(), parsed));
    EXPECT_TRUE(parsed.children.empty());
    EXPECT_EQ(nullptr, parsed.parent.data);
}

TEST_F(IdListArrayParseTest, ListsMayShareBytesAndSitAnywhereInTheBlock) {
    // Another program may point two children at one list; each is still a whole list in the block.
    SetField(block_, 12, FieldAt(block_, 8));
    idarray::Parsed parsed;
    ASSERT_TRUE(idarray::Parse(block_.data(), block_.size(), parsed));
    EXPECT_EQ(parsed.children[0].data, parsed.children[1].data);
}

}  // namespace
