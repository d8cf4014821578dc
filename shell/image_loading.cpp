#include "shell/image_loading.h"

#include <olectl.h>

#include <cstring>
#include <string>

#include "win/owners.h"

namespace {

constexpr int kHimetricPerInch = 2540;

std::string LowerExtension(const char* path) {
    const char* extension = nullptr;
    for (const char* at = path; *at; ++at) {
        if (IsDBCSLeadByte(static_cast<BYTE>(*at)) && at[1]) {
            ++at;
            continue;
        }
        if (*at == '.') extension = at;
        else if (*at == '\\' || *at == '/') extension = nullptr;
    }
    std::string lowered = extension ? extension : "";
    for (char& c : lowered)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return lowered;
}

// A stream over the whole file; the stream owns the memory block.
ComPtr<IStream> ReadIntoStream(const char* path, bool& truncatedJpeg) {
    ComPtr<IStream> stream;
    Handle file(CreateFileA(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size{};
    if (!file.Valid() || !GetFileSizeEx(file.Get(), &size) || size.QuadPart <= 0 || size.QuadPart > MAXDWORD)
        return stream;
    DWORD bytes = static_cast<DWORD>(size.QuadPart);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
    if (!block) return stream;
    BYTE* data = static_cast<BYTE*>(GlobalLock(block));
    DWORD read = 0;
    bool complete = data && ReadFile(file.Get(), data, bytes, &read, nullptr) && read == bytes;
    if (complete) {
        truncatedJpeg = bytes >= 2 && data[0] == 0xFF && data[1] == 0xD8 &&
                        !(bytes >= 4 && data[bytes - 2] == 0xFF && data[bytes - 1] == 0xD9);
    }
    if (data) GlobalUnlock(block);
    if (!complete || FAILED(CreateStreamOnHGlobal(block, TRUE, stream.Put()))) {
        if (!stream) GlobalFree(block);
        stream.Reset();
    }
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
