#include "win/owners.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <utility>
#include <vector>

namespace {

// Handles are small numbers here; -1 is the empty one, so that 0 is a handle to be freed like
// any other. Every free is recorded.
struct CountingTraits {
    static constexpr int Empty() { return -1; }
    static bool Valid(int value) { return value >= 0; }
    static void Free(int value) { freed.push_back(value); }
    static inline std::vector<int> freed;
};

using Counted = Owner<int, CountingTraits>;
using Freed = std::vector<int>;

class OwnerTest : public testing::Test {
protected:
    void SetUp() override { CountingTraits::freed.clear(); }
    const Freed& FreedSoFar() const { return CountingTraits::freed; }
};

TEST_F(OwnerTest, EachHandleIsFreedOnceWhenItsOwnerGoes) {
    {
        Counted empty;
        EXPECT_FALSE(empty);
        EXPECT_EQ(-1, empty.Get());
        Counted zero(0);
        Counted seven(7);
        EXPECT_TRUE(zero);
        EXPECT_TRUE(seven.Valid());
    }
    EXPECT_EQ((Freed{7, 0}), FreedSoFar());
}

TEST_F(OwnerTest, ResetFreesTheOldHandleAndReleaseFreesNothing) {
    Counted owner(1);
    owner.Reset(2);
    EXPECT_EQ((Freed{1}), FreedSoFar());
    EXPECT_EQ(2, owner.Release());
    EXPECT_FALSE(owner);
    owner.Reset();
    EXPECT_EQ((Freed{1}), FreedSoFar());
    owner.Reset(3);
    owner.Reset();
    EXPECT_EQ((Freed{1, 3}), FreedSoFar());
    EXPECT_EQ(-1, owner.Get());
}

TEST_F(OwnerTest, MovesHandOverWithoutFreeingAndAssignmentFreesTheTarget) {
    Counted first(1);
    Counted second(std::move(first));
    EXPECT_FALSE(first);
    EXPECT_EQ(1, second.Get());
    Counted third(3);
    third = std::move(second);
    EXPECT_EQ((Freed{3}), FreedSoFar());
    EXPECT_EQ(1, third.Get());
    EXPECT_FALSE(second);
    Counted& alias = third;
    third = std::move(alias);
    EXPECT_EQ(1, third.Get()) << "moving onto itself keeps the handle";
    EXPECT_EQ((Freed{3}), FreedSoFar());
}

TEST_F(OwnerTest, PutFreesWhatWasHeldAndTakesWhatIsWrittenThrough) {
    Counted owner(4);
    int* slot = owner.Put();
    EXPECT_EQ((Freed{4}), FreedSoFar());
    EXPECT_EQ(-1, *slot);
    *slot = 5;
    EXPECT_EQ(5, owner.Get());
}

bool HandleIsOpen(HANDLE handle) {
    DWORD flags = 0;
    return GetHandleInformation(handle, &flags) != FALSE;
}

TEST(KernelHandleTest, ClosedOnceAndNeitherFailureValueCountsAsOpen) {
    HANDLE event = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    ASSERT_NE(nullptr, event);
    {
        Handle owner(event);
        EXPECT_TRUE(owner.Valid());
        Handle moved(std::move(owner));
        EXPECT_FALSE(owner.Valid());
        EXPECT_TRUE(HandleIsOpen(event));
    }
    EXPECT_FALSE(HandleIsOpen(event));
    EXPECT_FALSE(Handle().Valid());
    EXPECT_FALSE(Handle(INVALID_HANDLE_VALUE).Valid());
    Handle failed(CreateFileA("C:\\no such folder\\no such file", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    EXPECT_EQ(INVALID_HANDLE_VALUE, failed.Get());
    EXPECT_FALSE(failed);
}

TEST(GdiOwnerTest, BrushIsDeletedWithItsOwnerUnlessReleased) {
    HBRUSH deleted = CreateSolidBrush(RGB(1, 2, 3));
    HBRUSH kept = CreateSolidBrush(RGB(4, 5, 6));
    {
        Brush owner(deleted);
        Brush other(kept);
        EXPECT_EQ(static_cast<DWORD>(OBJ_BRUSH), GetObjectType(owner.Get()));
        EXPECT_EQ(kept, other.Release());
    }
    EXPECT_EQ(0u, GetObjectType(deleted));
    EXPECT_EQ(static_cast<DWORD>(OBJ_BRUSH), GetObjectType(kept));
    DeleteObject(kept);
}

TEST(MenuOwnerTest, MenuIsDestroyedWithItsOwnerAndSurvivesTheMove) {
    HMENU menu = CreatePopupMenu();
    ASSERT_NE(nullptr, menu);
    {
        MenuHandle first(menu);
        MenuHandle second;
        second = std::move(first);
        EXPECT_TRUE(IsMenu(menu));
    }
    EXPECT_FALSE(IsMenu(menu));
}

}  // namespace
