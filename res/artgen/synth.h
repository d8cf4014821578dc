// A small synthesiser for the program's event sounds: enveloped tones with pitch glides and
// band-passed noise, mixed into one buffer and finished into quiet, click-free 16-bit samples.
#pragma once
#include <cstdint>
#include <vector>

namespace art {

constexpr int kSampleRate = 22050;

enum class Wave {
    Sine,
    Triangle,
    Bell,  // a sine with a little of the octave and the twelfth: rounder than a bare sine
};

// Amplitude shape of one voice: a raised-cosine rise over `attack` seconds, then either a level
// hold (decay 0) or an exponential fall with time constant `decay`, and always a raised-cosine
// fall to silence over the last `release` seconds, so no voice starts or stops with a step.
struct Envelope {
    double attack = 0.004;
    double decay = 0;
    double release = 0.01;
};

class Sound {
public:
    explicit Sound(double seconds);

    // A tone gliding exponentially from f0 to f1 Hz over its length.
    void Tone(double at, double length, double f0, double f1, double amp, Wave wave, Envelope env);
    // White noise through a resonant band-pass whose centre glides from f0 to f1 Hz; q sets
    // how narrow the band is (about 0.7 broad, 5 and more narrow and whistling).
    void Noise(double at, double length, double f0, double f1, double q, double amp, Envelope env);

    // Normalises the peak to peakDb (dBFS, negative), fades the first and last milliseconds and
    // rounds to 16-bit samples.
    std::vector<int16_t> Finish(double peakDb) const;

    const std::vector<double>& Samples() const { return buffer_; }

private:
    std::vector<double> buffer_;
    uint32_t seed_ = 0x2545F491u;
};

}  // namespace art
