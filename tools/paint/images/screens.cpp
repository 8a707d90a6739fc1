// Full pictures (title, setup, weapon select, ending), prompts, banners, the
// score digits and the small HUD sheet.
#include "paint.h"

#include <algorithm>

namespace paint {

namespace {

const Rgb kWhite = {1, 1, 1};
const Rgb kCyan = Hex(0x48D8FF);
const Rgb kAmber = Hex(0xFFB040);
const Rgb kPanel = Hex(0x0E1626);
const Rgb kPanelEdge = Hex(0x3A8AC8);

// ---------------------------------------------------------------- the logo

// Our own angular letters, 40 units wide and 56 high, each one or two pieces.
std::vector<Poly> Letter(char ch) {
    switch (ch) {
    case 'V':
        return {{{0, 0}, {11, 0}, {20, 38}, {29, 0}, {40, 0}, {26, 56}, {14, 56}}};
    case 'E':
        return {{{0, 0},
                 {38, 0},
                 {38, 10},
                 {12, 10},
                 {12, 23},
                 {32, 23},
                 {32, 33},
                 {12, 33},
                 {12, 46},
                 {38, 46},
                 {38, 56},
                 {0, 56}}};
    case 'X':
        return {{{0, 0},
                 {12, 0},
                 {20, 17},
                 {28, 0},
                 {40, 0},
                 {26, 28},
                 {40, 56},
                 {28, 56},
                 {20, 39},
                 {12, 56},
                 {0, 56},
                 {14, 28}}};
    case 'T':
        return {{{0, 0}, {40, 0}, {40, 11}, {26, 11}, {26, 56}, {14, 56}, {14, 11}, {0, 11}}};
    case 'A':
        return {{{14, 0}, {26, 0}, {40, 56}, {28, 56}, {20, 21}, {12, 56}, {0, 56}},
                {{13, 37}, {27, 37}, {29, 46}, {11, 46}}};
    case 'L':
        return {{{0, 0}, {12, 0}, {12, 45}, {38, 45}, {38, 56}, {0, 56}}};
    case 'O':
        return {{{19, 0},
                 {19, 11},
                 {15, 11},
                 {12, 14},
                 {12, 42},
                 {15, 45},
                 {19, 45},
                 {19, 56},
                 {9, 56},
                 {0, 47},
                 {0, 9},
                 {9, 0}},
                {{21, 0},
                 {31, 0},
                 {40, 9},
                 {40, 47},
                 {31, 56},
                 {21, 56},
                 {21, 45},
                 {25, 45},
                 {28, 42},
                 {28, 14},
                 {25, 11},
                 {21, 11}}};
    case 'N':
        return {
            {{0, 0}, {11, 0}, {29, 34}, {29, 0}, {40, 0}, {40, 56}, {29, 56}, {11, 22}, {11, 56}, {0, 56}}};
    default:
        return {};
    }
}

// "VEX TALON" as raised chrome letters; (cx, top) is the centre of the top edge.
void Logo(cairo_t* cr, double cx, double top, double scale) {
    const std::string word = "VEX TALON";
    double width = 0;
    for (char ch : word)
        width += ch == ' ' ? 22 : 48;
    width -= 8;
    double x = cx - width * scale / 2;
    // A cool glow behind the letters.
    AddGlowEllipse(cr, cx, top + 28 * scale, width * scale * 0.6, 44 * scale, 0, Hex(0x1860C0), 0.55);
    Model m;
    double lx = 0;
    for (char ch : word) {
        if (ch == ' ') {
            lx += 22;
            continue;
        }
        for (const Poly& piece : Letter(ch)) {
            Plate p = Slab(Translate(piece, lx, 0), 0, 3, 2.6, 3, Hex(0xC8D4E4));
            p.gloss = 0.9;
            p.topGradient = 0.28;
            m.Add(p);
        }
        lx += 48;
    }
    View v;
    v.cx = x;
    v.cy = top;
    v.scale = scale;
    // A dark drop shadow, then the letters.
    Model shadow = m;
    for (Plate& p : shadow.plates) {
        p.colour = Hex(0x101830);
        p.emissive = true;
        p.topGradient = 0;
    }
    View sv = v;
    sv.cx += 3 * scale;
    sv.cy += 4 * scale;
    RenderModel(cr, shadow, sv);
    RenderModel(cr, m, v);
    // A hard blue-white line through the letters' waist, and a glint.
    AddGlowEllipse(cr, cx, top + 28 * scale, width * scale * 0.55, 1.6 * scale, 0, Hex(0x80E0FF), 0.5);
    AddFlare(cr, x + 60 * scale, top + 6 * scale, 14 * scale, 2, 0.3, kWhite, 0.9);
}

// ---------------------------------------------------------------- scenery

// A planet lit from one side, with an atmosphere rim.
void Planet(Canvas& c, double cx, double cy, double r, Rgb sea, Rgb land, Rgb air, V3 sun, uint32_t seed) {
    double ln = std::sqrt(sun.x * sun.x + sun.y * sun.y + sun.z * sun.z);
    sun = {sun.x / ln, sun.y / ln, sun.z / ln};
    ShadeRegion(c, 0, 0, c.w, c.h, [&](double x, double y) {
        double dx = (x - cx) / r, dy = (y - cy) / r;
        double d2 = dx * dx + dy * dy;
        double d = std::sqrt(d2);
        if (d > 1.12) return Rgba{};
        if (d >= 1.0) {
            // Atmosphere halo beyond the limb, brighter on the lit side.
            double lit = Clamp01(0.3 + (dx * sun.x + dy * sun.y) / std::max(d, 1e-6));
            double a = Smooth(1.12, 1.0, d) * lit;
            return Rgba{air.r, air.g, air.b, a * 0.9};
        }
        double z = std::sqrt(1 - d2);
        double lit = dx * sun.x + dy * sun.y + z * sun.z;
        double dayk = Smooth(-0.15, 0.35, lit);
        double n = PeriodicFbm(dx * 2.2 / (0.4 + z) + 5, dy * 2.2 + 3, 64, 64, 5, seed);
        double cloud = PeriodicFbm(dx * 3.5 / (0.4 + z), dy * 6 + 1, 64, 64, 4, seed + 9);
        Rgb surf =
            n > 0.05 ? Mix(land, Scale(land, 0.7), Clamp01(n * 2)) : Mix(sea, Scale(sea, 0.75), Clamp01(-n));
        surf = Mix(surf, kWhite, Smooth(0.15, 0.5, cloud) * 0.7);
        Rgb col = Scale(surf, 0.08 + 0.92 * dayk);
        // Limb haze.
        col = Mix(col, air, Smooth(0.75, 1.0, d) * (0.3 + 0.7 * dayk));
        // City lights on the night side.
        if (dayk < 0.2 && n > 0.18 && PeriodicNoise(dx * 40, dy * 40, 64, 64, seed + 3) > 0.45)
            col = Add(col, Scale(Hex(0xFFC060), 0.6 * (0.2 - dayk) * 5));
        return Rgba{col.r, col.g, col.b, 1.0};
    });
}

// Fixed pin-point stars for the pictures shown over a black screen.
void Starfield(Canvas& c, uint32_t seed, int count, double maxY = 1e9) {
    Rng rng(seed);
    for (int i = 0; i < count; ++i) {
        double x = rng.Range(0, c.w), y = rng.Range(0, std::min<double>(c.h, maxY));
        double b = rng.Range(0.25, 1.0);
        Rgb col = Mix(kWhite, rng.Chance(0.5) ? Hex(0x90B8FF) : Hex(0xFFE0B0), rng.Range(0, 0.6));
        if (b > 0.85)
            AddFlare(c.cr, x, y, 5, 2, 0, col, b * 0.7);
        else
            AddGlow(c.cr, x, y, 1.6 + b, col, b);
    }
}

void Nebula(Canvas& c, double cx, double cy, double rx, double ry, Rgb a, Rgb b, uint32_t seed,
            double strength) {
    ShadeRegion(
        c, 0, 0, c.w, c.h,
        [&](double x, double y) {
            double dx = (x - cx) / rx, dy = (y - cy) / ry;
            double d = std::sqrt(dx * dx + dy * dy);
            if (d > 1.3) return Rgba{};
            double n = PeriodicFbm(x / 90.0, y / 90.0, 64, 64, 5, seed);
            double v = Smooth(1.3, 0.2, d + 0.5 * n) * strength;
            Rgb col = Mix(a, b, Clamp01(n + 0.5));
            return Rgba{col.r, col.g, col.b, v};
        },
        true);
}

// ---------------------------------------------------------------- panels and keys

void RoundRect(cairo_t* cr, double x, double y, double w, double h, double r) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -kPi / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, kPi / 2);
    cairo_arc(cr, x + r, y + h - r, r, kPi / 2, kPi);
    cairo_arc(cr, x + r, y + r, r, kPi, 3 * kPi / 2);
    cairo_close_path(cr);
}

void Panel(cairo_t* cr, double x, double y, double w, double h, Rgb edge = kPanelEdge) {
    RoundRect(cr, x, y, w, h, 8);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, y, 0, y + h);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.09, 0.13, 0.22);
    cairo_pattern_add_color_stop_rgb(g, 1, kPanel.r, kPanel.g, kPanel.b);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    SetRgb(cr, edge);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    RoundRect(cr, x + 4, y + 4, w - 8, h - 8, 5);
    SetRgb(cr, Scale(edge, 0.45));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

// A keyboard key cap with its label.
void KeyCap(cairo_t* cr, double x, double y, double w, const std::string& label) {
    double h = 24;
    RoundRect(cr, x, y + 3, w, h, 5);
    SetRgb(cr, Hex(0x404858));
    cairo_fill(cr);
    RoundRect(cr, x, y, w, h, 5);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, y, 0, y + h);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.93, 0.95, 0.98);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.66, 0.7, 0.78);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    Text(cr, label, x + w / 2, y + 17, label.size() > 2 ? 11 : 13, Hex(0x182030), true, "DejaVu Sans", 0.5);
}

void Heading(cairo_t* cr, const std::string& s, double cx, double y, double size) {
    TextFancy(cr, s, cx, y, size, Hex(0xFFFFFF), Hex(0x70C8FF), Hex(0x0C2040), 2.2, "DejaVu Sans", 0.5);
}

// ---------------------------------------------------------------- pictures

void Title(Canvas& c) {
    cairo_t* cr = c.cr;
    Nebula(c, 330, 190, 260, 170, Hex(0x301060), Hex(0x104080), 901, 0.45);
    Starfield(c, 902, 120);
    Planet(c, 220, 760, 400, Hex(0x103060), Hex(0x2A5A3A), Hex(0x60B0FF), {-0.2, -1.0, 0.35}, 903);
    // The fighter climbing out of the planet's glow.
    AddGlowEllipse(cr, 220, 372, 26, 70, 0, Hex(0x3080FF), 0.5);
    PaintPlayerShip(cr, 220, 280, 2.4, Deg(-10));
    Logo(cr, 220, 44, 1.0);
    Text(cr, "DEEP SPACE STRIKE FIGHTER", 220, 128, 13, Hex(0x9ACCF0), true, "DejaVu Sans", 0.5);
    TextFancy(cr, "PRESS  ENTER", 220, 452, 22, kWhite, Hex(0xFFC060), Hex(0x301000), 2.0, "DejaVu Sans",
              0.5);
}

void Setup(Canvas& c) {
    cairo_t* cr = c.cr;
    Starfield(c, 1101, 50);
    Heading(cr, "FLIGHT SETUP", 220, 42, 30);
    Panel(cr, 16, 58, 408, 258);
    struct Row {
        const char* key;
        double keyW;
        const char* what;
        const char* more;
    };
    const Row rows[] = {
        {"F1", 34, "START  -  NORMAL MODE", "the standard mission"},
        {"F2", 34, "START  -  ADVANCED MODE", "homing chains, fiercer bosses"},
        {"M", 34, "MOUSE CONTROL", "the ship follows the mouse"},
        {"K", 34, "KEYBOARD CONTROL", "steer with the arrow keys"},
        {"O", 34, "NO-DEATH MODE", "hits cost nothing"},
        {"SPACE", 64, "STARS ONLY", "plain star-field background"},
    };
    double y = 72;
    for (const Row& r : rows) {
        KeyCap(cr, 30, y, r.keyW, r.key);
        Text(cr, r.what, 108, y + 13, 14, kWhite, true);
        Text(cr, r.more, 108, y + 29, 11, Hex(0x88B0D0), false);
        y += 40;
    }
    Panel(cr, 16, 328, 408, 140, Hex(0x6A7C90));
    Text(cr, "IN FLIGHT", 220, 350, 13, kAmber, true, "DejaVu Sans", 0.5);
    const char* lines[][2] = {
        {"ARROWS", "move"}, {"SHIFT / C", "narrow shot"}, {"CTRL / V", "wide shot"}, {"BOTH", "burst attack"},
        {"S", "pause"},     {"T", "back to title"},       {"Y", "continue"},         {"ESC", "quit"},
    };
    for (int i = 0; i < 8; ++i) {
        double x = i % 2 == 0 ? 34 : 232, yy = 372 + (i / 2) * 23;
        Text(cr, lines[i][0], x, yy, 12, kCyan, true);
        Text(cr, lines[i][1], x + 86, yy, 12, Hex(0xD0DCE8), false);
    }
}

void WeaponSelect(Canvas& c) {
    cairo_t* cr = c.cr;
    Starfield(c, 1201, 50);
    Heading(cr, "SELECT WEAPON", 220, 50, 30);
    for (int k = 0; k < 2; ++k) {
        double y = 90 + k * 190;
        Panel(cr, 24, y, 392, 170, k == 0 ? kPanelEdge : Hex(0xC87A30));
        KeyCap(cr, 40, y + 16, 34, k == 0 ? "F5" : "F6");
        Text(cr, k == 0 ? "TYPE 1  -  STANDARD" : "TYPE 2  -  HIGH SPEED", 90, y + 33, 16, kWhite, true);
        Text(cr, k == 0 ? "balanced speed, both shot streams" : "faster ship for daring pilots", 90, y + 52,
             12, Hex(0x9AB8D0), false);
        PaintPlayerShip(cr, 120, y + 112, 1.1, Deg(k == 0 ? 0 : 20));
        if (k == 0) {
            for (double dx : {-6.0, 6.0})
                AddBolt(cr, {220 + dx, y + 80}, {220 + dx, y + 140}, 3, Hex(0x40B8FF));
            AddBolt(cr, {300, y + 80}, {300, y + 140}, 6, Hex(0xFF9A20));
        } else {
            // Speed lines streaming past the faster ship.
            Rng rng(1202);
            for (int i = 0; i < 14; ++i) {
                double lx = rng.Range(60, 400), ly = y + rng.Range(75, 160), len = rng.Range(10, 28);
                if (std::fabs(lx - 120) < 40) continue;
                AddGlowEllipse(cr, lx, ly, 1.2, len, 0, Hex(0xFFC070), 0.7);
            }
        }
    }
}

void Continue(Canvas& c) {
    cairo_t* cr = c.cr;
    Panel(cr, 3, 3, 194, 94, Hex(0xE04040));
    TextFancy(cr, "CONTINUE?", 100, 42, 26, kWhite, Hex(0xFF9080), Hex(0x300808), 2.0, "DejaVu Sans", 0.5);
    Text(cr, "PRESS", 52, 76, 14, Hex(0xD0DCE8), true);
    KeyCap(cr, 108, 60, 30, "Y");
}

void Banner(Canvas& c) {
    cairo_t* cr = c.cr;
    AddGlowEllipse(cr, 150, 50, 150, 40, 0, Hex(0xFF9020), 0.35);
    cairo_set_line_width(cr, 2);
    SetRgb(cr, Hex(0xFFC060));
    cairo_move_to(cr, 20, 14);
    cairo_line_to(cr, 280, 14);
    cairo_move_to(cr, 20, 86);
    cairo_line_to(cr, 280, 86);
    cairo_stroke(cr);
    TextFancy(cr, "CONGRATULATIONS!", 150, 52, 25, Hex(0xFFFFF0), Hex(0xFFB020), Hex(0x402000), 2.2,
              "DejaVu Sans", 0.5);
    Text(cr, "ALL ENEMY FORCES DESTROYED", 150, 75, 12, Hex(0xFFE0B0), true, "DejaVu Sans", 0.5);
}

void Warning(Canvas& c) {
    cairo_t* cr = c.cr;
    for (int i = -4; i < 16; ++i) {
        double x = i * 16;
        for (double y0 : {4.0, 82.0}) {
            cairo_move_to(cr, x, y0 + 14);
            cairo_line_to(cr, x + 8, y0);
            cairo_line_to(cr, x + 16, y0);
            cairo_line_to(cr, x + 8, y0 + 14);
            cairo_close_path(cr);
        }
    }
    SetRgb(cr, Hex(0xF0B020));
    cairo_fill(cr);
    TextFancy(cr, "WARNING", 100, 62, 32, kWhite, Hex(0xFF5040), Hex(0x400000), 2.0, "DejaVu Sans", 0.5);
}

// Ending pictures.
void EndFortressFalls(Canvas& c) {
    cairo_t* cr = c.cr;
    Nebula(c, 220, 150, 240, 170, Hex(0x602010), Hex(0x301040), 1301, 0.5);
    // The fortress breaking apart in the distance.
    AddGlow(cr, 220, 150, 170, Hex(0xFF6020), 0.6);
    AddGlow(cr, 220, 150, 90, Hex(0xFFC060), 0.9);
    AddGlow(cr, 220, 150, 45, kWhite, 1.0);
    AddFlare(cr, 220, 150, 200, 4, 0.2, Hex(0xFFD0A0), 0.6);
    Rng rng(1302);
    for (int i = 0; i < 26; ++i) {
        double a = rng.Range(0, 2 * kPi), d = rng.Range(60, 200);
        double x = 220 + std::cos(a) * d, y = 150 + std::sin(a) * d * 0.8;
        AddGlow(cr, x, y, rng.Range(2, 5), Hex(0xFFB060), 0.9);
        AddGlowEllipse(cr, x - std::cos(a) * 8, y - std::sin(a) * 6, 10, 1.5, a, Hex(0xFF7030), 0.5);
    }
    cairo_save(cr);
    cairo_set_line_width(cr, 3);
    SetRgb(cr, Hex(0xFFE0B0), 0.8);
    cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
    cairo_arc(cr, 220, 150, 120, 0, 2 * kPi);
    cairo_stroke(cr);
    cairo_restore(cr);
    PaintPlayerShip(cr, 150, 380, 1.8, Deg(25), Deg(-20));
    Text(cr, "THE FORTRESS FALLS", 220, 466, 15, Hex(0xFFE0C0), true, "DejaVu Sans", 0.5);
}

void EndHomeward(Canvas& c) {
    Planet(c, 300, 560, 330, Hex(0x0C3A78), Hex(0x2E6A3E), Hex(0x70C0FF), {-0.9, -0.6, 0.5}, 1401);
    Starfield(c, 1402, 40, 250);
    PaintPlayerShip(c.cr, 150, 170, 1.6, Deg(-20), Deg(20));
    Text(c.cr, "THE LONG WAY HOME", 220, 466, 15, Hex(0xD0E8FF), true, "DejaVu Sans", 0.5);
}

Model Station() {
    Model m;
    Rgb white = Hex(0xC8D0DC), blue = Hex(0x3060B0), dark = Hex(0x4A5264);
    // The habitat ring, in segments, round an open centre.
    for (int i = 0; i < 24; ++i) {
        double a0 = 2 * kPi * i / 24 + 0.01, a1 = 2 * kPi * (i + 1) / 24 - 0.01;
        Poly seg;
        for (int j = 0; j <= 3; ++j) {
            double a = Lerp(a0, a1, j / 3.0);
            seg.push_back({std::cos(a) * 150, std::sin(a) * 150});
        }
        for (int j = 3; j >= 0; --j) {
            double a = Lerp(a0, a1, j / 3.0);
            seg.push_back({std::cos(a) * 126, std::sin(a) * 126});
        }
        m.Add(Block(seg, 0, 8, 3.5, i % 4 == 0 ? blue : (i % 2 ? white : Scale(white, 0.88))));
        double am = (a0 + a1) / 2;
        if (i % 2 == 0)
            m.Add(Light(Circle(std::cos(am) * 138, std::sin(am) * 138, 2.2, 10), 8.1, Hex(0xFFE8A0)));
    }
    for (int i = 0; i < 6; ++i) {
        double a = 2 * kPi * i / 6;
        m.Add(Block(RotatePoly(Rect(-7, -128, 7, -40), a), 2, 7, 2, dark));
        m.Add(Block(RotatePoly(Chamfer(-20, -158, 20, -118, 6), a), 8, 12, 3, white));
        m.Add(Light(RotatePoly(Rect(-12, -150, 12, -146), a), 12.1, Hex(0x70D0FF)));
    }
    m.Add(Block(Circle(0, 0, 44, 40), 4, 16, 5, white));
    m.Add(Block(Circle(0, 0, 26, 32), 16, 22, 3, blue));
    Plate core = Dome(0, 0, 12, 22, 6, Hex(0x90E0FF), 24);
    core.emissive = true;
    m.Add(core);
    m.glows.push_back({{0, 0, 30}, 30, Hex(0x60C0FF), 0.8});
    return m;
}

void EndHomePort(Canvas& c) {
    Starfield(c, 1501, 70);
    View v;
    v.cx = 220;
    v.cy = 200;
    v.scale = 1.05;
    v.heading = Deg(15);
    RenderModel(c.cr, Station(), v);
    for (int i = 0; i < 5; ++i)
        AddGlow(c.cr, 120 + i * 50, 380 - i * 22, 3, Hex(0x80FF80), 0.9);
    PaintPlayerShip(c.cr, 300, 400, 1.2, 0, Deg(-35));
    Text(c.cr, "HOME PORT", 220, 466, 15, Hex(0xD0E8FF), true, "DejaVu Sans", 0.5);
}

void EndHangar(Canvas& c) {
    cairo_t* cr = c.cr;
    Model m;
    // Deck plates of the hangar bay, a landing ring and hazard edges.
    for (int row = 0; row < 6; ++row)
        for (int col = 0; col < 5; ++col) {
            Plate p = Block(Rect(22 + col * 80, 24 + row * 70, 98 + col * 80, 90 + row * 70), 0, 2, 1.5,
                            Scale(Hex(0x2A303C), 0.9 + 0.1 * ((row + col) % 2)));
            m.Add(p);
        }
    for (int i = 0; i < 20; ++i) {
        double y = 24 + i * 21;
        Rgb col = i % 2 ? Hex(0x242424) : Hex(0xD0A020);
        m.Add(Decal({{12, y}, {20, y}, {20, y + 10}, {12, y + 21}}, 2.1, col));
        m.Add(Decal({{420, y}, {428, y}, {428, y + 21}, {420, y + 10}}, 2.1, col));
    }
    m.Add(Block(Circle(220, 240, 120, 64), 2, 2.6, 0.4, Hex(0x2C323E)));
    m.Add(Block(Circle(220, 240, 112, 64), 2.6, 3.0, 0.3, Hex(0x3A4250)));
    for (int i = 0; i < 12; ++i) {
        double a = 2 * kPi * i / 12;
        m.Add(Light(Circle(220 + std::cos(a) * 116, 240 + std::sin(a) * 116, 2.2, 10), 3.1, Hex(0x60C0FF)));
    }
    RenderModel(cr, m, View{});
    Weather(c, 1801, 0.15, 20);
    AddGlowEllipse(cr, 220, 240, 130, 130, 0, Hex(0x2050A0), 0.25);
    PaintPlayerShip(cr, 220, 236, 2.6, 0);
    Text(cr, "AT REST", 220, 466, 15, Hex(0xD0E8FF), true, "DejaVu Sans", 0.5);
}

void EndDawn(Canvas& c) {
    cairo_t* cr = c.cr;
    Planet(c, 220, 700, 420, Hex(0x0A2850), Hex(0x3A5A30), Hex(0xFF9A50), {0.0, -1.0, 0.05}, 1601);
    Starfield(c, 1602, 50, 230);
    AddGlowEllipse(cr, 220, 282, 240, 30, 0, Hex(0xFFA040), 0.8);
    AddGlow(cr, 220, 282, 60, Hex(0xFFF0C0), 1.0);
    AddFlare(cr, 220, 282, 150, 4, 0, Hex(0xFFE0A0), 0.7);
    PaintPlayerShip(cr, 300, 150, 1.3, Deg(15), Deg(30));
    Text(cr, "A NEW DAWN", 220, 466, 15, Hex(0xFFE8C8), true, "DejaVu Sans", 0.5);
}

void EndGalaxy(Canvas& c) {
    cairo_t* cr = c.cr;
    Starfield(c, 1701, 90);
    ShadeRegion(
        c, 0, 0, c.w, c.h,
        [&](double x, double y) {
            double dx = (x - 220) / 170, dy = (y - 200) / 80;
            double r = std::sqrt(dx * dx + dy * dy);
            if (r > 1.3) return Rgba{};
            double a = std::atan2(dy, dx);
            double arm = 0.5 + 0.5 * std::cos(2 * a - 5.5 * r);
            double v = std::exp(-r * 2.2) * 1.2 + arm * Smooth(1.2, 0.2, r) * 0.45;
            v *= 0.85 + 0.3 * PeriodicNoise(x / 12, y / 12, 64, 64, 1702);
            Rgb col = Mix(Hex(0xFFE8C0), Hex(0x6080FF), Clamp01(r * 1.1));
            return Rgba{col.r, col.g, col.b, Clamp01(v)};
        },
        true);
    PaintPlayerShip(cr, 220, 380, 0.9, 0);
    AddGlowEllipse(cr, 220, 420, 6, 22, 0, Hex(0x4080FF), 0.6);
    TextFancy(cr, "MISSION COMPLETE", 220, 466, 20, kWhite, Hex(0x80C8FF), Hex(0x081830), 1.8, "DejaVu Sans",
              0.5);
}

// ---------------------------------------------------------------- HUD

void ScoreDigits(Canvas& c) {
    for (int d = 0; d < 10; ++d) {
        std::string s(1, static_cast<char>('0' + d));
        TextFancy(c.cr, s, d * 20 + 10, 22.5, 26, kWhite, Hex(0x38A8F0), Hex(0x0A1A38), 1.6, "DejaVu Sans",
                  0.5);
    }
}

void HudSheet(Canvas& c) {
    // Small digits 0-9, 7x10 cells at x = 7d + 8 on the row y 70..79.
    for (int d = 0; d < 10; ++d) {
        int x = 7 * d + 8;
        std::string s(1, static_cast<char>('0' + d));
        PixelText(c, s, x + 2, 72, 1, Hex(0x0C2038)); // shadow
        PixelText(c, s, x + 1, 71, 1, Hex(0xB8F0FF));
    }
    // The logo strip (55x10 at x 81).
    PixelText(c, "VEX", 82, 71, 1, Hex(0xFFD060));
    PixelText(c, "TALON", 82 + 3 * 6 + 3, 71, 1, Hex(0xFFD060));
    // Star streaks, 3x10 at x = 139 + 3f: a bright head with a fading tail above it.
    const uint32_t starCols[7] = {0xFFFFFF, 0xB0D0FF, 0xFFF0B0, 0xC8C8D8, 0x80A8FF, 0xA0A0B0, 0xFFC090};
    uint32_t* px = c.Begin();
    int stride = c.StridePixels();
    for (int f = 0; f < 7; ++f) {
        Rgb col = Hex(starCols[f]);
        int len = 3 + (f * 3) % 6;
        int x = 139 + 3 * f + 1;
        for (int i = 0; i <= len; ++i) {
            double k = i == 0 ? 1.0 : 0.75 * (1.0 - static_cast<double>(i) / (len + 1));
            int y = 78 - i;
            auto q = [&](double v) { return static_cast<uint32_t>(std::max(9.0, v * k * 255.0) + 0.5); };
            px[y * stride + x] = 0xFF000000u | (q(col.r) << 16) | (q(col.g) << 8) | q(col.b);
        }
        // A faint cross at the head of the brightest stars.
        if (f == 0 || f == 2) {
            auto dim = [&](double v) { return static_cast<uint32_t>(std::max(9.0, v * 0.45 * 255.0) + 0.5); };
            uint32_t p = 0xFF000000u | (dim(col.r) << 16) | (dim(col.g) << 8) | dim(col.b);
            px[78 * stride + x - 1] = p;
            px[78 * stride + x + 1] = p;
        }
    }
    c.End();
    // Labels: bombs (x 170) and ships (x 200), 24x10 each.
    PixelText(c, "BOMB", 170 + 1, 72, 1, Hex(0x301000), 1);
    PixelText(c, "BOMB", 170, 71, 1, Hex(0xFFB040), 1);
    PixelText(c, "SHIP", 200 + 1, 72, 1, Hex(0x301000), 1);
    PixelText(c, "SHIP", 200, 71, 1, Hex(0xFFB040), 1);
}

} // namespace

void AddScreenPainters(PainterMap& m) {
    m["TITLEC"] = [](Canvas& c) { Title(c); };
    m["LEVEL1"] = [](Canvas& c) { Setup(c); };
    m["LEVEL0"] = [](Canvas& c) { WeaponSelect(c); };
    m["CONTINU1"] = [](Canvas& c) { Continue(c); };
    m["MYGOODN"] = [](Canvas& c) { Banner(c); };
    m["MESO1"] = [](Canvas& c) { Warning(c); };
    m["VXTLCG1"] = [](Canvas& c) { EndFortressFalls(c); };
    m["VXTLCG2"] = [](Canvas& c) { EndHomeward(c); };
    m["VXTLCG3"] = [](Canvas& c) { EndHomePort(c); };
    m["VXTLCG4"] = [](Canvas& c) { EndHangar(c); };
    m["VXTLCG5"] = [](Canvas& c) { EndDawn(c); };
    m["VXTLCG6"] = [](Canvas& c) { EndGalaxy(c); };
    m["SUJI09"] = [](Canvas& c) { ScoreDigits(c); };
    m["MYMY"] = [](Canvas& c) { HudSheet(c); };
    m["RPANEL3R"] = [](Canvas& c) {
        Model md;
        md.Add(Block(Rect(4, 0, 96, 480), 0, 4, 3, Hex(0x4A5466)));
        for (int i = 0; i < 8; ++i) {
            md.Add(Block(Chamfer(14, 12 + i * 58, 86, 58 + i * 58, 6), 4, 6, 2, Hex(0x5A6678)));
            md.Add(Light(Circle(50, 35 + i * 58, 3, 12), 6.1, Hex(0x40C0FF)));
        }
        RenderModel(c.cr, md, View{});
    };
    m["RPANEL2R"] = [](Canvas& c) {
        Model md;
        md.Add(Block(Rect(4, 0, 96, 480), 0, 4, 3, Hex(0x50485A)));
        for (int i = 0; i < 12; ++i)
            md.Add(Decal(Rect(16, 20 + i * 38, 84, 26 + i * 38), 4.1, Hex(0x2A2632)));
        for (int i = 0; i < 6; ++i)
            md.Add(Light(Rect(44, 44 + i * 76, 56, 50 + i * 76), 4.1, Hex(0xFF6040)));
        RenderModel(c.cr, md, View{});
    };
    m["FLZ01_l"] = [](Canvas& c) {
        cairo_rectangle(c.cr, 5, 0, 10, 60);
        cairo_pattern_t* g = cairo_pattern_create_linear(5, 0, 15, 0);
        cairo_pattern_add_color_stop_rgb(g, 0, 0.1, 0.35, 0.9);
        cairo_pattern_add_color_stop_rgb(g, 0.5, 1, 1, 1);
        cairo_pattern_add_color_stop_rgb(g, 1, 0.1, 0.35, 0.9);
        cairo_set_source(c.cr, g);
        cairo_fill(c.cr);
        cairo_pattern_destroy(g);
    };
    m["ROCK1"] = [](Canvas& c) {
        cairo_t* cr = c.cr;
        SetRgb(cr, Hex(0x40FF70));
        cairo_set_line_width(cr, 2);
        cairo_arc(cr, 30, 30, 17, 0, 2 * kPi);
        cairo_stroke(cr);
        cairo_set_line_width(cr, 3);
        for (int i = 0; i < 4; ++i) {
            cairo_save(cr);
            cairo_translate(cr, 30, 30);
            cairo_rotate(cr, i * kPi / 2);
            cairo_move_to(cr, -27, -17);
            cairo_line_to(cr, -27, -27);
            cairo_line_to(cr, -17, -27);
            cairo_stroke(cr);
            cairo_move_to(cr, 0, -22);
            cairo_line_to(cr, 0, -12);
            cairo_stroke(cr);
            cairo_restore(cr);
        }
        SetRgb(cr, Hex(0xFF4040));
        cairo_arc(cr, 30, 30, 2.5, 0, 2 * kPi);
        cairo_fill(cr);
    };
}

} // namespace paint
