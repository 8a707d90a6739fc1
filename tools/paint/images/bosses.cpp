// Boss bodies and their approach silhouettes. Each boss is a large symmetric
// machine facing down, with its own livery.
#include "paint.h"

namespace paint {

namespace {

struct BossLivery {
    Rgb hull, dark, accent, trim, light;
};

const BossLivery kBoss2 = {Hex(0x7A808E), Hex(0x3C404C), Hex(0xB02428), Hex(0xD8D0B8), Hex(0xFF4020)};
const BossLivery kBoss3 = {Hex(0x86826E), Hex(0x45423A), Hex(0xC87A1C), Hex(0xE0D8B8), Hex(0xFFB030)};
const BossLivery kBoss5 = {Hex(0x7C7494), Hex(0x3E384E), Hex(0x7A2EB0), Hex(0xD8C8F0), Hex(0xFF40D0)};
const BossLivery kBoss6 = {Hex(0x6E8088), Hex(0x37444A), Hex(0x168A80), Hex(0xC8E0E0), Hex(0x40FFE0)};
const BossLivery kBoss8 = {Hex(0x5A5E6A), Hex(0x2A2C34), Hex(0xC89A30), Hex(0xF0E0A0), Hex(0xFF3030)};
const BossLivery kBoss7 = {Hex(0x6E8468), Hex(0x384434), Hex(0x5A9A2A), Hex(0xD8E8C0), Hex(0xA0FF40)};

Plate Armour(const Poly& outline, double z0, double z1, double bevel, Rgb colour,
             std::vector<std::pair<V2, V2>> lines = {}) {
    Plate p = Slab(outline, z0, (z1 - z0) * 0.3, bevel, (z1 - z0) * 0.7, colour);
    p.lines = std::move(lines);
    p.lineColour = Scale(colour, 0.45);
    p.lineWidth = 0.8;
    return p;
}

// Adds a plate on the right and its mirror on the left.
void Both(Model& m, const Plate& p) {
    m.Add(p);
    Plate q = p;
    q.outline = FlipX(p.outline);
    for (auto& l : q.lines)
        l = {{-l.first.x, l.first.y}, {-l.second.x, l.second.y}};
    m.Add(q);
}

void Turret(Model& m, double x, double y, double r, double z, const BossLivery& l, int barrels) {
    m.Add(Block(Circle(x, y, r, 24), z, z + 2, 1.6, l.dark));
    double spacing = r * 0.42;
    for (int b = 0; b < barrels; ++b) {
        double bx = x + (b - (barrels - 1) / 2.0) * spacing;
        m.Add(Block(Rect(bx - r * 0.13, y - r * 1.7, bx + r * 0.13, y - r * 0.3), z + 3, z + 4.4, 0.4,
                    Hex(0x4C505A)));
        m.Add(Light(Rect(bx - r * 0.08, y - r * 1.7, bx + r * 0.08, y - r * 1.6), z + 4.45, Hex(0x202228)));
    }
    m.Add(Dome(x, y, r * 0.74, z + 2, r * 0.55, l.hull, 24));
    m.Add(Light(Circle(x, y - r * 0.28, r * 0.15, 10), z + 2 + r * 0.55, l.light));
}

void Nozzle(Model& m, double x, double y, double rx, double ry, double z, Rgb hot) {
    m.Add(Block(Ellipse(x, y, rx + 2, ry + 1.5, 20), z - 2, z, 1.2, Hex(0x2A2C32)));
    m.Add(Light(Ellipse(x, y, rx, ry, 20), z + 0.05, Mix(hot, Rgb{1, 1, 1}, 0.3)));
    m.glows.push_back({{x, y, z + 1}, std::max(rx, ry) * 2.2, hot, 0.65});
}

void Core(Model& m, double x, double y, double r, double z, const BossLivery& l) {
    m.Add(Block(Circle(x, y, r * 1.45, 36), z, z + 3, 2.5, l.dark));
    for (int i = 0; i < 12; ++i) {
        double a = 2 * kPi * i / 12;
        Poly rib = RotatePoly(Rect(-r * 0.1, -r * 1.42, r * 0.1, -r * 1.08), a);
        m.Add(Block(Translate(rib, x, y), z + 3, z + 4.5, 0.6, l.trim));
    }
    Plate glass = Dome(x, y, r, z + 3, r * 0.6, l.light, 32);
    glass.emissive = true;
    m.Add(glass);
    Plate hot = Dome(x, y, r * 0.5, z + 3 + r * 0.35, r * 0.3, Mix(l.light, Rgb{1, 1, 1}, 0.6), 24);
    hot.emissive = true;
    m.Add(hot);
    m.glows.push_back({{x, y, z + 10}, r * 2.4, l.light, 0.8});
}

// Small raised details scattered over a region of the right half, mirrored.
void Greebles(Model& m, Rng& rng, double x0, double y0, double x1, double y1, double z, int count,
              const BossLivery& l) {
    for (int i = 0; i < count; ++i) {
        double w = rng.Range(4, 12), h = rng.Range(4, 16);
        double x = rng.Range(x0, x1 - w), y = rng.Range(y0, y1 - h);
        int kind = rng.Int(5);
        Rgb col = kind == 0 ? l.dark
                            : (kind == 1 ? Mix(l.hull, l.trim, 0.35) : Scale(l.hull, rng.Range(0.82, 1.05)));
        if (kind == 4) {
            Both(m, Decal(Rect(x, y, x + w, y + 1.6), z + 0.05, l.dark));
            Both(m, Decal(Rect(x, y + 3, x + w, y + 4.6), z + 0.05, l.dark));
            continue;
        }
        Both(m, Block(Rect(x, y, x + w, y + h), z, z + rng.Range(1.2, 3.0), 1.0, col));
        if (rng.Chance(0.25)) Both(m, Light(Circle(x + w / 2, y + h / 2, 1.1, 8), z + 3.1, l.light));
    }
}

// A row of vent slits across a plate.
void Vents(Model& m, double x0, double y0, double x1, int count, double pitch, double z, Rgb c) {
    for (int i = 0; i < count; ++i)
        Both(m, Decal(Rect(x0, y0 + i * pitch, x1, y0 + i * pitch + pitch * 0.45), z, c));
}

// ---------------------------------------------------------------- the bosses

Model Boss2() { // first stage boss: a crimson dreadnought (440x360)
    const BossLivery& l = kBoss2;
    Model m;
    Rng rng(11);
    m.Add(Armour(MirrorX({{0, -70},
                          {110, -56},
                          {200, -4},
                          {214, 40},
                          {206, 92},
                          {150, 120},
                          {90, 118},
                          {50, 160},
                          {0, 168}}),
                 0, 8, 4, l.hull,
                 {{{60, -62}, {60, 150}},
                  {{120, -48}, {120, 118}},
                  {{170, -20}, {170, 110}},
                  {{0, 60}, {206, 60}},
                  {{-60, -62}, {-60, 150}},
                  {{-120, -48}, {-120, 118}},
                  {{-170, -20}, {-170, 110}},
                  {{-206, 60}, {0, 60}}}));
    Both(m, Armour({{130, -40}, {200, 0}, {208, 40}, {140, 20}}, 8, 12, 2.5, l.accent));
    Greebles(m, rng, 70, -30, 200, 110, 8, 26, l);
    // Engine blocks at the tail.
    Both(m, Armour(Chamfer(150, 40, 196, 142, 10), 6, 20, 4, l.dark,
                   {{{150, 80}, {196, 80}}, {{150, 110}, {196, 110}}}));
    Nozzle(m, 173, 138, 14, 4, 20, Hex(0xFF7030));
    Nozzle(m, -173, 138, 14, 4, 20, Hex(0xFF7030));
    Both(m, Armour(Chamfer(82, 70, 120, 150, 8), 6, 16, 3.5, l.dark));
    Nozzle(m, 101, 147, 11, 3.5, 16, Hex(0xFF7030));
    Nozzle(m, -101, 147, 11, 3.5, 16, Hex(0xFF7030));
    // Spine and prow.
    m.Add(Armour(MirrorX({{0, -176}, {18, -160}, {40, -100}, {52, -20}, {54, 120}, {40, 170}, {0, 176}}), 0,
                 24, 6, l.hull, {{{-40, -60}, {40, -60}}, {{-48, 40}, {48, 40}}, {{-48, 100}, {48, 100}}}));
    m.Add(Armour(MirrorX({{0, -170}, {12, -156}, {24, -120}, {16, -104}, {0, -110}}), 24, 27, 2, l.accent));
    Both(m, Decal({{26, -96}, {44, -40}, {44, -20}, {30, -60}}, 24.05, l.accent));
    Vents(m, 14, 120, 34, 5, 8, 24.05, l.dark);
    // Main cannons along the prow.
    Both(m, Block(Rect(24, -176, 32, -110), 16, 20, 1.2, Hex(0x50545E)));
    Both(m, Light(Rect(25.5, -176, 30.5, -172), 20.05, Hex(0x1C1D22)));
    Core(m, 0, 10, 26, 24, l);
    Turret(m, 96, -24, 16, 12, l, 2);
    Turret(m, -96, -24, 16, 12, l, 2);
    Turret(m, 160, 12, 13, 12, l, 2);
    Turret(m, -160, 12, 13, 12, l, 2);
    Turret(m, 0, 80, 18, 27, l, 3);
    Turret(m, 0, -70, 12, 27, l, 1);
    return m;
}

Model Boss3() { // second stage boss: a wide amber carrier (500x400), wider than the field
    const BossLivery& l = kBoss3;
    Model m;
    Rng rng(71);
    m.Add(Armour(MirrorX({{0, -40},
                          {90, -60},
                          {180, -70},
                          {244, -30},
                          {246, 10},
                          {200, 40},
                          {130, 70},
                          {70, 130},
                          {30, 190},
                          {0, 194}}),
                 0, 8, 4, l.hull,
                 {{{50, -44}, {50, 170}},
                  {{110, -60}, {110, 70}},
                  {{180, -66}, {180, 40}},
                  {{0, 0}, {244, 0}},
                  {{-50, -44}, {-50, 170}},
                  {{-110, -60}, {-110, 70}},
                  {{-180, -66}, {-180, 40}},
                  {{-244, 0}, {0, 0}}}));
    Both(m, Armour({{190, -62}, {242, -28}, {244, 6}, {196, -20}}, 8, 12, 2.5, l.accent));
    Greebles(m, rng, 60, -50, 230, 50, 8, 30, l);
    // Flight deck strips with landing lights.
    for (double x : {130.0, 160.0}) {
        Both(m, Decal(Rect(x, -56, x + 14, 46), 8.05, Hex(0x3A3830)));
        for (int i = 0; i < 6; ++i)
            Both(m, Light(Rect(x + 6, -50 + i * 17, x + 8, -46 + i * 17), 8.1, l.light));
    }
    Both(m, Armour(Chamfer(60, 60, 104, 150, 10), 6, 20, 4, l.dark));
    Nozzle(m, 82, 146, 14, 4, 20, Hex(0xFF8830));
    Nozzle(m, -82, 146, 14, 4, 20, Hex(0xFF8830));
    Both(m, Armour(Chamfer(206, -6, 238, 44, 8), 6, 18, 3, l.dark));
    Nozzle(m, 222, 40, 10, 3.5, 18, Hex(0xFF8830));
    Nozzle(m, -222, 40, 10, 3.5, 18, Hex(0xFF8830));
    m.Add(Armour(MirrorX({{0, -196}, {22, -170}, {44, -100}, {50, 0}, {46, 150}, {26, 196}, {0, 198}}), 0, 26,
                 6, l.hull, {{{-40, -110}, {40, -110}}, {{-48, -40}, {48, -40}}, {{-48, 60}, {48, 60}}}));
    m.Add(Armour(MirrorX({{0, -150}, {28, -126}, {34, -60}, {0, -44}}), 26, 30, 3, l.dark));
    m.Add(Armour(MirrorX({{0, -192}, {14, -174}, {20, -150}, {0, -156}}), 26, 29, 2, l.accent));
    Vents(m, 12, 100, 38, 6, 9, 26.05, l.dark);
    Core(m, 0, 30, 24, 26, l);
    Turret(m, 0, -96, 14, 30, l, 2);
    Turret(m, 84, -40, 15, 12, l, 2);
    Turret(m, -84, -40, 15, 12, l, 2);
    Turret(m, 140, 58, 12, 8, l, 2);
    Turret(m, -140, 58, 12, 8, l, 2);
    Turret(m, 214, -42, 11, 12, l, 1);
    Turret(m, -214, -42, 11, 12, l, 1);
    return m;
}

Model Boss5() { // third stage boss: a violet manta with claws (440x380)
    const BossLivery& l = kBoss5;
    Model m;
    Rng rng(41);
    m.Add(Armour(MirrorX({{0, -100},
                          {70, -120},
                          {150, -150},
                          {214, -120},
                          {200, -60},
                          {160, 0},
                          {190, 70},
                          {150, 120},
                          {80, 150},
                          {40, 184},
                          {0, 186}}),
                 0, 8, 5, l.hull,
                 {{{60, -110}, {60, 160}},
                  {{130, -140}, {150, 100}},
                  {{-60, -110}, {-60, 160}},
                  {{-130, -140}, {-150, 100}}}));
    // Claws reaching forward (down on screen).
    Both(m, Armour({{120, -136}, {200, -184}, {214, -168}, {168, -110}}, 6, 16, 3, l.dark));
    Both(m, Armour({{196, -186}, {208, -188}, {200, -160}}, 16, 18, 1, l.trim));
    Both(m, Armour({{150, -90}, {196, -60}, {190, -40}, {150, -60}}, 8, 12, 2, l.accent));
    Greebles(m, rng, 70, -100, 180, 110, 8, 24, l);
    Both(m, Armour(Ellipse(124, 60, 30, 46, 28), 6, 20, 6, l.dark));
    Both(m, Dome(124, 60, 16, 20, 8, l.hull, 24));
    Core(m, 124, 60, 9, 22, l);
    Both(m, Armour(Chamfer(66, 100, 100, 170, 8), 6, 18, 3.5, l.dark));
    Nozzle(m, 83, 166, 11, 3.5, 18, Hex(0xFF60E0));
    Nozzle(m, -83, 166, 11, 3.5, 18, Hex(0xFF60E0));
    m.Add(Armour(MirrorX({{0, -188}, {26, -160}, {46, -90}, {50, 60}, {36, 150}, {0, 170}}), 0, 24, 6, l.hull,
                 {{{-40, -60}, {40, -60}}, {{-48, 20}, {48, 20}}, {{-40, 110}, {40, 110}}}));
    m.Add(Armour(MirrorX({{0, -184}, {16, -164}, {22, -130}, {0, -136}}), 24, 27, 2, l.accent));
    for (int i = 0; i < 5; ++i)
        Both(m, Decal(Rect(28, -110 + i * 14, 40, -104 + i * 14), 24.05, l.accent));
    Core(m, 0, -30, 22, 24, l);
    Turret(m, 0, 60, 16, 27, l, 2);
    Turret(m, 0, 120, 12, 27, l, 1);
    Turret(m, 90, -80, 14, 8, l, 2);
    Turret(m, -90, -80, 14, 8, l, 2);
    return m;
}

Model Boss6() { // fourth stage boss: a tall teal tower with two beam emitters (380x460)
    const BossLivery& l = kBoss6;
    Model m;
    Rng rng(51);
    // Model y = -(screen y - 230); the beam emitters hang at screen y ~205, x 81 and 299.
    m.Add(Armour(
        MirrorX({{0, -120}, {70, -100}, {150, -40}, {186, 40}, {180, 150}, {130, 200}, {60, 226}, {0, 228}}),
        0, 8, 5, l.hull,
        {{{50, -110}, {50, 220}},
         {{110, -76}, {110, 190}},
         {{-50, -110}, {-50, 220}},
         {{-110, -76}, {-110, 190}},
         {{-180, 100}, {180, 100}}}));
    Greebles(m, rng, 60, 0, 170, 200, 8, 30, l);
    // Beam emitter pods; their lenses sit where the beams start (screen y ~205).
    Both(m, Armour(Chamfer(84, 10, 134, 110, 10), 6, 22, 4, l.dark,
                   {{{84, 60}, {134, 60}}, {{84, 85}, {134, 85}}}));
    Both(m, Armour({{90, 8}, {128, 8}, {122, 0}, {96, 0}}, 6, 16, 2, l.accent));
    for (double s : {-1.0, 1.0}) {
        m.Add(Block(Circle(s * 109, 25, 17, 28), 22, 24, 1.5, l.trim));
        Plate lens = Dome(s * 109, 25, 13, 24, 7, l.light, 28);
        lens.emissive = true;
        m.Add(lens);
        m.glows.push_back({{s * 109, 25, 32}, 30, l.light, 0.8});
    }
    Both(m, Armour({{140, 20}, {182, 40}, {180, 140}, {146, 120}}, 8, 14, 3, l.accent));
    Both(m, Armour(Chamfer(60, 150, 100, 224, 8), 6, 18, 3.5, l.dark));
    Nozzle(m, 80, 220, 12, 3.5, 18, Hex(0x60E0FF));
    Nozzle(m, -80, 220, 12, 3.5, 18, Hex(0x60E0FF));
    // Tall central tower, its prow reaching down.
    m.Add(Armour(MirrorX({{0, -228}, {22, -200}, {40, -130}, {50, 0}, {46, 180}, {30, 226}, {0, 230}}), 0, 26,
                 6, l.hull,
                 {{{-40, -150}, {40, -150}},
                  {{-48, -60}, {48, -60}},
                  {{-48, 60}, {48, 60}},
                  {{-44, 150}, {44, 150}}}));
    m.Add(Armour(MirrorX({{0, -222}, {14, -200}, {22, -166}, {0, -172}}), 26, 29, 2, l.accent));
    m.Add(Armour(Chamfer(-30, -130, 30, -70, 10), 26, 30, 3, l.dark));
    Vents(m, 14, 80, 40, 7, 9, 26.05, l.dark);
    Core(m, 0, 10, 24, 26, l);
    Turret(m, 0, -100, 14, 30, l, 2);
    Turret(m, 0, 150, 14, 26, l, 2);
    Turret(m, 150, -10, 13, 8, l, 2);
    Turret(m, -150, -10, 13, 8, l, 2);
    return m;
}

Model Boss8() { // last stage boss: black and gold, a great red core (460x380)
    const BossLivery& l = kBoss8;
    Model m;
    Rng rng(31);
    m.Add(Armour(MirrorX({{0, -90},
                          {80, -110},
                          {160, -90},
                          {226, -30},
                          {228, 40},
                          {190, 110},
                          {120, 150},
                          {60, 186},
                          {0, 190}}),
                 0, 8, 5, l.hull,
                 {{{70, -100}, {70, 170}},
                  {{150, -84}, {150, 130}},
                  {{-70, -100}, {-70, 170}},
                  {{-150, -84}, {-150, 130}},
                  {{-226, 20}, {226, 20}}}));
    Both(m, Armour({{160, -84}, {224, -26}, {226, 10}, {170, -30}}, 8, 13, 3, l.accent));
    Both(m, Armour({{100, 130}, {186, 100}, {190, 112}, {110, 146}}, 8, 12, 2, l.accent));
    Greebles(m, rng, 80, -80, 210, 100, 8, 34, l);
    // Horn blades reaching forward.
    Both(m, Armour({{60, -100}, {110, -180}, {124, -176}, {100, -96}}, 8, 20, 3, l.dark));
    Both(m, Armour({{106, -178}, {122, -186}, {120, -168}}, 20, 22, 1, l.accent));
    Both(m, Armour(Chamfer(150, 40, 200, 130, 10), 6, 22, 4, l.dark));
    Nozzle(m, 175, 126, 14, 4, 22, Hex(0xFF5030));
    Nozzle(m, -175, 126, 14, 4, 22, Hex(0xFF5030));
    m.Add(Armour(MirrorX({{0, -190}, {30, -160}, {60, -80}, {64, 80}, {40, 170}, {0, 190}}), 0, 26, 7, l.hull,
                 {{{-50, -110}, {50, -110}}, {{-58, 110}, {58, 110}}}));
    m.Add(Armour(MirrorX({{0, -186}, {18, -164}, {26, -130}, {0, -138}}), 26, 30, 2, l.accent));
    Vents(m, 16, 120, 44, 5, 9, 26.05, l.dark);
    // The great core in its gold frame.
    m.Add(Armour(RotatePoly(Circle(0, -10, 64, 8), kPi / 8), 26, 32, 4, l.accent));
    Core(m, 0, -10, 36, 32, l);
    Turret(m, 110, -40, 16, 12, l, 3);
    Turret(m, -110, -40, 16, 12, l, 3);
    Turret(m, 180, 20, 13, 12, l, 2);
    Turret(m, -180, 20, 13, 12, l, 2);
    Turret(m, 0, 110, 16, 26, l, 2);
    Turret(m, 0, -120, 12, 26, l, 2);
    return m;
}

Model Boss7() { // the unplayed stage's boss: green, built like a forked fortress (460x400)
    const BossLivery& l = kBoss7;
    Model m;
    Rng rng(61);
    m.Add(Armour(MirrorX({{0, -60},
                          {60, -80},
                          {90, -190},
                          {140, -196},
                          {150, -90},
                          {222, -40},
                          {226, 60},
                          {180, 140},
                          {100, 180},
                          {0, 196}}),
                 0, 8, 5, l.hull,
                 {{{60, -70}, {60, 180}},
                  {{120, -190}, {130, 150}},
                  {{-60, -70}, {-60, 180}},
                  {{-120, -190}, {-130, 150}},
                  {{-222, 20}, {222, 20}}}));
    Both(m, Armour({{92, -186}, {138, -192}, {142, -150}, {96, -150}}, 8, 16, 3, l.dark));
    Both(m, Light(Rect(108, -196, 124, -190), 16.1, l.light));
    Greebles(m, rng, 70, -60, 210, 140, 8, 30, l);
    Both(m, Armour(Chamfer(160, -20, 210, 90, 10), 6, 22, 4, l.dark));
    Both(m, Armour({{164, -30}, {206, -30}, {200, -14}, {170, -14}}, 22, 25, 2, l.accent));
    Nozzle(m, 185, 86, 14, 4, 22, Hex(0xB0FF60));
    Nozzle(m, -185, 86, 14, 4, 22, Hex(0xB0FF60));
    m.Add(Armour(MirrorX({{0, -140}, {30, -120}, {50, -40}, {54, 120}, {34, 190}, {0, 198}}), 0, 24, 6,
                 l.hull, {{{-44, -40}, {44, -40}}, {{-50, 60}, {50, 60}}}));
    m.Add(Armour(MirrorX({{0, -136}, {18, -120}, {24, -94}, {0, -98}}), 24, 27, 2, l.accent));
    Vents(m, 14, 130, 40, 6, 9, 24.05, l.dark);
    Core(m, 0, 10, 26, 24, l);
    Turret(m, 115, -120, 14, 16, l, 2);
    Turret(m, -115, -120, 14, 16, l, 2);
    Turret(m, 100, 40, 15, 8, l, 2);
    Turret(m, -100, 40, 15, 8, l, 2);
    Turret(m, 0, 100, 16, 24, l, 3);
    return m;
}

// The huge shape seen from below as it passes overhead: dark, with running lights.
Model Silhouette(Model m, Rgb tint) {
    for (Plate& p : m.plates) {
        if (p.emissive) {
            p.colour = Mix(p.colour, tint, 0.3);
            continue;
        }
        p.colour = Mix(Scale(p.colour, 0.22), Scale(tint, 0.16), 0.6);
        p.gloss = 0.15;
        p.lineColour = Scale(p.colour, 0.6);
    }
    for (Glow3& g : m.glows)
        g.strength *= 0.6;
    return m;
}

void DrawBoss(Canvas& c, const Model& m, double cx, double cy, double scale = 1.0) {
    View v;
    v.cx = cx;
    v.cy = cy;
    v.scale = scale;
    v.heading = kPi;
    RenderModel(c.cr, m, v);
    Weather(c, 91, 0.16, 26);
}

void Floodlights(Canvas& c, Rng& rng, int count, Rgb colour) {
    for (int i = 0; i < count; ++i) {
        double x = rng.Range(0.15, 0.85) * c.w, y = rng.Range(0.1, 0.9) * c.h;
        AddGlow(c.cr, x, y, 3.5, colour, 0.9);
    }
}

} // namespace

void AddBossPainters(PainterMap& m) {
    m["BOSS11"] = [](Canvas& c) { DrawBoss(c, Boss2(), 220, 180); };
    m["BOSS71"] = [](Canvas& c) { DrawBoss(c, Boss3(), 250, 200); };
    m["BOSS41"] = [](Canvas& c) { DrawBoss(c, Boss5(), 220, 190); };
    m["BOSS51"] = [](Canvas& c) { DrawBoss(c, Boss6(), 190, 230); };
    m["BOSS31"] = [](Canvas& c) { DrawBoss(c, Boss8(), 230, 190); };
    m["BOSS61"] = [](Canvas& c) { DrawBoss(c, Boss7(), 230, 200); };
    m["BOS111"] = [](Canvas& c) {
        DrawBoss(c, Silhouette(Boss2(), Hex(0x203048)), 240, 240, 1.09);
        Rng rng(111);
        Floodlights(c, rng, 10, Hex(0xFF6040));
    };
    m["BOS511"] = [](Canvas& c) {
        DrawBoss(c, Silhouette(Boss6(), Hex(0x183840)), 240, 240, 1.04);
        Rng rng(511);
        Floodlights(c, rng, 10, Hex(0x60FFE0));
    };
}

} // namespace paint
