#include "win/subclass.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "tests/support/test_support.h"

namespace {

constexpr UINT kAsk = WM_APP + 1;
constexpr LRESULT kWindowAnswer = 42;

using Log = std::vector<std::string>;

// A hidden window whose own procedure answers kAsk and writes down what reaches it.
class PlainWindow {
public:
    PlainWindow() : window_(CreateTestWindow("TsySubclassTest", Procedure, 0, WS_POPUP, 10, 10)) {
        SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&log));
        procedure_ = GetWindowLongPtrA(window_, GWLP_WNDPROC);
    }
    ~PlainWindow() {
        if (IsWindow(window_)) DestroyWindow(window_);
    }
    PlainWindow(const PlainWindow&) = delete;
    PlainWindow& operator=(const PlainWindow&) = delete;

    HWND Get() const { return window_; }
    bool HasItsOwnProcedure() const { return GetWindowLongPtrA(window_, GWLP_WNDPROC) == procedure_; }
    LRESULT Ask() const { return SendMessageA(window_, kAsk, 0, 0); }

    Log log;

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* log = reinterpret_cast<Log*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        if (log && message == kAsk) {
            log->push_back("window");
            return kWindowAnswer;
        }
        if (log && message == WM_NCDESTROY) log->push_back("window destroyed");
        return DefWindowProcA(window, message, wParam, lParam);
    }

    HWND window_;
    LONG_PTR procedure_;
};

// What a handler does with kAsk: answer it itself, or note it and pass it on.
struct Layer {
    std::string name;
    Log* log;
    bool passesOn;
    LRESULT answer = 0;
    Subclass* deleteOnAsk = nullptr;

    static LRESULT Handle(void* context, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* layer = static_cast<Layer*>(context);
        if (message == WM_NCDESTROY) layer->log->push_back(layer->name + " destroyed");
        if (message != kAsk) return Subclass::CallNext(window, message, wParam, lParam);
        layer->log->push_back(layer->name);
        if (layer->deleteOnAsk) {
            delete layer->deleteOnAsk;
            layer->deleteOnAsk = nullptr;
        }
        return layer->passesOn ? Subclass::CallNext(window, message, wParam, lParam) : layer->answer;
    }
};

class SubclassTest : public testing::Test {
protected:
    PlainWindow window_;
};

TEST_F(SubclassTest, HandlerSeesMessagesFirstAndMayKeepThemOrPassThemOn) {
    Layer keeper{"keeper", &window_.log, false, 7};
    Subclass subclass;
    ASSERT_TRUE(subclass.Attach(window_.Get(), &Layer::Handle, &keeper));
    EXPECT_EQ(window_.Get(), subclass.Window());
    EXPECT_FALSE(window_.HasItsOwnProcedure());
    EXPECT_EQ(7, window_.Ask());
    EXPECT_EQ((Log{"keeper"}), window_.log);

    keeper.passesOn = true;
    EXPECT_EQ(kWindowAnswer, window_.Ask());
    EXPECT_EQ((Log{"keeper", "keeper", "window"}), window_.log);
}

TEST_F(SubclassTest, DetachingOrDestroyingTheObjectGivesTheWindowItsOwnProcedureBack) {
    Layer keeper{"keeper", &window_.log, false, 7};
    {
        Subclass subclass;
        ASSERT_TRUE(subclass.Attach(window_.Get(), &Layer::Handle, &keeper));
        subclass.Detach();
        EXPECT_EQ(nullptr, subclass.Window());
        EXPECT_TRUE(window_.HasItsOwnProcedure());
        ASSERT_TRUE(subclass.Attach(window_.Get(), &Layer::Handle, &keeper));
        EXPECT_EQ(7, window_.Ask());
    }
    EXPECT_TRUE(window_.HasItsOwnProcedure());
    EXPECT_EQ(kWindowAnswer, window_.Ask());
    EXPECT_EQ((Log{"keeper", "window"}), window_.log);
}

TEST_F(SubclassTest, AttachingElsewhereLeavesTheFirstWindow) {
    PlainWindow other;
    Layer keeper{"keeper", &window_.log, false, 7};
    Subclass subclass;
    ASSERT_TRUE(subclass.Attach(window_.Get(), &Layer::Handle, &keeper));
    ASSERT_TRUE(subclass.Attach(other.Get(), &Layer::Handle, &keeper));
    EXPECT_TRUE(window_.HasItsOwnProcedure());
    EXPECT_EQ(kWindowAnswer, window_.Ask());
    EXPECT_EQ(7, other.Ask());
}

// Two handlers that pass everything on, the upper one attached last.
class StackedSubclassTest : public SubclassTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(first_.Attach(window_.Get(), &Layer::Handle, &lower_));
        ASSERT_TRUE(second_.Attach(window_.Get(), &Layer::Handle, &upper_));
    }
    Layer lower_{"lower", &window_.log, true};
    Layer upper_{"upper", &window_.log, true};
    Subclass first_, second_;
};

TEST_F(StackedSubclassTest, TwoOnOneWindowStackAndComeOffInEitherOrder) {
    EXPECT_EQ(kWindowAnswer, window_.Ask());
    EXPECT_EQ((Log{"upper", "lower", "window"}), window_.log);

    window_.log.clear();
    upper_.passesOn = false;
    upper_.answer = 9;
    EXPECT_EQ(9, window_.Ask());
    EXPECT_EQ((Log{"upper"}), window_.log);

    // The one below goes first; the one above still passes on past the gap.
    window_.log.clear();
    upper_.passesOn = true;
    first_.Detach();
    EXPECT_FALSE(window_.HasItsOwnProcedure());
    EXPECT_EQ(kWindowAnswer, window_.Ask());
    EXPECT_EQ((Log{"upper", "window"}), window_.log);
    second_.Detach();
    EXPECT_TRUE(window_.HasItsOwnProcedure());
}

TEST_F(SubclassTest, ObjectDestroyedInItsOwnHandlerStillPassesTheMessageOn) {
    Layer lower{"lower", &window_.log, true};
    Subclass below;
    ASSERT_TRUE(below.Attach(window_.Get(), &Layer::Handle, &lower));
    Layer upper{"upper", &window_.log, true};
    auto* doomed = new Subclass;
    upper.deleteOnAsk = doomed;
    ASSERT_TRUE(doomed->Attach(window_.Get(), &Layer::Handle, &upper));
    EXPECT_EQ(kWindowAnswer, window_.Ask());
    EXPECT_EQ(nullptr, upper.deleteOnAsk);
    EXPECT_EQ((Log{"upper", "lower", "window"}), window_.log);

    window_.log.clear();
    EXPECT_EQ(kWindowAnswer, window_.Ask());
    EXPECT_EQ((Log{"lower", "window"}), window_.log);
    below.Detach();
    EXPECT_TRUE(window_.HasItsOwnProcedure());
}

TEST_F(StackedSubclassTest, DestroyingTheWindowDetachesAfterTheLastMessageGoesThrough) {
    DestroyWindow(window_.Get());
    EXPECT_EQ(nullptr, first_.Window());
    EXPECT_EQ(nullptr, second_.Window());
    EXPECT_EQ((Log{"upper destroyed", "lower destroyed", "window destroyed"}), window_.log);
}

}  // namespace
