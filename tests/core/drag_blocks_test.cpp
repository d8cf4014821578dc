#include "core/drag_blocks.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

Bytes BytesOf(const std::string& text) { return Bytes(text.begin(), text.end()); }

Bytes Header() {
    Bytes header(20, 0);
    header[0] = 20;
    return header;
}

Bytes Joined(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

Bytes Zeros(size_t count) { return Bytes(count, 0); }

auto* const kLead = &dbcs::IsShiftJisLeadByte;

TEST(DragBlocksTest, ThreeFilesGiveTheFirstAsTextAndAllInTheFileList) {
    std::vector<std::string> paths = {"C:\\d\\one.txt", "C:\\d\\two", "C:\\d\\three.doc"};
    EXPECT_EQ(BytesOf(std::string("C:\\d\\one.txt") + '\0'), dragblocks::TextBlock(paths, kLead));
    Bytes expected = Joined({Header(), BytesOf("C:\\d\\one.txt"), Zeros(1), BytesOf("C:\\d\\two"), Zeros(1),
                             BytesOf("C:\\d\\three.doc"), Zeros(3)});
    EXPECT_EQ(expected, dragblocks::FileListBlock(paths, kLead));
}

TEST(DragBlocksTest, ADriveRootCarriesItsBackslash) {
    EXPECT_EQ(BytesOf(std::string("C:\\") + '\0'), dragblocks::TextBlock({"C:"}, kLead));
    EXPECT_EQ(Joined({Header(), BytesOf("C:\\"), Zeros(3)}), dragblocks::FileListBlock({"C:"}, kLead));
    EXPECT_EQ("z:\\", dragblocks::DroppedPath("z:", kLead));
    EXPECT_EQ("C:\\", dragblocks::DroppedPath("C:\\", kLead)) << "a root that has its backslash keeps one";
    EXPECT_EQ("1:", dragblocks::DroppedPath("1:", kLead)) << "only a letter names a drive";
}

TEST(DragBlocksTest, PathsAreCutToTheSystemsBuffersOnACharacterBoundary) {
    std::string exact = "C:\\" + std::string(256, 'x');
    ASSERT_EQ(259u, exact.size());
    EXPECT_EQ(exact, dragblocks::DroppedPath(exact, kLead));
    EXPECT_EQ(Joined({Header(), BytesOf(exact), Zeros(3)}), dragblocks::FileListBlock({exact}, kLead));
    EXPECT_EQ(exact, dragblocks::DroppedPath(exact + "yz", kLead));

    // 表 is 95 5C: at bytes 258 and 259 it does not fit whole and goes altogether.
    std::string straddling = "C:\\" + std::string(255, 'x') + "\x95\x5C" + "tail";
    EXPECT_EQ("C:\\" + std::string(255, 'x'), dragblocks::DroppedPath(straddling, kLead));
    std::string fitting = "C:\\" + std::string(254, 'x') + "\x95\x5C" + "tail";
    EXPECT_EQ(fitting.substr(0, 259), dragblocks::DroppedPath(fitting, kLead));
}

TEST(DragBlocksTest, ItemsWithoutAPathAreLeftOutAndNoneLeavesNoBlocks) {
    std::vector<std::string> paths = {"", "C:\\a", "", "C:\\b"};
    EXPECT_EQ(BytesOf(std::string("C:\\a") + '\0'), dragblocks::TextBlock(paths, kLead));
    EXPECT_EQ(Joined({Header(), BytesOf("C:\\a"), Zeros(1), BytesOf("C:\\b"), Zeros(3)}),
              dragblocks::FileListBlock(paths, kLead));
    EXPECT_TRUE(dragblocks::TextBlock({"", ""}, kLead).empty());
    EXPECT_TRUE(dragblocks::FileListBlock({"", ""}, kLead).empty());
    EXPECT_TRUE(dragblocks::FileListBlock({}, kLead).empty());
}

TEST(DragBlocksTest, AZeroByteEndsAPathAsItWouldInTheList) {
    std::string withZero("C:\\a\0C:\\b", 9);
    EXPECT_EQ(Joined({Header(), BytesOf("C:\\a"), Zeros(3)}), dragblocks::FileListBlock({withZero}, kLead));
    EXPECT_TRUE(dragblocks::TextBlock({std::string("\0x", 2)}, kLead).empty());
}

}  // namespace
