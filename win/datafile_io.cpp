#include "win/datafile_io.h"

#include <windows.h>

#include <algorithm>
#include <string>

#include "win/file_read.h"
#include "win/owners.h"

namespace {

// Larger than any list the program keeps; a bigger file is not one of ours.
constexpr std::size_t kLargestDataFile = 256u * 1024 * 1024;

bool WriteAll(HANDLE file, const std::vector<uint8_t>& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 20));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written != chunk) return false;
        done += chunk;
    }
    return true;
}

// Whatever made the file, its bytes are on the disk before it takes the old one's name: a move
// that reaches the disk before the contents would leave a short file in the old one's place.
bool FlushToDisk(const std::string& path) {
    Handle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return file.Valid() && FlushFileBuffers(file.Get());
}

}  // namespace

bool ReplaceFileWhole(const std::string& path, const std::function<bool(const std::string& temporary)>& write) {
    const std::string temporary = path + ".new";
    if (write(temporary) && FlushToDisk(temporary) &&
        MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    DeleteFileA(temporary.c_str());
    return false;
}

bool WriteWholeFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    Handle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    return file.Valid() && WriteAll(file.Get(), bytes);
}

bool WriteDataFile(const std::string& path, uint32_t version, const datafile::PayloadWriter& payload) {
    return WriteRawDataFile(path, datafile::Frame(version, payload.Bytes()));
}

bool WriteRawDataFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    return ReplaceFileWhole(path, [&](const std::string& temporary) { return WriteWholeFile(temporary, bytes); });
}

DataFileContents::DataFileContents(const std::string& path) {
    if (ReadWholeFile(path, bytes_, kLargestDataFile)) parsed_ = datafile::Parse(bytes_);
}
