// Enemy and boss bullets: additive glows, and solid shapes for the rotated ones.
#include "paint.h"

namespace paint {

namespace {

const Rgb kPink = Hex(0xFF3070);
const Rgb kOrange = Hex(0xFF8020);
const Rgb kViolet = Hex(0xA040FF);
const Rgb kCyan = Hex(0x30C8FF);
const Rgb kMagenta = Hex(0xFF30E0);
const Rgb kYellow = Hex(0xFFD030);
const Rgb kGreen = Hex(0x50FF60);
const Rgb kRed = Hex(0xFF3020);
const Rgb kBlue = Hex(0x4070FF);
const Rgb kWhite = {1, 1, 1};

// A glowing ball: halo, coloured body, white-hot centre.
void Orb(cairo_t* cr, double x, double y, double r, Rgb c, double strength = 1.0) {
    AddGlow(cr, x, y, r, c, 0.55 * strength);
    AddGlow(cr, x, y, r * 0.62, Mix(c, kWhite, 0.2), 0.9 * strength);
    AddGlow(cr, x, y, r * 0.36, kWhite, strength);
}

// A ball with a bright ring, for the animated bullets.
void RingOrb(cairo_t* cr, double x, double y, double r, Rgb c, double ringPhase, double strength) {
    AddGlow(cr, x, y, r, c, 0.3 * strength);
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
    cairo_set_line_width(cr, std::max(1.0, r * 0.16));
    SetRgb(cr, Mix(c, kWhite, 0.35), 0.85 * strength);
    cairo_arc(cr, x, y, r * 0.58, ringPhase, ringPhase + kPi * 1.2);
    cairo_stroke(cr);
    SetRgb(cr, c, 0.5 * strength);
    cairo_arc(cr, x, y, r * 0.58, ringPhase + kPi * 1.2, ringPhase + kPi * 2);
    cairo_stroke(cr);
    cairo_restore(cr);
    AddGlow(cr, x, y, r * 0.38, kWhite, strength);
}

// A falling comet: bright head in front, tail streaming behind. angle is the
// direction of travel (radians, 0 = down, positive toward the right).
void Comet(cairo_t* cr, double x, double y, double r, double len, double angle, Rgb c,
           double strength = 1.0) {
    double dx = std::sin(angle), dy = std::cos(angle);
    double rot = std::atan2(dy, dx);
    AddGlowEllipse(cr, x - dx * len * 0.4, y - dy * len * 0.4, len * 0.75, r * 0.8, rot, c, 0.55 * strength);
    AddGlowEllipse(cr, x - dx * len * 0.2, y - dy * len * 0.2, len * 0.45, r * 0.45, rot, Mix(c, kWhite, 0.3),
                   0.7 * strength);
    Orb(cr, x, y, r, c, strength);
}

// Solid shapes for the rotated blits (drawn opaque, black is see-through).
void FillGradient(cairo_t* cr, double x0, double y0, double r0, double r1, Rgb c, Rgb rim) {
    cairo_pattern_t* g = cairo_pattern_create_radial(x0, y0, r0, x0, y0, r1);
    cairo_pattern_add_color_stop_rgb(g, 0, 1, 1, 1);
    cairo_pattern_add_color_stop_rgb(g, 0.35, Lerp(1, c.r, 0.5), Lerp(1, c.g, 0.5), Lerp(1, c.b, 0.5));
    cairo_pattern_add_color_stop_rgb(g, 0.7, c.r, c.g, c.b);
    cairo_pattern_add_color_stop_rgb(g, 1, rim.r, rim.g, rim.b);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

// A pointed lance, forward along angle (0 = up, clockwise).
void Lance(Canvas& c, double len, double width, double angle, Rgb col) {
    cairo_t* cr = c.cr;
    double m = c.w / 2.0;
    cairo_save(cr);
    cairo_translate(cr, m, m);
    cairo_rotate(cr, angle);
    double tail = len * 0.5;
    cairo_move_to(cr, 0, -len * 0.5);
    cairo_curve_to(cr, width * 0.55, -len * 0.2, width * 0.5, tail * 0.4, 0, tail);
    cairo_curve_to(cr, -width * 0.5, tail * 0.4, -width * 0.55, -len * 0.2, 0, -len * 0.5);
    cairo_close_path(cr);
    FillGradient(cr, 0, -len * 0.12, 0, len * 0.55, col, Scale(col, 0.55));
    cairo_restore(cr);
}

// A spindle with a bright waist, symmetric end to end, long axis horizontal.
void Spindle(Canvas& c, double len, double width, Rgb col) {
    cairo_t* cr = c.cr;
    double m = c.w / 2.0;
    cairo_save(cr);
    cairo_translate(cr, m, m);
    cairo_move_to(cr, -len / 2, 0);
    cairo_curve_to(cr, -len * 0.2, -width * 0.62, len * 0.2, -width * 0.62, len / 2, 0);
    cairo_curve_to(cr, len * 0.2, width * 0.62, -len * 0.2, width * 0.62, -len / 2, 0);
    cairo_close_path(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(-len / 2, 0, len / 2, 0);
    cairo_pattern_add_color_stop_rgb(g, 0, col.r * 0.6, col.g * 0.6, col.b * 0.6);
    cairo_pattern_add_color_stop_rgb(g, 0.3, col.r, col.g, col.b);
    cairo_pattern_add_color_stop_rgb(g, 0.5, 1, 1, 1);
    cairo_pattern_add_color_stop_rgb(g, 0.7, col.r, col.g, col.b);
    cairo_pattern_add_color_stop_rgb(g, 1, col.r * 0.6, col.g * 0.6, col.b * 0.6);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    cairo_restore(cr);
    cairo_save(cr);
    cairo_translate(cr, m, m);
    cairo_scale(cr, len * 0.22, width * 0.18);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
    SetRgb(cr, kWhite);
    cairo_fill(cr);
}

// A teardrop pointing along angle (0 = up, clockwise): rounded head in front.
void Teardrop(Canvas& c, double headR, double len, double angle, Rgb col) {
    cairo_t* cr = c.cr;
    double m = c.w / 2.0;
    cairo_save(cr);
    cairo_translate(cr, m, m);
    cairo_rotate(cr, angle);
    double hy = -len / 2 + headR;
    cairo_arc(cr, 0, hy, headR, kPi, 0);
    cairo_curve_to(cr, headR, hy + headR * 1.2, headR * 0.3, len / 2 - 2, 0, len / 2);
    cairo_curve_to(cr, -headR * 0.3, len / 2 - 2, -headR, hy + headR * 1.2, -headR, hy);
    cairo_close_path(cr);
    FillGradient(cr, 0, hy, 0, len * 0.75, col, Scale(col, 0.5));
    cairo_restore(cr);
}

void SolidOrb(Canvas& c, double r, Rgb col) {
    double m = c.w / 2.0;
    cairo_arc(c.cr, m, m, r, 0, 2 * kPi);
    FillGradient(c.cr, m - r * 0.2, m - r * 0.2, 0, r * 1.2, col, Scale(col, 0.55));
}

// Animated strips: one cell per frame, looping.
void PulseStrip(Canvas& c, int cell, int frames, Rgb col) {
    for (int f = 0; f < frames; ++f) {
        double ph = 2 * kPi * f / frames;
        double r = cell * (0.5 + 0.05 * std::sin(ph));
        double s = 0.9 + 0.1 * std::sin(ph);
        Orb(c.cr, f * cell + cell / 2.0, cell / 2.0, r, col, s);
    }
}

void RingStrip(Canvas& c, int cell, int frames, Rgb col, double glowScale) {
    for (int f = 0; f < frames; ++f) {
        double ph = 2 * kPi * f / frames;
        RingOrb(c.cr, f * cell + cell / 2.0, cell / 2.0, cell * 0.46 * glowScale, col, ph, 0.95);
    }
}

void StarStrip(Canvas& c, int cell, int frames, Rgb col) {
    for (int f = 0; f < frames; ++f) {
        double ph = 2 * kPi * f / frames;
        double x = f * cell + cell / 2.0, y = cell / 2.0;
        AddGlow(c.cr, x, y, cell * 0.45, col, 0.5);
        AddFlare(c.cr, x, y, cell * 0.47, 2, ph / 2, Mix(col, kWhite, 0.3), 0.9);
        AddGlow(c.cr, x, y, cell * 0.2, kWhite, 1.0);
    }
}

void BarStrip(Canvas& c, int cell, int frames, Rgb col) {
    for (int f = 0; f < frames; ++f) {
        double a = kPi * f / frames;
        double x = f * cell + cell / 2.0, y = cell / 2.0;
        AddGlow(c.cr, x, y, cell * 0.45, col, 0.55);
        AddGlowEllipse(c.cr, x, y, cell * 0.42, cell * 0.13, a, Mix(col, kWhite, 0.4), 0.9);
        AddGlow(c.cr, x, y, cell * 0.2, kWhite, 1.0);
    }
}

// Big shots, one cell per fan position, each comet leaning the way it drifts.
void FanStrip(Canvas& c, int cells, double maxDeg, Rgb col, double dimMiddle = 1.0, double dimPair = 1.0) {
    for (int j = 0; j < cells; ++j) {
        double t = cells == 1 ? 0 : (j - (cells - 1) / 2.0) / ((cells - 1) / 2.0);
        double a = Deg(maxDeg) * t;
        double s = 1.0;
        if (j == cells / 2) s = dimMiddle;
        if (cells == 7 && (j == 2 || j == 4)) s = dimPair;
        Comet(c.cr, j * 40 + 20 + std::sin(a) * 4, 24 + std::cos(a) * 2, 9, 22, a, col, s);
    }
}

// Large glowing projectile falling along angle (0 = down).
void BigShot(Canvas& c, double r, double len, double angleDeg, Rgb col) {
    double a = Deg(angleDeg);
    double dx = std::sin(a), dy = std::cos(a);
    double cx = c.w / 2.0 + dx * len * 0.22, cy = c.h / 2.0 + dy * len * 0.22;
    cairo_t* cr = c.cr;
    double rot = std::atan2(dy, dx);
    AddGlowEllipse(cr, cx - dx * len * 0.35, cy - dy * len * 0.35, len * 0.62, r * 1.3, rot, col, 0.5);
    AddGlowEllipse(cr, cx - dx * len * 0.25, cy - dy * len * 0.25, len * 0.45, r * 0.6, rot,
                   Mix(col, kWhite, 0.4), 0.6);
    AddGlow(cr, cx, cy, r * 1.5, col, 0.6);
    AddGlow(cr, cx, cy, r, Mix(col, kWhite, 0.3), 0.9);
    AddGlow(cr, cx, cy, r * 0.55, kWhite, 1.0);
    // Crackling spikes round the head.
    AddFlare(cr, cx, cy, r * 1.6, 3, rot, Mix(col, kWhite, 0.5), 0.6);
}

// The scene-2 boss's dropped energy mine.
void EnergyMine(Canvas& c, double lean) {
    cairo_t* cr = c.cr;
    double cx = 75 + lean * 6, cy = 112;
    AddGlowEllipse(cr, cx - lean * 10, cy - 50, 26, 62, lean * 0.2, Hex(0xFF6020), 0.45);
    AddGlow(cr, cx, cy, 64, Hex(0xFF4010), 0.45);
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
    for (int i = 0; i < 3; ++i) {
        double rr = 30 + i * 11;
        cairo_set_line_width(cr, 3.0 - i * 0.6);
        SetRgb(cr, Hex(0xFFA040), 0.7 - i * 0.18);
        cairo_save(cr);
        cairo_translate(cr, cx, cy);
        cairo_scale(cr, 1, 0.42);
        cairo_arc(cr, 0, 0, rr, 0, 2 * kPi);
        cairo_restore(cr);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
    AddGlow(cr, cx, cy, 34, Hex(0xFFB040), 0.9);
    AddGlow(cr, cx, cy, 20, kWhite, 1.0);
    AddFlare(cr, cx, cy, 56, 4, 0.2 + lean * 0.1, Hex(0xFFD080), 0.7);
}

void Beam(Canvas& c) {
    for (int k = 0; k < 3; ++k) {
        double x0 = k * 90 + 45;
        double wid = 26 + 6 * k;
        Rng rng(5100 + k);
        ShadeRegion(c, k * 90, 0, 90, 400, [&](double x, double y) {
            double dx = std::fabs(x - 45) / wid;
            double wob = 0.12 * std::sin(y * 0.09 + k * 2.0) + 0.08 * std::sin(y * 0.23 + k);
            double core = std::exp(-std::pow(dx * 3.4 + wob, 2.0));
            double halo = std::exp(-std::pow(dx * 1.25, 2.0)) * 0.5;
            double fadeEnd = Smooth(400, 330, y);
            double v = (core + halo) * fadeEnd * (0.85 + 0.15 * std::sin(y * 0.05 + k * 1.7));
            Rgb col = Mix(Hex(0x20A0FF), kWhite, Clamp01(core * 1.2 - 0.2));
            return Rgba{col.r, col.g, col.b, Clamp01(v)};
        });
        AddGlow(c.cr, x0, 10, 44, Hex(0x60D0FF), 0.8);
        AddFlare(c.cr, x0, 10, 40, 3, k * 0.4, Hex(0xC0F0FF), 0.8);
        for (int i = 0; i < 10; ++i)
            AddGlow(c.cr, x0 + rng.Range(-20, 20), rng.Range(20, 380), rng.Range(2, 4), Hex(0xA0E8FF), 0.8);
    }
}

} // namespace

void AddBulletPainters(PainterMap& m) {
    m["VAL11"] = [](Canvas& c) { Orb(c.cr, 8, 8, 7.6, kOrange); };
    m["VAL12"] = [](Canvas& c) { Orb(c.cr, 8, 8, 7.6, kViolet); };
    m["VAL13"] = [](Canvas& c) { Orb(c.cr, 8, 8, 7.6, kPink); };
    m["VAL1"] = [](Canvas& c) { PulseStrip(c, 16, 16, kRed); };
    m["VAL2"] = [](Canvas& c) { PulseStrip(c, 16, 16, kCyan); };
    m["VAL3"] = [](Canvas& c) { PulseStrip(c, 16, 16, kMagenta); };
    m["VAL1624"] = [](Canvas& c) { StarStrip(c, 16, 24, kYellow); };
    m["VAL2024"] = [](Canvas& c) { RingStrip(c, 20, 24, Hex(0x8060FF), 0.82); };
    m["VALL20"] = [](Canvas& c) { Orb(c.cr, 10, 10, 9.5, kPink); };
    m["VAL201"] = [](Canvas& c) { BarStrip(c, 20, 7, kGreen); };
    m["ZAL20"] = [](Canvas& c) { Orb(c.cr, 10, 10, 9.5, kYellow); };
    m["VAL20"] = [](Canvas& c) { Orb(c.cr, 10, 10, 9.5, kCyan); };
    m["VAL30L"] = [](Canvas& c) { Orb(c.cr, 15, 15, 14, kOrange); };

    m["VAL401"] = [](Canvas& c) { FanStrip(c, 5, 30, kGreen); };
    m["VAL402"] = [](Canvas& c) { FanStrip(c, 5, 30, kOrange); };
    m["VAL404"] = [](Canvas& c) { FanStrip(c, 7, 35, kPink); };
    // Cells 2 and 4 may be added many times in one frame: keep them dim.
    m["VAL405"] = [](Canvas& c) { FanStrip(c, 7, 35, kMagenta, 1.0, 0.42); };

    m["VAL40L"] = [](Canvas& c) { Lance(c, 34, 15, 0, kPink); };
    m["VAL40L1"] = [](Canvas& c) { Lance(c, 34, 15, 0, kViolet); };
    m["VAL40L2"] = [](Canvas& c) { Lance(c, 34, 15, 0, kOrange); };
    m["VAL15L"] = [](Canvas& c) {
        AddGlowEllipse(c.cr, 7.5, 15, 7, 14.5, 0, kPink, 0.65);
        AddGlowEllipse(c.cr, 7.5, 17, 4, 10, 0, Mix(kPink, kWhite, 0.4), 0.9);
        AddGlow(c.cr, 7.5, 20, 4, kWhite, 1.0);
    };
    m["VAL151L"] = [](Canvas& c) {
        for (int k = 0; k < 2; ++k) {
            double a = k == 0 ? Deg(-45) : Deg(45); // rotation of the long axis: down-right, down-left
            double cx = 15 + 30 * k, cy = 15;
            AddGlowEllipse(c.cr, cx, cy, 14, 6.5, kPi / 2 + a, kPink, 0.65);
            AddGlowEllipse(c.cr, cx, cy, 9, 3.5, kPi / 2 + a, Mix(kPink, kWhite, 0.4), 0.9);
            double fx = k == 0 ? 1 : -1;
            AddGlow(c.cr, cx + fx * 4, cy + 4, 4, kWhite, 1.0);
        }
    };

    m["VALARM11"] = [](Canvas& c) { EnergyMine(c, -1); };
    m["VALARM12"] = [](Canvas& c) { EnergyMine(c, 1); };
    m["VALARM31"] = [](Canvas& c) { BigShot(c, 14, 90, 0, kRed); };
    m["VALARM32"] = [](Canvas& c) { BigShot(c, 14, 90, 0, kMagenta); };
    m["VALARM33"] = [](Canvas& c) { BigShot(c, 15, 110, 45, kRed); };
    m["VALARM34"] = [](Canvas& c) { BigShot(c, 15, 110, -45, kRed); };
    m["VALARM51"] = [](Canvas& c) { Beam(c); };
    m["VALARM70"] = [](Canvas& c) { BigShot(c, 18, 100, 0, kOrange); };
    m["VALARM71"] = [](Canvas& c) { BigShot(c, 16, 110, -45, kOrange); };
    m["VALARM72"] = [](Canvas& c) { BigShot(c, 16, 110, 45, kOrange); };
    m["VALARM73"] = [](Canvas& c) { BigShot(c, 11, 100, 0, kYellow); };
    m["VALARM74"] = [](Canvas& c) { BigShot(c, 10, 56, -45, kYellow); };
    m["VALARM75"] = [](Canvas& c) { BigShot(c, 10, 56, 45, kYellow); };
    m["VALARM7"] = [](Canvas& c) { BigShot(c, 10, 50, 0, kGreen); };

    // Rotated (opaque) shots: forward as the set's notes say.
    m["VAL20w"] = [](Canvas& c) { Spindle(c, 17, 7, kCyan); };
    m["VAL21w"] = [](Canvas& c) { Spindle(c, 17, 7, kMagenta); };
    m["VAL30w"] = [](Canvas& c) { Spindle(c, 26, 10, kYellow); };
    m["VALL301"] = [](Canvas& c) { Lance(c, 27, 8, 0, kPink); };
    m["VALL302"] = [](Canvas& c) { Lance(c, 27, 10, 0, kOrange); };
    m["VALL3011"] = [](Canvas& c) { Lance(c, 26, 12, 0, kViolet); };
    m["VALL3013"] = [](Canvas& c) { Spindle(c, 27, 11, kCyan); };
    m["VALL3014"] = [](Canvas& c) { Spindle(c, 27, 11, kMagenta); };
    m["VALL3015"] = [](Canvas& c) { Teardrop(c, 5.5, 25, -kPi / 2, kGreen); };
    m["VALL3016"] = [](Canvas& c) { Teardrop(c, 5.5, 25, kPi / 2, kGreen); };
    m["VALL3017"] = [](Canvas& c) { Teardrop(c, 7.5, 27, -kPi / 2, kYellow); };
    m["VAL3017A"] = [](Canvas& c) { Teardrop(c, 4.5, 20, -kPi / 2, kOrange); };
    m["VALL3018"] = [](Canvas& c) { Spindle(c, 27, 14, kYellow); };
    m["VAL3018A"] = [](Canvas& c) { Spindle(c, 21, 9, kOrange); };
    m["VAL3015A"] = [](Canvas& c) { Teardrop(c, 4.5, 20, -kPi / 2, kCyan); };
    m["VAL3016A"] = [](Canvas& c) { Teardrop(c, 4.5, 20, kPi / 2, kCyan); };
    m["VALL3019"] = [](Canvas& c) { SolidOrb(c, 10, kBlue); };
    m["VALL3020"] = [](Canvas& c) { SolidOrb(c, 10, kRed); };

    // Curving streams and chain links.
    m["VEX3"] = [](Canvas& c) { Orb(c.cr, 10, 10, 9.5, kCyan); };
    m["VEX4"] = [](Canvas& c) { Orb(c.cr, 15, 15, 14, kMagenta); };
    m["VEX5"] = [](Canvas& c) { Orb(c.cr, 20, 20, 18, kMagenta); };
    m["VEX6"] = [](Canvas& c) { Orb(c.cr, 25, 25, 23, kMagenta); };
    m["VEX7"] = [](Canvas& c) { Orb(c.cr, 10, 10, 9.5, kRed); };
    m["VEX8"] = [](Canvas& c) { Orb(c.cr, 10, 10, 9.5, kYellow); };
    m["VEX10"] = [](Canvas& c) {
        AddGlow(c.cr, 10, 10, 9.5, kGreen, 0.6);
        AddFlare(c.cr, 10, 10, 9, 2, kPi / 4, Mix(kGreen, kWhite, 0.4), 0.8);
    };
}

} // namespace paint
