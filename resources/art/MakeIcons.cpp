// Draws the program's icons and writes them as PNG files with alpha: MakeIcons OUTPUT_FOLDER
//
// The 16 × 16 menu and tree icons ("icon_hdd.png"), the 32 × 32 options pages ("OPT_110.png"),
// the 32 × 32 clock status icons ("clock_10.png") and the program icon at every size it is
// offered ("symbol-48.png"). Icons are pixel art in the skin's palette; the larger pictures are
// 16 × 16 drawings doubled pixel by pixel, so that every size shows the same hand-set pixels
// rather than a smoothed copy.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <png.h>
#include <string>
#include <string_view>
#include <vector>

namespace {

using Rgba = std::uint32_t; // 0xAARRGGBB; 0 is transparent

constexpr Rgba C(int r, int g, int b) {
    return 0xFF000000u | (static_cast<Rgba>(r) << 16) | (static_cast<Rgba>(g) << 8) |
           static_cast<Rgba>(b);
}

constexpr double kPi = 3.14159265358979323846;

// One letter per colour, so that the drawings below can be read as pictures. The dark slate,
// blue text, green and amber are the skin's own.
const std::map<char, Rgba>& Palette() {
    static const std::map<char, Rgba> p = {
        {'k', C(16, 20, 26)},    // outline
        {'K', C(40, 48, 58)},    // dark slate
        {'p', C(58, 70, 84)},    // panel
        {'q', C(92, 106, 122)},  // panel highlight
        {'l', C(14, 19, 24)},    // display glass
        {'g', C(150, 160, 172)}, // grey
        {'G', C(200, 208, 216)}, // light grey
        {'w', C(246, 248, 250)}, // white
        {'b', C(120, 170, 210)}, // skin text blue
        {'B', C(44, 110, 200)},  // blue
        {'D', C(24, 56, 120)},   // navy
        {'c', C(90, 200, 250)},  // cyan
        {'e', C(188, 224, 248)}, // pale blue
        {'n', C(96, 236, 146)},  // green
        {'N', C(34, 160, 92)},   // dark green
        {'M', C(18, 100, 56)},   // deep green
        {'a', C(255, 196, 92)},  // amber
        {'A', C(226, 116, 40)},  // dark amber
        {'o', C(140, 80, 30)},   // brown
        {'u', C(236, 208, 160)}, // beige
        {'U', C(196, 160, 110)}, // wood
        {'y', C(255, 226, 84)},  // yellow
        {'Y', C(204, 152, 32)},  // gold
        {'r', C(235, 64, 52)},   // red
        {'R', C(150, 32, 28)},   // dark red
        {'v', C(176, 120, 224)}, // violet
    };
    return p;
}

Rgba Ink(char ch) {
    const auto it = Palette().find(ch);
    if (it == Palette().end()) {
        std::fprintf(stderr, "MakeIcons: no colour for '%c'\n", ch);
        std::exit(1);
    }
    return it->second;
}

struct Canvas {
    int w;
    int h;
    std::vector<Rgba> px;
    Canvas(int width, int height)
        : w(width), h(height), px(static_cast<std::size_t>(width * height), 0) {}
    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < w && y < h; }
    void Set(int x, int y, Rgba c) {
        if (Inside(x, y)) {
            px[static_cast<std::size_t>(y * w + x)] = c;
        }
    }
    Rgba Get(int x, int y) const {
        return Inside(x, y) ? px[static_cast<std::size_t>(y * w + x)] : 0;
    }
    void Fill(int x, int y, int ww, int hh, char ink) {
        for (int j = 0; j < hh; ++j) {
            for (int i = 0; i < ww; ++i) {
                Set(x + i, y + j, Ink(ink));
            }
        }
    }
    // Every pixel whose centre satisfies the test, in one colour.
    void Shape(const std::function<bool(double, double)>& inside, char ink) {
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                if (inside(x + 0.5, y + 0.5)) {
                    Set(x, y, Ink(ink));
                }
            }
        }
    }
    void Disc(double cx, double cy, double r, char ink) {
        Shape([&](double x, double y) { return Hypot(x - cx, y - cy) <= r; }, ink);
    }
    void ClearDisc(double cx, double cy, double r) {
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                if (Hypot(x + 0.5 - cx, y + 0.5 - cy) <= r) {
                    Set(x, y, 0);
                }
            }
        }
    }
    void Line(int x0, int y0, int x1, int y1, char ink) {
        const int dx = std::abs(x1 - x0);
        const int dy = -std::abs(y1 - y0);
        const int sx = x0 < x1 ? 1 : -1;
        const int sy = y0 < y1 ? 1 : -1;
        int err = dx + dy;
        for (;;) {
            Set(x0, y0, Ink(ink));
            if (x0 == x1 && y0 == y1) {
                return;
            }
            const int e2 = 2 * err;
            if (e2 >= dy) {
                err += dy;
                x0 += sx;
            }
            if (e2 <= dx) {
                err += dx;
                y0 += sy;
            }
        }
    }
    // Rings everything drawn so far with the outline colour (the transparent pixels that touch
    // it side by side).
    void Outline() {
        Canvas out = *this;
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                if (Get(x, y) == 0 && (Get(x - 1, y) != 0 || Get(x + 1, y) != 0 ||
                                       Get(x, y - 1) != 0 || Get(x, y + 1) != 0)) {
                    out.Set(x, y, Ink('k'));
                }
            }
        }
        *this = out;
    }
    // Lays another canvas over this one at (x, y); its transparent pixels leave this one's.
    void Paste(const Canvas& other, int x, int y) {
        for (int j = 0; j < other.h; ++j) {
            for (int i = 0; i < other.w; ++i) {
                if (other.Get(i, j) != 0) {
                    Set(x + i, y + j, other.Get(i, j));
                }
            }
        }
    }
    static double Hypot(double a, double b) { return std::sqrt(a * a + b * b); }
};

// Rows of palette letters; '.' leaves the pixel as it is. Rows are the lines of the text
// between its first and last line break.
void Art(Canvas& c, int x, int y, std::string_view rows, const char* what) {
    std::vector<std::string_view> lines;
    std::size_t start = rows.find('\n') + 1;
    while (start < rows.size()) {
        const std::size_t end = rows.find('\n', start);
        if (end == std::string_view::npos) {
            break;
        }
        lines.push_back(rows.substr(start, end - start));
        start = end + 1;
    }
    for (std::size_t j = 0; j < lines.size(); ++j) {
        if (lines[j].size() != lines[0].size()) {
            std::fprintf(stderr, "MakeIcons: %s: row %zu is %zu wide, not %zu\n", what, j,
                         lines[j].size(), lines[0].size());
            std::exit(1);
        }
        for (std::size_t i = 0; i < lines[j].size(); ++i) {
            if (lines[j][i] != '.') {
                c.Set(x + static_cast<int>(i), y + static_cast<int>(j), Ink(lines[j][i]));
            }
        }
    }
}

// A small sign in the lower right corner, ringed with the outline colour so that it stands
// off whatever lies under it.
void Badge(Canvas& c, std::string_view rows, const char* what) {
    Canvas b(8, 8);
    Art(b, 1, 1, rows, what);
    b.Outline();
    c.Paste(b, c.w - 8, c.h - 8);
}

constexpr std::string_view kCross = R"(
r...r
.r.r.
..r..
.r.r.
r...r
)";
constexpr std::string_view kBoldCross = R"(
rr..rr
.rrrr.
..rr..
.rrrr.
rr..rr
)";
constexpr std::string_view kCheck = R"(
.....n
....nN
n..nN.
NnnN..
.NN...
)";
constexpr std::string_view kWarning = R"(
..y...
.yky..
.yky..
yyyyy.
yykyy.
yyyyyy
)";

// ---------------------------------------------------------------------------------------------
// Pieces several icons share

// A sheet of paper with a folded corner, 13 wide.
void Sheet(Canvas& c, int x, int y) {
    Art(c, x, y, R"(
kkkkkkkkk....
kwwwwwwwkk...
kwwwwwwwkGk..
kwwwwwwwkGGk.
kwwwwwwwkkkkk
kwwwwwwwwwwwk
kwwwwwwwwwwwk
kwwwwwwwwwwwk
kwwwwwwwwwwwk
kwwwwwwwwwwwk
kwwwwwwwwwwwk
kwwwwwwwwwwwk
kwwwwwwwwwwwk
kwwwwwwwwwwwk
kwwwwwwwwwwwk
kkkkkkkkkkkkk
)",
        "sheet");
}

void Globe(Canvas& c) {
    c.Disc(8, 8, 7.5, 'k');
    c.Disc(8, 8, 6.5, 'B');
    Art(c, 0, 0, R"(
................
................
.....NNN..c.....
....NnnNN..c....
...NnnnnN.......
..NnnnnN.....N..
..NnnnN.....NnN.
...NnnN....NnnN.
....NnN...NnnN..
.....NN...NnN...
.....NnN...N....
......NN........
......N.........
................
................
................
)",
        "globe");
}

void Clock(Canvas& c) {
    c.Disc(8, 8, 7.5, 'k');
    c.Disc(8, 8, 6.5, 'w');
    c.Shape([](double x, double y) { return Canvas::Hypot(x - 8, y - 8) < 6.5 && x + y > 20; },
            'G');
    Art(c, 0, 0, R"(
................
................
.......kk.......
................
.......k........
.......k........
.......k........
..k....k.....k..
..k....kkkk..k..
.......rr.......
................
................
................
.......kk.......
................
................
)",
        "clock");
}

// A horizontal drive seen from the front, its top face above, 9 rows high.
void DriveBox(Canvas& c, int y) {
    Art(c, 0, y, R"(
..kkkkkkkkkkkk..
.kGwwwwwwwwwwGk.
kGGGGGGGGGGGGGGk
kkkkkkkkkkkkkkkk
kggggggggggggggk
kgKKKKKKKKggggnk
kggggggggggggNNk
kqqqqqqqqqqqqqqk
kkkkkkkkkkkkkkkk
)",
        "drive");
}

// A dark display window of the skin, with its bevel.
void Display(Canvas& c, int x, int y, int w, int h) {
    c.Fill(x, y, w, h, 'k');
    c.Fill(x + 1, y + 1, w - 2, h - 2, 'l');
}

// A thick arrow, light with its right edge dark, not yet outlined.
void Arrow(Canvas& c, bool up, char light, char dark, int left, int width) {
    const double mid = left + width / 2.0;
    const double half = width / 2.0;
    c.Shape(
        [&](double x, double yy) {
            const double y = up ? 16 - yy : yy; // drawn pointing down, mirrored for up
            const bool shaft =
                x > mid - half / 2 - 0.01 && x < mid + half / 2 + 0.01 && y > 1 && y < 8.5;
            const bool head = y >= 7.5 && y < 14 && std::abs(x - mid) < (14 - y) * half / 6.0;
            return shaft || head;
        },
        light);
    for (int y = 0; y < 16; ++y) {
        for (int x = static_cast<int>(mid); x < 16; ++x) {
            if (c.Get(x, y) == Ink(light) && c.Get(x + 1, y) == 0) {
                c.Set(x, y, Ink(dark));
            }
        }
    }
}

// A skin window strip split into start unit, container and end unit; a unit that is hidden
// is drawn as a dotted frame.
void UnitStrip(Canvas& c, bool start, bool end, bool startShown, bool endShown) {
    Art(c, 0, 4, R"(
kkkkkkkkkkkkkkkk
kqqqkqqqqqqkqqqk
kpppkllllllkpppk
kpppklnnnnlkpppk
kpppklaalllkpppk
kpppkllllllkpppk
kKKKkKKKKKKkKKKk
kkkkkkkkkkkkkkkk
)",
        "strip");
    // The unit the menu is about stands out bright, on dark menus as well.
    auto unit = [&](int x0, bool shown) {
        for (int y = 4; y <= 11; ++y) {
            for (int x = x0; x < x0 + 5; ++x) {
                const bool edge = y == 4 || y == 11 || x == x0 || x == x0 + 4;
                if (shown) {
                    c.Set(x, y, Ink(edge ? 'k' : (y == 5 ? 'e' : 'c')));
                } else {
                    c.Set(x, y, edge ? Ink((x + y) % 2 == 0 ? 'k' : 'G') : 0);
                }
            }
        }
        if (shown) {
            c.Set(x0 + 2, 7, Ink('D'));
            c.Set(x0 + 2, 8, Ink('D'));
        }
    };
    if (start) {
        unit(0, startShown);
    }
    if (end) {
        unit(11, endShown);
    }
}

// ---------------------------------------------------------------------------------------------
// The 16 × 16 icons

using Draw = std::function<void(Canvas&)>;
using IconList = std::vector<std::pair<std::string, Draw>>;

// Keeps only the outline, dashed dark and light so that it shows on light and dark menus alike:
// a thing that is not there.
void Ghost(Canvas& c) {
    for (int y = 0; y < c.h; ++y) {
        for (int x = 0; x < c.w; ++x) {
            const bool edge = c.Get(x, y) == Ink('k');
            c.Set(x, y, edge ? Ink((x + y) % 2 == 0 ? 'k' : 'G') : 0);
        }
    }
}

void TextLines(Canvas& c) {
    for (int y : {6, 8, 10, 12}) {
        c.Fill(3, y, y == 12 ? 5 : 8, 1, 'g');
    }
}

void SkinSheet(Canvas& c) {
    Sheet(c, 1, 0);
    c.Fill(3, 6, 3, 3, 'r');
    c.Fill(6, 6, 3, 3, 'n');
    c.Fill(9, 6, 3, 3, 'B');
    c.Fill(3, 10, 9, 2, 'a');
    c.Fill(3, 12, 9, 1, 'A');
}

void Window(Canvas& c, int x, int y, int w, int h, char title) {
    c.Fill(x, y, w, h, 'k');
    c.Fill(x + 1, y + 1, w - 2, 2, title);
    c.Fill(x + 1, y + 3, w - 2, h - 4, 'w');
}

void Topmost(Canvas& c) {
    Window(c, 0, 5, 11, 11, 'g');
    Window(c, 5, 0, 11, 11, 'B');
    c.Fill(7, 5, 6, 1, 'G');
    c.Fill(7, 7, 4, 1, 'G');
}

void Magnifier(Canvas& c) {
    c.Shape([](double x, double y) { return std::abs(x - y) < 1.6 && x + y > 20 && x + y < 29; },
            'A');
    c.Shape(
        [](double x, double y) { return x - y > 0.2 && x - y < 1.6 && x + y > 20 && x + y < 29; },
        'o');
    c.Disc(6.5, 6.5, 5.6, 'g');
    c.Disc(6.5, 6.5, 4.4, 'e');
    c.Set(4, 3, Ink('w'));
    c.Set(3, 4, Ink('w'));
    c.Set(3, 5, Ink('w'));
    c.Outline();
}

void DownArrowsInList(Canvas& c, bool up) {
    Arrow(c, up, 'c', 'B', 0, 8);
    c.Outline();
    for (int y : {3, 7, 11}) {
        c.Fill(10, y, 5, 2, 'g');
    }
}

void Plus(Canvas& c, int y) {
    c.Fill(7, y, 2, 8, 'n');
    c.Fill(4, y + 3, 8, 2, 'n');
    c.Set(8, y + 7, Ink('N'));
    c.Fill(9, y + 4, 3, 1, 'N');
}

void Row(Canvas& c, int y) {
    c.Fill(1, y, 14, 3, 'B');
    c.Fill(1, y, 14, 1, 'c');
}

void Display16(Canvas& c, int y, int h) {
    Display(c, 0, y, 16, h);
}

void ShowBar(Canvas& c, char light, char dark, int filled) {
    Display16(c, 4, 8);
    c.Fill(2, 6, 12, 4, 'K');
    c.Fill(2, 6, filled, 3, light);
    c.Fill(2, 9, filled, 1, dark);
}

void Question(Canvas& c, int x, int y) {
    Canvas q(7, 9);
    Art(q, 1, 1, R"(
.BBB.
B...B
....B
..BB.
..B..
.....
..B..
)",
        "question");
    q.Outline();
    c.Paste(q, x, y);
}

void Help(Canvas& c) {
    c.Disc(8, 8, 7.5, 'k');
    c.Disc(8, 8, 6.5, 'B');
    c.Shape([](double x, double y) { return Canvas::Hypot(x - 8, y - 8) < 6.5 && x + y < 9; }, 'c');
    Art(c, 5, 4, R"(
.wwww.
ww..ww
....ww
...ww.
..ww..
..ww..
......
..ww..
)",
        "help");
}

void Drive(Canvas& c) {
    DriveBox(c, 3);
}

void RamDisk(Canvas& c) {
    Art(c, 0, 2, R"(
..kkkkkkkkkkkk..
.kGwwwwwwwwwwGk.
kGGGGGGGGGGGGGGk
kkkkkkkkkkkkkkkk
kNNNNNNNNNNNNNNk
kNKKKNKKKNKKKNnk
kNKKKNKKKNKKKNNk
kNNNNNNNNNNNNNNk
kYMYMYMYMYMYMYMk
kkkkkkkkkkkkkkkk
)",
        "icon_ramdisk");
}

void Socket(Canvas& c, char led) {
    Art(c, 0, 2, R"(
.kkkkkkkkkkkkkk.
.kggggggggggggk.
.kgkkkkkkkkkkgk.
.kgkYlYlYlYlkgk.
.kgkllllllllkgk.
.kgkllllllllkgk.
.kgkllllllllkgk.
.kgkkkllllkkkgk.
.kgggkllllkgggk.
.kgggkkkkkkgggk.
.kggggggggggggk.
.kkkkkkkkkkkkkk.
)",
        "socket");
    c.Fill(2, 11, 2, 2, led);
    c.Fill(12, 11, 2, 2, led);
}

void Cpu(Canvas& c) {
    for (int i : {4, 6, 9, 11}) {
        c.Fill(i, 1, 1, 2, 'g');
        c.Fill(i, 13, 1, 2, 'g');
        c.Fill(1, i, 2, 1, 'g');
        c.Fill(13, i, 2, 1, 'g');
    }
    c.Fill(3, 3, 10, 10, 'k');
    c.Fill(4, 4, 8, 8, 'K');
    c.Fill(4, 4, 8, 1, 'p');
    c.Fill(6, 6, 4, 4, 'Y');
    c.Fill(6, 6, 3, 1, 'y');
    c.Fill(6, 7, 1, 2, 'y');
}

void Pie(Canvas& c) {
    c.Disc(8, 8, 7.5, 'k');
    c.Disc(8, 8, 6.5, 'B');
    c.Shape(
        [](double x, double y) {
            const double a = std::atan2(y - 8, x - 8) * 180 / kPi; // 0 right, 90 down
            return Canvas::Hypot(x - 8, y - 8) < 6.5 && a > -90 && a < 35;
        },
        'a');
    c.Shape(
        [](double x, double y) {
            const double a = std::atan2(y - 8, x - 8) * 180 / kPi;
            return Canvas::Hypot(x - 8, y - 8) < 6.5 && a > 5 && a < 35;
        },
        'A');
    c.Fill(7, 1, 1, 7, 'k');
}

void Pencil(Canvas& c) {
    // Along the diagonal from the tip at the lower left to the eraser at the upper right.
    const double length = 15.5;
    c.Shape(
        [&](double x, double y) {
            const double t = ((x - 1) + (15 - y)) / std::sqrt(2.0);
            const double d = ((x - 1) - (15 - y)) / std::sqrt(2.0);
            if (t < 0 || t > length) {
                return false;
            }
            return t < 4 ? std::abs(d) <= t * 0.5 : std::abs(d) <= 2.0;
        },
        'y');
    auto paint = [&](const std::function<bool(double, double)>& where, char ink) {
        c.Shape(
            [&](double x, double y) {
                const double t = ((x - 1) + (15 - y)) / std::sqrt(2.0);
                const double d = ((x - 1) - (15 - y)) / std::sqrt(2.0);
                return c.Get(static_cast<int>(x), static_cast<int>(y)) != 0 && where(t, d);
            },
            ink);
    };
    paint([](double t, double d) { return t >= 4 && d > 0.7; }, 'Y');
    paint([](double t, double) { return t < 4; }, 'u');
    paint([](double t, double) { return t < 1.6; }, 'K');
    paint([&](double t, double) { return t > length - 4.5; }, 'G');
    paint([&](double t, double) { return t > length - 3; }, 'r');
    c.Outline();
}

void Magnet(Canvas& c) {
    c.Shape(
        [](double x, double y) {
            const double r = Canvas::Hypot(x - 8, y - 8);
            const bool bow = y >= 8 && r >= 2.6 && r <= 6.6;
            const bool arms = y < 8 && y > 1 && ((x > 1.4 && x < 5.4) || (x > 10.6 && x < 14.6));
            return bow || arms;
        },
        'r');
    c.Shape([](double x, double y) { return y > 1 && y < 4.5 && (x < 5.4 || x > 10.6); }, 'G');
    c.Shape(
        [](double x, double y) {
            const double r = Canvas::Hypot(x - 8, y - 8);
            return (y >= 8 && r > 5.6 && r <= 6.6 && x > 8) ||
                   (y > 4.5 && y < 8 && x > 13.6 && x < 14.6);
        },
        'R');
    c.Outline();
}

void Tree(Canvas& c) {
    Art(c, 0, 0, R"(
................
.kkkk...........
.kBBk.gggggggg..
.kkkk...........
..g.............
..g.kkkk........
..gggknnk.ggggg.
..g.kkkk........
..g.............
..g.kkkk........
..gggkaak.gggggg
..g.kkkk........
..g.............
..g.kkkk........
..gggkcck.gggg..
....kkkk........
)",
        "tree");
}

void Taskbar(Canvas& c) {
    Art(c, 0, 0, R"(
................
..kkkkkkkkkkkk..
..kwwwwwwwwwwk..
..kwggggggggwk..
..kwwwwwwwwwwk..
..kwggggggwwwk..
..kwwwwwwwwwwk..
..kkkkkkkwwkkk..
.........kwk....
..........k.....
kkkkkkkkkkkkkkkk
kqqqqqqqqqqqqqqk
kpppppknnkaakppk
kpppppkNNkAAkppk
kKKKKKKKKKKKKKKk
kkkkkkkkkkkkkkkk
)",
        "taskbar");
}

void StripWindow(Canvas& c) {
    Art(c, 0, 0, R"(
................
................
................
kkkkkkkkkkkkkkkk
kqqqqqqqqqqqqqqk
kpppplllllllllpk
kpbpplnnnnnnllpk
kpbbplNNNNNNllpk
kpbpplaaaallllpk
kpppplAAAAllllpk
kpppplllllllllpk
kKKKKKKKKKKKKKKk
kkkkkkkkkkkkkkkk
................
................
................
)",
        "strip window");
}

void FunctionButton(Canvas& c) {
    Art(c, 0, 0, R"(
................
.kkkkkkkkkkkkkk.
kqqqqqqqqqqqqqqk
kqppppppppppppKk
kqpppwbpppppppKk
kqpppwwbppppppKk
kqpppwwwbpppppKk
kqpppwwwwbppppKk
kqpppwwwwwbpppKk
kqpppwwwwbppppKk
kqpppwwwbpppppKk
kqpppwwbppppppKk
kqpppwbpppppppKk
kqppppppppppppKk
kKKKKKKKKKKKKKKk
.kkkkkkkkkkkkkk.
)",
        "function button");
}

void Palette16(Canvas& c) {
    c.Shape(
        [](double x, double y) {
            const double u = (x - 8) / 7.6;
            const double v = (y - 8.5) / 6.6;
            return u * u + v * v <= 1;
        },
        'u');
    c.Shape(
        [](double x, double y) {
            const double u = (x - 8) / 7.6;
            const double v = (y - 8.5) / 6.6;
            return u * u + v * v <= 1 && u * u + v * v > 0.6 && u + v > 0.6;
        },
        'U');
    c.ClearDisc(5.5, 11.5, 1.6);
    c.Outline();
    c.Fill(3, 6, 2, 2, 'r');
    c.Fill(6, 4, 2, 2, 'y');
    c.Fill(9, 4, 2, 2, 'n');
    c.Fill(12, 6, 2, 2, 'B');
    c.Fill(11, 10, 2, 2, 'v');
}

const IconList& SmallIcons() {
    static const IconList icons = {
        {"icon_me", StripWindow},
        {"icon_function", FunctionButton},
        {"icon_favorite",
         [](Canvas& c) {
             Art(c, 0, 0, R"(
................
.......kk.......
......kyyk......
......kyyk......
.....kyyyYk.....
kkkkkkyyyYkkkkkk
.kyyyyyyyyyyyYk.
..kyyyyyyyyyYk..
...kyyyyyyyYk...
....kyyyyyYk....
...kyyyyyyyYk...
...kyyYkkyyyYk..
..kyyYk..kyyYk..
..kyYk....kyYk..
.kyk........kYk.
.kk..........kk.
)",
                 "icon_favorite");
         }},
        {"icon_list",
         [](Canvas& c) {
             Art(c, 0, 0, R"(
................
.kkkkkkkkkkkkkk.
.kwwwwwwwwwwwwk.
.kwBBwgggggggwk.
.kwBBwwwwwwwwwk.
.kwwwwwwwwwwwwk.
.kwBBwggggggwwk.
.kwBBwwwwwwwwwk.
.kwwwwwwwwwwwwk.
.kwBBwgggggggwk.
.kwBBwwwwwwwwwk.
.kwwwwwwwwwwwwk.
.kwBBwgggggwwwk.
.kwBBwwwwwwwwwk.
.kGGGGGGGGGGGGk.
.kkkkkkkkkkkkkk.
)",
                 "icon_list");
         }},
        {"icon_tool",
         [](Canvas& c) {
             c.Shape(
                 [](double x, double y) {
                     const double a = std::atan2(y - 8, x - 8);
                     return Canvas::Hypot(x - 8, y - 8) <= (std::cos(8 * a) > 0.1 ? 7.0 : 5.2);
                 },
                 'g');
             c.Disc(8, 8, 4.2, 'G');
             c.Shape(
                 [](double x, double y) { return x + y < 14 && Canvas::Hypot(x - 8, y - 8) < 4.2; },
                 'w');
             c.ClearDisc(8, 8, 2.0);
             c.Outline();
         }},
        {"icon_tool2",
         [](Canvas& c) {
             Art(c, 0, 0, R"(
................
...g....g....g..
...g....g....g..
.kkkkk..g....g..
.kbbbk..g..kkkkk
.kBBBk..g..kbbbk
.kkkkk..g..kBBBk
...g....g..kkkkk
...g....g....g..
...g..kkkkk..g..
...g..kbbbk..g..
...g..kBBBk..g..
...g..kkkkk..g..
...g....g....g..
...g....g....g..
................
)",
                 "icon_tool2");
         }},
        {"icon_folder",
         [](Canvas& c) {
             Art(c, 0, 0, R"(
................
................
.kkkkk..........
kAaaaak.........
kAaaaaakkkkkkkk.
kAaaaaaaaaaaaaAk
kkkkkkkkkkkkkkkk
kyyyyyyyyyyyyyyk
kyyyyyyyyyyyyyYk
kyyyyyyyyyyyyyYk
kyyyyyyyyyyyyyYk
kyyyyyyyyyyyyyYk
kyyyyyyyyyyyyyYk
kYYYYYYYYYYYYYYk
kkkkkkkkkkkkkkkk
................
)",
                 "icon_folder");
         }},
        {"icon_skin", Palette16},
        {"icon_skinfile", SkinSheet},
        {"icon_skinuse",
         [](Canvas& c) {
             SkinSheet(c);
             Badge(c, kCheck, "check");
         }},
        {"icon_gointernet",
         [](Canvas& c) {
             Globe(c);
             Badge(c, R"(
...y..
yyyyy.
yyyyyy
YYYYY.
...Y..
)",
                   "go");
         }},
        {"icon_profile",
         [](Canvas& c) {
             c.Shape(
                 [](double x, double y) {
                     const double u = (x - 8) / 6.5;
                     const double v = (y - 16) / 6.5;
                     return y > 9 && u * u + v * v <= 1;
                 },
                 'B');
             c.Shape(
                 [](double x, double y) {
                     const double u = (x - 8) / 6.5;
                     const double v = (y - 16) / 6.5;
                     return y > 9 && u * u + v * v <= 1 && x < 7;
                 },
                 'c');
             c.Disc(8, 5.5, 3.6, 'u');
             c.Shape([](double x,
                        double y) { return Canvas::Hypot(x - 8, y - 5.5) <= 3.6 && x + y > 15; },
                     'U');
             c.Outline();
         }},
        {"icon_pen", Pencil},
        {"icon_clock", Clock},
        {"icon_topmost", Topmost},
        {"icon_zoom",
         [](Canvas& c) {
             Magnifier(c);
             c.Fill(4, 6, 5, 1, 'B');
             c.Fill(6, 4, 1, 5, 'B');
         }},
        {"icon_help", Help},
        {"icon_olhelp",
         [](Canvas& c) {
             Globe(c);
             Canvas q(8, 10);
             Art(q, 1, 1, R"(
.www.
ww.ww
...ww
..ww.
..w..
.....
..w..
)",
                 "online help");
             q.Outline();
             c.Paste(q, 4, 3);
         }},
        {"icon_ini",
         [](Canvas& c) {
             Sheet(c, 1, 0);
             Art(c, 3, 7, R"(
B.B...B.B
B.BB..B.B
B.B.B.B.B
B.B..BB.B
B.B...B.B
)",
                 "ini");
             c.Fill(3, 13, 9, 1, 'g');
         }},
        {"icon_file",
         [](Canvas& c) {
             Sheet(c, 1, 0);
             TextLines(c);
         }},
        {"icon_nofile",
         [](Canvas& c) {
             Sheet(c, 1, 0);
             Ghost(c);
             Badge(c, kBoldCross, "cross");
         }},
        {"icon_filewarn",
         [](Canvas& c) {
             Sheet(c, 1, 0);
             TextLines(c);
             Badge(c, kWarning, "warning");
         }},
        {"icon_device", [](Canvas& c) { Socket(c, 'n'); }},
        {"icon_nodevice",
         [](Canvas& c) {
             Socket(c, 'r');
             Badge(c, kCross, "cross");
         }},
        {"icon_mem",
         [](Canvas& c) {
             Art(c, 0, 4, R"(
kkkkkkkkkkkkkkkk
kNNNNNNNNNNNNNNk
kNKKKNKKKNKKKNnk
kNKKKNKKKNKKKNNk
kNKKKNKKKNKKKNNk
kNNNNNNNNNNNNNNk
kMYMYMYMkYMYMYMk
kkkkkkkk.kkkkkkk
)",
                 "icon_mem");
         }},
        {"icon_page",
         [](Canvas& c) {
             c.Fill(5, 0, 11, 11, 'k');
             c.Fill(6, 1, 9, 9, 'G');
             c.Fill(0, 5, 11, 11, 'k');
             c.Fill(1, 6, 9, 9, 'w');
             for (int y : {8, 10, 12}) {
                 c.Fill(2, y, 7, 1, 'g');
             }
             c.Fill(8, 1, 6, 1, 'g');
             c.Fill(11, 3, 3, 1, 'g');
         }},
        {"icon_cpu", Cpu},
        {"icon_res", Pie},
        {"icon_netdw",
         [](Canvas& c) {
             Arrow(c, false, 'n', 'N', 3, 10);
             c.Outline();
         }},
        {"icon_netup",
         [](Canvas& c) {
             Arrow(c, true, 'a', 'A', 3, 10);
             c.Outline();
         }},
        {"icon_netnodw",
         [](Canvas& c) {
             Arrow(c, false, 'G', 'g', 3, 10);
             c.Outline();
             Badge(c, kCross, "cross");
         }},
        {"icon_netnoup",
         [](Canvas& c) {
             Arrow(c, true, 'G', 'g', 3, 10);
             c.Outline();
             Badge(c, kCross, "cross");
         }},
        {"icon_hdd", Drive},
        {"icon_cddvd",
         [](Canvas& c) {
             c.Disc(8, 8, 7.5, 'k');
             c.Disc(8, 8, 6.5, 'G');
             auto sector = [&](double from, double to, char ink) {
                 c.Shape(
                     [&](double x, double y) {
                         const double r = Canvas::Hypot(x - 8, y - 8);
                         const double a = std::atan2(y - 8, x - 8) * 180 / kPi;
                         return r < 6.5 && r > 2.6 && a >= from && a < to;
                     },
                     ink);
             };
             sector(-160, -110, 'w');
             sector(-110, -80, 'c');
             sector(20, 50, 'v');
             sector(50, 80, 'c');
             sector(80, 110, 'w');
             c.Disc(8, 8, 2.6, 'k');
             c.Disc(8, 8, 2.0, 'g');
             c.ClearDisc(8, 8, 1.0);
         }},
        {"icon_removable",
         [](Canvas& c) {
             Art(c, 0, 0, R"(
.....kkkkkk.....
.....kGGGGk.....
.....kGkkGk.....
.....kGGGGk.....
....kkkkkkkk....
....kaaaaaAk....
....kaaaaaAk....
....kawwwaAk....
....kawwwaAk....
....kaaaaaAk....
....kaaaaaAk....
....kaaaaaAk....
....kaaaaaAk....
....kAAAAAAk....
.....kkkkkk.....
................
)",
                 "icon_removable");
         }},
        {"icon_netres",
         [](Canvas& c) {
             DriveBox(c, 0);
             Art(c, 0, 9, R"(
......kBBk......
......kBBk......
kkkkkkkBBkkkkkkk
cccccccccccccccc
BBBBBBBBBBBBBBBB
kkkkkkkkkkkkkkkk
)",
                 "icon_netres");
         }},
        {"icon_ramdisk", RamDisk},
        {"icon_unknowndisk",
         [](Canvas& c) {
             DriveBox(c, 7);
             Question(c, 5, -1);
         }},
        {"icon_nodisk",
         [](Canvas& c) {
             Drive(c);
             Ghost(c);
         }},
        {"icon_showdef", [](Canvas& c) { ShowBar(c, 'b', 'B', 6); }},
        {"icon_showleft", [](Canvas& c) { ShowBar(c, 'n', 'N', 9); }},
        {"icon_showuse", [](Canvas& c) { ShowBar(c, 'a', 'A', 4); }},
        {"icon_moveup", [](Canvas& c) { DownArrowsInList(c, true); }},
        {"icon_movedw", [](Canvas& c) { DownArrowsInList(c, false); }},
        {"icon_addup",
         [](Canvas& c) {
             Plus(c, 0);
             Row(c, 11);
             c.Outline();
         }},
        {"icon_adddw",
         [](Canvas& c) {
             Row(c, 2);
             Plus(c, 7);
             c.Outline();
         }},
        {"icon_delete",
         [](Canvas& c) {
             c.Shape(
                 [](double x, double y) {
                     const double dx = x - 8;
                     const double dy = y - 8;
                     return std::abs(dx) < 5.5 && std::abs(dy) < 5.5 &&
                            (std::abs(dx - dy) < 1.5 || std::abs(dx + dy) < 1.5);
                 },
                 'r');
             c.Shape(
                 [](double x, double y) {
                     const double dx = x - 8;
                     const double dy = y - 8;
                     return std::abs(dx) < 5.5 && std::abs(dy) < 5.5 &&
                            ((dx - dy > 0.1 && dx - dy < 1.5) || (dx + dy > 0.1 && dx + dy < 1.5));
                 },
                 'R');
             c.Outline();
         }},
        {"icon_tray",
         [](Canvas& c) {
             Art(c, 0, 0, R"(
................
kkkkkkkkkkkkkkkk
kqqqqqqqqqqqqqqk
kpllllllllllllpk
kplnnnnnnnllllpk
kpllllllllllllpk
kppppppppppppppk
kpllllllllllllpk
kplaaaalllllllpk
kpllllllllllllpk
kppppppppppppppk
kpllllllllllllpk
kplbbbbbbbbbllpk
kpllllllllllllpk
kKKKKKKKKKKKKKKk
kkkkkkkkkkkkkkkk
)",
                 "icon_tray");
         }},
        {"icon_nrmgraph",
         [](Canvas& c) {
             Display16(c, 2, 12);
             c.Fill(2, 4, 10, 2, 'n');
             c.Fill(2, 7, 6, 2, 'a');
             c.Fill(2, 10, 12, 2, 'c');
         }},
        {"icon_loggraph",
         [](Canvas& c) {
             Display16(c, 2, 12);
             const int heights[] = {2, 3, 5, 4, 6, 8, 7, 5, 6, 9, 10, 8, 7, 9};
             for (int i = 0; i < 14; ++i) {
                 c.Fill(1 + i, 13 - heights[i], 1, heights[i], 'N');
                 c.Set(1 + i, 13 - heights[i], Ink('n'));
             }
         }},
        {"icon_unittop", [](Canvas& c) { UnitStrip(c, true, false, true, false); }},
        {"icon_unitnotop", [](Canvas& c) { UnitStrip(c, true, false, false, false); }},
        {"icon_unitend", [](Canvas& c) { UnitStrip(c, false, true, false, true); }},
        {"icon_unitnoend", [](Canvas& c) { UnitStrip(c, false, true, false, false); }},
    };
    return icons;
}

// ---------------------------------------------------------------------------------------------
// The larger pictures, drawn at 16 and doubled

void ClockWith(Canvas& c, std::string_view badge, const char* what) {
    Clock(c);
    Badge(c, badge, what);
}

const IconList& DoubledIcons() {
    static const IconList icons = {
        // The options pages, in page order.
        {"OPT_110", StripWindow},
        {"OPT_111", Palette16},
        {"OPT_112", Tree},
        {"OPT_113", FunctionButton},
        {"OPT_114", Taskbar},
        {"OPT_115",
         [](Canvas& c) {
             ClockWith(c, R"(
..cc..
..cc..
..cc..
cccccc
.cBBc.
..BB..
)",
                       "from the server");
         }},
        {"OPT_116", Magnet},
        {"OPT_117", Topmost},
        {"OPT_118",
         [](Canvas& c) {
             Arrow(c, false, 'n', 'N', 0, 8);
             Arrow(c, true, 'a', 'A', 8, 8);
             c.Outline();
         }},
        // The clock-adjust window: working, adjusted, failed, not possible.
        {"clock_10",
         [](Canvas& c) {
             ClockWith(c, R"(
GGGGGG
.yyyy.
..yy..
..ww..
.wyyw.
GGGGGG
)",
                       "hourglass");
         }},
        {"clock_11", [](Canvas& c) { ClockWith(c, kCheck, "check"); }},
        {"clock_12", [](Canvas& c) { ClockWith(c, kWarning, "warning"); }},
        {"clock_13", [](Canvas& c) { ClockWith(c, kBoldCross, "cross"); }},
    };
    return icons;
}

// The program icon: a small skin window with a history graph and a bar.
void Symbol(Canvas& c) {
    Art(c, 0, 0, R"(
.kkkkkkkkkkkkkk.
kqqqqqqqqqqqqqqk
kqkkkkkkkkkkkkKk
kqkllllllllllkKk
kqkllllllllllkKk
kqkllllllllllkKk
kqkllllllllllkKk
kqkllllllllllkKk
kqkllllllllllkKk
kqkllllllllllkKk
kqkkkkkkkkkkkkKk
kqpaaaaaaappppKk
kqpAAAAAAAppppKk
kqppppppppppppKk
kKKKKKKKKKKKKKKk
.kkkkkkkkkkkkkk.
)",
        "symbol");
    const int heights[] = {1, 2, 2, 3, 5, 4, 3, 5, 6, 4};
    for (int i = 0; i < 10; ++i) {
        c.Fill(3 + i, 10 - heights[i], 1, heights[i], 'N');
        c.Set(3 + i, 10 - heights[i], Ink('n'));
    }
}

// The same at 32 × 32 with room for more: the window's bevel, a longer history, two bars.
Canvas Symbol32() {
    Canvas c(32, 32);
    auto rounded = [](double inset, double radius) {
        return [=](double x, double y) {
            const double lo = inset + radius;
            const double hi = 32 - inset - radius;
            const double dx = x < lo ? lo - x : (x > hi ? x - hi : 0);
            const double dy = y < lo ? lo - y : (y > hi ? y - hi : 0);
            return x > inset && x < 32 - inset && y > inset && y < 32 - inset &&
                   Canvas::Hypot(dx, dy) <= radius;
        };
    };
    c.Shape(rounded(1, 2.5), 'K');
    c.Shape([&](double x, double y) { return rounded(1, 2.5)(x, y) && x < 30 && y < 30; }, 'q');
    c.Shape([&](double x,
                double y) { return rounded(1, 2.5)(x, y) && x > 2 && y > 2 && x < 30 && y < 30; },
            'p');
    c.Outline();
    c.Fill(4, 4, 24, 16, 'k');
    c.Fill(5, 5, 22, 14, 'l');
    const int heights[] = {2, 3, 3, 4, 6, 5, 4, 5, 7, 8, 6, 5, 7, 9, 10, 8, 9, 11, 10, 12, 11, 9};
    for (int i = 0; i < 22; ++i) {
        c.Fill(5 + i, 19 - heights[i], 1, heights[i], 'N');
        c.Set(5 + i, 19 - heights[i], Ink('n'));
    }
    c.Fill(4, 22, 24, 7, 'k');
    c.Fill(5, 23, 22, 2, 'K');
    c.Fill(5, 23, 15, 2, 'a');
    c.Fill(5, 24, 15, 1, 'A');
    c.Fill(5, 26, 22, 2, 'K');
    c.Fill(5, 26, 9, 2, 'c');
    c.Fill(5, 27, 9, 1, 'B');
    return c;
}

constexpr int kSymbolSizes[] = {16, 32, 48, 64, 128, 256};

Canvas Scaled(const Canvas& c, int factor) {
    Canvas out(c.w * factor, c.h * factor);
    for (int y = 0; y < out.h; ++y) {
        for (int x = 0; x < out.w; ++x) {
            out.Set(x, y, c.Get(x / factor, y / factor));
        }
    }
    return out;
}

bool WritePng(const Canvas& c, const std::string& path) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(c.w);
    image.height = static_cast<png_uint_32>(c.h);
    image.format = PNG_FORMAT_BGRA; // 0xAARRGGBB in little-endian memory
    return png_image_write_to_file(&image, path.c_str(), 0, c.px.data(), 0, nullptr) != 0;
}

Canvas Drawn(const Draw& draw) {
    Canvas c(16, 16);
    draw(c);
    return c;
}

// The 32 px drawing wherever the size allows it, the 16 px one for 16 and 48.
Canvas SymbolAt(int size) {
    return size % 32 == 0 ? Scaled(Symbol32(), size / 32) : Scaled(Drawn(Symbol), size / 16);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: MakeIcons OUTPUT_FOLDER\n");
        return 2;
    }
    const std::string out = std::string(argv[1]) + "/";
    std::error_code ignored; // a folder that cannot be made shows as a file that cannot be written
    std::filesystem::create_directories(out, ignored);
    bool ok = true;
    for (const auto& [name, draw] : SmallIcons()) {
        ok = WritePng(Drawn(draw), out + name + ".png") && ok;
    }
    for (const auto& [name, draw] : DoubledIcons()) {
        ok = WritePng(Scaled(Drawn(draw), 2), out + name + ".png") && ok;
    }
    for (int size : kSymbolSizes) {
        ok = WritePng(SymbolAt(size), out + "symbol-" + std::to_string(size) + ".png") && ok;
    }
    if (!ok) {
        std::fprintf(stderr, "MakeIcons: cannot write into %s\n", out.c_str());
        return 1;
    }
    return 0;
}
