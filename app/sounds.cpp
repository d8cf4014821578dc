#include "app/sounds.h"

#include <windows.h>
#include <mmsystem.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

#include "core/gesture_recognizer.h"
#include "core/dbcs_text.h"
#include "res/ids.h"
#include "win/file_read.h"
#include "win/system_text.h"

namespace {

constexpr std::array<int, kSoundEventCount> kBuiltInResources = {
    IDW_SOUND_SHOW,       IDW_SOUND_TAB_ADDED,    IDW_SOUND_TAB_DELETED,   IDW_SOUND_TAB_CLICKED,
    IDW_SOUND_TAB_LOCKED, IDW_SOUND_TAB_UNLOCKED, IDW_SOUND_FOLDER_CHANGE, IDW_SOUND_BUTTON,
    IDW_SOUND_DRAG,       IDW_SOUND_DROP,         IDW_SOUND_ERASE,         IDW_SOUND_UNERASE,
    IDW_SOUND_GESTURE,    IDW_SOUND_GESTURE,      IDW_SOUND_GESTURE,       IDW_SOUND_GESTURE,
};

// Far beyond any event sound; a larger file is refused instead of being read into memory.
constexpr size_t kLargestSoundFile = 64u * 1024 * 1024;

const char kSoundFolderName[] = "sound";

bool ValidEvent(int event) { return event >= 0 && event < kSoundEventCount; }

// The last character decides, read whole: the trail byte of a double-byte character may equal '\\'.
bool EndsInSeparator(const std::string& path) {
    return !path.empty() && dbcs::FindLastOf(path, "\\/", &IsSystemLeadByte) == path.size() - 1;
}

// The whole file, or nothing when it cannot be read, is empty or is absurdly large. Read while
// others have it open too: refusing would throw the user's choice away merely because a player
// has the file open.
bool ReadSoundFile(const std::string& path, GlobalMemory& sound, size_t& soundSize) {
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(path, bytes, kLargestSoundFile) || bytes.empty()) return false;
    GlobalMemory data(GlobalAlloc(GPTR, bytes.size()));
    if (!data) return false;
    std::memcpy(data.Get(), bytes.data(), bytes.size());
    sound = std::move(data);
    soundSize = bytes.size();
    return true;
}

}  // namespace

int BuiltInSoundResource(int event) { return ValidEvent(event) ? kBuiltInResources[event] : 0; }

void EventSounds::RecordRequest(int event, SoundSource source, const void* memory, int resource, std::string file,
                                bool accepted) {
    SoundRequest request;
    request.count = lastRequest_.count + 1;
    request.event = event;
    request.source = source;
    request.memory = memory;
    request.resource = resource;
    request.file = std::move(file);
    request.accepted = accepted;
    lastRequest_ = std::move(request);
}

void EventSounds::StopPlaying() {
    BOOL accepted = PlaySoundA(nullptr, nullptr, 0);
    RecordRequest(-1, SoundSource::Stop, nullptr, 0, std::string(), accepted != FALSE);
}

std::string EventSounds::SoundFolder() const {
    std::string path = folder_.Path();
    if (!path.empty() && !EndsInSeparator(path)) path += '\\';
    return path + kSoundFolderName;
}

std::string EventSounds::SoundFilePath(const std::string& name) const { return SoundFolder() + '\\' + name; }

void EventSounds::ReplaceCustomSound(int event, CustomSound sound) {
    if (events_[event].data) StopPlaying();
    events_[event] = std::move(sound);
}

void EventSounds::SetEventSound(int event, bool builtIn, const std::string& name) {
    if (!ValidEvent(event)) return;
    CustomSound sound;
    if (!builtIn) ReadSoundFile(SoundFilePath(name), sound.data, sound.size);
    bool keepsName = builtIn || sound.data;
    ReplaceCustomSound(event, std::move(sound));
    settings_.soundFiles[event] = keepsName ? name : std::string();
}

void EventSounds::LoadEventSounds() {
    for (int event = 0; event < kSoundEventCount; ++event) {
        std::string name = settings_.soundFiles[event];
        SetEventSound(event, name.empty(), name);
    }
}

void EventSounds::PlayEventSound(SoundEvent event) { PlayEventSound(static_cast<int>(event)); }

void EventSounds::PlayEventSound(int event) {
    if (!ValidEvent(event) || !SoundsEnabled()) return;
    const CustomSound& custom = events_[event];
    if (custom.data) {
        const void* memory = custom.data.Get();
        BOOL accepted = PlaySoundA(static_cast<LPCSTR>(memory), nullptr, SND_MEMORY | SND_ASYNC);
        RecordRequest(event, SoundSource::Memory, memory, 0, std::string(), accepted != FALSE);
        return;
    }
    PlayBuiltInSound(event);
}

void EventSounds::PlayStrokeSound(int direction) {
    switch (direction) {
    case gesture::kLeft: PlayEventSound(SoundEvent::GESTURE_LEFT); break;
    case gesture::kUp: PlayEventSound(SoundEvent::GESTURE_UP); break;
    case gesture::kRight: PlayEventSound(SoundEvent::GESTURE_RIGHT); break;
    case gesture::kDown: PlayEventSound(SoundEvent::GESTURE_DOWN); break;
    default: break;
    }
}

void EventSounds::PlayBuiltInSound(int event) {
    if (!ValidEvent(event)) return;
    int resource = kBuiltInResources[event];
    BOOL accepted = PlaySoundA(MAKEINTRESOURCEA(resource), GetModuleHandleA(nullptr), SND_RESOURCE | SND_ASYNC);
    RecordRequest(event, SoundSource::Resource, nullptr, resource, std::string(), accepted != FALSE);
}

void EventSounds::PlaySoundFile(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) return;
    BOOL accepted = PlaySoundA(path.c_str(), nullptr, SND_FILENAME | SND_ASYNC);
    RecordRequest(-1, SoundSource::File, nullptr, 0, path, accepted != FALSE);
}

void EventSounds::EnableSounds(bool on) { settings_.useSound = on ? 1 : 0; }

bool EventSounds::SoundsEnabled() const { return settings_.useSound != 0; }

void EventSounds::FreeEventSounds() {
    bool anyHeld = false;
    for (const CustomSound& sound : events_) anyHeld = anyHeld || sound.data;
    if (!anyHeld) return;
    StopPlaying();
    for (CustomSound& sound : events_) sound = CustomSound();
}

const void* EventSounds::EventSoundData(int event) const {
    return ValidEvent(event) ? events_[event].data.Get() : nullptr;
}

size_t EventSounds::EventSoundSize(int event) const { return ValidEvent(event) ? events_[event].size : 0; }
