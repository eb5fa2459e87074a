// Writes documentation pictures of the built-in skins: the bitmap itself, and each skin's
// default window composed with fixed sample values (a stand-in until the live renderer draws
// them). Usage: SkinPreview OUTPUT_FOLDER

#include "Layout.h"
#include "SkinData.h"
#include "SkinEngine.h"
#include "SkinReader.h"
#include "SkinSurfaces.h"
#include "TransParam.h"
#include "base/Ui.h"
#include "settings/SlotStyle.h"

#include <cstdio>
#include <png.h>
#include <string>

using namespace trumbel;

namespace {

bool WritePng(const Bitmap& b, int scale, const std::string& path) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(b.width * scale);
    image.height = static_cast<png_uint_32>(b.height * scale);
    image.format = PNG_FORMAT_BGRA;
    std::vector<std::uint32_t> px(static_cast<std::size_t>(image.width * image.height));
    for (int y = 0; y < b.height * scale; ++y) {
        for (int x = 0; x < b.width * scale; ++x) {
            px[static_cast<std::size_t>(y) * image.width + x] =
                b.At(x / scale, y / scale) | 0xFF000000u;
        }
    }
    return png_image_write_to_file(&image, path.c_str(), 0, px.data(), 0, nullptr) != 0;
}

struct Composer {
    const SkinData& skin;
    const SkinSurfaces& s;
    Bitmap& dst;

    void Masked(int dx, int dy, int sx, int sy, int w, int h) {
        for (int j = 0; j < h; ++j) {
            for (int i = 0; i < w; ++i) {
                if (!dst.Contains(dx + i, dy + j) || !s.image.Contains(sx + i, sy + j)) {
                    continue;
                }
                std::uint32_t& d = dst.At(dx + i, dy + j);
                d = (d & s.mask.At(sx + i, sy + j)) | s.image.At(sx + i, sy + j);
            }
        }
    }
    void Unit(const UnitPiece& u, int x, int y) { Masked(x, y, u.srcX, u.srcY, u.width, u.height); }

    int CellOf(char c) {
        if (c >= '0' && c <= '9') {
            return c - '0';
        }
        switch (c) {
        case '.':
            return 10;
        case '-':
            return 11;
        case 'K':
            return 12;
        case 'M':
            return 13;
        case 'G':
            return 14;
        case 'T':
            return 15;
        default:
            return 11;
        }
    }
    void Number(const NumberFont& f, int x, int y, const std::string& templ,
                const std::string& text) {
        auto adv = [&](int cell, int& px, int& py, int sign) {
            if (cell <= 9) {
                px += sign * f.stepX, py += sign * f.stepY;
            } else if (cell == 10) {
                px += sign * f.f6, py += sign * f.f7;
            } else {
                px += sign * f.f8, py += sign * f.f9;
            }
        };
        for (auto it = templ.rbegin(); it != templ.rend(); ++it) {
            adv(CellOf(*it), x, y, 1);
        }
        for (auto it = text.rbegin(); it != text.rend(); ++it) {
            const int cell = CellOf(*it);
            adv(cell, x, y, -1);
            Masked(x, y, f.srcX + f.glyphWidth * cell, f.srcY, f.glyphWidth, f.glyphHeight);
        }
    }
};

Bitmap Compose(const SkinData& skin, const SkinSurfaces& s, const Settings& st,
               const SkinLayout& l) {
    Bitmap dst(l.layoutWidth, l.layoutHeight);
    Composer c{skin, s, dst};
    PrintingUi ui;
    c.Unit(skin.startUnit, 0, 0);
    const float samples[9][2] = {{5.1e9f, 16.4e9f}, {1.9e9f, 2.1e9f}, {37, 0},       {0, 0},
                                 {123456, 9e6f},    {5000 * 8, 1e6f}, {15432, 1e6f}, {5000, 1e6f},
                                 {212e9f, 480e9f}};
    for (int ci = 0; ci < kContainerCount; ++ci) {
        const ContainerPlacement& p = l.placements[ci];
        if (!p.shown) {
            continue;
        }
        if (p.type == -1) {
            c.Unit(skin.clockUnit, p.x, p.y);
            const int values[7] = {2026, 12, 8, 14, 5, 9, 9};
            for (int f = 1; f < 7; ++f) {
                const ClockNumber& n = skin.clockNumbers[f];
                const NumberFont& font = skin.numberFonts[n.font];
                const int v = values[f];
                if (f == 6) {
                    c.Masked(p.x + n.x, p.y + n.y, font.srcX + font.glyphWidth * v, font.srcY,
                             font.glyphWidth, font.glyphHeight);
                    continue;
                }
                c.Masked(p.x + n.x, p.y + n.y, font.srcX + font.glyphWidth * (v / 10), font.srcY,
                         font.glyphWidth, font.glyphHeight);
                c.Masked(p.x + n.x + font.stepX, p.y + n.y + font.stepY,
                         font.srcX + font.glyphWidth * (v % 10), font.srcY, font.glyphWidth,
                         font.glyphHeight);
            }
            for (int lamp : {4, 3, 0}) { // send active, CPU warning, memory critical
                const ClockIndicator& ind = skin.clockIndicators[lamp];
                const bool second = lamp == 0;
                c.Masked(p.x + ind.x, p.y + ind.y, second ? ind.src2X : ind.src1X,
                         second ? ind.src2Y : ind.src1Y, ind.width, ind.height);
            }
            continue;
        }
        c.Unit(skin.graphUnit, p.x, p.y);
        const int slots = p.type == 1 ? 1 : skin.slotCount;
        for (int sl = 0; sl < slots; ++sl) {
            const int kind = p.slotKind[sl];
            const ItemParams& ip = skin.itemParams[kind];
            const int pos = p.type == 1 ? skin.slotCount - 1 : sl;
            const int ox = p.x + skin.slotOffset[pos].x;
            const int oy = p.y + skin.slotOffset[pos].y;
            c.Masked(ox + ip.labelX, oy + ip.labelY, ip.labelSrcX, ip.labelSrcY, ip.labelWidth,
                     ip.labelHeight);
            const int style = st.graphStyle[ci][sl] / 10;
            const int row = ((p.type == 1 ? ip.historyGraph : ip.barGraph) / 2) + style % 3 - 1;
            const int gx = p.x + skin.slotOffset[sl].x;
            const int gy = p.y + skin.slotOffset[sl].y;
            if (p.type == 0) {
                const GraphRecord& g = skin.Graph(row, GraphType::Bar);
                c.Masked(gx + g.x, gy + g.y, g.srcX, g.srcY, g.width, g.height);
                const int pct = kind == 8 ? 44 : 31;
                c.Masked(gx + g.x, gy + g.y, g.src2X, g.src2Y, pct * g.width2 / 100, g.height2);
            } else {
                const GraphRecord& g = skin.Graph(row, GraphType::History);
                c.Masked(gx + g.x, gy + g.y, g.srcX, g.srcY, g.width, g.height);
                for (int i = 1; i <= g.extra; ++i) {
                    const int pct =
                        kind == 2 ? 20 + (i * 37 % 60) : (i * 53 % 100) * (i % 4 ? 1 : 0) / 2;
                    const int h = g.height2 * pct / 100;
                    c.Masked(gx + g.x + i * g.width2, gy + g.y + g.height2 - h, g.src2X,
                             g.src2Y + g.height2 - h, g.width2, h);
                }
            }
            if (kind == 8) {
                const auto& e = ip.diskExtra;
                c.Masked(ox + e[0], oy + e[1], e[2] + e[4] * 3, e[3], e[4], e[5]);
                c.Masked(ox + e[6], oy + e[7], e[8] + e[10] * 2, e[9], e[10], e[11]);
            }
            const int lineStyle[2] = {style, st.digitStyle[ci][sl] / 10};
            for (int line = 0; line < 2; ++line) {
                const int ls = lineStyle[line];
                if (ls == 0) {
                    continue;
                }
                const NumberFont& font = skin.numberFonts[ip.numberFont[line]];
                const bool pct = ls >= 4;
                std::string text = pct ? std::to_string(static_cast<int>(samples[kind][line]))
                                       : TransParam(samples[kind][line], ui);
                if (kind == 3) {
                    text = "---";
                }
                c.Number(font, ox + ip.numberX[line], oy + ip.numberY[line], pct ? "000" : "000.K",
                         text);
            }
        }
    }
    if (IsOn(st.showEndUnit)) {
        c.Unit(skin.endUnit, l.endX, l.endY);
    }
    return dst;
}

Settings DefaultLayout(const SkinData& skin) {
    Settings st;
    st.containerCount = 5;
    st.kind[0][1] = 8;
    for (int ci = 1; ci <= 3; ++ci) {
        st.historyContainer[ci] = 1;
    }
    st.kind[1][0] = 2;
    st.kind[2][0] = 4;
    st.kind[3][0] = 5;
    st.clockContainer[4] = 1;
    for (int ci = 0; ci < kContainerCount; ++ci) {
        for (int sl = 0; sl < kSlotCount; ++sl) {
            SetSlotStyle(st, StandardStylesOf(skin), ci, sl, 0, StyleSet::Force);
        }
    }
    return st;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: SkinPreview OUTPUT_FOLDER\n");
        return 2;
    }
    const std::string out = std::string(argv[1]) + "/";
    const BuiltInSkinSource source = EmbeddedSkinSource();
    const auto art = source.loadBitmap("101");
    if (!art) {
        return 1;
    }
    bool ok = WritePng(*art, 1, out + "skin101.png") && WritePng(*art, 3, out + "skin101-3x.png");
    if (const auto strip = LoadResourceBitmap("DefaultIcon")) {
        ok = ok && WritePng(*strip, 6, out + "DefaultIcon-6x.png");
    }
    const char* names[2] = {"Default_MiniH", "Default_MiniV"};
    for (int number = 1; number <= 2; ++number) {
        const SkinData skin = ReadBuiltInSkin(source.strings, number);
        const SkinSurfaces surfaces = MakeSkinSurfaces(*art, skin.colorKey);
        const Settings st = DefaultLayout(skin);
        const SkinLayout layout = ComputeLayout(skin, st, {});
        const Bitmap window = Compose(skin, surfaces, st, layout);
        const std::string base = out + names[number - 1];
        ok = ok && WritePng(window, 1, base + "-1x.png") && WritePng(window, 2, base + "-2x.png");
    }
    return ok ? 0 : 1;
}
