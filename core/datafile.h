// The framing shared by every binary list file: "TSY", a 32-bit little-endian version, then the
// owner's payload. No Windows header here: the codec is also built natively and fuzzed.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace datafile {

constexpr size_t kHeaderSize = 7;

// Builds the bytes of a payload: 32-bit little-endian integers and raw byte runs.
class PayloadWriter {
public:
    void PutU32(uint32_t value);
    void PutI32(int32_t value) { PutU32(static_cast<uint32_t>(value)); }
    void PutBytes(const void* data, size_t size);
    const std::vector<uint8_t>& Bytes() const { return bytes_; }

private:
    std::vector<uint8_t> bytes_;
};

// Reads a payload without ever going past its end. A read that the remaining bytes cannot
// satisfy consumes nothing, fails, and marks the reader short; an owner stops at that record.
class PayloadReader {
public:
    PayloadReader() = default;
    PayloadReader(const uint8_t* data, size_t size) : data_(data), left_(size) {}

    bool ReadU32(uint32_t& value);
    bool ReadI32(int32_t& value);
    bool ReadBytes(void* out, size_t size);
    // Reads size bytes into text; allocates only once the bytes are known to be there.
    bool ReadText(size_t size, std::string& text);
    bool Skip(size_t size);

    size_t Remaining() const { return left_; }
    bool AtEnd() const { return left_ == 0; }
    bool WasShort() const { return short_; }

private:
    bool Take(size_t size, const uint8_t*& at);

    const uint8_t* data_ = nullptr;
    size_t left_ = 0;
    bool short_ = false;
};

// The whole file with its header put in front of the payload.
std::vector<uint8_t> Frame(uint32_t version, const std::vector<uint8_t>& payload);

struct Parsed {
    bool valid = false;  // false: missing, foreign tag or short header; the owner uses defaults
    uint32_t version = 0;
    PayloadReader payload;
};

// Looks at a file read whole; the reader points into file, which must outlive it.
Parsed Parse(const std::vector<uint8_t>& file);

}  // namespace datafile
