#include "skin/SkinReader.h"

#include "base/RuntimeError.h"
#include "base/UiText.h"
#include "measure/ItemKinds.h"
#include "skin/TextDecode.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace trumbel {

namespace {

std::string_view Trim(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!s.empty() && blank(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && blank(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

double ToNumber(std::string_view field) {
    std::string_view t = Trim(field);
    if (!t.empty() && t.front() == '+') {
        t.remove_prefix(1);
    }
    double value = 0.0;
    const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), value);
    if (t.empty() || end != t.data() + t.size() || !std::isfinite(value)) {
        throw RuntimeError(ErrorNumber::TypeMismatch);
    }
    if (ec == std::errc::result_out_of_range) {
        throw RuntimeError(ErrorNumber::Overflow);
    }
    if (ec != std::errc()) {
        throw RuntimeError(ErrorNumber::TypeMismatch);
    }
    return value;
}

std::string ToPath(std::string_view value) {
    std::string path(value);
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

void ApplyUnit(UnitPiece& unit, const std::vector<std::int16_t>& n) {
    unit = {n[0], n[1], n[2], n[3], n[4], n[5]};
}

// 9 numbers: srcX, srcY, width, height, present ×3, advanceX, advanceY.
void ApplyButtonUnit(UnitPiece& unit, std::array<UnitButton, kButtonCount>& buttons,
                     const std::vector<std::int16_t>& n) {
    unit = {n[0], n[1], n[2], n[3], n[7], n[8]};
    for (int b = 0; b < kButtonCount; ++b) {
        buttons[b].present = n[4 + b] != 0;
    }
}

// 18 numbers: x, y, srcX, srcY, width, height of buttons 0, 1, 2.
void ApplyButtons(std::array<UnitButton, kButtonCount>& buttons,
                  const std::vector<std::int16_t>& n) {
    for (int b = 0; b < kButtonCount; ++b) {
        const std::int16_t* v = &n[static_cast<std::size_t>(b) * 6];
        SkinButton& sb = buttons[b].button;
        sb.x = v[0];
        sb.y = v[1];
        sb.srcX = v[2];
        sb.srcY = v[3];
        sb.width = v[4];
        sb.height = v[5];
    }
}

void ApplySlotCount(SkinData& skin, std::int16_t count) {
    // The renderer indexes slotOffset with it: more slots than offsets cannot be drawn.
    if (count < 0 || count > kMaxSlotCount) {
        throw RuntimeError(ErrorNumber::SubscriptOutOfRange);
    }
    skin.slotCount = count;
}

void ApplyClockNumber(ClockNumber& c, const std::vector<std::int16_t>& n) {
    c = {n[0] != 0, n[1], n[2], n[3]};
}

void ApplyIndicator(ClockIndicator& c, const std::vector<std::int16_t>& n) {
    c = {n[0] != 0, n[1], n[2], n[3], n[4], n[5], n[6], n[7], n[8]};
}

void SizeGraphTable(SkinData& skin, const std::vector<std::int16_t>& n) {
    if (n[0] < 0 || n[1] < 0) {
        throw RuntimeError(ErrorNumber::SubscriptOutOfRange);
    }
    skin.barGraphCount = n[0];
    skin.historyGraphCount = n[1];
    skin.graphRecords.assign(static_cast<std::size_t>(std::max(n[0], n[1])), {});
}

void ApplyGraph(SkinData& skin, int row, GraphType type, const std::vector<std::int16_t>& n) {
    GraphRecord& g = skin.graphRecords[static_cast<std::size_t>(row)][static_cast<int>(type)];
    g.type = static_cast<std::int16_t>(type);
    g.x = n[0];
    g.y = n[1];
    g.srcX = n[2];
    g.srcY = n[3];
    g.width = n[4];
    g.height = n[5];
    g.src2X = n[6];
    g.src2Y = n[7];
    g.width2 = n[8];
    g.height2 = n[9];
    g.extra = n[10];
}

void ApplyFontCount(SkinData& skin, std::int16_t count) {
    if (count < 0) {
        throw RuntimeError(ErrorNumber::SubscriptOutOfRange);
    }
    skin.numberFonts.assign(static_cast<std::size_t>(count), {});
}

void ApplyFont(NumberFont& f, const std::vector<std::int16_t>& n) {
    f = {n[0], n[1], n[2], n[3], n[4], n[5], n[6], n[7], n[8], n[9]};
}

// First line: label x, y, src x, y, width, height, standard style, standard digit style.
void ApplyItemFirst(ItemParams& p, const std::vector<std::int16_t>& n) {
    p.labelX = n[0];
    p.labelY = n[1];
    p.labelSrcX = n[2];
    p.labelSrcY = n[3];
    p.labelWidth = n[4];
    p.labelHeight = n[5];
    p.standardStyle = n[6];
    p.standardDigitStyle = n[7];
}

// Second line: numberX[0], numberY[0], numberX[1], numberY[1], barGraph, historyGraph,
// numberFont[0], numberFont[1].
void ApplyItemSecond(ItemParams& p, const std::vector<std::int16_t>& n) {
    p.numberX[0] = n[0];
    p.numberY[0] = n[1];
    p.numberX[1] = n[2];
    p.numberY[1] = n[3];
    p.barGraph = n[4];
    p.historyGraph = n[5];
    p.numberFont[0] = n[6];
    p.numberFont[1] = n[7];
}

void ApplyDiskExtra(ItemParams& p, const std::vector<std::int16_t>& n) {
    std::copy_n(n.begin(), kDiskExtraCount, p.diskExtra.begin());
}

void ApplyColorKey(SkinData& skin, std::string_view value) {
    const std::vector<std::int16_t> n = SplitNumbers(value, 3);
    for (std::int16_t c : n) {
        if (c < 0) {
            throw RuntimeError(ErrorNumber::InvalidCall);
        }
    }
    const auto clamp = [](std::int16_t c) { return std::min<int>(c, 255); };
    skin.colorKey = (static_cast<std::uint32_t>(clamp(n[0])) << 16) |
                    (static_cast<std::uint32_t>(clamp(n[1])) << 8) |
                    static_cast<std::uint32_t>(clamp(n[2]));
}

void ApplyLink(SkinData& skin, std::string_view value) {
    const std::size_t comma = value.find(',');
    skin.linkCaption = std::string(value.substr(0, comma));
    skin.linkUrl =
        comma == std::string_view::npos ? std::string() : std::string(value.substr(comma + 1));
}

} // namespace

std::int16_t ToInt16(std::string_view field) {
    const double v = std::nearbyint(ToNumber(field));
    if (v < -32768.0 || v > 32767.0) {
        throw RuntimeError(ErrorNumber::Overflow);
    }
    return static_cast<std::int16_t>(v);
}

float ToSingle(std::string_view field) {
    const double v = ToNumber(field);
    if (std::fabs(v) > 3.4028234663852886e38) {
        throw RuntimeError(ErrorNumber::Overflow);
    }
    return static_cast<float>(v);
}

std::vector<std::int16_t> SplitNumbers(std::string_view line, std::size_t count) {
    std::vector<std::int16_t> numbers(count, 0);
    if (line.empty()) {
        return numbers;
    }
    std::size_t start = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t comma = line.find(',', start);
        numbers[i] = ToInt16(line.substr(
            start, comma == std::string_view::npos ? std::string_view::npos : comma - start));
        if (comma == std::string_view::npos) {
            break;
        }
        start = comma + 1;
    }
    return numbers;
}

std::string HeaderValue(std::string_view line) {
    const std::size_t colon = line.find(':');
    return std::string(colon == std::string_view::npos ? line : line.substr(colon + 1));
}

const GraphRecord& SkinData::Graph(int row, GraphType type) const {
    if (row < 0 || static_cast<std::size_t>(row) >= graphRecords.size()) {
        throw RuntimeError(ErrorNumber::SubscriptOutOfRange);
    }
    return graphRecords[static_cast<std::size_t>(row)][static_cast<int>(type)];
}

StandardStyles StandardStylesOf(const SkinData& skin) {
    StandardStyles styles{};
    for (int k = 0; k < kItemKindCount; ++k) {
        styles[k] = skin.itemParams[k].standardStyle;
    }
    return styles;
}

SkinFileParser::SkinFileParser(std::vector<std::string> lines, std::string folder)
    : lines_(std::move(lines)), folder_(std::move(folder)) {}

const std::string& SkinFileParser::Next() {
    if (next_ >= lines_.size()) {
        throw RuntimeError(kInputPastEndOfFile,
                           UiTr("Skin", "ファイルの終わりを超えて入力しようとしました。"));
    }
    return lines_[next_++];
}

void SkinFileParser::ReadImageLine(SkinData& skin) {
    skin.imagePath = folder_ + ToPath(HeaderValue(Next()));
}

void SkinFileParser::ReadHeader(SkinData& skin) {
    skin.skinName = HeaderValue(Next());
    skin.skinNumber = ToSingle(HeaderValue(Next()));
    ApplyLink(skin, HeaderValue(Next()));
    ApplyColorKey(skin, HeaderValue(Next()));
    skin.skinType = ToInt16(HeaderValue(Next()));
}

void SkinFileParser::ReadStartUnit(SkinData& skin) {
    Next();
    ApplyButtonUnit(skin.startUnit, skin.startButtons, SplitNumbers(Next(), 9));
    ApplyButtons(skin.startButtons, SplitNumbers(Next(), 18));
}

void SkinFileParser::ReadGraphUnit(SkinData& skin) {
    Next();
    ApplyUnit(skin.graphUnit, SplitNumbers(Next(), 6));
    ApplySlotCount(skin, ToInt16(Next()));
    for (SlotOffset& o : skin.slotOffset) {
        const auto n = SplitNumbers(Next(), 2);
        o = {n[0], n[1]};
    }
}

void SkinFileParser::ReadClockUnit(SkinData& skin) {
    Next();
    ApplyUnit(skin.clockUnit, SplitNumbers(Next(), 6));
    for (ClockNumber& c : skin.clockNumbers) {
        ApplyClockNumber(c, SplitNumbers(Next(), 4));
    }
    for (ClockIndicator& c : skin.clockIndicators) {
        ApplyIndicator(c, SplitNumbers(Next(), 9));
    }
}

void SkinFileParser::ReadEndUnit(SkinData& skin) {
    Next();
    ApplyButtonUnit(skin.endUnit, skin.endButtons, SplitNumbers(Next(), 9));
    ApplyButtons(skin.endButtons, SplitNumbers(Next(), 18));
}

void SkinFileParser::ReadGraphData(SkinData& skin) {
    Next();
    SizeGraphTable(skin, SplitNumbers(Next(), 2));
    for (int row = 0; row < skin.barGraphCount; ++row) {
        ApplyGraph(skin, row, GraphType::Bar, SplitNumbers(Next(), 11));
    }
    for (int row = 0; row < skin.historyGraphCount; ++row) {
        ApplyGraph(skin, row, GraphType::History, SplitNumbers(Next(), 11));
    }
}

void SkinFileParser::ReadNumberFonts(SkinData& skin) {
    Next();
    ApplyFontCount(skin, ToInt16(Next()));
    for (NumberFont& f : skin.numberFonts) {
        ApplyFont(f, SplitNumbers(Next(), 10));
    }
}

void SkinFileParser::ReadItemParams(SkinData& skin) {
    for (int kind = 0; kind < kFirstSensorKind; ++kind) {
        ItemParams& p = skin.itemParams[kind];
        Next();
        ApplyItemFirst(p, SplitNumbers(Next(), 8));
        ApplyItemSecond(p, SplitNumbers(Next(), 8));
        if (kind == 8) {
            ApplyDiskExtra(p, SplitNumbers(Next(), kDiskExtraCount));
        }
    }
    // Skins made before the sensor kinds end here, and some carry notes after: a section that
    // does not read whole leaves this kind and the later ones to the fallback.
    for (int kind = kFirstSensorKind; kind < kItemKindCount; ++kind) {
        ItemParams p;
        try {
            Next();
            ApplyItemFirst(p, SplitNumbers(Next(), 8));
            ApplyItemSecond(p, SplitNumbers(Next(), 8));
        } catch (const std::exception&) {
            FillSensorKindFallbacks(skin, kind);
            return;
        }
        skin.itemParams[kind] = p;
    }
}

void FillSensorKindFallbacks(SkinData& skin, int fromKind) {
    for (int kind = std::max(fromKind, kFirstSensorKind); kind < kItemKindCount; ++kind) {
        // Numbers and graphs where the skin puts those of the processor (levels) or of the
        // network bytes (rates); no label, as the skin has no picture for one.
        const int like = HistoryKeepsUsed(ParamIdOfKind(kind)) ? 6 : 2;
        ItemParams p = skin.itemParams[static_cast<std::size_t>(like)];
        p.labelWidth = 0;
        p.labelHeight = 0;
        skin.itemParams[static_cast<std::size_t>(kind)] = p;
    }
}

SkinData ParseSkinText(std::string_view text, const std::string& folder) {
    SkinData skin;
    SkinFileParser parser(SplitLines(text), folder);
    parser.ReadImageLine(skin);
    parser.ReadHeader(skin);
    parser.ReadStartUnit(skin);
    parser.ReadGraphUnit(skin);
    parser.ReadClockUnit(skin);
    parser.ReadEndUnit(skin);
    parser.ReadGraphData(skin);
    parser.ReadNumberFonts(skin);
    parser.ReadItemParams(skin);
    return skin;
}

SkinData ReadBuiltInSkin(const StringTable& table, int number) {
    const int base = CheckedInt16(static_cast<std::int64_t>(number) * 100);
    const auto at = [&](int offset) { return table.Get(base + offset); };
    SkinData skin;
    skin.skinName = at(0);
    skin.imagePath = at(1);
    ApplyColorKey(skin, at(3));
    skin.skinType = ToInt16(at(5));
    ApplyButtonUnit(skin.startUnit, skin.startButtons, SplitNumbers(at(7), 9));
    ApplyButtons(skin.startButtons, SplitNumbers(at(8), 18));
    ApplyUnit(skin.graphUnit, SplitNumbers(at(10), 6));
    ApplySlotCount(skin, ToInt16(at(11)));
    for (int s = 0; s < kMaxSlotCount; ++s) {
        const auto n = SplitNumbers(at(12 + s), 2);
        skin.slotOffset[s] = {n[0], n[1]};
    }
    ApplyUnit(skin.clockUnit, SplitNumbers(at(17), 6));
    for (int i = 0; i < kClockNumberCount; ++i) {
        ApplyClockNumber(skin.clockNumbers[i], SplitNumbers(at(18 + i), 4));
    }
    for (int i = 0; i < kClockIndicatorCount; ++i) {
        ApplyIndicator(skin.clockIndicators[i], SplitNumbers(at(25 + i), 9));
    }
    ApplyButtonUnit(skin.endUnit, skin.endButtons, SplitNumbers(at(32), 9));
    ApplyButtons(skin.endButtons, SplitNumbers(at(33), 18));
    SizeGraphTable(skin, SplitNumbers(at(40), 2));
    for (int row = 0; row < skin.barGraphCount; ++row) {
        ApplyGraph(skin, row, GraphType::Bar, SplitNumbers(at(41 + row), 11));
    }
    for (int row = 0; row < skin.historyGraphCount; ++row) {
        ApplyGraph(skin, row, GraphType::History, SplitNumbers(at(51 + row), 11));
    }
    ApplyFontCount(skin, ToInt16(at(60)));
    for (std::size_t i = 0; i < skin.numberFonts.size(); ++i) {
        ApplyFont(skin.numberFonts[i], SplitNumbers(at(61 + static_cast<int>(i)), 10));
    }
    for (int kind = 0; kind < kItemKindCount; ++kind) {
        if (kind >= kFirstSensorKind && !table.Has(base + 70 + kind)) {
            FillSensorKindFallbacks(skin, kind);
            break;
        }
        const auto n = SplitNumbers(at(70 + kind), kind == 8 ? 28 : 16);
        ItemParams& p = skin.itemParams[kind];
        ApplyItemFirst(p, {n.begin(), n.begin() + 8});
        ApplyItemSecond(p, {n.begin() + 8, n.begin() + 16});
        if (kind == 8) {
            ApplyDiskExtra(p, {n.begin() + 16, n.end()});
        }
    }
    return skin;
}

} // namespace trumbel
