#include "compose.h"

#include "rng.h"
#include "smf.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>

namespace paint {

namespace {

constexpr uint32_t kStep = kPpqn / 4; // one sixteenth
constexpr uint32_t kBar = kStep * 16;

constexpr int kLeadCh = 0, kCounterCh = 1, kPadCh = 2, kBassCh = 3, kDrumCh = 9;

int FloorDiv(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }
int Mod(int a, int b) { return ((a % b) + b) % b; }

// ---------------------------------------------------------------- chords

struct Chord {
    int root = 0;        // semitones above the tonic
    int degree = 0;      // scale degree of the root, 0..6
    int count = 0;       // tones used
    int semis[4] = {};   // tones above the root
    int degrees[4] = {}; // the scale degree each tone stands on, above the root's
};

struct BarChords {
    Chord first, second;
    bool split = false;
    const Chord& At(int step) const { return split && step >= 8 ? second : first; }
};

Chord ParseChord(const std::string& tok) {
    static const int kMajorSteps[7] = {0, 2, 4, 5, 7, 9, 11};
    Chord c;
    size_t i = 0;
    int accidental = 0;
    if (i < tok.size() && tok[i] == 'b')
        accidental = -1, ++i;
    else if (i < tok.size() && tok[i] == '#')
        accidental = 1, ++i;
    bool upper = i < tok.size() && (tok[i] == 'I' || tok[i] == 'V');
    int value = 0, last = 0;
    for (; i < tok.size(); ++i) {
        char ch = tok[i];
        int v = (ch == 'I' || ch == 'i') ? 1 : ((ch == 'V' || ch == 'v') ? 5 : 0);
        if (v == 0) break;
        // Subtractive numerals: IV, VII...
        value += (last && v > last) ? v - 2 * last : v;
        last = v;
    }
    if (value < 1 || value > 7) value = 1;
    c.degree = value - 1;
    c.root = Mod(kMajorSteps[c.degree] + accidental, 12);
    std::string suffix = tok.substr(i);

    auto set = [&c](std::initializer_list<int> semis, std::initializer_list<int> degrees) {
        c.count = 0;
        auto d = degrees.begin();
        for (int s : semis) {
            c.semis[c.count] = s;
            c.degrees[c.count] = *d++;
            ++c.count;
        }
    };
    if (suffix == "5")
        set({0, 7}, {0, 4});
    else if (suffix == "o")
        set({0, 3, 6}, {0, 2, 4});
    else if (suffix == "+")
        set({0, 4, 8}, {0, 2, 4});
    else if (suffix == "s")
        set({0, 5, 7}, {0, 3, 4});
    else if (suffix == "M7")
        set({0, 4, 7, 11}, {0, 2, 4, 6});
    else if (suffix == "7")
        set({0, upper ? 4 : 3, 7, 10}, {0, 2, 4, 6});
    else
        set({0, upper ? 4 : 3, 7}, {0, 2, 4});
    return c;
}

std::vector<BarChords> ParseProgression(const char* text) {
    std::vector<BarChords> bars;
    std::string s(text ? text : "");
    size_t pos = 0;
    while (pos < s.size()) {
        while (pos < s.size() && s[pos] == ' ')
            ++pos;
        size_t end = s.find(' ', pos);
        if (end == std::string::npos) end = s.size();
        if (end > pos) {
            std::string tok = s.substr(pos, end - pos);
            BarChords b;
            size_t comma = tok.find(',');
            if (comma == std::string::npos) {
                b.first = b.second = ParseChord(tok);
            } else {
                b.first = ParseChord(tok.substr(0, comma));
                b.second = ParseChord(tok.substr(comma + 1));
                b.split = true;
            }
            bars.push_back(b);
        }
        pos = end;
    }
    if (bars.empty()) bars.push_back(BarChords{ParseChord("I"), ParseChord("I"), false});
    return bars;
}

// The key's scale with the chord's tones put on their own degrees, so a melody over a borrowed chord
// (the major dominant in a minor key, the flat second...) sings the chord's notes, not the key's.
struct ChordScale {
    int pc[7];

    ChordScale(const std::array<int, 7>& mode, const Chord& c) {
        for (int i = 0; i < 7; ++i)
            pc[i] = mode[i];
        for (int k = 0; k < c.count; ++k)
            pc[(c.degree + c.degrees[k]) % 7] = Mod(c.root + c.semis[k], 12);
        // Keep the degrees rising within the octave.
        for (int i = 1; i < 7; ++i)
            if (pc[i] <= pc[i - 1]) pc[i] = pc[i - 1] + 1;
    }
    int Pitch(int base, int degree) const { return base + 12 * FloorDiv(degree, 7) + pc[Mod(degree, 7)]; }
};

bool IsChordDegree(const Chord& c, int degree) {
    int rel = Mod(degree - c.degree, 7);
    for (int k = 0; k < c.count; ++k)
        if (c.degrees[k] == rel) return true;
    return false;
}

// Nearest chord tone to a degree, leaning the way the melody was going.
int SnapToChord(const Chord& c, int degree, int lean) {
    int dir = lean < 0 ? -1 : 1;
    for (int dist = 0; dist < 7; ++dist) {
        if (IsChordDegree(c, degree + dir * dist)) return degree + dir * dist;
        if (IsChordDegree(c, degree - dir * dist)) return degree - dir * dist;
    }
    return degree;
}

// Pitches of a chord's tones, each placed in [low, low + 12).
std::vector<int> ChordPitches(int tonic, const Chord& c, int low) {
    std::vector<int> out;
    for (int k = 0; k < c.count; ++k) {
        int pc = Mod(tonic + c.root + c.semis[k], 12);
        out.push_back(low + Mod(pc - low, 12));
    }
    std::sort(out.begin(), out.end());
    return out;
}

// ---------------------------------------------------------------- melody

struct MNote {
    int start; // sixteenths into the two-bar unit
    int len;
    int step; // degrees from the note before
    bool rest;
};

struct Theme {
    std::vector<MNote> motif, answer, answer2, cadence;
    int startDegree;
};

using Cell = std::vector<int>; // note lengths in sixteenths over two beats; negative = rest

const std::vector<Cell>& Cells(int density) {
    static const std::vector<Cell> slow = {{8}, {4, 4}, {6, 2}, {-4, 4}, {2, 6}, {8}};
    static const std::vector<Cell> medium = {{4, 4},    {6, 2},    {8},     {2, 2, 4},
                                             {4, 2, 2}, {3, 3, 2}, {-4, 4}, {2, 6}};
    static const std::vector<Cell> busy = {{4, 4}, {2, 2, 4}, {4, 2, 2},     {2, 2, 2, 2}, {3, 3, 2},
                                           {6, 2}, {2, 4, 2}, {-2, 2, 2, 2}, {2, 2, 2, 2}, {4, 4}};
    return density <= 0 ? slow : (density == 1 ? medium : busy);
}

const Cell& EndCell(Rng& rng) {
    static const std::vector<Cell> ends = {{8}, {4, 4}, {2, 6}, {6, -2}};
    return ends[rng.Below(static_cast<int>(ends.size()))];
}

int RandomStep(Rng& rng, int upBias) {
    static const int sizes[5] = {0, 1, 2, 3, 4};
    static const int weights[5] = {1, 7, 4, 2, 1};
    int size = sizes[rng.Pick(weights, 5)];
    bool up = rng.Below(100) < upBias;
    return up ? size : -size;
}

// Rhythm cells to notes, starting at sixteenth `at`.
void AddCell(std::vector<MNote>& out, const Cell& cell, int at) {
    for (int len : cell) {
        out.push_back({at, len < 0 ? -len : len, 0, len < 0});
        at += len < 0 ? -len : len;
    }
}

// Steps for the notes from index `from`, following the contour.
void AddSteps(std::vector<MNote>& notes, size_t from, Rng& rng, int contour) {
    size_t count = notes.size();
    for (size_t i = from; i < count; ++i) {
        if (notes[i].rest || i == 0) continue;
        bool firstHalf = notes[i].start < 16;
        // Contours: 0 arch, 1 valley, 2 falling, 3 rising.
        static const int kUpFirst[4] = {72, 30, 35, 65}, kUpSecond[4] = {28, 65, 35, 65};
        int upBias = firstHalf ? kUpFirst[contour & 3] : kUpSecond[contour & 3];
        notes[i].step = RandomStep(rng, upBias);
    }
}

Theme MakeTheme(Rng& rng, int density) {
    Theme t;
    const std::vector<Cell>& cells = Cells(density);
    int n = static_cast<int>(cells.size());
    int contour = rng.Below(4);
    static const int starts[3] = {2, 4, 7};
    t.startDegree = starts[rng.Below(3)];

    // Motif: three free cells and a closing one.
    Cell c0 = cells[rng.Below(n)], c1 = cells[rng.Below(n)], c2 = cells[rng.Below(n)];
    if (!c0.empty() && c0[0] < 0) c0 = {4, 4}; // the theme starts on the beat
    AddCell(t.motif, c0, 0);
    AddCell(t.motif, c1, 8);
    AddCell(t.motif, c2, 16);
    AddCell(t.motif, EndCell(rng), 24);
    AddSteps(t.motif, 1, rng, contour);

    // Answer: the motif's first bar, then a new second bar turning the other way.
    for (const MNote& m : t.motif)
        if (m.start < 16) t.answer.push_back(m);
    size_t from = t.answer.size();
    AddCell(t.answer, cells[rng.Below(n)], 16);
    AddCell(t.answer, EndCell(rng), 24);
    AddSteps(t.answer, from, rng, (contour + 2) % 4);

    // A second answer for the repeat of the phrase, so a long section never says the same thing twice.
    for (const MNote& m : t.motif)
        if (m.start < 16) t.answer2.push_back(m);
    from = t.answer2.size();
    AddCell(t.answer2, cells[rng.Below(n)], 16);
    AddCell(t.answer2, EndCell(rng), 24);
    AddSteps(t.answer2, from, rng, (contour + 1) % 4);

    // Cadence: the motif's opening beat pair, a lead-in, and a long last note.
    for (const MNote& m : t.motif)
        if (m.start < 8) t.cadence.push_back(m);
    static const std::vector<Cell> leadIns = {{4, 4}, {2, 2, 4}, {6, 2}, {4, 2, 2}};
    from = t.cadence.size();
    AddCell(t.cadence, leadIns[rng.Below(4)], 8);
    AddCell(t.cadence, {8, 6}, 16);
    t.cadence.back().len = 6; // a breath before the next phrase
    t.cadence.push_back({30, 2, 0, true});
    AddSteps(t.cadence, from, rng, 2);
    return t;
}

struct LeadNote {
    uint32_t tick;
    uint32_t len;
    int degree;
    int velocity;
    int bar; // index into the section's bars
    int step;
};

enum class UnitKind { Motif, Answer, CadenceOpen, CadenceHome };

int Accent(int step) {
    if (step % 16 == 0) return 12;
    if (step % 8 == 0) return 7;
    if (step % 4 == 0) return 3;
    if (step % 2 == 1) return -6;
    return 0;
}

// ---------------------------------------------------------------- the composer

class Composer {
  public:
    explicit Composer(const Tune& tune)
        : tune_(tune), rng_(tune.seed), conductor_(std::string(tune.name) + " tempo"), lead_("Lead"),
          counter_("Counter"), pad_("Harmony"), bass_("Bass"), drums_("Drums") {
        for (int i = 0; i < 3; ++i)
            themes_[i] = MakeTheme(rng_, tune.density[i]);
        arpPattern_ = rng_.Below(4);
        stabPattern_ = rng_.Below(3);
    }

    std::vector<uint8_t> Compose() {
        conductor_.TimeSignature(0, 4, 2);
        conductor_.Tempo(0, tune_.sections.empty() || tune_.sections[0].bpm == 0 ? tune_.bpm
                                                                                 : tune_.sections[0].bpm);
        SetUp(lead_, kLeadCh,
              tune_.sections.empty() || !tune_.sections[0].altLead ? tune_.lead : tune_.leadAlt);
        SetUp(counter_, kCounterCh, tune_.counter);
        SetUp(pad_, kPadCh, tune_.pad);
        SetUp(bass_, kBassCh, tune_.bass);
        drums_.Control(0, kDrumCh, 7, 110);
        drums_.Control(0, kDrumCh, 91, 30);

        bool alt = !tune_.sections.empty() && tune_.sections[0].altLead;
        uint32_t tick = 0;
        for (size_t s = 0; s < tune_.sections.size(); ++s) {
            const Section& sec = tune_.sections[s];
            if (s > 0 && sec.bpm != 0) conductor_.Tempo(tick, sec.bpm);
            if (sec.altLead != alt) {
                alt = sec.altLead;
                lead_.Program(tick, kLeadCh, (alt ? tune_.leadAlt : tune_.lead).program);
            }
            std::vector<BarChords> prog = ParseProgression(sec.chords);
            bars_.clear();
            for (int b = 0; b < sec.bars; ++b)
                bars_.push_back(prog[b % prog.size()]);
            // The next section's first chord (the top of the piece after the last): the bass walks into it.
            BarChords after =
                ParseProgression(tune_.sections[s + 1 < tune_.sections.size() ? s + 1 : 0].chords)[0];

            std::vector<LeadNote> melody;
            if (sec.theme >= 0 && sec.theme < 3) melody = PlayMelody(sec, tick);
            PlayCounter(sec, tick, melody);
            PlayPad(sec, tick);
            PlayBass(sec, tick, after);
            PlayDrums(sec, tick, s == 0);
            tick += kBar * static_cast<uint32_t>(sec.bars);
        }
        end_ = tick;
        std::vector<MidiTrack> tracks = {conductor_, lead_, counter_, pad_, bass_, drums_};
        return BuildSmf(tracks, end_);
    }

  private:
    void SetUp(MidiTrack& t, int ch, const Voice& v) {
        t.Control(0, ch, 121, 0);
        t.Control(0, ch, 0, 0);
        t.Program(0, ch, v.program);
        t.Control(0, ch, 7, v.volume);
        t.Control(0, ch, 10, v.pan);
        t.Control(0, ch, 91, v.reverb);
        t.Control(0, ch, 93, v.chorus);
    }

    int Human(int spread) { return rng_.Below(2 * spread + 1) - spread; }

    int LeadBase() const { return tune_.tonic + 12 * tune_.leadOctave; }

    // ------------------------------------------------------------ lead

    std::vector<LeadNote> PlayMelody(const Section& sec, uint32_t at) {
        std::vector<LeadNote> out;
        const Theme& theme = themes_[sec.theme];
        int units = sec.bars / 2;
        static const int kVelocity[4] = {72, 84, 96, 106};
        int base = kVelocity[std::clamp(sec.energy, 0, 3)];
        const int lo = -3, hi = 10;
        for (int u = 0; u < units; ++u) {
            UnitKind kind;
            if (u == units - 1)
                kind = UnitKind::CadenceHome;
            else if (u % 4 == 3)
                kind = UnitKind::CadenceOpen;
            else if (u % 2 == 1)
                kind = UnitKind::Answer;
            else
                kind = UnitKind::Motif;
            const std::vector<MNote>& unit = kind == UnitKind::Motif ? theme.motif
                                             : kind == UnitKind::Answer
                                                 ? (u % 8 == 5 ? theme.answer2 : theme.answer)
                                                 : theme.cadence;
            int firstBar = u * 2;
            // The motif's second statement in a phrase climbs a third: a sequence, not a copy.
            int anchor = theme.startDegree + (u % 4 == 2 ? (theme.startDegree >= 6 ? -2 : 2) : 0);
            int degree = SnapToChord(bars_[firstBar].At(0), anchor, 1);
            bool first = true;
            for (size_t i = 0; i < unit.size(); ++i) {
                const MNote& m = unit[i];
                if (m.rest) continue;
                int bar = firstBar + m.start / 16;
                int step = m.start % 16;
                const Chord& chord = bars_[bar].At(step);
                if (!first) {
                    degree += m.step;
                    if (degree > hi || degree < lo) degree -= 2 * m.step;
                    degree = std::clamp(degree, lo, hi);
                }
                bool last = i + 2 >= unit.size() && kind >= UnitKind::CadenceOpen;
                if (last && kind == UnitKind::CadenceHome) {
                    // Home: the chord's root, which closes the section.
                    int rel = Mod(degree - chord.degree, 7);
                    degree += rel <= 3 ? -rel : 7 - rel;
                } else if (first || last || step % 8 == 0 || m.len >= 3) {
                    degree = SnapToChord(chord, degree, m.step);
                }
                first = false;
                int len = m.len;
                int vel = base + Accent(step) + (len >= 6 ? 4 : 0) + Human(3);
                uint32_t tick = at + kBar * static_cast<uint32_t>(bar) + kStep * static_cast<uint32_t>(step);
                // Decoration on the repeats: a long note turns into itself and a neighbour.
                if (sec.ornate && !last && len >= 4 && rng_.Chance(45)) {
                    int neighbour = degree + (rng_.Chance(50) ? 1 : -1);
                    out.push_back({tick, kStep * static_cast<uint32_t>(len - 2), degree, vel, bar, step});
                    out.push_back({tick + kStep * static_cast<uint32_t>(len - 2), kStep * 2, neighbour,
                                   vel - 10, bar, step + len - 2});
                    continue;
                }
                out.push_back({tick, kStep * static_cast<uint32_t>(len), degree, vel, bar, step});
            }
        }
        for (const LeadNote& n : out) {
            const Chord& c = bars_[n.bar].At(n.step % 16);
            ChordScale scale(tune_.mode, c);
            uint32_t gap = n.len <= kStep * 2 ? 30 : 20;
            lead_.Note(n.tick, kLeadCh, scale.Pitch(LeadBase(), n.degree), n.velocity, n.len - gap);
        }
        return out;
    }

    // ------------------------------------------------------------ counter part

    void PlayCounter(const Section& sec, uint32_t at, const std::vector<LeadNote>& melody) {
        Counter mode = sec.counter;
        if (mode == Counter::Thirds && melody.empty()) mode = Counter::Arp8;
        int low = tune_.tonic + 12 * tune_.counterOctave;
        int energyVel = 62 + 10 * std::clamp(sec.energy, 0, 3);

        if (mode == Counter::Thirds) {
            for (const LeadNote& n : melody) {
                const Chord& c = bars_[n.bar].At(n.step % 16);
                int below = n.degree - 2;
                if (n.step % 8 == 0 || n.len >= kStep * 4) {
                    for (int d = 2; d <= 5; ++d)
                        if (IsChordDegree(c, n.degree - d)) {
                            below = n.degree - d;
                            break;
                        }
                }
                ChordScale scale(tune_.mode, c);
                uint32_t gap = n.len <= kStep * 2 ? 30 : 20;
                counter_.Note(n.tick, kCounterCh, scale.Pitch(LeadBase(), below), n.velocity - 12,
                              n.len - gap);
            }
            return;
        }

        if (mode == Counter::Arp8 || mode == Counter::Arp16) {
            static const std::vector<int> patterns[4] = {
                {0, 1, 2, 3}, {0, 1, 2, 3, 2, 1}, {0, 2, 1, 3, 0, 2, 1, 2}, {0, 2, 3, 2, 1, 2, 3, 2}};
            const std::vector<int>& pat = patterns[arpPattern_];
            int every = mode == Counter::Arp16 ? 1 : 2;
            int idx = 0;
            for (int bar = 0; bar < sec.bars; ++bar) {
                for (int step = 0; step < 16; step += every) {
                    const Chord& c = bars_[bar].At(step);
                    std::vector<int> tones = ChordPitches(tune_.tonic, c, low);
                    tones.push_back(tones[0] + 12);
                    if (tones.size() < 4) tones.push_back(tones[1] + 12);
                    if (step == 0 || (bars_[bar].split && step == 8)) idx = 0;
                    int key = tones[pat[idx % pat.size()] % tones.size()];
                    ++idx;
                    uint32_t tick = at + kBar * bar + kStep * step;
                    int vel = energyVel - 6 + Accent(step) / 2 + Human(3);
                    counter_.Note(tick, kCounterCh, key, vel, kStep * every - 15);
                }
            }
            return;
        }

        if (mode == Counter::Line) {
            // A slow line moving by the nearest chord tone each half bar.
            int prev = low + 12 + tune_.mode[2];
            for (int bar = 0; bar < sec.bars; ++bar) {
                for (int half = 0; half < 2; ++half) {
                    const Chord& c = bars_[bar].At(half * 8);
                    std::vector<int> cand;
                    for (int p : ChordPitches(tune_.tonic, c, low + 7)) {
                        cand.push_back(p);
                        cand.push_back(p + 12);
                    }
                    bool stay = rng_.Chance(30);
                    int best = -1;
                    for (int p : cand) {
                        if (!stay && p == prev) continue;
                        if (best < 0 || std::abs(p - prev) < std::abs(best - prev)) best = p;
                    }
                    if (best < 0) best = prev;
                    prev = best;
                    uint32_t tick = at + kBar * bar + kStep * 8 * half;
                    counter_.Note(tick, kCounterCh, best, energyVel - 4 + (half == 0 ? 6 : 0) + Human(3),
                                  kStep * 8 - 10);
                }
            }
        }
    }

    // ------------------------------------------------------------ harmony

    std::vector<int> Voicing(const Chord& c) {
        int low = tune_.tonic + 2;
        std::vector<int> pcs;
        for (int k = 0; k < c.count; ++k)
            pcs.push_back(Mod(tune_.tonic + c.root + c.semis[k], 12));
        if (pcs.size() == 2) pcs.push_back(pcs[0]); // power chord: root doubled on top
        std::vector<int> best;
        int bestCost = 1 << 30;
        for (size_t inv = 0; inv < pcs.size(); ++inv) {
            std::vector<int> v;
            int p = low + Mod(pcs[inv] - low, 12);
            v.push_back(p);
            for (size_t k = 1; k < pcs.size(); ++k) {
                int pc = pcs[(inv + k) % pcs.size()];
                p = p + 1 + Mod(pc - (p + 1), 12);
                v.push_back(p);
            }
            int cost = 0;
            if (voicing_.empty()) {
                cost = std::abs(v[0] + v.back() - 2 * (tune_.tonic + 9));
            } else {
                for (size_t k = 0; k < v.size(); ++k)
                    cost += std::abs(v[k] - voicing_[std::min(k, voicing_.size() - 1)]);
            }
            if (cost < bestCost) bestCost = cost, best = v;
        }
        voicing_ = best;
        return best;
    }

    void PlayPad(const Section& sec, uint32_t at) {
        if (sec.pad == Pad::Off) return;
        int vel = 56 + 8 * std::clamp(sec.energy, 0, 3);
        if (sec.pad == Pad::Hold) {
            for (int bar = 0; bar < sec.bars; ++bar) {
                int halves = bars_[bar].split ? 2 : 1;
                for (int h = 0; h < halves; ++h) {
                    uint32_t tick = at + kBar * bar + kStep * 8 * h;
                    uint32_t len = (halves == 2 ? kBar / 2 : kBar) - 10;
                    for (int key : Voicing(bars_[bar].At(h * 8)))
                        pad_.Note(tick, kPadCh, key, vel + (bar % 2 == 0 ? 4 : 0) + Human(2), len);
                }
            }
            return;
        }
        // Stabs: syncopated hits, the first of the bar the strongest.
        static const char* kStabs[3] = {"x..x..x...x..x..", "x.....x.x.....x.", "x..x..x.x..x..x."};
        const char* pat = kStabs[stabPattern_];
        for (int bar = 0; bar < sec.bars; ++bar) {
            for (int step = 0; step < 16; ++step) {
                if (pat[step] != 'x') continue;
                uint32_t tick = at + kBar * bar + kStep * step;
                int v = vel + 8 + (step == 0 ? 12 : 0) + Human(3);
                for (int key : Voicing(bars_[bar].At(step)))
                    pad_.Note(tick, kPadCh, key, v, kStep * 2 - 20);
            }
        }
    }

    // ------------------------------------------------------------ bass

    int BassRoot(const Chord& c) const {
        const int low = 28; // E1
        return low + Mod(tune_.tonic + c.root - low, 12);
    }

    void PlayBass(const Section& sec, uint32_t at, const BarChords& after) {
        if (sec.bass == Bass::Off) return;
        int energyVel = 78 + 8 * std::clamp(sec.energy, 0, 3);
        auto note = [&](int bar, int step, int key, int len16, int accent) {
            uint32_t tick = at + kBar * bar + kStep * step;
            uint32_t len = kStep * len16 - (len16 <= 2 ? 25 : 15);
            bass_.Note(tick, kBassCh, key, energyVel + accent + Human(3), len);
        };
        for (int bar = 0; bar < sec.bars; ++bar) {
            const BarChords& bc = bars_[bar];
            const Chord& next = bar + 1 < sec.bars ? bars_[bar + 1].first : after.first;
            int nextRoot = BassRoot(next);
            int fifthDeg = 4;
            auto root = [&](int step) { return BassRoot(bc.At(step)); };
            auto fifth = [&](int step) {
                const Chord& c = bc.At(step);
                for (int k = 0; k < c.count; ++k)
                    if (c.degrees[k] == fifthDeg) return root(step) + c.semis[k];
                return root(step) + 7;
            };
            // A chromatic step into the next bar's root when it moves.
            int approach =
                nextRoot == root(15) ? root(15) + 12 : (nextRoot > root(15) ? nextRoot - 1 : nextRoot + 1);
            switch (sec.bass) {
            case Bass::Long:
                if (bc.split) {
                    note(bar, 0, root(0), 8, 4);
                    note(bar, 8, root(8), 8, 0);
                } else {
                    note(bar, 0, root(0), 12, 4);
                    note(bar, 12, fifth(12), 4, -6);
                }
                break;
            case Bass::Root8:
                for (int step = 0; step < 16; step += 2) {
                    int key = root(step);
                    if (step == 6 || step == 10) key += 12;
                    if (step == 14) key = approach;
                    note(bar, step, key, 2, Accent(step));
                }
                break;
            case Bass::Rock: {
                static const int steps[6] = {0, 3, 6, 8, 11, 14};
                for (int i = 0; i < 6; ++i) {
                    int step = steps[i];
                    int key = root(step);
                    if (step == 6) key += 12;
                    if (step == 11) key = fifth(step);
                    if (step == 14) key = approach;
                    note(bar, step, key, step == 0 || step == 8 ? 3 : 2, Accent(step));
                }
                break;
            }
            case Bass::Gallop:
                for (int beat = 0; beat < 4; ++beat) {
                    int s = beat * 4;
                    note(bar, s, root(s), 2, Accent(s) + 4);
                    note(bar, s + 2, root(s), 1, -4);
                    note(bar, s + 3, beat == 3 ? approach : root(s) + (beat == 1 ? 12 : 0), 1, -4);
                }
                break;
            case Bass::Pulse16:
                for (int step = 0; step < 16; ++step) {
                    int key = root(step);
                    if (step == 14 || step == 15) key = (bar % 2 == 1) ? approach : fifth(step);
                    note(bar, step, key, 1, Accent(step) + (step % 4 == 0 ? 6 : -6));
                }
                break;
            case Bass::Walk: {
                for (int beat = 0; beat < 4; ++beat) {
                    int s = beat * 4;
                    const Chord& c = bc.At(s);
                    int key = root(s);
                    if (beat == 1) key = root(s) + (c.count > 1 ? c.semis[1] : 7);
                    if (beat == 2) key = fifth(s);
                    // Into the next root by the nearest tone of this chord: a held quarter off the chord
                    // would grind on the pad.
                    if (beat == 3) {
                        int best = root(s) + 12;
                        for (int k = 0; k < c.count; ++k) {
                            int p = root(s) + c.semis[k];
                            if (p != nextRoot && std::abs(p - nextRoot) < std::abs(best - nextRoot)) best = p;
                        }
                        key = best;
                    }
                    note(bar, s, key, 4, beat == 0 ? 6 : 0);
                }
                break;
            }
            case Bass::Off:
                break;
            }
        }
    }

    // ------------------------------------------------------------ drums

    struct Kit {
        const char* kick;
        const char* kickAlt; // every other bar
        const char* snare;
        int snareKey;
        const char* hat;
        int hatKey;
        const char* open;
    };

    static const Kit& KitFor(Drums d) {
        static const Kit rock = {
            "x.....x.x.......", "x.....x.x..x....", "....X.......X...", 38, "x.o.x.o.x.o.x.o.", 42,
            "................"};
        static const Kit drive = {
            "X...x...x...x...", "X...x...x...x..o", "....X.......X...", 38, "x...x...x...x...", 42,
            "..o...o...o...o."};
        static const Kit brk = {
            "x.x.......x.....", "x.........x..x..", "....X..g.g..X...", 38, "xgxgxgxgxgxgxgxg", 42,
            "................"};
        static const Kit heavy = {
            "X.......x.x.....", "X.......x.x...x.", "........X.......", 38, "x...x...x...x...", 51,
            "................"};
        static const Kit march = {
            "X.......x.......", "X.......x.....x.", "....X..g..g.X.gg", 38, "x...x...x...x...", 51,
            "................"};
        static const Kit calm = {
            "x.......o.......", "x.......o.....g.", "....o.......o...", 37, "x.g.x.g.x.g.x.g.", 51,
            "................"};
        static const Kit gallop = {
            "x.xxx.xxx.xxx.xx", "x.xxx.xxx.xxx.xx", "....X.......X...", 38, "x.x.x.x.x.x.x.x.", 51,
            "................"};
        switch (d) {
        case Drums::Drive:
            return drive;
        case Drums::Break:
            return brk;
        case Drums::Heavy:
            return heavy;
        case Drums::March:
            return march;
        case Drums::Calm:
            return calm;
        case Drums::Gallop:
            return gallop;
        default:
            return rock;
        }
    }

    static int HitVelocity(char c) {
        switch (c) {
        case 'X':
            return 118;
        case 'x':
            return 100;
        case 'o':
            return 82;
        case 'g':
            return 48;
        default:
            return 0;
        }
    }

    void Hit(uint32_t tick, int key, int vel) {
        if (vel > 0) drums_.Note(tick, kDrumCh, key, std::clamp(vel + Human(4), 1, 127), 60);
    }

    void PlayDrums(const Section& sec, uint32_t at, bool songStart) {
        if (sec.drums == Drums::Off || sec.energy <= 0) return;
        const Kit& kit = KitFor(sec.drums);
        int level = sec.energy == 1 ? -22 : (sec.energy == 3 ? 6 : 0);
        if (sec.drums == Drums::Calm) level = std::min(level, -10);
        for (int bar = 0; bar < sec.bars; ++bar) {
            uint32_t barTick = at + kBar * bar;
            bool sectionEnd = bar == sec.bars - 1;
            bool phraseEnd = !sectionEnd && bar % 8 == 7 && sec.energy >= 2;
            int fillFrom = sectionEnd ? (sec.energy >= 2 ? 8 : 12) : (phraseEnd ? 12 : 16);
            bool crash = (bar == 0 && (sec.energy >= 2 || songStart)) || (sec.energy >= 2 && bar % 8 == 0) ||
                         (sec.energy >= 3 && bar % 4 == 0);
            if (crash) Hit(barTick, bar % 8 == 0 ? 49 : 57, 112 + level / 2);
            const char* kick = bar % 2 ? kit.kickAlt : kit.kick;
            for (int step = 0; step < fillFrom; ++step) {
                uint32_t tick = barTick + kStep * step;
                int k = HitVelocity(kick[step]);
                if (sec.energy == 1 && step % 8 != 0) k = 0; // the build-up keeps just the downbeats
                Hit(tick, 36, k ? k + level : 0);
                if (sec.energy >= 2) {
                    int s = HitVelocity(kit.snare[step]);
                    Hit(tick, kit.snareKey, s ? s + level : 0);
                }
                if (!(crash && step == 0)) {
                    int h = HitVelocity(kit.hat[step]);
                    Hit(tick, kit.hatKey, h ? h - 14 + level : 0);
                }
                int o = HitVelocity(kit.open[step]);
                if (o && sec.energy >= 2) Hit(tick, 46, o - 10 + level);
                if (sec.energy >= 3 && step == 14 && kit.open[step] == '.') Hit(tick, 46, 80);
            }
            if (fillFrom < 16) PlayFill(barTick, fillFrom, sec.energy, sec.drums == Drums::Calm);
        }
    }

    // Snare run then toms down, into the next bar.
    void PlayFill(uint32_t barTick, int from, int energy, bool soft) {
        static const int toms[4] = {50, 47, 45, 43};
        int variant = rng_.Below(3);
        int top = soft ? 78 : (energy >= 2 ? 108 : 92);
        for (int step = from; step < 16; ++step) {
            uint32_t tick = barTick + kStep * step;
            int rise = (step - from) * 24 / std::max(1, 16 - from);
            int vel = top - 24 + rise;
            if (step < 12) {
                if (variant == 2 && step % 2 == 1) continue;
                Hit(tick, soft ? 37 : 38, vel);
            } else if (variant == 0) {
                Hit(tick, toms[step - 12], vel);
            } else if (variant == 1) {
                Hit(tick, step < 14 ? 38 : toms[step - 12], vel);
            } else {
                Hit(tick, toms[(step - 12) / 2 * 2 + 1], vel);
            }
            if (step == 12 && !soft) Hit(tick, 36, vel);
        }
    }

    const Tune& tune_;
    Rng rng_;
    Theme themes_[3];
    int arpPattern_ = 0, stabPattern_ = 0;
    std::vector<BarChords> bars_;
    std::vector<int> voicing_;
    MidiTrack conductor_, lead_, counter_, pad_, bass_, drums_;
    uint32_t end_ = 0;
};

} // namespace

std::vector<uint8_t> ComposeTune(const Tune& tune) { return Composer(tune).Compose(); }

} // namespace paint
