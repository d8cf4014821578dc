#include "shell/thumbnail_maker.h"

#include <olectl.h>

#include <cstdint>
#include <utility>

#include "win/global_memory.h"

namespace {

constexpr int kHimetricPerInch = 2540;
constexpr COLORREF kBackground = RGB(255, 255, 255);

uint64_t Combined(DWORD high, DWORD low) { return (static_cast<uint64_t>(high) << 32) | low; }

thumbs::FileStamp StampOf(const BY_HANDLE_FILE_INFORMATION& info) {
    return thumbs::FileStamp{Combined(info.ftLastWriteTime.dwHighDateTime, info.ftLastWriteTime.dwLowDateTime),
                             Combined(info.nFileSizeHigh, info.nFileSizeLow)};
}

bool HandleStamp(HANDLE file, thumbs::FileStamp& stamp) {
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(file, &info)) return false;
    stamp = StampOf(info);
    return true;
}

// Reads up to the size the file had when it was opened; a writer may cut it short meanwhile, so
// the count really read is what the caller gets. Empty when nothing worth decoding was read.
GlobalMemory ReadBlock(HANDLE file, uint64_t size, size_t& read) {
    read = 0;
    GlobalMemory block(GlobalAlloc(GMEM_MOVEABLE, static_cast<SIZE_T>(size)));
    LockedGlobal locked(block.Get());
    auto* bytes = static_cast<uint8_t*>(locked.Data());
    if (!bytes) return GlobalMemory();
    while (read < size) {
        DWORD piece = 0;
        if (!ReadFile(file, bytes + read, static_cast<DWORD>(size - read), &piece, nullptr)) return GlobalMemory();
        if (piece == 0) break;
        read += piece;
    }
    if (read == 0 || !thumbs::WorthDecoding(bytes, read)) return GlobalMemory();
    return block;
}

// The stream takes the block and frees it with its last reference.
ComPtr<IPicture> Decode(GlobalMemory block, size_t size) {
    ComPtr<IStream> stream;
    if (FAILED(CreateStreamOnHGlobal(block.Get(), TRUE, stream.Put()))) return ComPtr<IPicture>();
    block.Release();
    ULARGE_INTEGER length{};
    length.QuadPart = size;
    stream->SetSize(length);
    ComPtr<IPicture> picture;
    if (FAILED(OleLoadPicture(stream.Get(), static_cast<LONG>(size), FALSE, IID_IPicture, picture.PutVoid())))
        return ComPtr<IPicture>();
    return picture;
}

Bitmap Draw(IPicture* picture) {
    OLE_XSIZE_HIMETRIC width = 0;
    OLE_YSIZE_HIMETRIC height = 0;
    if (FAILED(picture->get_Width(&width)) || FAILED(picture->get_Height(&height))) return Bitmap();
    WindowDC screen(nullptr);
    if (!screen.Get()) return Bitmap();
    int64_t pixelsWide = MulDiv(width < 0 ? -width : width, GetDeviceCaps(screen.Get(), LOGPIXELSX), kHimetricPerInch);
    int64_t pixelsHigh =
        MulDiv(height < 0 ? -height : height, GetDeviceCaps(screen.Get(), LOGPIXELSY), kHimetricPerInch);
    if (!thumbs::FewEnoughPixels(pixelsWide, pixelsHigh)) return Bitmap();
    thumbs::Size size = thumbs::FitIntoCell(pixelsWide, pixelsHigh);
    if (size.Empty()) return Bitmap();
    Bitmap bitmap(CreateCompatibleBitmap(screen.Get(), size.width, size.height));
    MemoryDC memory(screen.Get());
    if (!bitmap || !memory.Get()) return Bitmap();
    SelectedObject selected(memory.Get(), bitmap.Get());
    // A transparent GIF shows the cell's white through its holes, not what the bitmap held.
    RECT whole{0, 0, size.width, size.height};
    Brush background(CreateSolidBrush(kBackground));
    FillRect(memory.Get(), &whole, background.Get());
    SetStretchBltMode(memory.Get(), HALFTONE);
    SetBrushOrgEx(memory.Get(), 0, 0, nullptr);
    // The picture's rows run upwards in its own units, so its source rectangle starts at the bottom.
    if (FAILED(picture->Render(memory.Get(), 0, 0, size.width, size.height, 0, height, width, -height, nullptr)))
        return Bitmap();
    return bitmap;
}

}  // namespace

bool CurrentFileStamp(const std::string& path, thumbs::FileStamp& stamp) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return false;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return false;
    stamp = thumbs::FileStamp{Combined(data.ftLastWriteTime.dwHighDateTime, data.ftLastWriteTime.dwLowDateTime),
                              Combined(data.nFileSizeHigh, data.nFileSizeLow)};
    return true;
}

MadeThumbnail MakeThumbnail(const std::string& path) {
    MadeThumbnail made;
    // Other programs may go on writing, renaming or deleting the file while it is read.
    Handle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file.Valid()) {
        CurrentFileStamp(path, made.stamp);
        return made;
    }
    if (!HandleStamp(file.Get(), made.stamp) || made.stamp.size > thumbs::kLargestFile) return made;
    size_t read = 0;
    GlobalMemory block = ReadBlock(file.Get(), made.stamp.size, read);
    // A file written to while it was read is left for the next paint, which finds it changed.
    thumbs::FileStamp after;
    bool unchanged = HandleStamp(file.Get(), after) && after == made.stamp;
    file.Reset();
    if (!block || !unchanged) return made;
    ComPtr<IPicture> picture = Decode(std::move(block), read);
    if (picture) made.bitmap = Draw(picture.Get());
    return made;
}
