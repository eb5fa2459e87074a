#include "core/qt/RemoteReaders.h"

#include "base/UiText.h"
#include "measure/SystemInfo.h"
#include "settings/RemoteHostList.h"

#include <QLoggingCategory>

namespace trumbel {

namespace {
// Each pass's figures of every host read, for checking rates across an exporter's restart.
Q_LOGGING_CATEGORY(lcRemoteValues, "trumbel.remote.values", QtWarningMsg)
} // namespace

RemoteReaders::RemoteReaders(const Settings& settings, TraySourceMaker makeTraySource)
    : settings_(settings), makeTraySource_(std::move(makeTraySource)) {}

RemoteReaders::~RemoteReaders() = default;

void RemoteReaders::Apply() {
    const auto& wanted = settings_.remoteHosts;
    hosts_.resize(wanted.size());
    for (std::size_t i = 0; i < wanted.size(); ++i) {
        Host& h = hosts_[i];
        if (!h.values || h.setting != wanted[i] || h.intervalMs != settings_.remoteIntervalMs) {
            h.fetcher.reset();
            h.view.reset();
            h.setting = wanted[i];
            h.intervalMs = settings_.remoteIntervalMs;
            h.values = std::make_unique<RemoteHostValues>(settings_);
            h.view = std::make_unique<RemoteHostView>(*h.values);
            h.menu = std::make_unique<RemoteMenuDevices>(*h.values);
            h.tray = makeTraySource_
                         ? makeTraySource_(*h.values, RemoteHostCaption(settings_, int(i) + 1))
                         : TraySourceHooks{};
        }
        const bool shown = RemoteHostShown(settings_, static_cast<int>(i) + 1);
        if (shown && !h.fetcher) {
            h.fetcher =
                std::make_unique<HostFetcher>(h.setting, FetchTiming{h.intervalMs, 0}, *h.values);
            h.fetcher->Start();
        } else if (!shown && h.fetcher) {
            h.fetcher.reset();
            // Values nobody reads go stale; when the host is shown again it starts afresh.
            h.values->Fail(UiTr("Core", "読んでいません"));
        }
    }
}

void RemoteReaders::RefreshParam(int sampleCounter) {
    for (std::size_t i = 0; i < hosts_.size(); ++i) {
        Host& h = hosts_[i];
        if (!h.fetcher) {
            continue;
        }
        h.values->RefreshParam(sampleCounter);
        const auto used = [&](int paramId) {
            return static_cast<double>(h.values->GetValue(paramId, 0, ShowParam::Used));
        };
        qCDebug(lcRemoteValues, "host %zu %s cpu %.1f rx0 %.0f read0 %.0f", i + 1,
                h.values->Connected() ? "connected" : "down", used(kParamCpu),
                used(kParamNetReceive), used(kParamDiskRead));
    }
}

RemoteHostValues* RemoteReaders::Values(int host) {
    if (host < 1 || host > static_cast<int>(hosts_.size())) {
        return nullptr;
    }
    return hosts_[static_cast<std::size_t>(host - 1)].values.get();
}

MeasureView& RemoteReaders::View(int host, MeasureView& local) {
    // Drawn before the first pass: a remote slot never shows this machine's values meanwhile.
    if (hosts_.size() != settings_.remoteHosts.size()) {
        Apply();
    }
    if (host < 1 || host > static_cast<int>(hosts_.size())) {
        return local;
    }
    RemoteHostView* view = hosts_[static_cast<std::size_t>(host - 1)].view.get();
    return view ? static_cast<MeasureView&>(*view) : local;
}

MenuDevices* RemoteReaders::Devices(int host) {
    if (hosts_.size() != settings_.remoteHosts.size()) {
        Apply();
    }
    if (host < 1 || host > static_cast<int>(hosts_.size())) {
        return nullptr;
    }
    return hosts_[static_cast<std::size_t>(host - 1)].menu.get();
}

const TraySource& RemoteReaders::Tray(int host, const TraySource& local) {
    if (hosts_.size() != settings_.remoteHosts.size()) {
        Apply();
    }
    if (host < 1 || host > static_cast<int>(hosts_.size()) ||
        !hosts_[static_cast<std::size_t>(host - 1)].values) {
        return local;
    }
    return hosts_[static_cast<std::size_t>(host - 1)].tray;
}

void RemoteReaders::Test(const RemoteHostSetting& host,
                         std::function<void(const std::string&)> done) {
    // The test's own values and reader live until its one answer has been handed on.
    auto values = std::make_shared<RemoteHostValues>(settings_);
    auto* fetcher =
        new HostFetcher(host, FetchTiming{settings_.remoteIntervalMs, 0}, *values, &testParent_);
    fetcher->onOutcome = [fetcher, values, done = std::move(done)](const ScrapeOutcome& o) {
        fetcher->Stop();
        done(DescribeTestAnswer(*values, o));
        fetcher->deleteLater();
    };
    fetcher->Start();
}

std::string DescribeTestAnswer(const RemoteHostValues& values, const ScrapeOutcome& outcome) {
    if (!outcome.ok) {
        return UiFormat(UiTr("Core", "失敗: %1"), {outcome.reason});
    }
    const auto names = [&](int paramId) {
        std::string list;
        for (int d = 0; d < values.DeviceCount(paramId); ++d) {
            list += (list.empty() ? "" : ", ") + values.DeviceName(paramId, d);
        }
        return list.empty() ? UiTr("Core", "なし") : list;
    };
    return UiFormat(
        UiTr("Core", "成功: CPU %1 個\nインターフェース: %2\nマウント: %3"),
        {std::to_string(values.CpuCount()), names(kParamNetReceive), names(kParamDisk)});
}

} // namespace trumbel
