// Explosions, fire and smoke, exhaust plumes.
#include "paint.h"

namespace paint {

namespace {

struct FireStyle {
    Rgb stops[5];      // temperature ramp from dull to white hot
    Rgb smoke;         // colour of the cooled cloud
    double smokeShare; // how much of the late cloud turns to smoke
    double endFade;    // 1: the last cell fades out completely
};

const FireStyle kOrangeFire = {
    {Hex(0x401008), Hex(0xB02008), Hex(0xFF7010), Hex(0xFFC850), Hex(0xFFFFE8)}, Hex(0x5A5048), 0.35, 1.0};
const FireStyle kSmokyFire = {
    {Hex(0x381008), Hex(0xA02808), Hex(0xF07018), Hex(0xFFC060), Hex(0xFFF8E0)}, Hex(0x6A625C), 0.85, 0.6};
const FireStyle kDarkFire = {
    {Hex(0x300C08), Hex(0x902010), Hex(0xE05818), Hex(0xFFB050), Hex(0xFFF0D0)}, Hex(0x4C4640), 1.0, 0.55};
const FireStyle kHotFire = {
    {Hex(0x501008), Hex(0xD03010), Hex(0xFF8A20), Hex(0xFFE070), Hex(0xFFFFFF)}, Hex(0x605850), 0.25, 0.0};

Rgb Ramp(const FireStyle& s, double h) {
    h = Clamp01(h) * 4.0;
    int i = std::min(3, static_cast<int>(h));
    return Mix(s.stops[i], s.stops[i + 1], h - i);
}

// One fireball cell. t runs 0..1 over the animation; seed varies the billows.
void FireCell(Canvas& c, int x0, int y0, int size, double t, uint32_t seed, const FireStyle& st,
              double growth = 1.0) {
    double half = size / 2.0;
    double r = half * 0.9 * (0.32 + 0.68 * std::pow(Smooth(0, 0.75, t), 0.6)) * growth;
    double heatT = std::pow(1.0 - t, 1.25);
    double fade = 1.0 - st.endFade * Smooth(0.62, 1.0, t);
    double smokeT = Smooth(0.25, 0.95, t) * st.smokeShare;
    double ox = (seed % 97) * 0.37, oy = (seed % 89) * 0.53;
    ShadeRegion(c, x0, y0, size, size, [&](double x, double y) {
        double dx = (x - half) / r, dy = (y - half) / r;
        double d = std::sqrt(dx * dx + dy * dy);
        if (d > 1.6) return Rgba{};
        double n1 = PeriodicFbm(dx * 1.6 + ox, dy * 1.6 + oy - t * 0.8, 64, 64, 3, seed);
        double n2 = PeriodicFbm(dx * 3.5 + oy, dy * 3.5 + ox, 64, 64, 3, seed + 7);
        double edge = 1.0 + 0.3 * n1;
        double density = Smooth(edge, edge - 0.4, d);
        if (density <= 0) return Rgba{};
        double heat = heatT * (1.2 - 0.85 * d + 0.45 * n2);
        Rgb fire = Ramp(st, heat);
        double sm = Clamp01(smokeT * (0.5 + 0.8 * d - 0.6 * heat + 0.3 * n2));
        Rgb smoke = Scale(st.smoke, 0.75 + 0.35 * n2 + 0.3 * (1 - d));
        Rgb col = Mix(fire, smoke, sm);
        double a = density * fade * (0.65 + 0.35 * Clamp01(heat * 2 + sm));
        return Rgba{col.r, col.g, col.b, a};
    });
    // First cells: a white flash and sparks thrown outward.
    cairo_t* cr = c.cr;
    double flash = std::pow(1.0 - t, 3.0);
    if (flash > 0.05) {
        AddGlow(cr, x0 + half, y0 + half, half * 0.7, Hex(0xFFF0C0), flash);
        AddFlare(cr, x0 + half, y0 + half, half * 0.9 * (0.6 + t), 4, seed * 0.3, Hex(0xFFE0A0), flash * 0.8);
    }
    Rng rng(seed * 7919ull + 13);
    int sparks = 9;
    for (int i = 0; i < sparks; ++i) {
        double a = rng.Range(0, 2 * kPi);
        double dist = half * (0.25 + 0.75 * t) * rng.Range(0.7, 1.0);
        double life = Clamp01(1.0 - t * rng.Range(1.0, 1.4));
        if (life <= 0.05) continue;
        AddGlow(cr, x0 + half + std::cos(a) * dist, y0 + half + std::sin(a) * dist, 2.0 + 2.5 * life,
                Hex(0xFFD070), life);
    }
}

// A flame tongue rising from a burning wound, turning into smoke: the
// boss damage flames, each cell drawn lower as the boss climbs away from it.
void FlameCell(Canvas& c, int x0, int y0, int size, double t, uint32_t seed, const FireStyle& st) {
    double half = size / 2.0;
    double r = half * (0.38 + 0.5 * Smooth(0, 1, t));
    double heatT = std::pow(1.0 - t, 1.5);
    double fade = 1.0 - 0.7 * Smooth(0.7, 1.0, t);
    double ox = (seed % 61) * 0.41;
    ShadeRegion(c, x0, y0, size, size, [&](double x, double y) {
        double dx = (x - half) / r, dy = (y - half) / r;
        // Taller than wide: the fire licks upward.
        double d = std::sqrt(dx * dx + dy * dy * 0.7 + (dy < 0 ? dy * dy * 0.15 : 0));
        if (d > 1.6) return Rgba{};
        double n1 = PeriodicFbm(dx * 1.8 + ox, dy * 1.8 + t * 1.5, 64, 64, 3, seed);
        double n2 = PeriodicFbm(dx * 4.0, dy * 4.0 + ox, 64, 64, 3, seed + 3);
        double edge = 0.95 + 0.35 * n1;
        double density = Smooth(edge, edge - 0.45, d);
        if (density <= 0) return Rgba{};
        double heat = heatT * (1.25 - 0.9 * d + 0.5 * n2 + 0.25 * dy);
        Rgb fire = Ramp(st, heat);
        double sm = Clamp01(st.smokeShare * (Smooth(0.15, 0.9, t) * (0.6 + 0.6 * d) - 0.5 * heat + 0.2 * n2));
        Rgb smoke = Scale(st.smoke, 0.7 + 0.4 * n2 + 0.35 * (1 - d));
        Rgb col = Mix(fire, smoke, sm);
        return Rgba{col.r, col.g, col.b, density * fade};
    });
}

// Exhaust plume pointing up: nozzle glow at the bottom, fading toward the top.
void PlumeStrip(Canvas& c, bool ion) {
    for (int a = 0; a < 20; ++a) {
        double ph = 2 * kPi * a / 20.0;
        double len = 50 + 6 * std::sin(ph * 2) + 3 * std::sin(ph * 3 + 1);
        int x0 = a * 20;
        ShadeRegion(c, x0, 0, 20, 70, [&](double x, double y) {
            double u = (70.0 - y) / len; // 0 at the nozzle, 1 at the plume's tip
            if (u > 1.3) return Rgba{};
            double widthAt = 7.5 * (1.0 - 0.55 * Smooth(0, 1, u)) + 1.5 * std::sin(u * 9 - ph * 3);
            double dx = std::fabs(x - 10.0) / std::max(widthAt, 0.8);
            double n = PeriodicFbm(x * 0.25 + std::cos(ph) * 1.5, y * 0.12 + std::sin(ph) * 1.5 + u, 16, 16,
                                   2, ion ? 41u : 17u);
            double core = (1.0 - dx) * (1.0 - u) + 0.25 * n;
            double dens = Smooth(1.0, 0.55, dx + 0.3 * u + 0.2 * n) * Smooth(1.05, 0.7, u + 0.15 * n);
            if (dens <= 0) return Rgba{};
            Rgb col;
            if (ion) {
                col = core > 0.65 ? Mix(Hex(0x90E8FF), Hex(0xFFFFFF), Smooth(0.65, 0.95, core))
                                  : Mix(Hex(0x1838C8), Hex(0x90E8FF), Smooth(0.1, 0.65, core));
            } else {
                col = core > 0.6 ? Mix(Hex(0xFFC040), Hex(0xFFFFE0), Smooth(0.6, 0.95, core))
                                 : Mix(Hex(0xB02008), Hex(0xFFC040), Smooth(0.1, 0.6, core));
            }
            return Rgba{col.r, col.g, col.b, dens};
        });
        // The nozzle's hot ring.
        AddGlowEllipse(c.cr, x0 + 10, 62, 8, 6, 0, ion ? Hex(0x80D0FF) : Hex(0xFFB040), 0.9);
        AddGlowEllipse(c.cr, x0 + 10, 63, 4.5, 3.5, 0, Rgb{1, 1, 1}, 1.0);
    }
}

void DebrisStrip(Canvas& c) {
    for (int f = 0; f < 8; ++f) {
        double t = f / 7.0;
        double cx = f * 40 + 20, cy = 20;
        double life = 1.0 - 0.85 * t;
        cairo_t* cr = c.cr;
        // Trail behind the chunk (it is flung outward; the trail is drawn round it).
        AddGlow(cr, cx, cy, 16 * (0.7 + 0.3 * life), Hex(0xFF6018), 0.5 * life);
        cairo_save(cr);
        cairo_translate(cr, cx, cy);
        cairo_rotate(cr, t * 2.4 * kPi);
        cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
        Poly chunk = {{-7, -2}, {-2, -6}, {6, -4}, {7, 3}, {0, 6}, {-5, 4}};
        chunk = ScalePoly(chunk, 0.8 + 0.3 * life, 0.8 + 0.3 * life);
        PathPoly(cr, chunk);
        SetRgb(cr, Mix(Hex(0x702810), Hex(0xFFD090), life));
        cairo_fill(cr);
        cairo_restore(cr);
        AddGlow(cr, cx, cy, 6, Hex(0xFFE0B0), 0.9 * life);
        Rng rng(1000 + f);
        for (int i = 0; i < 4; ++i) {
            double a = rng.Range(0, 2 * kPi), d = rng.Range(6, 14) * (0.5 + t);
            AddGlow(cr, cx + std::cos(a) * d, cy + std::sin(a) * d, 2.2, Hex(0xFFC060), life * 0.8);
        }
    }
}

} // namespace

void AddEffectPainters(PainterMap& m) {
    m["ZBAK1B"] = [](Canvas& c) {
        for (int f = 0; f < 10; ++f)
            FireCell(c, f * 60, 0, 60, f / 9.0, 300 + f, kSmokyFire);
    };
    m["ZBAK2B"] = [](Canvas& c) {
        for (int f = 0; f < 8; ++f)
            FireCell(c, f * 80, 0, 80, f / 7.0, 200 + f, kOrangeFire);
    };
    m["ZBAK3B"] = [](Canvas& c) {
        for (int f = 0; f < 10; ++f)
            FlameCell(c, f * 80, 0, 80, f / 9.0, 400 + f, kSmokyFire);
    };
    m["ZBAK4B"] = [](Canvas& c) {
        for (int f = 0; f < 10; ++f)
            FlameCell(c, f * 80, 0, 80, f / 9.0, 500 + f, kDarkFire);
    };
    m["ZBAK5B"] = [](Canvas& c) { FireCell(c, 0, 0, 80, 0.3, 600, kOrangeFire); };
    m["ZBAK6B"] = [](Canvas& c) { DebrisStrip(c); };
    m["BBAK1B"] = [](Canvas& c) {
        const double growth[4] = {0.9, 1.0, 0.96, 0.92};
        for (int f = 0; f < 4; ++f)
            FireCell(c, f * 160, 0, 160, 0.28 + 0.04 * f, 700 + f, kHotFire, growth[f]);
    };
    m["ZFIRE1"] = [](Canvas& c) { PlumeStrip(c, false); };
    m["ZFIRE2"] = [](Canvas& c) { PlumeStrip(c, true); };
    m["FBAK1"] = [](Canvas& c) {
        AddGlow(c.cr, 30, 30, 28, Hex(0x4080FF), 0.6);
        AddFlare(c.cr, 30, 30, 26, 4, 0.3, Hex(0xA0D0FF), 0.8);
    };
}

} // namespace paint
