// The player's fighter, its shots, muzzle flashes, debris and the power-up.
#include "paint.h"

namespace paint {

namespace {

const Rgb kHull = Hex(0xD4DAE4);
const Rgb kWing = Hex(0x9AA6BA);
const Rgb kTrim = Hex(0x2F6FE0);
const Rgb kDark = Hex(0x4A5266);
const Rgb kRed = Hex(0xD8412E);
const Rgb kCanopy = Hex(0x38C8F8);

// Narrow stream colours by game mode, and wide stream colours.
const Rgb kNarrow1 = Hex(0x40B8FF);
const Rgb kNarrow3 = Hex(0xC050FF);
const Rgb kWide1 = Hex(0xFF9A20);
const Rgb kWide3 = Hex(0x40FF90);

// Glow following an arc, for the wide shots.
void AddArc(cairo_t* cr, double cx, double cy, double r, double a0, double a1, double width, Rgb c,
            double strength) {
    int steps = 24;
    for (int i = 0; i <= steps; ++i) {
        double t = static_cast<double>(i) / steps;
        double a = Lerp(a0, a1, t);
        double taper = std::sin(kPi * t);
        double x = cx + r * std::cos(a), y = cy + r * std::sin(a);
        AddGlowEllipse(cr, x, y, width * 1.6 * (0.4 + 0.6 * taper), width * (0.35 + 0.65 * taper),
                       a + kPi / 2, c, 0.33 * strength);
        AddGlowEllipse(cr, x, y, width * 0.8 * (0.3 + 0.7 * taper), width * 0.35 * taper + 0.3, a + kPi / 2,
                       Mix(c, Rgb{1, 1, 1}, 0.7), 0.4 * strength * taper);
    }
}

void NarrowShot(Canvas& c, Rgb col, double tilt) {
    cairo_t* cr = c.cr;
    cairo_translate(cr, 30, 30);
    cairo_rotate(cr, tilt);
    if (tilt == 0) {
        for (double dx : {-5.0, 5.0})
            AddBolt(cr, {dx, -18}, {dx, 14}, 3.2, col, 1.0);
        AddGlowEllipse(cr, 0, -2, 10, 24, 0, col, 0.25);
    } else {
        AddBolt(cr, {0, -18}, {0, 14}, 3.6, col, 1.0);
        AddGlowEllipse(cr, 0, -2, 8, 22, 0, col, 0.2);
    }
}

void WideCentre(Canvas& c, Rgb col) {
    cairo_t* cr = c.cr;
    AddArc(cr, 60, 62, 46, Deg(-150), Deg(-30), 7, col, 1.0);
    AddArc(cr, 60, 70, 40, Deg(-135), Deg(-45), 5, Mix(col, Rgb{1, 1, 1}, 0.2), 0.7);
    AddGlowEllipse(cr, 60, 22, 30, 8, 0, col, 0.35);
}

void WideSide(Canvas& c, Rgb col, double tilt) {
    cairo_t* cr = c.cr;
    cairo_translate(cr, 30, 30);
    cairo_rotate(cr, tilt);
    AddArc(cr, 0, 30, 36, Deg(-130), Deg(-50), 5.5, col, 1.0);
    AddArc(cr, 0, 36, 30, Deg(-120), Deg(-60), 4, Mix(col, Rgb{1, 1, 1}, 0.2), 0.6);
}

void MuzzleFlash(Canvas& c, Rgb col, double spread) {
    cairo_t* cr = c.cr;
    AddGlowEllipse(cr, 35, 18, 16 * spread, 12, 0, col, 0.7);
    AddFlare(cr, 35, 18, 15 * spread, 3, kPi / 2, Mix(col, Rgb{1, 1, 1}, 0.4), 0.9);
    AddGlowEllipse(cr, 35, 10, 4, 12, 0, Mix(col, Rgb{1, 1, 1}, 0.6), 0.8);
    AddGlow(cr, 35, 18, 7, Rgb{1, 1, 1}, 1.0);
}

void SideFlash(Canvas& c, Rgb col) {
    cairo_t* cr = c.cr;
    for (double x : {34.0, 90.0}) {
        AddGlowEllipse(cr, x, 50, 16, 12, 0, col, 0.6);
        AddFlare(cr, x, 48, 14, 3, kPi / 2, Mix(col, Rgb{1, 1, 1}, 0.4), 0.9);
        AddGlowEllipse(cr, x, 38, 3.5, 12, 0, Mix(col, Rgb{1, 1, 1}, 0.6), 0.8);
        AddGlow(cr, x, 49, 6, Rgb{1, 1, 1}, 0.9);
    }
}

void BurstOrb(Canvas& c, Rgb col, double r) {
    double m = c.w / 2.0;
    AddGlow(c.cr, m, m, r, col, 0.9);
    AddGlow(c.cr, m, m, r * 0.55, Mix(col, Rgb{1, 1, 1}, 0.5), 1.0);
    AddGlow(c.cr, m, m, r * 0.3, Rgb{1, 1, 1}, 1.0);
}

// One cell of the burning wreckage: a tumbling shard wrapped in flickering
// flame. step runs 0..14 and the cycle loops, so the flicker is periodic.
void DebrisCell(Canvas& c, double cx, double cy, int step) {
    double ph = 2 * kPi * step / 15.0;
    double a = ph * 2; // two turns per cycle
    ShadeRegion(
        c, static_cast<int>(cx - 30), static_cast<int>(cy - 30), 60, 60,
        [&](double x, double y) {
            double dx = (x - 30) / 11.0, dy = (y - 30) / 11.0;
            double d = std::sqrt(dx * dx + dy * dy);
            if (d > 2) return Rgba{};
            double n =
                PeriodicFbm(dx * 1.5 + std::cos(ph) * 1.2, dy * 1.5 + std::sin(ph) * 1.2, 64, 64, 3, 97);
            double heat = 1.0 - 0.8 * d + 0.45 * n;
            if (heat <= 0) return Rgba{};
            Rgb col = heat > 0.6 ? Mix(Hex(0xFF9A30), Hex(0xFFF0C0), Smooth(0.6, 1.0, heat))
                                 : Mix(Hex(0x801808), Hex(0xFF9A30), Smooth(0.0, 0.6, heat));
            return Rgba{col.r, col.g, col.b, Smooth(0, 0.35, heat)};
        },
        true);
    cairo_t* cr = c.cr;
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, a);
    cairo_scale(cr, 1, 0.55 + 0.45 * std::fabs(std::cos(ph * 1.5))); // tumbling
    cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
    Poly shard = {{-10, -3}, {-3, -8}, {9, -5}, {11, 2}, {2, 7}, {-8, 5}};
    PathPoly(cr, shard);
    cairo_pattern_t* g = cairo_pattern_create_linear(-10, -8, 10, 8);
    cairo_pattern_add_color_stop_rgb(g, 0, 1.0, 0.95, 0.75);
    cairo_pattern_add_color_stop_rgb(g, 0.5, 0.85, 0.45, 0.12);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.35, 0.1, 0.04);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    cairo_restore(cr);
    Rng rng(400 + step);
    for (int i = 0; i < 3; ++i) {
        double sa = rng.Range(0, 2 * kPi), sd = rng.Range(12, 24);
        AddGlow(cr, cx + std::cos(sa) * sd, cy + std::sin(sa) * sd, 2.2, Hex(0xFFD080), 0.8);
    }
}

} // namespace

Model PlayerShipModel() {
    Model m;
    // Delta wing.
    Plate wing = Block(MirrorX({{0, -10}, {23, 11}, {27, 14}, {27, 22}, {9, 23}, {0, 23}}), 0, 3, 2.2, kWing);
    wing.lines = {{{7, 4}, {24, 15}}, {{-7, 4}, {-24, 15}}, {{12, 23}, {12, 14}}, {{-12, 23}, {-12, 14}}};
    wing.lineColour = Hex(0x5A6478);
    wing.lineWidth = 0.6;
    m.Add(wing);
    // Blue leading-edge trim and red tip flashes.
    m.Add(Decal({{3, -4}, {22, 10}, {20, 12}, {3, 0}}, 3.05, kTrim));
    m.Add(Decal({{-3, -4}, {-3, 0}, {-20, 12}, {-22, 10}}, 3.05, kTrim));
    m.Add(Block({{24, 14}, {27, 15}, {27, 22}, {24, 22}}, 3, 4, 0.6, kRed));
    m.Add(Block({{-24, 14}, {-24, 22}, {-27, 22}, {-27, 15}}, 3, 4, 0.6, kRed));
    // Engine pods.
    for (double s : {-1.0, 1.0}) {
        Poly pod = Chamfer(6, 4, 13, 30, 2.5);
        if (s < 0) pod = FlipX(pod);
        m.Add(Slab(pod, 0, 3, 1.8, 2.2, kDark));
        Poly fin = {{9.5, 12}, {11, 10}, {11, 26}, {9.5, 27}};
        if (s < 0) fin = FlipX(fin);
        m.Add(Block(fin, 5, 7.5, 0.5, kRed));
    }
    // Fuselage.
    Plate body = Slab(MirrorX({{0, -33}, {2.5, -27}, {4.5, -16}, {6.5, 0}, {6.5, 22}, {4.5, 30}, {0, 31}}), 0,
                      3, 2.6, 3.4, kHull);
    body.lines = {{{-2.2, 4}, {2.2, 4}}, {{-2.2, 14}, {2.2, 14}}};
    body.lineColour = Hex(0x8088A0);
    body.lineWidth = 0.5;
    m.Add(body);
    m.Add(Decal(MirrorX({{0, -31}, {1.6, -27}, {1.6, -25}, {0, -25.5}}), 6.45, kRed));
    m.Add(Decal(Rect(-0.8, 2, 0.8, 26), 6.45, kTrim));
    // Canopy.
    Plate canopy = EllipseDome(0, -13, 2.9, 7.5, 6.4, 2.4, kCanopy, 20);
    canopy.gloss = 1.2;
    m.Add(canopy);
    return m;
}

void PaintPlayerShip(cairo_t* cr, double cx, double cy, double scale, double roll, double heading) {
    View v;
    v.cx = cx;
    v.cy = cy;
    v.scale = scale;
    v.roll = roll;
    v.heading = heading;
    // Engine flames first, so the pods sit over their roots.
    for (double s : {-1.0, 1.0}) {
        V2 p = ProjectPoint(v, {s * 9.5, 29.0, 1.5});
        double r = 3.2 * scale;
        cairo_save(cr);
        cairo_translate(cr, p.x, p.y);
        cairo_rotate(cr, heading);
        cairo_scale(cr, r, r * 2.8);
        cairo_pattern_t* g = cairo_pattern_create_radial(0, 0.05, 0, 0, 0.05, 1);
        cairo_pattern_add_color_stop_rgba(g, 0, 1, 1, 1, 1);
        cairo_pattern_add_color_stop_rgba(g, 0.35, 0.65, 0.9, 1, 1);
        cairo_pattern_add_color_stop_rgba(g, 0.75, 0.2, 0.45, 1, 0.9);
        cairo_pattern_add_color_stop_rgba(g, 1, 0.1, 0.2, 0.8, 0);
        cairo_set_source(cr, g);
        cairo_arc(cr, 0, 0.35, 1, 0, 2 * kPi);
        cairo_fill(cr);
        cairo_pattern_destroy(g);
        cairo_restore(cr);
    }
    RenderModel(cr, PlayerShipModel(), v);
}

void AddShipPainters(PainterMap& m) {
    m["MYME1"] = [](Canvas& c) {
        // Frame 3 is level; 4..6 bank further while moving left, 2..0 while moving right.
        const double rolls[7] = {-42, -28, -14, 0, 14, 28, 42};
        for (int f = 0; f < 7; ++f) {
            cairo_save(c.cr);
            cairo_rectangle(c.cr, 60 * f, 0, 60, 70);
            cairo_clip(c.cr);
            PaintPlayerShip(c.cr, 60 * f + 30, 35, 1.0, Deg(rolls[f]));
            cairo_restore(c.cr);
        }
    };

    m["SFLH1"] = [](Canvas& c) { NarrowShot(c, kNarrow1, 0); };
    m["SFLH2"] = [](Canvas& c) { NarrowShot(c, kNarrow1, -std::atan(0.2)); };
    m["SFLH3"] = [](Canvas& c) { NarrowShot(c, kNarrow1, std::atan(0.2)); };
    m["SFLH11"] = [](Canvas& c) { NarrowShot(c, kNarrow3, 0); };
    m["SFLH22"] = [](Canvas& c) { NarrowShot(c, kNarrow3, -std::atan(0.2)); };
    m["SFLH33"] = [](Canvas& c) { NarrowShot(c, kNarrow3, std::atan(0.2)); };
    m["SFLH4"] = [](Canvas& c) { NarrowShot(c, Hex(0x60FFE0), 0); };
    m["SFLH5"] = [](Canvas& c) { NarrowShot(c, Hex(0xFFE060), 0); };

    m["FLW1_3"] = [](Canvas& c) { WideCentre(c, kWide1); };
    m["FLW2_1"] = [](Canvas& c) { WideSide(c, kWide1, -std::atan(0.3)); };
    m["FLW3_2"] = [](Canvas& c) { WideSide(c, kWide1, std::atan(0.3)); };
    m["FLW11"] = [](Canvas& c) { WideCentre(c, kWide3); };
    m["FLW22"] = [](Canvas& c) { WideSide(c, kWide3, -std::atan(0.3)); };
    m["FLW33"] = [](Canvas& c) { WideSide(c, kWide3, std::atan(0.3)); };

    m["FLHST"] = [](Canvas& c) { MuzzleFlash(c, kNarrow1, 0.9); };
    m["FLHST11"] = [](Canvas& c) { MuzzleFlash(c, Mix(kNarrow1, kNarrow3, 0.5), 0.9); };
    m["FLHST2"] = [](Canvas& c) { MuzzleFlash(c, kWide1, 1.3); };
    m["FLHST3"] = [](Canvas& c) { MuzzleFlash(c, Mix(kNarrow3, kWide3, 0.35), 1.1); };
    m["FLHST22"] = [](Canvas& c) { SideFlash(c, kWide1); };
    m["FLHST33"] = [](Canvas& c) { SideFlash(c, kWide3); };

    m["VEX1"] = [](Canvas& c) { BurstOrb(c, Hex(0x50D0FF), 14); };
    m["VEX2"] = [](Canvas& c) { BurstOrb(c, Hex(0x50D0FF), 9.5); };
    m["VEX11"] = [](Canvas& c) { BurstOrb(c, Hex(0xE060FF), 14); };
    m["VEX22"] = [](Canvas& c) { BurstOrb(c, Hex(0xE060FF), 9.5); };

    m["GFBAK1"] = [](Canvas& c) {
        for (int row = 0; row < 2; ++row)
            for (int col = 0; col < 8; ++col) {
                // Played as row 0 cells 0-7, then row 1 cells 1-7; row 1 cell 0 repeats the first.
                int step = row == 0 ? col : (col == 0 ? 0 : 7 + col);
                DebrisCell(c, col * 60 + 30, row * 60 + 30, step);
            }
    };

    m["SPOWER1"] = [](Canvas& c) {
        cairo_t* cr = c.cr;
        AddGlow(cr, 30, 30, 28, Hex(0xFF9020), 0.45);
        Poly hex = Circle(30, 30, 17, 6);
        hex = Translate(RotatePoly(Translate(hex, -30, -30), kPi / 6), 30, 30);
        cairo_save(cr);
        cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
        PathPoly(cr, hex);
        cairo_set_line_width(cr, 3.2);
        SetRgb(cr, Hex(0xFFC040));
        cairo_stroke_preserve(cr);
        SetRgb(cr, Hex(0x402008));
        cairo_fill(cr);
        cairo_restore(cr);
        AddGlow(cr, 30, 30, 12, Hex(0xFF6010), 0.6);
        cairo_save(cr);
        cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
        Text(cr, "P", 30, 38.5, 23, Hex(0xFFF4D0), true, "DejaVu Sans", 0.5);
        cairo_restore(cr);
    };

    m["FBOM1"] = [](Canvas& c) {
        cairo_t* cr = c.cr;
        AddGlow(cr, 40, 40, 38, Hex(0x3070FF), 0.55);
        Poly shard = {{40, 6}, {52, 30}, {47, 74}, {33, 70}, {27, 28}};
        PathPoly(cr, shard);
        cairo_pattern_t* g = cairo_pattern_create_linear(28, 10, 52, 70);
        cairo_pattern_add_color_stop_rgb(g, 0, 1, 1, 1);
        cairo_pattern_add_color_stop_rgb(g, 0.5, 0.55, 0.8, 1);
        cairo_pattern_add_color_stop_rgb(g, 1, 0.15, 0.3, 0.9);
        cairo_set_source(cr, g);
        cairo_fill(cr);
        cairo_pattern_destroy(g);
        SetRgb(cr, Rgb{1, 1, 1}, 0.8);
        cairo_move_to(cr, 40, 8);
        cairo_line_to(cr, 40, 70);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
        AddGlow(cr, 40, 36, 14, Hex(0xC0E0FF), 0.8);
    };

    m["HAHEN"] = [](Canvas& c) {
        Model md;
        md.Add(Block({{-14, -6}, {-3, -14}, {12, -9}, {15, 4}, {2, 13}, {-12, 8}}, 0, 4, 2.5, Hex(0x8890A0)));
        md.Add(Block({{-6, -3}, {4, -6}, {8, 2}, {-2, 6}}, 4, 5, 1, Hex(0x5A6274)));
        View v;
        v.cx = 20;
        v.cy = 20;
        v.heading = 0.4;
        RenderModel(c.cr, md, v);
    };
}

} // namespace paint
