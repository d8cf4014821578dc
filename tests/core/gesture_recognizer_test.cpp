#include "core/gesture_recognizer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using gesture::kDown;
using gesture::kLeft;
using gesture::kRight;
using gesture::kUp;

constexpr int kStartX = 500;
constexpr int kStartY = 400;

// A hand on the pointer: every position it reports goes to the recogniser, and the strokes that
// sounded are kept in order.
class Hand {
public:
    explicit Hand(GestureRecognizer& recognizer) : recognizer_(recognizer) {
        recognizer_.Begin(kStartX, kStartY, &target_);
    }
    // One report at an offset from the start.
    void At(int dx, int dy) {
        x_ = kStartX + dx;
        y_ = kStartY + dy;
        if (int direction = recognizer_.Move(x_, y_)) sounded.push_back(direction);
    }
    // Reports one pixel apart on the way to an offset from the start, both axes in proportion.
    void SlideTo(int dx, int dy) {
        int fromX = x_, fromY = y_;
        int toX = kStartX + dx, toY = kStartY + dy;
        int steps = std::max(std::abs(toX - fromX), std::abs(toY - fromY));
        for (int step = 1; step <= steps; ++step)
            At(fromX - kStartX + (toX - fromX) * step / steps, fromY - kStartY + (toY - fromY) * step / steps);
    }
    void* Target() { return &target_; }

    std::vector<int> sounded;

private:
    GestureRecognizer& recognizer_;
    int target_ = 0;
    int x_ = kStartX;
    int y_ = kStartY;
};

TEST(GestureRecognizerTest, EachDirectionIsOneStrokeOnceItsDisplacementPassesTwentyPixels) {
    struct Case {
        int dx, dy, direction;
        const char* arrow;
    };
    for (const Case& c :
         {Case{-1, 0, kLeft, "←"}, Case{0, -1, kUp, "↑"}, Case{1, 0, kRight, "→"}, Case{0, 1, kDown, "↓"}}) {
        GestureRecognizer recognizer;
        Hand hand(recognizer);
        hand.SlideTo(c.dx * 20, c.dy * 20);
        EXPECT_EQ(0u, recognizer.Code()) << "twenty pixels are not yet a stroke towards " << c.arrow;
        hand.At(c.dx * 21, c.dy * 21);
        EXPECT_EQ(static_cast<uint32_t>(c.direction), recognizer.Code());
        EXPECT_EQ(std::vector<int>{c.direction}, hand.sounded);
        EXPECT_EQ(c.arrow, gesture::ArrowText(recognizer.Code()));
    }
}

TEST(GestureRecognizerTest, JitterWithinTheThresholdAddsNothing) {
    GestureRecognizer recognizer;
    Hand hand(recognizer);
    for (int round = 0; round < 50; ++round) {
        hand.At(10, -10);
        hand.At(-10, 10);
        hand.At(round % 21 - 10, round % 17 - 8);
    }
    EXPECT_EQ(0u, recognizer.Code());
    EXPECT_TRUE(hand.sounded.empty());
    EXPECT_TRUE(recognizer.Active());
}

TEST(GestureRecognizerTest, LeftThenUpMakesTwoStrokesInOrder) {
    GestureRecognizer recognizer;
    Hand hand(recognizer);
    hand.SlideTo(-30, 0);
    hand.SlideTo(-30, -30);
    EXPECT_EQ(0x21u, recognizer.Code());
    EXPECT_EQ("←↑", gesture::ArrowText(recognizer.Code()));
    EXPECT_EQ((std::vector<int>{kLeft, kUp}), hand.sounded);
}

TEST(GestureRecognizerTest, AReversalCountsFromWhereTheCursorTurned) {
    GestureRecognizer recognizer;
    Hand hand(recognizer);
    hand.SlideTo(-30, 0);
    // The first report after the turn, at -29, is the new anchor.
    hand.SlideTo(-9, 0);
    EXPECT_EQ(0x1u, recognizer.Code()) << "back 21 pixels, but only 20 from where the turn was seen";
    hand.At(-8, 0);
    EXPECT_EQ(0x41u, recognizer.Code());
    EXPECT_EQ("←→", gesture::ArrowText(recognizer.Code()));
}

TEST(GestureRecognizerTest, ALongSweepIsOneStrokeAndTheSameDirectionNeverFollowsItself) {
    GestureRecognizer recognizer;
    Hand hand(recognizer);
    hand.SlideTo(-100, 0);
    EXPECT_EQ(0x1u, recognizer.Code());
    hand.At(-300, 0);
    EXPECT_EQ(0x1u, recognizer.Code()) << "a jump further on is the same stroke";
    EXPECT_EQ(std::vector<int>{kLeft}, hand.sounded);
}

TEST(GestureRecognizerTest, OneDiagonalReportAddsTheDominantStrokeAndStartsTheOtherAxisAfresh) {
    GestureRecognizer recognizer;
    Hand hand(recognizer);
    hand.At(-30, -25);
    EXPECT_EQ(0x1u, recognizer.Code());
    hand.At(-30, -45);
    EXPECT_EQ(0x1u, recognizer.Code()) << "the vertical axis counts from where the stroke was added";
    hand.At(-30, -46);
    EXPECT_EQ(0x21u, recognizer.Code());
}

TEST(GestureRecognizerTest, ASlowDiagonalAddsTheFirstAxisThenTheOtherOnceItPassesTheThreshold) {
    GestureRecognizer recognizer;
    Hand hand(recognizer);
    hand.SlideTo(-30, -25);
    EXPECT_EQ(0x21u, recognizer.Code());
    EXPECT_EQ((std::vector<int>{kLeft, kUp}), hand.sounded);
    hand.SlideTo(-50, -25);
    EXPECT_EQ(0x121u, recognizer.Code()) << "the horizontal axis started afresh when the up stroke came";
}

TEST(GestureRecognizerTest, EightStrokesFillTheCodeAndLaterOnesAreRefusedSilently) {
    GestureRecognizer recognizer;
    Hand hand(recognizer);
    int x = 0, y = 0;
    // Left, up, left, up ... each leg 30 pixels on one axis.
    for (int stroke = 0; stroke < 8; ++stroke) {
        if (stroke % 2 == 0) x -= 30;
        else
            y -= 30;
        hand.SlideTo(x, y);
    }
    EXPECT_EQ(0x21212121u, recognizer.Code());
    EXPECT_EQ(8u, hand.sounded.size());
    hand.SlideTo(x - 30, y);
    hand.SlideTo(x - 30, y + 30);
    hand.SlideTo(x, y + 30);
    EXPECT_EQ(0x21212121u, recognizer.Code());
    EXPECT_EQ(8u, hand.sounded.size()) << "a refused stroke makes no sound";
    EXPECT_EQ("←↑←↑←↑←↑", gesture::ArrowText(recognizer.Code()));
}

TEST(GestureRecognizerTest, FinishRunsTheAssignedActionAndKeepsOnlyTheSwitchAndTable) {
    GestureRecognizer recognizer;
    recognizer.SetEnabled(true);
    recognizer.Assign(0x21, gesture::kNewFolder);
    recognizer.Assign(0x4, 99);
    {
        Hand hand(recognizer);
        hand.SlideTo(-30, 0);
        hand.SlideTo(-30, -30);
        void* target = hand.Target();
        GestureRecognizer::Outcome outcome = recognizer.Finish();
        EXPECT_TRUE(outcome.stroked);
        EXPECT_EQ(gesture::kNewFolder, outcome.action);
        EXPECT_EQ(target, outcome.target);
    }
    EXPECT_FALSE(recognizer.Active());
    EXPECT_EQ(0u, recognizer.Code());
    EXPECT_EQ(nullptr, recognizer.Target());
    EXPECT_TRUE(recognizer.Enabled());
    EXPECT_EQ(2u, recognizer.Table().size());

    Hand unassigned(recognizer);
    unassigned.SlideTo(0, 30);
    GestureRecognizer::Outcome drawn = recognizer.Finish();
    EXPECT_TRUE(drawn.stroked) << "strokes with no assignment still count as a gesture";
    EXPECT_EQ(0, drawn.action);

    Hand foreign(recognizer);
    foreign.SlideTo(30, 0);
    EXPECT_EQ(0, recognizer.Finish().action) << "a number outside the actions runs nothing";
    EXPECT_EQ(99, recognizer.Table().at(0x4)) << "but stays in the table";

    Hand still(recognizer);
    still.At(5, -5);
    EXPECT_FALSE(recognizer.Finish().stroked);
}

TEST(GestureRecognizerTest, AFreshGestureStartsWithNoMemoryOfTheLastOne) {
    GestureRecognizer recognizer;
    {
        Hand first(recognizer);
        first.SlideTo(-30, 0);
        EXPECT_EQ(0x1u, recognizer.TakeCode());
        EXPECT_FALSE(recognizer.Active());
    }
    Hand second(recognizer);
    second.SlideTo(-30, 0);
    EXPECT_EQ(0x1u, recognizer.Code()) << "left again is the first stroke of the new gesture";
}

TEST(GestureRecognizerTest, TheTableKeepsTheFirstAssignmentOfACodeAndUnassignsInSignedOrder) {
    GestureRecognizer recognizer;
    recognizer.Assign(0x21, gesture::kBack);
    recognizer.Assign(0x21, gesture::kUpFolder);
    EXPECT_EQ(gesture::kBack, recognizer.Execute(0x21));
    EXPECT_TRUE(recognizer.IsAssigned(0x21));
    EXPECT_FALSE(recognizer.IsAssigned(0x12));

    // A full code with a down stroke last is negative as the table keys it, so it comes first.
    recognizer.Assign(0x4, gesture::kCopy);
    recognizer.Assign(0x81212121u, gesture::kCopy);
    EXPECT_EQ(0x81212121u, recognizer.CodeOf(gesture::kCopy));
    recognizer.Unassign(gesture::kCopy);
    EXPECT_FALSE(recognizer.IsAssigned(0x81212121u));
    EXPECT_TRUE(recognizer.IsAssigned(0x4));
    recognizer.Unassign(gesture::kCopy);
    EXPECT_FALSE(recognizer.IsAssigned(0x4));
    recognizer.Unassign(gesture::kCopy);
    EXPECT_EQ(1u, recognizer.Table().size());
    EXPECT_EQ(0u, recognizer.CodeOf(gesture::kCopy));
}

TEST(GestureRecognizerTest, ACopyTakesTheSwitchAndTableButNoGestureInProgress) {
    GestureRecognizer live;
    live.SetEnabled(true);
    live.Assign(0x1, gesture::kBack);
    GestureRecognizer working;
    working.Assign(0x8, gesture::kRefresh);
    Hand hand(working);
    hand.SlideTo(0, 30);
    working = live;
    EXPECT_TRUE(working.Enabled());
    EXPECT_EQ(live.Table(), working.Table());
    EXPECT_FALSE(working.Active());
    EXPECT_EQ(0u, working.Code());
    EXPECT_EQ(nullptr, working.Target());

    working.SetEnabled(false);
    working.Unassign(gesture::kBack);
    EXPECT_TRUE(live.Enabled()) << "the copy is the working copy's own";
    EXPECT_TRUE(live.IsAssigned(0x1));
}

TEST(GestureArrowTextTest, NibblesBecomeArrowsUpToTheFirstZero) {
    EXPECT_EQ("", gesture::ArrowText(0));
    EXPECT_EQ("", gesture::ArrowText(0x10)) << "an empty first stroke ends the text";
    EXPECT_EQ("←", gesture::ArrowText(0x0201)) << "nothing after an empty stroke";
    EXPECT_EQ("←↑", gesture::ArrowText(0x231)) << "a nibble that is no direction adds nothing";
    EXPECT_EQ("→↓→↓→↓→↓", gesture::ArrowText(0x84848484u));
    EXPECT_EQ("", gesture::ArrowText(0xFFFFFFFFu));
}

TEST(GestureArrowTextTest, EveryActionHasItsNameAndOtherNumbersNone) {
    EXPECT_STREQ("戻る", gesture::ActionName(gesture::kBack));
    EXPECT_STREQ("最新の状態に更新", gesture::ActionName(gesture::kRefresh));
    EXPECT_STREQ("ファイルの新規作成", gesture::ActionName(gesture::kNewFile));
    EXPECT_STREQ("", gesture::ActionName(0));
    EXPECT_STREQ("", gesture::ActionName(15));
}

}  // namespace
