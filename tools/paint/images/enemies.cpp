// Enemy craft: small fighters, squads, spinners and large gunships. All are
// built nose up in model space and turned to face the way they fly.
#include "paint.h"

namespace paint {

namespace {

struct Livery {
    Rgb hull, dark, accent, light;
};

const Livery kCrimson = {Hex(0x727888), Hex(0x3E4350), Hex(0xC0282C), Hex(0xFF5030)};
const Livery kAmber = {Hex(0x7C7A70), Hex(0x45433C), Hex(0xD88A20), Hex(0xFFB040)};
const Livery kTeal = {Hex(0x6A7C84), Hex(0x384548), Hex(0x1E9A8A), Hex(0x40FFD0)};
const Livery kViolet = {Hex(0x767090), Hex(0x403A52), Hex(0x8A3AC0), Hex(0xFF50E0)};
const Livery kOlive = {Hex(0x7A8068), Hex(0x43473A), Hex(0xB84A22), Hex(0xFF7030)};

View Facing(double cx, double cy, double headingDeg, double scale = 1.0) {
    View v;
    v.cx = cx;
    v.cy = cy;
    v.scale = scale;
    v.heading = Deg(headingDeg);
    return v;
}

// A glowing eye or sensor: a dark socket with a lit lens.
void AddEye(Model& m, double x, double y, double r, double z, Rgb light) {
    m.Add(Block(Circle(x, y, r + 1.2, 16), z, z + 0.6, 0.6, Hex(0x202228)));
    Plate lens = Dome(x, y, r, z + 0.6, r * 0.7, light, 16);
    lens.emissive = false;
    lens.gloss = 1.0;
    m.Add(lens);
    m.glows.push_back({{x, y, z + 2}, r * 2.6, light, 0.55});
}

// Engine nozzle at the tail end (+y in model space), with a hot core.
void AddNozzle(Model& m, double x, double y, double rx, double ry, double z, Rgb hot) {
    m.Add(Block(Ellipse(x, y, rx + 1.2, ry + 1.0, 16), z - 1, z, 0.8, Hex(0x30333A)));
    m.Add(Light(Ellipse(x, y, rx, ry, 16), z + 0.05, Mix(hot, Rgb{1, 1, 1}, 0.25)));
    m.glows.push_back({{x, y, z + 1}, std::max(rx, ry) * 2.4, hot, 0.7});
}

// A gun turret: a round base, a dome and barrels pointing to the nose (-y).
void AddTurret(Model& m, double x, double y, double r, double z, const Livery& l, int barrels) {
    m.Add(Block(Circle(x, y, r, 20), z, z + 1.5, 1.2, l.dark));
    double spacing = r * 0.45;
    for (int b = 0; b < barrels; ++b) {
        double bx = x + (b - (barrels - 1) / 2.0) * spacing;
        m.Add(Block(Rect(bx - r * 0.14, y - r * 1.65, bx + r * 0.14, y - r * 0.2), z + 2.2, z + 3.2, 0.35,
                    Hex(0x50545E)));
    }
    m.Add(Dome(x, y, r * 0.72, z + 1.5, r * 0.6, l.hull, 20));
    m.Add(Light(Circle(x, y - r * 0.3, r * 0.16, 10), z + 1.5 + r * 0.6, l.light));
}

Plate Hull(const Poly& outline, double z0, double z1, double bevel, Rgb colour,
           std::vector<std::pair<V2, V2>> lines = {}) {
    Plate p = Slab(outline, z0, (z1 - z0) * 0.35, bevel, (z1 - z0) * 0.65, colour);
    p.lines = std::move(lines);
    p.lineColour = Scale(colour, 0.45);
    p.lineWidth = 0.7;
    return p;
}

// ---------------------------------------------------------------- small craft

Model Dart(const Livery& l) { // enemy kinds D and E: a small diving fighter
    Model m;
    m.Add(Hull(MirrorX({{0, -8}, {10, -2}, {25, 10}, {24, 15}, {12, 12}, {5, 18}, {0, 17}}), 0, 3, 1.8,
               l.accent, {{{6, 2}, {20, 11}}, {{-6, 2}, {-20, 11}}}));
    m.Add(Hull(MirrorX({{0, -25}, {3.5, -19}, {6, -6}, {6.5, 10}, {4, 21}, {0, 22}}), 0, 6, 2.2, l.hull,
               {{{-3, 4}, {3, 4}}}));
    m.Add(Block(MirrorX({{20, 8}, {22, 9}, {22, 16}, {20, 15}}), 3, 4.5, 0.5, l.dark));
    m.Add(Block({{20, 4}, {22, 5}, {22, 16}, {20, 16}}, 3, 5, 0.6, l.dark));
    m.Add(Block({{-20, 4}, {-20, 16}, {-22, 16}, {-22, 5}}, 3, 5, 0.6, l.dark));
    AddEye(m, 0, -10, 2.6, 6, l.light);
    AddNozzle(m, 0, 21, 3, 1.6, 4, Hex(0xFF8030));
    return m;
}

Model Hornet(const Livery& l) { // enemy kind A: one big engine at the tail
    Model m;
    // Side gun pods.
    for (double s : {-1.0, 1.0}) {
        Poly pod = Chamfer(21, -20, 29, 14, 3);
        if (s < 0) pod = FlipX(pod);
        m.Add(Hull(pod, 0, 5, 1.8, l.dark));
        Poly barrel = Rect(23.5, -32, 26.5, -18);
        if (s < 0) barrel = FlipX(barrel);
        m.Add(Block(barrel, 2, 4, 0.6, Hex(0x4A4E58)));
        m.Add(Light(Translate(Rect(-1, -1, 1, 3), s * 25, 4), 5.05, l.light));
    }
    // Wings joining the pods.
    m.Add(Hull(MirrorX({{0, -14}, {22, -8}, {24, 6}, {18, 12}, {0, 14}}), 0, 3, 1.6, l.hull,
               {{{8, -10}, {8, 12}}, {{-8, -10}, {-8, 12}}}));
    m.Add(Decal(MirrorX({{11, -5}, {20, -3}, {20, 4}, {11, 5}}), 3.05, l.accent));
    m.Add(Decal(FlipX(MirrorX({{11, -5}, {20, -3}, {20, 4}, {11, 5}})), 3.05, l.accent));
    // Body and engine housing.
    m.Add(Hull(MirrorX({{0, -36}, {5, -30}, {9, -14}, {10, 16}, {8, 30}, {0, 32}}), 0, 7, 2.6, l.hull,
               {{{-6, -6}, {6, -6}}, {{-7, 10}, {7, 10}}}));
    m.Add(Hull(Chamfer(-7, 18, 7, 34, 3), 3, 8.5, 1.6, l.dark));
    m.Add(Decal(MirrorX({{0, -34}, {3, -29}, {3.5, -24}, {0, -25}}), 7.05, l.accent));
    AddEye(m, 0, -18, 3.2, 7, l.light);
    AddNozzle(m, 0, 33, 4.2, 2.0, 8.5, Hex(0xFF9040));
    return m;
}

Model TwinBoom(const Livery& l, double boomX, double boomTop, double boomBottom, double width) {
    // Enemy kinds I and L: two engine booms joined by wings, a gun cabin between them.
    Model m;
    double len = boomBottom - boomTop;
    m.Add(Hull(MirrorX({{0, boomBottom - len * 0.55},
                        {boomX + width * 0.5, boomBottom - len * 0.42},
                        {boomX + width * 0.5, boomBottom - len * 0.16},
                        {0, boomBottom - len * 0.2}}),
               0, 3, 1.8, l.hull,
               {{{boomX * 0.5, boomBottom - len * 0.5}, {boomX * 0.5, boomBottom - len * 0.18}}}));
    m.Add(Hull(MirrorX({{0, boomTop + len * 0.1},
                        {boomX, boomTop + len * 0.18},
                        {boomX, boomTop + len * 0.28},
                        {0, boomTop + len * 0.24}}),
               0, 2.5, 1.2, l.accent));
    for (double s : {-1.0, 1.0}) {
        Poly boom = {{boomX - width * 0.3, boomTop},        {boomX + width * 0.3, boomTop},
                     {boomX + width * 0.5, boomTop + 8},    {boomX + width * 0.5, boomBottom - 3},
                     {boomX + width * 0.3, boomBottom},     {boomX - width * 0.3, boomBottom},
                     {boomX - width * 0.5, boomBottom - 3}, {boomX - width * 0.5, boomTop + 8}};
        if (s < 0) boom = FlipX(boom);
        m.Add(Hull(boom, 0, 7, 2.2, l.dark,
                   {{{s * (boomX - width * 0.4), boomTop + len * 0.5},
                     {s * (boomX + width * 0.4), boomTop + len * 0.5}}}));
        Poly stripe = Rect(boomX - width * 0.3, boomBottom - 14, boomX + width * 0.3, boomBottom - 9);
        if (s < 0) stripe = FlipX(stripe);
        m.Add(Decal(stripe, 7.05, l.accent));
        AddNozzle(m, s * boomX, boomBottom - 1.5, width * 0.3, 1.8, 7, Hex(0x60B0FF));
        Poly gun = Rect(boomX - 1.5, boomTop - 7, boomX + 1.5, boomTop + 4);
        if (s < 0) gun = FlipX(gun);
        m.Add(Block(gun, 2, 4, 0.5, Hex(0x4A4E58)));
        m.Add(Light(Translate(Circle(0, 0, 1.3, 8), s * boomX, boomTop + len * 0.3), 7.1, l.light));
    }
    double cabinTop = boomTop - 4, cabinBottom = boomBottom - len * 0.2;
    m.Add(Hull(
        MirrorX(
            {{0, cabinTop}, {6, cabinTop + 6}, {9, cabinTop + 18}, {9, cabinBottom}, {0, cabinBottom + 4}}),
        0, 9, 2.6, l.hull, {{{-7, cabinTop + 24}, {7, cabinTop + 24}}}));
    AddEye(m, 0, cabinTop + 10, 3.4, 9, l.light);
    AddTurret(m, 0, cabinTop + 34, 6, 9, l, 2);
    return m;
}

Model Crossing(const Livery& l) { // enemy kinds M and N: symmetric left to right
    Model m;
    // Gun chevron at the front (down on screen once turned) and a tail fin.
    m.Add(Hull(MirrorX({{0, -26}, {14, -12}, {12, -6}, {0, -14}}), 0, 5, 1.8, l.accent));
    m.Add(Hull(MirrorX({{0, 8}, {6, 12}, {4, 24}, {0, 26}}), 0, 5, 1.5, l.dark));
    m.Add(Hull(Ellipse(0, 0, 38, 13, 32), 0, 4, 2.4, l.hull,
               {{{-20, -10}, {-20, 10}}, {{20, -10}, {20, 10}}, {{-38, 0}, {-30, 0}}, {{30, 0}, {38, 0}}}));
    for (double s : {-1.0, 1.0}) {
        m.Add(Hull(Ellipse(s * 30, 0, 8, 12, 20), 2, 8, 2.2, l.dark));
        m.Add(Light(Ellipse(s * 30, 0, 3, 4.5, 12), 8.05, l.light));
        m.glows.push_back({{s * 30, 0, 9}, 8, l.light, 0.5});
        m.Add(Decal(Rect(s * 14 - 2, -11, s * 14 + 2, 11), 4.05, l.accent));
        m.Add(Block(Rect(s * 9 - 1.2, -24, s * 9 + 1.2, -8), 3, 5, 0.4, Hex(0x4A4E58)));
    }
    m.Add(Dome(0, 0, 12, 4, 7, l.hull, 28));
    AddTurret(m, 0, 2, 7, 10, l, 2);
    return m;
}

Model Interceptor(const Livery& l) { // kinds Q..V: diagonal divers
    Model m;
    m.Add(Hull(MirrorX({{0, -12}, {14, 0}, {30, 22}, {28, 27}, {16, 22}, {6, 26}, {0, 24}}), 0, 3, 1.8,
               l.hull, {{{10, 4}, {26, 22}}, {{-10, 4}, {-26, 22}}}));
    m.Add(Decal(MirrorX({{16, 8}, {24, 17}, {22, 19}, {15, 12}}), 3.05, l.accent));
    m.Add(Decal(FlipX(MirrorX({{16, 8}, {24, 17}, {22, 19}, {15, 12}})), 3.05, l.accent));
    m.Add(Hull(MirrorX({{0, -34}, {4, -27}, {7, -10}, {7.5, 18}, {5, 30}, {0, 31}}), 0, 7, 2.5, l.hull,
               {{{-5, 0}, {5, 0}}, {{-5, 12}, {5, 12}}}));
    for (double s : {-1.0, 1.0}) {
        Poly pod = Chamfer(7, 10, 13, 30, 2);
        if (s < 0) pod = FlipX(pod);
        m.Add(Hull(pod, 1, 6, 1.5, l.dark));
        AddNozzle(m, s * 10, 29.5, 2.2, 1.4, 6, Hex(0xFF8030));
    }
    m.Add(Decal(MirrorX({{0, -32}, {2.5, -27}, {3, -22}, {0, -23}}), 7.05, l.accent));
    AddEye(m, 0, -15, 3.0, 7, l.light);
    return m;
}

Model SquadCraft(const Livery& l) { // the five-craft squads
    Model m;
    m.Add(Hull(MirrorX({{0, -16}, {16, -2}, {34, 14}, {34, 22}, {20, 18}, {10, 28}, {0, 26}}), 0, 3, 2.0,
               l.hull, {{{12, 2}, {30, 17}}, {{-12, 2}, {-30, 17}}}));
    m.Add(Block(MirrorX({{29, 10}, {34, 14}, {34, 22}, {29, 20}}), 3, 4.5, 0.6, l.accent));
    m.Add(Block(FlipX(MirrorX({{29, 10}, {34, 14}, {34, 22}, {29, 20}})), 3, 4.5, 0.6, l.accent));
    m.Add(Hull(MirrorX({{0, -38}, {5, -30}, {10, -12}, {11, 18}, {7, 32}, {0, 34}}), 0, 7, 2.8, l.hull,
               {{{-7, -4}, {7, -4}}, {{-8, 10}, {8, 10}}}));
    m.Add(Decal(MirrorX({{0, -24}, {6, -18}, {6, -14}, {0, -19}}), 7.05, l.accent));
    for (double s : {-1.0, 1.0})
        AddNozzle(m, s * 5, 32, 2.6, 1.5, 6, Hex(0xFF9030));
    AddEye(m, 0, -6, 3.6, 7, l.light);
    return m;
}

// Radial designs for the spinning craft: the game turns them 7 degrees a frame.
Model Spinner3(const Livery& l, double radius) {
    Model m;
    double k = radius / 38.0;
    for (int i = 0; i < 3; ++i) {
        double a = 2 * kPi * i / 3;
        Poly blade = {
            {-6 * k, -8 * k}, {6 * k, -10 * k}, {12 * k, -34 * k}, {4 * k, -37 * k}, {-3 * k, -30 * k}};
        blade = RotatePoly(blade, a);
        m.Add(Hull(blade, 0, 4 * k, 2 * k, l.hull));
        m.Add(Decal(RotatePoly({{2 * k, -16 * k}, {6 * k, -17 * k}, {9 * k, -28 * k}, {5 * k, -29 * k}}, a),
                    4.05 * k, l.accent));
        Poly tip = RotatePoly(Circle(7.5 * k, -33 * k, 2.2 * k, 10), a);
        m.Add(Light(tip, 4.1 * k, l.light));
    }
    m.Add(Hull(Circle(0, 0, 15 * k, 24), 0, 6 * k, 3 * k, l.dark));
    m.Add(Hull(Circle(0, 0, 10 * k, 24), 6 * k, 8 * k, 1.5 * k, l.hull));
    AddEye(m, 0, 0, 4.5 * k, 8 * k, l.light);
    return m;
}

Model Spinner4(const Livery& l, double radius, bool ring) {
    Model m;
    double k = radius / 58.0;
    if (ring) {
        for (int i = 0; i < 8; ++i) {
            double a0 = 2 * kPi * i / 8 + 0.06, a1 = 2 * kPi * (i + 1) / 8 - 0.06;
            Poly seg;
            for (int j = 0; j <= 4; ++j) {
                double a = Lerp(a0, a1, j / 4.0);
                seg.push_back({std::cos(a) * 55 * k, std::sin(a) * 55 * k});
            }
            for (int j = 4; j >= 0; --j) {
                double a = Lerp(a0, a1, j / 4.0);
                seg.push_back({std::cos(a) * 46 * k, std::sin(a) * 46 * k});
            }
            m.Add(Hull(seg, 0, 4 * k, 1.8 * k, i % 2 ? l.hull : l.dark));
        }
    }
    for (int i = 0; i < 4; ++i) {
        double a = 2 * kPi * i / 4 + kPi / 4;
        Poly arm = {{-7 * k, -12 * k}, {7 * k, -12 * k}, {9 * k, -44 * k}, {0, -52 * k}, {-9 * k, -44 * k}};
        arm = RotatePoly(arm, a);
        m.Add(Hull(arm, 0, 5 * k, 2.5 * k, l.hull));
        Poly pad = RotatePoly(Chamfer(-5 * k, -42 * k, 5 * k, -30 * k, 2 * k), a);
        m.Add(Block(pad, 5 * k, 6 * k, 1 * k, l.accent));
        Poly lamp = RotatePoly(Circle(0, -47 * k, 2.6 * k, 10), a);
        m.Add(Light(lamp, 5.1 * k, l.light));
    }
    m.Add(Hull(Circle(0, 0, 22 * k, 32), 0, 7 * k, 3.5 * k, l.dark));
    m.Add(Hull(Circle(0, 0, 15 * k, 32), 7 * k, 10 * k, 2 * k, l.hull,
               {{{-15 * k, 0}, {15 * k, 0}}, {{0, -15 * k}, {0, 15 * k}}}));
    AddEye(m, 0, 0, 6 * k, 10 * k, l.light);
    return m;
}

// ---------------------------------------------------------------- large craft

Model Gunship50(const Livery& l) {
    Model m;
    m.Add(Hull(
        MirrorX({{0, -40}, {30, -34}, {92, -8}, {96, 10}, {80, 22}, {40, 30}, {26, 52}, {0, 54}}), 0, 5, 3,
        l.hull,
        {{{30, -30}, {30, 28}}, {{60, -20}, {60, 22}}, {{-30, -30}, {-30, 28}}, {{-60, -20}, {-60, 22}}}));
    for (double s : {-1.0, 1.0}) {
        Poly stripe = {{64, -14}, {90, -4}, {90, 4}, {64, -4}};
        m.Add(Decal(s > 0 ? stripe : FlipX(stripe), 5.05, l.accent));
        Poly pod = Chamfer(70, -24, 88, 18, 5);
        if (s < 0) pod = FlipX(pod);
        m.Add(Hull(pod, 2, 10, 3, l.dark, {{{s * 72, -6}, {s * 86, -6}}}));
        AddNozzle(m, s * 79, 17, 5, 2.4, 10, Hex(0xFF8030));
        AddTurret(m, s * 46, -6, 11, 5, l, 2);
    }
    m.Add(Hull(MirrorX({{0, -74}, {10, -64}, {20, -36}, {22, 20}, {14, 48}, {0, 52}}), 0, 12, 4, l.hull,
               {{{-16, -20}, {16, -20}}, {{-18, 0}, {18, 0}}, {{-18, 24}, {18, 24}}}));
    m.Add(Hull(Chamfer(-12, 26, 12, 50, 5), 6, 14, 2.5, l.dark));
    m.Add(Decal(MirrorX({{0, -70}, {7, -62}, {9, -52}, {0, -56}}), 12.05, l.accent));
    AddEye(m, 0, -40, 6, 12, l.light);
    AddNozzle(m, 0, 50, 7, 2.5, 14, Hex(0xFF8030));
    return m;
}

Model Gunship51(const Livery& l) {
    Model m;
    m.Add(Hull(MirrorX({{0, -70}, {50, -60}, {108, -30}, {112, 20}, {90, 50}, {50, 70}, {30, 96}, {0, 100}}),
               0, 6, 3.5, l.hull,
               {{{40, -56}, {40, 66}},
                {{80, -40}, {80, 40}},
                {{-40, -56}, {-40, 66}},
                {{-80, -40}, {-80, 40}},
                {{-108, 0}, {108, 0}}}));
    for (double s : {-1.0, 1.0}) {
        Poly wingPlate = {{84, -34}, {106, -24}, {106, 14}, {84, 30}};
        m.Add(Hull(s > 0 ? wingPlate : FlipX(wingPlate), 6, 10, 2.5, l.dark));
        AddTurret(m, s * 95, -8, 10, 10, l, 1);
        AddTurret(m, s * 60, -34, 12, 6, l, 2);
        AddTurret(m, s * 62, 30, 12, 6, l, 2);
        Poly stripe = {{26, 54}, {48, 64}, {44, 70}, {24, 60}};
        m.Add(Decal(s > 0 ? stripe : FlipX(stripe), 6.05, l.accent));
        AddNozzle(m, s * 24, 97, 7, 2.6, 10, Hex(0xFF8030));
        AddNozzle(m, s * 96, 44, 5, 2.2, 6, Hex(0xFF8030));
    }
    m.Add(Hull(
        MirrorX({{0, -106}, {14, -96}, {28, -60}, {30, 60}, {18, 100}, {0, 104}}), 0, 14, 4.5, l.hull,
        {{{-24, -40}, {24, -40}}, {{-26, -10}, {26, -10}}, {{-26, 30}, {26, 30}}, {{-22, 70}, {22, 70}}}));
    m.Add(Hull(Chamfer(-18, -36, 18, 44, 6), 14, 18, 3, l.dark));
    AddTurret(m, 0, -16, 13, 18, l, 3);
    AddTurret(m, 0, 26, 11, 18, l, 2);
    m.Add(Decal(MirrorX({{0, -102}, {10, -94}, {12, -84}, {0, -88}}), 14.05, l.accent));
    AddEye(m, 0, -70, 7, 14, l.light);
    return m;
}

Model Bomber52(const Livery& l) {
    Model m;
    m.Add(Hull(
        MirrorX({{0, -50}, {40, -30}, {96, 22}, {94, 36}, {60, 30}, {34, 48}, {0, 42}}), 0, 5, 3, l.hull,
        {{{30, -20}, {80, 24}}, {{-30, -20}, {-80, 24}}, {{22, -26}, {22, 44}}, {{-22, -26}, {-22, 44}}}));
    for (double s : {-1.0, 1.0}) {
        Poly edge = {{44, -20}, {92, 22}, {88, 26}, {42, -14}};
        m.Add(Decal(s > 0 ? edge : FlipX(edge), 5.05, l.accent));
        Poly nac = Chamfer(46, -4, 62, 36, 5);
        m.Add(Hull(s > 0 ? nac : FlipX(nac), 3, 11, 3, l.dark));
        AddNozzle(m, s * 54, 35, 5, 2.2, 11, Hex(0xFF8030));
        m.Add(Block(s > 0 ? Rect(52, -16, 56, -2) : FlipX(Rect(52, -16, 56, -2)), 6, 8, 0.8, Hex(0x4A4E58)));
    }
    m.Add(Hull(MirrorX({{0, -76}, {12, -62}, {20, -30}, {22, 30}, {12, 52}, {0, 54}}), 0, 12, 4, l.hull,
               {{{-16, -10}, {16, -10}}, {{-18, 16}, {18, 16}}}));
    AddTurret(m, 0, 10, 12, 12, l, 2);
    AddEye(m, 0, -40, 6.5, 12, l.light);
    m.Add(Decal(MirrorX({{0, -72}, {8, -62}, {10, -54}, {0, -58}}), 12.05, l.accent));
    return m;
}

Model Spiral53(const Livery& l) {
    Model m;
    m.Add(Hull(
        MirrorX({{0, -48}, {44, -46}, {90, -18}, {96, 6}, {70, 30}, {40, 36}, {24, 56}, {0, 60}}), 0, 5, 3,
        l.hull,
        {{{44, -42}, {44, 32}}, {{-44, -42}, {-44, 32}}, {{70, -26}, {70, 26}}, {{-70, -26}, {-70, 26}}}));
    for (double s : {-1.0, 1.0}) {
        Poly pod = Chamfer(58, -40, 86, 20, 8);
        m.Add(Hull(s > 0 ? pod : FlipX(pod), 3, 10, 3, l.dark, {{{s * 60, -10}, {s * 84, -10}}}));
        AddEye(m, s * 72, -26, 4, 10, l.light);
        AddNozzle(m, s * 72, 19, 6, 2.4, 10, Hex(0xFF8030));
    }
    m.Add(Hull(Circle(0, -4, 40, 40), 0, 10, 4, l.dark));
    // The spiral emitter: a ring of vanes round a glowing core.
    for (int i = 0; i < 8; ++i) {
        double a = 2 * kPi * i / 8;
        Poly vane = RotatePoly({{-4, -34}, {4, -34}, {9, -16}, {-1, -15}}, a);
        m.Add(Hull(Translate(vane, 0, -4), 10, 14, 1.5, i % 2 ? l.hull : l.accent));
    }
    m.Add(Hull(Circle(0, -4, 14, 28), 10, 16, 2.5, l.hull));
    Plate core = Dome(0, -4, 9, 16, 6, l.light, 24);
    core.emissive = true;
    m.Add(core);
    m.glows.push_back({{0, -4, 22}, 20, l.light, 0.8});
    m.Add(Hull(Chamfer(-12, 34, 12, 58, 4), 2, 9, 2.5, l.hull));
    AddNozzle(m, 0, 57, 6, 2.2, 9, Hex(0xFF8030));
    return m;
}

Model Wing54(const Livery& l) {
    Model m;
    m.Add(Hull(
        MirrorX({{0, -20}, {30, -44}, {60, -40}, {98, -6}, {96, 10}, {62, 2}, {40, 30}, {20, 40}, {0, 30}}),
        0, 5, 3, l.hull,
        {{{30, -40}, {36, 24}}, {{-30, -40}, {-36, 24}}, {{60, -36}, {62, 0}}, {{-60, -36}, {-62, 0}}}));
    for (double s : {-1.0, 1.0}) {
        Poly blade = {{64, -34}, {94, -6}, {92, 2}, {62, -24}};
        m.Add(Decal(s > 0 ? blade : FlipX(blade), 5.05, l.accent));
        AddTurret(m, s * 44, -18, 10, 5, l, 2);
        Poly nac = Chamfer(14, 6, 30, 40, 5);
        m.Add(Hull(s > 0 ? nac : FlipX(nac), 3, 10, 3, l.dark));
        AddNozzle(m, s * 22, 39, 5, 2.2, 10, Hex(0xFF8030));
    }
    m.Add(Hull(MirrorX({{0, -72}, {10, -60}, {14, -20}, {12, 20}, {0, 28}}), 0, 12, 4, l.hull,
               {{{-10, -30}, {10, -30}}, {{-12, 0}, {12, 0}}}));
    AddEye(m, 0, -46, 6, 12, l.light);
    m.Add(Decal(MirrorX({{0, -68}, {7, -60}, {8, -52}, {0, -56}}), 12.05, l.accent));
    return m;
}

Model Fortress60(const Livery& l) {
    Model m;
    Poly oct = RotatePoly(Circle(0, 0, 140, 8), kPi / 8);
    m.Add(
        Hull(oct, 0, 8, 5, l.dark,
             {{{-100, 0}, {100, 0}}, {{0, -100}, {0, 100}}, {{-70, -70}, {70, 70}}, {{-70, 70}, {70, -70}}}));
    m.Add(Hull(
        RotatePoly(Circle(0, 0, 104, 8), kPi / 8), 8, 14, 4, l.hull,
        {{{-60, -96}, {-60, 96}}, {{60, -96}, {60, 96}}, {{-96, -60}, {96, -60}}, {{-96, 60}, {96, 60}}}));
    for (int i = 0; i < 8; ++i) {
        double a = 2 * kPi * i / 8;
        V2 p{std::sin(a) * 120, -std::cos(a) * 120};
        AddTurret(m, p.x, p.y, 11, 8, l, 2);
        Poly vent = RotatePoly(Rect(-10, -92, 10, -80), a);
        m.Add(Decal(vent, 14.05, l.accent));
    }
    m.Add(Hull(Circle(0, 0, 58, 40), 14, 22, 4, l.dark));
    for (int i = 0; i < 4; ++i) {
        double a = 2 * kPi * i / 4 + kPi / 4;
        AddTurret(m, std::sin(a) * 40, -std::cos(a) * 40, 12, 22, l, 2);
    }
    Plate core = Dome(0, 0, 20, 22, 10, l.light, 28);
    core.emissive = true;
    m.Add(core);
    m.glows.push_back({{0, 0, 30}, 36, l.light, 0.7});
    return m;
}

Model Climber(const Livery& l, double len, double span) { // enemy kinds B and C rise from below
    Model m;
    double k = len / 100.0;
    m.Add(Hull(MirrorX({{0, -20 * k},
                        {span * 0.5, 0},
                        {span, 26 * k},
                        {span - 4, 34 * k},
                        {span * 0.5, 26 * k},
                        {0, 30 * k}}),
               0, 4, 2.4, l.hull,
               {{{span * 0.4, 0}, {span * 0.8, 26 * k}}, {{-span * 0.4, 0}, {-span * 0.8, 26 * k}}}));
    m.Add(Decal(
        MirrorX({{span * 0.55, 6 * k}, {span * 0.95, 27 * k}, {span * 0.9, 30 * k}, {span * 0.5, 12 * k}}),
        4.05, l.accent));
    m.Add(
        Decal(FlipX(MirrorX(
                  {{span * 0.55, 6 * k}, {span * 0.95, 27 * k}, {span * 0.9, 30 * k}, {span * 0.5, 12 * k}})),
              4.05, l.accent));
    m.Add(Hull(MirrorX({{0, -48 * k},
                        {7 * k, -38 * k},
                        {12 * k, -10 * k},
                        {13 * k, 30 * k},
                        {9 * k, 46 * k},
                        {0, 48 * k}}),
               0, 9, 3, l.hull, {{{-9 * k, 0}, {9 * k, 0}}, {{-10 * k, 20 * k}, {10 * k, 20 * k}}}));
    for (double s : {-1.0, 1.0})
        AddNozzle(m, s * 6 * k, 46 * k, 3 * k, 1.6, 8, Hex(0xFF8030));
    AddEye(m, 0, -24 * k, 4.5 * k, 9, l.light);
    return m;
}

void Draw(Canvas& c, const Model& m, double headingDeg, double scale = 1.0) {
    RenderModel(c.cr, m, Facing(c.w / 2.0, c.h / 2.0, headingDeg, scale));
    Weather(c, 77, c.w > 150 ? 0.14 : 0.1, c.w > 150 ? 18 : 9);
}

void TurnStrip(Canvas& c, const Model& m, double startDeg, double stepDeg) {
    for (int cell = 0; cell < 5; ++cell) {
        cairo_save(c.cr);
        cairo_rectangle(c.cr, cell * 100, 0, 100, 100);
        cairo_clip(c.cr);
        RenderModel(c.cr, m, Facing(cell * 100 + 50, 50, startDeg + stepDeg * cell));
        cairo_restore(c.cr);
    }
    Weather(c, 77, 0.1, 9);
}

} // namespace

void AddEnemyPainters(PainterMap& m) {
    m["SZAK1"] = [](Canvas& c) { Draw(c, Dart(kCrimson), 180); };
    m["SZAK2"] = [](Canvas& c) { Draw(c, Dart(kTeal), 180); };
    m["SZAK5"] = [](Canvas& c) { Draw(c, Dart(kAmber), 180); };
    m["SZAK7"] = [](Canvas& c) { Draw(c, Interceptor(kViolet), 180, 0.8); };
    m["SZAK8"] = [](Canvas& c) { Draw(c, Interceptor(kTeal), 180, 0.8); };
    m["SZAK14"] = [](Canvas& c) { Draw(c, Spinner3(kAmber, 27), 0); };
    m["SZAK15"] = [](Canvas& c) { Draw(c, Spinner3(kViolet, 27), 0); };
    m["SZAK16"] = [](Canvas& c) { Draw(c, Dart(kViolet), 180); };
    m["SZAK23"] = [](Canvas& c) { Draw(c, SquadCraft(kTeal), 180, 0.7); };
    m["SZAK24"] = [](Canvas& c) { Draw(c, SquadCraft(kCrimson), 180, 0.7); };

    m["SZAK3"] = [](Canvas& c) { Draw(c, Climber(kOlive, 92, 36), 0); };
    m["SZAK4"] = [](Canvas& c) { Draw(c, Climber(kViolet, 112, 46), 0); };
    m["SZAK6"] = [](Canvas& c) { Draw(c, Spinner3(kCrimson, 37), 0); };
    m["SZAK9"] = [](Canvas& c) {
        // Boom nozzles under the two exhaust plumes at x 15 and 65.
        RenderModel(c.cr, TwinBoom(kTeal, 25, -31, 30, 12), Facing(40, 40, 180));
        Weather(c, 77, 0.1, 9);
    };
    m["SZAK10"] = [](Canvas& c) {
        RenderModel(c.cr, Hornet(kCrimson), Facing(35, 40, 180));
        Weather(c, 77, 0.1, 9);
    };
    m["SZAK12"] = [](Canvas& c) {
        RenderModel(c.cr, TwinBoom(kAmber, 29, -46, 36, 14), Facing(40, 51, 180));
        Weather(c, 77, 0.1, 9);
    };
    m["SZAK13"] = [](Canvas& c) { Draw(c, Crossing(kViolet), 180); };
    m["SZAK21"] = [](Canvas& c) { Draw(c, Interceptor(kCrimson), 135, 0.95); };
    m["SZAK22"] = [](Canvas& c) { Draw(c, Interceptor(kCrimson), 225, 0.95); };

    m["SZAK30"] = [](Canvas& c) { TurnStrip(c, SquadCraft(kAmber), 180, -22.5); };
    m["SZAK31"] = [](Canvas& c) { TurnStrip(c, SquadCraft(kAmber), 180, 22.5); };
    m["SZAK32"] = [](Canvas& c) { TurnStrip(c, SquadCraft(kAmber), 0, 22.5); };
    m["SZAK33"] = [](Canvas& c) { TurnStrip(c, SquadCraft(kAmber), 360, -22.5); };
    m["SZAK40"] = [](Canvas& c) { Draw(c, Spinner4(kTeal, 57, false), 0); };
    m["SZAK41"] = [](Canvas& c) { Draw(c, Spinner4(kTeal, 57, true), 0); };

    m["SZAK50"] = [](Canvas& c) { Draw(c, Gunship50(kCrimson), 180); };
    m["SZAK51"] = [](Canvas& c) { Draw(c, Gunship51(kOlive), 180); };
    m["SZAK52"] = [](Canvas& c) { Draw(c, Bomber52(kAmber), 180); };
    m["SZAK53"] = [](Canvas& c) { Draw(c, Spiral53(kViolet), 180); };
    m["SZAK54"] = [](Canvas& c) { Draw(c, Wing54(kTeal), 180); };
    m["SZAK55"] = [](Canvas& c) { Draw(c, Wing54(kCrimson), 180); };
    m["SZAK60"] = [](Canvas& c) { Draw(c, Fortress60(kOlive), 0); };
}

} // namespace paint
