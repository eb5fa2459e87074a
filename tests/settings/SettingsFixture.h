#pragma once

#include "base/Ui.h"
#include "settings/SettingsEnvironment.h"
#include "settings/SettingsStore.h"
#include "tests/support/TestFolder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>

namespace trumbel::testing {

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

// A private program folder per test (tests of one binary may run in parallel), a recording
// message box and an environment with two network devices.
class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = test::FreshTestFolder();
        std::filesystem::create_directories(folder / "Option");
        appFolder = folder.string() + "/";
        env = std::make_unique<FunctionalSettingsEnvironment>(ui, appFolder, "tester");
        env->deviceCount = [this] { return devices; };
        env->deviceName = [](int i) { return i == 0 ? std::string("lo\0junk", 7) : "eth0"; };
        env->subclassAllowed = [this] { return subclassAllowed; };
        env->activateSkin = [this](SkinActivation how) {
            activations.push_back(how);
            return styles;
        };
        store = std::make_unique<SettingsStore>(settings, *env);
    }

    std::string Path(const std::string& name) const { return appFolder + name; }
    std::string StandardPath() const { return Path("setting_tester.ini"); }

    // Loads text written as a file (UTF-8) from path, answering boxes with answers.
    void LoadText(const std::string& text, std::vector<MsgAnswer> answers = {},
                  LoadMode mode = LoadMode::Startup) {
        WriteBytes(StandardPath(), text);
        ui.answers = std::move(answers);
        ui.shown.clear();
        store->LoadSettings(StandardPath(), mode);
    }

    std::filesystem::path folder;
    std::string appFolder;
    RecordingUi ui;
    int devices = 2;
    bool subclassAllowed = true;
    StandardStyles styles = kBuiltInStandardStyles;
    std::vector<SkinActivation> activations;
    Settings settings;
    std::unique_ptr<FunctionalSettingsEnvironment> env;
    std::unique_ptr<SettingsStore> store;
};

} // namespace trumbel::testing
