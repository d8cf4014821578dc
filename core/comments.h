// The comments that the user attaches to files and folders, keyed by the item's path string, and
// the payload of comment.dat that keeps them. No Windows header: the table, the codec and the
// rule for which comments survive a start are built natively and fuzzed; the program supplies
// the answers of the disk through CommentDisk.
#pragma once
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

#include "core/datafile.h"
#include "core/dbcs_text.h"

constexpr uint32_t kCommentFileVersion = 90;

// A drive as GetDriveType numbers it (not named DriveType: the shell headers declare a function
// of that name).
enum class DriveKind { Unknown = 0, NoRootDir = 1, Removable = 2, Fixed = 3, Remote = 4, CdRom = 5, RamDisk = 6 };

// A number outside the system's list reads as Unknown.
DriveKind DriveKindFromCode(unsigned code);

// Whether a comment on that drive is loaded only while its path still exists. Removable media,
// discs and drives that are not there are never touched at start, so their comments wait for
// the medium to come back; on every other drive a deleted file takes its comment with it.
bool KeptOnlyWhileItExists(DriveKind type);

// The root whose drive type decides for a key: "C:\" for "C:" and "C:\...", "\\server\share\"
// for a UNC path; empty for a key that has none, such as the display name of a virtual folder.
std::string CommentKeyRoot(const std::string& key, dbcs::LeadBytePredicate isLead);

// Path string to comment, ordered by the bytes of the key (a prefix first). Keys are case- and
// separator-sensitive: "C:\a", "c:\A" and "C:/a" are three comments. No comment is ever empty.
class CommentTable {
public:
    using Entries = std::map<std::string, std::string>;

    // False, with text emptied, when the path has no comment.
    bool GetComment(const std::string& path, std::string& text) const;
    // An empty text removes the path's comment.
    void SetCommentByPath(const std::string& path, const std::string& text);

    const Entries& All() const { return entries_; }
    bool Empty() const { return entries_.empty(); }

private:
    Entries entries_;
};

// What loading asks the disk about a key.
class CommentDisk {
public:
    virtual ~CommentDisk() = default;
    virtual DriveKind KindOfDrive(const std::string& root) = 0;
    virtual bool Exists(const std::string& path) = 0;
};

// The count, then each pair in key order: key length, key, comment length, comment.
void EncodeComments(const CommentTable& table, datafile::PayloadWriter& payload);

// Reads pairs until the count is reached or a record ends early or carries a negative key
// length; the complete pairs before such a record are kept. A pair whose key cannot be a path
// (it holds a zero byte), whose comment is empty, or whose path is gone from a drive that
// KeptOnlyWhileItExists is dropped; a key met again keeps its first comment.
CommentTable DecodeComments(datafile::PayloadReader& payload, CommentDisk& disk, dbcs::LeadBytePredicate isLead);
