#include "settings/SettingsFiles.h"

#include "settings/IniFile.h"

#include <cstdio>

namespace trumbel {

namespace {

class DiskFiles final : public SettingsFiles {
public:
    bool Exists(const std::string& path) const override { return FileExists(path); }
    bool Readable(const std::string& path) const override { return FileReadable(path); }
    std::optional<std::string> Read(const std::string& path) const override {
        return ReadRawFile(path);
    }
    WriteResult Write(const std::string& path, std::string_view content,
                      const std::string& backupPath, const WriteHook& hook,
                      FileAccess access) override {
        return WriteFileAtomically(path, content, backupPath, hook, access);
    }
    void Remove(const std::string& path) override { std::remove(path.c_str()); }
};

} // namespace

SettingsFiles& DiskSettingsFiles() {
    static DiskFiles disk; // stateless: every call reaches the same file system
    return disk;
}

std::optional<std::string> MemorySettingsFiles::Read(const std::string& path) const {
    const auto it = files.find(path);
    if (it == files.end()) {
        return std::nullopt;
    }
    return it->second;
}

WriteResult MemorySettingsFiles::Write(const std::string& path, std::string_view content,
                                       const std::string& backupPath, const WriteHook&,
                                       FileAccess) {
    files[path] = std::string(content);
    if (!backupPath.empty()) {
        files.erase(backupPath);
    }
    return {};
}

} // namespace trumbel
