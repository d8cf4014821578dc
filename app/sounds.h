// The short sounds played on user events. Each event has a built-in WAVE resource and may be
// given a file of the user's own from the folder "sound" in the program folder; such a file is
// read into memory once and played from there.
#pragma once
#include <cstddef>
#include <array>
#include <string>

#include "core/settings_table.h"
#include "win/global_memory.h"
#include "win/program_folder.h"

// In the order of the SOUND keys of t.ini.
enum class SoundEvent : int {
    SHOW,
    ADDTAB,
    DELTAB,
    CHTAB,
    TABLOCK,
    TABUNLOCK,
    CD,
    BTN,
    DRAG,
    DROP,
    ERASE,
    UNERASE,
    GESTURE_LEFT,
    GESTURE_UP,
    GESTURE_RIGHT,
    GESTURE_DOWN,
};

// The WAVE resource number of an event's built-in sound; 0 for a number outside 0 to 15.
int BuiltInSoundResource(int event);

// What the program last asked of the system, which is all that can be seen of a sound without a
// sound device.
enum class SoundSource { None, Memory, Resource, File, Stop };
struct SoundRequest {
    unsigned count = 0;  // requests made so far
    int event = -1;      // -1 for a file or a stop
    SoundSource source = SoundSource::None;
    const void* memory = nullptr;
    int resource = 0;
    std::string file;
    bool accepted = false;  // what the system answered
};

class EventSounds {
public:
    // The sounds follow the settings' SOUND keys: the on/off switch is USE_SOUND itself, so the
    // saved value is the current one, and the names are the SOUND file keys.
    EventSounds(Settings& settings, const ProgramFolder& folder) : settings_(settings), folder_(folder) {}
    // Whatever is still held may still be playing: it is stopped before it is freed.
    ~EventSounds() { FreeEventSounds(); }
    EventSounds(const EventSounds&) = delete;
    EventSounds& operator=(const EventSounds&) = delete;

    // With builtIn clear, reads the named file of the sound folder into memory as the event's
    // sound and keeps the name in the settings; a file that is missing, unreadable or empty leaves
    // the built-in sound and an empty name. With builtIn set, the built-in sound and the given name.
    void SetEventSound(int event, bool builtIn, const std::string& name);
    // Sets all sixteen events from the names in the settings; an empty name is built-in.
    void LoadEventSounds();

    // Plays the event's sound without waiting, unless sounds are off.
    void PlayEventSound(SoundEvent event);
    void PlayEventSound(int event);
    // The sound of a gesture stroke in one of the four directions.
    void PlayStrokeSound(int direction);
    // Plays a file by name without waiting, whether sounds are on or off (the preview of a choice).
    void PlaySoundFile(const std::string& path);
    // The built-in sound of an event, whether sounds are on or off (the preview of that choice).
    void PlayBuiltInSound(int event);
    // The folder whose files the events may be given, without a trailing backslash.
    std::string SoundFolder() const;

    void EnableSounds(bool on);
    bool SoundsEnabled() const;

    // Stops any sound playing from memory first, so that the system never reads a freed block.
    void FreeEventSounds();

    // The custom sound held for an event: null and 0 when it plays its built-in sound.
    const void* EventSoundData(int event) const;
    size_t EventSoundSize(int event) const;
    const SoundRequest& LastSoundRequest() const { return lastRequest_; }

private:
    struct CustomSound {
        GlobalMemory data;
        size_t size = 0;
    };

    void RecordRequest(int event, SoundSource source, const void* memory, int resource, std::string file,
                       bool accepted);
    void StopPlaying();
    std::string SoundFilePath(const std::string& name) const;
    void ReplaceCustomSound(int event, CustomSound sound);

    Settings& settings_;
    const ProgramFolder& folder_;
    SoundRequest lastRequest_;
    std::array<CustomSound, kSoundEventCount> events_;
};

static_assert(static_cast<int>(SoundEvent::GESTURE_DOWN) + 1 == kSoundEventCount, "one event per SOUND file key");
