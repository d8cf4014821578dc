#include "res/artgen/synth.h"

#include <algorithm>
#include <cmath>

namespace art {
namespace {

constexpr double kPi = 3.14159265358979323846;

double EnvelopeAt(const Envelope& env, double t, double length) {
    double a = 1.0;
    if (env.attack > 0 && t < env.attack) a = 0.5 - 0.5 * std::cos(kPi * t / env.attack);
    if (env.decay > 0 && t > env.attack) a *= std::exp(-(t - env.attack) / env.decay);
    double left = length - t;
    if (env.release > 0 && left < env.release) a *= 0.5 - 0.5 * std::cos(kPi * std::max(0.0, left) / env.release);
    return a;
}

double WaveAt(Wave wave, double phase) {
    double cycle = phase - std::floor(phase);
    switch (wave) {
    case Wave::Triangle: return cycle < 0.5 ? 4 * cycle - 1 : 3 - 4 * cycle;
    case Wave::Bell:
        return (std::sin(2 * kPi * phase) + 0.25 * std::sin(4 * kPi * phase) + 0.1 * std::sin(6 * kPi * phase)) / 1.35;
    case Wave::Sine: break;
    }
    return std::sin(2 * kPi * cycle);
}

}  // namespace

Sound::Sound(double seconds) : buffer_(static_cast<size_t>(std::lround(seconds * kSampleRate)), 0.0) {}

void Sound::Tone(double at, double length, double f0, double f1, double amp, Wave wave, Envelope env) {
    size_t first = static_cast<size_t>(std::lround(at * kSampleRate));
    size_t count = static_cast<size_t>(std::lround(length * kSampleRate));
    double phase = 0;
    for (size_t i = 0; i < count && first + i < buffer_.size(); ++i) {
        double t = static_cast<double>(i) / kSampleRate;
        double f = f0 * std::pow(f1 / f0, t / length);
        buffer_[first + i] += amp * EnvelopeAt(env, t, length) * WaveAt(wave, phase);
        phase += f / kSampleRate;
    }
}

void Sound::Noise(double at, double length, double f0, double f1, double q, double amp, Envelope env) {
    size_t first = static_cast<size_t>(std::lround(at * kSampleRate));
    size_t count = static_cast<size_t>(std::lround(length * kSampleRate));
    // Chamberlin state-variable filter; its band-pass output has no DC, so no thump either.
    double low = 0, band = 0;
    for (size_t i = 0; i < count && first + i < buffer_.size(); ++i) {
        double t = static_cast<double>(i) / kSampleRate;
        double f = f0 * std::pow(f1 / f0, t / length);
        double k = 2 * std::sin(kPi * std::min(f, kSampleRate / 6.0) / kSampleRate);
        seed_ = seed_ * 1664525u + 1013904223u;
        double white = static_cast<double>(seed_ >> 8) / (1u << 24) * 2 - 1;
        low += k * band;
        double high = white - low - band / q;
        band += k * high;
        buffer_[first + i] += amp * EnvelopeAt(env, t, length) * band;
    }
}

std::vector<int16_t> Sound::Finish(double peakDb) const {
    double peak = 0;
    for (double s : buffer_) peak = std::max(peak, std::fabs(s));
    double gain = peak > 0 ? std::pow(10.0, peakDb / 20) / peak : 0;
    size_t fade = std::min(buffer_.size() / 2, static_cast<size_t>(kSampleRate * 0.003));
    std::vector<int16_t> out(buffer_.size());
    for (size_t i = 0; i < buffer_.size(); ++i) {
        double g = gain;
        if (i < fade) g *= static_cast<double>(i) / fade;
        if (buffer_.size() - 1 - i < fade) g *= static_cast<double>(buffer_.size() - 1 - i) / fade;
        out[i] = static_cast<int16_t>(std::clamp(std::lround(buffer_[i] * g * 32767), -32767L, 32767L));
    }
    return out;
}

}  // namespace art
