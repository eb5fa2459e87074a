#pragma once

namespace trumbel {

// Runs the program as the command line asks: the live window, a headless snapshot, or one
// printed measurement pass. Returns the process exit code.
int RunTrumbel(int argc, char** argv);

} // namespace trumbel
