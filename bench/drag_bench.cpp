// Drag benchmark, in the running program: with 10,000 rows of the main list selected, the time from
// the list's begin-drag notification to the system's drag loop entering a drop target of another
// window, against making the drag's request and data object alone and against the bare blocks.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <new>
#include <string>
#include <vector>

#include "bench/bench_program.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "core/drag_blocks.h"
#include "core/id_list_array.h"
#include "dnd/drag_items.h"
#include "dnd/drop_target_base.h"
#include "dnd/file_drag.h"
#include "shell/item_lists.h"
#include "win/system_text.h"

namespace {

constexpr int kFiles = 10000;
constexpr int kRounds = 5;

// Notes when the drag arrives; with no button held the system's loop drops at once.
class TimingTarget : public DropTargetBase {
public:
    HRESULT STDMETHODCALLTYPE DragOver(DWORD, POINTL, DWORD* effect) override {
        *effect = DROPEFFECT_COPY;
        return S_OK;
    }
    double enteredAt = 0;
    size_t items = 0;

protected:
    void Entered() override { enteredAt = Now(); }
    HRESULT Dropped(IDataObject*, DWORD, POINTL, DWORD* effect) override {
        *effect = DROPEFFECT_NONE;
        return S_OK;
    }
};

LRESULT CALLBACK TargetProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

void MakeFiles(const std::string& folder, int count) {
    for (int at = 0; at < count; ++at) {
        std::string path = folder + "\\file" + std::to_string(at) + ".txt";
        HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
        if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    }
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

}  // namespace

int main() {
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    OleInitialize(nullptr);
    std::string root = FreshProgramFolder("tessary_drag");
    std::string many = root + "\\many";
    CreateDirectoryA(many.c_str(), nullptr);
    MakeFiles(many, kFiles);

    std::unique_ptr<Application> application;
    MainWindow* main = StartBenchProgram(application, root, {many});
    if (!main) return 1;
    ListPane& list = main->MainList();
    HWND listWindow = list.Window();
    LVITEMA selected{};
    selected.stateMask = selected.state = LVIS_SELECTED;
    SendMessageA(listWindow, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&selected));
    int selectedCount = static_cast<int>(SendMessageA(listWindow, LVM_GETSELECTEDCOUNT, 0, 0));

    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = TargetProcedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "TsyDragBenchTarget";
    RegisterClassA(&windowClass);
    HWND targetWindow = CreateWindowExA(WS_EX_TOPMOST | WS_EX_NOACTIVATE, windowClass.lpszClassName, "",
                                        WS_POPUP | WS_VISIBLE, 900, 300, 200, 200, nullptr, nullptr, nullptr, nullptr);
    auto* target = new (std::nothrow) TimingTarget();
    if (!target || FAILED(RegisterDragDrop(targetWindow, target))) {
        std::printf("the drop target could not be registered\n");
        return 1;
    }
    SetCursorPos(1000, 400);
    Pump(200);

    std::vector<double> toEnter, whole, selection, request, data, blocks;
    for (int round = 0; round < kRounds; ++round) {
        target->enteredAt = 0;
        NMLISTVIEW notice{};
        notice.hdr.hwndFrom = listWindow;
        notice.hdr.idFrom = kMainListId;
        notice.hdr.code = LVN_BEGINDRAG;
        notice.iItem = 0;
        double start = Now();
        SendMessageA(main->Handle(), WM_NOTIFY, kMainListId, reinterpret_cast<LPARAM>(&notice));
        double end = Now();
        if (target->enteredAt > 0) toEnter.push_back(target->enteredAt - start);
        whole.push_back(end - start);
        Pump(50);

        // The same request and data object, without the drag.
        start = Now();
        std::vector<int> rows = list.SelectedRows();
        selection.push_back(Now() - start);
        std::vector<PCUITEMID_CHILD> items;
        for (int row : rows) items.push_back(list.Model().Item(static_cast<size_t>(row)));
        start = Now();
        DragRequest made;
        MakeDragRequest(listWindow, list.Model().Folder(), items, made);
        double madeAt = Now();
        ComPtr<IDataObject> object = MakeDragData(made);
        double dataAt = Now();
        request.push_back(madeAt - start);
        data.push_back(dataAt - madeAt);

        // The three blocks alone, from the request's paths and lists.
        std::vector<idarray::Span> children;
        for (const ItemIdList& child : made.children)
            children.push_back({reinterpret_cast<const uint8_t*>(child.Get()), ItemListSize(child.Get())});
        start = Now();
        std::vector<uint8_t> text = dragblocks::TextBlock(made.paths, &IsSystemLeadByte);
        std::vector<uint8_t> files = dragblocks::FileListBlock(made.paths, &IsSystemLeadByte);
        std::vector<uint8_t> array = idarray::Build(reinterpret_cast<const uint8_t*>(made.parent.Get()),
                                                    ItemListSize(made.parent.Get()), children);
        blocks.push_back(Now() - start);
        if (round == 0)
            std::printf("drag: %d rows selected; blocks of %zu, %zu and %zu bytes\n", selectedCount, text.size(),
                        files.size(), array.size());
    }
    if (toEnter.empty()) std::printf("drag: the drag never reached the target\n");
    else
        std::printf("drag: begin-drag to the target's DragEnter %.1f ms (median of %zu), whole drag %.1f ms\n",
                    Median(toEnter), toEnter.size(), Median(whole));
    std::printf(
        "drag: the selected rows read %.1f ms, the request alone %.1f ms, the data object from it %.1f ms, the bare "
        "blocks %.1f ms\n",
        Median(selection), Median(request), Median(data), Median(blocks));

    RevokeDragDrop(targetWindow);
    target->Release();
    DestroyWindow(targetWindow);
    application.reset();
    return 0;
}
