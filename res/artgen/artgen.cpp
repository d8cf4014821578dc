// The artwork generator: draws every bitmap, icon, cursor and sound of the program from the table
// in table.cpp and writes them with a resource-script fragment that names them, or renders them
// all onto one contact sheet for review.
//
//   artgen OUTDIR            write the resource files and OUTDIR/artwork.rc
//   artgen --sheet FILE.png  write the contact sheet
#include <zlib.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "res/artgen/encode.h"
#include "res/artgen/sheet.h"
#include "res/artgen/synth.h"
#include "res/artgen/table.h"

namespace art {
namespace {

struct OutputFile {
    std::string name;
    std::string rcLine;
    Bytes bytes;
};

const char* TypeName(Kind kind) {
    switch (kind) {
    case Kind::Bitmap: return "BITMAP";
    case Kind::Icon: return "ICON";
    case Kind::Cursor: return "CURSOR";
    case Kind::Wave: return "WAVE";
    }
    return "";
}

const char* FilePattern(Kind kind) {
    switch (kind) {
    case Kind::Bitmap: return "bitmap_%d.bmp";
    case Kind::Icon: return "icon_%d.ico";
    case Kind::Cursor: return "cursor_%d.cur";
    case Kind::Wave: return "wave_%d.wav";
    }
    return "";
}

// Catches the slips that would otherwise only show as a wrong picture in the running program:
// a number used twice for one kind, a repeated icon size, a hot spot outside its cursor.
bool CheckTable(const std::vector<Row>& rows) {
    bool ok = true;
    std::set<std::pair<int, int>> single;
    std::set<std::tuple<int, int, int>> sizes;
    for (const Row& r : rows) {
        int kind = static_cast<int>(r.kind);
        bool multi = r.kind == Kind::Icon || r.kind == Kind::Cursor;
        if (multi ? !sizes.insert({kind, r.id, r.width}).second : !single.insert({kind, r.id}).second) {
            std::fprintf(stderr, "artgen: %s %d is listed twice\n", TypeName(r.kind), r.id);
            ok = false;
        }
        if (r.kind == Kind::Wave ? r.compose == nullptr
                                 : (r.paint == nullptr || r.width <= 0 || r.height <= 0 || (multi && r.width > 256))) {
            std::fprintf(stderr, "artgen: %s %d has no usable content\n", TypeName(r.kind), r.id);
            ok = false;
        }
        if (r.kind == Kind::Cursor && (r.hotX < 0 || r.hotY < 0 || r.hotX >= r.width || r.hotY >= r.height)) {
            std::fprintf(stderr, "artgen: cursor %d has its hot spot outside\n", r.id);
            ok = false;
        }
    }
    return ok;
}

std::vector<OutputFile> BuildFiles(const std::vector<Row>& rows) {
    // Icon and cursor images gather under their number, in the order of their first row.
    std::vector<std::pair<Kind, int>> order;
    std::map<std::pair<Kind, int>, std::vector<const Row*>> groups;
    for (const Row& r : rows) {
        auto key = std::make_pair(r.kind, r.id);
        if (groups[key].empty()) order.push_back(key);
        groups[key].push_back(&r);
    }
    std::vector<OutputFile> files;
    for (const auto& key : order) {
        const std::vector<const Row*>& group = groups[key];
        const Row& first = *group.front();
        char name[64];
        std::snprintf(name, sizeof name, FilePattern(first.kind), first.id);
        OutputFile f;
        f.name = name;
        f.rcLine = std::to_string(first.id) + " " + TypeName(first.kind) + " \"" + f.name + "\"";
        switch (first.kind) {
        case Kind::Bitmap: f.bytes = EncodeBmp(Render(first)); break;
        case Kind::Wave: f.bytes = EncodeWav(first.compose(), kSampleRate); break;
        case Kind::Icon:
        case Kind::Cursor: {
            std::vector<IconImage> images;
            for (const Row* r : group) images.push_back(IconImage{Render(*r), r->hotX, r->hotY});
            f.bytes = EncodeIconFile(images, first.kind == Kind::Cursor);
            break;
        }
        }
        files.push_back(std::move(f));
    }
    return files;
}

// Leaves a file alone when it already holds these bytes, so that its time stamp, and with it the
// build's idea of what is out of date, only moves when the artwork really changed.
bool WriteIfChanged(const std::string& path, const Bytes& bytes, bool& changed) {
    std::ifstream in(path, std::ios::binary);
    if (in) {
        Bytes old((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (old == bytes) {
            changed = false;
            return true;
        }
    }
    in.close();
    changed = true;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        std::fprintf(stderr, "artgen: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}

int WriteResources(const std::string& dir) {
    std::error_code error;
    std::filesystem::create_directories(dir, error);
    std::vector<OutputFile> files = BuildFiles(Artwork());
    // The script's only dependants are compiled when the script changes, so it carries a digest
    // of every file it names: new pixels or samples change the script too.
    uint32_t digest = 0;
    for (const OutputFile& f : files) {
        digest = static_cast<uint32_t>(crc32_z(digest, reinterpret_cast<const Bytef*>(f.name.data()), f.name.size()));
        digest = static_cast<uint32_t>(crc32_z(digest, f.bytes.data(), f.bytes.size()));
    }
    char digestLine[80];
    std::snprintf(digestLine, sizeof digestLine, "// Content digest %08x\n", static_cast<unsigned>(digest));
    std::string rc = "// Generated by artgen (res/artgen) from its artwork table. Do not edit.\n";
    rc += digestLine;
    for (const OutputFile& f : files) rc += f.rcLine + "\n";
    files.push_back(OutputFile{"artwork.rc", "", Bytes(rc.begin(), rc.end())});

    int written = 0;
    for (const OutputFile& f : files) {
        bool changed = false;
        if (!WriteIfChanged(dir + "/" + f.name, f.bytes, changed)) return 1;
        written += changed ? 1 : 0;
    }
    if (written) std::printf("artgen: %d of %zu files updated in %s\n", written, files.size(), dir.c_str());
    return 0;
}

int WriteSheet(const std::string& path) {
    bool changed = false;
    return WriteIfChanged(path, EncodePng(MakeSheet()), changed) ? 0 : 1;
}

}  // namespace
}  // namespace art

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (!art::CheckTable(art::Artwork())) return 1;
    if (args.size() == 2 && args[0] == "--sheet") return art::WriteSheet(args[1]);
    if (args.size() == 1 && !args[0].empty() && args[0][0] != '-') return art::WriteResources(args[0]);
    std::fprintf(stderr, "usage: artgen OUTDIR\n       artgen --sheet FILE.png\n");
    return 2;
}
