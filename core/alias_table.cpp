#include "core/alias_table.h"

bool AliasTable::LookUp(const std::string& path, std::string& alias) const {
    auto found = aliases_.find(path);
    if (found == aliases_.end()) return false;
    alias = found->second;
    return true;
}

void AliasTable::Set(const std::string& path, const std::string& alias) {
    if (alias.empty()) aliases_.erase(path);
    else
        aliases_[path] = alias;
}

void EncodeAliases(const AliasTable& table, datafile::PayloadWriter& payload) {
    payload.PutU32(static_cast<uint32_t>(table.All().size()));
    for (const auto& entry : table.All()) {
        payload.PutU32(static_cast<uint32_t>(entry.first.size()));
        payload.PutBytes(entry.first.data(), entry.first.size());
        payload.PutU32(static_cast<uint32_t>(entry.second.size()));
        payload.PutBytes(entry.second.data(), entry.second.size());
    }
}

AliasTable DecodeAliases(datafile::PayloadReader& payload) {
    AliasTable table;
    uint32_t count = 0;
    if (!payload.ReadU32(count)) return table;
    for (uint32_t pair = 0; pair < count; ++pair) {
        uint32_t pathLength = 0, aliasLength = 0;
        std::string path, alias;
        if (!payload.ReadU32(pathLength) || !payload.ReadText(pathLength, path) || !payload.ReadU32(aliasLength) ||
            !payload.ReadText(aliasLength, alias))
            break;
        if (alias.empty() || path.find('\0') != std::string::npos || table.All().count(path)) continue;
        table.Set(path, alias);
    }
    return table;
}
