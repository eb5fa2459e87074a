#pragma once

#include <optional>
#include <string>
#include <vector>

namespace trumbel {

// Programs started without a shell, their words passed as the bytes they are: a file name
// from a Windows archive need not be valid UTF-8. A first word without "/" is looked up on
// PATH.

// Starts `command` in `folder` ("" for the current one) and lets it go: nobody waits for it
// and it outlives the program. "" when it started, else the system's reason.
std::string StartDetached(const std::vector<std::string>& command, const std::string& folder);

// Starts `command` as a child whose end the caller collects with ChildExit: its pid, or -1
// with the reason in `why`.
int StartChild(const std::vector<std::string>& command, std::string& why);
// The exit code of a child that has ended (128 + the signal that killed it), collected;
// nullopt while it runs.
std::optional<int> ChildExit(int pid);

} // namespace trumbel
