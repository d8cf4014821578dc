// Reads arbitrary bytes as comment.dat the way the program loads it: the header, then the pairs,
// with drive types and existence drawn from the key's bytes so that every drive rule is taken.
// Whatever loads must hold no empty comment and no key with a zero byte, and must come back
// unchanged through a save and a load.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/comments.h"
#include "core/datafile.h"

namespace {

class BytesDecide : public CommentDisk {
public:
    DriveKind KindOfDrive(const std::string& root) override {
        return DriveKindFromCode(static_cast<unsigned char>(root[0]) % 8);
    }
    bool Exists(const std::string& path) override { return path.size() % 2 == 0; }
};

class EverythingThere : public CommentDisk {
public:
    DriveKind KindOfDrive(const std::string&) override { return DriveKind::Fixed; }
    bool Exists(const std::string&) override { return true; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<uint8_t> file(data, data + size);
    datafile::Parsed parsed = datafile::Parse(file);
    if (!parsed.valid) return 0;
    BytesDecide disk;
    CommentTable table = DecodeComments(parsed.payload, disk, &dbcs::IsShiftJisLeadByte);
    for (const CommentTable::Entries::value_type& entry : table.All()) {
        if (entry.second.empty() || entry.first.find('\0') != std::string::npos) abort();
    }
    datafile::PayloadWriter payload;
    EncodeComments(table, payload);
    std::vector<uint8_t> saved = datafile::Frame(kCommentFileVersion, payload.Bytes());
    datafile::Parsed reread = datafile::Parse(saved);
    EverythingThere there;
    CommentTable again = DecodeComments(reread.payload, there, &dbcs::IsShiftJisLeadByte);
    if (again.All() != table.All() || !reread.payload.AtEnd()) abort();
    return 0;
}
