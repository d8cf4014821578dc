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
