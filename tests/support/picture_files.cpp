#include "tests/support/picture_files.h"

#include <wincodec.h>

#include <cstdint>
#include <vector>

#include "win/owners.h"

namespace {

void Put16(std::string& bytes, unsigned value) {
    for (int i = 0; i < 2; ++i) bytes += static_cast<char>(value >> (8 * i));
}

void Put32(std::string& bytes, unsigned value) {
    for (int i = 0; i < 4; ++i) bytes += static_cast<char>(value >> (8 * i));
}

// GIF codes go in least significant bit first, packed into sub-blocks of at most 255 bytes.
class CodeWriter {
public:
    void Write(unsigned code, int bits) {
        for (int i = 0; i < bits; ++i) {
            if (code & (1u << i)) current_ |= static_cast<uint8_t>(1u << filled_);
            if (++filled_ == 8) Flush();
        }
    }
    std::string Blocks() {
        if (filled_) Flush();
        std::string out;
        for (size_t at = 0; at < bytes_.size(); at += 255) {
            size_t length = bytes_.size() - at < 255 ? bytes_.size() - at : 255;
            out += static_cast<char>(length);
            out.append(reinterpret_cast<const char*>(bytes_.data() + at), length);
        }
        out += '\0';
        return out;
    }

private:
    void Flush() {
        bytes_.push_back(current_);
        current_ = 0;
        filled_ = 0;
    }
    std::vector<uint8_t> bytes_;
    uint8_t current_ = 0;
    int filled_ = 0;
};

void PutColour(std::string& bytes, COLORREF colour) {
    bytes += static_cast<char>(GetRValue(colour));
    bytes += static_cast<char>(GetGValue(colour));
    bytes += static_cast<char>(GetBValue(colour));
}

}  // namespace

std::string BitmapFileBytes(int width, int height, const PixelRule& pixel) {
    const unsigned stride = (3u * width + 3u) & ~3u;
    const unsigned headers = 14 + 40;
    std::string bytes = "BM";
    Put32(bytes, headers + stride * height);
    Put32(bytes, 0);
    Put32(bytes, headers);
    Put32(bytes, 40);
    Put32(bytes, width);
    Put32(bytes, height);
    Put16(bytes, 1);
    Put16(bytes, 24);
    Put32(bytes, BI_RGB);
    Put32(bytes, stride * height);
    Put32(bytes, 2835);
    Put32(bytes, 2835);
    Put32(bytes, 0);
    Put32(bytes, 0);
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            COLORREF colour = pixel(x, y);
            bytes += static_cast<char>(GetBValue(colour));
            bytes += static_cast<char>(GetGValue(colour));
            bytes += static_cast<char>(GetRValue(colour));
        }
        bytes.append(stride - 3u * width, '\0');
    }
    return bytes;
}

std::string GifFileBytes(int width, int height, COLORREF first, COLORREF second,
                         const std::function<bool(int x, int y)>& secondHere) {
    constexpr unsigned kClear = 4, kEnd = 5;
    constexpr int kCodeBits = 3;
    std::string bytes = "GIF89a";
    Put16(bytes, width);
    Put16(bytes, height);
    // A global table of two colours; the codes are still three bits, the least a GIF allows.
    bytes += static_cast<char>(0x80);
    bytes += '\0';
    bytes += '\0';
    PutColour(bytes, first);
    PutColour(bytes, second);
    bytes += ',';
    Put16(bytes, 0);
    Put16(bytes, 0);
    Put16(bytes, width);
    Put16(bytes, height);
    bytes += '\0';
    bytes += static_cast<char>(2);
    CodeWriter codes;
    long count = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (count++ % 2 == 0) codes.Write(kClear, kCodeBits);
            codes.Write(secondHere(x, y) ? 1 : 0, kCodeBits);
        }
    }
    codes.Write(kEnd, kCodeBits);
    bytes += codes.Blocks();
    bytes += ';';
    return bytes;
}

std::string JpegFileBytes(int width, int height, const PixelRule& pixel) {
    ComPtr<IWICImagingFactory> factory;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                factory.PutVoid())))
        return std::string();
    ComPtr<IStream> stream;
    ComPtr<IWICBitmapEncoder> encoder;
    ComPtr<IWICBitmapFrameEncode> frame;
    ComPtr<IPropertyBag2> options;
    if (FAILED(CreateStreamOnHGlobal(nullptr, TRUE, stream.Put())) ||
        FAILED(factory->CreateEncoder(GUID_ContainerFormatJpeg, nullptr, encoder.Put())) ||
        FAILED(encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache)) ||
        FAILED(encoder->CreateNewFrame(frame.Put(), options.Put())) || FAILED(frame->Initialize(options.Get())) ||
        FAILED(frame->SetSize(width, height)))
        return std::string();
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    if (FAILED(frame->SetPixelFormat(&format)) || format != GUID_WICPixelFormat24bppBGR) return std::string();
    const UINT stride = (3u * width + 3u) & ~3u;
    std::vector<BYTE> pixels(static_cast<size_t>(stride) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            COLORREF colour = pixel(x, y);
            BYTE* at = &pixels[static_cast<size_t>(y) * stride + 3u * x];
            at[0] = GetBValue(colour);
            at[1] = GetGValue(colour);
            at[2] = GetRValue(colour);
        }
    if (FAILED(frame->WritePixels(height, stride, static_cast<UINT>(pixels.size()), pixels.data())) ||
        FAILED(frame->Commit()) || FAILED(encoder->Commit()))
        return std::string();
    HGLOBAL block = nullptr;
    STATSTG status{};
    if (FAILED(GetHGlobalFromStream(stream.Get(), &block)) || FAILED(stream->Stat(&status, STATFLAG_NONAME)))
        return std::string();
    const void* data = GlobalLock(block);
    if (!data) return std::string();
    std::string bytes(static_cast<const char*>(data), static_cast<size_t>(status.cbSize.QuadPart));
    GlobalUnlock(block);
    return bytes;
}
