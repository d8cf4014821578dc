// Reads arbitrary bytes as launch.dat the way the program loads it: the header, then the records.
// Every list that loads must be whole and not the desktop, and the lists must come back unchanged
// through a save and a load.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "core/datafile.h"
#include "core/launcher_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<uint8_t> file(data, data + size);
    datafile::Parsed parsed = datafile::Parse(file);
    if (!parsed.valid) return 0;
    std::vector<StoredItemList> lists = DecodeLauncher(parsed.payload);
    for (const StoredItemList& list : lists) {
        if (list.size() <= 2 || !IsWholeItemList(list.data(), list.size())) abort();
    }
    datafile::PayloadWriter payload;
    EncodeLauncher(lists, payload);
    std::vector<uint8_t> saved = datafile::Frame(kLauncherFileVersion, payload.Bytes());
    datafile::Parsed reread = datafile::Parse(saved);
    if (!reread.valid || DecodeLauncher(reread.payload) != lists || !reread.payload.AtEnd()) abort();
    return 0;
}
