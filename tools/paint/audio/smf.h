#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace paint {

constexpr int kPpqn = 480;

// One track of a Standard MIDI File under construction. Events may be added in any order; they are
// sorted when the file is written.
class MidiTrack {
  public:
    explicit MidiTrack(const std::string& name);

    void Tempo(uint32_t tick, int bpm);
    void TimeSignature(uint32_t tick, int numerator, int denominatorPow2);
    void Program(uint32_t tick, int channel, int program);
    void Control(uint32_t tick, int channel, int controller, int value);
    // A note from tick to tick + length; zero-length notes are dropped.
    void Note(uint32_t tick, int channel, int key, int velocity, uint32_t length);

    uint32_t LastTick() const;
    size_t NoteCount() const { return notes_; }

    // Track chunk bytes ("MTrk" ...), closed by an end-of-track at endTick.
    std::vector<uint8_t> Chunk(uint32_t endTick) const;

  private:
    struct Event {
        uint32_t tick;
        int order; // meta, then set-up, then note-offs, then note-ons at one tick
        uint32_t seq;
        std::vector<uint8_t> bytes;
    };
    void Add(uint32_t tick, int order, std::vector<uint8_t> bytes);

    std::vector<Event> events_;
    size_t notes_ = 0;
};

// Format 1 file: the first track carries the tempo map.
std::vector<uint8_t> BuildSmf(const std::vector<MidiTrack>& tracks, uint32_t endTick);

} // namespace paint
