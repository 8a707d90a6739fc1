#include "platform/midi.h"

#include "platform/audio.h"
#include "platform/audio_internal.h"
#include "platform/files.h"
#include "platform/reader.h"

#include <fluidsynth.h>
#include <strings.h>
#include <sys/stat.h>

#include <atomic>
#include <cstdio>
#include <cstring>

namespace plat {
namespace {
constexpr size_t kLogLimit = 256;
constexpr int kScratchFrames = 1024;
constexpr double kMusicGain = 0.4;
const char* const kSoundFonts[] = {
    "/usr/share/sounds/sf2/default-GM.sf2",
    "/usr/share/sounds/sf2/FluidR3_GM.sf2",
    "/usr/share/sounds/sf2/TimGM6mb.sf2",
};

struct Sequencer {
    bool open = false;
    std::string alias;
    std::string path;
    std::vector<uint8_t> file;
    bool playing = false;
    bool atEnd = false;
    bool notifyPending = false;  // "play ... notify" waiting for the end
    bool notifyDelivery = false; // the end was reached; the callback is due
    fluid_player_t* player = nullptr;
};

// Everything below is guarded by detail::AudioMutex().
Sequencer seq;
bool fake = false;
fluid_settings_t* settings = nullptr;
fluid_synth_t* synth = nullptr;
bool synthFailed = false;
bool noDeviceReported = false;
std::string soundFontOverride;
std::vector<std::string> commandLog;
float scratchLeft[kScratchFrames];
float scratchRight[kScratchFrames];

std::atomic<void (*)(uint32_t)> notifyFn{nullptr};

std::mutex& Lock() { return detail::AudioMutex(); }

bool Same(const std::string& a, const char* b) { return ::strcasecmp(a.c_str(), b) == 0; }

// Splits on blanks; a double-quoted token may hold blanks.
bool Tokenize(const std::string& s, std::vector<std::string>& out) {
    size_t i = 0;
    while (i < s.size()) {
        if (s[i] == ' ' || s[i] == '\t') {
            ++i;
            continue;
        }
        if (s[i] == '"') {
            size_t j = s.find('"', i + 1);
            if (j == std::string::npos) return false;
            out.push_back(s.substr(i + 1, j - i - 1));
            i = j + 1;
        } else {
            size_t j = s.find_first_of(" \t", i);
            if (j == std::string::npos) j = s.size();
            out.push_back(s.substr(i, j - i));
            i = j;
        }
    }
    return true;
}

// A header chunk with a sane division and at least one track chunk, every
// chunk inside the file.
bool LooksLikeMidi(const std::vector<uint8_t>& f) {
    Reader r(f.data(), f.size());
    auto be32 = [&r] {
        uint32_t v = r.u32();
        return (v >> 24) | ((v >> 8) & 0xFF00u) | ((v << 8) & 0xFF0000u) | (v << 24);
    };
    if (be32() != 0x4D546864u) return false; // "MThd"
    uint32_t headSize = be32();
    const uint8_t* head = r.take(6);
    if (!head || headSize < 6 || !r.skip(headSize - 6)) return false;
    uint16_t format = uint16_t(head[0] << 8 | head[1]);
    uint16_t division = uint16_t(head[4] << 8 | head[5]);
    if (format > 2 || division == 0) return false;
    int tracks = 0;
    while (r.ok() && r.remaining() >= 8) {
        uint32_t id = be32();
        uint32_t size = be32();
        if (!r.skip(size)) return false;
        if (id == 0x4D54726Bu) ++tracks; // "MTrk"
    }
    return r.ok() && tracks > 0;
}

bool FileExists(const char* p) {
    struct stat st;
    return ::stat(p, &st) == 0 && S_ISREG(st.st_mode);
}

void DeletePlayerLocked() {
    if (seq.player) {
        fluid_player_stop(seq.player);
        delete_fluid_player(seq.player);
        seq.player = nullptr;
    }
}

// A fresh player positioned at the start of the open file.
void MakePlayerLocked() {
    DeletePlayerLocked();
    if (!synth || seq.file.empty()) return;
    seq.player = new_fluid_player(synth);
    if (seq.player && fluid_player_add_mem(seq.player, seq.file.data(), seq.file.size()) != FLUID_OK) {
        delete_fluid_player(seq.player);
        seq.player = nullptr;
    }
}

// Loads the synthesiser once; the soundfont can take a moment, so this runs
// without the mixer lock.
bool EnsureSynth() {
    std::string font;
    {
        std::lock_guard<std::mutex> lock(Lock());
        if (synth) return true;
        if (synthFailed) return false;
        font = soundFontOverride;
    }
    if (!AudioIsOpen()) {
        std::lock_guard<std::mutex> lock(Lock());
        if (!noDeviceReported) std::fprintf(stderr, "music: no audio device; playing on without music\n");
        noDeviceReported = true;
        return false;
    }
    if (font.empty()) {
        for (const char* candidate : kSoundFonts) {
            if (FileExists(candidate)) {
                font = candidate;
                break;
            }
        }
    }
    auto fail = [&](const char* why) {
        std::fprintf(stderr, "music: %s; playing on without music\n", why);
        std::lock_guard<std::mutex> lock(Lock());
        synthFailed = true;
        return false;
    };
    if (font.empty() || !FileExists(font.c_str()))
        return fail("no General MIDI soundfont found in /usr/share/sounds/sf2");

    for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level)
        fluid_set_log_function(level, nullptr, nullptr);
    fluid_settings_t* s = new_fluid_settings();
    if (!s) return fail("cannot start the synthesiser");
    fluid_settings_setnum(s, "synth.sample-rate", double(AudioOutputRate()));
    fluid_settings_setnum(s, "synth.gain", kMusicGain);
    // The sequencer rewinds and stops voices itself; a reset at every start
    // would cut the tails of a looping track.
    fluid_settings_setint(s, "player.reset-synth", 0);
    fluid_synth_t* sy = new_fluid_synth(s);
    if (!sy) {
        delete_fluid_settings(s);
        return fail("cannot start the synthesiser");
    }
    if (fluid_synth_sfload(sy, font.c_str(), 1) == FLUID_FAILED) {
        delete_fluid_synth(sy);
        delete_fluid_settings(s);
        std::string why = "cannot load the soundfont " + font;
        return fail(why.c_str());
    }
    std::lock_guard<std::mutex> lock(Lock());
    settings = s;
    synth = sy;
    return true;
}

bool PlayerFinishedLocked() {
    if (seq.atEnd || !seq.player) return true;
    if (fluid_player_get_status(seq.player) == FLUID_PLAYER_DONE) return true;
    int total = fluid_player_get_total_ticks(seq.player);
    return total > 0 && fluid_player_get_current_tick(seq.player) >= total;
}

// The track played out: stop there and, when asked, notify.
void EndTrackLocked() {
    if (seq.player) fluid_player_stop(seq.player);
    seq.playing = false;
    seq.atEnd = true;
    if (seq.notifyPending) seq.notifyDelivery = true;
    seq.notifyPending = false;
}

void DeliverNotify() {
    bool fire = false;
    {
        std::lock_guard<std::mutex> lock(Lock());
        fire = seq.notifyDelivery;
        seq.notifyDelivery = false;
    }
    auto fn = notifyFn.load();
    if (fire && fn) fn(kMidiNotifySuccessful);
}

uint32_t Open(const std::string& path, const std::string& alias) {
    {
        std::lock_guard<std::mutex> lock(Lock());
        if (seq.open) return kMciErrAliasInUse;
    }
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(path, bytes)) {
        std::fprintf(stderr, "music: cannot open \"%s\"; playing on without music\n", path.c_str());
        return kMciErrFileNotFound;
    }
    if (!LooksLikeMidi(bytes)) {
        std::fprintf(stderr, "music: \"%s\" is not a MIDI file; playing on without music\n", path.c_str());
        return kMciErrNotMidi;
    }
    bool isFake;
    {
        std::lock_guard<std::mutex> lock(Lock());
        isFake = fake;
    }
    if (!isFake && !EnsureSynth()) return kMciErrNoSynth;
    std::lock_guard<std::mutex> lock(Lock());
    if (seq.open) return kMciErrAliasInUse;
    seq = Sequencer{};
    seq.open = true;
    seq.alias = alias;
    seq.path = path;
    seq.file = std::move(bytes);
    if (!fake && synth) fluid_synth_system_reset(synth);
    return kMciOk;
}
} // namespace

namespace detail {
void MidiMixLocked(float* mix, int frames, int) {
    if (fake || !synth || !seq.open) return;
    while (frames > 0) {
        int n = frames < kScratchFrames ? frames : kScratchFrames;
        fluid_synth_write_float(synth, n, scratchLeft, 0, 1, scratchRight, 0, 1);
        for (int i = 0; i < n; ++i) {
            mix[2 * i] += scratchLeft[i];
            mix[2 * i + 1] += scratchRight[i];
        }
        mix += 2 * n;
        frames -= n;
    }
    if (seq.playing && PlayerFinishedLocked()) EndTrackLocked();
}

void MidiAfterRender() { DeliverNotify(); }
} // namespace detail

uint32_t MciSendString(const std::string& command, std::string* reply) {
    if (reply) reply->clear();
    std::vector<std::string> t;
    bool parsed = Tokenize(command, t);
    {
        std::lock_guard<std::mutex> lock(Lock());
        commandLog.push_back(command);
        if (commandLog.size() > kLogLimit) commandLog.erase(commandLog.begin());
    }
    if (!parsed || t.empty()) return kMciErrUnrecognized;

    if (Same(t[0], "open")) {
        if (t.size() != 6 || !Same(t[2], "type") || !Same(t[3], "sequencer") || !Same(t[4], "alias"))
            return kMciErrUnrecognized;
        return Open(t[1], t[5]);
    }

    const bool seek = Same(t[0], "seek") && t.size() == 4 && Same(t[2], "to") && Same(t[3], "start");
    const bool play = Same(t[0], "play") && (t.size() == 2 || (t.size() == 3 && Same(t[2], "notify")));
    const bool status = Same(t[0], "status") && t.size() == 3 && Same(t[2], "mode");
    const bool stop = Same(t[0], "stop") && t.size() == 2;
    const bool close = Same(t[0], "close") && t.size() == 2;
    if (!seek && !play && !status && !stop && !close) return kMciErrUnrecognized;

    std::lock_guard<std::mutex> lock(Lock());
    if (!seq.open || !Same(t[1], seq.alias.c_str())) return kMciErrUnknownAlias;
    if (seek) {
        if (!fake && synth) {
            fluid_synth_all_notes_off(synth, -1);
            MakePlayerLocked();
        }
        seq.playing = false;
        seq.atEnd = false;
        seq.notifyPending = false;
    } else if (play) {
        if (!fake && !seq.atEnd) {
            if (!seq.player) MakePlayerLocked();
            if (seq.player) fluid_player_play(seq.player);
        }
        seq.playing = true;
        seq.notifyPending = t.size() == 3;
    } else if (status) {
        if (reply) *reply = seq.playing ? "playing" : "stopped";
    } else {
        if (!fake && seq.player) fluid_player_stop(seq.player);
        if (!fake && synth) fluid_synth_all_sounds_off(synth, -1);
        seq.playing = false;
        seq.notifyPending = false;
        seq.notifyDelivery = false;
        if (close) {
            DeletePlayerLocked();
            seq = Sequencer{};
        }
    }
    return kMciOk;
}

void SetMidiNotifyCallback(void (*fn)(uint32_t status)) { notifyFn.store(fn); }

void UseFakeMidiSequencerForTests(bool on) {
    std::lock_guard<std::mutex> lock(Lock());
    DeletePlayerLocked();
    seq = Sequencer{};
    fake = on;
}

bool FakeMidiEndTrackForTests() {
    {
        std::lock_guard<std::mutex> lock(Lock());
        if (!fake || !seq.open || !seq.playing) return false;
        EndTrackLocked();
    }
    DeliverNotify();
    return true;
}

std::vector<std::string> MidiCommandLogForTests() {
    std::lock_guard<std::mutex> lock(Lock());
    return commandLog;
}

void ClearMidiCommandLogForTests() {
    std::lock_guard<std::mutex> lock(Lock());
    commandLog.clear();
}

void SetMidiSoundFontForTests(const std::string& path) {
    std::lock_guard<std::mutex> lock(Lock());
    soundFontOverride = path;
}

void ResetMidiForTests() {
    notifyFn.store(nullptr);
    std::lock_guard<std::mutex> lock(Lock());
    DeletePlayerLocked();
    seq = Sequencer{};
    fake = false;
    if (synth) delete_fluid_synth(synth);
    if (settings) delete_fluid_settings(settings);
    synth = nullptr;
    settings = nullptr;
    synthFailed = false;
    noDeviceReported = false;
    soundFontOverride.clear();
    commandLog.clear();
}
} // namespace plat
