#include "harness/play_recorder.h"

#include <lzma.h>

#include <algorithm>
#include <charconv>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>

#include "game/bosses/boss_record.h"
#include "game/shell/pool_catalogue.h"
#include "game/stages/schedule.h"
#include "game/stages/stage_frame.h"
#include "kit/draw/draw_observer.h"
#include "game/state/game_state.h"
#include "game/state/player_state.h"
#include "game/state/scene_state.h"

namespace {

PlayRecorder* recording = nullptr;
constexpr int32_t kSummaryEvery = 30;
constexpr int32_t kDigestEvery = 60;
const char* const kTableNames[] = {"attack", "hp", "enemy", "pattern"};

void Int(std::string& out, int64_t v) {
    char buf[24];
    auto r = std::to_chars(buf, buf + sizeof buf, v);
    out.append(buf, r.ptr);
}

void Float(std::string& out, float v) {
    char buf[32];
    auto r = std::to_chars(buf, buf + sizeof buf, v);
    out.append(buf, r.ptr);
}

// A record word as a person would read it: floats of a size a position,
// speed or angle has as floats, everything else as an integer. The text
// is exact either way.
void Word(std::string& out, uint32_t bits) {
    const uint32_t exponent = (bits >> 23) & 0xFF;
    if (bits != 0 && exponent >= 100 && exponent <= 160) {
        float f;
        std::memcpy(&f, &bits, sizeof f);
        Float(out, f);
        out += 'f';
    } else {
        Int(out, static_cast<int32_t>(bits));
    }
}

uint32_t WordAt(const unsigned char* record, int32_t word) {
    uint32_t u;
    std::memcpy(&u, record + static_cast<std::size_t>(word) * 4, sizeof u);
    return u;
}

bool Live(const WatchedRecords& pool, const unsigned char* record) {
    if (pool.liveWord >= 0) return WordAt(record, pool.liveWord) != 0;
    // No flag: alive while away from the park place.
    const uint32_t x = WordAt(record, pool.xWord);
    constexpr float kParkX = -500.0f;
    uint32_t parkBits;
    std::memcpy(&parkBits, &kParkX, sizeof parkBits);
    return x != parkBits && x != static_cast<uint32_t>(-500);
}

} // namespace

PlayRecorder::PlayRecorder(BossRecord& boss, const BossSection& section, std::span<const WatchedRecords> more)
    : boss_(boss), section_(section) {
    auto watch = [this](const WatchedRecords& w) {
        const auto* p = static_cast<const unsigned char*>(w.storage);
        const std::size_t bytes = static_cast<std::size_t>(w.records) * static_cast<std::size_t>(w.stride);
        pools_.push_back({w,
                          {p, p + bytes},
                          0,
                          std::vector<uint32_t>(static_cast<std::size_t>(w.stride / 4)),
                          false,
                          false});
    };
    for (const PoolEntry& e : PoolCatalogue())
        watch({e.name, e.storage, e.records, e.stride, e.liveWord, e.recipe->xWord});
    for (const WatchedRecords& w : more)
        watch(w);
    tables_.push_back({section.attackRows.data(), {}, {}, {}});
    tables_.push_back({section.hpRows.data(), {}, {}, {}});
    tables_.push_back({nullptr, {}, {}, {}});
    tables_.push_back({nullptr, {}, {}, {}});
    tables_[0].ran.assign(section.attackRows.size(), 0);
    tables_[1].ran.assign(section.hpRows.size(), 0);
    for (Table& t : tables_)
        t.ranBefore = t.ran;
    recording = this;
    SetScheduleRowObserverForTests(&PlayRecorder::OnRow);
    SetDrawObserverForTests(&PlayRecorder::OnDraw);
}

PlayRecorder::~PlayRecorder() {
    SetScheduleRowObserverForTests(nullptr);
    SetDrawObserverForTests(nullptr);
    recording = nullptr;
}

void PlayRecorder::OnDraw(const DrawCall& call) {
    PlayRecorder* r = recording;
    if (!r) return;
    const int32_t fields[] = {static_cast<int32_t>(call.kind),
                              call.img,
                              call.x,
                              call.y,
                              call.left,
                              call.top,
                              call.right,
                              call.bottom,
                              call.a,
                              call.b,
                              call.c};
    uint32_t h = r->drawDigest_;
    for (int32_t f : fields)
        for (int k = 0; k < 4; ++k)
            h = (h ^ ((static_cast<uint32_t>(f) >> (8 * k)) & 0xFF)) * 16777619u;
    r->drawDigest_ = h;
    ++r->draws_;
}

void PlayRecorder::OnRow(std::span<const ScheduleRow> rows, std::size_t row) {
    PlayRecorder* r = recording;
    if (!r) return;
    if (r->tables_[2].rows == nullptr) {
        if (const StageScene* stage = LastStageFrameForTests()) {
            r->tables_[2] = {stage->enemyRows.data(), std::vector<uint8_t>(stage->enemyRows.size()), {}, {}};
            r->tables_[3] = {
                stage->patternRows.data(), std::vector<uint8_t>(stage->patternRows.size()), {}, {}};
            r->tables_[2].ranBefore = r->tables_[2].ran;
            r->tables_[3].ranBefore = r->tables_[3].ran;
        }
    }
    for (Table& t : r->tables_) {
        if (t.rows == rows.data() && row < t.ran.size()) {
            t.ran[row] = 1;
            return;
        }
    }
}

void PlayRecorder::Brief(const char* pool) {
    for (Pool& p : pools_)
        if (std::strcmp(p.what.name, pool) == 0) p.brief = true;
}

void PlayRecorder::Note(const std::string& line) {
    text_ += line;
    text_ += '\n';
}

void PlayRecorder::Line(int32_t frame, const std::string& line) {
    if (markedFrame_ != frame) {
        text_ += "@ ";
        Int(text_, frame);
        text_ += '\n';
        markedFrame_ = frame;
    }
    text_ += line;
    text_ += '\n';
}

void PlayRecorder::Rows(int32_t frame) {
    const std::span<const ScheduleRow> spans[] = {
        section_.attackRows,
        section_.hpRows,
        {static_cast<const ScheduleRow*>(tables_[2].rows), tables_[2].ran.size()},
        {static_cast<const ScheduleRow*>(tables_[3].rows), tables_[3].ran.size()}};
    std::string line;
    for (std::size_t t = 0; t < tables_.size(); ++t) {
        Table& table = tables_[t];
        for (std::size_t i = 0; i < table.ran.size(); ++i) {
            if (table.ran[i] == table.ranBefore[i]) continue;
            const Window& w = spans[t][i].window;
            line = table.ran[i] ? "row+ " : "row- ";
            line += kTableNames[t];
            line += ' ';
            Int(line, static_cast<int64_t>(i));
            line += w.loEdge == Edge::Closed ? " [" : " (";
            Float(line, w.lo);
            line += ',';
            Float(line, w.hi);
            line += w.hiEdge == Edge::Closed ? "]" : ")";
            Line(frame, line);
        }
        if (table.ever.size() != table.ran.size()) table.ever.assign(table.ran.size(), 0);
        for (std::size_t i = 0; i < table.ran.size(); ++i)
            table.ever[i] |= table.ran[i];
        table.ranBefore = table.ran;
        std::fill(table.ran.begin(), table.ran.end(), 0);
    }
}

void PlayRecorder::Records(int32_t frame) {
    struct Group {
        const unsigned char* record;
        std::string indexes;
    };
    std::vector<Group> spawned;
    std::string freed, line;
    for (Pool& pool : pools_) {
        const WatchedRecords& e = pool.what;
        const auto* now = static_cast<const unsigned char*>(e.storage);
        const std::size_t stride = static_cast<std::size_t>(e.stride);
        const std::size_t bytes = static_cast<std::size_t>(e.records) * stride;
        if (std::memcmp(now, pool.before.data(), bytes) == 0) continue;
        spawned.clear();
        freed.clear();
        for (int32_t i = 0; i < e.records; ++i) {
            const unsigned char* rec = now + static_cast<std::size_t>(i) * stride;
            const unsigned char* was = pool.before.data() + static_cast<std::size_t>(i) * stride;
            if (std::memcmp(rec, was, stride) == 0) continue;
            const bool liveNow = Live(e, rec);
            if (liveNow == Live(e, was)) continue;
            if (liveNow) {
                // Records that start alike (a burst's shots, a ring's
                // twins) share one line; a brief pool's spawns all do.
                auto same = std::find_if(spawned.begin(), spawned.end(), [&](const Group& g) {
                    return pool.brief || std::memcmp(g.record, rec, stride) == 0;
                });
                if (same == spawned.end()) same = spawned.insert(spawned.end(), Group{rec, {}});
                std::string& list = same->indexes;
                if (!list.empty()) list += ',';
                Int(list, i);
                continue;
            }
            if (!freed.empty()) freed += ',';
            Int(freed, i);
        }
        // A spawn shows the record as it starts, words as the pool's last
        // spawn had them written "="; where a record went while alive shows
        // in the pool digests and in when it frees.
        for (const Group& g : spawned) {
            line = "spawn ";
            line += e.name;
            line += ' ';
            line += g.indexes;
            for (int32_t w = 0; !pool.brief && w < e.stride / 4; ++w) {
                const uint32_t v = WordAt(g.record, w);
                line += ' ';
                if (pool.spawned && v == pool.lastSpawn[static_cast<std::size_t>(w)])
                    line += '=';
                else
                    Word(line, v);
                pool.lastSpawn[static_cast<std::size_t>(w)] = v;
            }
            pool.spawned = true;
            Line(frame, line);
        }
        if (!freed.empty()) Line(frame, "free " + std::string(e.name) + " " + freed);
        std::memcpy(pool.before.data(), now, bytes);
    }
}

void PlayRecorder::Summary(int32_t frame) {
    std::string line;
    // The score moves on most frames of a fight: it is noted with the
    // summaries, lives and the scene as soon as they change.
    if (lives != lives_ || currentScene != scene_ || (frame % kSummaryEvery == 0 && score != score_)) {
        line = "score ";
        Int(line, score);
        line += " lives ";
        Int(line, lives);
        line += " scene ";
        Int(line, currentScene);
        Line(frame, line);
        score_ = score;
        lives_ = lives;
        scene_ = currentScene;
    }
    if (frame % kSummaryEvery != 0) return;
    line = "boss x ";
    Float(line, boss_.x);
    line += " y ";
    Float(line, boss_.y);
    line += " clock ";
    Float(line, boss_.behaviourClock);
    line += " attack ";
    Int(line, boss_.BossAttackClock);
    line += " hp ";
    Float(line, boss_.hp);
    line += " ship ";
    Float(line, playerX);
    line += ' ';
    Float(line, playerY);
    line += " scroll ";
    Float(line, scrollDistance);
    Line(frame, line);
    char hex[12];
    line = "draws ";
    Int(line, draws_);
    line += " digest ";
    line.append(hex, std::to_chars(hex, hex + sizeof hex, drawDigest_ >> 8, 16).ptr);
    Line(frame, line);
    draws_ = 0;
    drawDigest_ = 2166136261u;
    if (frame % kDigestEvery != 0) return;
    // Each pool's live records, where they are and what they hold, when
    // they changed since the last digest. 24 bits are plenty to notice a
    // change; the spawns and frees say which records there are.
    for (Pool& pool : pools_) {
        const WatchedRecords& e = pool.what;
        const auto* now = static_cast<const unsigned char*>(e.storage);
        const std::size_t stride = static_cast<std::size_t>(e.stride);
        uint32_t h = 2166136261u;
        int32_t live = 0;
        for (int32_t i = 0; i < e.records; ++i) {
            const unsigned char* rec = now + static_cast<std::size_t>(i) * stride;
            if (!Live(e, rec)) continue;
            ++live;
            h = (h ^ static_cast<uint32_t>(i)) * 16777619u;
            for (std::size_t b = 0; b < stride; ++b)
                h = (h ^ rec[b]) * 16777619u;
        }
        h = live ? h >> 8 : 0;
        if (h == pool.digest) continue;
        pool.digest = h;
        char hex[8];
        auto r = std::to_chars(hex, hex + sizeof hex, h, 16);
        line = "pool ";
        line += e.name;
        line += " live ";
        Int(line, live);
        line += " digest ";
        line.append(hex, r.ptr);
        Line(frame, line);
    }
}

void PlayRecorder::Finish() {
    text_ += "# rows that never ran:";
    for (std::size_t t = 0; t < tables_.size(); ++t) {
        text_ += ' ';
        text_ += kTableNames[t];
        text_ += " [";
        bool first = true;
        for (std::size_t i = 0; i < tables_[t].ever.size(); ++i) {
            if (tables_[t].ever[i]) continue;
            if (!first) text_ += ' ';
            Int(text_, static_cast<int64_t>(i));
            first = false;
        }
        text_ += ']';
    }
    text_ += '\n';
}

void PlayRecorder::AfterFrame(int32_t frame) {
    Rows(frame);
    Records(frame);
    Summary(frame);
}

// --- Comparing ---------------------------------------------------------------------

namespace {

struct FrameLines {
    int32_t frame = -1; // -1: the lines before the first frame
    std::vector<std::string> lines;
};

// A spawn line with every "=" written out as the pool's previous spawn had
// that word, so that a line reads alone.
std::string Expand(const std::string& line, std::map<std::string, std::vector<std::string>>& lastSpawn) {
    std::istringstream in(line);
    std::string kind, pool, index, word;
    in >> kind >> pool >> index;
    std::vector<std::string>& last = lastSpawn[pool];
    std::string out = kind + " " + pool + " " + index;
    for (std::size_t w = 0; in >> word; ++w) {
        if (last.size() <= w) last.resize(w + 1);
        if (word != "=") last[w] = word;
        out += ' ';
        out += last[w];
    }
    return out;
}

std::vector<FrameLines> Split(const std::string& text) {
    std::vector<FrameLines> frames(1);
    std::map<std::string, std::vector<std::string>> lastSpawn;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("@ ", 0) == 0)
            frames.push_back({std::stoi(line.substr(2)), {}});
        else if (line.rfind("spawn ", 0) == 0)
            frames.back().lines.push_back(Expand(line, lastSpawn));
        else
            frames.back().lines.push_back(line);
    }
    return frames;
}

// What a line is about: its kind and the pool or row it names ("spawn
// enemyAPool", "row+ attack 14", "boss").
std::string Subject(const std::string& line) {
    std::istringstream in(line);
    std::string kind, what, index;
    in >> kind >> what >> index;
    if (kind == "row+" || kind == "row-") return kind + " " + what + " " + index;
    if (kind == "spawn" || kind == "free" || kind == "pool") return kind + " " + what;
    return kind;
}

} // namespace

std::string FirstDifference(const std::string& recorded, const std::string& now) {
    const std::vector<FrameLines> a = Split(recorded), b = Split(now);
    std::size_t i = 0;
    while (i < a.size() && i < b.size() && a[i].frame == b[i].frame && a[i].lines == b[i].lines)
        ++i;
    if (i == a.size() && i == b.size()) return {};

    std::ostringstream out;
    if (i == a.size() || i == b.size()) {
        const bool recordedEnds = i == a.size();
        const FrameLines& more = recordedEnds ? b[i] : a[i];
        out << "the " << (recordedEnds ? "recording" : "new run") << " ends at frame "
            << (i ? (recordedEnds ? a : b)[i - 1].frame : 0) << "; the "
            << (recordedEnds ? "new run" : "recording") << " goes on at frame " << more.frame << ":\n";
        for (std::size_t k = 0; k < more.lines.size() && k < 12; ++k)
            out << "    " << more.lines[k] << '\n';
        return out.str();
    }
    // The earlier of the two frames is where they part; the other side has
    // nothing at that frame.
    const int32_t frame = std::min(a[i].frame, b[i].frame);
    const std::vector<std::string> none;
    const std::vector<std::string>& was = a[i].frame == frame ? a[i].lines : none;
    const std::vector<std::string>& is = b[i].frame == frame ? b[i].lines : none;
    if (frame < 0) {
        out << "the runs differ before the first frame:\n";
    } else {
        out << "first difference at frame " << frame << ":\n";
        // Where the run stood: the last summary both still agree on.
        for (std::size_t k = i; k-- > 0;) {
            auto boss = std::find_if(a[k].lines.begin(), a[k].lines.end(),
                                     [](const std::string& l) { return l.rfind("boss ", 0) == 0; });
            if (boss == a[k].lines.end()) continue;
            out << "  (at frame " << a[k].frame << ": " << *boss << ")\n";
            break;
        }
    }

    std::vector<bool> wasUsed(was.size()), isUsed(is.size());
    for (std::size_t x = 0; x < was.size(); ++x)
        for (std::size_t y = 0; y < is.size(); ++y)
            if (!isUsed[y] && was[x] == is[y]) {
                wasUsed[x] = isUsed[y] = true;
                break;
            }
    // Recorded beside new, paired by what they are about; at most three
    // pairs about any one thing and twelve in all, then a count of the rest.
    std::map<std::string, int> perSubject;
    int shown = 0, more = 0;
    auto show = [&](const std::string& subject, const std::string& was, const std::string& is) {
        if (shown >= 12 || ++perSubject[subject] > 3) {
            ++more;
            return;
        }
        out << "  recorded: " << was << '\n' << "  now:      " << is << '\n';
        ++shown;
    };
    for (std::size_t x = 0; x < was.size(); ++x) {
        if (wasUsed[x]) continue;
        const std::string subject = Subject(was[x]);
        std::size_t match = is.size();
        for (std::size_t y = 0; y < is.size(); ++y)
            if (!isUsed[y] && Subject(is[y]) == subject) {
                match = y;
                break;
            }
        if (match < is.size()) isUsed[match] = true;
        show(subject, was[x], match < is.size() ? is[match] : "(nothing of " + subject + " at this frame)");
    }
    for (std::size_t y = 0; y < is.size(); ++y)
        if (!isUsed[y]) show(Subject(is[y]), "(nothing of " + Subject(is[y]) + " at this frame)", is[y]);
    if (more > 0) out << "  ... and " << more << " more lines that differ at this frame\n";
    return out.str();
}

bool ReadXzText(const std::string& path, std::string& text) {
    std::ifstream f(path, std::ios::binary);
    if (!f) return false;
    const std::string packed((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    lzma_stream z = LZMA_STREAM_INIT;
    if (lzma_stream_decoder(&z, UINT64_MAX, 0) != LZMA_OK) return false;
    z.next_in = reinterpret_cast<const uint8_t*>(packed.data());
    z.avail_in = packed.size();
    text.clear();
    uint8_t buf[1 << 16];
    lzma_ret ret = LZMA_OK;
    while (ret == LZMA_OK) {
        z.next_out = buf;
        z.avail_out = sizeof buf;
        ret = lzma_code(&z, LZMA_FINISH);
        text.append(reinterpret_cast<const char*>(buf), sizeof buf - z.avail_out);
    }
    lzma_end(&z);
    return ret == LZMA_STREAM_END;
}

bool WriteXzText(const std::string& path, const std::string& text) {
    std::string packed(lzma_stream_buffer_bound(text.size()), '\0');
    std::size_t size = 0;
    if (lzma_easy_buffer_encode(9 | LZMA_PRESET_EXTREME, LZMA_CHECK_CRC32, nullptr,
                                reinterpret_cast<const uint8_t*>(text.data()), text.size(),
                                reinterpret_cast<uint8_t*>(packed.data()), &size, packed.size()) != LZMA_OK)
        return false;
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f.write(packed.data(), static_cast<std::streamsize>(size));
    return static_cast<bool>(f);
}
