// The image painter: shared drawing kit. Every picture of the game is painted
// here at build time, from code alone, with cairo and our own small helpers.
#pragma once

#include <cairo.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace paint {

constexpr double kPi = 3.14159265358979323846;
inline double Deg(double d) { return d * kPi / 180.0; }
inline double Clamp01(double v) { return v < 0.0 ? 0.0 : (v > 1.0 ? 1.0 : v); }
inline double Smooth(double e0, double e1, double x) {
    double t = Clamp01((x - e0) / (e1 - e0));
    return t * t * (3.0 - 2.0 * t);
}
inline double Lerp(double a, double b, double t) { return a + (b - a) * t; }

// ---------------------------------------------------------------- colour

struct Rgb {
    double r = 0, g = 0, b = 0;
};
inline Rgb Hex(uint32_t v) {
    return {((v >> 16) & 255) / 255.0, ((v >> 8) & 255) / 255.0, (v & 255) / 255.0};
}
inline Rgb Mix(Rgb a, Rgb b, double t) { return {Lerp(a.r, b.r, t), Lerp(a.g, b.g, t), Lerp(a.b, b.b, t)}; }
inline Rgb Scale(Rgb a, double k) { return {a.r * k, a.g * k, a.b * k}; }
inline Rgb Add(Rgb a, Rgb b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
void SetRgb(cairo_t* cr, Rgb c, double alpha = 1.0);

// ---------------------------------------------------------------- random

// Our own generator (splitmix64). Every painter seeds its own with fixed
// numbers, so the pictures come out byte for byte the same on every build.
class Rng {
  public:
    explicit Rng(uint64_t seed) : state_(seed) {}
    uint64_t Next();
    double Uniform();                   // [0, 1)
    double Range(double lo, double hi); // [lo, hi)
    int Int(int n);                     // [0, n)
    bool Chance(double p) { return Uniform() < p; }

  private:
    uint64_t state_;
};

// Gradient noise that repeats every `period` lattice cells on both axes, so
// background tiles join seamlessly. Returns roughly -1..1.
double PeriodicNoise(double x, double y, int periodX, int periodY, uint32_t seed);
// Sum of octaves of PeriodicNoise; base period in lattice cells.
double PeriodicFbm(double x, double y, int periodX, int periodY, int octaves, uint32_t seed);

// ---------------------------------------------------------------- canvas

// How a picture is turned into the 24-bit file.
enum class Finish {
    Sprite,    // keyed sprite: soft edges cut at a coverage threshold, no dark fringe
    Glow,      // additive: composited over black, light as painted
    GlowKeyed, // additive and keyed: over black, faint glow cut to black
    Picture,   // full pictures and tiles: over black, near-black cut to black
};

struct Canvas {
    Canvas(int width, int height);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    int w, h;
    cairo_surface_t* surface;
    cairo_t* cr;

    // Direct pixel access (premultiplied ARGB32). Call Begin before touching
    // pixels and End afterwards so cairo sees the change.
    uint32_t* Begin();
    void End();
    int StridePixels() const;
};

struct Rgba {
    double r = 0, g = 0, b = 0, a = 0; // straight (not premultiplied) alpha
};
// Computes every pixel of a region from a function of the pixel centre,
// relative to the region's top-left. Replaces what is there, or adds to it.
void ShadeRegion(Canvas& c, int x0, int y0, int w, int h, const std::function<Rgba(double, double)>& f,
                 bool add = false);

// Applies the finish and returns tightly packed RGB bytes, top row first.
std::vector<uint8_t> FinishCanvas(Canvas& c, Finish finish, bool circleMask);
std::vector<uint8_t> EncodeBmp(int w, int h, const std::vector<uint8_t>& rgb);

// Darkest value any visible channel may have (so it survives 16-bit pixels).
constexpr int kMinChannel = 9;

// ---------------------------------------------------------------- geometry

struct V2 {
    double x = 0, y = 0;
};
struct V3 {
    double x = 0, y = 0, z = 0;
};
inline V2 operator+(V2 a, V2 b) { return {a.x + b.x, a.y + b.y}; }
inline V2 operator-(V2 a, V2 b) { return {a.x - b.x, a.y - b.y}; }
inline V2 operator*(V2 a, double k) { return {a.x * k, a.y * k}; }
inline double Len(V2 a) { return std::sqrt(a.x * a.x + a.y * a.y); }

using Poly = std::vector<V2>;
// A closed outline from the right half of a left-right symmetric shape,
// listed from the centre line at the top to the centre line at the bottom.
Poly MirrorX(const Poly& rightHalf);
Poly FlipX(const Poly& p);
Poly Translate(const Poly& p, double dx, double dy);
Poly ScalePoly(const Poly& p, double sx, double sy);
Poly RotatePoly(const Poly& p, double radians);
Poly Circle(double cx, double cy, double r, int segments);
Poly Ellipse(double cx, double cy, double rx, double ry, int segments);
Poly Rect(double x0, double y0, double x1, double y1);
Poly Chamfer(double x0, double y0, double x1, double y1, double c);
void PathPoly(cairo_t* cr, const Poly& p);

// ---------------------------------------------------------------- models

// A raised plate: an outline lifted along a profile of (inset, height) steps.
// Each step between two profile points is a ring of sloped faces; the last
// point is the flat top. Shaded by a light from the upper left.
struct Plate {
    Poly outline;
    std::vector<std::pair<double, double>> profile;
    Rgb colour;
    double gloss = 0.35;
    bool emissive = false;                // unshaded (lights, screens)
    double topGradient = 0.12;            // brightening toward the upper left of the top face
    std::vector<std::pair<V2, V2>> lines; // panel lines on the top face
    Rgb lineColour{0.05, 0.06, 0.08};
    double lineWidth = 0.8;
};

struct Glow3 {
    V3 pos;
    double radius;
    Rgb colour;
    double strength = 1.0;
};

struct Model {
    std::vector<Plate> plates;
    std::vector<Glow3> glows;
    void Add(const Plate& p) { plates.push_back(p); }
};

// Where and how a model is drawn. Model space: x right, y toward the tail
// (the nose points to -y), z up toward the viewer.
struct View {
    double cx = 0, cy = 0, scale = 1.0;
    double heading = 0; // radians, turns the nose clockwise on screen from straight up
    double roll = 0;    // radians, positive dips the left wing
    double mirrorX = 1; // -1 renders the mirror image (lighting stays put)
};

// Plate helpers.
Plate Block(const Poly& outline, double z0, double z1, double bevel, Rgb colour);
Plate Slab(const Poly& outline, double z0, double wall, double bevel, double bevelRise, Rgb colour);
Plate Dome(double cx, double cy, double r, double z0, double height, Rgb colour, int segments = 24);
Plate EllipseDome(double cx, double cy, double rx, double ry, double z0, double height, Rgb colour,
                  int segments = 24);
Plate Decal(const Poly& outline, double z, Rgb colour);
Plate Light(const Poly& outline, double z, Rgb colour);

void RenderModel(cairo_t* cr, const Model& m, const View& v);
V2 ProjectPoint(const View& v, V3 p);

// ---------------------------------------------------------------- effects

// A soft round glow added to what is there (cairo ADD).
void AddGlow(cairo_t* cr, double x, double y, double r, Rgb c, double strength = 1.0);
// An elliptical glow, rotated by angle (radians).
void AddGlowEllipse(cairo_t* cr, double x, double y, double rx, double ry, double angle, Rgb c,
                    double strength = 1.0);
// A bright energy bolt from a to b with a white core and coloured halo.
void AddBolt(cairo_t* cr, V2 a, V2 b, double width, Rgb c, double strength = 1.0);
// A spiky star flare.
void AddFlare(cairo_t* cr, double x, double y, double r, int spikes, double rot, Rgb c,
              double strength = 1.0);

// Multiplies what is painted by a grimy texture (cell: feature size in pixels),
// so large plates do not look flat.
void Weather(Canvas& c, uint32_t seed, double amount, double cell);

// Lettering through cairo's text API (fontconfig picks the face).
void Text(cairo_t* cr, const std::string& s, double x, double y, double size, Rgb c, bool bold = true,
          const char* family = "DejaVu Sans", double alignX = 0.0);
double TextWidth(cairo_t* cr, const std::string& s, double size, bool bold = true,
                 const char* family = "DejaVu Sans");
// Outlined, gradient-filled lettering for headings.
void TextFancy(cairo_t* cr, const std::string& s, double x, double y, double size, Rgb top, Rgb bottom,
               Rgb outline, double outlineWidth, const char* family = "DejaVu Sans", double alignX = 0.0);

// Tiny pixel font (digits and capitals, 5x7 cells) for the HUD sheet.
void PixelText(Canvas& c, const std::string& s, int x, int y, int scale, Rgb colour, int spacing = 1);
bool PixelGlyph(char ch, int row, int col);

// ---------------------------------------------------------------- the set

// One row of the image set: the file the game loads, its exact size, how it
// is drawn in play and what it shows.
struct ImageFact {
    const char* file; // e.g. "IMAGE/ZBAK1B.BMP"
    int w, h;
    Finish finish;
    bool rotated; // drawn rotated: art must stay inside the inscribed circle
    const char* depicts;
};
const std::vector<ImageFact>& ImageFacts();
std::string Stem(const char* file); // "IMAGE/ZBAK1B.BMP" -> "ZBAK1B"

using Painter = std::function<void(Canvas&)>;
using PainterMap = std::map<std::string, Painter>;

// Painter families (one file each), registered by file stem.
void AddShipPainters(PainterMap& m);
void AddEnemyPainters(PainterMap& m);
void AddBossPainters(PainterMap& m);
void AddBulletPainters(PainterMap& m);
void AddEffectPainters(PainterMap& m);
void AddBackgroundPainters(PainterMap& m);
void AddScreenPainters(PainterMap& m);

// Shared models, so the same craft looks the same everywhere.
Model PlayerShipModel();
void PaintPlayerShip(cairo_t* cr, double cx, double cy, double scale, double roll, double heading = 0.0);

} // namespace paint
