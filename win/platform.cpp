#include "win/platform.h"

#include <windows.h>

Platform CurrentPlatform() {
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    bool nt = GetVersionExA(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_NT;
    return nt ? Platform::Nt : Platform::Windows9x;
}
