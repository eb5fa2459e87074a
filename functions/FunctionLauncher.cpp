#include "functions/FunctionLauncher.h"

#include "base/AppInfo.h"
#include "base/ErrorReport.h"
#include "base/FolderListing.h"
#include "base/TextEncoding.h"
#include "base/UiLanguage.h"
#include "base/UiText.h"
#include "base/WebAddresses.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <unistd.h>

namespace trumbel {

namespace {

namespace fs = std::filesystem;

const std::string kCr(kCrLf);

// "エラー - Velquor"
std::string FailureTitle() {
    return BoxTitle(UiTr("Functions", "エラー"));
}

bool Exists(const std::string& path) {
    std::error_code ec;
    return fs::exists(path, ec);
}

// A program of its own: an executable file that the system can run, a binary or a script
// naming its interpreter. A document that merely has the execute bit (copied from a Windows disk
// or share) opens with its application, as does a desktop entry.
bool IsProgram(const std::string& path) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec) || ::access(path.c_str(), X_OK) != 0) {
        return false;
    }
    char magic[4] = {};
    std::ifstream in(path, std::ios::binary);
    in.read(magic, sizeof magic);
    const std::string_view head(magic, static_cast<std::size_t>(in.gcount()));
    return head == "\177ELF" || head.starts_with("#!");
}

// A configured function names a file of the function folder, never a path out of it: settings
// and option files are shared, and "../../usr/bin/..." would start whatever it names.
bool IsPlainFileName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos;
}

const std::vector<std::string> kCalculators = {
    "gnome-calculator", "kcalc",     "galculator", "qalculate-gtk",
    "qalculate-qt",     "qalculate", "xcalc"};
const std::vector<std::string> kTerminals = {"x-terminal-emulator", "gnome-terminal", "konsole",
                                             "xfce4-terminal", "xterm"};
const std::vector<std::string> kEditors = {
    "gnome-text-editor", "gedit",  "kate", "kwrite", "mousepad", "xed", "pluma",
    "featherpad",        "leafpad"};

} // namespace

std::array<std::string, kBuiltinFunctionCount> BuiltinFunctionNames() {
    return {QT_TRANSLATE_NOOP("Functions", "Googleへアクセス"),
            QT_TRANSLATE_NOOP("Functions", "エクスプローラ起動"),
            QT_TRANSLATE_NOOP("Functions", "メモ帳起動"),
            QT_TRANSLATE_NOOP("Functions", "電卓起動"),
            QT_TRANSLATE_NOOP("Functions", "コマンドプロンプトを開く")};
}

std::optional<FunctionTarget>
FunctionListEntry(int index, const std::vector<std::string>& fileNames, const std::string& folder) {
    if (index < 1) {
        return std::nullopt;
    }
    if (index <= kBuiltinFunctionCount) {
        return FunctionTarget{index - 1, {}};
    }
    const int file = index - kBuiltinFunctionCount; // 1-based among the kept names
    if (file < 1 || file > static_cast<int>(fileNames.size())) {
        return std::nullopt;
    }
    return FunctionTarget{std::nullopt, folder + fileNames[static_cast<std::size_t>(file - 1)]};
}

std::optional<FunctionTarget> FavouritesEntry(int index, const std::vector<std::string>& fileNames,
                                              const std::string& folder,
                                              const BuiltinFunctionFlags& flags) {
    if (index < 1) {
        return std::nullopt;
    }
    const int flagged = static_cast<int>(std::count(flags.begin(), flags.end(), true));
    if (index <= flagged) {
        int seen = 0;
        for (int i = 0; i < static_cast<int>(flags.size()); ++i) {
            if (flags[static_cast<std::size_t>(i)] && ++seen == index) {
                return FunctionTarget{i, {}};
            }
        }
    }
    const int file = index - flagged;
    if (file < 1 || file > static_cast<int>(fileNames.size())) {
        return std::nullopt;
    }
    return FunctionTarget{std::nullopt, folder + fileNames[static_cast<std::size_t>(file - 1)]};
}

FunctionLauncher::FunctionLauncher(Settings& settings, Ui& ui, LaunchDesktop& desktop,
                                   std::string appFolder, AppSearchPaths paths)
    : settings_(settings), ui_(ui), desktop_(desktop), appFolder_(std::move(appFolder)),
      paths_(std::move(paths)) {}

void FunctionLauncher::RunConfiguredFunction() {
    if (settings_.functionId != -1) {
        RunBuiltinFunction(settings_.functionId);
        return;
    }
    const std::string path = FunctionFolder() + settings_.functionName;
    if (!IsPlainFileName(settings_.functionName) || !Exists(path)) {
        ui_.MessageBox({FailureTitle(),
                        UiTr("Functions", "ファンクションに設定されていたファイル") + kCr + path +
                            kCr + UiTr("Functions", "が見つかりません"),
                        MsgIcon::Exclamation, MsgButtons::Ok});
        return;
    }
    StartFile(path);
}

void FunctionLauncher::RunBuiltinFunction(int index) {
    switch (index) {
    case 0:
        Open(std::string(kWebAddresses.searchHome));
        break;
    case 1:
        Open("/");
        break;
    case 2: {
        std::optional<DesktopEntry> editor = DefaultApplicationFor("text/plain", paths_);
        if (!editor) {
            if (auto program = FindFirstProgram(kEditors, paths_)) {
                editor = DesktopEntry{{*program}, false};
            }
        }
        if (!editor) {
            ReportFailure("text/plain", UiTr("Functions", "テキストエディタが見つかりません"));
            return;
        }
        std::vector<std::string> command = editor->command;
        if (editor->terminal) {
            const std::optional<std::string> terminal = Terminal();
            if (!terminal) {
                ReportFailure(command.front(), UiTr("Functions", "端末が見つかりません"));
                return;
            }
            command.insert(command.begin(), {*terminal, "-e"});
        }
        StartCommand(command, {}, command.front());
        break;
    }
    case 3: {
        std::optional<std::string> calculator = FindFirstProgram(kCalculators, paths_);
        for (std::size_t i = 0; !calculator && i < paths_.ownFolders.size(); ++i) {
            calculator = FindProgram("sumora", paths_.ownFolders[i]);
        }
        if (!calculator) {
            calculator = FindProgram("sumora", paths_.path);
        }
        if (!calculator) {
            ReportFailure("sumora", UiTr("Functions", "電卓が見つかりません"));
            return;
        }
        StartCommand({*calculator}, {}, *calculator);
        break;
    }
    case 4: {
        const std::optional<std::string> terminal = Terminal();
        if (!terminal) {
            ReportFailure("x-terminal-emulator", UiTr("Functions", "端末が見つかりません"));
            return;
        }
        StartCommand({*terminal}, {}, *terminal);
        break;
    }
    default:
        break;
    }
}

std::optional<std::string> FunctionLauncher::Terminal() const {
    if (auto chosen = FindProgram(paths_.terminal, paths_.path)) {
        return chosen;
    }
    return FindFirstProgram(kTerminals, paths_);
}

void FunctionLauncher::Choose(FunctionList list, int index,
                              const std::vector<std::string>& fileNames) {
    const std::optional<FunctionTarget> target =
        list == FunctionList::All
            ? FunctionListEntry(index, fileNames, FunctionFolder())
            : FavouritesEntry(index, fileNames, FavouritesFolder(), settings_.builtInFunctionFlags);
    if (target) {
        Run(*target);
    }
}

void FunctionLauncher::Run(const FunctionTarget& target) {
    if (target.builtin) {
        RunBuiltinFunction(*target.builtin);
        return;
    }
    if (!Exists(target.file)) {
        ui_.MessageBox({FailureTitle(),
                        UiFormat(UiTr("Functions", "%1 が見つかりません"), {target.file}),
                        MsgIcon::Exclamation, MsgButtons::Ok});
        return;
    }
    StartFile(target.file);
}

void FunctionLauncher::OpenFunctionFolder() {
    Open(appFolder_ + "Function");
}

void FunctionLauncher::Open(const std::string& target) {
    desktop_.Open(target, [this, target](const std::string& why) { ReportFailure(target, why); });
}

void FunctionLauncher::StartFile(const std::string& path) {
    if (IsProgram(path)) {
        StartCommand({path}, appFolder_, path);
    } else {
        Open(path);
    }
}

void FunctionLauncher::StartCommand(const std::vector<std::string>& command,
                                    const std::string& folder, const std::string& what) {
    if (std::string why = desktop_.Start(command, folder); !why.empty()) {
        ReportFailure(what, why);
    }
}

void FunctionLauncher::ReportFailure(const std::string& what, const std::string& reason) {
    ui_.MessageBox({FailureTitle(),
                    what + kCr + UiTr("Functions", "を起動できませんでした｡") + kCr + reason,
                    MsgIcon::Exclamation, MsgButtons::Ok});
}

void FunctionLauncher::RegisterDroppedFile(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (name.empty()) {
        return;
    }
    if (ui_.MessageBox({UiFormat(UiTr("Functions", "ファンクション登録の確認%1"), {kProductName}),
                        UiTr("Functions", "ファンクション一覧に") + kCr + name + kCr +
                            UiTr("Functions", "を加えてもよろしいですか？"),
                        MsgIcon::Question, MsgButtons::YesNo}) != MsgAnswer::Yes) {
        return;
    }
    std::error_code ec;
    fs::create_directories(FunctionFolder(), ec);
    const std::string target = FunctionFolder() + name;
    if (Exists(target)) {
        // The same text, or the same file reached another way: copying would empty it.
        if (fs::path(target).lexically_normal() == fs::path(path).lexically_normal() ||
            fs::equivalent(target, path, ec)) {
            ui_.MessageBox({UiTr("Functions", "エラー"),
                            UiTr("Functions", "このファイルをコピーできません｡") + kCr +
                                UiTr("Functions", "送り側と受け取り側のファイルが同じです｡"),
                            MsgIcon::Critical, MsgButtons::Ok});
            return;
        }
        if (ui_.MessageBox({UiFormat(UiTr("Functions", "上書きの確認%1"), {kProductName}),
                            UiFormat(UiTr("Functions", "ファイル %1 はすでに存在します｡"), {name}) +
                                kCr + UiTr("Functions", "上書きしますか？"),
                            MsgIcon::Question, MsgButtons::YesNo}) != MsgAnswer::Yes) {
            return;
        }
    }
    fs::copy_file(path, target, fs::copy_options::overwrite_existing, ec);
    if (ec) {
        ui_.MessageBox(
            {FailureTitle(),
             name + kCr + UiTr("Functions", "をコピーできませんでした｡") + kCr + ec.message(),
             MsgIcon::Exclamation, MsgButtons::Ok});
    }
}

FunctionPage FunctionLauncher::FillFunctionPage() {
    std::error_code ec;
    fs::create_directories(FavouritesFolder(), ec);
    for (const std::string& name : ListFilesByName(FavouritesFolder())) {
        if (!Exists(FunctionFolder() + name)) {
            fs::copy_file(FavouritesFolder() + name, FunctionFolder() + name, ec);
        }
    }
    FunctionPage page;
    const auto names = BuiltinFunctionNames();
    for (int i = 0; i < kBuiltinFunctionCount; ++i) {
        page.entries.push_back(
            {UiFormat(UiTr("Functions", "[内蔵] %1"),
                      {UiTr("Functions", names[static_cast<std::size_t>(i)].c_str())}),
             i,
             {},
             settings_.builtInFunctionFlags[static_cast<std::size_t>(i)]});
    }
    for (const std::string& file : ListFilesByName(FunctionFolder())) {
        page.entries.push_back({DecodeFileText(RemoveExtension(file)), std::nullopt, file,
                                Exists(FavouritesFolder() + file)});
    }
    for (std::size_t i = 0; i < page.entries.size(); ++i) {
        const FunctionPageEntry& e = page.entries[i];
        if (settings_.functionId == -1 ? (!e.builtin && e.fileName == settings_.functionName)
                                       : (e.builtin && *e.builtin == settings_.functionId)) {
            page.comboSelection = static_cast<int>(i);
            break;
        }
    }
    return page;
}

void FunctionLauncher::ChooseComboEntry(const FunctionPage& page, int entry) {
    if (entry < 0 || entry >= static_cast<int>(page.entries.size())) {
        return;
    }
    const FunctionPageEntry& e = page.entries[static_cast<std::size_t>(entry)];
    if (e.builtin) {
        settings_.functionId = static_cast<std::int16_t>(*e.builtin);
    } else {
        settings_.functionId = -1;
        settings_.functionName = e.fileName;
    }
}

void FunctionLauncher::ApplyFunctionPage(const FunctionPage& page) {
    for (const FunctionPageEntry& e : page.entries) {
        std::error_code ec; // a single entry's failure leaves the others to be applied
        if (e.builtin) {
            settings_.builtInFunctionFlags[static_cast<std::size_t>(*e.builtin)] = e.checked;
        } else if (e.checked && !Exists(FavouritesFolder() + e.fileName)) {
            fs::copy_file(FunctionFolder() + e.fileName, FavouritesFolder() + e.fileName, ec);
        } else if (!e.checked && Exists(FavouritesFolder() + e.fileName)) {
            fs::remove(FavouritesFolder() + e.fileName, ec);
        }
    }
    ChooseComboEntry(page, page.comboSelection);
}

} // namespace trumbel
