#pragma once

#include "base/Ui.h"
#include "functions/DesktopApps.h"
#include "functions/FunctionList.h"
#include "settings/Settings.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

namespace trumbel {

inline constexpr int kBuiltinFunctionCount = 5;
// The settings file keeps one favourite flag per built-in.
using BuiltinFunctionFlags = std::array<bool, kBuiltinFunctionCount>;
static_assert(std::is_same_v<decltype(Settings::builtInFunctionFlags), BuiltinFunctionFlags>);

// The built-in functions in table order.
std::array<std::string, kBuiltinFunctionCount> BuiltinFunctionNames();

// How things are started on the desktop. Nothing goes through a shell.
class LaunchDesktop {
public:
    virtual ~LaunchDesktop() = default;
    // A file, folder or web address with the desktop's default application. `failed` hears why
    // it could not be opened: at once, or once the desktop's opener has given up.
    virtual void Open(const std::string& target,
                      std::function<void(const std::string& why)> failed) = 0;
    // A program with its arguments, detached, in `workingFolder` ("" for the current one); ""
    // when it started, else why not.
    virtual std::string Start(const std::vector<std::string>& command,
                              const std::string& workingFolder) = 0;
};

// What a list entry stands for.
struct FunctionTarget {
    std::optional<int> builtin;
    std::string file; // full path when not a built-in
};

// Entry `index` (1-based) of the function list: the built-ins come first, then file
// index - builtins of the kept names; nullopt for an index that names nothing. The position
// decides, never the caption: a file may be called "[内蔵] …" too.
std::optional<FunctionTarget>
FunctionListEntry(int index, const std::vector<std::string>& fileNames, const std::string& folder);
// Entry `index` of the favourites list: the index-th flagged built-in, else file
// index - flagged of the kept names.
std::optional<FunctionTarget> FavouritesEntry(int index, const std::vector<std::string>& fileNames,
                                              const std::string& folder,
                                              const BuiltinFunctionFlags& flags);

// One row of the function page of the options dialog: the combo box and the check list share
// the rows.
struct FunctionPageEntry {
    std::string caption;
    std::optional<int> builtin;
    std::string fileName; // with extension, for a file row
    bool checked = false;
};

struct FunctionPage {
    std::vector<FunctionPageEntry> entries;
    int comboSelection = -1;
};

// Starts the configured, built-in and listed functions, registers dropped files and fills and
// applies the function page. Reports what cannot be started; changes no setting on failure.
class FunctionLauncher {
public:
    FunctionLauncher(Settings& settings, Ui& ui, LaunchDesktop& desktop, std::string appFolder,
                     AppSearchPaths paths);

    void RunConfiguredFunction();
    void RunBuiltinFunction(int index);
    void Choose(FunctionList list, int index, const std::vector<std::string>& fileNames);
    void OpenFunctionFolder();

    // A file of the function folders: programs start in the program's folder, everything else
    // opens with its default application.
    void StartFile(const std::string& path);

    // The first file of a drop on the skin window, after the user agreed.
    void RegisterDroppedFile(const std::string& path);

    FunctionPage FillFunctionPage();
    void ChooseComboEntry(const FunctionPage& page, int entry);
    void ApplyFunctionPage(const FunctionPage& page);

    std::string FunctionFolder() const { return appFolder_ + "Function/"; }
    std::string FavouritesFolder() const { return appFolder_ + "Function/PickUp/"; }

private:
    void Run(const FunctionTarget& target);
    // With the desktop's default application; a failure, now or later, is reported in a box.
    void Open(const std::string& target);
    void StartCommand(const std::vector<std::string>& command, const std::string& folder,
                      const std::string& what);
    void ReportFailure(const std::string& what, const std::string& reason);
    std::optional<std::string> Terminal() const;

    Settings& settings_;
    Ui& ui_;
    LaunchDesktop& desktop_;
    std::string appFolder_;
    AppSearchPaths paths_;
};

} // namespace trumbel
