#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/Ui.h"

namespace trumbel {

enum class RunMode { Window, Snapshot, PrintValues };

// What the command line asks for. The three historic options are read by ReadCommandLine;
// the run modes are this port's own additions.
struct CommandLine {
    RunMode mode = RunMode::Window;
    std::string snapshotPath;
    std::optional<int> ticks;
    std::vector<std::string> words; // everything else, in order, for ReadCommandLine
};

// Picks out "--snapshot FILE", "--print-values" and "--ticks N"; errors are reported in `error`.
CommandLine ParseCommandLine(const std::vector<std::string>& args, std::string& error);

struct CommandLineFlags {
    bool subclassAllowed = true;
    bool noBalloon = false;
};

// Splits the words at single blanks and acts on "/nosubclass", "/checksubclass" and
// "/noballoon" (case-sensitive, whole words, in the order given); other words are ignored.
CommandLineFlags ReadCommandLine(const std::vector<std::string>& words, Ui& ui);

} // namespace trumbel
