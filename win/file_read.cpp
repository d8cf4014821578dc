#include "win/file_read.h"

#include <windows.h>

#include <algorithm>

#include "win/owners.h"

namespace {

// ReadFile counts in DWORDs; pieces of this size keep every call well inside that.
constexpr std::size_t kLargestPiece = 1u << 20;

bool Fail(std::vector<uint8_t>& bytes) {
    bytes.clear();
    return false;
}

}  // namespace

bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& bytes, std::size_t maxBytes) {
    bytes.clear();
    Handle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size{};
    if (!file.Valid() || !GetFileSizeEx(file.Get(), &size) || static_cast<uint64_t>(size.QuadPart) > maxBytes)
        return false;
    // The size only makes room: a writer may cut the file short or add to it while it is read, so
    // reading goes on to the end that ReadFile reports.
    bytes.resize(static_cast<std::size_t>(size.QuadPart));
    std::size_t done = 0;
    for (;;) {
        DWORD read = 0;
        if (done < bytes.size()) {
            DWORD piece = static_cast<DWORD>(std::min(bytes.size() - done, kLargestPiece));
            if (!ReadFile(file.Get(), bytes.data() + done, piece, &read, nullptr)) return Fail(bytes);
            if (read == 0) break;
            done += read;
            continue;
        }
        // As long as it was said to be: whatever comes now has been added since.
        uint8_t more[4096];
        if (!ReadFile(file.Get(), more, sizeof more, &read, nullptr)) return Fail(bytes);
        if (read == 0) break;
        if (read > maxBytes - done) return Fail(bytes);
        bytes.insert(bytes.end(), more, more + read);
        done += read;
    }
    bytes.resize(done);
    return true;
}
