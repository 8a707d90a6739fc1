#include "compose.h"

namespace paint {

namespace {

constexpr std::array<int, 7> kAeolian = {0, 2, 3, 5, 7, 8, 10};
constexpr std::array<int, 7> kDorian = {0, 2, 3, 5, 7, 9, 10};
constexpr std::array<int, 7> kIonian = {0, 2, 4, 5, 7, 9, 11};
constexpr std::array<int, 7> kMixolydian = {0, 2, 4, 5, 7, 9, 10};

// Voices are {General MIDI program, volume, pan, reverb, chorus}.

using D = Drums;
using B = Bass;
using C = Counter;
using P = Pad;

Section Sec(int bars, const char* chords, int theme, int energy, Drums d, Bass b, Counter c, Pad p,
            bool altLead = false, bool ornate = false, int bpm = 0) {
    Section s{bars, chords, theme, energy, d, b, c, p};
    s.altLead = altLead;
    s.ornate = ornate;
    s.bpm = bpm;
    return s;
}

constexpr bool kAlt = true, kMain = false;
constexpr bool kOrnate = true, kPlain = false;

std::vector<Tune> BuildTunes() {
    std::vector<Tune> t;

    // First stage: upbeat and driving, D dorian.
    t.push_back(
        {.name = "MIDI/VXTM1.MID",
         .seed = 0x1A2B0001u,
         .bpm = 152,
         .tonic = 50,
         .mode = kDorian,
         .leadOctave = 1,
         .density = {2, 2, 1},
         .lead = {81, 96, 64, 50, 20},
         .leadAlt = {62, 96, 64, 50, 10},
         .counter = {80, 58, 40, 40, 30},
         .pad = {50, 72, 88, 70, 30},
         .bass = {38, 104, 64, 10, 0},
         .counterOctave = 0,
         .sections = {
             Sec(4, "i i bVII bVII", -1, 1, D::Drive, B::Long, C::Arp8, P::Hold),
             Sec(16, "i bVII bVI bVII", 0, 2, D::Drive, B::Root8, C::Arp8, P::Hold),
             Sec(16, "bVI bVII i i bVI bVII V V", 1, 2, D::Rock, B::Rock, C::Arp16, P::Stab, kAlt),
             Sec(16, "i bVII bVI bVII", 0, 3, D::Drive, B::Root8, C::Thirds, P::Hold, kMain, kOrnate),
             Sec(8, "bVI bIII bVII IV", 2, 1, D::Drive, B::Long, C::Line, P::Hold, kAlt),
             Sec(16, "bVI bVII i i bVI bVII V V", 1, 3, D::Rock, B::Rock, C::Thirds, P::Stab, kAlt, kOrnate),
             Sec(8, "i bVII bVI bVII i bVII bVI V", 0, 2, D::Drive, B::Root8, C::Arp8, P::Hold)}});

    // Second stage: faster and tenser, E minor leaning on the flat second.
    t.push_back(
        {.name = "MIDI/VXTM2.MID",
         .seed = 0x1A2B0002u,
         .bpm = 168,
         .tonic = 52,
         .mode = kAeolian,
         .leadOctave = 1,
         .density = {2, 2, 1},
         .lead = {84, 92, 64, 45, 10},
         .leadAlt = {81, 94, 64, 50, 20},
         .counter = {45, 76, 36, 40, 0},
         .pad = {44, 66, 92, 70, 20},
         .bass = {39, 104, 64, 10, 0},
         .counterOctave = 0,
         .sections = {
             Sec(8, "i i bII bII", -1, 1, D::Break, B::Pulse16, C::Arp16, P::Off),
             Sec(16, "i bII i bVII", 0, 2, D::Break, B::Pulse16, C::Arp16, P::Hold),
             Sec(16, "iv iv i i bVI bVII V V", 1, 2, D::Break, B::Gallop, C::Arp8, P::Stab, kAlt),
             Sec(16, "i bII i bVII", 0, 3, D::Break, B::Pulse16, C::Thirds, P::Hold, kMain, kOrnate),
             Sec(16, "bVI bII bVI V", 2, 1, D::Heavy, B::Long, C::Line, P::Hold, kAlt),
             Sec(16, "iv iv i i bVI bVII V V", 1, 3, D::Break, B::Gallop, C::Thirds, P::Stab, kAlt, kOrnate),
             Sec(8, "i bII i bVII i bII bVII V", 0, 2, D::Break, B::Pulse16, C::Arp16, P::Hold)}});

    // Third stage: dark and pressing, C# minor at speed.
    t.push_back({.name = "MIDI/VXTM3.MID",
                 .seed = 0x1A2B0003u,
                 .bpm = 176,
                 .tonic = 49,
                 .mode = kAeolian,
                 .leadOctave = 1,
                 .density = {2, 1, 1},
                 .lead = {80, 88, 64, 45, 10},
                 .leadAlt = {87, 92, 64, 45, 10},
                 .counter = {81, 52, 30, 50, 30},
                 .pad = {95, 70, 98, 80, 40},
                 .bass = {38, 106, 64, 10, 0},
                 .counterOctave = 0,
                 .sections = {
                     Sec(8, "i i bVI bVI", -1, 1, D::Break, B::Pulse16, C::Arp16, P::Off),
                     Sec(16, "i bVI iv V", 0, 2, D::Break, B::Pulse16, C::Arp16, P::Hold),
                     Sec(16, "bVI bVII i i bVI bVII bIII V", 1, 2, D::Rock, B::Root8, C::Arp8, P::Stab, kAlt),
                     Sec(16, "i bVI iv V", 0, 3, D::Break, B::Pulse16, C::Thirds, P::Hold, kMain, kOrnate),
                     Sec(16, "iv iv i i bVI bVI V V", 2, 1, D::Break, B::Long, C::Line, P::Hold, kAlt),
                     Sec(16, "bVI bVII i i bVI bVII bIII V", 1, 3, D::Break, B::Root8, C::Thirds, P::Stab,
                         kAlt, kOrnate),
                     Sec(8, "i bVI iv V", 0, 2, D::Break, B::Pulse16, C::Arp16, P::Hold)}});

    // Fourth stage: heavy and ominous, B minor, building from a bare opening to full weight.
    t.push_back({.name = "MIDI/VXTM4.MID",
                 .seed = 0x1A2B0004u,
                 .bpm = 104,
                 .tonic = 47,
                 .mode = kAeolian,
                 .leadOctave = 1,
                 .density = {1, 1, 0},
                 .lead = {61, 100, 64, 60, 0},
                 .leadAlt = {57, 100, 60, 60, 0},
                 .counter = {48, 78, 40, 60, 10},
                 .pad = {52, 74, 90, 80, 10},
                 .bass = {33, 108, 64, 10, 0},
                 .counterOctave = 0,
                 .sections = {Sec(8, "i i bII bII", -1, 0, D::Off, B::Long, C::Line, P::Hold),
                              Sec(16, "i bVI bII V", 0, 1, D::Heavy, B::Long, C::Line, P::Hold),
                              Sec(16, "i bVI bII V", 0, 2, D::Heavy, B::Root8, C::Arp8, P::Hold, kAlt),
                              Sec(16, "iv iv i i bVI bII V V", 1, 3, D::Heavy, B::Root8, C::Thirds, P::Stab),
                              Sec(8, "i bVI bII V i bII V V", 0, 3, D::Heavy, B::Root8, C::Thirds, P::Hold,
                                  kMain, kOrnate)}});

    // Last stage: climactic and fast, G minor.
    t.push_back(
        {.name = "MIDI/VXTM5.MID",
         .seed = 0x1A2B0005u,
         .bpm = 184,
         .tonic = 43,
         .mode = kAeolian,
         .leadOctave = 2,
         .density = {2, 2, 1},
         .lead = {30, 90, 64, 45, 10},
         .leadAlt = {61, 100, 64, 55, 0},
         .counter = {48, 72, 38, 55, 10},
         .pad = {50, 70, 90, 70, 20},
         .bass = {34, 106, 64, 10, 0},
         .counterOctave = 1,
         .sections = {
             Sec(8, "i i bVI bVII", -1, 2, D::Gallop, B::Gallop, C::Arp16, P::Stab),
             Sec(16, "i bVI bVII i", 0, 2, D::Gallop, B::Gallop, C::Arp16, P::Hold),
             Sec(16, "iv V i bVI bII bVII V V", 1, 3, D::Rock, B::Root8, C::Thirds, P::Stab, kAlt),
             Sec(16, "i bVI bVII i", 0, 3, D::Gallop, B::Gallop, C::Thirds, P::Hold, kMain, kOrnate),
             Sec(16, "bVI bVII i i bVI bVII V V", 2, 1, D::Heavy, B::Long, C::Line, P::Hold, kAlt),
             Sec(16, "iv V i bVI bII bVII V V", 1, 3, D::Rock, B::Root8, C::Thirds, P::Stab, kAlt, kOrnate),
             Sec(16, "i bVI bVII i", 0, 3, D::Gallop, B::Gallop, C::Arp16, P::Hold, kMain, kOrnate),
             Sec(8, "i bVI bVII V", 0, 3, D::Gallop, B::Gallop, C::Arp16, P::Stab)}});

    // Extra stage: energetic, bright, F mixolydian.
    t.push_back(
        {.name = "MIDI/PLNK3.MID",
         .seed = 0x1A2B0006u,
         .bpm = 160,
         .tonic = 53,
         .mode = kMixolydian,
         .leadOctave = 1,
         .density = {2, 2, 1},
         .lead = {62, 96, 64, 50, 20},
         .leadAlt = {80, 88, 64, 45, 20},
         .counter = {90, 64, 40, 50, 30},
         .pad = {89, 70, 88, 70, 30},
         .bass = {36, 104, 64, 10, 0},
         .counterOctave = 0,
         .sections = {Sec(4, "I bVII IV I", -1, 1, D::Drive, B::Root8, C::Arp8, P::Stab),
                      Sec(16, "I bVII IV I", 0, 2, D::Drive, B::Root8, C::Arp8, P::Hold),
                      Sec(16, "vi IV I V", 1, 2, D::Rock, B::Rock, C::Arp16, P::Stab, kAlt),
                      Sec(16, "I bVII IV I", 0, 3, D::Drive, B::Root8, C::Thirds, P::Hold, kMain, kOrnate),
                      Sec(16, "IV V iii vi IV V bVII bVII", 2, 1, D::Drive, B::Long, C::Line, P::Hold, kAlt),
                      Sec(16, "vi IV I V", 1, 3, D::Rock, B::Rock, C::Thirds, P::Stab, kMain, kOrnate),
                      Sec(8, "I bVII IV I I bVII IV V", 0, 2, D::Drive, B::Root8, C::Arp8, P::Hold)}});

    // Extra stage: dramatic, orchestral, A minor.
    t.push_back({.name = "MIDI/VX5.MID",
                 .seed = 0x1A2B0007u,
                 .bpm = 126,
                 .tonic = 57,
                 .mode = kAeolian,
                 .leadOctave = 1,
                 .density = {1, 1, 0},
                 .lead = {56, 98, 64, 60, 0},
                 .leadAlt = {60, 100, 64, 60, 0},
                 .counter = {46, 76, 36, 60, 0},
                 .pad = {48, 74, 92, 80, 10},
                 .bass = {43, 108, 64, 20, 0},
                 .counterOctave = 0,
                 .sections = {
                     Sec(8, "i i bVI bVI i i V V", -1, 1, D::March, B::Long, C::Arp8, P::Hold),
                     Sec(16, "i bVI bIII bVII", 0, 2, D::March, B::Root8, C::Arp8, P::Hold),
                     Sec(16, "iv i bVI V", 1, 2, D::March, B::Root8, C::Line, P::Hold, kAlt),
                     Sec(8, "bII bII V V bVI bVI V V", 2, 1, D::Heavy, B::Long, C::Line, P::Hold, kAlt),
                     Sec(16, "i bVI bIII bVII", 0, 3, D::March, B::Root8, C::Thirds, P::Hold, kMain, kOrnate),
                     Sec(8, "iv i bVI V", 1, 3, D::March, B::Root8, C::Thirds, P::Stab),
                     Sec(8, "i bVI bIII bVII i bVI V V", 0, 2, D::March, B::Root8, C::Arp8, P::Hold)}});

    // Ending: a brass fanfare in E flat, then a calm theme for the credits.
    t.push_back(
        {.name = "MIDI/VXTMEND.MID",
         .seed = 0x1A2B0008u,
         .bpm = 132,
         .tonic = 51,
         .mode = kIonian,
         .leadOctave = 1,
         .density = {1, 1, 0},
         .lead = {61, 100, 64, 60, 0},
         .leadAlt = {73, 100, 64, 70, 0},
         .counter = {46, 80, 40, 60, 0},
         .pad = {48, 76, 90, 80, 10},
         .bass = {33, 100, 64, 20, 0},
         .counterOctave = 0,
         .sections = {Sec(4, "I IV I V", -1, 2, D::March, B::Root8, C::Arp8, P::Stab),
                      Sec(16, "I bVII IV I I IV V V", 0, 3, D::March, B::Root8, C::Thirds, P::Hold),
                      Sec(4, "IV V I I", -1, 2, D::March, B::Long, C::Line, P::Hold),
                      Sec(2, "I vi", -1, 0, D::Off, B::Long, C::Arp8, P::Hold, kAlt, kPlain, 78),
                      Sec(16, "I V vi iii IV I IV V", 1, 1, D::Calm, B::Long, C::Arp8, P::Hold, kAlt),
                      Sec(8, "vi IV I V vi IV V I", 2, 1, D::Calm, B::Walk, C::Line, P::Hold, kAlt)}});
    return t;
}

} // namespace

const std::vector<Tune>& GameTunes() {
    static const std::vector<Tune> tunes = BuildTunes();
    return tunes;
}

} // namespace paint
