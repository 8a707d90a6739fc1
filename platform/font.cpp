#include "platform/font.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_TRUETYPE_TABLES_H

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <unordered_map>

namespace plat {

// ---------------------------------------------------------------- CP932 --

bool IsDbcsLeadByte(uint8_t b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

size_t CharLength(const char* p, size_t remaining) {
    if (remaining >= 2 && IsDbcsLeadByte(uint8_t(p[0])) && p[1] != 0) return 2;
    return remaining ? 1 : 0;
}

namespace {

std::string Convert(const char* to, const char* from, std::string_view text) {
    iconv_t cd = iconv_open(to, from);
    if (cd == iconv_t(-1)) return std::string();
    std::string out;
    out.resize(text.size() * 4 + 8);
    char* in = const_cast<char*>(text.data());
    size_t inLeft = text.size();
    char* o = out.data();
    size_t outLeft = out.size();
    while (inLeft > 0) {
        if (iconv(cd, &in, &inLeft, &o, &outLeft) != size_t(-1)) break;
        if (errno == E2BIG) break;
        // An undefined or cut sequence becomes '?' and the walk goes on.
        if (outLeft == 0) break;
        *o++ = '?';
        --outLeft;
        ++in;
        --inLeft;
    }
    iconv_close(cd);
    out.resize(out.size() - outLeft);
    return out;
}

uint32_t FirstCodePoint(const std::string& utf8) {
    if (utf8.empty()) return '?';
    const uint8_t* s = reinterpret_cast<const uint8_t*>(utf8.data());
    if (s[0] < 0x80) return s[0];
    if ((s[0] & 0xE0) == 0xC0 && utf8.size() >= 2) return ((s[0] & 0x1Fu) << 6) | (s[1] & 0x3Fu);
    if ((s[0] & 0xF0) == 0xE0 && utf8.size() >= 3)
        return ((s[0] & 0x0Fu) << 12) | ((s[1] & 0x3Fu) << 6) | (s[2] & 0x3Fu);
    if ((s[0] & 0xF8) == 0xF0 && utf8.size() >= 4)
        return ((s[0] & 0x07u) << 18) | ((s[1] & 0x3Fu) << 12) | ((s[2] & 0x3Fu) << 6) | (s[3] & 0x3Fu);
    return '?';
}

// Every CP932 code's code point, built once through iconv so that drawing
// never converts (nor allocates) per character.
const std::vector<uint32_t>& Cp932Table() {
    static std::vector<uint32_t> table;
    if (!table.empty()) return table;
    table.assign(65536, '?');
    iconv_t cd = iconv_open("UTF-8", "CP932");
    auto one = [&](const char* bytes, size_t n) -> uint32_t {
        if (cd == iconv_t(-1)) return n == 1 && uint8_t(bytes[0]) < 0x80 ? uint8_t(bytes[0]) : '?';
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        char out[8];
        char* in = const_cast<char*>(bytes);
        size_t inLeft = n;
        char* o = out;
        size_t outLeft = sizeof out;
        if (iconv(cd, &in, &inLeft, &o, &outLeft) == size_t(-1) || inLeft != 0) return '?';
        return FirstCodePoint(std::string(out, sizeof out - outLeft));
    };
    for (int b = 0; b < 256; ++b) {
        if (IsDbcsLeadByte(uint8_t(b))) continue;
        const char c = char(b);
        table[size_t(b)] = one(&c, 1);
    }
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (!IsDbcsLeadByte(uint8_t(lead))) continue;
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            if (trail == 0x7F) continue;
            const char pair[2] = {char(lead), char(trail)};
            table[size_t(lead << 8 | trail)] = one(pair, 2);
        }
    }
    if (cd != iconv_t(-1)) iconv_close(cd);
    return table;
}

} // namespace

uint32_t DecodeCp932Char(const char* p, size_t length) {
    const auto& table = Cp932Table();
    if (length == 0) return 0;
    if (length == 1) return table[uint8_t(p[0])];
    return table[size_t(uint8_t(p[0])) << 8 | uint8_t(p[1])];
}

std::string Cp932ToUtf8(std::string_view text) { return Convert("UTF-8", "CP932", text); }
std::string Utf8ToCp932(std::string_view text) { return Convert("CP932", "UTF-8", text); }

// ---------------------------------------------------------------- faces --

namespace {

FT_Library Library() {
    static FT_Library lib = nullptr;
    static bool tried = false;
    if (!tried) {
        tried = true;
        if (FT_Init_FreeType(&lib) != 0) lib = nullptr;
    }
    return lib;
}

FcConfig* Config() {
    static FcConfig* config = nullptr;
    static bool tried = false;
    if (!tried) {
        tried = true;
        if (FcInit()) {
            config = FcConfigGetCurrent();
            std::atexit(FcFini); // hand fontconfig's caches back at exit
        }
    }
    return config;
}

std::string Lower(std::string s) {
    for (char& c : s)
        c = char(std::tolower(uint8_t(c)));
    return s;
}

bool FamilyInstalled(const std::string& family) {
    FcConfig* config = Config();
    if (!config || family.empty()) return false;
    FcPattern* pat = FcPatternCreate();
    FcPatternAddString(pat, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcObjectSet* os = FcObjectSetBuild(FC_FAMILY, nullptr);
    FcFontSet* set = FcFontList(config, pat, os);
    const bool found = set && set->nfont > 0;
    if (set) FcFontSetDestroy(set);
    FcObjectSetDestroy(os);
    FcPatternDestroy(pat);
    return found;
}

// The family to look for: an installed family by its own name, otherwise the
// IPA face that stands in for the Japanese faces of the other system
// (standIn is then set).
std::string FamilyFor(const std::string& utf8Name, uint8_t charSet, bool* standIn) {
    *standIn = false;
    if (FamilyInstalled(utf8Name)) return utf8Name;
    *standIn = true;
    const std::string low = Lower(utf8Name);
    const bool proportional =
        utf8Name.find("Ｐ") != std::string::npos || low.find(" p") != std::string::npos ||
        low.find("pgothic") != std::string::npos || low.find("pmincho") != std::string::npos;
    if (utf8Name.find("明朝") != std::string::npos || low.find("mincho") != std::string::npos ||
        low.find("serif") != std::string::npos)
        return proportional ? "IPAPMincho" : "IPAMincho";
    if (utf8Name.find("ゴシック") != std::string::npos || low.find("gothic") != std::string::npos)
        return proportional ? "IPAPGothic" : "IPAGothic";
    if (utf8Name.empty() || charSet == kShiftJisCharset) return "IPAGothic";
    *standIn = false;
    return utf8Name;
}

struct FaceFile {
    std::string path;
    int index = 0;
};

FaceFile MatchFace(const std::string& family, bool japanese) {
    FaceFile out;
    FcConfig* config = Config();
    if (!config) return out;
    FcPattern* pat = FcPatternCreate();
    FcPatternAddString(pat, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    if (japanese) FcPatternAddString(pat, FC_LANG, reinterpret_cast<const FcChar8*>("ja"));
    FcPatternAddBool(pat, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(config, pat, FcMatchPattern);
    FcDefaultSubstitute(pat);
    FcResult result;
    FcPattern* match = FcFontMatch(config, pat, &result);
    if (match) {
        FcChar8* file = nullptr;
        int index = 0;
        if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch && file) {
            out.path = reinterpret_cast<const char*>(file);
            if (FcPatternGetInteger(match, FC_INDEX, 0, &index) == FcResultMatch) out.index = index;
        }
        FcPatternDestroy(match);
    }
    FcPatternDestroy(pat);
    return out;
}

} // namespace

struct Font {
    LogFont desc{};
    std::string path;
    FT_Face face = nullptr;
    FT_Face fallback = nullptr; // Japanese face for what the chosen face lacks
    TextMetrics metrics{};
    bool bold = false;
    int refs = 0;
    std::unordered_map<uint32_t, Glyph> glyphs;

    ~Font() {
        if (face) FT_Done_Face(face);
        if (fallback) FT_Done_Face(fallback);
    }
};

namespace {

std::vector<std::unique_ptr<Font>>& FontCache() {
    static std::vector<std::unique_ptr<Font>> cache;
    return cache;
}

bool SameDescription(const LogFont& a, const LogFont& b) {
    return a.height == b.height && a.width == b.width && a.escapement == b.escapement &&
           a.weight == b.weight && a.italic == b.italic && a.underline == b.underline &&
           a.strikeOut == b.strikeOut && a.charSet == b.charSet &&
           std::strncmp(a.faceName, b.faceName, sizeof a.faceName) == 0;
}

// Cell height to the face's em size, the way the other system sizes a font
// by its cell: the cell is the face's ascent plus descent. A stand-in for a
// Japanese system face takes that face's metrics (cell = em, ascent 0.859 em),
// so text keeps its size and line pitch.
void SizeFace(FT_Face face, const LogFont& lf, bool standIn, TextMetrics* metrics) {
    const TT_OS2* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    const double upem = face->units_per_EM ? face->units_per_EM : 1000.0;
    double asc = face->ascender, desc = -double(face->descender);
    if (standIn) {
        asc = upem * 0.859;
        desc = upem - asc;
    } else if (os2 && os2->usWinAscent + os2->usWinDescent > 0) {
        asc = os2->usWinAscent;
        desc = os2->usWinDescent;
    }
    const double cellUnits = asc + desc > 0 ? asc + desc : upem;
    double ppem;
    int32_t cell;
    if (lf.height > 0) {
        ppem = lf.height * upem / cellUnits;
        cell = lf.height;
    } else if (lf.height < 0) {
        ppem = -double(lf.height);
        cell = int32_t(std::lround(ppem * cellUnits / upem));
    } else {
        ppem = 12.0 * upem / cellUnits;
        cell = 12;
    }
    const double ppemX = lf.width > 0 ? 2.0 * lf.width : ppem;
    FT_Set_Char_Size(face, FT_F26Dot6(std::lround(ppemX * 64)), FT_F26Dot6(std::lround(ppem * 64)), 72, 72);
    if (lf.escapement % 3600 != 0) {
        const double a = lf.escapement / 10.0 * 3.14159265358979323846 / 180.0;
        FT_Matrix m;
        m.xx = FT_Fixed(std::lround(std::cos(a) * 65536));
        m.xy = FT_Fixed(std::lround(-std::sin(a) * 65536));
        m.yx = FT_Fixed(std::lround(std::sin(a) * 65536));
        m.yy = FT_Fixed(std::lround(std::cos(a) * 65536));
        FT_Set_Transform(face, &m, nullptr);
    }
    if (metrics) {
        metrics->height = cell;
        metrics->ascent = int32_t(std::lround(cell * asc / cellUnits));
        metrics->descent = cell - metrics->ascent;
        metrics->aveCharWidth = int32_t(std::lround(ppemX / 2));
    }
}

FT_Face OpenFace(const FaceFile& f) {
    if (f.path.empty() || !Library()) return nullptr;
    FT_Face face = nullptr;
    if (FT_New_Face(Library(), f.path.c_str(), f.index, &face) != 0) return nullptr;
    return face;
}

bool RenderInto(FT_Face face, uint32_t cp, bool bold, bool italic, Glyph& g) {
    const FT_UInt index = FT_Get_Char_Index(face, cp);
    if (index == 0 && cp != 0) return false;
    if (FT_Load_Glyph(face, index, FT_LOAD_DEFAULT | FT_LOAD_TARGET_MONO | FT_LOAD_NO_BITMAP) != 0)
        return false;
    FT_GlyphSlot slot = face->glyph;
    if (slot->format == FT_GLYPH_FORMAT_OUTLINE) {
        if (bold) FT_Outline_EmboldenXY(&slot->outline, 64, 0);
        if (italic) {
            FT_Matrix shear{0x10000, 0x0366A, 0, 0x10000};
            FT_Outline_Transform(&slot->outline, &shear);
        }
    }
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_MONO) != 0) return false;
    const FT_Bitmap& bm = slot->bitmap;
    g.left = slot->bitmap_left;
    g.top = -slot->bitmap_top;
    g.width = int32_t(bm.width);
    g.rows = int32_t(bm.rows);
    g.advanceX = int32_t((slot->advance.x + 32) >> 6) + (bold ? 1 : 0);
    g.advanceY = -int32_t((slot->advance.y + 32) >> 6);
    g.bits.assign(size_t(g.width) * size_t(g.rows), 0);
    for (int32_t r = 0; r < g.rows; ++r) {
        const uint8_t* row = bm.buffer + ptrdiff_t(r) * bm.pitch;
        for (int32_t c = 0; c < g.width; ++c) {
            uint8_t v;
            if (bm.pixel_mode == FT_PIXEL_MODE_MONO)
                v = (row[c >> 3] >> (7 - (c & 7))) & 1;
            else
                v = row[c] >= 128 ? 1 : 0;
            g.bits[size_t(r) * size_t(g.width) + size_t(c)] = v;
        }
    }
    return true;
}

} // namespace

Font* CreateFontIndirect(const LogFont& lf) {
    auto& cache = FontCache();
    for (auto& f : cache)
        if (SameDescription(f->desc, lf)) {
            ++f->refs;
            return f.get();
        }
    LogFont desc = lf;
    desc.faceName[sizeof desc.faceName - 1] = 0;
    const std::string name = Cp932ToUtf8(std::string_view(desc.faceName, std::strlen(desc.faceName)));
    bool standIn = false;
    const std::string family = FamilyFor(name, desc.charSet, &standIn);
    FaceFile file = MatchFace(family, desc.charSet == kShiftJisCharset);
    FT_Face face = OpenFace(file);
    FaceFile fallbackFile = MatchFace("IPAGothic", true);
    if (!face) {
        file = fallbackFile;
        face = OpenFace(file);
        standIn = true;
    }
    if (!face) return nullptr;
    auto font = std::make_unique<Font>();
    font->desc = desc;
    font->path = file.path;
    font->face = face;
    SizeFace(face, desc, standIn, &font->metrics);
    if (fallbackFile.path != file.path) {
        font->fallback = OpenFace(fallbackFile);
        if (font->fallback) SizeFace(font->fallback, desc, true, nullptr);
    }
    font->bold = desc.weight >= 600 && !(face->style_flags & FT_STYLE_FLAG_BOLD);
    font->metrics.overhang = font->bold ? 1 : 0;
    font->refs = 1;
    // Keep the cache bounded: drop faces nobody holds once it grows large.
    if (cache.size() >= 64)
        cache.erase(std::remove_if(cache.begin(), cache.end(), [](const auto& f) { return f->refs <= 0; }),
                    cache.end());
    cache.push_back(std::move(font));
    return cache.back().get();
}

void DeleteFont(Font* font) {
    if (font && font->refs > 0) --font->refs;
}

const LogFont& DescriptionOf(const Font* font) { return font->desc; }
TextMetrics MetricsOf(const Font* font) { return font->metrics; }
std::string FaceFileOf(const Font* font) { return font ? font->path : std::string(); }
std::string FaceFamilyOf(const Font* font) {
    return font && font->face && font->face->family_name ? font->face->family_name : std::string();
}

const Glyph& GlyphOf(Font* font, uint32_t cp) {
    auto it = font->glyphs.find(cp);
    if (it != font->glyphs.end()) return it->second;
    Glyph g;
    const bool italic = font->desc.italic != 0;
    if (!RenderInto(font->face, cp, font->bold, italic, g) &&
        !(font->fallback && RenderInto(font->fallback, cp, font->bold, italic, g)))
        RenderInto(font->face, 0, font->bold, italic, g); // the face's missing-glyph box
    return font->glyphs.emplace(cp, std::move(g)).first->second;
}

// ----------------------------------------------------------- enumeration --

std::vector<LogFont> EnumerateFonts() {
    std::vector<LogFont> out;
    FcConfig* config = Config();
    if (!config) return out;
    FcPattern* pat = FcPatternCreate();
    FcObjectSet* os = FcObjectSetBuild(FC_FAMILY, FC_LANG, FC_CHARSET, nullptr);
    FcFontSet* set = FcFontList(config, pat, os);
    struct Entry {
        std::string name;
        uint8_t charSet;
    };
    std::vector<Entry> entries;
    for (int i = 0; set && i < set->nfont; ++i) {
        FcPattern* p = set->fonts[i];
        uint8_t charSet = kAnsiCharset;
        FcLangSet* langs = nullptr;
        FcCharSet* chars = nullptr;
        if (FcPatternGetLangSet(p, FC_LANG, 0, &langs) == FcResultMatch && langs &&
            FcLangSetHasLang(langs, reinterpret_cast<const FcChar8*>("ja")) == FcLangEqual)
            charSet = kShiftJisCharset;
        else if (FcPatternGetCharSet(p, FC_CHARSET, 0, &chars) == FcResultMatch && chars &&
                 !FcCharSetHasChar(chars, 'A'))
            charSet = kSymbolCharset;
        FcChar8* fam = nullptr;
        for (int k = 0; FcPatternGetString(p, FC_FAMILY, k, &fam) == FcResultMatch; ++k) {
            std::string name = Utf8ToCp932(reinterpret_cast<const char*>(fam));
            if (name.empty() || name.find('?') != std::string::npos) continue;
            // At most 31 bytes, never cutting a two-byte character.
            size_t cut = 0;
            while (cut < name.size()) {
                const size_t n = CharLength(name.data() + cut, name.size() - cut);
                if (cut + n > 31) break;
                cut += n;
            }
            name.resize(cut);
            entries.push_back({name, charSet});
        }
    }
    if (set) FcFontSetDestroy(set);
    FcObjectSetDestroy(os);
    FcPatternDestroy(pat);
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.name < b.name; });
    entries.erase(std::unique(entries.begin(), entries.end(),
                              [](const Entry& a, const Entry& b) { return a.name == b.name; }),
                  entries.end());
    for (const Entry& e : entries) {
        LogFont lf{};
        std::memcpy(lf.faceName, e.name.data(), e.name.size());
        lf.charSet = e.charSet;
        lf.weight = 400;
        out.push_back(lf);
    }
    return out;
}

} // namespace plat
