// The time of one layout of the tab bar with 1,000 tabs: the first, which measures every title in
// the tab font, and the later ones, which find the widths measured. The bar is the program's own,
// on a bar window of the program's width, with three rows.
#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "core/settings_table.h"
#include "core/tab_model.h"
#include "panes/tabs/tab_bar.h"
#include "shell/shell_services.h"
#include "ui/theme.h"

namespace {

constexpr int kTabs = 1000;
constexpr int kRuns = 50;

class NamedFolder : public tabs::TabFolder {
public:
    explicit NamedFolder(std::string name) : name_(std::move(name)) {}
    bool CanEnumerate() override { return true; }
    std::string DisplayName() const override { return name_; }
    std::string Path() const override { return "C:\\bench\\" + name_; }

private:
    std::string name_;
};

class NoAliases : public tabs::TabAliases {
public:
    bool LookUp(const std::string&, std::string&) const override { return false; }
    void Set(const std::string&, const std::string&) override {}
};

class NoPanes : public tabs::TabPanes {
public:
    bool TwoPane() const override { return false; }
    int ViewStyle(tabs::Pane) const override { return 0; }
    tabs::SortOrder Sort(tabs::Pane) const override { return tabs::SortOrder(); }
    int ColumnWidth(tabs::Pane, int) const override { return 100; }
    void ShowTab(tabs::Pane, const tabs::TabRecord&) override {}
};

class NoHost : public TabBarHost {
public:
    void Carry(const tabs::Outcome&) override {}
    void LoadPane(tabs::Pane) override {}
    void SwitchTwoPaneOn() override {}
    void PlaySound(tabs::Sound) override {}
    bool TwoPaneShown() const override { return false; }
    void RefreshTwoPaneButtons() override {}
    void OpenDroppedItems(IShellFolder*, const std::vector<ItemIdList>&, int) override {}
    ShellExecutor& Executor() override { return executor; }
    ShellExecutor executor;
};

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

}  // namespace

int main() {
    ShellServices shell;
    Settings settings = DefaultSettings();
    settings.tabMaxRows = 3;
    WNDCLASSA barClass{};
    barClass.lpfnWndProc = DefWindowProcA;
    barClass.hInstance = GetModuleHandleA(nullptr);
    barClass.lpszClassName = "TabBarBench";
    RegisterClassA(&barClass);
    HWND parent = CreateWindowExA(0, "TabBarBench", "", WS_OVERLAPPEDWINDOW, 0, 0, 1000, 300, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    HWND bar = CreateWindowExA(0, "TabBarBench", "", WS_CHILD | WS_VISIBLE, 0, 0, 960, 20, parent, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
    Theme theme;
    theme.Create(parent, GetModuleHandleA(nullptr), settings, std::string());
    TabBar tabBar(theme, settings, shell);
    NoAliases aliases;
    NoPanes panes;
    NoHost host;
    tabs::TabModel model(tabBar, aliases, panes, std::make_shared<NamedFolder>("Desktop"));
    for (int index = 0; index < kTabs; ++index) {
        char name[64];
        std::snprintf(name, sizeof name, "フォルダ %04d", index);
        model.AddFolderTab(std::make_shared<NamedFolder>(name), index % 7 == 0, false, -1);
    }
    LOGFONTA font{};
    font.lfHeight = -12;
    font.lfCharSet = SHIFTJIS_CHARSET;
    lstrcpyA(font.lfFaceName, "ＭＳ Ｐゴシック");
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    tabBar.Create(bar, model, host, font, "C:\\no such folder\\launch.dat");
    QueryPerformanceCounter(&end);
    std::printf("tab bar, %d tabs: creation with the first layout %.2f ms\n", kTabs, Milliseconds(start, end));
    std::fflush(stdout);
    double total = 0;
    double worst = 0;
    for (int run = 0; run < kRuns; ++run) {
        QueryPerformanceCounter(&start);
        tabBar.LayoutTabBar();
        QueryPerformanceCounter(&end);
        double taken = Milliseconds(start, end);
        total += taken;
        if (taken > worst) worst = taken;
    }
    std::printf(
        "tab bar, %d tabs: layout %.3f ms on average, %.3f ms at worst over %d runs (goal under 5 ms); "
        "%d rows used, %zu tabs behind the chevron\n",
        kTabs, total / kRuns, worst, kRuns, tabBar.RowCount(), tabBar.Layout().overflow.size());
    tabBar.Destroy();
    DestroyWindow(parent);
    return 0;
}
