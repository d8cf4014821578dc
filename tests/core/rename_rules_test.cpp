#include "core/rename_rules.h"

#include <gtest/gtest.h>

using namespace renaming;

TEST(RenameRulesTest, EachOfTheElevenCharactersIsRefusedWhateverTheFileSystemAllows) {
    for (char c : std::string("\\;:,\"*?/<>|"))
        EXPECT_TRUE(HasForbiddenCharacter(std::string("a") + c + "b", dbcs::IsShiftJisLeadByte)) << c;
    EXPECT_FALSE(HasForbiddenCharacter("report (final) & notes.txt", dbcs::IsShiftJisLeadByte));
    EXPECT_FALSE(HasForbiddenCharacter("", dbcs::IsShiftJisLeadByte));
}

TEST(RenameRulesTest, TrailBytesThatLookLikeForbiddenCharactersAreAccepted) {
    EXPECT_FALSE(HasForbiddenCharacter("表示.txt", dbcs::IsShiftJisLeadByte)) << "表 is 95 5C";
    EXPECT_FALSE(HasForbiddenCharacter("\x83\x7c", dbcs::IsShiftJisLeadByte)) << "a trail byte of 7C is not a bar";
    EXPECT_TRUE(HasForbiddenCharacter("表\\", dbcs::IsShiftJisLeadByte));
    EXPECT_FALSE(HasForbiddenCharacter(std::string("a\x95"), dbcs::IsShiftJisLeadByte))
        << "a lone lead byte at the end ends the walk";
    EXPECT_FALSE(HasForbiddenCharacter(std::string("a\x95\0;", 4), dbcs::IsShiftJisLeadByte))
        << "nothing after the terminator is read";
}

TEST(RenameRulesTest, TheRefusalListsTheCharactersInTheirOrder) {
    std::string text = kRefusalText;
    EXPECT_EQ("\r\n\\ ; : , \" * ? / < > |", text.substr(text.find("\r\n")));
}

TEST(RenameRulesTest, FilesSplitAtTheLastDotAndFoldersStayWhole) {
    EditedName report = SplitForEditing("report.final.txt", false);
    EXPECT_EQ("report.final", report.name);
    EXPECT_EQ("txt", report.extension);
    EditedName bare = SplitForEditing("Makefile", false);
    EXPECT_EQ("Makefile", bare.name);
    EXPECT_EQ("", bare.extension);
    EditedName folder = SplitForEditing("a.b", true);
    EXPECT_EQ("a.b", folder.name);
    EXPECT_EQ("", folder.extension);
    EditedName dotted = SplitForEditing(".hidden", false);
    EXPECT_EQ("", dotted.name);
    EXPECT_EQ("hidden", dotted.extension);
    EditedName japanese = SplitForEditing("表示.テキスト", false);
    EXPECT_EQ("表示", japanese.name);
    EXPECT_EQ("テキスト", japanese.extension);
}

TEST(RenameRulesTest, JoiningPutsTheDotBackOnlyForAFileWithAnExtension) {
    EXPECT_EQ("summary.txt", JoinEdited(EditedName{"summary", "txt"}, false));
    EXPECT_EQ("summary", JoinEdited(EditedName{"summary", ""}, false)) << "emptying the field drops the extension";
    EXPECT_EQ("a.b", JoinEdited(EditedName{"a.b", "ignored"}, true));
    EditedName split = SplitForEditing("report.txt", false);
    EXPECT_EQ("report.txt", JoinEdited(split, false));
}

TEST(RenameRulesTest, ANewPathMustFitTwoHundredAndFiftyNineBytes) {
    std::string folder = "C:\\" + std::string(200, 'f');
    EXPECT_TRUE(FitsInFolder(folder, std::string(55, 'n'), dbcs::IsShiftJisLeadByte));
    EXPECT_FALSE(FitsInFolder(folder, std::string(56, 'n'), dbcs::IsShiftJisLeadByte));
    EXPECT_TRUE(FitsInFolder("C:\\", std::string(256, 'n'), dbcs::IsShiftJisLeadByte)) << "a root brings its own";
    EXPECT_FALSE(FitsInFolder("C:\\", std::string(257, 'n'), dbcs::IsShiftJisLeadByte));
    EXPECT_TRUE(FitsInFolder("C:\\表", std::string(253, 'n'), dbcs::IsShiftJisLeadByte))
        << "a trail byte 5C is not a separator";
    EXPECT_FALSE(FitsInFolder("C:\\表", std::string(254, 'n'), dbcs::IsShiftJisLeadByte));
}
