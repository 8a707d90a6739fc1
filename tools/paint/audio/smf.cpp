#include "smf.h"

#include <algorithm>

namespace paint {

namespace {

enum Order { kMeta = 0, kSetup = 1, kNoteOff = 2, kNoteOn = 3 };

int Clamp7(int v) { return v < 0 ? 0 : (v > 127 ? 127 : v); }

void PutVlq(std::vector<uint8_t>& out, uint32_t v) {
    uint8_t buf[5];
    int n = 0;
    buf[n++] = static_cast<uint8_t>(v & 0x7F);
    while ((v >>= 7) != 0)
        buf[n++] = static_cast<uint8_t>(0x80 | (v & 0x7F));
    while (n > 0)
        out.push_back(buf[--n]);
}

void Put32(std::vector<uint8_t>& out, uint32_t v) {
    for (int s = 24; s >= 0; s -= 8)
        out.push_back(static_cast<uint8_t>(v >> s));
}

void Put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v >> 8));
    out.push_back(static_cast<uint8_t>(v));
}

} // namespace

MidiTrack::MidiTrack(const std::string& name) {
    std::vector<uint8_t> meta = {0xFF, 0x03};
    PutVlq(meta, static_cast<uint32_t>(name.size()));
    meta.insert(meta.end(), name.begin(), name.end());
    Add(0, kMeta, std::move(meta));
}

void MidiTrack::Add(uint32_t tick, int order, std::vector<uint8_t> bytes) {
    events_.push_back({tick, order, static_cast<uint32_t>(events_.size()), std::move(bytes)});
}

void MidiTrack::Tempo(uint32_t tick, int bpm) {
    uint32_t us = 60000000u / static_cast<uint32_t>(bpm > 0 ? bpm : 120);
    Add(tick, kMeta,
        {0xFF, 0x51, 0x03, static_cast<uint8_t>(us >> 16), static_cast<uint8_t>(us >> 8),
         static_cast<uint8_t>(us)});
}

void MidiTrack::TimeSignature(uint32_t tick, int numerator, int denominatorPow2) {
    Add(tick, kMeta,
        {0xFF, 0x58, 0x04, static_cast<uint8_t>(numerator), static_cast<uint8_t>(denominatorPow2), 24, 8});
}

void MidiTrack::Program(uint32_t tick, int channel, int program) {
    Add(tick, kSetup, {static_cast<uint8_t>(0xC0 | (channel & 15)), static_cast<uint8_t>(Clamp7(program))});
}

void MidiTrack::Control(uint32_t tick, int channel, int controller, int value) {
    Add(tick, kSetup,
        {static_cast<uint8_t>(0xB0 | (channel & 15)), static_cast<uint8_t>(Clamp7(controller)),
         static_cast<uint8_t>(Clamp7(value))});
}

void MidiTrack::Note(uint32_t tick, int channel, int key, int velocity, uint32_t length) {
    if (length == 0 || key < 0 || key > 127) return;
    int vel = velocity < 1 ? 1 : (velocity > 127 ? 127 : velocity);
    uint8_t ch = static_cast<uint8_t>(channel & 15);
    Add(tick, kNoteOn,
        {static_cast<uint8_t>(0x90 | ch), static_cast<uint8_t>(key), static_cast<uint8_t>(vel)});
    Add(tick + length, kNoteOff, {static_cast<uint8_t>(0x80 | ch), static_cast<uint8_t>(key), 64});
    ++notes_;
}

uint32_t MidiTrack::LastTick() const {
    uint32_t last = 0;
    for (const Event& e : events_)
        last = std::max(last, e.tick);
    return last;
}

std::vector<uint8_t> MidiTrack::Chunk(uint32_t endTick) const {
    std::vector<const Event*> order;
    order.reserve(events_.size());
    for (const Event& e : events_)
        if (e.tick <= endTick) order.push_back(&e);
    std::sort(order.begin(), order.end(), [](const Event* a, const Event* b) {
        if (a->tick != b->tick) return a->tick < b->tick;
        if (a->order != b->order) return a->order < b->order;
        return a->seq < b->seq;
    });

    std::vector<uint8_t> body;
    uint32_t now = 0;
    for (const Event* e : order) {
        PutVlq(body, e->tick - now);
        now = e->tick;
        body.insert(body.end(), e->bytes.begin(), e->bytes.end());
    }
    PutVlq(body, endTick - now);
    body.insert(body.end(), {0xFF, 0x2F, 0x00});

    std::vector<uint8_t> chunk = {'M', 'T', 'r', 'k'};
    Put32(chunk, static_cast<uint32_t>(body.size()));
    chunk.insert(chunk.end(), body.begin(), body.end());
    return chunk;
}

std::vector<uint8_t> BuildSmf(const std::vector<MidiTrack>& tracks, uint32_t endTick) {
    std::vector<uint8_t> out = {'M', 'T', 'h', 'd'};
    Put32(out, 6);
    Put16(out, 1);
    Put16(out, static_cast<uint32_t>(tracks.size()));
    Put16(out, kPpqn);
    for (const MidiTrack& t : tracks) {
        std::vector<uint8_t> chunk = t.Chunk(endTick);
        out.insert(out.end(), chunk.begin(), chunk.end());
    }
    return out;
}

} // namespace paint
