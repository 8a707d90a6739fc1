#include "game/enemies/squad_template.h"

#include "game/enemies/bullet_rules.h"
#include "game/enemies/pool_util.h"
#include "game/state/assets.h"
#include "game/state/game_state.h"
#include "kit/draw/blend.h"
#include "kit/draw/blit.h"
#include "kit/draw/rotate.h"
#include "kit/sound/sound.h"
#include "kit/system/fint.h"
#include "kit/system/kit_system.h"

namespace {

constexpr int32_t kWaveTimerWrap = 150;
constexpr int32_t kWaveTick = 30;

// Strip bodies: body band b shows while lo[b] <= phase <= hi[b], so on a
// band's edge both neighbouring cells are drawn, the later one on top.
constexpr float kBodyLo[kSquadBands] = {0.0f, 10.0f, 20.0f, 30.0f, 40.0f};
constexpr float kBodyHi[kSquadBands] = {10.0f, 20.0f, 30.0f, 40.0f, 100.0f};
constexpr int32_t kStripCell = 100;
constexpr int32_t kSpinCell = 119;
constexpr int32_t kSpinStep = 7;

constexpr int32_t kBlastCell = 80;
constexpr int32_t kLastBlastFrame = 7;

// Lock markers: where arming and the end of an explosion put one, where
// leaving the field puts one that lies outside the box, and the box.
constexpr int32_t kMarkerReleaseX = 290;
constexpr int32_t kMarkerParkX = 370;
constexpr int32_t kMarkerBoxLeft = 150;
constexpr int32_t kMarkerBoxRight = 620;
constexpr int32_t kMarkerBoxTop = -70;
constexpr int32_t kMarkerBoxBottom = 600;
constexpr int32_t kMarkerFromBody = 30; // the 60x60 sight centred on the 119x119 body
constexpr int32_t kMarkerSize = 60;

void ReleaseMarker(LockMarker& m, int32_t x) {
    m.locked = 0;
    m.x = x;
    m.y = 0;
}

void ExplosionStep(const Squad& s, int32_t k) {
    SquadSlot& m = s.slots[k];
    const int32_t f = m.explosionFrame;
    const int32_t x = FloatToInt(m.x);
    const int32_t y = FloatToInt(m.y);
    if (effectDrawMode == 1) {
        for (int32_t i = 0; i < s.pieceCount; ++i)
            DrawPiece(s.pieces[i], s.pieces[i].blit, f, x, y);
    } else if (effectDrawMode == 0) {
        BlitKeyed(x, y, imgZBAK2B, kBlastCell * f, 0, kBlastCell * f + kBlastCell, kBlastCell);
    }
    if (f == 0) kitSound::Play(sndBOM, -1);
    // The wreck stays where it was hit: the next Move applies the cleared
    // speeds before its band sets them again.
    if (s.wreckAlwaysStops || effectDrawMode == 1) {
        m.vx = 0.0f;
        m.vy = 0.0f;
    }
    if (StepExplosionStrip(m.explosionFrame, m.explosionLoop, kLastBlastFrame)) {
        m.hit = 0;
        ParkRecord(m);
        if (s.markers) ReleaseMarker(s.markers[k], kMarkerReleaseX);
    }
}

void DrawStripBody(const Squad& s, const SquadSlot& m) {
    const int32_t x = FloatToInt(m.x);
    const int32_t y = FloatToInt(m.y);
    for (int b = 0; b < kSquadBands; ++b) {
        if (m.phase < kBodyLo[b] || m.phase > kBodyHi[b]) continue;
        const int32_t left = kStripCell * s.stripCells[b];
        BlitKeyed(x, y, *s.image, left, 0, left + kStripCell, kStripCell);
    }
}

void DrawSpinningBody(const Squad& s, int32_t k) {
    SquadSlot& m = s.slots[k];
    const int32_t x = FloatToInt(m.x);
    const int32_t y = FloatToInt(m.y);
    BlitRotated(x, y, x + kSpinCell, y + kSpinCell, m.spinAngle, *s.image, 0, 0, kSpinCell, kSpinCell);
    m.spinAngle += kSpinStep;
    if (m.spinAngle >= 360) m.spinAngle = 0;
    // A marker follows its member only while a lock-on weapon holds it.
    LockMarker& marker = s.markers[k];
    if (marker.locked != 0 && m.active == 1) {
        marker.x = x + kMarkerFromBody;
        marker.y = y + kMarkerFromBody;
        BlitKeyed(marker.x, marker.y, imgROCK1, 0, 0, kMarkerSize, kMarkerSize);
    }
}

bool InsideMarkerBox(const LockMarker& m) {
    return m.x >= kMarkerBoxLeft && m.x <= kMarkerBoxRight && m.y >= kMarkerBoxTop && m.y <= kMarkerBoxBottom;
}

} // namespace

void SquadSpawnSlot(const Squad& s, int32_t k) {
    if (k < 0 || k >= kSquadSlots) return;
    SquadSlot& m = s.slots[k];
    if (m.active != 0) return;
    m.phase = 0.0f;
    if (s.armingRestartsTimer) m.waveTimer = 0;
    m.x = s.entryX;
    m.y = s.entryY;
    m.vx = 0.0f;
    m.vy = 0.0f;
    m.active = 1;
    m.hit = 0;
    m.explosionFrame = 0;
    if (s.markers) ReleaseMarker(s.markers[k], kMarkerReleaseX);
}

void SquadSchedule(const Squad& s) {
    for (int32_t k = 0; k < kSquadSlots; ++k) {
        SquadSlot& m = s.slots[k];
        m.waveTimer += 1;
        if (m.waveTimer > kWaveTimerWrap) m.waveTimer = 0;
    }
    for (int32_t k = 0; k < kSquadSlots; ++k)
        if (s.slots[k].waveTimer == kWaveTick * (k + 1)) SquadSpawnSlot(s, k);
}

void SquadMove(const Squad& s) {
    for (int32_t k = 0; k < kSquadSlots; ++k) {
        SquadSlot& m = s.slots[k];
        if (m.active == 1) {
            m.y += m.vy * frameDt;
            m.x += m.vx * frameDt;
            m.phase += s.phaseRate * frameDt;
            // A wreck is still active: it keeps its clock and fires in its band.
            for (int b = 0; b < kSquadBands; ++b) {
                if (m.phase < kSquadBandLo[b] || m.phase > kSquadBandHi[b]) continue;
                m.vx = s.speeds.vx[b];
                m.vy = s.speeds.vy[b];
                if (s.fire[b] && (!s.fireGate || s.fireGate())) s.fire[b]();
            }
            if (m.phase >= kSquadPhaseWrap) m.phase = 0.0f;
        }
        // Active or not: a parked member fails again and is parked again.
        if (m.x < s.minX || m.x > s.maxX || m.y < s.minY || m.y > s.maxY) {
            m.active = 0;
            m.x = s.leftFieldX;
            m.y = ParkY;
            if (s.markers && !InsideMarkerBox(s.markers[k])) ReleaseMarker(s.markers[k], kMarkerParkX);
        }
    }
}

void SquadDraw(const Squad& s) {
    for (int32_t k = 0; k < kSquadSlots; ++k) {
        const SquadSlot& m = s.slots[k];
        const bool burning = m.hit >= 1 && (!s.burnsOnlyWhileActive || m.active == 1);
        if (burning)
            ExplosionStep(s, k);
        else if (s.body == SquadBody::Spinning)
            DrawSpinningBody(s, k);
        else
            DrawStripBody(s, m);
    }
}
