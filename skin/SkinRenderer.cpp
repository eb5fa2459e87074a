#include "skin/SkinRenderer.h"

#include "base/RuntimeError.h"
#include "base/UiLanguage.h"
#include "base/UiText.h"
#include "gfx/Painter.h"
#include "measure/ItemKinds.h"
#include "skin/SkinEngine.h"
#include "skin/TransParam.h"

#include <algorithm>
#include <cmath>
#include <ctime>
#include <string>
#include <string_view>

namespace trumbel {

namespace {

constexpr const char* kSwitchNotice = QT_TRANSLATE_NOOP("Skin", "デフォルトスキンに切り換えます｡");

constexpr int kLoopbackType = 24;
constexpr int kCellDot = 10;

void CheckIndex(int index, int count) {
    if (index < 0 || index >= count) {
        throw RuntimeError(ErrorNumber::SubscriptOutOfRange);
    }
}

int CellOf(char ch, int previous) {
    if (ch >= '0' && ch <= '9') {
        return ch - '0';
    }
    switch (ch) {
    case '.':
        return kCellDot;
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
        return previous;
    }
}

struct Step {
    int x = 0;
    int y = 0;
};

Step AdvanceOfCell(const NumberFont& f, int cell) {
    if (cell < kCellDot) {
        return {f.stepX, f.stepY};
    }
    if (cell == kCellDot) {
        return {f.f6, f.f7};
    }
    return {f.f8, f.f9};
}

// Nearest integer, ties to even, of a pixel count; anything beyond 16 bits is an overflow.
int RoundInt16(double v) {
    const double r = std::nearbyint(v);
    if (!(std::fabs(r) <= 32767.0)) {
        throw RuntimeError(ErrorNumber::Overflow);
    }
    return static_cast<int>(r);
}

} // namespace

SkinAccess AccessTo(SkinEngine& engine) {
    return {engine.skin(),
            engine.layout(),
            engine.skinImage(),
            engine.skinMask(),
            engine.backBuffer(),
            [&engine] { return engine.skinReady(); },
            [&engine] { engine.SwitchToBuiltIn(); }};
}

LocalTime CurrentLocalTime() {
    const std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

bool RepeatFilterUi::Round::Has(std::size_t key) const {
    return std::find(keys.begin(), keys.begin() + static_cast<std::ptrdiff_t>(count), key) !=
           keys.begin() + static_cast<std::ptrdiff_t>(count);
}

void RepeatFilterUi::Round::Add(std::size_t key) {
    if (count < kKept && !Has(key)) {
        keys[count++] = key;
    }
}

MsgAnswer RepeatFilterUi::MessageBox(const MessageBoxRequest& request) {
    const std::size_t key = std::hash<std::string_view>{}(request.title) * 31u +
                            std::hash<std::string_view>{}(request.text);
    const bool repeated = current_.Has(key) || previous_.Has(key);
    current_.Add(key);
    if (!repeated) {
        held_.push_back(request);
    }
    return DefaultAnswer(request.buttons);
}

void RepeatFilterUi::Flush() {
    // Timers keep firing while a box is open and may compose (and hold reports) again.
    std::vector<MessageBoxRequest> boxes;
    boxes.swap(held_);
    for (const MessageBoxRequest& box : boxes) {
        inner_.MessageBox(box);
    }
}

void RepeatFilterUi::NextRound() {
    previous_ = current_;
    current_ = {};
}

SkinRenderer::SkinRenderer(SkinAccess skin, RenderContext context)
    : skin_(std::move(skin)), ctx_(std::move(context)), ui_(ctx_.ui) {}

// --- error handling --------------------------------------------------------------------------

bool SkinRenderer::SwitchToBuiltIn() {
    // Once a fault has brought the built-in skin in, switching again would only rebuild the
    // same skin on every failure.
    if (switched_ && ctx_.settings.useBuiltInSkin) {
        return false;
    }
    switched_ = true;
    ctx_.settings.useBuiltInSkin = true;
    if (skin_.switchToBuiltIn) {
        skin_.switchToBuiltIn();
    }
    return !skin_.ready || skin_.ready();
}

template <class StepFn>
void SkinRenderer::SkinStep(const char* routine, Retry retry, StepFn&& step) {
    try {
        step();
        return;
    } catch (const std::exception& e) {
        ReportRuntimeError(ui_, ErrorCategory::SkinRuntime, AsRuntimeError(e), routine,
                           UiTr("Skin", kSwitchNotice));
        if (!SwitchToBuiltIn() || retry == Retry::Never) {
            return;
        }
    }
    // One retry on the built-in skin; a step that fails there too is told and left.
    try {
        step();
    } catch (const std::exception& e) {
        ReportRuntimeError(ui_, ErrorCategory::SkinRuntime, AsRuntimeError(e), routine,
                           UiTr("Skin", kSwitchNotice));
    }
}

template <class StepFn> void SkinRenderer::InfoStep(const char* routine, StepFn&& step) {
    try {
        step();
    } catch (const std::exception& e) {
        ReportRuntimeError(ui_, ErrorCategory::InfoUpdate, AsRuntimeError(e), routine);
    }
}

// --- checked access to the records -----------------------------------------------------------

const ItemParams& SkinRenderer::Item(int kind) const {
    CheckIndex(kind, kItemKindCount);
    return skin_.skin.itemParams[static_cast<std::size_t>(kind)];
}

const NumberFont& SkinRenderer::Font(int index) const {
    CheckIndex(index, static_cast<int>(skin_.skin.numberFonts.size()));
    return skin_.skin.numberFonts[static_cast<std::size_t>(index)];
}

const ContainerPlacement& SkinRenderer::Placement(int c) const {
    CheckIndex(c, kContainerCount);
    return skin_.layout.placements[static_cast<std::size_t>(c)];
}

SlotOffset SkinRenderer::Offset(int position) const {
    CheckIndex(position, kMaxSlotCount);
    return skin_.skin.slotOffset[static_cast<std::size_t>(position)];
}

int SkinRenderer::SlotsPerContainer() const {
    return skin_.skin.slotCount;
}

int SkinRenderer::LineStyle(int c, int s, int line) const {
    CheckIndex(c, kContainerCount);
    CheckIndex(s, kSlotCount);
    const auto& codes = line == 0 ? ctx_.settings.graphStyle : ctx_.settings.digitStyle;
    // The tens digit of the display-mode code.
    return codes[static_cast<std::size_t>(c)][static_cast<std::size_t>(s)] / 10 % 10;
}

// --- drawing ---------------------------------------------------------------------------------

void SkinRenderer::Piece(int dx, int dy, int sx, int sy, int w, int h) {
    Painter(skin_.backBuffer)
        .DrawMasked(dx, dy, skin_.image, skin_.mask, Rect::Sized(sx, sy, w, h));
}

void SkinRenderer::DrawGlyph(const NumberFont& font, int cell, int x, int y) {
    Piece(x, y, font.srcX + font.glyphWidth * cell, font.srcY, font.glyphWidth, font.glyphHeight);
}

void SkinRenderer::DrawSkin() {
    if (drawing_) {
        // A relayout or a timer inside an error box asked again: draw once more afterwards.
        redrawPending_ = true;
        return;
    }
    if ((ctx_.settingsBusy && ctx_.settingsBusy()) || (skin_.ready && !skin_.ready())) {
        return;
    }
    if (!ctx_.settings.useBuiltInSkin) {
        switched_ = false;
    }
    ui_.NextRound();
    {
        struct Guard {
            bool& flag;
            ~Guard() { flag = false; }
        } guard{drawing_};
        drawing_ = true;
        for (int round = 0; round < 2; ++round) {
            redrawPending_ = false;
            if (skin_.ready && !skin_.ready()) {
                break;
            }
            Compose();
            Present();
            if (!redrawPending_) {
                break;
            }
        }
    }
    ui_.Flush();
}

void SkinRenderer::Compose() {
    const SkinData& skin = skin_.skin;
    const Settings& settings = ctx_.settings;
    const ButtonStates states = ctx_.buttonStates ? ctx_.buttonStates() : ButtonStates{};
    if (settings.showStartUnit) {
        SkinStep("DrawSkin", Retry::Never,
                 [&] { DrawUnitWithButtons(skin.startUnit, 0, 0, skin.startButtons, states, 0); });
    }
    for (int c = 0; c < kContainerCount; ++c) {
        SkinStep("DrawSkin", Retry::Never, [&] {
            const ContainerPlacement& p = Placement(c);
            if (!p.shown) {
                return;
            }
            const UnitPiece& unit = skin.graphUnit;
            switch (p.type) {
            case 0:
                Piece(p.x, p.y, unit.srcX, unit.srcY, unit.width, unit.height);
                for (int s = 0; s < SlotsPerContainer(); ++s) {
                    CheckIndex(s, kSlotCount);
                    const int kind = p.slotKind[static_cast<std::size_t>(s)];
                    if (kind == 8) {
                        PrintDiskParam(c, s, p.slotDevice[static_cast<std::size_t>(s)]);
                    } else {
                        PrintParam(c, s, kind, GraphContent::Bars);
                    }
                }
                break;
            case 1:
                Piece(p.x, p.y, unit.srcX, unit.srcY, unit.width, unit.height);
                if (p.slotKind[0] == 8) {
                    const int last = SlotsPerContainer() - 1;
                    CheckIndex(last, kSlotCount);
                    PrintDiskParam(c, last, p.slotDevice[static_cast<std::size_t>(last)]);
                } else {
                    PrintParam(c, 0, p.slotKind[0], GraphContent::History);
                }
                break;
            case -1:
                DrawClockUnit(c);
                break;
            default:
                break;
            }
        });
        if (skin_.ready && !skin_.ready()) {
            return;
        }
    }
    if (settings.showEndUnit) {
        SkinStep("DrawSkin", Retry::Never, [&] {
            DrawUnitWithButtons(skin.endUnit, skin_.layout.endX, skin_.layout.endY, skin.endButtons,
                                states, kButtonCount);
        });
    }
}

void SkinRenderer::Present() {
    const Bitmap& back = skin_.backBuffer;
    const int zoom = ctx_.settings.doubleSize ? 2 : 1;
    const int w = back.width * zoom;
    const int h = back.height * zoom;
    if (windowPicture_.width != w || windowPicture_.height != h) {
        // Only a new window size allocates; opaque so that it can be shown as RGB as is.
        windowPicture_ = Bitmap(w, h, kAlphaBits);
    }
    Painter painter(windowPicture_);
    if (zoom == 2) {
        painter.BlitScaled2x(0, 0, back, back.Bounds());
    } else {
        painter.Blit(0, 0, back, back.Bounds());
    }
    if (presenter_) {
        presenter_->Present(windowPicture_, zoom);
    }
}

void SkinRenderer::DrawUnitWithButtons(const UnitPiece& unit, int x, int y,
                                       const std::array<UnitButton, kButtonCount>& buttons,
                                       const ButtonStates& states, int firstState) {
    Piece(x, y, unit.srcX, unit.srcY, unit.width, unit.height);
    for (int b = 0; b < kButtonCount; ++b) {
        const UnitButton& button = buttons[static_cast<std::size_t>(b)];
        const int state = states[static_cast<std::size_t>(firstState + b)];
        if (!button.present || (state != kButtonPressed && state != kButtonHover)) {
            continue;
        }
        // The strip holds the hover picture first, the pressed one below it.
        const SkinButton& k = button.button;
        Piece(x + k.x, y + k.y, k.srcX, k.srcY + k.height * (2 - state), k.width, k.height);
    }
}

void SkinRenderer::DrawLabel(int c, int position, int kind) {
    const ItemParams& ip = Item(kind);
    const ContainerPlacement& p = Placement(c);
    const SlotOffset o = Offset(position);
    Piece(p.x + o.x + ip.labelX, p.y + o.y + ip.labelY, ip.labelSrcX, ip.labelSrcY, ip.labelWidth,
          ip.labelHeight);
}

MeasureView& SkinRenderer::SlotMeasure(int c, int s) {
    if (!ctx_.hostMeasure || c < 0 || c >= kContainerCount || s < 0 || s >= kSlotCount) {
        return ctx_.measure;
    }
    return ctx_.hostMeasure(ctx_.settings.host[c][s]);
}

void SkinRenderer::PrintParam(int c, int s, int kind, GraphContent content) {
    MeasureView& measure = SlotMeasure(c, s);
    const int position = content == GraphContent::History ? SlotsPerContainer() - 1 : s;
    const int factor = KindFactor(kind);
    const int item = ParamIdOfKind(kind);
    int device = 0;
    Basis basis = Basis::Free;

    InfoStep("PrintParam", [&] { DrawLabel(c, position, kind); });
    InfoStep("PrintParam", [&] {
        CheckIndex(s, kSlotCount);
        device = Placement(c).slotDevice[static_cast<std::size_t>(s)];
        const int style = LineStyle(c, s, 0);
        basis = (style == 1 || style == 4) ? Basis::Free : Basis::Used;
    });
    InfoStep("PrintParam", [&] {
        if (content == GraphContent::Bars) {
            PrintGraph(c, s, kind,
                       GetPersent(measure, ui_, item, device, basis, ScaleBy::FullScale),
                       BackgroundOnly::No);
        } else {
            PrintLogGraph(c, s, kind, basis, BackgroundOnly::No);
        }
    });
    for (int line = 0; line < 2; ++line) {
        InfoStep("PrintParam", [&] {
            const int style = LineStyle(c, s, line);
            if (style == 0) {
                return;
            }
            const ItemParams& ip = Item(kind);
            const int font = ip.numberFont[static_cast<std::size_t>(line)];
            bool unavailable = false;
            // Degrees, turns and percent are no amounts of bytes: whole numbers.
            const NumberForm form = kind >= kFirstSensorKind && !HistoryKeepsUsed(item)
                                        ? NumberForm::Integer
                                        : NumberForm::Formatted;
            if (item == 3) {
                unavailable = true; // the resources figure has no value here
            } else if (item == 4 || item == 5) {
                const std::int32_t status = measure.GetNetWorkStatus(device);
                unavailable = !(status == 4 || status == 5 || line == 1);
            } else if (kind >= kFirstSensorKind) {
                // A sensor that is gone has no figure at all, not even a limit.
                unavailable = !measure.SensorPresent(item, device);
            }
            if (unavailable) {
                DrawParam(c, kind, position, line, font, 0.0f, style, form, Placeholder::Yes);
            } else if (style >= 1 && style <= 3) {
                const float value =
                    measure.GetSystemValue(item, device, style) * static_cast<float>(factor);
                DrawParam(c, kind, position, line, font, value, style, form, Placeholder::No);
            } else if (style == 4 || style == 5) {
                const auto percent = GetPersent(measure, ui_, item, device,
                                                static_cast<Basis>(ip.barGraph), ScaleBy::Total);
                DrawParam(c, kind, position, line, font, static_cast<float>(percent), style,
                          NumberForm::Integer, Placeholder::No);
            }
        });
    }
}

void SkinRenderer::PrintDiskParam(int c, int s, int drive) {
    MeasureView& measure = SlotMeasure(c, s);
    constexpr int kDisk = 8;
    std::array<float, 4> space{}; // Max, Free, Used, Total
    float percent = 0.0f;

    InfoStep("PrintDiskParam", [&] { DrawLabel(c, s, kDisk); });
    InfoStep("PrintDiskParam", [&] {
        const auto& e = Item(kDisk).diskExtra;
        const ContainerPlacement& p = Placement(c);
        const SlotOffset o = Offset(s);
        const int type = measure.GetDiskType(drive);
        Piece(p.x + o.x + e[0], p.y + o.y + e[1], e[2] + e[4] * type, e[3], e[4], e[5]);
    });
    InfoStep("PrintDiskParam", [&] {
        const auto& e = Item(kDisk).diskExtra;
        const ContainerPlacement& p = Placement(c);
        const SlotOffset o = Offset(s);
        // Cell 0 of the letter strip is A; drive 0 is C.
        Piece(p.x + o.x + e[6], p.y + o.y + e[7], e[8] + e[10] * (drive + 2), e[9], e[10], e[11]);
    });
    InfoStep("PrintDiskParam", [&] { measure.GetDiskSpaceValue(drive, space); });
    const float free = space[ShowNumber(ShowParam::Free)];
    const float used = space[ShowNumber(ShowParam::Used)];
    const float total = space[ShowNumber(ShowParam::Total)];
    InfoStep("PrintDiskParam", [&] {
        if (total != 0.0f) {
            const int style = LineStyle(c, s, 0);
            percent = ((style == 1 || style == 4) ? free : used) / total * 100.0f;
            percent = std::isnan(percent) ? 0.0f : std::clamp(percent, 0.0f, 100.0f);
        }
        PrintGraph(c, s, kDisk, static_cast<std::int32_t>(std::nearbyint(percent)),
                   BackgroundOnly::No);
    });
    for (int line = 0; line < 2; ++line) {
        InfoStep("PrintDiskParam", [&] {
            const int style = LineStyle(c, s, line);
            if (style == 0) {
                return;
            }
            const int font = Item(kDisk).numberFont[static_cast<std::size_t>(line)];
            if (total == 0.0f) {
                DrawParam(c, kDisk, s, line, font, 0.0f, style, NumberForm::Formatted,
                          Placeholder::Yes);
            } else if (style >= 1 && style <= 3) {
                DrawParam(c, kDisk, s, line, font, space[static_cast<std::size_t>(style)], style,
                          NumberForm::Formatted, Placeholder::No);
            } else if (style == 4 || style == 5) {
                DrawParam(c, kDisk, s, line, font, std::nearbyint(percent), style,
                          NumberForm::Integer, Placeholder::No);
            }
        });
    }
}

void SkinRenderer::DrawParam(int c, int kind, int position, int line, int font, float value,
                             int style, NumberForm form, Placeholder placeholder) {
    if (style < 1 || style > 5) {
        return;
    }
    SkinStep("DrawParam", Retry::Once, [&] {
        const NumberFont& f = Font(font);
        const ItemParams& ip = Item(kind);
        CheckIndex(line, 2);
        const ContainerPlacement& p = Placement(c);
        const SlotOffset o = Offset(position);
        const bool amount = style <= 3;

        // The right end of the template the number is aligned to.
        int x = p.x + o.x + ip.numberX[static_cast<std::size_t>(line)];
        int y = p.y + o.y + ip.numberY[static_cast<std::size_t>(line)];
        const std::string_view pattern = amount ? "000.K" : "000";
        for (char ch : pattern) {
            const Step a = AdvanceOfCell(f, CellOf(ch, 12));
            x += a.x;
            y += a.y;
        }

        std::string text;
        if (placeholder == Placeholder::Yes) {
            text = amount && form != NumberForm::Integer ? "-.--K" : "---";
        } else if (form == NumberForm::Integer) {
            text = std::to_string(RoundInt16(value));
        } else {
            text = TransParam(value, ui_);
        }

        int cell = 0;
        for (auto it = text.rbegin(); it != text.rend(); ++it) {
            cell = CellOf(*it, cell);
            const Step a = AdvanceOfCell(f, cell);
            x -= a.x;
            y -= a.y;
            DrawGlyph(f, cell, x, y);
        }
    });
}

void SkinRenderer::DrawClockUnit(int c) {
    const LocalTime t = ctx_.now ? ctx_.now() : CurrentLocalTime();
    const SkinData& skin = skin_.skin;
    const ContainerPlacement& p = Placement(c);
    const UnitPiece& unit = skin.clockUnit;
    Piece(p.x, p.y, unit.srcX, unit.srcY, unit.width, unit.height);

    const int fields[6] = {t.year, t.month, t.day, t.hour, t.minute, t.second};
    int last = 0;
    for (int i = 0; i < 6; ++i) {
        const ClockNumber& n = skin.clockNumbers[static_cast<std::size_t>(i)];
        if (!n.shown) {
            continue;
        }
        const NumberFont& f = Font(n.font);
        const int value = fields[i];
        last = value;
        const int digits = i == 0 ? 4 : 2;
        int divisor = i == 0 ? 1000 : 10;
        for (int k = 0; k < digits; ++k, divisor /= 10) {
            // Month, day and hour go without a leading zero.
            const bool skip = k == 0 && i >= 1 && i <= 3 && value < 10;
            if (!skip) {
                DrawGlyph(f, value / divisor % 10, p.x + n.x + k * f.stepX,
                          p.y + n.y + k * f.stepY);
            }
        }
    }
    const ClockNumber& seventh = skin.clockNumbers[6];
    if (seventh.shown) {
        DrawGlyph(Font(seventh.font), last % 10, p.x + seventh.x, p.y + seventh.y);
    }

    const auto lamp = [&](int index, int picture) {
        const ClockIndicator& l = skin.clockIndicators[static_cast<std::size_t>(index)];
        if (picture == 1) {
            Piece(p.x + l.x, p.y + l.y, l.src1X, l.src1Y, l.width, l.height);
        } else if (picture == 2) {
            Piece(p.x + l.x, p.y + l.y, l.src2X, l.src2Y, l.width, l.height);
        }
    };
    const auto shown = [&](int index) {
        return skin.clockIndicators[static_cast<std::size_t>(index)].shown;
    };
    const auto network = [&](int item) {
        std::int32_t highest = 0;
        const std::int32_t count = ctx_.measure.GetNetWorkNum();
        for (std::int32_t i = 0; i < count; ++i) {
            if (ctx_.measure.GetNetWorkType(i) != kLoopbackType) {
                highest = std::max(highest, GetPersent(ctx_.measure, ui_, item, i, Basis::Used,
                                                       ScaleBy::FullScale));
            }
        }
        return highest > 79 ? 2 : highest > 0 ? 1 : 0;
    };
    const auto remaining = [&](int item) {
        const auto v = GetPersent(ctx_.measure, ui_, item, 0, Basis::Free, ScaleBy::Total);
        return v <= 10 ? 2 : v <= 20 ? 1 : 0;
    };
    enum Lamp { Memory = 0, PageFile = 1, Resources = 2, Cpu = 3, Send = 4, Receive = 5 };
    if (shown(Send)) {
        lamp(Send, network(5));
    }
    if (shown(Receive)) {
        lamp(Receive, network(4));
    }
    if (shown(Cpu)) {
        const auto v = GetPersent(ctx_.measure, ui_, 2, 0, Basis::Used, ScaleBy::Total);
        lamp(Cpu, v > 89 ? 2 : v > 79 ? 1 : 0);
    }
    if (shown(Memory)) {
        lamp(Memory, remaining(0));
    }
    if (shown(PageFile)) {
        lamp(PageFile, remaining(1));
    }
    if (shown(Resources) && ctx_.measure.Value(3, 0, ShowParam::Free) >= 0.0f) {
        lamp(Resources, remaining(3));
    }
}

std::optional<SkinRenderer::PlacedGraph> SkinRenderer::GraphBackground(int c, int s, int kind,
                                                                       GraphType type) {
    const ContainerPlacement& p = Placement(c);
    if (p.type != static_cast<int>(type)) {
        return std::nullopt;
    }
    const ItemParams& ip = Item(kind);
    const int first = type == GraphType::Bar ? ip.barGraph : ip.historyGraph;
    // A line-0 code of 0 (never set) is no exception: with a selector of 0 or 1 its row lies
    // before the table, which is reported and brings in the built-in skin.
    const int row = first / 2 + LineStyle(c, s, 0) % 3 - 1;
    const GraphRecord& g = skin_.skin.Graph(row, type);
    const SlotOffset o = Offset(s);
    const PlacedGraph placed{g, p.x + o.x + g.x, p.y + o.y + g.y};
    Piece(placed.x, placed.y, g.srcX, g.srcY, g.width, g.height);
    return placed;
}

void SkinRenderer::PrintGraph(int c, int s, int kind, std::int32_t percent, BackgroundOnly only) {
    SkinStep("PrintGraph", Retry::Once, [&] {
        const auto placed = GraphBackground(c, s, kind, GraphType::Bar);
        if (!placed || only == BackgroundOnly::Yes) {
            return;
        }
        const GraphRecord& g = placed->graph;
        const int length = RoundInt16(static_cast<double>(percent) * g.width2 / 100.0);
        Piece(placed->x, placed->y, g.src2X, g.src2Y, length, g.height2);
    });
}

void SkinRenderer::PrintLogGraph(int c, int s, int kind, Basis basis, BackgroundOnly only) {
    SkinStep("PrintLogGraph", Retry::Once, [&] {
        const auto placed = GraphBackground(c, s, kind, GraphType::History);
        if (!placed || only == BackgroundOnly::Yes) {
            return;
        }
        const GraphRecord& g = placed->graph;
        const int ox = placed->x;
        const int oy = placed->y;
        const int item = ParamIdOfKind(kind);
        CheckIndex(s, kSlotCount);
        const int device = Placement(c).slotDevice[static_cast<std::size_t>(s)];
        // The history of a level keeps its free amount; "used" is its mirror.
        const Inversion inversion =
            (!HistoryKeepsUsed(item) && basis == Basis::Used) ? Inversion::Invert : Inversion::None;
        const bool newestLeft = !ctx_.settings.historyScrollDirection;
        const int fill = ctx_.sampleFill;
        for (int i = 1; i <= g.extra; ++i) {
            if (fill != -1 && i >= fill) {
                break;
            }
            const auto percent = GetLogPersent(SlotMeasure(c, s), ui_, item, device, i, inversion);
            const int h = RoundInt16(static_cast<double>(g.height2) * percent / 100.0);
            const int x = newestLeft ? ox + i * g.width2 : ox + (g.extra - i + 1) * g.width2;
            // Columns stand on the bottom line and show the bottom rows of their picture.
            Piece(x, oy + g.height2 - h, g.src2X, g.src2Y + g.height2 - h, g.width2, h);
        }
    });
}

} // namespace trumbel
