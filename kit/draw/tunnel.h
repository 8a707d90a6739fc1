#pragma once
// Tunnel map and glow streaks. TunnelMapBuild works out, for every pixel of a
// map, which texture pixel a tunnel (or cone, or floor) seen head-on shows
// there; TunnelMapDraw paints the map from a texture with two flowing offsets.
// BlitGlowStreaks draws a sprite whose pixels shine outwards in streaks.
#include <cstdint>

constexpr int32_t kTunnelMapEntries = 640 * 480;

// Entry y * mapW + x: texture column u and row v.
extern uint16_t tunnelMap[kTunnelMapEntries][2];
// What the last TunnelMapBuild was given; TunnelMapDraw works from these.
extern int32_t tunnelTexW, tunnelTexH, tunnelMapW, tunnelMapH;
// Read position in noiseTable of BlitGlowStreaks (0..9999), kept between calls.
extern int32_t glowNoiseCounter;

// centreX/centreY -1: the middle of the map; segments -1: 8.
// centreMode 1..4 move the centre row by row (1 up from the bottom, 2 mirrored
// columns, 3 leftward, 4 rightward). distanceMode 0..6 and depthMode 0..5 pick
// the shape. Returns 1, or 0 when refused (no texture size, a map larger than
// kTunnelMapEntries); a refused call keeps the previous map.
int32_t TunnelMapBuild(int32_t texW, int32_t texH, int32_t mapW, int32_t mapH, int32_t centreX,
                       int32_t centreY, int32_t segments, int32_t centreMode, int32_t distanceMode,
                       int32_t depthMode);
// Paints the map at (x, y) of the back buffer from image img; 1 drawn, 0 when
// a lock failed or the image is missing or smaller than the map's texture.
int32_t TunnelMapDraw(int32_t x, int32_t y, int32_t shiftU, int32_t shiftV, int32_t img);
// directions: bits 1..128, see the table in tunnel.cpp. copy not 0 also draws
// the sprite itself. 1 drawn (or nothing to draw), 0 when a lock failed or the
// image is missing.
int32_t BlitGlowStreaks(int32_t x, int32_t y, uint16_t dimR, uint16_t dimG, uint16_t dimB, int32_t directions,
                        int32_t copy, int32_t img, int32_t left, int32_t top, int32_t right, int32_t bottom);
