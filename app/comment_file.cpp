#include "app/comment_file.h"

#include <windows.h>

#include <map>
#include <vector>

#include "win/datafile_io.h"
#include "win/system_text.h"

namespace {

class SystemDisk : public CommentDisk {
public:
    // Asked once a root: a network share that does not answer would otherwise make each of its
    // comments wait for it again.
    DriveKind KindOfDrive(const std::string& root) override {
        std::map<std::string, DriveKind>::const_iterator known = drives_.find(root);
        if (known != drives_.end()) return known->second;
        DriveKind type = DriveKindFromCode(GetDriveTypeA(root.c_str()));
        drives_[root] = type;
        return type;
    }
    bool Exists(const std::string& path) override {
        return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
    }

private:
    std::map<std::string, DriveKind> drives_;
};

}  // namespace

CommentTable LoadComments(const std::string& path) {
    DataFileContents file(path);
    if (!file.Valid()) return CommentTable();
    SystemDisk disk;
    return DecodeComments(file.Payload(), disk, &IsSystemLeadByte);
}

bool SaveComments(const std::string& path, const CommentTable& table) {
    if (table.Empty()) return WriteRawDataFile(path, std::vector<uint8_t>());
    datafile::PayloadWriter payload;
    EncodeComments(table, payload);
    return WriteDataFile(path, kCommentFileVersion, payload);
}
