#pragma once

#include "settings/Settings.h"

#include <string>
#include <string_view>

namespace trumbel {

// Whether the record holds a secret (a token or a password), which makes its file the owner's
// alone.
bool HoldsCredentials(const Settings& settings);

// The text without line breaks and other control characters: one value of the settings file
// must not become two keys.
std::string OneLineValue(std::string_view text);

// Removes host n (1-based): the slots and tray icons that showed it show this machine, those of
// the hosts after it keep showing the same machine under its new number.
void RemoveRemoteHost(Settings& settings, int n);

// The caption a host goes by: its name, or its address when it has none; host 0 is this machine.
std::string RemoteHostCaption(const Settings& settings, int host);

// Whether some slot of the shown containers or some shown tray icon measures host n.
bool RemoteHostShown(const Settings& settings, int n);

} // namespace trumbel
