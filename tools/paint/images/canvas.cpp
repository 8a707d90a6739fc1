// Canvas, finishing into the game's 24-bit pictures, the BMP encoder, the
// random generator and periodic noise.
#include "paint.h"

#include <algorithm>

namespace paint {

void SetRgb(cairo_t* cr, Rgb c, double alpha) {
    cairo_set_source_rgba(cr, Clamp01(c.r), Clamp01(c.g), Clamp01(c.b), alpha);
}

// ---------------------------------------------------------------- random

uint64_t Rng::Next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}
double Rng::Uniform() { return (Next() >> 11) * (1.0 / 9007199254740992.0); }
double Rng::Range(double lo, double hi) { return lo + (hi - lo) * Uniform(); }
int Rng::Int(int n) { return n <= 0 ? 0 : static_cast<int>(Next() % static_cast<uint64_t>(n)); }

// ---------------------------------------------------------------- noise

static uint32_t Hash3(int x, int y, uint32_t seed) {
    uint32_t h =
        static_cast<uint32_t>(x) * 374761393u + static_cast<uint32_t>(y) * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return h ^ (h >> 16);
}

static int Wrap(int v, int n) {
    int r = v % n;
    return r < 0 ? r + n : r;
}

double PeriodicNoise(double x, double y, int periodX, int periodY, uint32_t seed) {
    int x0 = static_cast<int>(std::floor(x));
    int y0 = static_cast<int>(std::floor(y));
    double fx = x - x0, fy = y - y0;
    auto grad = [&](int ix, int iy, double dx, double dy) {
        uint32_t h = Hash3(Wrap(ix, periodX), Wrap(iy, periodY), seed);
        double a = (h & 0xFFFF) * (2.0 * kPi / 65536.0);
        return std::cos(a) * dx + std::sin(a) * dy;
    };
    double ux = fx * fx * fx * (fx * (fx * 6 - 15) + 10);
    double uy = fy * fy * fy * (fy * (fy * 6 - 15) + 10);
    double n00 = grad(x0, y0, fx, fy), n10 = grad(x0 + 1, y0, fx - 1, fy);
    double n01 = grad(x0, y0 + 1, fx, fy - 1), n11 = grad(x0 + 1, y0 + 1, fx - 1, fy - 1);
    return 1.4 * Lerp(Lerp(n00, n10, ux), Lerp(n01, n11, ux), uy);
}

double PeriodicFbm(double x, double y, int periodX, int periodY, int octaves, uint32_t seed) {
    double sum = 0, amp = 0.5, norm = 0;
    for (int o = 0; o < octaves; ++o) {
        sum += amp * PeriodicNoise(x, y, periodX, periodY, seed + o * 101u);
        norm += amp;
        x *= 2;
        y *= 2;
        periodX *= 2;
        periodY *= 2;
        amp *= 0.5;
    }
    return sum / norm;
}

// ---------------------------------------------------------------- canvas

Canvas::Canvas(int width, int height) : w(width), h(height) {
    surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
    cr = cairo_create(surface);
}

Canvas::~Canvas() {
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
}

uint32_t* Canvas::Begin() {
    cairo_surface_flush(surface);
    return reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(surface));
}

void Canvas::End() { cairo_surface_mark_dirty(surface); }

int Canvas::StridePixels() const { return cairo_image_surface_get_stride(surface) / 4; }

void ShadeRegion(Canvas& c, int x0, int y0, int w, int h, const std::function<Rgba(double, double)>& f,
                 bool add) {
    uint32_t* px = c.Begin();
    int stride = c.StridePixels();
    for (int y = std::max(0, y0); y < std::min(c.h, y0 + h); ++y) {
        for (int x = std::max(0, x0); x < std::min(c.w, x0 + w); ++x) {
            Rgba v = f(x - x0 + 0.5, y - y0 + 0.5);
            double a = Clamp01(v.a);
            double r = Clamp01(v.r) * a, g = Clamp01(v.g) * a, b = Clamp01(v.b) * a;
            uint32_t& p = px[y * stride + x];
            if (add) {
                r = std::min(1.0, r + ((p >> 16) & 255) / 255.0);
                g = std::min(1.0, g + ((p >> 8) & 255) / 255.0);
                b = std::min(1.0, b + (p & 255) / 255.0);
                a = std::min(1.0, a + ((p >> 24) & 255) / 255.0);
                a = std::max({a, r, g, b});
            }
            auto q = [](double v) { return static_cast<uint32_t>(v * 255.0 + 0.5); };
            p = (q(a) << 24) | (q(r) << 16) | (q(g) << 8) | q(b);
        }
    }
    c.End();
}

static int ToByte(double v) {
    int i = static_cast<int>(v + 0.5);
    return i < 0 ? 0 : (i > 255 ? 255 : i);
}

std::vector<uint8_t> FinishCanvas(Canvas& c, Finish finish, bool circleMask) {
    uint32_t* px = c.Begin();
    int stride = c.StridePixels();
    std::vector<uint8_t> out(static_cast<size_t>(c.w) * c.h * 3, 0);
    double cx = c.w / 2.0, cy = c.h / 2.0;
    double rmax = std::min(c.w, c.h) / 2.0 - 0.75;
    for (int y = 0; y < c.h; ++y) {
        for (int x = 0; x < c.w; ++x) {
            uint32_t p = px[y * stride + x];
            double a = ((p >> 24) & 255) / 255.0;
            double r = (p >> 16) & 255, g = (p >> 8) & 255, b = p & 255;
            if (circleMask) {
                double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
                if (dx * dx + dy * dy > rmax * rmax) continue;
            }
            int cut = 0;
            switch (finish) {
            case Finish::Sprite: {
                // Keyed sprites: faint coverage becomes transparent, the rest keeps
                // most of its colour so no dark rim shows over bright scenery.
                if (a < 0.3) continue;
                double k = 1.0 / std::max(a, 0.62);
                r *= k;
                g *= k;
                b *= k;
                cut = 1;
                break;
            }
            case Finish::Glow:
                // Light too faint to survive 16-bit pixels is dropped here already.
                cut = -1;
                break;
            case Finish::GlowKeyed:
                cut = 22;
                break;
            case Finish::Picture:
                cut = 12;
                break;
            }
            int R = ToByte(r), G = ToByte(g), B = ToByte(b);
            if (cut < 0) {
                if (R < 8) R = 0;
                if (G < 8) G = 0;
                if (B < 8) B = 0;
            } else if (cut > 0) {
                if (std::max({R, G, B}) < cut) continue;
                R = std::max(R, kMinChannel);
                G = std::max(G, kMinChannel);
                B = std::max(B, kMinChannel);
            }
            uint8_t* o = &out[(static_cast<size_t>(y) * c.w + x) * 3];
            o[0] = static_cast<uint8_t>(R);
            o[1] = static_cast<uint8_t>(G);
            o[2] = static_cast<uint8_t>(B);
        }
    }
    return out;
}

static void Put16(std::vector<uint8_t>& v, uint32_t x) {
    v.push_back(x & 255);
    v.push_back((x >> 8) & 255);
}
static void Put32(std::vector<uint8_t>& v, uint32_t x) {
    Put16(v, x & 0xFFFF);
    Put16(v, x >> 16);
}

std::vector<uint8_t> EncodeBmp(int w, int h, const std::vector<uint8_t>& rgb) {
    uint32_t row = (static_cast<uint32_t>(w) * 3 + 3) & ~3u;
    uint32_t imageSize = row * static_cast<uint32_t>(h);
    std::vector<uint8_t> v;
    v.reserve(54 + imageSize);
    v.push_back('B');
    v.push_back('M');
    Put32(v, 54 + imageSize);
    Put32(v, 0);
    Put32(v, 54);
    Put32(v, 40);
    Put32(v, static_cast<uint32_t>(w));
    Put32(v, static_cast<uint32_t>(h)); // positive: bottom-up rows
    Put16(v, 1);
    Put16(v, 24);
    Put32(v, 0); // uncompressed
    Put32(v, imageSize);
    Put32(v, 2835);
    Put32(v, 2835);
    Put32(v, 0);
    Put32(v, 0);
    for (int y = h - 1; y >= 0; --y) {
        const uint8_t* src = &rgb[static_cast<size_t>(y) * w * 3];
        for (int x = 0; x < w; ++x) {
            v.push_back(src[x * 3 + 2]);
            v.push_back(src[x * 3 + 1]);
            v.push_back(src[x * 3 + 0]);
        }
        for (uint32_t pad = static_cast<uint32_t>(w) * 3; pad < row; ++pad)
            v.push_back(0);
    }
    return v;
}

} // namespace paint
