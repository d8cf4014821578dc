// The names that the user gave to folders, by path, held in memory for the tab model, and the
// payload of tabalias.dat that keeps them. No Windows header: the codec is built natively and
// fuzzed.
#pragma once
#include <cstdint>
#include <map>
#include <string>

#include "core/datafile.h"
#include "core/tab_model.h"

constexpr uint32_t kAliasFileVersion = 90;

// Ordered by the bytes of the path, a prefix first, so that the file lists the folders in that
// order. No alias is ever empty.
class AliasTable : public tabs::TabAliases {
public:
    bool LookUp(const std::string& path, std::string& alias) const override;
    // An empty alias removes the folder's entry, so that the folder shows its own name again.
    void Set(const std::string& path, const std::string& alias) override;
    const std::map<std::string, std::string>& All() const { return aliases_; }
    bool Empty() const { return aliases_.empty(); }

private:
    std::map<std::string, std::string> aliases_;
};

// The count, then each pair in path order: path length, path, alias length, alias.
void EncodeAliases(const AliasTable& table, datafile::PayloadWriter& payload);

// The count only limits the pairs read; lengths are unsigned, and a pair that the bytes left cannot
// hold ends the load, keeping the complete pairs before it. A pair with an empty alias, or whose
// path holds a zero byte and so can never be a folder's, is skipped; a path met again keeps its
// first alias.
AliasTable DecodeAliases(datafile::PayloadReader& payload);
