#include "skin/SkinEngine.h"

#include "base/AppInfo.h"
#include "base/AtomicFile.h"
#include "base/ErrorReport.h"
#include "base/RuntimeError.h"
#include "base/UiLanguage.h"
#include "base/UiText.h"
#include "gfx/ImageDecode.h"
#include "resources/Resources.h"
#include "skin/SkinReader.h"
#include "skin/SkinSurfaces.h"
#include "skin/TextDecode.h"
#include "skin/WindowsPath.h"

#include <fstream>
#include <sstream>

namespace trumbel {

namespace {

constexpr std::int64_t kMaxSkinFileBytes = 4 * 1024 * 1024;

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw RuntimeError(ErrorNumber::FileNotFound);
    }
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size < 0 || size > kMaxSkinFileBytes) {
        throw RuntimeError(ErrorNumber::PathFileAccess);
    }
    in.seekg(0);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    if (!in.read(bytes.data(), size)) {
        throw RuntimeError(ErrorNumber::PathFileAccess);
    }
    return bytes;
}

} // namespace

std::optional<Bitmap> LoadResourceBitmap(std::string_view name) {
    const auto bytes = ResourceBytes(name);
    if (bytes.empty()) {
        return std::nullopt;
    }
    return DecodeImage(bytes);
}

int StandardStyleOf(const SkinData& skin, int kind) {
    return kind >= 0 && kind < kItemKindCount ? skin.itemParams[kind].standardStyle : 2;
}

int StandardDigitStyleOf(const SkinData& skin, int kind) {
    return kind >= 0 && kind < kItemKindCount ? skin.itemParams[kind].standardDigitStyle : 3;
}

BuiltInSkinSource EmbeddedSkinSource() {
    BuiltInSkinSource source;
    const auto strings = ResourceBytes("strings");
    source.strings = StringTable::Parse(
        std::string_view(reinterpret_cast<const char*>(strings.data()), strings.size()));
    source.loadBitmap = [](const std::string& id) { return LoadResourceBitmap(id); };
    return source;
}

SkinHost& NoSkinHost() {
    static SkinHost none;
    return none;
}

SkinEngine::SkinEngine(Settings& settings, Ui& ui, BuiltInSkinSource builtIn, SkinHost& host)
    : settings_(settings), ui_(ui), builtIn_(std::move(builtIn)), host_(host) {}

void SkinEngine::ApplySkin() {
    ActivateSkin(SkinQuiet::Yes);
}

void SkinEngine::DrawSkin() {
    host_.DrawSkin();
}

void SkinEngine::FreeSurfaces() {
    skinImage_ = {};
    skinMask_ = {};
    backBuffer_ = {};
}

StandardStyles SkinEngine::ApplySkinForSettings(SkinQuiet quiet) {
    ActivateSkin(quiet);
    return StandardStylesOf(skin_);
}

std::string SkinEngine::SkinFilePath() const {
    std::string folder = settings_.skinFolder;
    if (!folder.empty() && folder.back() != '/') {
        folder += '/';
    }
    return folder + settings_.skinFileName;
}

int SkinEngine::FindSkinFiles(std::vector<std::string>& results) const {
    return FindFiles(settings_.skinFolder, "*.skn", results, host_.SearchProgressWindow());
}

void SkinEngine::ActivateSkin(SkinQuiet quiet) {
    if (settings_.useBuiltInSkin) {
        BuildBuiltInSkin(settings_.builtInSkinType + 1, quiet);
    } else {
        std::string log;
        LoadSkinFile(log, quiet);
    }
    const int width = layout_.layoutWidth * Zoom();
    const int height = layout_.layoutHeight * Zoom();
    int x = settings_.startX;
    int y = settings_.startY;
    if (const std::optional<Size> screen = host_.Screen()) {
        if (x + width > screen->width) {
            x = screen->width - width;
        }
        if (y + height > screen->height) {
            y = screen->height - height;
        }
    }
    host_.MoveWindow(x, y);
}

bool SkinEngine::LoadSkinFile(std::string& log, SkinQuiet quiet) {
    if (host_.OptionsFilling()) {
        return false;
    }
    skinReady_ = false;
    const std::string path = SkinFilePath();
    const auto line = [&log](std::string_view text) {
        log += text;
        log += kCrLf;
    };
    log = UiTr("Skin", "Skinのロードを開始します｡");
    log += kCrLf;
    line(UiFormat(UiTr("Skin", "対象ファイルは%1です。"), {path}));
    SkinData loaded;
    try {
        if (!FileExists(path)) {
            throw RuntimeError(ErrorNumber::FileNotFound);
        }
        std::string text = DecodeFileText(ReadFileBytes(path));
        line(UiTr("Skin", "ファイルのオープンに成功しました｡"));
        currentSkinPath_ = path;
        SkinFileParser parser(SplitLines(text), FolderOf(path));
        text.clear();

        parser.ReadImageLine(loaded);
        line(UiFormat(UiTr("Skin", "使用する画像ファイルは%1です。"), {loaded.imagePath}));
        // The name is the skin's own, relative to its folder, and spelled as Windows reads it.
        const std::string folder = FolderOf(path);
        const std::string image =
            FindWindowsPath(folder, std::string_view(loaded.imagePath).substr(folder.size()));
        if (image.empty()) {
            line(UiTr("Skin", "*****エラー発生*****"));
            log += UiTr("Skin", "スキンの画像ファイルが見つかりません。");
            line(UiTr("Skin", "読み込みを中止し、デフォルトのスキンを読み込みます｡"));
            BuildBuiltInSkin(settings_.builtInSkinType + 1, SkinQuiet::No);
            return false;
        }
        loaded.imagePath = image;

        line(UiTr("Skin", "画像ファイルの存在を確認しました｡"));
        parser.ReadHeader(loaded);
        switch (loaded.skinType) {
        case 1:
            line(UiTr("Skin", "このスキンは可変タイプで高さ固定モードです。"));
            break;
        case 2:
            line(UiTr("Skin", "このスキンは可変タイプで幅固定モードです。"));
            break;
        case -1:
            line(UiTr("Skin", "このスキンは固定タイプです。"));
            break;
        default:
            break;
        }

        // The sections in file order, each announced in the log before it is read.
        using Section = void (SkinFileParser::*)(SkinData&);
        static constexpr std::pair<const char*, Section> kSections[] = {
            {QT_TRANSLATE_NOOP("Skin", "先頭ユニットデータの読み込みを開始します｡"),
             &SkinFileParser::ReadStartUnit},
            {QT_TRANSLATE_NOOP("Skin", "グラフ表示ユニットデータの読み込みを開始します｡"),
             &SkinFileParser::ReadGraphUnit},
            {QT_TRANSLATE_NOOP("Skin", "時計ユニットデータの読み込みを開始します｡"),
             &SkinFileParser::ReadClockUnit},
            {QT_TRANSLATE_NOOP("Skin", "終端ユニットデータの読み込みを開始します｡"),
             &SkinFileParser::ReadEndUnit},
            {QT_TRANSLATE_NOOP("Skin", "グラフデータの読み込みを開始します｡"),
             &SkinFileParser::ReadGraphData},
            {QT_TRANSLATE_NOOP("Skin", "数字データの読み込みを開始します｡"),
             &SkinFileParser::ReadNumberFonts},
            {QT_TRANSLATE_NOOP("Skin", "表示パラメータの読み込みを開始します｡"),
             &SkinFileParser::ReadItemParams},
        };
        for (const auto& [announcement, read] : kSections) {
            line(UiTr("Skin", announcement));
            (parser.*read)(loaded);
        }

        line(UiTr("Skin", "データファイルの読み込みは正常に終了しました｡"));
        line(UiTr("Skin", "スキンのサイズを計算し、ウィンドウのサイズを変更します｡"));
        skin_ = std::move(loaded);
        Relayout();

        line(UiTr("Skin", "画像ファイルの読み込みに移ります"));
        if (LoadSkinImage(skin_.imagePath)) {
            line(UiTr("Skin", "マスクの作成は正常に終了しました｡"));
        } else {
            line(UiTr("Skin", "*****勧告*****"));
            line(UiTr("Skin", "マスクの作成に問題がありました｡"));
            line(UiTr("Skin", "正常に表示されない可能性があります｡"));
        }
        line(UiTr("Skin", "スキンの読み込みは正常に終了しました｡"));
        line(UiTr("Skin", "「デフォルトスキンを使用」のオプションを切り、"));
        log += UiTr("Skin", "選択したスキンに切り換えます｡");
        skinReady_ = true;
        settings_.useBuiltInSkin = false;
        if (quiet == SkinQuiet::No) {
            UpdateSkinLink();
        }
        return true;
    } catch (const std::exception&) {
        std::string text = UiTr("Skin", "エラー発生");
        text += kCrLf;
        text += UiTr("Skin", "デフォルトスキンに切り換えます｡");
        ui_.MessageBox({BoxTitle(UiTr("Skin", "Skin読み込みエラー")), text, MsgIcon::Exclamation,
                        MsgButtons::Ok});
        line(UiTr("Skin", "*****エラー発生*****"));
        line(UiTr("Skin", "読み込みを中止し、デフォルトのスキンを読み込みます｡"));
        SwitchToBuiltIn();
        return false;
    }
}

void SkinEngine::SwitchToBuiltIn() {
    settings_.useBuiltInSkin = true;
    BuildBuiltInSkin(settings_.builtInSkinType + 1, SkinQuiet::No);
}

void SkinEngine::BuildBuiltInSkin(int number, SkinQuiet quiet) {
    skinReady_ = false;
    // An unknown skin type from a damaged settings file gets the first built-in skin.
    if (!builtIn_.strings.Has(number * 100)) {
        number = 1;
    }
    try {
        skin_ = ReadBuiltInSkin(builtIn_.strings, number);
    } catch (const std::exception&) {
        return; // the embedded table is ours; nothing drawable can come of a broken one
    }
    LoadBuiltInSkinImage(skin_.imagePath);
    Relayout();
    skinReady_ = true;
    if (quiet == SkinQuiet::No) {
        UpdateSkinLink();
    }
}

bool SkinEngine::InstallImage(std::optional<Bitmap> art) {
    if (!art) {
        skinImage_ = {};
        skinMask_ = {};
        return false;
    }
    SkinSurfaces surfaces = MakeSkinSurfaces(*art, skin_.colorKey);
    skinImage_ = std::move(surfaces.image);
    skinMask_ = std::move(surfaces.mask);
    return true;
}

bool SkinEngine::LoadSkinImage(const std::string& path) {
    const bool ok = InstallImage(LoadImageFile(path));
    backBuffer_ = Bitmap(layout_.layoutWidth, layout_.layoutHeight);
    return ok;
}

bool SkinEngine::LoadBuiltInSkinImage(const std::string& resourceId) {
    const bool ok =
        InstallImage(builtIn_.loadBitmap ? builtIn_.loadBitmap(resourceId) : std::nullopt);
    // Room for a start unit, eight graph units, a clock unit and an end unit.
    const SkinData& s = skin_;
    backBuffer_ = Bitmap(s.startUnit.width + s.startUnit.advanceX + 8 * s.graphUnit.advanceX +
                             s.clockUnit.advanceX + s.endUnit.advanceX,
                         s.startUnit.height + s.startUnit.advanceY + 8 * s.graphUnit.advanceY +
                             s.clockUnit.advanceY + s.endUnit.advanceY);
    return ok;
}

void SkinEngine::Relayout() {
    layout_ = ComputeLayout(skin_, settings_, layout_);
    host_.SetWindowSize(layout_.layoutWidth * Zoom(), layout_.layoutHeight * Zoom());
    backBuffer_ = Bitmap(layout_.layoutWidth, layout_.layoutHeight);
    host_.LaidOut();
    DrawSkin();
}

ButtonRects SkinEngine::Buttons() const {
    ButtonRects placed{};
    const auto place = [&](const std::array<UnitButton, kButtonCount>& buttons, bool shown,
                           int unitX, int unitY, int first) {
        for (int b = 0; b < kButtonCount; ++b) {
            const SkinButton& sb = buttons[b].button;
            if (shown && buttons[b].present) {
                placed[first + b] = Rect::Sized(unitX + sb.x, unitY + sb.y, sb.width, sb.height);
            }
        }
    };
    place(skin_.startButtons, settings_.showStartUnit, 0, 0, 0);
    place(skin_.endButtons, settings_.showEndUnit, layout_.endX, layout_.endY, kButtonCount);
    return placed;
}

void SkinEngine::UpdateSkinLink() {
    host_.UpdateSkinLink(skin_.linkCaption, skin_.linkUrl);
}

} // namespace trumbel
