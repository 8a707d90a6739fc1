#pragma once
// Recorded play: what the game did, frame by frame, as lines of text that a
// later run can be compared with.
//
// After each frame the recorder walks the pool catalogue and notes the
// records that came alive ("spawn", their indexes and all their words, "="
// for a word as the pool's previous spawn had it; records that start alike
// share a line) or went out ("free", their indexes), and which schedule
// rows started or stopped running ("row+", "row-", with the row's window).
// Every 30 frames it notes the boss (position, clocks, hp), the ship and the
// scroll distance, and every 60 frames a digest of the live records of each
// pool whose live records changed; lives and the scene as soon as they
// change, the score with the summaries, and how many sprites were drawn
// since the last summary with a digest of where and how (what the art looks
// like plays no part). The lines of a frame follow a line
// "@ frame". Numbers read the same on every machine and in every locale:
// integers in decimal, floats in their shortest exact form.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

struct BossRecord;
struct BossSection;
struct DrawCall;

// Records watched as the pool catalogue's are: its pools, and records it
// does not hold (the power item, the large enemies, ...).
struct WatchedRecords {
    const char* name;
    const void* storage;
    int32_t records;
    int32_t stride;   // bytes per record
    int32_t liveWord; // the active or alive flag; -1: alive while away from the park place
    int32_t xWord;
};

class PlayRecorder {
  public:
    // Watches `boss`, every pool of the catalogue and then `more`, and names
    // the rows of `section` and of the stage tables.
    PlayRecorder(BossRecord& boss, const BossSection& section, std::span<const WatchedRecords> more = {});
    ~PlayRecorder();
    PlayRecorder(const PlayRecorder&) = delete;
    PlayRecorder& operator=(const PlayRecorder&) = delete;

    // Spawns of this pool are noted by their indexes alone (its digests
    // still hold what the records carry).
    void Brief(const char* pool);
    // A line before the frames (what the run is).
    void Note(const std::string& line);
    // Call after every frame, counted from 1.
    void AfterFrame(int32_t frame);
    // Ends the recording with the rows that never ran in it.
    void Finish();
    const std::string& Text() const { return text_; }

  private:
    struct Table {
        const void* rows;
        std::vector<uint8_t> ran, ranBefore, ever;
    };
    struct Pool {
        WatchedRecords what;
        std::vector<unsigned char> before;
        uint32_t digest;
        std::vector<uint32_t> lastSpawn;
        bool spawned; // lastSpawn holds a spawn
        bool brief;
    };
    static void OnRow(std::span<const struct ScheduleRow> rows, std::size_t row);
    static void OnDraw(const DrawCall& call);
    void Line(int32_t frame, const std::string& line);
    void Rows(int32_t frame);
    void Records(int32_t frame);
    void Summary(int32_t frame);

    BossRecord& boss_;
    const BossSection& section_;
    std::vector<Pool> pools_;
    std::vector<Table> tables_; // attack, hp, enemy, pattern
    int32_t markedFrame_ = -1;
    int32_t score_ = -1, lives_ = -1, scene_ = -1;
    uint32_t draws_ = 0, drawDigest_ = 2166136261u;
    std::string text_;
};

// The first difference between two recordings, told as a maintainer wants
// to read it: the frame, then the lines of that frame that differ, recorded
// beside new where they name the same thing. Empty when they are the same.
std::string FirstDifference(const std::string& recorded, const std::string& now);

// Whole-file reading and writing of xz-compressed text (xzcat shows a
// recording); false on failure.
bool ReadXzText(const std::string& path, std::string& text);
bool WriteXzText(const std::string& path, const std::string& text);
