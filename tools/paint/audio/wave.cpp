#include "wave.h"

#include "rng.h"

#include <algorithm>
#include <cmath>

namespace paint {

namespace {

constexpr double kPi = 3.14159265358979323846;

void Put32(std::vector<uint8_t>& out, uint32_t v) {
    for (int s = 0; s < 32; s += 8)
        out.push_back(static_cast<uint8_t>(v >> s));
}

void Put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

void PutTag(std::vector<uint8_t>& out, const char* tag) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<uint8_t>(tag[i]));
}

// Raised-cosine ramp 0..1 over n samples.
double Ramp(int i, int n) { return i >= n ? 1.0 : 0.5 - 0.5 * std::cos(kPi * i / n); }

// Scale to the given peak, then fade both ends to silence so neither a start nor a cut clicks.
void Finish(std::vector<double>& s, double peak, int fadeIn, int fadeOut) {
    double top = 0.0;
    for (double v : s)
        top = std::max(top, std::fabs(v));
    if (top <= 0.0) return;
    const int n = static_cast<int>(s.size());
    for (int i = 0; i < n; ++i) {
        double g = peak / top;
        g *= Ramp(i, fadeIn);
        g *= Ramp(n - 1 - i, fadeOut);
        s[i] *= g;
    }
}

} // namespace

std::vector<uint8_t> BuildWav(const std::vector<double>& samples, int rate) {
    const uint32_t dataBytes = static_cast<uint32_t>(samples.size() * 2);
    std::vector<uint8_t> out;
    out.reserve(44 + dataBytes);
    PutTag(out, "RIFF");
    Put32(out, 36 + dataBytes);
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    Put32(out, 16);
    Put16(out, 1); // PCM
    Put16(out, 1); // mono
    Put32(out, static_cast<uint32_t>(rate));
    Put32(out, static_cast<uint32_t>(rate) * 2);
    Put16(out, 2);
    Put16(out, 16);
    PutTag(out, "data");
    Put32(out, dataBytes);
    for (double v : samples) {
        double c = std::clamp(v, -1.0, 1.0) * 32767.0;
        Put16(out, static_cast<uint16_t>(static_cast<int16_t>(std::lround(c))));
    }
    return out;
}

std::vector<double> SynthShot() {
    const int n = kWaveRate * 70 / 1000;
    std::vector<double> s(n);
    Rng rng(0x5A0715u);
    double phase = 0.0;
    double hiss = 0.0;
    for (int i = 0; i < n; ++i) {
        double t = static_cast<double>(i) / kWaveRate;
        // Falls fast from a bright chirp to a mid tone; only the first 16 ms or so is heard when the
        // shot restarts every frame, and that part is a smooth sweep, not a buzz.
        double freq = 520.0 + 2200.0 * std::exp(-t / 0.025);
        phase += 2.0 * kPi * freq / kWaveRate;
        double tone = std::sin(phase) + 0.35 * std::sin(2.0 * phase) + 0.12 * std::sin(3.0 * phase);
        // A touch of soft noise at the muzzle, low-passed so it never hisses.
        hiss += 0.35 * (rng.Signed() - hiss);
        double spit = hiss * std::exp(-t / 0.006) * 0.6;
        double env = std::exp(-t / 0.024);
        s[i] = (tone + spit) * env;
    }
    // Quiet enough to sit under the explosions.
    Finish(s, 0.42, kWaveRate * 2 / 1000, kWaveRate * 12 / 1000);
    return s;
}

std::vector<double> SynthBlast() {
    const int n = kWaveRate * 900 / 1000;
    std::vector<double> s(n);
    Rng rng(0xB0B0B0u);
    double low = 0.0, band = 0.0; // state-variable filter on the blast noise
    double rumble = 0.0, rumble2 = 0.0;
    double thumpPhase = 0.0;
    for (int i = 0; i < n; ++i) {
        double t = static_cast<double>(i) / kWaveRate;
        double white = rng.Signed();

        // Crack: full-band noise whose cutoff closes from bright to dull over the first 0.3 s.
        double cutoff = 180.0 + 6000.0 * std::exp(-t / 0.07);
        double f = 2.0 * std::sin(kPi * std::min(cutoff, kWaveRate * 0.2) / kWaveRate);
        double high = white - low - 0.9 * band;
        band += f * high;
        low += f * band;
        double crack = (low + 0.25 * band) * std::exp(-t / 0.16);

        // Rumble: twice-smoothed noise, the tail that carries on after the flash.
        rumble += 0.05 * (white - rumble);
        rumble2 += 0.05 * (rumble - rumble2);
        double tail = rumble2 * 9.0 * std::exp(-t / 0.32);

        // Thump: a sine dropping from 140 Hz to 45 Hz, the punch under the first 150 ms.
        double freq = 45.0 + 95.0 * std::exp(-t / 0.05);
        thumpPhase += 2.0 * kPi * freq / kWaveRate;
        double thump = std::sin(thumpPhase) * std::exp(-t / 0.13);

        double mix = 0.9 * crack + 0.7 * tail + 1.0 * thump;
        s[i] = std::tanh(1.6 * mix);
    }
    // The attack stays under a millisecond: the first 20 ms must already be the blast.
    Finish(s, 0.9, kWaveRate / 2000, kWaveRate * 60 / 1000);
    return s;
}

} // namespace paint
