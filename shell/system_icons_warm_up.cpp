#include "shell/system_icons_warm_up.h"

#include <objbase.h>
#include <shellapi.h>

#include "win/thread_wait.h"

namespace {

DWORD WINAPI AskForTheLists(void*) {
    HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    for (UINT size : {SHGFI_SMALLICON, SHGFI_LARGEICON}) {
        SHFILEINFOA info{};
        SHGetFileInfoA("C:\\", 0, &info, sizeof info, SHGFI_SYSICONINDEX | size);
    }
    if (SUCCEEDED(com)) CoUninitialize();
    return 0;
}

}  // namespace

SystemIconsWarmUp::SystemIconsWarmUp() : thread_(CreateThread(nullptr, 0, &AskForTheLists, nullptr, 0, nullptr)) {}

void SystemIconsWarmUp::Wait() {
    // Loading icons sends nothing to this thread, but a wait that answers sent messages cannot
    // deadlock whatever the shell does meanwhile.
    if (thread_.Valid()) JoinThread(thread_, INFINITE);
}
