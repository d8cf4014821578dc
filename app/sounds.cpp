#include "app/sounds.h"

#include <windows.h>
#include <mmsystem.h>

#include <array>
#include <utility>

#include "win/program_folder.h"
#include "app/settings_file.h"
#include "win/owners.h"

namespace {

constexpr std::array<int, kSoundEventCount> kBuiltInResources = {
    385, 381, 384, 386, 390, 391, 383, 382, 388, 387, 392, 389, 409, 409, 409, 409,
};

// Far beyond any event sound; a larger file is refused instead of being read into memory.
constexpr LONGLONG kLargestSoundFile = 64LL * 1024 * 1024;

const char kSoundFolderName[] = "sound";

// A fixed global memory block, whose handle is its address.
class GlobalBlock {
public:
    GlobalBlock() = default;
    explicit GlobalBlock(HGLOBAL block) : block_(block) {}
    ~GlobalBlock() { Reset(); }
    GlobalBlock(GlobalBlock&& other) noexcept : block_(other.Release()) {}
    GlobalBlock& operator=(GlobalBlock&& other) noexcept { Reset(other.Release()); return *this; }
    GlobalBlock(const GlobalBlock&) = delete;
    GlobalBlock& operator=(const GlobalBlock&) = delete;

    void* Get() const { return block_; }
    explicit operator bool() const { return block_ != nullptr; }
    HGLOBAL Release() { HGLOBAL block = block_; block_ = nullptr; return block; }
    void Reset(HGLOBAL block = nullptr) {
        if (block_) GlobalFree(block_);
        block_ = block;
    }

private:
    HGLOBAL block_ = nullptr;
};

struct CustomSound {
    GlobalBlock data;
    size_t size = 0;
};

struct CustomSoundTable {
    std::array<CustomSound, kSoundEventCount> events;
    // Whatever is still held when the process ends may still be playing.
    ~CustomSoundTable() { FreeEventSounds(); }
};

// Declared first so that it outlives the table, whose destruction may still record a stop.
SoundRequest g_lastRequest;
CustomSoundTable g_customSounds;

bool ValidEvent(int event) { return event >= 0 && event < kSoundEventCount; }

void RecordRequest(int event, SoundSource source, const void* memory, int resource, std::string file,
                   BOOL accepted) {
    SoundRequest request;
    request.count = g_lastRequest.count + 1;
    request.event = event;
    request.source = source;
    request.memory = memory;
    request.resource = resource;
    request.file = std::move(file);
    request.accepted = accepted != FALSE;
    g_lastRequest = std::move(request);
}

void StopPlaying() {
    BOOL accepted = PlaySoundA(nullptr, nullptr, 0);
    RecordRequest(-1, SoundSource::Stop, nullptr, 0, std::string(), accepted);
}

// The last character decides, read whole: the trail byte of a double-byte character may equal '\'.
bool EndsInSeparator(const std::string& path) {
    bool separator = false;
    for (size_t i = 0; i < path.size(); ++i) {
        separator = path[i] == '\\' || path[i] == '/';
        if (IsDBCSLeadByte(static_cast<BYTE>(path[i])) && i + 1 < path.size()) ++i;
    }
    return separator;
}

std::string SoundFilePath(const std::string& name) {
    std::string path = ProgramFolder();
    if (!path.empty() && !EndsInSeparator(path)) path += '\\';
    return path + kSoundFolderName + '\\' + name;
}

// The whole file, or nothing when it cannot be opened, is empty, is absurdly large or cannot be
// read to its end.
CustomSound ReadSoundFile(const std::string& path) {
    // Others may read the file at the same time; refusing them would throw the user's choice away
    // merely because a player has the file open.
    Handle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) return {};
    LARGE_INTEGER fileSize{};
    if (!GetFileSizeEx(file.Get(), &fileSize) || fileSize.QuadPart <= 0 || fileSize.QuadPart > kLargestSoundFile)
        return {};
    DWORD size = static_cast<DWORD>(fileSize.QuadPart);
    GlobalBlock data(GlobalAlloc(GPTR, size));
    if (!data) return {};
    BYTE* bytes = static_cast<BYTE*>(data.Get());
    DWORD total = 0;
    while (total < size) {
        DWORD read = 0;
        if (!ReadFile(file.Get(), bytes + total, size - total, &read, nullptr) || read == 0) return {};
        total += read;
    }
    CustomSound sound;
    sound.data = std::move(data);
    sound.size = size;
    return sound;
}

void ReplaceCustomSound(int event, CustomSound sound) {
    if (g_customSounds.events[event].data) StopPlaying();
    g_customSounds.events[event] = std::move(sound);
}

}  // namespace

int BuiltInSoundResource(int event) { return ValidEvent(event) ? kBuiltInResources[event] : 0; }

void SetEventSound(int event, bool builtIn, const std::string& name) {
    if (!ValidEvent(event)) return;
    CustomSound sound;
    if (!builtIn) sound = ReadSoundFile(SoundFilePath(name));
    bool keepsName = builtIn || sound.data;
    ReplaceCustomSound(event, std::move(sound));
    g_settings.soundFiles[event] = keepsName ? name : std::string();
}

void LoadEventSounds() {
    for (int event = 0; event < kSoundEventCount; ++event) {
        std::string name = g_settings.soundFiles[event];
        SetEventSound(event, name.empty(), name);
    }
}

void PlayEventSound(SoundEvent event) { PlayEventSound(static_cast<int>(event)); }

void PlayEventSound(int event) {
    if (!ValidEvent(event) || !SoundsEnabled()) return;
    const CustomSound& custom = g_customSounds.events[event];
    if (custom.data) {
        BOOL accepted = PlaySoundA(static_cast<LPCSTR>(custom.data.Get()), nullptr, SND_MEMORY | SND_ASYNC);
        RecordRequest(event, SoundSource::Memory, custom.data.Get(), 0, std::string(), accepted);
        return;
    }
    int resource = kBuiltInResources[event];
    BOOL accepted = PlaySoundA(MAKEINTRESOURCEA(resource), GetModuleHandleA(nullptr), SND_RESOURCE | SND_ASYNC);
    RecordRequest(event, SoundSource::Resource, nullptr, resource, std::string(), accepted);
}

void PlaySoundFile(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) return;
    BOOL accepted = PlaySoundA(path.c_str(), nullptr, SND_FILENAME | SND_ASYNC);
    RecordRequest(-1, SoundSource::File, nullptr, 0, path, accepted);
}

void EnableSounds(bool on) { g_settings.useSound = on ? 1 : 0; }

bool SoundsEnabled() { return g_settings.useSound != 0; }

void FreeEventSounds() {
    bool anyHeld = false;
    for (const CustomSound& sound : g_customSounds.events) anyHeld = anyHeld || sound.data;
    if (!anyHeld) return;
    StopPlaying();
    for (CustomSound& sound : g_customSounds.events) sound = CustomSound();
}

const void* EventSoundData(int event) {
    return ValidEvent(event) ? g_customSounds.events[event].data.Get() : nullptr;
}

size_t EventSoundSize(int event) { return ValidEvent(event) ? g_customSounds.events[event].size : 0; }

const SoundRequest& LastSoundRequest() { return g_lastRequest; }
