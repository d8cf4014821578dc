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

bool ReplaceWith(const std::string& path, const std::vector<uint8_t>& bytes) {
    const std::string temporary = path + ".new";
    bool written;
    {
        Handle file(
            CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.Valid()) return false;
        written = WriteAll(file.Get(), bytes) && FlushFileBuffers(file.Get());
    }
    if (written && MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    DeleteFileA(temporary.c_str());
    return false;
}

}  // namespace

bool WriteDataFile(const std::string& path, uint32_t version, const datafile::PayloadWriter& payload) {
    return ReplaceWith(path, datafile::Frame(version, payload.Bytes()));
}

bool WriteRawDataFile(const std::string& path, const std::vector<uint8_t>& bytes) { return ReplaceWith(path, bytes); }

DataFileContents::DataFileContents(const std::string& path) {
    if (ReadWholeFile(path, bytes_, kLargestDataFile)) parsed_ = datafile::Parse(bytes_);
}
