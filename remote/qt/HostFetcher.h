#pragma once

#include "remote/RemoteHost.h"
#include "settings/Settings.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QUrl>
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>

class QNetworkAccessManager;
class QNetworkReply;

namespace trumbel {

// A node exporter answers with 100–300 KB; a machine with hundreds of processors, disks or
// container interfaces reaches a few MB. A reply beyond 8 MiB is something else (or hostile),
// and reading stops there, so no host can make the strip hold more than this.
inline constexpr std::int64_t kMaxScrapeBytes = 8 << 20;
// Attempts after failures wait twice as long each time, up to this.
inline constexpr int kMaxRetryDelayMs = 60'000;

// Where a host is read: the exporter's address as given, or, with an instance, the Prometheus
// server's /federate for that instance. User and password written into the address are left
// out here; they go into the request's header like the other credentials.
QUrl ScrapeUrl(const RemoteHostSetting& host);
// The host's address as messages and logs show it: never with a password.
std::string ShownAddress(const RemoteHostSetting& host);
// The pause before the next attempt after `failures` failures in a row (0 after a success).
int RetryDelayMs(int intervalMs, int failures);

struct FetchTiming {
    int intervalMs = 2000; // raised to kRemoteIntervalMinMs
    int timeLimitMs = 0;   // 0: three quarters of the interval, so attempts never overlap
};

// Reads one host in the background: a GET every interval through QNetworkAccessManager,
// aborted at the time limit or as soon as the reply passes kMaxScrapeBytes. The body goes to
// the host's values with the monotonic time it arrived; a failure's reason to Fail, and it is
// logged once when the host's state changes, not for every attempt. After failures the attempts
// back off and return to the interval after a success. Nothing here waits for the network.
class HostFetcher final : public QObject {
public:
    HostFetcher(RemoteHostSetting host, FetchTiming timing, RemoteHostValues& values,
                QObject* parent = nullptr);
    ~HostFetcher() override;

    void Start(); // the first request goes out at once
    void Stop();

    // Every outcome, after the values had it (a connection test, the command line). It runs
    // inside the reply's signal: a caller done with the fetcher deletes it with deleteLater.
    std::function<void(const ScrapeOutcome&)> onOutcome;

    int TimeLimitMs() const { return timeLimitMs_; }

private:
    void Request();
    void TakeArrived(QNetworkReply* reply);
    void Finish(QNetworkReply* reply);
    void Conclude(ScrapeOutcome outcome);
    void LogChange(const std::string& reason);

    enum class Stopped { No, TimeLimit, TooLarge };

    RemoteHostSetting host_;
    QUrl url_;
    std::string shown_;
    int intervalMs_;
    int timeLimitMs_;
    RemoteHostValues& values_;
    QNetworkAccessManager* manager_;
    QPointer<QNetworkReply> reply_;
    QTimer next_;
    QTimer limit_;
    QByteArray body_;
    Stopped stopped_ = Stopped::No;
    std::chrono::steady_clock::time_point started_;
    int failures_ = 0;
    std::string logged_; // the state last logged: empty while the host answers
    bool everLogged_ = false;
};

} // namespace trumbel
