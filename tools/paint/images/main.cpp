// paint_images <build dir>: paints every picture of the game into
// <build dir>/IMAGE/ as 24-bit BMP files, and a contact sheet of them all.
#include "paint.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <thread>

using namespace paint;

namespace {

struct Painted {
    const ImageFact* fact;
    std::vector<uint8_t> rgb;
};

bool WriteFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    if (!f) return false;
    f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(f);
}

// Every picture on one sheet with its name. Keyed pictures sit on a dark
// checkerboard so their transparent black shows; glows sit on black.
bool WriteContactSheet(const std::filesystem::path& path, const std::vector<Painted>& all) {
    const int sheetW = 2400, gap = 12, label = 16;
    std::vector<const Painted*> order;
    for (const Painted& p : all)
        order.push_back(&p);
    std::stable_sort(order.begin(), order.end(),
                     [](const Painted* a, const Painted* b) { return a->fact->h > b->fact->h; });
    struct Place {
        const Painted* p;
        int x, y;
    };
    std::vector<Place> places;
    int x = gap, y = gap + 40, rowH = 0;
    for (const Painted* p : order) {
        int w = std::max(p->fact->w, 80);
        if (x + w + gap > sheetW) {
            x = gap;
            y += rowH + label + gap;
            rowH = 0;
        }
        places.push_back({p, x, y});
        x += w + gap;
        rowH = std::max(rowH, p->fact->h);
    }
    int sheetH = y + rowH + label + gap;

    Canvas sheet(sheetW, sheetH);
    cairo_t* cr = sheet.cr;
    cairo_set_source_rgb(cr, 0.16, 0.17, 0.2);
    cairo_paint(cr);
    Text(cr, "VEX TALON - painted images (" + std::to_string(all.size()) + ")", gap, 28, 20,
         Rgb{0.9, 0.9, 0.95});
    for (const Place& pl : places) {
        const ImageFact& f = *pl.p->fact;
        bool glow = f.finish == Finish::Glow;
        for (int cy = 0; cy < f.h; cy += 8)
            for (int cx = 0; cx < f.w; cx += 8) {
                bool dark = ((cx / 8) + (cy / 8)) % 2 == 0;
                double v = glow ? 0.0 : (dark ? 0.2 : 0.27);
                cairo_set_source_rgb(cr, v * 0.8, v * 0.85, v);
                cairo_rectangle(cr, pl.x + cx, pl.y + cy, std::min(8, f.w - cx), std::min(8, f.h - cy));
                cairo_fill(cr);
            }
        Text(cr, Stem(f.file), pl.x, pl.y + f.h + 13, 11, Rgb{0.8, 0.82, 0.86}, false);
    }
    uint32_t* px = sheet.Begin();
    int stride = sheet.StridePixels();
    for (const Place& pl : places) {
        const ImageFact& f = *pl.p->fact;
        for (int yy = 0; yy < f.h; ++yy)
            for (int xx = 0; xx < f.w; ++xx) {
                const uint8_t* s = &pl.p->rgb[(static_cast<size_t>(yy) * f.w + xx) * 3];
                if (s[0] == 0 && s[1] == 0 && s[2] == 0) continue;
                px[(pl.y + yy) * stride + pl.x + xx] = 0xFF000000u | (s[0] << 16) | (s[1] << 8) | s[2];
            }
    }
    sheet.End();
    return cairo_surface_write_to_png(sheet.surface, path.string().c_str()) == CAIRO_STATUS_SUCCESS;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: paint_images <build dir>\n");
        return 2;
    }
    std::filesystem::path root(argv[1]);
    std::error_code ec;
    std::filesystem::create_directories(root / "IMAGE", ec);
    if (ec) {
        std::fprintf(stderr, "paint_images: cannot create %s\n", (root / "IMAGE").string().c_str());
        return 1;
    }

    PainterMap painters;
    AddShipPainters(painters);
    AddEnemyPainters(painters);
    AddBossPainters(painters);
    AddBulletPainters(painters);
    AddEffectPainters(painters);
    AddBackgroundPainters(painters);
    AddScreenPainters(painters);

    const std::vector<ImageFact>& facts = ImageFacts();
    for (const ImageFact& f : facts) {
        if (!painters.count(Stem(f.file))) {
            std::fprintf(stderr, "paint_images: no painter for %s\n", f.file);
            return 1;
        }
    }

    std::vector<Painted> painted(facts.size());
    std::atomic<size_t> next{0};
    auto worker = [&] {
        for (size_t i = next++; i < facts.size(); i = next++) {
            const ImageFact& f = facts[i];
            Canvas c(f.w, f.h);
            painters.at(Stem(f.file))(c);
            painted[i] = {&f, FinishCanvas(c, f.finish, f.rotated)};
        }
    };
    unsigned n = std::max(1u, std::min(4u, std::thread::hardware_concurrency()));
    std::vector<std::thread> threads;
    for (unsigned t = 0; t < n; ++t)
        threads.emplace_back(worker);
    for (auto& t : threads)
        t.join();

    for (const Painted& p : painted) {
        std::filesystem::path out = root / p.fact->file;
        if (!WriteFile(out, EncodeBmp(p.fact->w, p.fact->h, p.rgb))) {
            std::fprintf(stderr, "paint_images: cannot write %s\n", out.string().c_str());
            return 1;
        }
    }
    bool sheetOk = WriteContactSheet(root / "contact-sheet.png", painted);
    // Let go of the font caches, so leak checkers see a clean exit.
    cairo_debug_reset_static_data();
    FcFini();
    if (!sheetOk) {
        std::fprintf(stderr, "paint_images: cannot write the contact sheet\n");
        return 1;
    }
    return 0;
}
