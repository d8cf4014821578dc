// Writes the fuzz targets' seed files with the program's own writers: the codecs that it saves its
// data files with, the data-file framing, and the builders of the records that it hands to other
// processes. Each target's seeds go to a folder of the target's name under the folder given; the
// committed seeds are these files, and a test writes them afresh and compares.
//   fuzz_seeds <folder>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/alias_table.h"
#include "core/comments.h"
#include "core/datafile.h"
#include "core/favourite_file.h"
#include "core/font_file.h"
#include "core/gesture_file.h"
#include "core/handover.h"
#include "core/id_list_array.h"
#include "core/launcher_file.h"
#include "core/tab_list_file.h"
#include "core/tree_hide_file.h"
#include "tests/core/id_list_bytes.h"

namespace {

using Bytes = std::vector<uint8_t>;

class SeedFolder {
public:
    SeedFolder(const std::filesystem::path& root, const char* target) : folder_(root / target) {
        std::filesystem::create_directories(folder_);
    }

    void Write(const char* name, const Bytes& bytes) {
        std::ofstream out(folder_ / name, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        if (!out) failed_ = true;
    }
    bool Failed() const { return failed_; }

private:
    std::filesystem::path folder_;
    bool failed_ = false;
};

// What the program leaves for a list that holds nothing: a file without even a header.
const Bytes kEmptyList;

// The tab, the favourite or the drive that the lists below stand for.
const Bytes kDesktop = ListOf({});
const Bytes kDriveC = ListOf({"C:\\"});
const Bytes kWork = ListOf({"C:\\", "work"});
const Bytes kPhotos = ListOf({"D:\\", "写真", "2024"});

Bytes Framed(uint32_t version, const datafile::PayloadWriter& payload) {
    return datafile::Frame(version, payload.Bytes());
}

void WriteFraming(SeedFolder& seeds) {
    seeds.Write("empty_payload", datafile::Frame(100, {}));
    // The records that the target reads: a count, then a text, a number and a 60-byte block each.
    auto records = [](std::vector<std::string> texts) {
        datafile::PayloadWriter payload;
        payload.PutU32(static_cast<uint32_t>(texts.size()));
        for (size_t i = 0; i < texts.size(); ++i) {
            payload.PutU32(static_cast<uint32_t>(texts[i].size()));
            payload.PutBytes(texts[i].data(), texts[i].size());
            payload.PutI32(-static_cast<int32_t>(i));
            const Bytes block(60, static_cast<uint8_t>(i));
            payload.PutBytes(block.data(), block.size());
        }
        return Framed(90, payload);
    };
    seeds.Write("one_record", records({"abc"}));
    seeds.Write("three_records", records({"C:\\work", "", "表示"}));
}

void WriteComments(SeedFolder& seeds) {
    auto file = [](const std::vector<std::pair<std::string, std::string>>& pairs) {
        CommentTable table;
        for (const auto& pair : pairs) table.SetCommentByPath(pair.first, pair.second);
        datafile::PayloadWriter payload;
        EncodeComments(table, payload);
        return Framed(kCommentFileVersion, payload);
    };
    seeds.Write("empty_list", kEmptyList);
    seeds.Write("one_pair", file({{"C:\\Users\\doc.txt", "見積もり"}}));
    seeds.Write("mixed_drives", file({{"C:", "システム"},
                                      {"E:\\写真\\表.jpg", "旅行"},
                                      {"Q:\\disc", "CD"},
                                      {"\\\\server\\共有\\報告.doc", "会議"},
                                      {"c:\\users\\doc.txt", "lower case"},
                                      {"マイ コンピュータ", "virtual folder"}}));
}

void WriteAliases(SeedFolder& seeds) {
    auto file = [](const std::vector<std::pair<std::string, std::string>>& pairs) {
        AliasTable table;
        for (const auto& pair : pairs) table.Set(pair.first, pair.second);
        datafile::PayloadWriter payload;
        EncodeAliases(table, payload);
        return Framed(kAliasFileVersion, payload);
    };
    seeds.Write("empty_list", kEmptyList);
    seeds.Write("one_pair", file({{"C:\\work", "仕事"}}));
    seeds.Write("three_pairs", file({{"C:\\work", "仕事"}, {"D:\\写真", "photos"}, {"\\\\server\\share", "共有"}}));
}

void WriteLauncher(SeedFolder& seeds) {
    auto file = [](const std::vector<StoredItemList>& lists) {
        datafile::PayloadWriter payload;
        EncodeLauncher(lists, payload);
        return Framed(kLauncherFileVersion, payload);
    };
    seeds.Write("empty_list", kEmptyList);
    seeds.Write("one_entry", file({kWork}));
    seeds.Write("three_entries", file({kWork, ListOf({"C:\\", "work", "file.txt"}), kPhotos}));
}

tablist::SavedTab Tab(const Bytes& folder, bool locked, int style, int column) {
    tablist::SavedTab tab;
    tab.folder = folder;
    tab.locked = locked;
    tab.view.style = style;
    tab.view.sort.column = column;
    tab.view.sort.directions[static_cast<size_t>(column)] = 1;
    return tab;
}

void WriteTabList(SeedFolder& seeds) {
    auto payloadOf = [](const tablist::TabList& list) {
        datafile::PayloadWriter payload;
        tablist::EncodeTabList(list, payload);
        return payload;
    };
    seeds.Write("empty_list", kEmptyList);
    tablist::TabList one;
    one.mainFolder = kWork;
    one.tabs = {Tab(kWork, false, kIconStyle, 0)};
    seeds.Write("one_tab_one_pane", Framed(tablist::kVersion, payloadOf(one)));
    tablist::TabList two;
    two.mainFolder = kPhotos;
    two.subFolder = kWork;
    two.tabs = {Tab(kWork, true, kDetailsStyle, 3), Tab(kPhotos, false, kThumbnailStyle, 0),
                Tab(kDesktop, false, kCommentStyle, 1)};
    two.tabs[1].view.columnWidths[0] = 300;
    seeds.Write("three_tabs_two_panes", Framed(tablist::kVersion, payloadOf(two)));
    // Before the shown folders came, the file began with the tab count: the same records follow it.
    const uint32_t olderVersion = 90;
    tablist::TabList old;
    old.tabs = {Tab(kDesktop, false, kDetailsStyle, 0), Tab(kDriveC, true, kListStyle, 2)};
    datafile::PayloadWriter written = payloadOf(old);
    const size_t noShownFolders = 2 * sizeof(uint32_t);
    seeds.Write("older_version_without_shown_folders",
                datafile::Frame(olderVersion, Bytes(written.Bytes().begin() + noShownFolders, written.Bytes().end())));
}

void WriteTreeHide(SeedFolder& seeds) {
    seeds.Write("no_entries", treehide::EncodeFile({}));
    seeds.Write("one_entry", treehide::EncodeFile({{kDriveC, {ListOf({"folder"}), ListOf({"表"})}}}));
    seeds.Write("emptied_entry_and_desktop",
                treehide::EncodeFile({{kDriveC, {}}, {kDesktop, {ListOf({"folder"})}}, {kWork, {ListOf({"old"})}}}));
}

favfile::Favourite Favourite(const std::string& label, const Bytes& folder, bool locked) {
    favfile::Favourite favourite;
    favourite.label = label;
    favourite.folder = folder;
    favourite.locked = locked;
    favourite.view.style = locked ? kDetailsStyle : kIconStyle;
    return favourite;
}

favfile::Node Group(const std::string& label, std::vector<favfile::Favourite> children) {
    favfile::Node node;
    node.group = true;
    node.label = label;
    node.children = std::move(children);
    return node;
}

favfile::Node Alone(favfile::Favourite favourite) {
    favfile::Node node;
    node.favourite = std::move(favourite);
    return node;
}

void WriteFavourites(SeedFolder& seeds) {
    auto file = [](const std::vector<favfile::Node>& tree) {
        datafile::PayloadWriter payload;
        favfile::EncodeTree(tree, payload);
        return Framed(favfile::kVersion, payload);
    };
    seeds.Write("empty_tree", file({}));
    seeds.Write("one_favourite", file({Alone(Favourite("作業", kWork, false))}));
    seeds.Write("groups_and_a_root_favourite",
                file({Group("スタートアップ", {Favourite("作業", kWork, false), Favourite("写真", kPhotos, true)}),
                      Group("新しいグループ", {}), Alone(Favourite("デスクトップ", kDesktop, false)),
                      Group("ドライブ", {Favourite("C:\\", kDriveC, false)})}));
}

void WriteGestures(SeedFolder& seeds) {
    auto file = [](const GestureRecognizer& recognizer) {
        datafile::PayloadWriter payload;
        gesturefile::Encode(recognizer, payload);
        return Framed(gesturefile::kVersion, payload);
    };
    GestureRecognizer off;
    gesturefile::SetDefaults(off);
    seeds.Write("off_nothing_assigned", file(off));
    GestureRecognizer each;
    each.SetEnabled(true);
    // One code an action, from one stroke to four, every direction used.
    const uint32_t codes[] = {0x1, 0x2, 0x4, 0x8, 0x12, 0x14, 0x18, 0x21, 0x24, 0x28, 0x41, 0x42, 0x48, 0x81};
    for (int32_t action = gesture::kFirstAction; action <= gesture::kLastAction; ++action)
        each.Assign(codes[action - gesture::kFirstAction], action);
    seeds.Write("on_one_code_an_action", file(each));
    GestureRecognizer longest;
    longest.SetEnabled(true);
    longest.Assign(0x81212121u, gesture::kCopy);
    longest.Assign(0x21212121u, gesture::kNewFolder);
    longest.Assign(0x1, gesture::kBack);
    seeds.Write("on_longest_codes", file(longest));
}

void WriteIdListArrays(SeedFolder& seeds) {
    auto block = [](const Bytes& parent, const std::vector<Bytes>& children) {
        std::vector<idarray::Span> spans;
        for (const Bytes& child : children) spans.push_back(idarray::Span{child.data(), child.size()});
        return idarray::Build(parent.data(), parent.size(), spans);
    };
    seeds.Write("desktop_parent", block(kDesktop, {kDriveC}));
    seeds.Write("three_children", block(kWork, {ListOf({"a.txt"}), ListOf({"b"}), ListOf({"表.doc"})}));
    seeds.Write("deep_parent", block(ListOf({"D:\\", "写真", "2024", "旅行"}), {ListOf({"1.jpg"})}));
}

// The count that travels beside the record, eight bytes, then the record.
Bytes HandOver(const std::vector<std::string>& paths) {
    Bytes input;
    for (int shift = 0; shift < 64; shift += 8) input.push_back(static_cast<uint8_t>(uint64_t{paths.size()} >> shift));
    std::vector<char> record = handover::BuildRecord(paths);
    input.insert(input.end(), record.begin(), record.end());
    return input;
}

void WriteHandOvers(SeedFolder& seeds) {
    seeds.Write("one_path", HandOver({"C:\\work"}));
    seeds.Write("three_paths", HandOver({"C:\\work", "D:\\写真\\表", "\\\\server\\share"}));
    seeds.Write("longest_path", HandOver({"C:\\" + std::string(handover::kSlotSize - 4, 'a')}));
}

void SetFace(fontfile::Record& record, const std::string& face) {
    std::fill(record.begin() + fontfile::kFaceOffset, record.end(), 0);
    std::copy(face.begin(), face.end(), record.begin() + fontfile::kFaceOffset);
}

void WriteFonts(SeedFolder& seeds) {
    auto file = [](const fontfile::Fonts& fonts) {
        datafile::PayloadWriter payload;
        fontfile::Encode(fonts, payload);
        return Framed(fontfile::kVersion, payload);
    };
    seeds.Write("defaults", file(fontfile::Defaults()));
    // Other faces, sizes and weights, as the font dialog leaves them.
    fontfile::Fonts chosen = fontfile::Defaults();
    chosen.tab[fontfile::kHeightOffset] = 0xEC;
    SetFace(chosen.tree, "Arial");
    chosen.tree[fontfile::kWeightOffset] = 0xBC;
    chosen.tree[fontfile::kWeightOffset + 1] = 0x02;
    SetFace(chosen.list, "ＭＳ ゴシック");
    seeds.Write("chosen", file(chosen));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const std::filesystem::path root(argv[1]);
    bool failed = false;
    auto write = [&](const char* target, void (*writer)(SeedFolder&)) {
        SeedFolder seeds(root, target);
        writer(seeds);
        failed = failed || seeds.Failed();
    };
    write("datafile", &WriteFraming);
    write("comments", &WriteComments);
    write("aliases", &WriteAliases);
    write("launcher", &WriteLauncher);
    write("tab_list", &WriteTabList);
    write("tree_hide", &WriteTreeHide);
    write("favourites", &WriteFavourites);
    write("gestures", &WriteGestures);
    write("id_list_array", &WriteIdListArrays);
    write("handover", &WriteHandOvers);
    write("fonts", &WriteFonts);
    if (failed) std::fprintf(stderr, "could not write every seed under %s\n", argv[1]);
    return failed ? 1 : 0;
}
