#include "shell/image_loading.h"

#include <olectl.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "core/dbcs_text.h"
#include "win/file_read.h"
#include "win/global_memory.h"
#include "win/owners.h"
#include "win/system_text.h"

namespace {

constexpr int kHimetricPerInch = 2540;

// Far beyond any picture worth showing as a background; a larger file is refused instead of
// being read into memory.
constexpr std::size_t kLargestImageFile = 256u * 1024 * 1024;

std::string LowerExtension(const std::string& path) {
    size_t dot = dbcs::FindLastOf(path, ".\\/", &IsSystemLeadByte);
    if (dot == std::string::npos || path[dot] != '.') return std::string();
    std::string lowered = path.substr(dot);
    for (char& c : lowered)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return lowered;
}

// A stream over a copy of the whole file, which owns the memory block it reads from.
ComPtr<IStream> ReadIntoStream(const char* path, bool& truncatedJpeg) {
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(path, bytes, kLargestImageFile) || bytes.empty()) return ComPtr<IStream>();
    const size_t size = bytes.size();
    truncatedJpeg = size >= 2 && bytes[0] == 0xFF && bytes[1] == 0xD8 &&
                    !(size >= 4 && bytes[size - 2] == 0xFF && bytes[size - 1] == 0xD9);
    GlobalMemory block(GlobalAlloc(GMEM_MOVEABLE, size));
    {
        LockedGlobal locked(block.Get());
        if (!locked.Data()) return ComPtr<IStream>();
        std::memcpy(locked.Data(), bytes.data(), size);
    }
    ComPtr<IStream> stream;
    if (FAILED(CreateStreamOnHGlobal(block.Get(), TRUE, stream.Put()))) return ComPtr<IStream>();
    block.Release();
    return stream;
}

HBITMAP DecodePicture(HWND window, const char* path) {
    bool truncatedJpeg = false;
    ComPtr<IStream> stream = ReadIntoStream(path, truncatedJpeg);
    if (!stream || truncatedJpeg) return nullptr;
    ComPtr<IPicture> picture;
    if (FAILED(OleLoadPicture(stream.Get(), 0, FALSE, IID_IPicture, picture.PutVoid())) || !picture) return nullptr;
    OLE_XSIZE_HIMETRIC width = 0;
    OLE_YSIZE_HIMETRIC height = 0;
    picture->get_Width(&width);
    picture->get_Height(&height);
    WindowDC windowDC(window);
    if (!windowDC.Get()) return nullptr;
    int pixelsWide = MulDiv(width < 0 ? -width : width, GetDeviceCaps(windowDC.Get(), LOGPIXELSX), kHimetricPerInch);
    int pixelsHigh = MulDiv(height < 0 ? -height : height, GetDeviceCaps(windowDC.Get(), LOGPIXELSY), kHimetricPerInch);
    if (pixelsWide <= 0 || pixelsHigh <= 0) return nullptr;
    Bitmap bitmap(CreateCompatibleBitmap(windowDC.Get(), pixelsWide, pixelsHigh));
    MemoryDC memory(windowDC.Get());
    if (!bitmap || !memory.Get()) return nullptr;
    {
        SelectedObject selected(memory.Get(), bitmap.Get());
        picture->Render(memory.Get(), 0, 0, pixelsWide, pixelsHigh, 0, height, width, -height, nullptr);
    }
    return bitmap.Release();
}

}  // namespace

HBITMAP LoadImageFile(HWND window, const char* path) {
    std::string extension = LowerExtension(path);
    if (extension == ".bmp")
        return static_cast<HBITMAP>(LoadImageA(nullptr, path, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
    if (extension == ".gif" || extension == ".jpeg" || extension == ".jpg") return DecodePicture(window, path);
    return nullptr;
}
