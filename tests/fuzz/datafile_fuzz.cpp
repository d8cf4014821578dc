// Reads arbitrary bytes as a data file the way the list owners do: counted records of integers
// and byte strings, stopping at the first record that ends early.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/datafile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<uint8_t> file(data, data + size);
    datafile::Parsed parsed = datafile::Parse(file);
    if (!parsed.valid) return 0;
    datafile::PayloadReader& reader = parsed.payload;
    uint32_t count = 0;
    if (!reader.ReadU32(count)) return 0;
    std::vector<std::string> texts;
    for (uint32_t i = 0; i < count && !reader.WasShort(); ++i) {
        uint32_t length = 0;
        std::string text;
        if (!reader.ReadU32(length) || !reader.ReadText(length, text)) break;
        int32_t value;
        unsigned char record[60];
        if (!reader.ReadI32(value) || !reader.ReadBytes(record, sizeof record)) break;
        texts.push_back(std::move(text));
    }
    size_t before = reader.Remaining();
    if (reader.Skip(before + 1) || reader.Remaining() != before) abort();
    return 0;
}
