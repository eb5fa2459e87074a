#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace trumbel {

// The actions of a crash-safe replacement, in order. A test hook is called just before each
// one and can stop the process there, or make that action fail as a full disk or an I/O error
// would.
enum class WriteStep {
    WriteTemp,     // the temporary file exists, still empty
    WriteTempRest, // half of the content is written
    SyncTemp,
    MoveToBackup,
    RenameIntoPlace,
    RemoveBackup,
    Done,
};

// Returns false to make the step fail.
using WriteHook = std::function<bool(WriteStep)>;

struct WriteResult {
    bool ok = true;
    std::string error; // what failed, for the message the caller shows
};

// Who may read the file written. A file holding secrets is never readable by others, not even
// for the moment between creating and narrowing it.
enum class FileAccess {
    AsBefore,  // the permissions the file had; a new file gets the usual ones
    OwnerOnly, // 0600 whatever the file had
};

// Writes content to a temporary file beside path, syncs it, then (when backupPath is given and
// path exists) moves path to backupPath, renames the temporary file to path, syncs the folder
// and removes the backup. At any instant path, or else backupPath, holds a whole file; a failure
// before the rename leaves path untouched, and a failed rename moves the backup back. A write
// that succeeds also removes the temporary files earlier, interrupted writes of path left.
WriteResult WriteFileAtomically(const std::string& path, std::string_view content,
                                const std::string& backupPath = {}, const WriteHook& hook = {},
                                FileAccess access = FileAccess::AsBefore);

bool FileExists(const std::string& path);
// Whether this process may open the file for reading.
bool FileReadable(const std::string& path);

} // namespace trumbel
