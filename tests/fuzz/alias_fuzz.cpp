// Reads arbitrary bytes as tabalias.dat the way the program loads it. Whatever loads must hold no
// empty alias and no path with a zero byte, and must come back unchanged through a save and a load.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/alias_table.h"
#include "core/datafile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<uint8_t> file(data, data + size);
    datafile::Parsed parsed = datafile::Parse(file);
    if (!parsed.valid) return 0;
    AliasTable table = DecodeAliases(parsed.payload);
    for (const auto& entry : table.All()) {
        if (entry.second.empty() || entry.first.find('\0') != std::string::npos) abort();
    }
    datafile::PayloadWriter payload;
    EncodeAliases(table, payload);
    std::vector<uint8_t> saved = datafile::Frame(kAliasFileVersion, payload.Bytes());
    datafile::Parsed reread = datafile::Parse(saved);
    AliasTable again = DecodeAliases(reread.payload);
    if (again.All() != table.All() || !reread.payload.AtEnd()) abort();
    return 0;
}
