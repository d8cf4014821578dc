// Reads arbitrary bytes as gesture.dat the way the program loads it. Whatever loads is a switch
// that is on or off and a table of unique codes no larger than the pairs the bytes hold, and it
// comes back unchanged, byte for byte, through a save and a load.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "core/datafile.h"
#include "core/gesture_file.h"

namespace {

void Load(const std::vector<uint8_t>& file, GestureRecognizer& recognizer) {
    datafile::Parsed parsed = datafile::Parse(file);
    if (!parsed.valid) {
        gesturefile::SetDefaults(recognizer);
        return;
    }
    gesturefile::Decode(parsed.payload, recognizer);
}

std::vector<uint8_t> Save(const GestureRecognizer& recognizer) {
    datafile::PayloadWriter payload;
    gesturefile::Encode(recognizer, payload);
    return datafile::Frame(gesturefile::kVersion, payload.Bytes());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<uint8_t> file(data, data + size);
    GestureRecognizer recognizer;
    recognizer.SetEnabled(true);
    recognizer.Assign(0x21, gesture::kBack);
    Load(file, recognizer);
    if (recognizer.Active()) abort();
    size_t pairsHeld = size > datafile::kHeaderSize + 5 ? (size - datafile::kHeaderSize - 5) / 8 : 0;
    if (recognizer.Table().size() > pairsHeld) abort();
    if (!datafile::Parse(file).valid && (recognizer.Enabled() || !recognizer.Table().empty())) abort();
    std::vector<uint8_t> saved = Save(recognizer);
    GestureRecognizer again;
    Load(saved, again);
    if (again.Enabled() != recognizer.Enabled() || again.Table() != recognizer.Table()) abort();
    if (Save(again) != saved) abort();
    return 0;
}
