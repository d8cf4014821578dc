// The names that the user gave to folders, by path, held in memory for the tab model.
#pragma once
#include <map>
#include <string>

#include "core/tab_model.h"

class AliasTable : public tabs::TabAliases {
public:
    bool LookUp(const std::string& path, std::string& alias) const override;
    // An empty alias removes the folder's entry, so that the folder shows its own name again.
    void Set(const std::string& path, const std::string& alias) override;
    const std::map<std::string, std::string>& All() const { return aliases_; }

private:
    std::map<std::string, std::string> aliases_;
};
