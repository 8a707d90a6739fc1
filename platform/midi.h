#pragma once
// Music: a small interpreter for the sequencer command strings the library
// sends, played by FluidSynth with a General MIDI soundfont and mixed into
// the sound device (platform/audio.h). One device alias can be open at a time.
//
//   open "<path>" type sequencer alias <name>
//   seek <name> to start
//   play <name> [notify]
//   status <name> mode          -> "playing" or "stopped"
//   stop <name>
//   close <name>
//
// When a track played with "notify" reaches its end by itself, the notify
// callback runs with kMidiNotifySuccessful (possibly on the audio thread).
// A stop, seek, second play or close cancels that notification silently.
#include <cstdint>
#include <string>
#include <vector>

namespace plat {
constexpr uint32_t kMciOk = 0;
constexpr uint32_t kMciErrUnrecognized = 1;
constexpr uint32_t kMciErrUnknownAlias = 2;
constexpr uint32_t kMciErrAliasInUse = 3;
constexpr uint32_t kMciErrFileNotFound = 4;
constexpr uint32_t kMciErrNotMidi = 5;
constexpr uint32_t kMciErrNoSynth = 6;

constexpr uint32_t kMidiNotifySuccessful = 1;

// Runs one command; 0 on success. `reply` (when given) receives the answer of
// "status", and is emptied otherwise.
uint32_t MciSendString(const std::string& command, std::string* reply = nullptr);
void SetMidiNotifyCallback(void (*fn)(uint32_t status));

// Test hooks.
// The fake sequencer checks files and keeps the device state like the real
// one but plays nothing; a test ends the track with FakeMidiEndTrackForTests.
void UseFakeMidiSequencerForTests(bool on);
// Ends the playing track as if it had played out; true when one was playing.
bool FakeMidiEndTrackForTests();
// Every command received, oldest first (the last 256).
std::vector<std::string> MidiCommandLogForTests();
void ClearMidiCommandLogForTests();
// Soundfont to use instead of the system's ("" = search the usual places).
void SetMidiSoundFontForTests(const std::string& path);
// Closes the track, drops the synthesiser (the next open loads it afresh) and
// turns every hook above back off.
void ResetMidiForTests();
} // namespace plat
