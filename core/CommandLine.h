#pragma once

#include "base/Ui.h"

#include <optional>
#include <string>
#include <vector>

namespace trumbel {

enum class RunMode { Window, Snapshot, PrintValues, Help };

// What the command line asks for. The three historic options are read by ReadCommandLine;
// the run modes are this port's own additions.
struct CommandLine {
    RunMode mode = RunMode::Window;
    std::string snapshotPath;
    std::optional<int> ticks;
    // --print-values of another machine: a host of the settings by name, or an address; a
    // Prometheus server's address with the instance it scrapes.
    std::string host;
    std::string instance;
    std::vector<std::string> words; // everything else, in order, for ReadCommandLine
};

// Picks out "--snapshot FILE", "--print-values", "--ticks N", "--host NAME|ADDRESS",
// "--instance INSTANCE" and "--help"; errors are reported in `error`.
CommandLine ParseCommandLine(const std::vector<std::string>& args, std::string& error);

// What --help prints.
extern const char* const kCommandLineHelp;

struct CommandLineFlags {
    bool subclassAllowed = true;
    bool noBalloon = false;
};

// Splits the words at single blanks and acts on "/nosubclass", "/checksubclass" and
// "/noballoon" (case-sensitive, whole words, in the order given); other words are ignored.
CommandLineFlags ReadCommandLine(const std::vector<std::string>& words, Ui& ui);

} // namespace trumbel
