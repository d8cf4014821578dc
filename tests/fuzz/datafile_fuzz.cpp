// Reads arbitrary bytes as a data file the way the list owners do: counted records of integers
// and byte strings, stopping at the first record that ends early. A file that parses must frame
// again into the same bytes, and the records read must come back the same once written and read.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "core/datafile.h"

namespace {

struct Record {
    std::string text;
    int32_t value = 0;
    unsigned char block[60] = {};
};

std::vector<Record> ReadRecords(datafile::PayloadReader& reader) {
    std::vector<Record> records;
    uint32_t count = 0;
    if (!reader.ReadU32(count)) return records;
    for (uint32_t i = 0; i < count && !reader.WasShort(); ++i) {
        uint32_t length = 0;
        Record record;
        if (!reader.ReadU32(length) || !reader.ReadText(length, record.text)) break;
        if (!reader.ReadI32(record.value) || !reader.ReadBytes(record.block, sizeof record.block)) break;
        records.push_back(std::move(record));
    }
    return records;
}

bool Same(const std::vector<Record>& a, const std::vector<Record>& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i].text != b[i].text || a[i].value != b[i].value) return false;
        if (std::memcmp(a[i].block, b[i].block, sizeof a[i].block) != 0) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<uint8_t> file(data, data + size);
    datafile::Parsed parsed = datafile::Parse(file);
    if (!parsed.valid) return 0;
    datafile::PayloadReader& reader = parsed.payload;
    if (reader.Remaining() != size - datafile::kHeaderSize) abort();
    std::vector<uint8_t> payload(file.begin() + datafile::kHeaderSize, file.end());
    if (datafile::Frame(parsed.version, payload) != file) abort();
    std::vector<Record> records = ReadRecords(reader);
    size_t before = reader.Remaining();
    if (reader.Skip(before + 1) || reader.Remaining() != before) abort();

    datafile::PayloadWriter writer;
    writer.PutU32(static_cast<uint32_t>(records.size()));
    for (const Record& record : records) {
        writer.PutU32(static_cast<uint32_t>(record.text.size()));
        writer.PutBytes(record.text.data(), record.text.size());
        writer.PutI32(record.value);
        writer.PutBytes(record.block, sizeof record.block);
    }
    std::vector<uint8_t> saved = datafile::Frame(parsed.version, writer.Bytes());
    datafile::Parsed reread = datafile::Parse(saved);
    if (!reread.valid || reread.version != parsed.version) abort();
    if (!Same(ReadRecords(reread.payload), records) || !reread.payload.AtEnd()) abort();
    return 0;
}
