#include "settings/RemoteHostList.h"

#include <algorithm>

namespace trumbel {

bool HoldsCredentials(const Settings& settings) {
    return std::any_of(
        settings.remoteHosts.begin(), settings.remoteHosts.end(),
        [](const RemoteHostSetting& h) { return !h.bearerToken.empty() || !h.password.empty(); });
}

std::string OneLineValue(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte != 0x7F) {
            out += c;
        }
    }
    return out;
}

void RemoveRemoteHost(Settings& settings, int n) {
    if (n < 1 || n > static_cast<int>(settings.remoteHosts.size())) {
        return;
    }
    settings.remoteHosts.erase(settings.remoteHosts.begin() + (n - 1));
    const auto renumber = [n](std::int16_t& host) {
        if (host == n) {
            host = 0;
        } else if (host > n) {
            --host;
        }
    };
    for (auto& row : settings.host) {
        std::for_each(row.begin(), row.end(), renumber);
    }
    for (TrayIconSetting& icon : settings.trayIcons) {
        renumber(icon.host);
    }
}

std::string RemoteHostCaption(const Settings& settings, int host) {
    if (host < 1 || host > static_cast<int>(settings.remoteHosts.size())) {
        return {};
    }
    const RemoteHostSetting& h = settings.remoteHosts[static_cast<std::size_t>(host - 1)];
    return h.name.empty() ? h.address : h.name;
}

bool RemoteHostShown(const Settings& settings, int n) {
    const int containers = std::clamp<int>(settings.containerCount, 0, kContainerCount);
    for (int c = 0; c < containers; ++c) {
        if (std::find(settings.host[c].begin(), settings.host[c].end(), n) !=
            settings.host[c].end()) {
            return true;
        }
    }
    const int icons = std::clamp<int>(settings.trayIconCount, 0, kTrayIconMax);
    for (int i = 1; i <= icons; ++i) {
        if (settings.trayIcons[static_cast<std::size_t>(i)].host == n) {
            return true;
        }
    }
    return false;
}

} // namespace trumbel
