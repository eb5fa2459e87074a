#include "EchoFetch.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

namespace pelmin {

EchoFetch::EchoFetch(QObject* parent)
    : QObject(parent), manager_(new QNetworkAccessManager(this)) {}

EchoFetch::~EchoFetch() {
    Cancel();
}

void EchoFetch::Cancel() {
    done_ = nullptr;
    if (reply_) {
        reply_->disconnect(this);
        reply_->abort();
        reply_->deleteLater();
    }
}

void EchoFetch::Start(const std::string& url, int timeoutMs,
                      std::function<void(FetchOutcome)> done) {
    Cancel();
    done_ = std::move(done);
    const int attempt = ++attempt_;
    const QUrl target(QString::fromStdString(url), QUrl::StrictMode);
    if (!target.isValid() || target.scheme().isEmpty() || target.host().isEmpty()) {
        FetchOutcome outcome;
        outcome.stage = FetchStage::Configure;
        outcome.errorNumber = static_cast<int>(QNetworkReply::ProtocolUnknownError);
        outcome.description = "URL が不正です: " + url;
        // Through the event loop like every other outcome, so the caller has returned from
        // Start (and is listening) before it arrives; a later Start or Cancel drops it.
        QMetaObject::invokeMethod(
            this,
            [this, attempt, outcome = std::move(outcome)]() mutable {
                if (attempt == attempt_)
                    Deliver(std::move(outcome));
            },
            Qt::QueuedConnection);
        return;
    }
    QNetworkRequest request(target);
    request.setTransferTimeout(timeoutMs);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    reply_ = manager_->get(request);
    QNetworkReply* reply = reply_;
    connect(reply, &QNetworkReply::finished, this, [this, reply] { Finish(reply); });
}

void EchoFetch::Finish(QNetworkReply* reply) {
    reply->deleteLater();
    FetchOutcome outcome;
    if (reply->error() == QNetworkReply::NoError) {
        outcome.ok = true;
        outcome.page = reply->readAll().toStdString();
    } else {
        outcome.stage = FetchStage::LoadUrl;
        // A transfer time-out ends as a cancelled reply; name it for what it was.
        const bool timedOut = reply->error() == QNetworkReply::OperationCanceledError;
        outcome.errorNumber =
            static_cast<int>(timedOut ? QNetworkReply::TimeoutError : reply->error());
        outcome.description = timedOut ? std::string("応答がないまま時間切れになりました")
                                       : reply->errorString().toStdString();
    }
    Deliver(std::move(outcome));
}

void EchoFetch::Deliver(FetchOutcome outcome) {
    auto done = std::move(done_);
    done_ = nullptr;
    if (done)
        done(std::move(outcome));
}

} // namespace pelmin
