// Fuzz target for the INI reader: decoding (UTF-8 or CP932), parsing, lookups, rewriting and
// the settings conversions, then the whole settings file read, written and read again. Built
// into a seeded random-input test here; with clang it also links as a libFuzzer target
// (clang++ -fsanitize=fuzzer,address,undefined).
#include "base/TextEncoding.h"
#include "base/Ui.h"
#include "settings/IniFile.h"
#include "settings/SettingsEnvironment.h"
#include "settings/SettingsStore.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using namespace trumbel;

// The settings store over files in memory (a real file write per input would cap the run at a
// few hundred inputs a second), with two network devices and the built-in skins' styles.
struct SettingsRig {
    SettingsRig()
        : environment(ui, "/fuzz/", "fuzz"),
          store(settings, environment, FileWrites::Allowed, files) {
        environment.deviceCount = [] { return 2; };
        environment.deviceName = [](int i) { return i == 0 ? "lo" : "eth0"; };
    }

    Settings Load(const std::string& bytes) {
        const std::string path = store.SettingsFilePath();
        files.files.clear();
        files.files[path] = bytes;
        ui.shown.clear();
        store.LoadSettings(path, LoadMode::Startup);
        return settings;
    }

    RecordingUi ui;
    MemorySettingsFiles files;
    FunctionalSettingsEnvironment environment;
    Settings settings;
    SettingsStore store;
};

// Without the derived style codes: a style choice outside 0..2 is tidied by the first read.
Settings WithoutStyles(Settings s) {
    s.graphStyle = {};
    s.digitStyle = {};
    return s;
}

// A file of the current format reads back as the same record once the program wrote it (an
// older format is translated, and its missing keys are filled in, on the first read); and in
// any case what the program writes reads and writes again as the same record and file.
// The text is a function of the record (the environment here is fixed) and a read one of the
// text: equal records write equal files, and a file written back unchanged would read as the
// same record again, so those rounds are not run.
void CheckSettingsRoundTrip(const std::string& bytes) {
    static SettingsRig rig;
    Settings read = rig.Load(bytes);
    const std::string first = rig.store.SettingsText();
    const Settings once = rig.Load(first);
    const std::string second = rig.store.SettingsText();
    const Settings twice = first == second ? once : rig.Load(second);
    const bool currentFormat = read.loadedVersion >= kVersion130;
    read.loadedVersion = once.loadedVersion; // the program writes its own version
    if ((currentFormat && !(WithoutStyles(read) == WithoutStyles(once))) || !(once == twice)) {
        std::fprintf(stderr, "settings changed on a round trip:\n%s\n---\n%s\n", first.c_str(),
                     second.c_str());
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::string text = DecodeFileText(bytes);
    if (!IsValidUtf8(text)) {
        std::abort();
    }
    IniDocument doc = IniDocument::Parse(text);
    for (const char* section : {"基本設定", "Skin設定", "s", "", "["}) {
        for (const char* key : {"デスクトップ吸着", "コンテナ0の設定", "k", "", "="}) {
            if (const auto v = doc.Get(section, key)) {
                if (v->find('\0') != std::string::npos) {
                    std::abort();
                }
                ProfileIntValue(*v);
                ParseFloat(*v);
                ParseInt16(*v);
                PadList(SplitList(*v, ','), 13);
            }
        }
    }
    doc.Set("s", "k", text.substr(0, 64));
    const IniDocument again = IniDocument::Parse(doc.Serialize());
    if (again.Get("s", "k") != doc.Get("s", "k")) {
        std::abort();
    }
    CheckSettingsRoundTrip(bytes);
    return 0;
}
