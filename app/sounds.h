// The short sounds played on user events. Each event has a built-in WAVE resource and may be
// given a file of the user's own from the folder "sound" in the program folder; such a file is
// read into memory once and played from there.
#pragma once
#include <cstddef>
#include <string>

#include "core/settings_table.h"

// In the order of the SOUND keys of t.ini.
enum class SoundEvent : int {
    SHOW, ADDTAB, DELTAB, CHTAB, TABLOCK, TABUNLOCK, CD, BTN,
    DRAG, DROP, ERASE, UNERASE, GESTURE_LEFT, GESTURE_UP, GESTURE_RIGHT, GESTURE_DOWN,
};

// The WAVE resource number of an event's built-in sound; 0 for a number outside 0 to 15.
int BuiltInSoundResource(int event);

// With builtIn clear, reads the named file of the sound folder into memory as the event's sound
// and keeps the name in g_settings.soundFiles; a file that is missing, unreadable or empty leaves
// the built-in sound and an empty name. With builtIn set, the built-in sound and the given name.
void SetEventSound(int event, bool builtIn, const std::string& name);
// Sets all sixteen events from the names in g_settings.soundFiles; an empty name is built-in.
void LoadEventSounds();

// Plays the event's sound without waiting, unless sounds are off.
void PlayEventSound(SoundEvent event);
void PlayEventSound(int event);
// Plays a file by name without waiting, whether sounds are on or off (the preview of a choice).
void PlaySoundFile(const std::string& path);

// The on/off switch is the SOUND USE_SOUND setting itself, so the saved value is the current one.
void EnableSounds(bool on);
bool SoundsEnabled();

// Stops any sound playing from memory first, so that the system never reads a freed block.
void FreeEventSounds();

// The custom sound held for an event: null and 0 when it plays its built-in sound.
const void* EventSoundData(int event);
size_t EventSoundSize(int event);

// What the program last asked of the system, which is all that can be seen of a sound without a
// sound device.
enum class SoundSource { None, Memory, Resource, File, Stop };
struct SoundRequest {
    unsigned count = 0;        // requests made so far
    int event = -1;            // -1 for a file or a stop
    SoundSource source = SoundSource::None;
    const void* memory = nullptr;
    int resource = 0;
    std::string file;
    bool accepted = false;     // what the system answered
};
const SoundRequest& LastSoundRequest();

static_assert(static_cast<int>(SoundEvent::GESTURE_DOWN) + 1 == kSoundEventCount,
              "one event per SOUND file key");
