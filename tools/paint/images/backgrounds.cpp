// Scrolling background tiles. Every tile repeats top to bottom: anything that
// crosses an edge is drawn again one tile height away, and all noise repeats
// with the tile's height.
#include "paint.h"

#include <algorithm>

namespace paint {

namespace {

const V3 kSun = [] {
    V3 l{-0.5, -0.6, 0.75};
    double n = std::sqrt(l.x * l.x + l.y * l.y + l.z * l.z);
    return V3{l.x / n, l.y / n, l.z / n};
}();

// A lumpy rock lit from the upper left.
void Rock(Canvas& c, double cx, double cy, double r, uint32_t seed, Rgb base) {
    int x0 = static_cast<int>(cx - r * 1.4), y0 = static_cast<int>(cy - r * 1.4);
    int size = static_cast<int>(r * 2.8) + 2;
    double ox = (seed % 53) * 1.7, oy = (seed % 47) * 1.3;
    auto height = [&](double dx, double dy, double& mask) {
        double ang = std::atan2(dy, dx);
        double rr =
            1.0 + 0.2 * PeriodicNoise(std::cos(ang) * 1.3 + ox, std::sin(ang) * 1.3 + oy, 64, 64, seed);
        double d = std::sqrt(dx * dx + dy * dy) / rr;
        mask = d;
        if (d >= 1) return 0.0;
        double h = std::sqrt(1 - d * d);
        h += 0.12 * PeriodicFbm(dx * 2.5 + ox, dy * 2.5 + oy, 64, 64, 3, seed + 1);
        // A few craters.
        Rng rng(seed);
        for (int k = 0; k < 4; ++k) {
            double kx = rng.Range(-0.6, 0.6), ky = rng.Range(-0.6, 0.6), kr = rng.Range(0.12, 0.3);
            double kd = std::sqrt((dx - kx) * (dx - kx) + (dy - ky) * (dy - ky)) / kr;
            if (kd < 1)
                h -= 0.12 * (1 - kd * kd);
            else if (kd < 1.3)
                h += 0.04 * Smooth(1.3, 1.0, kd);
        }
        return h;
    };
    ShadeRegion(c, x0, y0, size, size, [&](double x, double y) {
        double dx = (x0 + x - cx) / r, dy = (y0 + y - cy) / r;
        double mask;
        height(dx, dy, mask);
        if (mask >= 1) return Rgba{};
        double e = 0.5 / r, m2;
        double hx = (height(dx + e, dy, m2) - height(dx - e, dy, m2)) / (2 * e);
        double hy = (height(dx, dy + e, m2) - height(dx, dy - e, m2)) / (2 * e);
        double nx = -hx, ny = -hy, nz = 1.0;
        double nl = std::sqrt(nx * nx + ny * ny + nz * nz);
        double lit = std::max(0.0, (nx * kSun.x + ny * kSun.y + nz * kSun.z) / nl);
        double tex = 0.85 + 0.15 * PeriodicNoise(dx * 6 + ox, dy * 6, 64, 64, seed + 2);
        double k = (0.12 + 0.95 * lit) * tex;
        double alpha = Smooth(1.0, 1.0 - 1.5 / r, mask);
        return Rgba{base.r * k, base.g * k, base.b * k, alpha};
    });
}

void RockWrapped(Canvas& c, double cx, double cy, double r, uint32_t seed, Rgb base) {
    for (int k = -1; k <= 1; ++k) {
        double y = cy + k * c.h;
        if (y + r * 1.4 < 0 || y - r * 1.4 > c.h) continue;
        Rock(c, cx, y, r, seed, base);
    }
}

void ModelWrapped(Canvas& c, const Model& m) {
    for (int k = -1; k <= 1; ++k) {
        View v;
        v.cy = k * c.h;
        RenderModel(c.cr, m, v);
    }
}

// Multiplies everything painted by a grimy texture that repeats with the tile.
void Grime(Canvas& c, uint32_t seed, double amount, int period) {
    int q = std::max(1, static_cast<int>(std::lround(period * static_cast<double>(c.h) / c.w)));
    uint32_t* px = c.Begin();
    int stride = c.StridePixels();
    for (int y = 0; y < c.h; ++y)
        for (int x = 0; x < c.w; ++x) {
            uint32_t& p = px[y * stride + x];
            if ((p >> 24) == 0) continue;
            double n = PeriodicFbm(x * period / static_cast<double>(c.w), y * q / static_cast<double>(c.h),
                                   period, q, 4, seed);
            double k = 1.0 + amount * n;
            auto ch = [&](int shift) {
                double v = ((p >> shift) & 255) * k;
                double a = (p >> 24) & 255;
                v = std::min(v, a);
                return static_cast<uint32_t>(std::max(0.0, v) + 0.5) << shift;
            };
            p = (p & 0xFF000000u) | ch(16) | ch(8) | ch(0);
        }
    c.End();
}

// A girder: two rails with zigzag struts between them, axis-aligned.
void Truss(Model& m, double x0, double y0, double x1, double y1, Rgb col, bool vertical, double z = 0) {
    double railW = vertical ? (x1 - x0) * 0.18 : (y1 - y0) * 0.18;
    if (vertical) {
        m.Add(Block(Rect(x0, y0, x0 + railW, y1), z, z + 3, 1.0, col));
        m.Add(Block(Rect(x1 - railW, y0, x1, y1), z, z + 3, 1.0, col));
        // Full-height girders repeat with the tile: an even number of struts per 480 rows.
        int perTile = 2 * static_cast<int>(std::lround(480.0 / ((x1 - x0) * 2.2)));
        double step = 480.0 / perTile;
        for (int i = static_cast<int>(std::floor(y0 / step)); i * step < y1; ++i) {
            double ya = i * step, yb = ya + step;
            double l = x0 + railW, r = x1 - railW, t = 1.2;
            Poly strut = (i % 2 == 0)
                             ? Poly{{l, ya}, {l + t, ya}, {r, yb - t}, {r, yb}, {r - t, yb}, {l, ya + t}}
                             : Poly{{r, ya}, {r, ya + t}, {l + t, yb}, {l, yb}, {l, yb - t}, {r - t, ya}};
            m.Add(Block(strut, z, z + 1.5, 0.4, Scale(col, 0.8)));
            m.Add(Block(Rect(l, ya - 0.8, r, ya + 0.8), z, z + 1.5, 0.3, Scale(col, 0.85)));
        }
    } else {
        m.Add(Block(Rect(x0, y0, x1, y0 + railW), z, z + 3, 1.0, col));
        m.Add(Block(Rect(x0, y1 - railW, x1, y1), z, z + 3, 1.0, col));
        double step = (y1 - y0) * 1.1;
        int n = static_cast<int>((x1 - x0) / step);
        for (int i = 0; i < n; ++i) {
            double xa = x0 + i * step, xb = xa + step;
            double t = y0 + railW, b = y1 - railW, w = 1.2;
            Poly strut = (i % 2 == 0)
                             ? Poly{{xa, t}, {xa + w, t}, {xb, b - w}, {xb, b}, {xb - w, b}, {xa, t + w}}
                             : Poly{{xa, b}, {xa, b - w}, {xb - w, t}, {xb, t}, {xb, t + w}, {xa + w, b}};
            m.Add(Block(strut, z, z + 1.5, 0.4, Scale(col, 0.8)));
            m.Add(Block(Rect(xa - 0.8, t, xa + 0.8, b), z, z + 1.5, 0.3, Scale(col, 0.85)));
        }
    }
}

void Lamp(Model& m, double x, double y, double z, Rgb col, double r = 1.4) {
    m.Add(Light(Circle(x, y, r, 10), z, col));
    m.glows.push_back({{x, y, z}, r * 4.5, col, 0.5});
}

// ---------------------------------------------------------------- tiles

// Near layer: a few tumbling rocks and pieces of wreckage, mostly open space.
void NearDebris(Canvas& c) {
    Rng rng(1001);
    struct R {
        double x, y, r;
    };
    const R rocks[] = {{60, 70, 30},  {380, 150, 22}, {140, 250, 12}, {330, 330, 36},
                       {90, 410, 18}, {250, 30, 9},   {210, 430, 11}, {410, 40, 8}};
    int i = 0;
    for (const R& r : rocks) {
        Rgb base = Mix(Hex(0x8A7A68), Hex(0x6C7078), rng.Uniform());
        RockWrapped(c, r.x, r.y, r.r, 2000 + i++, base);
    }
    // A drifting wreck: a broken hull section with a dead light.
    Model m;
    Rgb hull = Hex(0x5C6270);
    m.Add(Block({{200, 150}, {262, 138}, {276, 160}, {270, 182}, {236, 176}, {214, 190}, {196, 172}}, 0, 5,
                2.5, hull));
    m.Add(Block({{214, 156}, {250, 150}, {256, 166}, {224, 170}}, 5, 7, 1.2, Hex(0x3E434E)));
    m.Add(Decal({{240, 172}, {262, 168}, {264, 174}, {242, 178}}, 5.05, Hex(0x8A3020)));
    Lamp(m, 230, 162, 7.1, Hex(0xFF7040), 1.2);
    ModelWrapped(c, m);
}

// Middle layer: a distant orbital framework, dim and bluish.
void Framework(Canvas& c) {
    Model m;
    // Far away: dim and blue.
    Rgb steel = Hex(0x2C3A4C);
    Truss(m, 26, -4, 50, 484, steel, true);
    Truss(m, 392, -4, 414, 484, steel, true);
    Truss(m, 50, 96, 392, 116, Scale(steel, 0.95), false, 1);
    // A storage module and a radiator hanging from the girders.
    m.Add(Block(Chamfer(120, 118, 200, 172, 10), 2, 8, 4, Hex(0x506070)));
    m.Add(Block(Rect(130, 124, 190, 130), 8, 9, 0.5, Hex(0x3A4654)));
    for (int i = 0; i < 4; ++i)
        m.Add(Decal(Rect(132, 136 + i * 8, 188, 139 + i * 8), 8.05, Hex(0x34404C)));
    Lamp(m, 124, 122, 8.2, Hex(0xFF4030));
    for (int i = 0; i < 6; ++i)
        m.Add(Block(Rect(420 - 2, 220 + i * 24, 438, 236 + i * 24), 1, 2.5, 0.8, Hex(0x263444)));
    for (int i = 0; i < 5; ++i)
        m.Add(Block(Rect(2, 300 + i * 22, 24, 314 + i * 22), 1, 2.5, 0.8, Hex(0x263444)));
    m.Add(Block(Chamfer(300, 300, 360, 330, 8), 2, 7, 3, Hex(0x304050)));
    m.Add(Block(Rect(360, 308, 392, 322), 1, 4, 1, Hex(0x283442)));
    Lamp(m, 330, 315, 7.1, Hex(0x40C0FF));
    for (double y : {20.0, 180.0, 260.0, 420.0}) {
        Lamp(m, 38, y, 3.2, Hex(0xFF5030), 1.1);
        Lamp(m, 403, y + 40, 3.2, Hex(0x40FF80), 1.1);
    }
    ModelWrapped(c, m);
    Grime(c, 3003, 0.25, 8);
}

// Base layer: the hull of a vast station streaming past below.
void StationHull(Canvas& c) {
    Model m;
    Rng rng(3001);
    // Kept dark: the base layer sits under everything and must not compete with the craft.
    Rgb steel = Hex(0x343C4A), dark = Hex(0x232932), accent = Hex(0x6A4A22);
    const int seg = 60;
    for (int side = 0; side < 2; ++side) {
        for (int i = 0; i < 480 / seg; ++i) {
            double depth = rng.Range(62, 104);
            double y0 = i * seg, y1 = y0 + seg;
            double x0 = side == 0 ? -4 : 444 - depth, x1 = side == 0 ? depth : 444;
            Plate p = Slab(Rect(x0, y0 + 1, x1, y1 - 1), 0, 2, 3, 3, Scale(steel, rng.Range(0.85, 1.05)));
            double mid = side == 0 ? x1 - 14 : x0 + 14;
            p.lines = {{{mid, y0 + 4}, {mid, y1 - 4}}, {{x0, y0 + seg / 2.0}, {x1, y0 + seg / 2.0}}};
            p.lineColour = Hex(0x181C24);
            m.Add(p);
            // Details on each section.
            int kind = rng.Int(6);
            double dx0 = side == 0 ? 8 : x0 + 20, dx1 = side == 0 ? x1 - 20 : 436;
            if (kind == 0) {
                for (int v = 0; v < 5; ++v)
                    m.Add(Decal(Rect(dx0, y0 + 10 + v * 8, dx1, y0 + 13 + v * 8), 5.05, Hex(0x181C24)));
            } else if (kind == 1) {
                m.Add(Block(Chamfer(dx0, y0 + 10, dx1, y1 - 10, 6), 5, 8, 2.5, dark));
                Lamp(m, (dx0 + dx1) / 2, y0 + seg / 2.0, 8.1, Hex(0xFFA040), 1.3);
            } else if (kind == 2) {
                double cx = (dx0 + dx1) / 2, cy = y0 + seg / 2.0;
                m.Add(Block(Circle(cx, cy, 17, 24), 5, 7, 2, dark));
                m.Add(Block(Circle(cx, cy, 10, 20), 7, 10, 2, steel));
            } else if (kind == 3) {
                m.Add(Decal(Rect(dx0, y0 + 8, dx1, y0 + 14), 5.05, accent));
                m.Add(Decal(Rect(dx0, y1 - 14, dx1, y1 - 8), 5.05, accent));
            } else if (kind == 4) {
                // Rows of lit windows.
                for (int r = 0; r < 3; ++r)
                    for (double wx = dx0 + 2; wx < dx1 - 4; wx += 7)
                        if (rng.Chance(0.7))
                            m.Add(Light(Rect(wx, y0 + 14 + r * 12, wx + 3, y0 + 18 + r * 12), 5.05,
                                        Hex(0xD8B060)));
            } else {
                double cx = (dx0 + dx1) / 2, cy = y0 + seg / 2.0;
                m.Add(Block(Rect(dx0, y0 + 8, dx1, y1 - 8), 5, 6, 1, dark));
                m.Add(Dome(cx, cy, 13, 6, 6, Scale(steel, 1.2), 24));
                m.Add(Block(Rect(cx - 1, cy - 16, cx + 1, cy), 12, 13, 0.3, Hex(0x5A6470)));
                Lamp(m, cx, cy - 16, 13.1, Hex(0xFF3020), 1.2);
            }
            double lx = side == 0 ? x1 - 5 : x0 + 5;
            if (rng.Chance(0.6)) Lamp(m, lx, y0 + rng.Range(12, 48), 5.1, Hex(0xFF8030), 1.2);
        }
    }
    // Conduits running the whole length of both walls.
    for (double x : {8.0, 18.0, 422.0, 432.0})
        m.Add(Slab(Rect(x - 3, -2, x + 3, 482), 8, 1, 2.5, 2, Hex(0x3A4250)));
    for (int i = 0; i < 8; ++i) {
        double y = 30 + i * 60;
        for (double x : {13.0, 427.0})
            m.Add(Block(Rect(x - 9, y - 3, x + 9, y + 3), 11, 12.5, 0.8, dark));
    }
    // Two bridges across the gap, with a service pod on one.
    for (double y : {70.0, 310.0}) {
        Truss(m, 90, y, 354, y + 26, Hex(0x3C4656), false, 2);
        Lamp(m, 222, y + 13, 5.2, Hex(0x40D0FF), 1.4);
    }
    m.Add(Block(Chamfer(150, 200, 230, 246, 10), 0, 6, 3, Hex(0x303846)));
    m.Add(Block(Rect(230, 214, 300, 232), 0, 4, 1.5, Hex(0x2A323E)));
    m.Add(Block(Circle(190, 223, 12, 20), 6, 9, 2, Hex(0x404A58)));
    Lamp(m, 190, 223, 9.1, Hex(0xFF4030), 1.6);
    ModelWrapped(c, m);
    Grime(c, 3002, 0.3, 8);
}

// Planet surface far below, for the unplayed stage: a rust-coloured canyon.
void Canyon(Canvas& c) {
    const int w = c.w, h = c.h;
    ShadeRegion(c, 0, 0, w, h, [&](double x, double y) {
        double u = x / w * 4, v = y / h * 4;
        double e = PeriodicFbm(u, v, 4, 4, 5, 801);
        double river =
            std::fabs(x - w * (0.5 + 0.18 * std::sin(2 * kPi * y / h) + 0.06 * std::sin(6 * kPi * y / h)));
        double cut = Smooth(60, 18, river);
        double height = e - 0.9 * cut;
        double ex = PeriodicFbm(u + 0.02, v, 4, 4, 5, 801) - e;
        double ey = PeriodicFbm(u, v + 0.02, 4, 4, 5, 801) - e;
        double lit = Clamp01(0.62 - (ex * 0.7 + ey * 0.9) * 16);
        Rgb ground = Mix(Hex(0x5A3420), Hex(0x9A6A40), Clamp01(height * 0.8 + 0.5));
        Rgb col = Scale(ground, 0.35 + 0.65 * lit);
        col = Mix(col, Hex(0x1A2430), cut * 0.8);
        if (cut > 0.85) col = Mix(col, Hex(0x2A5070), Smooth(0.85, 1.0, cut) * 0.6);
        return Rgba{col.r * 0.85, col.g * 0.85, col.b * 0.85, 1.0};
    });
}

// Wide unused layer: drifting nebula clouds.
void Nebula(Canvas& c) {
    const int w = c.w, h = c.h;
    ShadeRegion(c, 0, 0, w, h, [&](double x, double y) {
        double u = x / w * 4, v = y / h * 3;
        double n = PeriodicFbm(u, v, 4, 3, 5, 601);
        double m2 = PeriodicFbm(u * 0.5 + 3, v * 0.5, 2, 2, 3, 602);
        double d = Smooth(0.0, 0.6, n + 0.25 * m2);
        Rgb col = Mix(Hex(0x301850), Hex(0x2060A0), Clamp01(m2 + 0.5));
        return Rgba{col.r, col.g, col.b, d * 0.7};
    });
}

} // namespace

void AddBackgroundPainters(PainterMap& m) {
    m["BBACK1S"] = [](Canvas& c) { NearDebris(c); };
    m["BBACK2S"] = [](Canvas& c) { Framework(c); };
    m["BBACK3S"] = [](Canvas& c) { StationHull(c); };
    m["BBACK6S"] = [](Canvas& c) { Nebula(c); };
    m["BBACK8S"] = [](Canvas& c) { Canyon(c); };
}

} // namespace paint
