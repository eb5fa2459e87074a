#pragma once

#include "settings/SlotStyle.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace trumbel {

// Where a unit's artwork lies in the skin bitmap and how far the next unit's origin is.
struct UnitPiece {
    std::int16_t srcX = 0;
    std::int16_t srcY = 0;
    std::int16_t width = 0;
    std::int16_t height = 0;
    std::int16_t advanceX = 0;
    std::int16_t advanceY = 0;
};

// A button of the start or end unit; the hover picture is at (srcX, srcY), the pressed one
// `height` rows below it.
struct SkinButton {
    std::int16_t x = 0;
    std::int16_t y = 0;
    std::int16_t width = 0;
    std::int16_t height = 0;
    std::int16_t srcX = 0;
    std::int16_t srcY = 0;
};

inline constexpr int kButtonCount = 3; // 0 close, 1 function, 2 option

struct UnitButton {
    bool present = false;
    SkinButton button;
};

struct SlotOffset {
    std::int16_t x = 0;
    std::int16_t y = 0;
};

struct ClockNumber {
    bool shown = false;
    std::int16_t x = 0;
    std::int16_t y = 0;
    std::int16_t font = 0;
};

struct ClockIndicator {
    bool shown = false;
    std::int16_t x = 0;
    std::int16_t y = 0;
    std::int16_t src1X = 0;
    std::int16_t src1Y = 0;
    std::int16_t src2X = 0;
    std::int16_t src2Y = 0;
    std::int16_t width = 0;
    std::int16_t height = 0;
};

inline constexpr int kClockNumberCount = 7;    // year, month, day, hour, minute, second, 7th
inline constexpr int kClockIndicatorCount = 6; // memory, page file, resources, CPU, send, receive

enum class GraphType : int { Bar = 0, History = 1 };

struct GraphRecord {
    std::int16_t type = 0; // 0 bar, 1 history
    std::int16_t x = 0;
    std::int16_t y = 0;
    std::int16_t runtime1 = 0;
    std::int16_t runtime2 = 0;
    std::int16_t srcX = 0;
    std::int16_t srcY = 0;
    std::int16_t width = 0;
    std::int16_t height = 0;
    std::int16_t src2X = 0;
    std::int16_t src2Y = 0;
    std::int16_t width2 = 0;
    std::int16_t height2 = 0;
    std::int16_t extra = 0;
};

// One digit font: 16 cells "0123456789.-KMGT" side by side, each glyphWidth wide.
struct NumberFont {
    std::int16_t srcX = 0;
    std::int16_t srcY = 0;
    std::int16_t glyphWidth = 0;
    std::int16_t glyphHeight = 0;
    std::int16_t stepX = 0; // advance after a digit
    std::int16_t stepY = 0;
    std::int16_t f6 = 0; // advance after "."
    std::int16_t f7 = 0;
    std::int16_t f8 = 0; // advance after any other character
    std::int16_t f9 = 0;
};

inline constexpr int kDiskExtraCount = 12;

// Per item kind: label picture, number displays, graph selectors and, for drives, the
// drive-type icon and drive-letter glyph.
struct ItemParams {
    std::int16_t labelX = 0;
    std::int16_t labelY = 0;
    std::int16_t labelSrcX = 0;
    std::int16_t labelSrcY = 0;
    std::int16_t labelWidth = 0;
    std::int16_t labelHeight = 0;
    std::int16_t standardStyle = 0;
    std::int16_t standardDigitStyle = 0;
    std::array<std::int16_t, 2> numberX{};
    std::array<std::int16_t, 2> numberY{};
    std::array<std::int16_t, 2> numberFont{};
    std::int16_t barGraph = 0;
    std::int16_t historyGraph = 0;
    std::array<std::int16_t, kDiskExtraCount> diskExtra{};
};

enum class SkinType : int { FixedHeight = 1, FixedWidth = 2, Fixed = -1 };

inline constexpr int kMaxSlotCount = 4;

// The skin description: replaced as a whole by each load.
struct SkinData {
    std::string imagePath; // full path of the bitmap, or the bitmap resource identifier
    std::string skinName;
    float skinNumber = 0.0f;
    std::string linkCaption;
    std::string linkUrl;
    std::uint32_t colorKey = 0; // 0x00RRGGBB
    std::int16_t skinType = 0;

    UnitPiece startUnit;
    std::array<UnitButton, kButtonCount> startButtons{};

    UnitPiece graphUnit;
    std::int16_t slotCount = 0;
    std::array<SlotOffset, kMaxSlotCount> slotOffset{};

    UnitPiece clockUnit;
    std::array<ClockNumber, kClockNumberCount> clockNumbers{};
    std::array<ClockIndicator, kClockIndicatorCount> clockIndicators{};

    UnitPiece endUnit;
    std::array<UnitButton, kButtonCount> endButtons{};

    // max(B, H) rows; [row][0] is the bar record, [row][1] the history record.
    std::int16_t barGraphCount = 0;
    std::int16_t historyGraphCount = 0;
    std::vector<std::array<GraphRecord, 2>> graphRecords;

    std::vector<NumberFont> numberFonts;
    std::array<ItemParams, kItemKindCount> itemParams{};

    // Throws the subscript error for a row outside the table.
    const GraphRecord& Graph(int row, GraphType type) const;
};

// The standard style of every item kind, as SetSlotStyle needs it.
StandardStyles StandardStylesOf(const SkinData& skin);

} // namespace trumbel
