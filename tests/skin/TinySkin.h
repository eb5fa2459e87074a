#pragma once

// A synthetic skin whose every piece is a block of its own colour, so that a composed picture
// can be read back: which glyph, label, bar or column was drawn where. And a measurement
// object with fixed values.

#include "gfx/Painter.h"
#include "skin/Layout.h"
#include "skin/SkinData.h"
#include "skin/SkinRenderer.h"
#include "skin/SkinSurfaces.h"
#include "tests/skin/FakeMeasure.h"

#include <array>
#include <string>
#include <vector>

namespace trumbel::test {

inline constexpr std::uint32_t kKey = 0xFF00FF;
inline constexpr std::uint32_t kGraphUnitColour = 0x202020;
inline constexpr std::uint32_t kClockUnitColour = 0x303030;
inline constexpr std::uint32_t kStartColour = 0x404040;
inline constexpr std::uint32_t kEndColour = 0x505050;
inline constexpr std::uint32_t kHoverColour = 0x60A000;
inline constexpr std::uint32_t kPressedColour = 0x60B000;
inline constexpr std::uint32_t kBarBackColour = 0x000070;
inline constexpr std::uint32_t kBarColour = 0x0000F0;
inline constexpr std::uint32_t kBarBackColourRow1 = 0x007000;
inline constexpr std::uint32_t kBarColourRow1 = 0x00F000;
inline constexpr std::uint32_t kHistoryBackColour = 0x700000;
inline constexpr std::uint32_t kLamp1Colour = 0xA0A000;
inline constexpr std::uint32_t kLamp2Colour = 0xB0B000;

// Glyph cell k of the digit font is solid CellColour(k).
inline constexpr std::uint32_t CellColour(int k) {
    return 0x100010u + 0x000100u * (k + 1);
}
// Row r of the history column picture is ShadeColour(r): the bottom rows are told apart.
inline constexpr std::uint32_t ShadeColour(int r) {
    return 0xE00000u + 0x000001u * (r + 1);
}
inline constexpr std::uint32_t LabelColour(int kind) {
    return 0x00C000u + 0x000010u * kind;
}
inline constexpr std::uint32_t DriveTypeColour(int type) {
    return 0x00D000u + type;
}
inline constexpr std::uint32_t LetterColour(int cell) {
    return 0x00E000u + cell;
}

// Font: glyphs 2 pixels wide and 3 high; a digit advances 3, "." 2, anything else 4.
inline constexpr int kGlyphWidth = 2;
inline constexpr int kGlyphHeight = 3;

inline void Block(Bitmap& b, int x, int y, int w, int h, std::uint32_t colour) {
    Painter(b).Fill(Rect::Sized(x, y, w, h), colour);
}

inline SkinData TinySkinData() {
    SkinData s;
    s.colorKey = kKey;
    s.skinType = 1;
    s.startUnit = {0, 0, 4, 20, 4, 0};
    s.startButtons[0].present = true;
    s.startButtons[0].button = {1, 1, 2, 2, 240, 0}; // hover at (240,0), pressed at (240,2)
    s.startButtons[1].present = false;
    s.startButtons[1].button = {1, 5, 2, 2, 240, 0};
    s.graphUnit = {10, 0, 100, 20, 100, 0};
    s.slotCount = 2;
    s.slotOffset[0] = {0, 0};
    s.slotOffset[1] = {0, 10};
    s.clockUnit = {120, 0, 60, 20, 60, 0};
    s.endUnit = {190, 0, 4, 20, 4, 0};
    s.endButtons[2].present = true;
    s.endButtons[2].button = {1, 1, 2, 2, 244, 0};

    // Clock: year at (1,1), hour (1,6), minute (12,6), second (22,6), seventh (32,6).
    s.clockNumbers[0] = {true, 1, 1, 0};
    s.clockNumbers[3] = {true, 1, 6, 0};
    s.clockNumbers[4] = {true, 12, 6, 0};
    s.clockNumbers[5] = {true, 22, 6, 0};
    s.clockNumbers[6] = {true, 32, 6, 0};
    for (int i = 0; i < kClockIndicatorCount; ++i) {
        const auto x = static_cast<std::int16_t>(2 + 8 * i);
        s.clockIndicators[static_cast<std::size_t>(i)] = {true, x, 14, 200, 30, 210, 30, 3, 2};
    }

    // Graph rows 0 and 1; bar and history records in each.
    s.barGraphCount = 2;
    s.historyGraphCount = 2;
    s.graphRecords.resize(2);
    s.graphRecords[0][0] = {0, 20, 1, 0, 0, 0, 50, 80, 2, 0, 52, 71, 2, 0};
    s.graphRecords[1][0] = {0, 20, 4, 0, 0, 0, 55, 80, 2, 0, 57, 71, 2, 0};
    s.graphRecords[0][1] = {1, 30, 0, 0, 0, 0, 60, 70, 12, 120, 60, 2, 11, 30};
    s.graphRecords[1][1] = {1, 30, 0, 0, 0, 0, 60, 70, 12, 120, 60, 2, 11, 30};

    s.numberFonts.push_back({0, 40, kGlyphWidth, kGlyphHeight, 3, 0, 2, 0, 4, 0});

    for (int k = 0; k < kItemKindCount; ++k) {
        ItemParams& p = s.itemParams[static_cast<std::size_t>(k)];
        p.labelX = 0;
        p.labelY = 0;
        p.labelSrcX = static_cast<std::int16_t>(150 + 3 * (k % 9));
        p.labelSrcY = static_cast<std::int16_t>(3 * (k / 9));
        p.labelWidth = 3;
        p.labelHeight = 3;
        p.numberX = {4, 60};
        p.numberY = {6, 6};
        p.numberFont = {0, 0};
        p.barGraph = 0;
        p.historyGraph = 0;
    }
    // CPU percentages are "used" ones.
    s.itemParams[2].barGraph = 1;
    // Drive-type icons at (8,0) from (0,90), 2x2 per type; letters at (12,0) from (0,95).
    s.itemParams[8].diskExtra = {8, 0, 0, 90, 2, 2, 12, 0, 0, 95, 2, 2};
    return s;
}

inline Bitmap TinyArt() {
    Bitmap art(256, 100, kKey | kAlphaBits); // opaque, as decoded images are
    Block(art, 0, 0, 4, 20, kStartColour);
    Block(art, 10, 0, 100, 20, kGraphUnitColour);
    Block(art, 120, 0, 60, 20, kClockUnitColour);
    Block(art, 190, 0, 4, 20, kEndColour);
    Block(art, 240, 0, 2, 2, kHoverColour);
    Block(art, 240, 2, 2, 2, kPressedColour);
    Block(art, 244, 0, 2, 2, kHoverColour);
    Block(art, 244, 2, 2, 2, kPressedColour);
    for (int k = 0; k < kItemKindCount; ++k) {
        Block(art, 150 + 3 * (k % 9), 3 * (k / 9), 3, 3, LabelColour(k));
    }
    Block(art, 200, 30, 3, 2, kLamp1Colour);
    Block(art, 210, 30, 3, 2, kLamp2Colour);
    Block(art, 0, 50, 80, 2, kBarBackColour);
    Block(art, 0, 52, 80, 2, kBarColour);
    Block(art, 0, 55, 80, 2, kBarBackColourRow1);
    Block(art, 0, 57, 80, 2, kBarColourRow1);
    Block(art, 0, 60, 70, 12, kHistoryBackColour);
    for (int r = 0; r < 11; ++r) {
        Block(art, 120, 60 + r, 2, 1, ShadeColour(r));
    }
    for (int k = 0; k < 16; ++k) {
        Block(art, kGlyphWidth * k, 40, kGlyphWidth, kGlyphHeight, CellColour(k));
    }
    for (int t = 0; t < 7; ++t) {
        Block(art, 2 * t, 90, 2, 2, DriveTypeColour(t));
    }
    for (int c = 0; c < 26; ++c) {
        Block(art, 2 * c, 95, 2, 2, LetterColour(c));
    }
    return art;
}

// Reads the digit-font text whose right end is at (right, y): glyphs are told by their colour,
// walking left while a glyph of a known cell ends where the previous one began.
inline std::string ReadText(const Bitmap& b, int right, int y) {
    static constexpr char kCells[] = "0123456789.-KMGT";
    std::string text;
    for (;;) {
        bool found = false;
        for (int advance : {3, 2, 4}) {
            const int x = right - advance;
            if (!b.Contains(x, y) || !b.Contains(x + 1, y)) {
                continue;
            }
            const std::uint32_t p = b.At(x, y) & kColourBits;
            for (int k = 0; k < 16; ++k) {
                const int expectedAdvance = k < 10 ? 3 : k == 10 ? 2 : 4;
                if (p == CellColour(k) && expectedAdvance == advance &&
                    (b.At(x + 1, y) & kColourBits) == p) {
                    text.insert(text.begin(), kCells[k]);
                    right = x;
                    found = true;
                    break;
                }
            }
            if (found) {
                break;
            }
        }
        if (!found) {
            return text;
        }
    }
}

inline std::uint32_t Colour(const Bitmap& b, int x, int y) {
    return b.At(x, y) & kColourBits;
}

// Counts the pixels of one colour along a row from x onwards.
inline int RunLength(const Bitmap& b, int x, int y, std::uint32_t colour) {
    int n = 0;
    while (b.Contains(x + n, y) && Colour(b, x + n, y) == colour) {
        ++n;
    }
    return n;
}

// Records, with each box, how many pictures had been presented when it came up.
struct BoxWatch final : Ui {
    RecordingUi& ui;
    const std::vector<Bitmap>& presented;
    std::vector<std::size_t> presentedBefore;
    BoxWatch(RecordingUi& u, const std::vector<Bitmap>& p) : ui(u), presented(p) {}
    MsgAnswer MessageBox(const MessageBoxRequest& request) override {
        presentedBefore.push_back(presented.size());
        return ui.MessageBox(request);
    }
};

// The synthetic skin with its surfaces and layout, the measurement and a renderer over them.
struct TinyRig : SkinPresenter {
    SkinData skin = TinySkinData();
    SkinData builtIn = TinySkinData(); // what a switch to the built-in skin brings in
    SkinLayout layout;
    Bitmap image;
    Bitmap mask;
    Bitmap back;
    bool ready = true;
    int switches = 0;
    Settings settings;
    FakeMeasure measure;
    RecordingUi ui;
    std::int16_t sampleFill = -1;
    LocalTime time{2026, 12, 8, 9, 5, 7};
    ButtonStates buttons{};
    std::vector<Bitmap> presented;
    BoxWatch watch{ui, presented};
    SkinRenderer renderer;

    TinyRig()
        : renderer(SkinAccess{skin, layout, image, mask, back, [this] { return ready; },
                              [this] { SwitchToBuiltIn(); }},
                   RenderContext{settings,
                                 measure,
                                 watch,
                                 sampleFill,
                                 {},
                                 [this] { return time; },
                                 [this] { return buttons; }}) {
        SkinSurfaces s = MakeSkinSurfaces(TinyArt(), kKey);
        image = std::move(s.image);
        mask = std::move(s.mask);
        settings.useBuiltInSkin = 0;
        settings.containerCount = 1;
        for (auto& container : settings.graphStyle) {
            container.fill(10); // physical memory, free, on every slot
        }
        renderer.SetPresenter(this);
    }
    void Present(const Bitmap& b, int) override { presented.push_back(b); }

    void Relayout() {
        layout = ComputeLayout(skin, settings, layout);
        back = Bitmap(layout.layoutWidth, layout.layoutHeight);
    }
    void SwitchToBuiltIn() {
        ++switches;
        skin = builtIn;
        Relayout();
        renderer.DrawSkin(); // a relayout draws, as the engine's does
    }
    // One slot shown in container 0 (bars) with its two line codes.
    void Slot(int s, int kind, int device, int code0, int code1) {
        settings.kind[0][static_cast<std::size_t>(s)] = static_cast<std::int16_t>(kind);
        settings.device[0][static_cast<std::size_t>(s)] = static_cast<std::int16_t>(device);
        settings.graphStyle[0][static_cast<std::size_t>(s)] = static_cast<std::int16_t>(code0);
        settings.digitStyle[0][static_cast<std::size_t>(s)] = static_cast<std::int16_t>(code1);
        Relayout(); // as every layout command does
    }
};

} // namespace trumbel::test
