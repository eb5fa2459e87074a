#pragma once

#include "base/AtomicFile.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace trumbel {

// The files the settings store reads and writes: the disk, crash-safe, for the program and its
// tests; memory for a fuzzer, whose inputs would otherwise spend their time opening, syncing and
// renaming files.
class SettingsFiles {
public:
    virtual ~SettingsFiles() = default;
    virtual bool Exists(const std::string& path) const = 0;
    virtual bool Readable(const std::string& path) const = 0;
    // The bytes as stored; nullopt when the file cannot be read.
    virtual std::optional<std::string> Read(const std::string& path) const = 0;
    // Replaces the file whole (see WriteFileAtomically).
    virtual WriteResult Write(const std::string& path, std::string_view content,
                              const std::string& backupPath, const WriteHook& hook,
                              FileAccess access = FileAccess::AsBefore) = 0;
    virtual void Remove(const std::string& path) = 0;
};

// The real files. Holds no state.
SettingsFiles& DiskSettingsFiles();

// Files that live in a map. A write replaces the content and drops the backup path's file, as a
// completed crash-safe write leaves it; write hooks are not called.
class MemorySettingsFiles final : public SettingsFiles {
public:
    bool Exists(const std::string& path) const override { return files.count(path) != 0; }
    bool Readable(const std::string& path) const override { return Exists(path); }
    std::optional<std::string> Read(const std::string& path) const override;
    WriteResult Write(const std::string& path, std::string_view content,
                      const std::string& backupPath, const WriteHook& hook,
                      FileAccess access = FileAccess::AsBefore) override;
    void Remove(const std::string& path) override { files.erase(path); }

    std::map<std::string, std::string, std::less<>> files;
};

} // namespace trumbel
