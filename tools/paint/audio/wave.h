#pragma once
#include <cstdint>
#include <vector>

namespace paint {

constexpr int kWaveRate = 22050;

// Mono 16-bit PCM RIFF/WAVE image of the samples (each -1..1, saturated).
std::vector<uint8_t> BuildWav(const std::vector<double>& samples, int rate);

// The player's shot: a bright falling zap, about 70 ms.
std::vector<double> SynthShot();
// The explosion: a noise blast over a low thump, with a rumbling tail, about 0.9 s.
std::vector<double> SynthBlast();

} // namespace paint
