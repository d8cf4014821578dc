#include "core/comments.h"

namespace {

bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// Walks whole characters from `from`, a character boundary, so that the trail byte 5C of a
// double-byte character such as 表 (95 5C) is never taken for a separator.
std::size_t NextBackslash(const std::string& text, std::size_t from, dbcs::LeadBytePredicate isLead) {
    std::size_t at = from;
    while (at < text.size()) {
        if (isLead(static_cast<unsigned char>(text[at])) && at + 1 < text.size()) {
            at += 2;
            continue;
        }
        if (text[at] == '\\') return at;
        ++at;
    }
    return std::string::npos;
}

bool Survives(const std::string& key, CommentDisk& disk, dbcs::LeadBytePredicate isLead) {
    std::string root = CommentKeyRoot(key, isLead);
    DriveKind type = root.empty() ? DriveKind::NoRootDir : disk.KindOfDrive(root);
    return !KeptOnlyWhileItExists(type) || disk.Exists(key);
}

}  // namespace

DriveKind DriveKindFromCode(unsigned code) {
    return code <= static_cast<unsigned>(DriveKind::RamDisk) ? static_cast<DriveKind>(code) : DriveKind::Unknown;
}

bool KeptOnlyWhileItExists(DriveKind type) {
    return type != DriveKind::NoRootDir && type != DriveKind::Removable && type != DriveKind::CdRom;
}

std::string CommentKeyRoot(const std::string& key, dbcs::LeadBytePredicate isLead) {
    if (key.size() >= 2 && IsAsciiLetter(key[0]) && key[1] == ':' && (key.size() == 2 || key[2] == '\\')) {
        return key.substr(0, 2) + "\\";
    }
    if (key.size() < 3 || key[0] != '\\' || key[1] != '\\') return std::string();
    std::size_t serverEnd = NextBackslash(key, 2, isLead);
    if (serverEnd == std::string::npos || serverEnd == 2) return std::string();
    std::size_t shareEnd = NextBackslash(key, serverEnd + 1, isLead);
    if (shareEnd == std::string::npos) shareEnd = key.size();
    if (shareEnd == serverEnd + 1) return std::string();
    return key.substr(0, shareEnd) + "\\";
}

bool CommentTable::GetComment(const std::string& path, std::string& text) const {
    Entries::const_iterator found = entries_.find(path);
    if (found == entries_.end()) {
        text.clear();
        return false;
    }
    text = found->second;
    return true;
}

void CommentTable::SetCommentByPath(const std::string& path, const std::string& text) {
    if (text.empty()) {
        entries_.erase(path);
    } else {
        entries_[path] = text;
    }
}

void EncodeComments(const CommentTable& table, datafile::PayloadWriter& payload) {
    payload.PutI32(static_cast<int32_t>(table.All().size()));
    for (const CommentTable::Entries::value_type& entry : table.All()) {
        payload.PutI32(static_cast<int32_t>(entry.first.size()));
        payload.PutBytes(entry.first.data(), entry.first.size());
        payload.PutI32(static_cast<int32_t>(entry.second.size()));
        payload.PutBytes(entry.second.data(), entry.second.size());
    }
}

CommentTable DecodeComments(datafile::PayloadReader& payload, CommentDisk& disk, dbcs::LeadBytePredicate isLead) {
    CommentTable table;
    int32_t count = 0;
    if (!payload.ReadI32(count)) return table;
    for (int32_t pair = 0; pair < count; ++pair) {
        int32_t keyLength = 0;
        std::string key;
        if (!payload.ReadI32(keyLength) || keyLength < 0 || !payload.ReadText(static_cast<size_t>(keyLength), key)) {
            break;
        }
        // A length of zero or less is how the format writes an empty comment.
        int32_t commentLength = 0;
        std::string comment;
        if (!payload.ReadI32(commentLength)) break;
        if (commentLength > 0 && !payload.ReadText(static_cast<size_t>(commentLength), comment)) break;
        // Path strings are zero-terminated everywhere else; a key with a zero byte never matches
        // an item and would be asked about the disk cut short.
        if (comment.empty() || key.find('\0') != std::string::npos || table.All().count(key)) continue;
        if (Survives(key, disk, isLead)) table.SetCommentByPath(key, comment);
    }
    return table;
}
