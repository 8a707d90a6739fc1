// Drawing kit: outlines, raised-plate models, glows and lettering.
#include "paint.h"

#include <algorithm>
#include <cstring>
#include <numeric>

namespace paint {

// ---------------------------------------------------------------- outlines

Poly MirrorX(const Poly& rightHalf) {
    Poly p = rightHalf;
    for (int i = static_cast<int>(rightHalf.size()) - 1; i >= 0; --i) {
        V2 q = rightHalf[i];
        if (std::fabs(q.x) < 1e-9) continue; // points on the centre line appear once
        p.push_back({-q.x, q.y});
    }
    return p;
}

Poly FlipX(const Poly& p) {
    Poly q;
    for (auto it = p.rbegin(); it != p.rend(); ++it)
        q.push_back({-it->x, it->y});
    return q;
}

Poly Translate(const Poly& p, double dx, double dy) {
    Poly q = p;
    for (auto& v : q)
        v = {v.x + dx, v.y + dy};
    return q;
}

Poly ScalePoly(const Poly& p, double sx, double sy) {
    Poly q = p;
    for (auto& v : q)
        v = {v.x * sx, v.y * sy};
    if (sx * sy < 0) std::reverse(q.begin(), q.end());
    return q;
}

Poly RotatePoly(const Poly& p, double a) {
    Poly q = p;
    double c = std::cos(a), s = std::sin(a);
    for (auto& v : q)
        v = {v.x * c - v.y * s, v.x * s + v.y * c};
    return q;
}

Poly Ellipse(double cx, double cy, double rx, double ry, int segments) {
    Poly p;
    for (int i = 0; i < segments; ++i) {
        double a = 2 * kPi * i / segments;
        p.push_back({cx + rx * std::cos(a), cy + ry * std::sin(a)});
    }
    return p;
}

Poly Circle(double cx, double cy, double r, int segments) { return Ellipse(cx, cy, r, r, segments); }

Poly Rect(double x0, double y0, double x1, double y1) { return {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}}; }

Poly Chamfer(double x0, double y0, double x1, double y1, double c) {
    return {{x0 + c, y0}, {x1 - c, y0}, {x1, y0 + c}, {x1, y1 - c},
            {x1 - c, y1}, {x0 + c, y1}, {x0, y1 - c}, {x0, y0 + c}};
}

void PathPoly(cairo_t* cr, const Poly& p) {
    if (p.empty()) return;
    cairo_move_to(cr, p[0].x, p[0].y);
    for (size_t i = 1; i < p.size(); ++i)
        cairo_line_to(cr, p[i].x, p[i].y);
    cairo_close_path(cr);
}

static double SignedArea(const Poly& p) {
    double a = 0;
    for (size_t i = 0; i < p.size(); ++i) {
        const V2& u = p[i];
        const V2& v = p[(i + 1) % p.size()];
        a += u.x * v.y - v.x * u.y;
    }
    return a / 2;
}

static V2 Norm(V2 v) {
    double l = Len(v);
    return l > 1e-12 ? V2{v.x / l, v.y / l} : V2{0, 0};
}

// Inward unit normal of every edge (edge i runs from point i to point i+1).
static std::vector<V2> InwardNormals(const Poly& p) {
    double sgn = SignedArea(p) >= 0 ? 1.0 : -1.0;
    std::vector<V2> n(p.size());
    for (size_t i = 0; i < p.size(); ++i) {
        V2 d = Norm(p[(i + 1) % p.size()] - p[i]);
        n[i] = V2{-d.y, d.x} * sgn;
    }
    return n;
}

static Poly Inset(const Poly& p, const std::vector<V2>& n, double d) {
    if (d == 0) return p;
    Poly q(p.size());
    size_t m = p.size();
    for (size_t i = 0; i < m; ++i) {
        V2 n1 = n[(i + m - 1) % m], n2 = n[i];
        double dot = n1.x * n2.x + n1.y * n2.y;
        V2 mv = (n1 + n2) * (1.0 / std::max(1.0 + dot, 0.16));
        double l = Len(mv);
        if (l > 2.5) mv = mv * (2.5 / l);
        q[i] = p[i] + mv * d;
    }
    return q;
}

// ---------------------------------------------------------------- plates

Plate Block(const Poly& outline, double z0, double z1, double bevel, Rgb colour) {
    Plate p;
    p.outline = outline;
    p.profile = {{0, z0}, {bevel, z1}};
    p.colour = colour;
    return p;
}

Plate Slab(const Poly& outline, double z0, double wall, double bevel, double bevelRise, Rgb colour) {
    Plate p;
    p.outline = outline;
    p.profile = {{0, z0}, {0, z0 + wall}, {bevel, z0 + wall + bevelRise}};
    p.colour = colour;
    return p;
}

Plate EllipseDome(double cx, double cy, double rx, double ry, double z0, double height, Rgb colour,
                  int segments) {
    Plate p;
    p.outline = Ellipse(cx, cy, rx, ry, segments);
    double r = std::min(rx, ry);
    const double steps[] = {0, 25, 45, 62, 76};
    for (double a : steps) {
        double t = Deg(a);
        p.profile.push_back({r * (1 - std::cos(t)) * 0.98, z0 + height * std::sin(t)});
    }
    p.colour = colour;
    p.gloss = 0.6;
    p.topGradient = 0.05;
    return p;
}

Plate Dome(double cx, double cy, double r, double z0, double height, Rgb colour, int segments) {
    return EllipseDome(cx, cy, r, r, z0, height, colour, segments);
}

Plate Decal(const Poly& outline, double z, Rgb colour) {
    Plate p;
    p.outline = outline;
    p.profile = {{0, z}};
    p.colour = colour;
    p.gloss = 0.1;
    return p;
}

Plate Light(const Poly& outline, double z, Rgb colour) {
    Plate p = Decal(outline, z, colour);
    p.emissive = true;
    p.topGradient = 0;
    return p;
}

struct Xform {
    View v;
    double cr, sr, ch, sh;
    explicit Xform(const View& view) : v(view) {
        cr = std::cos(v.roll);
        sr = std::sin(v.roll);
        ch = std::cos(v.heading);
        sh = std::sin(v.heading);
    }
    // Rotates a model-space vector into screen space (x right, y down, z up).
    V3 Rot(V3 p) const {
        double x = p.x * v.mirrorX;
        double xr = cr * x - sr * p.z;
        double zr = sr * x + cr * p.z;
        double xs = xr * ch - p.y * sh;
        double ys = xr * sh + p.y * ch;
        return {xs, ys, zr};
    }
    V2 Screen(V3 p) const {
        V3 r = Rot(p);
        return {v.cx + r.x * v.scale, v.cy + r.y * v.scale};
    }
    double Depth(V3 p) const { return Rot(p).z; }
};

V2 ProjectPoint(const View& v, V3 p) { return Xform(v).Screen(p); }

static const V3 kLight = [] {
    V3 l{-0.45, -0.65, 1.0};
    double n = std::sqrt(l.x * l.x + l.y * l.y + l.z * l.z);
    return V3{l.x / n, l.y / n, l.z / n};
}();

static Rgb Shade(Rgb base, V3 n, double gloss) {
    double diff = std::max(0.0, n.x * kLight.x + n.y * kLight.y + n.z * kLight.z);
    V3 h{kLight.x, kLight.y, kLight.z + 1.0};
    double hl = std::sqrt(h.x * h.x + h.y * h.y + h.z * h.z);
    double shine = std::max(0.0, (n.x * h.x + n.y * h.y + n.z * h.z) / hl);
    shine = std::pow(shine, 22.0) * gloss;
    double k = 0.28 + 0.9 * diff;
    return {base.r * k + shine, base.g * k + shine, base.b * k + shine};
}

static void FillFace(cairo_t* cr, const std::vector<V2>& pts, Rgb c) {
    Poly p(pts.begin(), pts.end());
    PathPoly(cr, p);
    SetRgb(cr, c);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 0.45);
    cairo_stroke(cr);
}

void RenderModel(cairo_t* cr, const Model& m, const View& v) {
    Xform xf(v);
    std::vector<size_t> order(m.plates.size());
    std::iota(order.begin(), order.end(), 0);
    std::vector<double> depth(m.plates.size());
    for (size_t i = 0; i < m.plates.size(); ++i) {
        const Plate& p = m.plates[i];
        V2 c{0, 0};
        for (const V2& q : p.outline)
            c = c + q;
        c = c * (1.0 / std::max<size_t>(1, p.outline.size()));
        depth[i] = xf.Depth({c.x, c.y, p.profile.back().second});
    }
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return depth[a] < depth[b] - 1e-6; });

    cairo_save(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    for (size_t idx : order) {
        const Plate& p = m.plates[idx];
        if (p.outline.size() < 3 || p.profile.empty()) continue;
        std::vector<V2> n = InwardNormals(p.outline);
        std::vector<Poly> rings;
        for (auto& st : p.profile)
            rings.push_back(Inset(p.outline, n, st.first));
        size_t count = p.outline.size();
        // Sloped rings, from the base up.
        for (size_t s = 0; s + 1 < p.profile.size(); ++s) {
            double di = p.profile[s + 1].first - p.profile[s].first;
            double dz = p.profile[s + 1].second - p.profile[s].second;
            double z0 = p.profile[s].second, z1 = p.profile[s + 1].second;
            for (size_t i = 0; i < count; ++i) {
                size_t j = (i + 1) % count;
                V2 out = n[i] * -1.0;
                V3 nm{out.x * dz, out.y * dz, di};
                double l = std::sqrt(nm.x * nm.x + nm.y * nm.y + nm.z * nm.z);
                if (l < 1e-9) continue;
                nm = {nm.x / l, nm.y / l, nm.z / l};
                V3 ns = xf.Rot(nm);
                if (ns.z < 0.03) continue;
                Rgb col = p.emissive ? p.colour : Shade(p.colour, ns, p.gloss);
                std::vector<V2> face = {xf.Screen({rings[s][i].x, rings[s][i].y, z0}),
                                        xf.Screen({rings[s][j].x, rings[s][j].y, z0}),
                                        xf.Screen({rings[s + 1][j].x, rings[s + 1][j].y, z1}),
                                        xf.Screen({rings[s + 1][i].x, rings[s + 1][i].y, z1})};
                FillFace(cr, face, col);
            }
        }
        // Flat top.
        double zt = p.profile.back().second;
        V3 up = xf.Rot({0, 0, 1});
        if (up.z < 0.03) continue;
        Rgb col = p.emissive ? p.colour : Shade(p.colour, up, p.gloss);
        Poly top;
        double minX = 1e9, minY = 1e9, maxX = -1e9, maxY = -1e9;
        for (const V2& q : rings.back()) {
            V2 s = xf.Screen({q.x, q.y, zt});
            top.push_back(s);
            minX = std::min(minX, s.x);
            minY = std::min(minY, s.y);
            maxX = std::max(maxX, s.x);
            maxY = std::max(maxY, s.y);
        }
        PathPoly(cr, top);
        if (p.topGradient > 0) {
            cairo_pattern_t* g = cairo_pattern_create_linear(minX, minY, maxX, maxY);
            Rgb hi = Scale(col, 1.0 + p.topGradient), lo = Scale(col, 1.0 - p.topGradient);
            cairo_pattern_add_color_stop_rgb(g, 0, Clamp01(hi.r), Clamp01(hi.g), Clamp01(hi.b));
            cairo_pattern_add_color_stop_rgb(g, 1, Clamp01(lo.r), Clamp01(lo.g), Clamp01(lo.b));
            cairo_set_source(cr, g);
            cairo_fill_preserve(cr);
            cairo_set_line_width(cr, 0.45);
            cairo_stroke(cr);
            cairo_pattern_destroy(g);
        } else {
            SetRgb(cr, col);
            cairo_fill_preserve(cr);
            cairo_set_line_width(cr, 0.45);
            cairo_stroke(cr);
        }
        if (!p.lines.empty()) {
            SetRgb(cr, p.lineColour);
            cairo_set_line_width(cr, p.lineWidth * v.scale);
            cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
            for (auto& ln : p.lines) {
                V2 a = xf.Screen({ln.first.x, ln.first.y, zt}), b = xf.Screen({ln.second.x, ln.second.y, zt});
                cairo_move_to(cr, a.x, a.y);
                cairo_line_to(cr, b.x, b.y);
            }
            cairo_stroke(cr);
        }
    }
    for (const Glow3& g : m.glows) {
        V2 s = xf.Screen(g.pos);
        AddGlow(cr, s.x, s.y, g.radius * v.scale, g.colour, g.strength);
    }
    cairo_restore(cr);
}

// ---------------------------------------------------------------- effects

static void GlowStops(cairo_pattern_t* pat, Rgb c, double strength) {
    const double stops[][2] = {{0.0, 1.0}, {0.15, 0.8}, {0.35, 0.42}, {0.6, 0.14}, {0.8, 0.04}, {1.0, 0.0}};
    for (auto& s : stops) {
        double a = Clamp01(s[1] * strength);
        cairo_pattern_add_color_stop_rgba(pat, s[0], Clamp01(c.r), Clamp01(c.g), Clamp01(c.b), a);
    }
}

void AddGlow(cairo_t* cr, double x, double y, double r, Rgb c, double strength) {
    if (r <= 0) return;
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
    cairo_pattern_t* pat = cairo_pattern_create_radial(x, y, 0, x, y, r);
    GlowStops(pat, c, strength);
    cairo_set_source(cr, pat);
    cairo_arc(cr, x, y, r, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_pattern_destroy(pat);
    cairo_restore(cr);
}

void AddGlowEllipse(cairo_t* cr, double x, double y, double rx, double ry, double angle, Rgb c,
                    double strength) {
    if (rx <= 0 || ry <= 0) return;
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    cairo_scale(cr, rx, ry);
    cairo_pattern_t* pat = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
    GlowStops(pat, c, strength);
    cairo_set_source(cr, pat);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_pattern_destroy(pat);
    cairo_restore(cr);
}

void AddBolt(cairo_t* cr, V2 a, V2 b, double width, Rgb c, double strength) {
    V2 m = (a + b) * 0.5;
    double len = Len(b - a);
    double ang = std::atan2(b.y - a.y, b.x - a.x);
    AddGlowEllipse(cr, m.x, m.y, len / 2 + width * 1.6, width * 1.7, ang, c, 0.9 * strength);
    AddGlowEllipse(cr, m.x, m.y, len / 2 + width * 0.7, width * 0.8, ang, Mix(c, Rgb{1, 1, 1}, 0.5),
                   strength);
    AddGlowEllipse(cr, m.x, m.y, len / 2, width * 0.38, ang, Rgb{1, 1, 1}, strength);
}

void AddFlare(cairo_t* cr, double x, double y, double r, int spikes, double rot, Rgb c, double strength) {
    for (int i = 0; i < spikes; ++i) {
        double a = rot + kPi * i / spikes;
        AddGlowEllipse(cr, x, y, r, r * 0.07 + 0.6, a, c, strength);
    }
    AddGlow(cr, x, y, r * 0.35, Mix(c, Rgb{1, 1, 1}, 0.6), strength);
}

void Weather(Canvas& c, uint32_t seed, double amount, double cell) {
    uint32_t* px = c.Begin();
    int stride = c.StridePixels();
    for (int y = 0; y < c.h; ++y)
        for (int x = 0; x < c.w; ++x) {
            uint32_t& p = px[y * stride + x];
            uint32_t a = p >> 24;
            if (a == 0) continue;
            double n = PeriodicFbm(x / cell, y / cell, 256, 256, 4, seed);
            double k = 1.0 + amount * n * 1.6;
            auto ch = [&](int shift) {
                double v = ((p >> shift) & 255) * k;
                v = std::max(0.0, std::min<double>(v, a));
                return static_cast<uint32_t>(v + 0.5) << shift;
            };
            p = (p & 0xFF000000u) | ch(16) | ch(8) | ch(0);
        }
    c.End();
}

// ---------------------------------------------------------------- text

static void SelectFont(cairo_t* cr, double size, bool bold, const char* family) {
    cairo_select_font_face(cr, family, CAIRO_FONT_SLANT_NORMAL,
                           bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, size);
    cairo_font_options_t* fo = cairo_font_options_create();
    cairo_font_options_set_antialias(fo, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(fo, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(fo, CAIRO_HINT_METRICS_OFF);
    cairo_set_font_options(cr, fo);
    cairo_font_options_destroy(fo);
}

double TextWidth(cairo_t* cr, const std::string& s, double size, bool bold, const char* family) {
    cairo_save(cr);
    SelectFont(cr, size, bold, family);
    cairo_text_extents_t e;
    cairo_text_extents(cr, s.c_str(), &e);
    cairo_restore(cr);
    return e.x_advance;
}

void Text(cairo_t* cr, const std::string& s, double x, double y, double size, Rgb c, bool bold,
          const char* family, double alignX) {
    cairo_save(cr);
    SelectFont(cr, size, bold, family);
    cairo_text_extents_t e;
    cairo_text_extents(cr, s.c_str(), &e);
    cairo_move_to(cr, x - e.x_advance * alignX, y);
    SetRgb(cr, c);
    cairo_show_text(cr, s.c_str());
    cairo_restore(cr);
}

void TextFancy(cairo_t* cr, const std::string& s, double x, double y, double size, Rgb top, Rgb bottom,
               Rgb outline, double outlineWidth, const char* family, double alignX) {
    cairo_save(cr);
    SelectFont(cr, size, true, family);
    cairo_text_extents_t e;
    cairo_text_extents(cr, s.c_str(), &e);
    cairo_move_to(cr, x - e.x_advance * alignX, y);
    cairo_text_path(cr, s.c_str());
    if (outlineWidth > 0) {
        SetRgb(cr, outline);
        cairo_set_line_width(cr, outlineWidth * 2);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke_preserve(cr);
    }
    cairo_pattern_t* g = cairo_pattern_create_linear(0, y + e.y_bearing, 0, y + e.y_bearing + e.height);
    cairo_pattern_add_color_stop_rgb(g, 0, top.r, top.g, top.b);
    cairo_pattern_add_color_stop_rgb(g, 1, bottom.r, bottom.g, bottom.b);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    cairo_restore(cr);
}

// ---------------------------------------------------------------- pixel font

struct GlyphRow {
    char ch;
    const char* rows[7];
};

static const GlyphRow kGlyphs[] = {
    {'0', {".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###."}},
    {'1', {"..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."}},
    {'2', {".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"}},
    {'3', {"####.", "....#", "....#", ".###.", "....#", "....#", "####."}},
    {'4', {"...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."}},
    {'5', {"#####", "#....", "####.", "....#", "....#", "#...#", ".###."}},
    {'6', {"..##.", ".#...", "#....", "####.", "#...#", "#...#", ".###."}},
    {'7', {"#####", "....#", "...#.", "..#..", ".#...", ".#...", ".#..."}},
    {'8', {".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."}},
    {'9', {".###.", "#...#", "#...#", ".####", "....#", "...#.", ".##.."}},
    {'A', {".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
    {'B', {"####.", "#...#", "#...#", "####.", "#...#", "#...#", "####."}},
    {'C', {".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."}},
    {'D', {"####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."}},
    {'E', {"#####", "#....", "#....", "####.", "#....", "#....", "#####"}},
    {'F', {"#####", "#....", "#....", "####.", "#....", "#....", "#...."}},
    {'G', {".###.", "#...#", "#....", "#.###", "#...#", "#...#", ".####"}},
    {'H', {"#...#", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
    {'I', {".###.", "..#..", "..#..", "..#..", "..#..", "..#..", ".###."}},
    {'K', {"#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"}},
    {'L', {"#....", "#....", "#....", "#....", "#....", "#....", "#####"}},
    {'M', {"#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"}},
    {'N', {"#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#", "#...#"}},
    {'O', {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {'P', {"####.", "#...#", "#...#", "####.", "#....", "#....", "#...."}},
    {'R', {"####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"}},
    {'S', {".####", "#....", "#....", ".###.", "....#", "....#", "####."}},
    {'T', {"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."}},
    {'U', {"#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {'V', {"#...#", "#...#", "#...#", "#...#", ".#.#.", ".#.#.", "..#.."}},
    {'W', {"#...#", "#...#", "#...#", "#.#.#", "#.#.#", "##.##", "#...#"}},
    {'X', {"#...#", "#...#", ".#.#.", "..#..", ".#.#.", "#...#", "#...#"}},
    {'Y', {"#...#", "#...#", ".#.#.", "..#..", "..#..", "..#..", "..#.."}},
    {'Z', {"#####", "....#", "...#.", "..#..", ".#...", "#....", "#####"}},
    {'-', {".....", ".....", ".....", "#####", ".....", ".....", "....."}},
    {'!', {"..#..", "..#..", "..#..", "..#..", "..#..", ".....", "..#.."}},
    {'?', {".###.", "#...#", "....#", "...#.", "..#..", ".....", "..#.."}},
};

bool PixelGlyph(char ch, int row, int col) {
    for (const GlyphRow& g : kGlyphs)
        if (g.ch == ch) return g.rows[row][col] == '#';
    return false;
}

void PixelText(Canvas& c, const std::string& s, int x, int y, int scale, Rgb colour, int spacing) {
    cairo_t* cr = c.cr;
    cairo_save(cr);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    SetRgb(cr, colour);
    int cx = x;
    for (char ch : s) {
        for (int r = 0; r < 7; ++r)
            for (int k = 0; k < 5; ++k)
                if (PixelGlyph(ch, r, k)) cairo_rectangle(cr, cx + k * scale, y + r * scale, scale, scale);
        cx += (5 + spacing) * scale;
    }
    cairo_fill(cr);
    cairo_restore(cr);
}

} // namespace paint
