#include <gtest/gtest.h>

#include "ui/theme.h"
#include "tests/shell/sample_images.h"
#include "tests/support/program_fixture.h"

namespace {

class PatternImageTest : public ProgramFolderTest {
protected:
    void SetUp() override {
        CreateDirectoryA((folder_.Path() + "data").c_str(), nullptr);
        CreateDirectoryA((folder_.Path() + "background").c_str(), nullptr);
    }
    static LOGBRUSH Describe(const Brush& brush) {
        LOGBRUSH description{};
        GetObjectA(brush.Get(), sizeof description, &description);
        return description;
    }
};

TEST_F(PatternImageTest, JpegPatternIsLoadedAndKept) {
    ASSERT_TRUE(WriteBytes(folder_.Path() + "background\\photo.jpg", SampleJpegFile()));
    Set("BACKGROUND", "MAIN_PAT", "photo.jpg");
    Set("BACKGROUND", "MAIN", "255");
    Set("BACKGROUND", "TAB_PAT", "dots.gif");
    ASSERT_TRUE(WriteBytes(folder_.Path() + "background\\dots.gif", SampleGifFile()));
    {
        RunningProgram program(Options());
        ASSERT_TRUE(program.Window());
        EXPECT_EQ(static_cast<UINT>(BS_PATTERN), Describe(RunningMain().Look().mainBackground).lbStyle);
        EXPECT_EQ(static_cast<UINT>(BS_PATTERN), Describe(RunningMain().Look().tabBackground).lbStyle);
    }
    EXPECT_EQ("photo.jpg", Value("BACKGROUND", "MAIN_PAT"));
    EXPECT_EQ("255", Value("BACKGROUND", "MAIN"));
    EXPECT_EQ("dots.gif", Value("BACKGROUND", "TAB_PAT"));
}

TEST_F(PatternImageTest, TruncatedJpegPatternFallsBackToTheColour) {
    const std::string whole = SampleJpegFile();
    ASSERT_TRUE(WriteBytes(folder_.Path() + "background\\photo.jpg", whole.substr(0, whole.size() - 2)));
    Set("BACKGROUND", "MAIN_PAT", "photo.jpg");
    Set("BACKGROUND", "MAIN", "255");
    Set("LIST", "SEL_PAT", "photo.jpg");
    Set("LIST", "SEL_COLOR", "65280");
    {
        RunningProgram program(Options());
        ASSERT_TRUE(program.Window());
        LOGBRUSH background = Describe(RunningMain().Look().mainBackground);
        EXPECT_EQ(static_cast<UINT>(BS_SOLID), background.lbStyle);
        EXPECT_EQ(static_cast<COLORREF>(8806212), background.lbColor);
        EXPECT_EQ(static_cast<UINT>(BS_SOLID), Describe(RunningMain().Look().listSelection).lbStyle);
    }
    EXPECT_EQ("カスタム", Value("BACKGROUND", "MAIN_PAT"));
    EXPECT_EQ("8806212", Value("BACKGROUND", "MAIN"));
    EXPECT_EQ("カスタム", Value("LIST", "SEL_PAT"));
    EXPECT_EQ("8806212", Value("LIST", "SEL_COLOR"));
}

}  // namespace
