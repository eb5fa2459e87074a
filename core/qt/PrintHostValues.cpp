#include "core/qt/PrintHostValues.h"

#include "base/UiText.h"
#include "platform/AppFolder.h"
#include "remote/qt/HostFetcher.h"
#include "resources/qt/ProgramLook.h"
#include "settings/SettingsStore.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QTimer>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <utility>

namespace trumbel {

namespace {

// The whole run: a host that answers the first request within the request's limit still gets
// its second one read.
constexpr int kRequestLimitMs = 5000;
constexpr int kRunLimitMs = 2 * kRequestLimitMs;
constexpr int kRepliesNeeded = 2;

// The settings' hosts, read without writing or asking anything: the notices a start shows
// (slots naming devices this machine lacks) say nothing about the hosts.
std::optional<Settings> ReadSettings(std::string& error) {
    RecordingUi ui;
    FunctionalSettingsEnvironment env(ui, ResolveAppFolder(), CurrentUserName());
    const std::string path = SettingsFilePath(env.AppFolder(), env.UserName());
    if (!std::filesystem::exists(path)) {
        error = "there is no settings file (" + path + ")";
        return std::nullopt;
    }
    Settings settings;
    SettingsStore store(settings, env, FileWrites::Forbidden);
    store.LoadSettings(path, LoadMode::Startup);
    return settings;
}

std::optional<RemoteHostSetting> ChooseHost(const CommandLine& cl, Settings& settings,
                                            std::string& error) {
    if (cl.host.find("://") != std::string::npos) {
        RemoteHostSetting given;
        given.name = given.address = cl.host;
        given.instance = cl.instance;
        return given;
    }
    const std::optional<Settings> stored = ReadSettings(error);
    if (!stored)
        return std::nullopt;
    settings = *stored;
    for (RemoteHostSetting host : settings.remoteHosts) {
        if (host.name == cl.host) {
            if (!cl.instance.empty())
                host.instance = cl.instance;
            return host;
        }
    }
    error = "the settings name no host \"" + cl.host +
            "\" (an address starts with http:// or https://)";
    return std::nullopt;
}

} // namespace

int RunPrintHostValues(const CommandLine& cl) {
    Settings settings;
    std::string error;
    const std::optional<RemoteHostSetting> host = ChooseHost(cl, settings, error);
    if (!host) {
        std::fprintf(stderr, "trumbel: %s\n", error.c_str());
        return 2;
    }
    int argc = 1;
    char name[] = "trumbel";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    // The failures printed are the fetcher's reasons: English ones under English. Japanese
    // runs keep Qt's own texts as they always printed them.
    if (ProgramLanguage() == UiLanguage::English) {
        InstallProgramLanguage(app);
    }
    // The failure is printed once below; the fetcher's log line would repeat it.
    QLoggingCategory::setFilterRules(QStringLiteral("trumbel.remote.info=false"));

    RemoteHostValues values(settings);
    HostFetcher fetcher(*host, {.intervalMs = 1000, .timeLimitMs = kRequestLimitMs}, values);
    int replies = 0;
    int status = 0;
    const auto fail = [&](const std::string& reason) {
        std::fprintf(stderr, "trumbel: %s\n", reason.c_str());
        status = 1;
        fetcher.Stop();
        QCoreApplication::exit(1);
    };
    fetcher.onOutcome = [&](const ScrapeOutcome& outcome) {
        if (!outcome.ok) {
            fail(outcome.reason);
            return;
        }
        values.RefreshParam(replies);
        if (++replies == kRepliesNeeded) {
            fetcher.Stop();
            std::fputs(FormatValues(std::as_const(values)).c_str(), stdout);
            QCoreApplication::exit(0);
        }
    };
    QTimer::singleShot(kRunLimitMs, &app, [&] {
        fail(UiFormat(UiTr("Remote", "応答がありません: %1: %2 秒以内に読み終わりませんでした"),
                      {ShownAddress(*host), std::to_string(kRunLimitMs / 1000)}));
    });
    fetcher.Start();
    const int rc = QCoreApplication::exec();
    return status != 0 ? status : rc;
}

} // namespace trumbel
