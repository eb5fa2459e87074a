#pragma once

#include "../Addresses.h"

#include <QObject>
#include <QPointer>
#include <functional>
#include <string>

class QNetworkAccessManager;
class QNetworkReply;

namespace pelmin {

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
    void Finish(QNetworkReply* reply);
    void Deliver(FetchOutcome outcome);

    QNetworkAccessManager* manager_;
    QPointer<QNetworkReply> reply_;
    std::function<void(FetchOutcome)> done_;
    int attempt_ = 0;
};

} // namespace pelmin
