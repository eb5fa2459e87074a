// Draws the built-in skins' bitmap (resource 101) and the tray strip "DefaultIcon" and writes
// them as 24-bit BMP files: MakeArt <skin.bmp> <icon.bmp>
//
// Every piece lies where the built-in skins' string table expects it; the coordinates below
// are those of the table. Pixels left magenta (255,0,255) are transparent.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace {

using Rgb = std::uint32_t;

constexpr Rgb C(int r, int g, int b) {
    return (static_cast<Rgb>(r) << 16) | (static_cast<Rgb>(g) << 8) | static_cast<Rgb>(b);
}

constexpr Rgb kKey = C(255, 0, 255);
constexpr Rgb kFrame = C(8, 11, 14);
constexpr Rgb kBevelHi = C(58, 70, 84);
constexpr Rgb kBevelLo = C(20, 25, 31);
constexpr Rgb kPanel = C(32, 39, 48);
constexpr Rgb kLcd = C(14, 19, 24);
constexpr Rgb kLcdEdge = C(24, 31, 39);
constexpr Rgb kText = C(120, 170, 210);
constexpr Rgb kTextDim = C(78, 104, 128);
constexpr Rgb kDigit = C(220, 240, 255);
constexpr Rgb kTrack = C(22, 29, 36);
constexpr Rgb kGreenHi = C(96, 236, 146);
constexpr Rgb kGreenLo = C(34, 160, 92);
constexpr Rgb kAmberHi = C(255, 196, 92);
constexpr Rgb kAmberLo = C(226, 116, 40);
constexpr Rgb kCyan = C(90, 200, 250);
constexpr Rgb kRed = C(235, 64, 52);
constexpr Rgb kLampOff = C(42, 52, 62);
constexpr Rgb kLampOffText = C(88, 104, 120);

struct Canvas {
    int w;
    int h;
    std::vector<Rgb> px;
    Canvas(int width, int height)
        : w(width), h(height), px(static_cast<std::size_t>(width * height), kKey) {}
    void Set(int x, int y, Rgb c) {
        if (x >= 0 && y >= 0 && x < w && y < h) {
            px[static_cast<std::size_t>(y * w + x)] = c;
        }
    }
    Rgb Get(int x, int y) const { return px[static_cast<std::size_t>(y * w + x)]; }
    void Fill(int x, int y, int ww, int hh, Rgb c) {
        for (int j = 0; j < hh; ++j) {
            for (int i = 0; i < ww; ++i) {
                Set(x + i, y + j, c);
            }
        }
    }
    void HLine(int x, int y, int ww, Rgb c) { Fill(x, y, ww, 1, c); }
    void VLine(int x, int y, int hh, Rgb c) { Fill(x, y, 1, hh, c); }
    void Box(int x, int y, int ww, int hh, Rgb c) {
        HLine(x, y, ww, c);
        HLine(x, y + hh - 1, ww, c);
        VLine(x, y, hh, c);
        VLine(x + ww - 1, y, hh, c);
    }
    // Copies a rectangle to another place of the same canvas.
    void Copy(int sx, int sy, int ww, int hh, int dx, int dy) {
        std::vector<Rgb> tmp;
        for (int j = 0; j < hh; ++j) {
            for (int i = 0; i < ww; ++i) {
                tmp.push_back(Get(sx + i, sy + j));
            }
        }
        for (int j = 0; j < hh; ++j) {
            for (int i = 0; i < ww; ++i) {
                Set(dx + i, dy + j, tmp[static_cast<std::size_t>(j * ww + i)]);
            }
        }
    }
};

Rgb Mix(Rgb a, Rgb b, double t) {
    auto ch = [&](int s) {
        const double x = ((a >> s) & 0xFF) * (1 - t) + ((b >> s) & 0xFF) * t;
        return static_cast<Rgb>(x + 0.5) << s;
    };
    return ch(16) | ch(8) | ch(0);
}

// A glyph is rows of '#' (ink) and '.' (blank).
using Glyph = std::vector<std::string>;

void DrawGlyph(Canvas& c, int x, int y, const Glyph& g, Rgb ink) {
    for (std::size_t j = 0; j < g.size(); ++j) {
        for (std::size_t i = 0; i < g[j].size(); ++i) {
            if (g[j][i] == '#') {
                c.Set(x + static_cast<int>(i), y + static_cast<int>(j), ink);
            }
        }
    }
}

// 3 × 5 capitals (plus a few signs); lower-case b, p, s sit on the same baseline.
const std::map<char, Glyph>& SmallFont() {
    static const std::map<char, Glyph> f = {
        {'A', {".#.", "#.#", "###", "#.#", "#.#"}},
        {'B', {"##.", "#.#", "##.", "#.#", "##."}},
        {'C', {".##", "#..", "#..", "#..", ".##"}},
        {'D', {"##.", "#.#", "#.#", "#.#", "##."}},
        {'E', {"###", "#..", "##.", "#..", "###"}},
        {'F', {"###", "#..", "##.", "#..", "#.."}},
        {'G', {".##", "#..", "#.#", "#.#", ".##"}},
        {'H', {"#.#", "#.#", "###", "#.#", "#.#"}},
        {'I', {"###", ".#.", ".#.", ".#.", "###"}},
        {'J', {"..#", "..#", "..#", "#.#", ".#."}},
        {'K', {"#.#", "#.#", "##.", "#.#", "#.#"}},
        {'L', {"#..", "#..", "#..", "#..", "###"}},
        {'M', {"#.#", "###", "###", "#.#", "#.#"}},
        {'N', {"##.", "#.#", "#.#", "#.#", "#.#"}},
        {'O', {".#.", "#.#", "#.#", "#.#", ".#."}},
        {'P', {"##.", "#.#", "##.", "#..", "#.."}},
        {'Q', {".#.", "#.#", "#.#", "##.", ".##"}},
        {'R', {"##.", "#.#", "##.", "#.#", "#.#"}},
        {'S', {".##", "#..", ".#.", "..#", "##."}},
        {'T', {"###", ".#.", ".#.", ".#.", ".#."}},
        {'U', {"#.#", "#.#", "#.#", "#.#", "###"}},
        {'V', {"#.#", "#.#", "#.#", "#.#", ".#."}},
        {'W', {"#.#", "#.#", "###", "###", "#.#"}},
        {'X', {"#.#", "#.#", ".#.", "#.#", "#.#"}},
        {'Y', {"#.#", "#.#", ".#.", ".#.", ".#."}},
        {'Z', {"###", "..#", ".#.", "#..", "###"}},
        {'/', {"..#", "..#", ".#.", "#..", "#.."}},
        {'%', {"#.#", "..#", ".#.", "#..", "#.#"}},
        {'b', {"#..", "#..", "##.", "#.#", "##."}},
        {'p', {"...", "##.", "#.#", "##.", "#.."}},
        {'s', {"...", ".##", ".#.", "..#", "##."}},
        {'?', {"##.", "..#", ".#.", "...", ".#."}},
        {':', {"...", "#..", "...", "#..", "..."}},
        {'-', {"...", "...", "###", "...", "..."}},
        // arrows: down (receive) and up (send)
        {'v', {".#.", ".#.", ".#.", "###", ".#."}},
        {'^', {".#.", "###", ".#.", ".#.", ".#."}},
    };
    return f;
}

int TextWidth(const std::string& s) {
    return s.empty() ? 0 : static_cast<int>(s.size()) * 4 - 1;
}

void Text(Canvas& c, int x, int y, const std::string& s, Rgb ink) {
    for (char ch : s) {
        if (ch != ' ') {
            const auto it = SmallFont().find(ch);
            if (it != SmallFont().end()) {
                DrawGlyph(c, x, y, it->second, ink);
            }
        }
        x += 4;
    }
}

// 4 × 7 digits and signs, 5 × 7 prefix letters: the cells of the digit font.
const std::vector<Glyph>& DigitCells() {
    static const std::vector<Glyph> cells = {
        {".##.", "#..#", "#..#", "#..#", "#..#", "#..#", ".##."},
        {"..#.", ".##.", "..#.", "..#.", "..#.", "..#.", ".###"},
        {".##.", "#..#", "...#", "..#.", ".#..", "#...", "####"},
        {"###.", "...#", "...#", ".##.", "...#", "...#", "###."},
        {"..#.", ".##.", "#.#.", "#.#.", "####", "..#.", "..#."},
        {"####", "#...", "###.", "...#", "...#", "#..#", ".##."},
        {".##.", "#...", "#...", "###.", "#..#", "#..#", ".##."},
        {"####", "...#", "..#.", "..#.", ".#..", ".#..", ".#.."},
        {".##.", "#..#", "#..#", ".##.", "#..#", "#..#", ".##."},
        {".##.", "#..#", "#..#", ".###", "...#", "...#", ".##."},
        {"....", "....", "....", "....", "....", "....", "#..."},
        {"....", "....", "....", "###.", "....", "....", "...."},
        {"#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"},
        {"#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"},
        {".###.", "#....", "#....", "#.###", "#...#", "#...#", ".###."},
        {"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."},
    };
    return cells;
}

// Draws a clock-style digit string with the digit font (advance 5, "/" and ":" narrow).
void Digits(Canvas& c, int x, int y, const std::string& s, Rgb ink) {
    for (char ch : s) {
        if (ch >= '0' && ch <= '9') {
            DrawGlyph(c, x, y, DigitCells()[static_cast<std::size_t>(ch - '0')], ink);
            x += 5;
        } else {
            x += 1;
        }
    }
}

// ---------------------------------------------------------------------------------------------
// Pieces

// The graph unit: horizontal (9,0) 82×27 and vertical (8,1) 84×25 share one panel. Each
// skin's outer edge lies outside the other's piece, so both see a frame and a bevel.
void GraphUnit(Canvas& c) {
    c.Fill(8, 0, 84, 27, kPanel);
    // Horizontal: dark frame on rows 0 and 26, bevel on columns 9 (light) and 90 (dark).
    c.HLine(9, 0, 82, kFrame);
    c.HLine(9, 26, 82, kFrame);
    c.VLine(9, 1, 25, kBevelHi);
    c.VLine(90, 1, 25, kBevelLo);
    // Vertical: dark frame on columns 8 and 91, bevel on rows 1 (light) and 25 (dark).
    c.VLine(8, 1, 25, kFrame);
    c.VLine(91, 1, 25, kFrame);
    c.HLine(9, 1, 82, kBevelHi);
    c.HLine(9, 25, 82, kBevelLo);
    c.Set(90, 1, kPanel);
    c.Set(9, 25, kPanel);
    // Two display wells, one per slot, under the bar and the text line of each slot.
    for (int top : {2, 13}) {
        const int y0 = top + 1;
        c.Fill(11, y0, 78, 11, kLcd);
        c.HLine(11, y0 - 1 + 0, 78, kLcdEdge);
        if (top == 13) {
            c.HLine(11, y0 - 1, 78, kLcdEdge);
        }
    }
    c.HLine(11, 2, 78, kBevelLo);
    c.HLine(11, 24, 78, kLcdEdge);
    c.HLine(11, 13, 78, kPanel);
}

void DimLamp(Canvas& c, int x, int y, int w, int h, const std::string& text) {
    c.Fill(x, y, w, h, kLampOff);
    c.Set(x, y, kPanel);
    c.Set(x + w - 1, y, kPanel);
    c.Set(x, y + h - 1, kPanel);
    c.Set(x + w - 1, y + h - 1, kPanel);
    Text(c, x + (w - TextWidth(text)) / 2, y + 2, text, kLampOffText);
}

// A lit lamp picture: `fill` body with `ink` text and key-coloured corners.
void LitLamp(Canvas& c, int x, int y, int w, int h, const std::string& text, Rgb fill, Rgb ink) {
    for (int j = 0; j < h; ++j) {
        c.HLine(x, y + j, w, Mix(fill, C(0, 0, 0), j * 0.05));
    }
    c.HLine(x + 1, y, w - 2, Mix(fill, C(255, 255, 255), 0.35));
    c.Set(x, y, kKey);
    c.Set(x + w - 1, y, kKey);
    c.Set(x, y + h - 1, kKey);
    c.Set(x + w - 1, y + h - 1, kKey);
    Text(c, x + (w - TextWidth(text)) / 2, y + 2, text, ink);
}

void SecondsTrack(Canvas& c, int x, int y) {
    c.HLine(x, y, 35, kTrack);
    c.HLine(x, y + 1, 35, kTrack);
    c.HLine(x, y + 2, 35, kTrack);
    for (int i = 0; i < 10; ++i) {
        c.Set(x + (i * 35) / 10, y + 1, kLampOff);
    }
}

void ClockFace(Canvas& c, int ux, int uy, int w, int h) {
    c.Fill(ux, uy, w, h, kPanel);
    c.HLine(ux, uy, w, kFrame);
    c.HLine(ux, uy + h - 1, w, kFrame);
    c.VLine(ux, uy + 1, h - 2, kBevelHi);
    c.VLine(ux + w - 1, uy + 1, h - 2, kBevelLo);
}

void ClockUnitH(Canvas& c) {
    const int ux = 92;
    const int uy = 0;
    ClockFace(c, ux, uy, 93, 27);
    // date and time well
    c.Fill(ux + 25, uy + 2, 67, 13, kLcd);
    Digits(c, ux + 27, uy + 3, "", kDigit);
    Text(c, ux + 38, uy + 4, "/", kTextDim);
    c.Set(ux + 67, uy + 5, kTextDim);
    c.Set(ux + 67, uy + 8, kTextDim);
    c.Set(ux + 79, uy + 5, kTextDim);
    c.Set(ux + 79, uy + 8, kTextDim);
    Text(c, ux + 28, uy + 11, "", kTextDim);
    SecondsTrack(c, ux + 55, uy + 11);
    DimLamp(c, ux + 3, uy + 4, 24, 9, "CPU");
    DimLamp(c, ux + 3, uy + 15, 24, 9, "MEM");
    DimLamp(c, ux + 28, uy + 15, 24, 9, "RES");
    DimLamp(c, ux + 53, uy + 15, 18, 9, "TX^");
    DimLamp(c, ux + 72, uy + 15, 18, 9, "RXv");
}

void ClockUnitV(Canvas& c) {
    const int ux = 240;
    const int uy = 14;
    c.Fill(ux, uy, 84, 37, kPanel);
    c.VLine(ux, uy, 37, kFrame);
    c.VLine(ux + 83, uy, 37, kFrame);
    c.HLine(ux + 1, uy, 82, kBevelHi);
    c.HLine(ux + 1, uy + 36, 82, kBevelLo);
    c.Fill(ux + 4, uy + 2, 76, 13, kLcd);
    Text(c, ux + 26, uy + 4, "/", kTextDim);
    c.Set(ux + 55, uy + 5, kTextDim);
    c.Set(ux + 55, uy + 8, kTextDim);
    c.Set(ux + 67, uy + 5, kTextDim);
    c.Set(ux + 67, uy + 8, kTextDim);
    SecondsTrack(c, ux + 43, uy + 11);
    DimLamp(c, ux + 6, uy + 15, 24, 9, "CPU");
    DimLamp(c, ux + 33, uy + 15, 24, 9, "MEM");
    DimLamp(c, ux + 60, uy + 15, 18, 9, "TX^");
    DimLamp(c, ux + 6, uy + 25, 24, 9, "SWP");
    DimLamp(c, ux + 33, uy + 25, 24, 9, "RES");
    DimLamp(c, ux + 60, uy + 25, 18, 9, "RXv");
}

enum class ButtonState { Normal, Hover, Pressed };

// Button glyphs: 'x' close, 'f' function (launch arrow), 'o' options (three bars).
void ButtonFace(Canvas& c, int x, int y, int w, int h, char glyph, ButtonState s) {
    const Rgb body = s == ButtonState::Normal  ? C(44, 54, 66)
                     : s == ButtonState::Hover ? C(70, 92, 116)
                                               : C(18, 24, 30);
    const Rgb ink = s == ButtonState::Normal  ? C(150, 172, 192)
                    : s == ButtonState::Hover ? C(236, 246, 255)
                                              : C(120, 190, 240);
    const Rgb hi = s == ButtonState::Pressed ? C(10, 14, 18) : Mix(body, C(255, 255, 255), 0.25);
    const Rgb lo = s == ButtonState::Pressed ? Mix(body, C(255, 255, 255), 0.15) : C(12, 16, 20);
    c.Fill(x, y, w, h, body);
    c.HLine(x, y, w, hi);
    c.VLine(x, y, h, hi);
    c.HLine(x, y + h - 1, w, lo);
    c.VLine(x + w - 1, y, h, lo);
    const int off = s == ButtonState::Pressed ? 1 : 0;
    const int cx = x + w / 2 + off;
    const int cy = y + h / 2 + off;
    if (glyph == 'x') {
        if (w <= 5) { // the tiny close button: a single cross, no room for a bevel
            c.Fill(x, y, w, h, s == ButtonState::Normal ? kPanel : body);
            const Rgb xi = s == ButtonState::Normal  ? C(150, 160, 172)
                           : s == ButtonState::Hover ? C(255, 120, 110)
                                                     : C(200, 60, 50);
            for (int i = 0; i < 5; ++i) {
                if (i == 0 || i == 4 || i == 2 || true) {
                    c.Set(x + i, y + i, xi);
                    c.Set(x + 4 - i, y + i, xi);
                }
            }
            return;
        }
        const Rgb xi = s == ButtonState::Hover ? C(255, 130, 120) : ink;
        for (int i = -2; i <= 2; ++i) {
            c.Set(cx + i, cy + i, xi);
            c.Set(cx + i, cy - i, xi);
        }
    } else if (glyph == 'f') {
        for (int i = 0; i < 4; ++i) {
            c.VLine(cx - 2 + i, cy - 3 + i, 7 - 2 * i, ink);
        }
    } else if (glyph == 'o') {
        for (int j = -2; j <= 2; j += 2) {
            c.HLine(cx - 3, cy + j, 7, ink);
        }
    }
}

void StartUnitH(Canvas& c) {
    c.Fill(0, 0, 8, 27, kPanel);
    c.HLine(0, 0, 8, kFrame);
    c.HLine(0, 26, 8, kFrame);
    c.VLine(0, 0, 27, kFrame);
    c.VLine(1, 1, 25, kBevelHi);
    c.VLine(7, 1, 25, kBevelLo);
    ButtonFace(c, 2, 2, 5, 5, 'x', ButtonState::Normal);
    // grip
    for (int y = 10; y <= 22; y += 2) {
        c.Set(3, y, kBevelHi);
        c.Set(4, y + 1, kFrame);
        c.Set(5, y, kBevelHi);
    }
}

void EndUnitH(Canvas& c) {
    const int ux = 185;
    c.Fill(ux, 0, 20, 27, kPanel);
    c.HLine(ux, 0, 20, kFrame);
    c.HLine(ux, 26, 20, kFrame);
    c.VLine(ux + 19, 0, 27, kFrame);
    c.VLine(ux, 1, 25, kBevelHi);
    c.VLine(ux + 18, 1, 25, kBevelLo);
    ButtonFace(c, ux + 2, 3, 15, 9, 'f', ButtonState::Normal);
    ButtonFace(c, ux + 2, 15, 15, 9, 'o', ButtonState::Normal);
}

void StartUnitV(Canvas& c) {
    const int ux = 240;
    // Rows 14..26 of this piece are the clock unit's top; only rows 0..13 are ever seen.
    c.Fill(ux, 0, 84, 14, kPanel);
    c.HLine(ux, 0, 84, kFrame);
    c.VLine(ux, 0, 14, kFrame);
    c.VLine(ux + 83, 0, 14, kFrame);
    c.HLine(ux + 1, 1, 82, kBevelHi);
    c.HLine(ux + 1, 13, 82, kBevelLo);
    Text(c, ux + 3, 5, "VELQUOR", kText);
    ButtonFace(c, ux + 31, 3, 18, 9, 'f', ButtonState::Normal);
    ButtonFace(c, ux + 51, 3, 18, 9, 'o', ButtonState::Normal);
    ButtonFace(c, ux + 71, 3, 9, 9, 'x', ButtonState::Normal);
}

void EndUnitV(Canvas& c) {
    // Only the first row shows (the unit advances one row): the window's bottom edge.
    c.HLine(240, 51, 20, kFrame);
}

void ButtonStrips(Canvas& c) {
    auto strip = [&](int x, int y, int w, int h, char g) {
        ButtonFace(c, x, y, w, h, g, ButtonState::Hover);
        ButtonFace(c, x, y + h, w, h, g, ButtonState::Pressed);
    };
    strip(205, 0, 5, 5, 'x');
    strip(210, 0, 15, 9, 'f');
    strip(225, 0, 15, 9, 'o');
    strip(324, 18, 18, 9, 'f');
    strip(342, 18, 18, 9, 'o');
    strip(350, 36, 9, 9, 'x');
}

void Lamps(Canvas& c) {
    const Rgb dark = C(20, 16, 10);
    LitLamp(c, 0, 70, 24, 9, "MEM", kAmberHi, dark);
    LitLamp(c, 24, 70, 24, 9, "MEM", kRed, C(255, 240, 236));
    LitLamp(c, 48, 70, 24, 9, "SWP", kAmberHi, dark);
    LitLamp(c, 72, 70, 24, 9, "SWP", kRed, C(255, 240, 236));
    LitLamp(c, 96, 70, 24, 9, "RES", kAmberHi, dark);
    LitLamp(c, 120, 70, 24, 9, "RES", kRed, C(255, 240, 236));
    LitLamp(c, 144, 70, 24, 9, "CPU", kAmberHi, dark);
    LitLamp(c, 168, 70, 24, 9, "CPU", kRed, C(255, 240, 236));
    LitLamp(c, 324, 0, 18, 9, "TX^", kGreenHi, C(8, 30, 16));
    LitLamp(c, 324, 9, 18, 9, "TX^", kAmberLo, C(255, 246, 230));
    LitLamp(c, 342, 0, 18, 9, "RXv", kGreenHi, C(8, 30, 16));
    LitLamp(c, 342, 9, 18, 9, "RXv", kAmberLo, C(255, 246, 230));
    // the vertical skin's memory and page-file lamps
    LitLamp(c, 324, 36, 24, 9, "MEM", kAmberHi, dark);
    LitLamp(c, 324, 45, 24, 9, "MEM", kRed, C(255, 240, 236));
    LitLamp(c, 310, 55, 24, 9, "SWP", kAmberHi, dark);
    LitLamp(c, 335, 55, 24, 9, "SWP", kRed, C(255, 240, 236));
}

void Bars(Canvas& c) {
    // row 0 remaining (green), row 1 used (amber); each a 2-row bar over a 2-row track
    c.HLine(192, 70, 71, kGreenHi);
    c.HLine(192, 71, 71, kGreenLo);
    c.HLine(192, 72, 71, kTrack);
    c.HLine(192, 73, 71, kTrack);
    c.HLine(192, 74, 71, kAmberHi);
    c.HLine(192, 75, 71, kAmberLo);
    c.HLine(192, 76, 71, kTrack);
    c.HLine(192, 77, 71, kTrack);
    for (int i = 10; i < 71; i += 10) {
        c.Set(192 + i, 73, kLampOff);
        c.Set(192 + i, 77, kLampOff);
    }
}

void History(Canvas& c) {
    // background 61 × 12 with a faint grid; columns 2 × 11, shaded from the top
    c.Fill(240, 55, 61, 12, kLcd);
    for (int x = 240; x < 301; x += 10) {
        for (int y = 55; y < 67; y += 2) {
            c.Set(x, y, kLcdEdge);
        }
    }
    for (int y = 58; y < 67; y += 4) {
        for (int x = 240; x < 301; x += 2) {
            c.Set(x, y, kLcdEdge);
        }
    }
    for (int j = 0; j < 11; ++j) {
        const double t = j / 10.0;
        c.Set(305, 55 + j, Mix(kAmberHi, kAmberLo, t));
        c.Set(306, 55 + j, Mix(Mix(kAmberHi, kAmberLo, t), C(0, 0, 0), 0.35));
        c.Set(307, 55 + j, Mix(kGreenHi, kGreenLo, t));
        c.Set(308, 55 + j, Mix(Mix(kGreenHi, kGreenLo, t), C(0, 0, 0), 0.35));
    }
}

void DigitFont(Canvas& c) {
    for (int cell = 0; cell < 16; ++cell) {
        DrawGlyph(c, 265 + cell * 5, 71, DigitCells()[static_cast<std::size_t>(cell)], kDigit);
    }
}

void SecondsStrip(Canvas& c) {
    for (int n = 0; n < 10; ++n) {
        const int x0 = n * 35;
        SecondsTrack(c, x0, 67);
        const int lit = ((n + 1) * 35) / 10;
        for (int i = 0; i < lit; ++i) {
            c.Set(x0 + i, 67, Mix(kCyan, C(255, 255, 255), 0.4));
            c.Set(x0 + i, 68, kCyan);
            c.Set(x0 + i, 69, Mix(kCyan, C(0, 0, 0), 0.4));
        }
    }
}

void Labels(Canvas& c) {
    struct Label {
        int x;
        int y;
        std::string name;
        std::string unit;
        int layout; // 0 amount "name n/n B", 1 percent "name n %", 2 network (and fans, whose
                    // four-digit figures need its room), 3 drive
    };
    const std::vector<Label> labels = {
        {0, 30, "MEM", "B", 0},
        {0, 40, "SWP", "B", 0},
        {0, 50, "CPU", "%", 1},
        {80, 30, "RES", "%", 1},
        {80, 40, "RXv", "bps", 2},
        {160, 30, "TX^", "bps", 2},
        {80, 50, "RXv", "B/s", 2},
        {160, 40, "TX^", "B/s", 2},
        {160, 50, "", "B", 3},
        // below the first picture: temperature, fan, disk read and write, battery, graphics
        {0, 80, "TMP", "C", 0},
        {80, 80, "FAN", "RPM", 2},
        {160, 80, "RDv", "B/s", 2},
        {240, 80, "WR^", "B/s", 2},
        {0, 90, "BAT", "%", 1},
        {80, 90, "GPU", "%", 1},
    };
    for (const Label& l : labels) {
        // the label lies over the display well: transparent, text only
        switch (l.layout) {
        case 0:
            Text(c, l.x + 1, l.y + 2, l.name, kText);
            Text(c, l.x + 46, l.y + 2, "/", kTextDim);
            Text(c, l.x + 75, l.y + 2, l.unit, kTextDim);
            break;
        case 1:
            Text(c, l.x + 1, l.y + 2, l.name, kText);
            Text(c, l.x + 70, l.y + 2, l.unit, kTextDim);
            break;
        case 2:
            Text(c, l.x + 1, l.y + 2, l.name, kText);
            Text(c, l.x + 38, l.y + 2, "/", kTextDim);
            Text(c, l.x + 67, l.y + 2, l.unit, kTextDim);
            break;
        case 3:
            Text(c, l.x + 46, l.y + 2, "/", kTextDim);
            Text(c, l.x + 75, l.y + 2, l.unit, kTextDim);
            break;
        }
    }
}

void DriveLetters(Canvas& c) {
    for (int i = 0; i < 26; ++i) {
        Text(c, i * 5 + 1, 61, std::string(1, static_cast<char>('A' + i)), kDigit);
    }
}

void DriveIcons(Canvas& c) {
    const Rgb body = C(140, 156, 172);
    const Rgb dark = C(60, 72, 84);
    const Rgb led = kGreenHi;
    for (int t = 0; t < 7; ++t) {
        const int x = 130 + t * 13;
        const int y = 60;
        switch (t) {
        case 0: // unknown
            c.Box(x + 1, y, 11, 7, dark);
            Text(c, x + 5, y + 1, "?", body);
            break;
        case 1: // no root folder
            c.Box(x + 1, y, 11, 7, dark);
            for (int i = 0; i < 5; ++i) {
                c.Set(x + 4 + i, y + 1 + i, kRed);
                c.Set(x + 8 - i, y + 1 + i, kRed);
            }
            break;
        case 2: // removable: a stick with its plug
            c.Fill(x + 1, y + 1, 8, 5, body);
            c.Fill(x + 9, y + 2, 3, 3, dark);
            c.Set(x + 10, y + 3, body);
            c.Set(x + 2, y + 3, led);
            break;
        case 3: // fixed disk
            c.Fill(x + 1, y + 1, 11, 5, body);
            c.HLine(x + 2, y + 2, 9, C(180, 194, 208));
            c.HLine(x + 1, y + 5, 11, dark);
            c.Set(x + 10, y + 4, led);
            c.Set(x + 8, y + 4, dark);
            break;
        case 4: // network share: a disk on a wire
            c.Fill(x + 2, y, 9, 4, body);
            c.Set(x + 9, y + 2, kCyan);
            c.VLine(x + 6, y + 4, 2, dark);
            c.HLine(x + 1, y + 6, 11, kCyan);
            break;
        case 5: // optical disc
            c.HLine(x + 4, y, 5, body);
            c.Fill(x + 3, y + 1, 7, 5, body);
            c.HLine(x + 2, y + 2, 9, body);
            c.HLine(x + 2, y + 4, 9, body);
            c.Fill(x + 2, y + 2, 1, 3, body);
            c.Fill(x + 10, y + 2, 1, 3, body);
            c.HLine(x + 4, y + 6, 5, body);
            c.Set(x + 6, y + 3, dark);
            c.Set(x + 5, y + 1, C(200, 220, 240));
            break;
        case 6: // RAM disk: a memory chip
            c.Fill(x + 2, y + 1, 9, 5, C(40, 120, 80));
            for (int i = 0; i < 4; ++i) {
                c.Set(x + 3 + i * 2, y, C(210, 180, 80));
                c.Set(x + 3 + i * 2, y + 6, C(210, 180, 80));
            }
            c.Fill(x + 4, y + 2, 5, 3, C(20, 24, 28));
            break;
        }
    }
}

Canvas MakeSkin() {
    Canvas c(360, 100);
    GraphUnit(c);
    StartUnitH(c);
    ClockUnitH(c);
    EndUnitH(c);
    ClockUnitV(c);
    StartUnitV(c);
    EndUnitV(c);
    ButtonStrips(c);
    Lamps(c);
    Bars(c);
    History(c);
    DigitFont(c);
    SecondsStrip(c);
    Labels(c);
    DriveLetters(c);
    DriveIcons(c);
    return c;
}

// Tray strip: columns 0..15 remaining bar (filled row 0..7, empty row 8..15), 16..31 used,
// then the labels of the measurement kinds two per 16-pixel column, in ParamID order. Disk
// space (ParamID 6) has no tray icon, so its place stays empty.
Canvas MakeTrayStrip() {
    Canvas c(144, 16);
    auto bar = [&](int x0, Rgb hi, Rgb lo) {
        for (int x = 0; x < 16; ++x) {
            for (int row : {0, 8}) {
                c.Set(x0 + x, row, kKey);
                c.Set(x0 + x, row + 1, kFrame);
                c.Set(x0 + x, row + 6, kFrame);
                c.Set(x0 + x, row + 7, kKey);
            }
            for (int y = 2; y < 6; ++y) {
                c.Set(x0 + x, y, Mix(hi, lo, (y - 2) / 3.0));
                c.Set(x0 + x, 8 + y, y == 2 ? kLampOff : kTrack);
            }
        }
        for (int row : {0, 8}) {
            for (int y = 1; y < 7; ++y) {
                c.Set(x0, row + y, kFrame);
                c.Set(x0 + 15, row + y, kFrame);
            }
        }
    };
    bar(0, kGreenHi, kGreenLo);
    bar(16, kAmberHi, kAmberLo);
    const char* names[13] = {"MEM", "SWP", "CPU", "RES", "RXv", "TX^", "",
                             "TMP", "FAN", "RDv", "WR^", "BAT", "GPU"};
    for (int p = 0; p < 13; ++p) {
        if (*names[p] == '\0') {
            continue;
        }
        const int x = 32 + 16 * (p / 2);
        const int y = 8 * (p % 2);
        c.Fill(x, y, 16, 8, kPanel);
        c.Set(x, y, kKey);
        c.Set(x + 15, y, kKey);
        c.Set(x, y + 7, kKey);
        c.Set(x + 15, y + 7, kKey);
        Text(c, x + (16 - TextWidth(names[p])) / 2, y + 1, names[p], C(230, 240, 250));
    }
    return c;
}

bool WriteBmp(const Canvas& c, const char* path) {
    const int rowBytes = (c.w * 3 + 3) & ~3;
    const std::uint32_t dataSize = static_cast<std::uint32_t>(rowBytes * c.h);
    std::vector<std::uint8_t> out;
    auto u16 = [&](std::uint32_t v) {
        out.push_back(static_cast<std::uint8_t>(v));
        out.push_back(static_cast<std::uint8_t>(v >> 8));
    };
    auto u32 = [&](std::uint32_t v) {
        u16(v & 0xFFFF);
        u16(v >> 16);
    };
    out.push_back('B');
    out.push_back('M');
    u32(54 + dataSize);
    u32(0);
    u32(54);
    u32(40);
    u32(static_cast<std::uint32_t>(c.w));
    u32(static_cast<std::uint32_t>(c.h));
    u16(1);
    u16(24);
    u32(0);
    u32(dataSize);
    u32(2835);
    u32(2835);
    u32(0);
    u32(0);
    for (int y = c.h - 1; y >= 0; --y) {
        for (int x = 0; x < c.w; ++x) {
            const Rgb p = c.Get(x, y);
            out.push_back(static_cast<std::uint8_t>(p));
            out.push_back(static_cast<std::uint8_t>(p >> 8));
            out.push_back(static_cast<std::uint8_t>(p >> 16));
        }
        for (int pad = c.w * 3; pad < rowBytes; ++pad) {
            out.push_back(0);
        }
    }
    FILE* f = std::fopen(path, "wb");
    if (!f) {
        return false;
    }
    const bool ok = std::fwrite(out.data(), 1, out.size(), f) == out.size();
    return std::fclose(f) == 0 && ok;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: MakeArt SKIN.bmp ICON.bmp\n");
        return 2;
    }
    if (!WriteBmp(MakeSkin(), argv[1]) || !WriteBmp(MakeTrayStrip(), argv[2])) {
        std::fprintf(stderr, "MakeArt: cannot write the images\n");
        return 1;
    }
    return 0;
}
