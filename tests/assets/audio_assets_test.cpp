// The painted sound effects and music: present beside the game, well-formed, and fit to loop.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

const char* const kTunes[] = {"MIDI/VXTM1.MID", "MIDI/VXTM2.MID", "MIDI/VXTM3.MID", "MIDI/VXTM4.MID",
                              "MIDI/VXTM5.MID", "MIDI/PLNK3.MID", "MIDI/VX5.MID",   "MIDI/VXTMEND.MID"};
const char* const kSounds[] = {"SOUND/SHOT.WAV", "SOUND/BOM.WAV"};

std::vector<uint8_t> ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

uint32_t Le(const std::vector<uint8_t>& d, size_t at, int bytes) {
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = v << 8 | d[at + i];
    return v;
}

uint32_t Be(const std::vector<uint8_t>& d, size_t at, int bytes) {
    uint32_t v = 0;
    for (int i = 0; i < bytes; ++i)
        v = v << 8 | d[at + i];
    return v;
}

bool Tag(const std::vector<uint8_t>& d, size_t at, const char* tag) {
    return at + 4 <= d.size() && std::string(d.begin() + at, d.begin() + at + 4) == tag;
}

struct Pcm {
    bool ok = false;
    int format = 0, channels = 0, rate = 0, bits = 0;
    std::vector<int> samples;
};

// Walks the RIFF chunks the way a careful reader does: every size checked against the file.
Pcm ParseWav(const std::vector<uint8_t>& d) {
    Pcm p;
    if (!Tag(d, 0, "RIFF") || !Tag(d, 8, "WAVE")) return p;
    bool fmt = false, data = false;
    for (size_t at = 12; at + 8 <= d.size();) {
        uint32_t size = Le(d, at + 4, 4);
        if (size > d.size() - at - 8) return p;
        if (Tag(d, at, "fmt ") && size >= 16) {
            p.format = Le(d, at + 8, 2);
            p.channels = Le(d, at + 10, 2);
            p.rate = Le(d, at + 12, 4);
            p.bits = Le(d, at + 22, 2);
            fmt = true;
        } else if (Tag(d, at, "data") && fmt && p.bits == 16) {
            for (uint32_t i = 0; i + 1 < size; i += 2)
                p.samples.push_back(static_cast<int16_t>(Le(d, at + 8 + i, 2)));
            data = true;
        }
        at += 8 + size + (size & 1);
    }
    p.ok = fmt && data;
    return p;
}

double Rms(const std::vector<int>& s, size_t from, size_t to) {
    double sum = 0.0;
    for (size_t i = from; i < to; ++i)
        sum += static_cast<double>(s[i]) * s[i];
    return to > from ? std::sqrt(sum / static_cast<double>(to - from)) / 32768.0 : 0.0;
}

struct Smf {
    bool ok = false;
    int format = -1, declaredTracks = 0, division = 0, chunks = 0;
    bool eachTrackEndsOnce = true;
    uint32_t endTick = 0, firstNote = UINT32_MAX, lastSound = 0;
    int openNotes = 0;
    std::set<int> noteChannels, programChannels;
    std::vector<std::pair<uint32_t, uint32_t>> tempos; // tick, microseconds a beat
    double seconds = 0.0;
};

bool Vlq(const std::vector<uint8_t>& d, size_t& at, size_t end, uint32_t& v) {
    v = 0;
    for (int i = 0; i < 4; ++i) {
        if (at >= end) return false;
        uint8_t b = d[at++];
        v = v << 7 | (b & 0x7F);
        if (!(b & 0x80)) return true;
    }
    return false;
}

Smf ParseSmf(const std::vector<uint8_t>& d) {
    Smf m;
    if (!Tag(d, 0, "MThd") || d.size() < 14 || Be(d, 4, 4) != 6) return m;
    m.format = Be(d, 8, 2);
    m.declaredTracks = Be(d, 10, 2);
    m.division = Be(d, 12, 2);
    if (m.division == 0 || (m.division & 0x8000)) return m;
    for (size_t at = 14; at + 8 <= d.size();) {
        if (!Tag(d, at, "MTrk")) return m;
        uint32_t size = Be(d, at + 4, 4);
        if (size > d.size() - at - 8) return m;
        size_t p = at + 8, end = p + size;
        uint32_t tick = 0;
        uint8_t status = 0;
        int ends = 0;
        int open[16][128] = {};
        while (p < end) {
            uint32_t delta;
            if (!Vlq(d, p, end, delta) || p >= end) return m;
            tick += delta;
            if (ends) ends = 2; // something after the end-of-track
            if (d[p] == 0xFF) {
                if (p + 2 > end) return m;
                uint8_t type = d[p + 1];
                p += 2;
                uint32_t len;
                if (!Vlq(d, p, end, len) || len > end - p) return m;
                if (type == 0x51 && len == 3) m.tempos.push_back({tick, Be(d, p, 3)});
                if (type == 0x2F) {
                    ends = ends ? 2 : 1;
                    m.endTick = std::max(m.endTick, tick);
                }
                p += len;
                continue;
            }
            if (d[p] == 0xF0 || d[p] == 0xF7) {
                ++p;
                uint32_t len;
                if (!Vlq(d, p, end, len) || len > end - p) return m;
                p += len;
                continue;
            }
            if (d[p] & 0x80) status = d[p++];
            if (!(status & 0x80)) return m;
            int kind = status >> 4, ch = status & 15;
            int n = (kind == 0xC || kind == 0xD) ? 1 : 2;
            if (p + n > end) return m;
            int a = d[p], b = n > 1 ? d[p + 1] : 0;
            p += n;
            if (kind == 0x9 && b > 0) {
                m.noteChannels.insert(ch);
                m.firstNote = std::min(m.firstNote, tick);
                ++open[ch][a];
            } else if (kind == 0x8 || (kind == 0x9 && b == 0)) {
                if (open[ch][a] > 0) --open[ch][a];
                m.lastSound = std::max(m.lastSound, tick);
            } else if (kind == 0xC) {
                m.programChannels.insert(ch);
            }
        }
        if (ends != 1) m.eachTrackEndsOnce = false;
        for (auto& ch : open)
            for (int n : ch)
                m.openNotes += n;
        ++m.chunks;
        at = end;
    }
    // Seconds from the tempo map (120 beats a minute until the first tempo).
    std::sort(m.tempos.begin(), m.tempos.end());
    uint32_t last = 0, us = 500000;
    for (auto [t, u] : m.tempos) {
        m.seconds += static_cast<double>(t - last) * us / m.division / 1e6;
        last = t;
        us = u;
    }
    m.seconds += static_cast<double>(m.endTick - last) * us / m.division / 1e6;
    m.ok = true;
    return m;
}

std::filesystem::path Built(const char* name) { return std::filesystem::path(VEX_BINARY_DIR) / name; }

} // namespace

TEST(AudioAssets, SoundEffectsAreCleanPcm) {
    Pcm shot = ParseWav(ReadAll(Built("SOUND/SHOT.WAV")));
    Pcm blast = ParseWav(ReadAll(Built("SOUND/BOM.WAV")));
    for (const Pcm* p : {&shot, &blast}) {
        ASSERT_TRUE(p->ok);
        EXPECT_EQ(p->format, 1);
        EXPECT_EQ(p->channels, 1);
        EXPECT_EQ(p->bits, 16);
        EXPECT_TRUE(p->rate == 22050 || p->rate == 44100) << p->rate;
        ASSERT_FALSE(p->samples.empty());
        // Starts and ends at rest, so a restart or a cut does not click.
        EXPECT_LT(std::abs(p->samples.front()), 330);
        EXPECT_LT(std::abs(p->samples.back()), 330);
    }
    auto seconds = [](const Pcm& p) { return static_cast<double>(p.samples.size()) / p.rate; };
    auto peak = [](const Pcm& p) {
        int top = 0;
        for (int s : p.samples)
            top = std::max(top, std::abs(s));
        return top;
    };
    EXPECT_GE(seconds(shot), 0.04);
    EXPECT_LE(seconds(shot), 0.10);
    EXPECT_GE(seconds(blast), 0.5);
    EXPECT_LE(seconds(blast), 1.0);

    // Audible, unclipped, and the shot sits under the explosions.
    EXPECT_GT(peak(shot), 3000);
    EXPECT_LT(peak(blast), 32767);
    EXPECT_LT(peak(shot), peak(blast));

    // The blast is already loud in its first 20 ms and dies away into its tail.
    size_t ms20 = static_cast<size_t>(blast.rate / 50), ms100 = static_cast<size_t>(blast.rate / 10);
    double head = Rms(blast.samples, 0, ms20);
    double tail = Rms(blast.samples, blast.samples.size() - ms100, blast.samples.size());
    EXPECT_GT(head, 0.25);
    EXPECT_GT(head, 4.0 * tail);
    EXPECT_GT(tail, 0.0);
}

TEST(AudioAssets, MusicTracksAreLoopableMidiFiles) {
    std::set<std::vector<uint8_t>> distinct;
    for (const char* name : kTunes) {
        SCOPED_TRACE(name);
        std::vector<uint8_t> bytes = ReadAll(Built(name));
        distinct.insert(bytes);
        Smf m = ParseSmf(bytes);
        ASSERT_TRUE(m.ok);
        EXPECT_EQ(m.format, 1);
        EXPECT_EQ(m.declaredTracks, 6);
        EXPECT_EQ(m.chunks, m.declaredTracks);
        EXPECT_TRUE(m.eachTrackEndsOnce);
        EXPECT_EQ(m.openNotes, 0);

        ASSERT_FALSE(m.tempos.empty());
        EXPECT_EQ(m.tempos.front().first, 0u);
        EXPECT_GE(m.seconds, 60.0);
        EXPECT_LE(m.seconds, 180.0);

        // Drums on channel 10, at least three more parts, each with its instrument chosen.
        EXPECT_TRUE(m.noteChannels.count(9));
        EXPECT_GE(m.noteChannels.size(), 4u);
        for (int ch : m.noteChannels) {
            if (ch == 9) continue;
            EXPECT_TRUE(m.programChannels.count(ch)) << "channel " << ch;
        }

        // Sound from the first bar to the last, and the end of the track right behind it.
        EXPECT_LT(m.firstNote, static_cast<uint32_t>(m.division) * 4);
        EXPECT_LE(m.lastSound, m.endTick);
        EXPECT_LE(m.endTick - m.lastSound, static_cast<uint32_t>(m.division));
    }
    EXPECT_EQ(distinct.size(), std::size(kTunes));
}

TEST(AudioAssets, PainterWritesTheSameBytesEveryTime) {
    std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("vex_audio_" + std::to_string(static_cast<long>(getpid())));
    std::filesystem::remove_all(dir);
    std::string cmd = std::string("\"") + VEX_BINARY_DIR + "/tools/paint_audio\" \"" + dir.string() + "\"";
    ASSERT_EQ(std::system(cmd.c_str()), 0);
    for (const char* name : kSounds)
        EXPECT_EQ(ReadAll(dir / name), ReadAll(Built(name))) << name;
    for (const char* name : kTunes)
        EXPECT_EQ(ReadAll(dir / name), ReadAll(Built(name))) << name;
    std::filesystem::remove_all(dir);
}
