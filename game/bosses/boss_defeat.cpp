#include "game/bosses/boss_defeat.h"

#include "game/state/assets.h"
#include "game/state/scene_state.h"
#include "kit/draw/blit.h"
#include "kit/sound/midi.h"
#include "kit/sound/sound.h"
#include "kit/system/fint.h"
#include "kit/system/kit_system.h"
#include "kit/system/random.h"

namespace {

constexpr float kDefeatClockRate = 10.0f; // units per second
constexpr float kMusicStopFrom = 50.0f;   // both ends open
constexpr float kMusicStopTo = 60.0f;
constexpr float kStageEndsAbove = 70.0f;
constexpr int32_t kWipeKind = 3;

// Draws one explosion, steps its animation, and scatters it over the body for
// the next call (x drawn first, then y).
template <class E>
void Explode(E& e, const BossRecord& boss, int32_t img, int32_t cell, int32_t frames, int32_t scatterX,
             int32_t left, int32_t scatterY) {
    BlitKeyed(FloatToInt(e.x), FloatToInt(e.y), img, cell * e.frame, 0, cell * e.frame + cell, cell);
    e.frame += 1;
    if (e.frame >= frames) e.frame = 0;
    const int32_t dx = kitSystem::Random() % scatterX - left;
    e.x = boss.x + float(dx);
    const int32_t dy = kitSystem::Random() % scatterY;
    e.y = boss.y + float(dy);
}

} // namespace

template <class Big, class Small> void BossDefeatSequence(const BossDefeat<Big, Small>& defeat) {
    BossRecord& boss = *defeat.boss;
    if (boss.hp > 0.0f) return;

    for (int i = 0; i < kBigExplosions; ++i)
        Explode(defeat.big[i], boss, imgBBAK1B, 160, 4, defeat.scatterX, 100, defeat.bigScatterY);
    for (int i = 0; i < kSmallExplosions; ++i)
        Explode(defeat.small[i], boss, imgZBAK1B, 60, 10, defeat.scatterX, 40, defeat.smallScatterY);
    kitSound::Play(sndBOM, -1);

    boss.defeatTimer += kDefeatClockRate * frameDt;
    // Every call inside the window stops the music; a frame long enough to
    // jump the window leaves the track to the next scene's MidiPlay, which
    // closes it first.
    if (boss.defeatTimer > kMusicStopFrom && boss.defeatTimer < kMusicStopTo) MidiStop();
    if (boss.defeatTimer > kStageEndsAbove) {
        // The reset restores hp, so later calls in this frame do nothing.
        resetWorld();
        SwitchScene(defeat.nextScene, kWipeKind, defeat.wipeLength);
    }
}

template void BossDefeatSequence(const BossDefeat<BossExplosion, BossExplosion>&);
template void BossDefeatSequence(const BossDefeat<BossExplosion, BossExplosionCompact>&);
template void BossDefeatSequence(const BossDefeat<BossExplosionShort, BossExplosionShort>&);
