#pragma once

#include "menus/FormMenu.h"
#include "skin/FindFiles.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace trumbel::test {

// The program as the menus see it: a folder on disk, fixed built-ins, the real skin search.
struct FakeSources final : MenuSources {
    std::string appFolder;
    std::string dataFolder;
    std::string currentSkin;
    int slotCount = 4;
    int busyCalls = 0;
    const Settings* settings = nullptr;

    std::string AppFolder() const override { return appFolder; }
    std::string DataFolder() const override { return dataFolder; }
    std::vector<std::string> BuiltInFunctionNames() const override {
        return {"Googleへアクセス", "エクスプローラ起動", "メモ帳起動", "電卓起動",
                "コマンドプロンプトを開く"};
    }
    int FindSkinFiles(std::vector<std::string>& paths) override {
        return FindFiles(settings->skinFolder, "*.skn", paths);
    }
    std::string CurrentSkinPath() const override { return currentSkin; }
    int SkinSlotCount() const override { return slotCount; }
    void SetBusyCursor(bool busy) override { busyCalls += busy ? 1 : -1; }
};

inline void Touch(const std::filesystem::path& path) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path) << "x";
}

// The captions of a submenu's items in order, hidden ones marked "(hidden)".
inline std::vector<std::string> Captions(const MenuItem& menu) {
    std::vector<std::string> out;
    for (const MenuItem& item : menu.items) {
        out.push_back(item.visible ? item.caption : item.caption + " (hidden)");
    }
    return out;
}

// The captions of the run-time entries of a list (index > 0), sorted: the file system's order
// is its own.
inline std::vector<std::string> EntryCaptions(const MenuItem& menu, const std::string& list) {
    std::vector<std::string> out;
    for (const MenuItem& item : menu.items) {
        if (item.name == list && item.index > 0) {
            out.push_back(item.caption);
        }
    }
    std::sort(out.begin(), out.end());
    return out;
}

} // namespace trumbel::test
