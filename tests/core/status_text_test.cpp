#include "core/status_text.h"

#include <gtest/gtest.h>

TEST(StatusTextTest, CountsAndSizesOfTheListAndOfTheSelection) {
    EXPECT_EQ("0個のオブジェクト(0 Bytes)", TotalStatusText(0, "0 Bytes"));
    EXPECT_EQ("3個のオブジェクトを選択(6 KB)", SelectionStatusText(3, "6 KB"));
    EXPECT_EQ("100000個のオブジェクト(1.2 MB)", TotalStatusText(100000, "1.2 MB"));
}

TEST(InfoTipTest, PartsComeInTheirOrderEachOnItsLine) {
    InfoTipParts parts;
    parts.size = "1 KB";
    EXPECT_EQ("サイズ:1 KB", ComposeInfoTip(parts, 80)) << "a fully shown name is not repeated";
    parts.name = "長い名前.txt";
    parts.date = "2026/12/08 22:30";
    parts.attributes = "A";
    parts.comment = "見る";
    EXPECT_EQ("長い名前.txt\nサイズ:1 KB\n更新日時:2026/12/08 22:30\n属性:A\nコメント:見る",
              ComposeInfoTip(parts, 1024));
    parts.size.clear();
    parts.date.clear();
    EXPECT_EQ("長い名前.txt\n属性:A\nコメント:見る", ComposeInfoTip(parts, 1024)) << "no empty lines";
}

TEST(InfoTipTest, APartThatDoesNotFitTheBufferIsLeftOutAndLaterOnesMayStillCome) {
    InfoTipParts parts;
    parts.size = "1 KB";                    // "サイズ:1 KB" is 11 bytes
    parts.comment = std::string(300, 'x');  // never fits
    parts.attributes = "A";                 // "属性:A" is 6 bytes
    std::string tip = ComposeInfoTip(parts, 19);
    EXPECT_EQ("サイズ:1 KB\n属性:A", tip);
    EXPECT_EQ(18u, tip.size()) << "exactly fills the buffer with its terminator";
    EXPECT_EQ("サイズ:1 KB", ComposeInfoTip(parts, 18));
    EXPECT_EQ("", ComposeInfoTip(parts, 5));
    parts.name = std::string(100, 'n');
    EXPECT_LE(ComposeInfoTip(parts, 80).size(), 79u);
}
