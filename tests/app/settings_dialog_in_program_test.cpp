// The settings dialog of the running program, opened from the properties button and driven with
// real clicks and keys: OK without edits keeps every file, edits on each page reach t.ini and
// take effect at once, cancel forgets them, the hot-key field, the Tab keys and the defaults.
#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "app/main_window.h"
#include "app/settings_file.h"
#include "app/settings_pages.h"
#include "core/datafile.h"
#include "core/font_file.h"
#include "res/ids.h"
#include "tests/shell/sample_images.h"
#include "tests/support/idle_driver.h"
#include "tests/support/list_input.h"
#include "tests/support/program_fixture.h"
#include "tests/support/real_mouse.h"
#include "tests/support/test_support.h"

namespace {

constexpr int kPageArea = 2030;
constexpr int kCloseButton = 2010;
constexpr int kDefaultsButton = 2013;
constexpr int kFirstPageButton = 2020;

void ClickOn(HWND control) {
    RECT box{};
    GetWindowRect(control, &box);
    ClickAt(POINT{(box.left + box.right) / 2, (box.top + box.bottom) / 2});
}

std::string TextOf(HWND window) {
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

bool IsChecked(HWND check) { return SendMessageA(check, BM_GETCHECK, 0, 0) == BST_CHECKED; }

// Answers, from its own thread, the system chooser (colour, font or file) that the settings
// dialog opens, once it is on the screen.
class ChooserAnswer {
public:
    ChooserAnswer(HWND owner, std::function<void(HWND chooser)> answer)
        : thread_([this, owner, answer] {
              for (int tries = 0; tries < 200 && !stop_; ++tries) {
                  HWND chooser = FindChooser(owner);
                  if (chooser) {
                      Sleep(150);
                      answer(chooser);
                      seen_ = true;
                      return;
                  }
                  Sleep(50);
              }
          }) {}
    ~ChooserAnswer() {
        stop_ = true;
        thread_.join();
    }
    bool Seen() const { return seen_; }

private:
    static HWND FindChooser(HWND owner) {
        struct Search {
            HWND owner;
            HWND found;
        } search{owner, nullptr};
        EnumWindows(
            [](HWND window, LPARAM data) -> BOOL {
                auto* s = reinterpret_cast<Search*>(data);
                char className[16] = {};
                GetClassNameA(window, className, sizeof className);
                if (std::string(className) == "#32770" && GetWindow(window, GW_OWNER) == s->owner &&
                    IsWindowVisible(window)) {
                    s->found = window;
                    return FALSE;
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&search));
        return search.found;
    }

    std::atomic<bool> stop_{false};
    std::atomic<bool> seen_{false};
    std::thread thread_;
};

// The colour typed into the chooser's red, green and blue fields, then OK.
void ChooseColourIn(HWND chooser, COLORREF colour) {
    const int fields[] = {706, 707, 708};
    const BYTE parts[] = {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
    for (int i = 0; i < 3; ++i) SetDlgItemInt(chooser, fields[i], parts[i], FALSE);
    Sleep(100);
    PostMessageA(chooser, WM_COMMAND, IDOK, 0);
}

// With TSY_SCREENSHOTS naming a folder, the dialog as it is on the screen is kept there as a
// bitmap, for a person to look at.
void KeepScreenshot(HWND window, const std::string& name) {
    const char* folder = std::getenv("TSY_SCREENSHOTS");
    if (!folder) return;
    RECT box{};
    GetWindowRect(window, &box);
    const int width = box.right - box.left, height = box.bottom - box.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP picture = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(memory, picture);
    BitBlt(memory, 0, 0, width, height, screen, box.left, box.top, SRCCOPY);
    GdiFlush();
    const DWORD rowBytes = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
    BITMAPFILEHEADER file{0x4D42, 0, 0, 0, sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)};
    file.bfSize = file.bfOffBits + rowBytes * static_cast<DWORD>(height);
    std::string bytes(reinterpret_cast<const char*>(&file), sizeof file);
    bytes.append(reinterpret_cast<const char*>(&info.bmiHeader), sizeof info.bmiHeader);
    bytes.append(static_cast<const char*>(bits), rowBytes * static_cast<DWORD>(height));
    WriteBytes(std::string(folder) + "\\" + name + ".bmp", bytes);
    SelectObject(memory, previous);
    DeleteObject(picture);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

// The file chooser takes the path typed into its name field.
void ChooseFileIn(HWND chooser, const std::string& path) {
    constexpr int kNameBox = 0x47C;
    SetDlgItemTextA(chooser, kNameBox, path.c_str());
    Sleep(100);
    PostMessageA(chooser, WM_COMMAND, IDOK, 0);
}

// The font chooser takes the size chosen in its size box.
void ChooseFontSizeIn(HWND chooser, int points) {
    constexpr int kSizeBox = 0x472;
    HWND sizes = GetDlgItem(chooser, kSizeBox);
    std::string size = std::to_string(points);
    LRESULT entry =
        SendMessageA(sizes, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(size.c_str()));
    SendMessageA(sizes, CB_SETCURSEL, static_cast<WPARAM>(entry), 0);
    SendMessageA(chooser, WM_COMMAND, MAKEWPARAM(kSizeBox, CBN_SELCHANGE), reinterpret_cast<LPARAM>(sizes));
    Sleep(100);
    PostMessageA(chooser, WM_COMMAND, IDOK, 0);
}

std::string ButtonWave() {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(IDW_SOUND_BUTTON), "WAVE");
    const char* bytes = found ? static_cast<const char*>(LockResource(LoadResource(module, found))) : nullptr;
    return bytes ? std::string(bytes, SizeofResource(module, found)) : std::string();
}

HWND FocusOfThread(DWORD thread) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(thread, &info);
    return info.hwndFocus;
}

class SettingsDialogTest : public ProgramFolderTest {
protected:
    void SetUp() override {
        PlaceWindow(700, 600);
        Set("TAB", "REMIND", "0");
    }

    void Start() {
        program_ = StartOn({});
        ASSERT_TRUE(program_->Window());
    }

    void Quit() {
        program_->Quit();
        program_.reset();
    }

    MainWindow& Main() { return program_->Main(); }

    // Opens the dialog with a real click on the properties button and runs `drive` once it waits
    // for input; `drive` ends it. True when the dialog ran.
    bool WithDialog(const std::function<void(HWND dialog)>& drive) {
        IdleDriver driver(program_->Window());
        bool ran = false;
        driver.onDialog = [&](HWND dialog) {
            ran = true;
            drive(dialog);
            // The dialog's loop waits for a message after its idle call before it sees that the
            // dialog was ended from within that call.
            PostMessageA(dialog, WM_NULL, 0, 0);
        };
        ClickOn(Main().Buttons().properties->Window());
        PumpUntil([&] { return ran; }, 3000);
        Pump(200);
        return ran;
    }

    static HWND Control(HWND dialog, int id) { return GetDlgItem(GetDlgItem(dialog, kPageArea), id); }
    static void ShowPage(HWND dialog, int page) { ClickOn(GetDlgItem(dialog, kFirstPageButton + page - 1)); }
    static void End(HWND dialog, int command) { PostMessageA(dialog, WM_COMMAND, command, 0); }

    std::string Data(const char* name) const { return ReadBytes(folder_.Path() + "data\\" + name); }

    std::unique_ptr<RunningProgram> program_;
};

TEST_F(SettingsDialogTest, OkWithoutEditsKeepsEveryFileByteForByte) {
    // Values that no control shows as they are: an opacity between two percents, a row count
    // that no entry offers, a split direction other than 1.
    Set("TRANP", "ALPHA", "231");
    Set("TAB", "BARNUM", "0");
    Set("LIST", "DIVIDE", "5");
    Set("HOTKEY", "KEY", "0");
    Start();
    program_->Context().gestures.SetEnabled(true);
    program_->Context().gestures.Assign(0x21, gesture::kNewFolder);
    program_->Context().gestures.Assign(0x4141, 99);  // no action: kept, shown on no row
    Quit();
    const std::string ini = ReadBytes(Ini()), fonts = Data("fontdata.dat"), gestures = Data("gesture.dat");
    ASSERT_FALSE(ini.empty());
    ASSERT_FALSE(fonts.empty());
    ASSERT_FALSE(gestures.empty());

    Start();
    // A control of each page, which shows only while its page is shown.
    const int pageControls[kSettingsPageCount] = {kFrameDoubleClickChoice, kMainPatternChoice, kItemColourFirst,
                                                  kTabMainSwatch,          kTreeSyncCheck,     kDefaultStyleChoice,
                                                  kRenameSplitsCheck};
    bool allPagesShown = true;
    ASSERT_TRUE(WithDialog([&](HWND dialog) {
        for (int page = 1; page <= kSettingsPageCount; ++page) {
            ShowPage(dialog, page);
            KeepScreenshot(dialog, "settings_page" + std::to_string(page));
            for (int other = 1; other <= kSettingsPageCount; ++other)
                if ((IsWindowVisible(Control(dialog, pageControls[other - 1])) != FALSE) != (other == page))
                    allPagesShown = false;
        }
        End(dialog, IDOK);
    }));
    EXPECT_TRUE(allPagesShown);
    EXPECT_EQ(231, Main().Config().tranpAlpha);
    EXPECT_EQ(0, Main().Config().tabMaxRows);
    Quit();
    EXPECT_EQ(ini, ReadBytes(Ini()));
    EXPECT_EQ(fonts, Data("fontdata.dat"));
    EXPECT_EQ(gestures, Data("gesture.dat"));
}

TEST_F(SettingsDialogTest, EditsOnEveryPageReachTheIniAndTakeEffectAtOnce) {
    Start();
    HWND main = program_->Window();
    bool chooserAnswered = false;
    ASSERT_TRUE(WithDialog([&](HWND dialog) {
        ShowPage(dialog, 1);
        ClickOn(Control(dialog, kTranslucentCheck));
        HWND slider = Control(dialog, kOpacitySlider);
        SetFocus(slider);
        SendKeys({}, {VK_HOME});
        Pump(200);
        EXPECT_EQ("不透明度(10%)", TextOf(Control(dialog, kOpacityLabel)));
        ClickOn(Control(dialog, kUseHotKeyCheck));
        SetFocus(Control(dialog, kHotKeyField));
        SendKeys({VK_CONTROL}, {'W'});
        Pump(200);

        ShowPage(dialog, 2);
        {
            ChooserAnswer answer(dialog, [](HWND chooser) { ChooseColourIn(chooser, RGB(10, 20, 30)); });
            ClickOn(Control(dialog, kMainColourButton));
            PumpUntil([&] { return answer.Seen(); }, 5000);
            chooserAnswered = answer.Seen();
        }
        Pump(200);

        ShowPage(dialog, 3);
        ClickOn(Control(dialog, kItemColourFirst));  // read-only items no longer coloured
        ShowPage(dialog, 4);
        SendMessageA(Control(dialog, kTabRowsChoice), CB_SETCURSEL, 1, 0);
        SendMessageA(Control(dialog, kKeyColourChoice), CB_SETCURSEL, 2, 0);
        ShowPage(dialog, 5);
        ClickOn(Control(dialog, kTreeSyncCheck));
        ShowPage(dialog, 6);
        SendMessageA(Control(dialog, kDivideChoice), CB_SETCURSEL, 1, 0);
        SetWindowTextA(Control(dialog, kTipDelayField), "500");
        ShowPage(dialog, 7);
        ClickOn(Control(dialog, kRenameSplitsCheck));
        End(dialog, IDOK);
    }));
    EXPECT_TRUE(chooserAnswered);

    // At once: the translucency, the hot key, the brush, the tab rows and the split.
    BYTE alpha = 0;
    DWORD flags = 0;
    EXPECT_TRUE(GetWindowLongA(main, GWL_EXSTYLE) & WS_EX_LAYERED);
    EXPECT_TRUE(GetLayeredWindowAttributes(main, nullptr, &alpha, &flags));
    EXPECT_EQ(25, alpha);
    LOGBRUSH background{};
    GetObjectA(Main().Look().mainBackground.Get(), sizeof background, &background);
    EXPECT_EQ(RGB(10, 20, 30), background.lbColor);
    EXPECT_EQ(2, Main().Bar().RowCount());
    EXPECT_TRUE(Main().Layout().sizes.subToTheRight);
    const Settings& settings = Main().Config();
    EXPECT_EQ(1, settings.hotKeyCtrl);
    EXPECT_EQ(0, settings.hotKeyAlt);
    EXPECT_EQ('W', settings.hotKeyKey);
    // The key is registered for the window: only a registered key can be let go.
    EXPECT_TRUE(UnregisterHotKey(main, 2));

    Quit();
    EXPECT_EQ("1", Value("TRANP", "USE"));
    EXPECT_EQ("25", Value("TRANP", "ALPHA"));
    EXPECT_EQ("1", Value("HOTKEY", "USE"));
    EXPECT_EQ("87", Value("HOTKEY", "KEY"));
    EXPECT_EQ(std::to_string(RGB(10, 20, 30)), Value("BACKGROUND", "MAIN"));
    EXPECT_EQ("カスタム", Value("BACKGROUND", "MAIN_PAT"));
    EXPECT_EQ("0", Value("COLOR", "RONLY_USE"));
    EXPECT_EQ("2", Value("TAB", "BARNUM"));
    EXPECT_EQ("2", Value("TAB", "KEY_COLOR"));
    EXPECT_EQ("1", Value("TREE", "SYNC"));
    EXPECT_EQ("1", Value("LIST", "DIVIDE"));
    EXPECT_EQ("500", Value("LIST_TIP", "TIME"));
    EXPECT_EQ("0", Value("LIST", "RENAME_DIV"));
}

TEST_F(SettingsDialogTest, FontsSoundsAndPatternsComeThroughTheSystemsChoosers) {
    TempFolder elsewhere;
    const std::string picture = elsewhere.Path() + "tiles.bmp", sound = elsewhere.Path() + "chime.wav";
    ASSERT_TRUE(WriteBytes(picture, SampleBitmapFile()));
    ASSERT_TRUE(WriteBytes(sound, ButtonWave()));
    Start();
    bool fontChosen = false, patternChosen = false, soundChosen = false;
    std::string fontName;
    SoundRequest preview;
    ASSERT_TRUE(WithDialog([&](HWND dialog) {
        ShowPage(dialog, 2);
        {
            ChooserAnswer answer(dialog, [](HWND chooser) { ChooseFontSizeIn(chooser, 20); });
            ClickOn(Control(dialog, kListFontButton));
            PumpUntil([&] { return answer.Seen(); }, 5000);
            fontChosen = answer.Seen();
        }
        Pump(200);
        fontName = TextOf(Control(dialog, kListFontName));
        {
            ChooserAnswer answer(dialog, [&](HWND chooser) { ChooseFileIn(chooser, picture); });
            ClickOn(Control(dialog, kAddPatternButton));
            PumpUntil([&] { return answer.Seen(); }, 5000);
            patternChosen = answer.Seen();
        }
        Pump(200);
        HWND mainPattern = Control(dialog, kMainPatternChoice);
        LRESULT entry = SendMessageA(mainPattern, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                     reinterpret_cast<LPARAM>("tiles.bmp"));
        EXPECT_NE(CB_ERR, entry);
        SendMessageA(mainPattern, CB_SETCURSEL, static_cast<WPARAM>(entry), 0);
        ShowPage(dialog, 6);
        EXPECT_NE(CB_ERR, SendMessageA(Control(dialog, kSelectionPatternChoice), CB_FINDSTRINGEXACT,
                                       static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("tiles.bmp")))
            << "every page with patterns hears of the new one";

        ShowPage(dialog, 1);
        {
            ChooserAnswer answer(dialog, [&](HWND chooser) { ChooseFileIn(chooser, sound); });
            ClickOn(Control(dialog, kAddSoundButton));
            PumpUntil([&] { return answer.Seen(); }, 5000);
            soundChosen = answer.Seen();
        }
        Pump(200);
        ClickOn(Control(dialog, kPlaySoundButton));
        preview = program_->Context().sounds.LastSoundRequest();
        End(dialog, IDOK);
    }));
    ASSERT_TRUE(fontChosen);
    ASSERT_TRUE(patternChosen);
    ASSERT_TRUE(soundChosen);
    EXPECT_NE(std::string::npos, fontName.find(" 27")) << fontName;  // 20 points at 96 dots an inch
    EXPECT_EQ(SoundSource::File, preview.source);
    EXPECT_EQ(folder_.Path() + "sound\\chime.wav", preview.file);

    AppContext& context = program_->Context();
    EXPECT_EQ(-27, context.fonts.list.lfHeight);
    LOGFONTA shown{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(Main().MainList().Window(), WM_GETFONT, 0, 0)), sizeof shown,
               &shown);
    EXPECT_EQ(-27, shown.lfHeight) << "the list draws in the new font at once";
    EXPECT_EQ("chime.wav", context.settings.soundFiles[0]);
    EXPECT_EQ(ButtonWave().size(), context.sounds.EventSoundSize(0));
    EXPECT_EQ("tiles.bmp", context.settings.mainPattern);
    LOGBRUSH background{};
    GetObjectA(Main().Look().mainBackground.Get(), sizeof background, &background);
    EXPECT_NE(static_cast<UINT>(BS_SOLID), background.lbStyle);
    EXPECT_EQ(SampleBitmapFile(), ReadBytes(folder_.Path() + "background\\tiles.bmp"));
    Quit();
    EXPECT_EQ("tiles.bmp", Value("BACKGROUND", "MAIN_PAT"));
    EXPECT_EQ("chime.wav", Value("SOUND", "SHOW"));
}

TEST_F(SettingsDialogTest, AListFontOfTheLowestHeightFromADamagedFileShowsItsSize) {
    fontfile::Fonts fonts = fontfile::Defaults();
    const int32_t lowest = INT32_MIN;
    std::memcpy(fonts.list.data() + fontfile::kHeightOffset, &lowest, sizeof lowest);
    datafile::PayloadWriter payload;
    fontfile::Encode(fonts, payload);
    const std::vector<uint8_t> file = datafile::Frame(fontfile::kVersion, payload.Bytes());
    CreateDirectoryA((folder_.Path() + "data").c_str(), nullptr);
    ASSERT_TRUE(WriteBytes(folder_.Path() + "data\\" + kFontFileName, std::string(file.begin(), file.end())));
    Start();
    ASSERT_EQ(lowest, program_->Context().fonts.list.lfHeight);
    std::string shown;
    ASSERT_TRUE(WithDialog([&](HWND dialog) {
        ShowPage(dialog, 2);
        shown = TextOf(Control(dialog, kListFontName));
        End(dialog, IDCANCEL);
    }));
    EXPECT_NE(std::string::npos, shown.find(" 2147483648")) << shown;
    EXPECT_EQ(std::string::npos, shown.find('-')) << shown;
}

TEST_F(SettingsDialogTest, CancelForgetsEveryEditIncludingChosenColours) {
    Start();
    Quit();
    const std::string ini = ReadBytes(Ini()), fonts = Data("fontdata.dat");
    Start();
    HWND main = program_->Window();
    ASSERT_TRUE(WithDialog([&](HWND dialog) {
        ShowPage(dialog, 1);
        ClickOn(Control(dialog, kTranslucentCheck));
        ClickOn(Control(dialog, kUseSoundCheck));
        ShowPage(dialog, 4);
        {
            ChooserAnswer answer(dialog, [](HWND chooser) { ChooseColourIn(chooser, RGB(1, 2, 3)); });
            ClickOn(Control(dialog, kTabMainSwatch));
            PumpUntil([&] { return answer.Seen(); }, 5000);
        }
        Pump(200);
        SendMessageA(Control(dialog, kTabRowsChoice), CB_SETCURSEL, 4, 0);
        ClickOn(GetDlgItem(dialog, kCloseButton));
        EXPECT_FALSE(IsWindowVisible(dialog)) << "the close button ends the dialog";
    }));
    EXPECT_FALSE(GetWindowLongA(main, GWL_EXSTYLE) & WS_EX_LAYERED);
    EXPECT_EQ(3, Main().Bar().RowCount());
    EXPECT_NE(static_cast<int>(RGB(1, 2, 3)), Main().Config().tabSelMain);
    Quit();
    EXPECT_EQ(ini, ReadBytes(Ini()));
    EXPECT_EQ(fonts, Data("fontdata.dat"));
}

// The gesture page edits a working copy: a gesture drawn on its pad, a row cleared and the switch
// reach the running lists only through OK.
TEST_F(SettingsDialogTest, GesturesAreEditedOnACopyThatOnlyOkHandsToTheLists) {
    Start();
    GestureRecognizer& live = program_->Context().gestures;
    live.SetEnabled(false);
    live.Assign(0x84, gesture::kRefresh);
    const uint32_t leftUp = gesture::kLeft | gesture::kUp << gesture::kBitsPerStroke;
    auto edit = [&](HWND dialog) {
        ShowPage(dialog, 7);
        HWND area = GetDlgItem(dialog, kPageArea);
        HWND list = GetDlgItem(area, 2703), pad = GetDlgItem(area, 2704), clear = GetDlgItem(area, 2705);
        ClickOn(GetDlgItem(area, 2702));  // gestures on
        auto chooseRow = [list](int row) {
            LVITEMA state{};
            state.stateMask = state.state = LVIS_SELECTED | LVIS_FOCUSED;
            LVITEMA none{};
            none.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
            SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&none));
            SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&state));
        };
        chooseRow(gesture::kRefresh - 1);
        ClickOn(clear);
        chooseRow(gesture::kNewFolder - 1);
        RECT box{};
        GetWindowRect(pad, &box);
        POINT start{(box.left + box.right) / 2, (box.top + box.bottom) / 2};
        MouseTo(POINT{start.x + 2, start.y + 2});
        MouseTo(start);
        SendMouse(MOUSEEVENTF_LEFTDOWN);
        Pump(100);
        MouseTo(POINT{start.x - 30, start.y});
        MouseTo(POINT{start.x - 30, start.y - 30});
        SendMouse(MOUSEEVENTF_LEFTUP);
        Pump(300);
    };
    ASSERT_TRUE(WithDialog([&](HWND dialog) {
        edit(dialog);
        End(dialog, IDCANCEL);
    }));
    EXPECT_FALSE(live.Enabled());
    EXPECT_TRUE(live.IsAssigned(0x84));
    EXPECT_FALSE(live.IsAssigned(leftUp));

    ASSERT_TRUE(WithDialog([&](HWND dialog) {
        edit(dialog);
        End(dialog, IDOK);
    }));
    EXPECT_TRUE(live.Enabled());
    EXPECT_TRUE(Main().GesturesOn());
    EXPECT_FALSE(live.IsAssigned(0x84));
    EXPECT_EQ(leftUp, live.CodeOf(gesture::kNewFolder));
}

TEST_F(SettingsDialogTest, HotKeyFieldAndTheTabKeys) {
    Start();
    const DWORD thread = GetCurrentThreadId();
    ASSERT_TRUE(WithDialog([&](HWND dialog) {
        ShowPage(dialog, 1);
        HWND field = Control(dialog, kHotKeyField);
        SetFocus(field);
        SendKeys({}, {'Q'});
        Pump(200);
        EXPECT_EQ("Ctrl + Alt + Q", TextOf(field));
        // Ctrl alone, then Tab away: the modifiers without a key are forgotten.
        SendKeys({}, {VK_CONTROL});
        Pump(100);
        EXPECT_EQ("Ctrl + ", TextOf(field));
        SendKeys({}, {VK_TAB});
        Pump(200);
        EXPECT_EQ("なし", TextOf(field));
        EXPECT_EQ(Control(dialog, kUseSoundCheck), GetFocus()) << "Tab goes on to the next control of the page";

        // The colour chooser keeps its own Tab key.
        ShowPage(dialog, 3);
        HWND before = nullptr, after = nullptr;
        {
            ChooserAnswer answer(dialog, [&](HWND chooser) {
                before = FocusOfThread(thread);
                SendKeys({}, {VK_TAB});
                Sleep(300);
                after = FocusOfThread(thread);
                PostMessageA(chooser, WM_COMMAND, IDCANCEL, 0);
            });
            ClickOn(Control(dialog, kItemColourFirst + 1));
            PumpUntil([&] { return answer.Seen(); }, 5000);
        }
        EXPECT_NE(before, after);
        EXPECT_TRUE(after && GetAncestor(after, GA_ROOT) != dialog);

        ShowPage(dialog, 7);
        SetFocus(Control(dialog, kRenameSplitsCheck));
        SendKeys({VK_CONTROL}, {VK_TAB});
        Pump(300);
        EXPECT_TRUE(IsWindowVisible(Control(dialog, kFrameDoubleClickChoice))) << "Ctrl+Tab on page 7 shows page 1";
        EXPECT_FALSE(IsWindowVisible(Control(dialog, kRenameSplitsCheck)));
        End(dialog, IDCANCEL);
    }));
    // The dialog opens again on the page it was left on.
    bool firstPageShown = false;
    ASSERT_TRUE(WithDialog([&](HWND dialog) {
        firstPageShown = IsWindowVisible(Control(dialog, kFrameDoubleClickChoice)) != FALSE;
        End(dialog, IDCANCEL);
    }));
    EXPECT_TRUE(firstPageShown);
}

TEST_F(SettingsDialogTest, DefaultsButtonFillsThePageWithoutApplyingIt) {
    Set("HOTKEY", "USE", "1");
    Set("HOTKEY", "ALT", "1");
    Set("HOTKEY", "CTRL", "0");
    Set("HOTKEY", "KEY", "87");
    Set("SOUND", "USE_SOUND", "0");
    Set("TRANP", "USE", "1");
    Set("TRANP", "ALPHA", "100");
    Start();
    ASSERT_TRUE(WithDialog([&](HWND dialog) {
        // Beside the window, and translucent with it though never below 220.
        RECT main{}, placed{};
        GetWindowRect(program_->Window(), &main);
        GetWindowRect(dialog, &placed);
        EXPECT_EQ(main.left + 50, placed.left);
        EXPECT_EQ(main.top, placed.top);
        EXPECT_EQ(400, placed.right - placed.left);
        EXPECT_EQ(480, placed.bottom - placed.top);
        BYTE alpha = 0;
        EXPECT_TRUE(GetLayeredWindowAttributes(dialog, nullptr, &alpha, nullptr));
        EXPECT_EQ(220, alpha);
        ShowPage(dialog, 1);
        EXPECT_EQ("Alt + W", TextOf(Control(dialog, kHotKeyField)));
        ClickOn(GetDlgItem(dialog, kDefaultsButton));
        EXPECT_FALSE(IsChecked(Control(dialog, kUseHotKeyCheck)));
        EXPECT_EQ("Ctrl + Q", TextOf(Control(dialog, kHotKeyField)));
        EXPECT_TRUE(IsChecked(Control(dialog, kUseSoundCheck)));
        EXPECT_FALSE(IsChecked(Control(dialog, kTranslucentCheck)));
        EXPECT_EQ("不透明度(90%)", TextOf(Control(dialog, kOpacityLabel)));
        EXPECT_EQ("(標準)", TextOf(Control(dialog, kSoundChoice)));
        End(dialog, IDCANCEL);
    }));
    EXPECT_EQ(87, Main().Config().hotKeyKey);
    EXPECT_EQ(0, Main().Config().useSound);
    EXPECT_EQ(100, Main().Config().tranpAlpha);
}

}  // namespace
