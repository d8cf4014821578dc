#include "core/datafile.h"

#include <cstring>

namespace datafile {

namespace {
const char kTag[3] = {'T', 'S', 'Y'};

uint32_t DecodeU32(const uint8_t* at) {
    return static_cast<uint32_t>(at[0]) | static_cast<uint32_t>(at[1]) << 8 | static_cast<uint32_t>(at[2]) << 16 |
           static_cast<uint32_t>(at[3]) << 24;
}
}  // namespace

void PayloadWriter::PutU32(uint32_t value) {
    const uint8_t bytes[4] = {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8),
                              static_cast<uint8_t>(value >> 16), static_cast<uint8_t>(value >> 24)};
    bytes_.insert(bytes_.end(), bytes, bytes + 4);
}

void PayloadWriter::PutBytes(const void* data, size_t size) {
    const uint8_t* bytes = static_cast<const uint8_t*>(data);
    bytes_.insert(bytes_.end(), bytes, bytes + size);
}

bool PayloadReader::Take(size_t size, const uint8_t*& at) {
    if (size > left_) {
        short_ = true;
        return false;
    }
    at = data_;
    data_ += size;
    left_ -= size;
    return true;
}

bool PayloadReader::ReadU32(uint32_t& value) {
    const uint8_t* at;
    if (!Take(4, at)) return false;
    value = DecodeU32(at);
    return true;
}

bool PayloadReader::ReadI32(int32_t& value) {
    uint32_t raw;
    if (!ReadU32(raw)) return false;
    value = static_cast<int32_t>(raw);
    return true;
}

bool PayloadReader::ReadBytes(void* out, size_t size) {
    const uint8_t* at;
    if (!Take(size, at)) return false;
    if (size) std::memcpy(out, at, size);
    return true;
}

bool PayloadReader::ReadText(size_t size, std::string& text) {
    const uint8_t* at;
    if (!Take(size, at)) return false;
    text.assign(reinterpret_cast<const char*>(at), size);
    return true;
}

bool PayloadReader::Skip(size_t size) {
    const uint8_t* at;
    return Take(size, at);
}

std::vector<uint8_t> Frame(uint32_t version, const std::vector<uint8_t>& payload) {
    PayloadWriter file;
    file.PutBytes(kTag, sizeof kTag);
    file.PutU32(version);
    file.PutBytes(payload.data(), payload.size());
    return file.Bytes();
}

Parsed Parse(const std::vector<uint8_t>& file) {
    Parsed parsed;
    if (file.size() < kHeaderSize || std::memcmp(file.data(), kTag, sizeof kTag) != 0) return parsed;
    parsed.valid = true;
    parsed.version = DecodeU32(file.data() + 3);
    parsed.payload = PayloadReader(file.data() + kHeaderSize, file.size() - kHeaderSize);
    return parsed;
}

}  // namespace datafile
