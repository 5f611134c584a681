#include <algorithm>
#include <cmath>

#include "DetMath.h"
#include "Noise.h"
#include "Sound.h"

namespace assetgen {

namespace {

constexpr double kSeconds = 0.85;
constexpr double kPeak = 0.85;  // about -1.4 dB below full scale, so nothing clips

// A one-pole low-pass filter; two in a row give a 12 dB per octave slope.
class LowPass {
public:
    double Step(double input, double cutoff) {
        const double a = 1.0 - Exp(-2.0 * kPi * cutoff / kSoundRate);
        state_ += a * (input - state_);
        return state_;
    }

private:
    double state_ = 0.0;
};

}  // namespace

std::vector<std::int16_t> ExplosionSound() {
    const int count = static_cast<int>(kSeconds * kSoundRate);
    Random random(77);
    LowPass noiseA, noiseB, rumbleA, rumbleB, crackleFilter;
    double rumblePhase = 0.0, dcIn = 0.0, dcOut = 0.0;
    std::vector<double> mix(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kSoundRate;
        const double attack = std::min(1.0, t / 0.004);
        // The blast: white noise whose cutoff falls from bright to dull within a few tenths.
        const double cutoff = 180.0 + 7600.0 * Exp(-t / 0.085);
        const double white = random.Range(-1.0, 1.0);
        const double blast = noiseB.Step(noiseA.Step(white, cutoff), cutoff) * attack * Exp(-t / 0.15);
        // The rumble: deep filtered noise and a sine sliding from 55 Hz to 30 Hz, slower to fade.
        const double deep = rumbleB.Step(rumbleA.Step(random.Range(-1.0, 1.0), 110.0), 110.0) * 6.0;
        rumblePhase += 2.0 * kPi * (30.0 + 25.0 * Exp(-t / 0.2)) / kSoundRate;
        const double rumble = (deep + 0.55 * Sin(rumblePhase)) * std::min(1.0, t / 0.012) * Exp(-t / 0.3);
        // Crackles: sparse clicks, rarer as the blast dies.
        const double click = random.Unit() < 0.02 * Exp(-t / 0.12) ? random.Range(-1.0, 1.0) : 0.0;
        const double crackle = crackleFilter.Step(click, 3000.0) * 2.2;
        const double sample = 1.5 * blast + 0.7 * rumble + crackle;
        // A gentle high-pass keeps the wave centred on zero.
        dcOut = sample - dcIn + 0.995 * dcOut;
        dcIn = sample;
        mix[static_cast<std::size_t>(i)] = dcOut;
    }
    // A soft saturation, as a blast overdrives whatever hears it: loud parts are pressed together,
    // so the body of the sound gains weight against its first peak.
    double peak = 0.0;
    for (double s : mix) peak = std::max(peak, std::abs(s));
    for (double& s : mix) {
        const double x = s / peak;
        s = x * 2.0 / (1.0 + std::abs(x));
    }
    peak = 0.0;
    for (double s : mix) peak = std::max(peak, std::abs(s));
    const double gain = peak > 0.0 ? kPeak / peak : 0.0;
    std::vector<std::int16_t> samples(mix.size());
    for (int i = 0; i < count; ++i) {
        // The last 40 ms fade to silence, so the sound ends without a click.
        const double tail = Smoothstep(0.0, 0.04, static_cast<double>(count - 1 - i) / kSoundRate);
        const double v = std::clamp(mix[static_cast<std::size_t>(i)] * gain * tail, -1.0, 1.0);
        samples[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(std::floor(v * 32767.0 + 0.5));
    }
    return samples;
}

}  // namespace assetgen
