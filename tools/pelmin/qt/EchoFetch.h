#pragma once

#include "tools/pelmin/Addresses.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <functional>
#include <string>

class QNetworkAccessManager;
class QNetworkReply;

namespace pelmin {

// An echo page is a few hundred bytes; a reply beyond this is something else, and the fetch
// stops reading it and fails instead of listing whatever dotted numbers it holds.
inline constexpr qint64 kMaxReplyBytes = 1 << 20;

struct FetchOutcome {
    bool ok = false;
    std::string page; // the whole reply
    FetchStage stage = FetchStage::LoadUrl;
    int errorNumber = 0;
    std::string description;
};

// One asynchronous GET of the echo page with a deadline. The window stays responsive; the
// callback runs once on the GUI thread from the event loop (never inside Start), unless the
// fetch is cancelled, destroyed or restarted first.
class EchoFetch final : public QObject {
public:
    explicit EchoFetch(QObject* parent = nullptr);
    ~EchoFetch() override;

    void Start(const std::string& url, int timeoutMs, std::function<void(FetchOutcome)> done);
    void Cancel();

private:
    // Appends what has arrived to the page; false once the page is over the cap.
    bool Take(QNetworkReply* reply);
    void StopTooLarge(QNetworkReply* reply);
    void Finish(QNetworkReply* reply);
    void Deliver(FetchOutcome outcome);

    QNetworkAccessManager* manager_;
    QPointer<QNetworkReply> reply_;
    std::function<void(FetchOutcome)> done_;
    int attempt_ = 0;
    QByteArray page_;
    bool tooLarge_ = false;
    static constexpr qint64 kReadChunkBytes = 64 * 1024;
};

} // namespace pelmin
