#pragma once
#include <array>
#include <cstdint>
#include <vector>

namespace paint {

// How each part plays inside a section.
enum class Drums { Off, Rock, Drive, Break, Heavy, March, Calm, Gallop };
enum class Bass { Off, Long, Root8, Rock, Gallop, Pulse16, Walk };
enum class Counter { Off, Arp8, Arp16, Thirds, Line };
enum class Pad { Off, Hold, Stab };

struct Voice {
    int program;
    int volume; // CC 7
    int pan;    // CC 10, 64 = centre
    int reverb; // CC 91
    int chorus; // CC 93
};

struct Section {
    int bars;
    // Chords, one token a bar, repeated to fill the section: Roman numerals on the tonic, upper case
    // major, lower case minor, b/# to lower/raise the root, suffixes 5 (power), 7, M7, s (sus4),
    // o (diminished), + (augmented); "iv,V" splits a bar in halves.
    const char* chords;
    int theme;  // lead melody 0..2, or -1 for none
    int energy; // 0 quiet .. 3 full
    Drums drums;
    Bass bass;
    Counter counter;
    Pad pad;
    bool altLead = false; // lead plays its second instrument
    int bpm = 0;          // tempo change at the section start, 0 keeps it
    bool ornate = false;  // decorate the melody with passing notes
};

struct Tune {
    const char* name;
    uint32_t seed;
    int bpm;
    int tonic;               // MIDI key of the key note, octave 3 or so
    std::array<int, 7> mode; // scale steps above the tonic
    int leadOctave;          // octave offset of the melody from the tonic
    int density[3];          // rhythm density 0 slow .. 2 busy of themes 0..2
    Voice lead, leadAlt, counter, pad, bass;
    int counterOctave; // octave offset of the counter part from the tonic
    std::vector<Section> sections;
};

// The complete Standard MIDI File (format 1: tempo track, lead, counter, pad, bass, drums).
std::vector<uint8_t> ComposeTune(const Tune& tune);

constexpr int kTuneTracks = 6;

// The eight pieces of the game.
const std::vector<Tune>& GameTunes();

} // namespace paint
