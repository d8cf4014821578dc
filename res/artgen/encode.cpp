#include "res/artgen/encode.h"

#include <zlib.h>

#include <cstdio>
#include <cstdlib>

namespace art {
namespace {

void PutU16(Bytes& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

void PutU32(Bytes& out, uint32_t v) {
    PutU16(out, v & 0xFFFF);
    PutU16(out, v >> 16);
}

void PutU32Big(Bytes& out, uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(v >> shift));
}

void PutTag(Bytes& out, const char* tag) { out.insert(out.end(), tag, tag + 4); }

void PutInfoHeader(Bytes& out, int width, int height, int bits, uint32_t imageSize) {
    PutU32(out, 40);
    PutU32(out, static_cast<uint32_t>(width));
    PutU32(out, static_cast<uint32_t>(height));
    PutU16(out, 1);
    PutU16(out, static_cast<uint32_t>(bits));
    PutU32(out, 0);  // BI_RGB
    PutU32(out, imageSize);
    PutU32(out, 2835);  // 72 dpi
    PutU32(out, 2835);
    PutU32(out, 0);
    PutU32(out, 0);
}

// One icon or cursor image as stored in the file: the info header (with the doubled height that
// counts the mask), the bottom-up BGRA pixels, then the 1-bit AND mask in rows of 32-bit words.
Bytes IconDib(const Canvas& image) {
    int w = image.Width(), h = image.Height();
    int maskStride = (w + 31) / 32 * 4;
    uint32_t size = static_cast<uint32_t>(w * h * 4 + maskStride * h);
    Bytes out;
    PutInfoHeader(out, w, h * 2, 32, size);
    for (int y = h - 1; y >= 0; --y)
        for (int x = 0; x < w; ++x) {
            Rgba c = image.Get(x, y);
            // Fully transparent pixels are stored black, as the system writes them itself.
            if (c.a == 0) c = Rgba{};
            out.insert(out.end(), {c.b, c.g, c.r, c.a});
        }
    for (int y = h - 1; y >= 0; --y) {
        Bytes row(static_cast<size_t>(maskStride), 0);
        for (int x = 0; x < w; ++x)
            if (image.Get(x, y).a == 0) row[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

void PutPngChunk(Bytes& out, const char* type, const Bytes& data) {
    PutU32Big(out, static_cast<uint32_t>(data.size()));
    size_t start = out.size();
    PutTag(out, type);
    out.insert(out.end(), data.begin(), data.end());
    PutU32Big(out, static_cast<uint32_t>(crc32_z(0, out.data() + start, out.size() - start)));
}

}  // namespace

Bytes EncodeBmp(const Canvas& image) {
    int w = image.Width(), h = image.Height();
    int stride = (w * 3 + 3) / 4 * 4;
    uint32_t pixelBytes = static_cast<uint32_t>(stride * h);
    Bytes out;
    out.push_back('B');
    out.push_back('M');
    PutU32(out, 14 + 40 + pixelBytes);
    PutU32(out, 0);
    PutU32(out, 14 + 40);
    PutInfoHeader(out, w, h, 24, pixelBytes);
    for (int y = h - 1; y >= 0; --y) {
        size_t rowStart = out.size();
        for (int x = 0; x < w; ++x) {
            Rgba c = image.Get(x, y);
            out.insert(out.end(), {c.b, c.g, c.r});
        }
        out.resize(rowStart + static_cast<size_t>(stride), 0);
    }
    return out;
}

Bytes EncodeIconFile(const std::vector<IconImage>& images, bool cursor) {
    std::vector<Bytes> dibs;
    for (const IconImage& im : images) dibs.push_back(IconDib(im.image));
    Bytes out;
    PutU16(out, 0);
    PutU16(out, cursor ? 2 : 1);
    PutU16(out, static_cast<uint32_t>(images.size()));
    uint32_t offset = static_cast<uint32_t>(6 + 16 * images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        const IconImage& im = images[i];
        // A size of 256 is written as 0.
        out.push_back(static_cast<uint8_t>(im.image.Width() & 0xFF));
        out.push_back(static_cast<uint8_t>(im.image.Height() & 0xFF));
        out.push_back(0);  // no palette
        out.push_back(0);
        PutU16(out, cursor ? static_cast<uint32_t>(im.hotX) : 1);
        PutU16(out, cursor ? static_cast<uint32_t>(im.hotY) : 32);
        PutU32(out, static_cast<uint32_t>(dibs[i].size()));
        PutU32(out, offset);
        offset += static_cast<uint32_t>(dibs[i].size());
    }
    for (const Bytes& d : dibs) out.insert(out.end(), d.begin(), d.end());
    return out;
}

Bytes EncodeWav(const std::vector<int16_t>& samples, int rate) {
    uint32_t dataBytes = static_cast<uint32_t>(samples.size() * 2);
    Bytes out;
    PutTag(out, "RIFF");
    PutU32(out, 36 + dataBytes);
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    PutU32(out, 16);
    PutU16(out, 1);  // PCM
    PutU16(out, 1);  // mono
    PutU32(out, static_cast<uint32_t>(rate));
    PutU32(out, static_cast<uint32_t>(rate * 2));
    PutU16(out, 2);
    PutU16(out, 16);
    PutTag(out, "data");
    PutU32(out, dataBytes);
    for (int16_t s : samples) PutU16(out, static_cast<uint16_t>(s));
    return out;
}

Bytes EncodePng(const Canvas& image) {
    int w = image.Width(), h = image.Height();
    Bytes raw;
    raw.reserve(static_cast<size_t>(w * 4 + 1) * h);
    for (int y = 0; y < h; ++y) {
        raw.push_back(0);  // filter: none
        for (int x = 0; x < w; ++x) {
            Rgba c = image.Get(x, y);
            raw.insert(raw.end(), {c.r, c.g, c.b, c.a});
        }
    }
    uLongf zSize = compressBound(raw.size());
    Bytes z(zSize);
    // With a buffer of compressBound's size, running out of memory is the only way to fail, and a
    // generator without its memory can only stop.
    if (compress2(z.data(), &zSize, raw.data(), raw.size(), Z_BEST_COMPRESSION) != Z_OK) {
        std::fputs("artgen: out of memory while compressing a PNG\n", stderr);
        std::abort();
    }
    z.resize(zSize);

    Bytes ihdr;
    PutU32Big(ihdr, static_cast<uint32_t>(w));
    PutU32Big(ihdr, static_cast<uint32_t>(h));
    ihdr.insert(ihdr.end(), {8, 6, 0, 0, 0});  // 8-bit RGBA, deflate, no interlace

    Bytes out{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    PutPngChunk(out, "IHDR", ihdr);
    PutPngChunk(out, "IDAT", z);
    PutPngChunk(out, "IEND", {});
    return out;
}

}  // namespace art
