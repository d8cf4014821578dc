// The names of res/ids.h against the artwork table. A name whose number the table does not draw
// would load nothing in the running program, and a number drawn under no name is artwork that
// nothing can ask for; neither shows until someone looks at the screen.
#include "res/artgen/table.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "res/ids.h"

namespace {

using art::Kind;

struct Name {
    std::string name;
    int number;
};

// Every #define of the header; one that is not a plain name and number fails the test, so that
// nothing is skipped unseen.
std::vector<Name> ReadNames() {
    std::vector<Name> names;
    std::ifstream in(TSY_SOURCE_ROOT "/res/ids.h");
    EXPECT_TRUE(in) << "cannot read res/ids.h";
    const std::regex directive(R"(\s*#\s*define\b.*)");
    const std::regex define(R"(#define ([A-Z][A-Z0-9_]*) ([0-9]+)(\s+//.*)?)");
    std::string line;
    while (std::getline(in, line)) {
        if (!std::regex_match(line, directive)) continue;
        std::smatch m;
        if (std::regex_match(line, m, define)) names.push_back({m[1], std::stoi(m[2])});
        else
            ADD_FAILURE() << "not a name and a number: " << line;
    }
    return names;
}

enum class Prefix { Drawn, NotDrawn, Unknown };

// What a name's prefix promises: for the kinds the table draws, which kind.
Prefix KindOf(const std::string& name, Kind& kind) {
    const std::pair<const char*, Kind> drawn[] = {
        {"IDB_", Kind::Bitmap}, {"IDI_", Kind::Icon}, {"IDC_", Kind::Cursor}, {"IDW_", Kind::Wave}};
    for (const auto& [prefix, k] : drawn) {
        if (name.rfind(prefix, 0) == 0) {
            kind = k;
            return Prefix::Drawn;
        }
    }
    for (const char* prefix : {"IDD_", "IDE_", "IDM_", "CMD_"})
        if (name.rfind(prefix, 0) == 0) return Prefix::NotDrawn;
    return Prefix::Unknown;
}

TEST(ArtworkTableTest, TheHeaderIsReadAsTheCompilerReadsIt) {
    std::map<std::string, int> numbers;
    for (const Name& n : ReadNames()) numbers[n.name] = n.number;
    EXPECT_EQ(IDI_PROGRAM, numbers["IDI_PROGRAM"]);
    EXPECT_EQ(IDB_LOGO_STRIP, numbers["IDB_LOGO_STRIP"]);
    EXPECT_EQ(CMD_FAVOURITE_RENAME, numbers["CMD_FAVOURITE_RENAME"]);
}

TEST(ArtworkTableTest, EveryNumberHasOneNameOfAKnownKind) {
    std::vector<Name> names = ReadNames();
    ASSERT_FALSE(names.empty());
    std::map<int, std::string> owner;
    std::set<std::string> seen;
    for (const Name& n : names) {
        Kind kind;
        EXPECT_NE(Prefix::Unknown, KindOf(n.name, kind)) << n.name;
        EXPECT_TRUE(seen.insert(n.name).second) << n.name << " is defined twice";
        auto [at, fresh] = owner.emplace(n.number, n.name);
        EXPECT_TRUE(fresh) << n.number << " is both " << at->second << " and " << n.name;
    }
}

TEST(ArtworkTableTest, EveryImageAndSoundNamedIsDrawnOnceAsItsKind) {
    std::map<std::pair<Kind, int>, std::vector<int>> drawn;  // the widths drawn under each number
    for (const art::Row& row : art::Artwork()) drawn[{row.kind, row.id}].push_back(row.width);
    for (const Name& n : ReadNames()) {
        Kind kind;
        if (KindOf(n.name, kind) != Prefix::Drawn) continue;
        SCOPED_TRACE(n.name);
        for (Kind other : {Kind::Bitmap, Kind::Icon, Kind::Cursor, Kind::Wave}) {
            if (other == kind) continue;
            EXPECT_EQ(0u, drawn.count({other, n.number})) << "drawn as another kind";
        }
        auto found = drawn.find({kind, n.number});
        ASSERT_TRUE(found != drawn.end()) << "not drawn";
        const std::vector<int>& widths = found->second;
        // An icon or cursor file holds several sizes, each once; a bitmap or a sound is one row.
        if (kind == Kind::Icon || kind == Kind::Cursor)
            EXPECT_EQ(widths.size(), std::set<int>(widths.begin(), widths.end()).size()) << "a size twice";
        else
            EXPECT_EQ(1u, widths.size()) << "drawn more than once";
    }
}

TEST(ArtworkTableTest, TheTableDrawsOnlyNamedNumbers) {
    std::set<std::pair<Kind, int>> named;
    for (const Name& n : ReadNames()) {
        Kind kind;
        if (KindOf(n.name, kind) == Prefix::Drawn) named.insert({kind, n.number});
    }
    for (const art::Row& row : art::Artwork())
        EXPECT_EQ(1u, named.count({row.kind, row.id}))
            << "row " << row.id << " of kind " << static_cast<int>(row.kind) << " has no name";
}

}  // namespace
