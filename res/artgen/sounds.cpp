// The built-in event sounds: short, soft and each shaped after its event. All are finished to the
// same quiet peak so that none of them startles next to the others.
#include "res/artgen/paint.h"
#include "res/artgen/synth.h"

namespace art {
namespace {

constexpr double kPeakDb = -12;

// Equal-tempered pitches used below.
constexpr double kD5 = 587.33, kE5 = 659.26, kG5 = 783.99, kA5 = 880.0;
constexpr double kC6 = 1046.50, kE6 = 1318.51, kG6 = 1567.98, kC7 = 2093.00;

Envelope Pluck(double decay, double release = 0.02) { return Envelope{0.003, decay, release}; }

Envelope Swell(double attack, double release) { return Envelope{attack, 0, release}; }

}  // namespace

// Window shown: a rising major chord, struck one note after the other.
std::vector<int16_t> SoundShow() {
    Sound s(0.40);
    s.Tone(0.00, 0.26, kG5, kG5, 0.8, Wave::Bell, Pluck(0.10, 0.08));
    s.Tone(0.07, 0.26, kC6, kC6, 0.7, Wave::Bell, Pluck(0.10, 0.08));
    s.Tone(0.14, 0.26, kE6, kE6, 0.6, Wave::Bell, Pluck(0.12, 0.10));
    return s.Finish(kPeakDb);
}

// Tab added: a quick upward pop and a small bright answer.
std::vector<int16_t> SoundTabAdded() {
    Sound s(0.16);
    s.Tone(0.00, 0.07, 620, 990, 0.8, Wave::Sine, Envelope{0.004, 0, 0.03});
    s.Tone(0.05, 0.11, kE6, kE6, 0.45, Wave::Bell, Pluck(0.04, 0.04));
    return s.Finish(kPeakDb);
}

// Tab deleted: the pop reversed, falling away onto a low tap.
std::vector<int16_t> SoundTabDeleted() {
    Sound s(0.16);
    s.Tone(0.00, 0.09, 990, 520, 0.8, Wave::Sine, Envelope{0.004, 0, 0.04});
    s.Tone(0.06, 0.10, 330, 300, 0.5, Wave::Triangle, Pluck(0.03, 0.04));
    return s.Finish(kPeakDb);
}

// Tab clicked: a light, high tick.
std::vector<int16_t> SoundTabClicked() {
    Sound s(0.05);
    s.Tone(0.00, 0.05, 1760, 1700, 0.8, Wave::Bell, Pluck(0.012, 0.015));
    s.Noise(0.00, 0.02, 4200, 3800, 1.0, 0.5, Pluck(0.006, 0.008));
    return s.Finish(kPeakDb - 2);
}

// Tab locked: a latch clicks and two notes step down, like something being shut.
std::vector<int16_t> SoundTabLocked() {
    Sound s(0.20);
    s.Noise(0.00, 0.02, 2600, 2200, 1.5, 0.6, Pluck(0.006, 0.008));
    s.Tone(0.01, 0.09, kA5, kA5, 0.7, Wave::Triangle, Pluck(0.035, 0.03));
    s.Tone(0.08, 0.12, kD5, kD5, 0.8, Wave::Triangle, Pluck(0.045, 0.05));
    return s.Finish(kPeakDb);
}

// Tab unlocked: the same latch with the two notes stepping up.
std::vector<int16_t> SoundTabUnlocked() {
    Sound s(0.20);
    s.Noise(0.00, 0.02, 2200, 2600, 1.5, 0.6, Pluck(0.006, 0.008));
    s.Tone(0.01, 0.09, kD5, kD5, 0.7, Wave::Triangle, Pluck(0.035, 0.03));
    s.Tone(0.08, 0.12, kA5, kA5, 0.8, Wave::Triangle, Pluck(0.045, 0.05));
    return s.Finish(kPeakDb);
}

// Folder changed: played on every navigation, so only a soft paper-like flick.
std::vector<int16_t> SoundFolderChange() {
    Sound s(0.10);
    s.Noise(0.00, 0.09, 700, 2600, 1.2, 0.9, Envelope{0.015, 0.02, 0.03});
    s.Tone(0.00, 0.08, 440, 560, 0.35, Wave::Sine, Envelope{0.01, 0, 0.04});
    return s.Finish(kPeakDb - 3);
}

// Button pressed: a short wooden tock, lower and rounder than the tab tick.
std::vector<int16_t> SoundButton() {
    Sound s(0.05);
    s.Tone(0.00, 0.05, 1050, 760, 0.9, Wave::Triangle, Pluck(0.010, 0.015));
    s.Tone(0.00, 0.03, 2100, 1600, 0.25, Wave::Sine, Pluck(0.005, 0.01));
    return s.Finish(kPeakDb - 2);
}

// Drag started: something lifted, a gentle upward glide.
std::vector<int16_t> SoundDrag() {
    Sound s(0.14);
    s.Tone(0.00, 0.14, 280, 640, 0.8, Wave::Sine, Swell(0.03, 0.06));
    s.Noise(0.00, 0.12, 800, 2400, 2.0, 0.25, Swell(0.04, 0.05));
    return s.Finish(kPeakDb);
}

// Drop accepted: the glide comes down, lands with a soft thud and a small confirming chime.
std::vector<int16_t> SoundDrop() {
    Sound s(0.26);
    s.Tone(0.00, 0.09, 640, 260, 0.7, Wave::Sine, Envelope{0.005, 0, 0.03});
    s.Tone(0.07, 0.09, 160, 120, 0.8, Wave::Sine, Pluck(0.03, 0.04));
    s.Tone(0.09, 0.17, kC6, kC6, 0.35, Wave::Bell, Pluck(0.05, 0.06));
    return s.Finish(kPeakDb);
}

// Eraser: three quick rubbing strokes.
std::vector<int16_t> SoundErase() {
    Sound s(0.30);
    const double centres[3][2] = {{1300, 2000}, {2100, 1400}, {1200, 1900}};
    for (int k = 0; k < 3; ++k)
        s.Noise(0.01 + k * 0.095, 0.08, centres[k][0], centres[k][1], 1.3, 1.0 - 0.15 * k, Swell(0.02, 0.04));
    return s.Finish(kPeakDb);
}

// Eraser undone: a little rising sparkle, something coming back.
std::vector<int16_t> SoundUnerase() {
    Sound s(0.28);
    s.Tone(0.00, 0.14, kE6, kE6, 0.7, Wave::Bell, Pluck(0.04, 0.05));
    s.Tone(0.06, 0.14, kG6, kG6, 0.6, Wave::Bell, Pluck(0.04, 0.05));
    s.Tone(0.12, 0.16, kC7, kC7, 0.55, Wave::Bell, Pluck(0.05, 0.06));
    return s.Finish(kPeakDb);
}

// Gesture stroke: a short airy swish that follows the hand.
std::vector<int16_t> SoundGesture() {
    Sound s(0.13);
    s.Noise(0.00, 0.13, 500, 3200, 2.2, 1.0, Swell(0.04, 0.07));
    s.Tone(0.00, 0.12, kE5, kG5, 0.15, Wave::Sine, Swell(0.04, 0.06));
    return s.Finish(kPeakDb - 1);
}

}  // namespace art
