#pragma once

#include "core/adapters/MenuAdapters.h"
#include "core/adapters/RemoteHostView.h"
#include "remote/RemoteHost.h"
#include "remote/qt/HostFetcher.h"
#include "settings/Settings.h"
#include "tray/TraySource.h"

#include <QObject>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace trumbel {

// The machines the strip reads besides this one: one set of values per host of the settings,
// and a reader in the background for each host a slot or tray icon shows. Hosts no one shows
// are not read at all.
class RemoteReaders final {
public:
    // makeTraySource builds the tray's reads of a host's values (named for its tooltip).
    using TraySourceMaker = std::function<TraySourceHooks(RemoteHostValues&, std::string name)>;
    RemoteReaders(const Settings& settings, TraySourceMaker makeTraySource);
    ~RemoteReaders();
    RemoteReaders(const RemoteReaders&) = delete;
    RemoteReaders& operator=(const RemoteReaders&) = delete;

    // Matches the readers to the record: a host whose address, credentials or the interval
    // changed starts again with empty values; a host shown now starts reading, one no longer
    // shown stops. Cheap when nothing changed, so every refresh pass can call it.
    void Apply();
    // One refresh pass: the histories of every host read step with this machine's.
    void RefreshParam(int sampleCounter);

    // Host n's values; null for this machine and for a host the list does not hold.
    RemoteHostValues* Values(int host);
    // What drawing reads for host n; `local` for host 0 and for a host the list does not hold.
    MeasureView& View(int host, MeasureView& local);
    // Host n's devices for the menus and the options; null for host 0 or an unknown host.
    MenuDevices* Devices(int host);
    // What the tray reads for host n; `local` as View's.
    const TraySource& Tray(int host, const TraySource& local);

    // Reads the host once, apart from the hosts being shown; `done` gets the answer on the
    // event loop.
    void Test(const RemoteHostSetting& host, std::function<void(const std::string&)> done);

private:
    struct Host {
        RemoteHostSetting setting;
        std::int32_t intervalMs = 0;
        std::unique_ptr<RemoteHostValues> values;
        std::unique_ptr<RemoteHostView> view;
        TraySourceHooks tray;
        std::unique_ptr<RemoteMenuDevices> menu;
        std::unique_ptr<HostFetcher> fetcher; // while shown
    };
    const Settings& settings_;
    TraySourceMaker makeTraySource_;
    std::vector<Host> hosts_;
    QObject testParent_; // tests still running end with the program
};

// What a connection test shows: the host's processors, interfaces and mounts, or why it failed.
std::string DescribeTestAnswer(const RemoteHostValues& values, const ScrapeOutcome& outcome);

} // namespace trumbel
