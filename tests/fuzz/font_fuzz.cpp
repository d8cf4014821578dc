// Reads arbitrary bytes as fontdata.dat the way the program loads it. Every font that loads must
// have a face name that ends within its field, since the system reads it as a string; each record
// of the file with such a face must load as it was, the others as their defaults; and what loads
// must come back unchanged, byte for byte, through a save and a load.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "core/datafile.h"
#include "core/font_file.h"

namespace {

fontfile::Fonts Load(const std::vector<uint8_t>& file) {
    datafile::Parsed parsed = datafile::Parse(file);
    if (!parsed.valid) return fontfile::Defaults();
    return fontfile::Decode(parsed.payload);
}

std::vector<uint8_t> Save(const fontfile::Fonts& fonts) {
    datafile::PayloadWriter payload;
    fontfile::Encode(fonts, payload);
    return datafile::Frame(fontfile::kVersion, payload.Bytes());
}

const fontfile::Record* Records(const fontfile::Fonts& fonts, size_t index) {
    const fontfile::Record* all[] = {&fonts.tab, &fonts.tree, &fonts.list};
    return all[index];
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<uint8_t> file(data, data + size);
    fontfile::Fonts fonts = Load(file);
    const fontfile::Fonts defaults = fontfile::Defaults();
    const bool wholeFile = datafile::Parse(file).valid && size >= datafile::kHeaderSize + 3 * fontfile::kRecordSize;
    for (size_t index = 0; index < 3; ++index) {
        const fontfile::Record& loaded = *Records(fonts, index);
        const uint8_t* face = loaded.data() + fontfile::kFaceOffset;
        if (std::find(face, face + fontfile::kFaceSize, 0) == face + fontfile::kFaceSize) abort();
        const fontfile::Record& fallback = *Records(defaults, index);
        if (!wholeFile) {
            if (loaded != fallback) abort();
            continue;
        }
        const uint8_t* stored = data + datafile::kHeaderSize + index * fontfile::kRecordSize;
        const uint8_t* storedFace = stored + fontfile::kFaceOffset;
        bool terminated =
            std::find(storedFace, storedFace + fontfile::kFaceSize, 0) != storedFace + fontfile::kFaceSize;
        if (terminated ? !std::equal(loaded.begin(), loaded.end(), stored) : loaded != fallback) abort();
    }
    std::vector<uint8_t> saved = Save(fonts);
    if (Save(Load(saved)) != saved) abort();
    return 0;
}
