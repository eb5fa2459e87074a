#include "tools/pelmin/qt/EchoFetch.h"

#include <QCoreApplication>
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
    page_.clear();
    tooLarge_ = false;
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
        outcome.description = QCoreApplication::translate("Pelmin", "URL が不正です: %1")
                                  .arg(QString::fromStdString(url))
                                  .toStdString();
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
    // Read as it comes, so nothing beyond the cap is ever held, and the transfer slows down
    // to what is read.
    reply->setReadBufferSize(kReadChunkBytes);
    connect(reply, &QNetworkReply::metaDataChanged, this, [this, reply] {
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid() && length.toLongLong() > kMaxReplyBytes)
            StopTooLarge(reply);
    });
    connect(reply, &QNetworkReply::readyRead, this, [this, reply] {
        if (!Take(reply))
            StopTooLarge(reply);
    });
    connect(reply, &QNetworkReply::finished, this, [this, reply] { Finish(reply); });
}

bool EchoFetch::Take(QNetworkReply* reply) {
    page_ += reply->read(kMaxReplyBytes + 1 - page_.size());
    return page_.size() <= kMaxReplyBytes;
}

void EchoFetch::StopTooLarge(QNetworkReply* reply) {
    tooLarge_ = true;
    reply->abort(); // finishes the reply
}

void EchoFetch::Finish(QNetworkReply* reply) {
    reply->deleteLater();
    FetchOutcome outcome;
    if (!tooLarge_ && reply->error() == QNetworkReply::NoError && !Take(reply))
        tooLarge_ = true;
    if (tooLarge_) {
        outcome.stage = FetchStage::LoadUrl;
        outcome.errorNumber = static_cast<int>(QNetworkReply::UnknownContentError);
        outcome.description =
            QCoreApplication::translate("Pelmin", "応答が 1 MiB を超えたので読み込みを止めました")
                .toStdString();
    } else if (reply->error() == QNetworkReply::NoError) {
        outcome.ok = true;
        outcome.page = page_.toStdString();
    } else {
        outcome.stage = FetchStage::LoadUrl;
        // A transfer time-out ends as a cancelled reply; name it for what it was.
        const bool timedOut = reply->error() == QNetworkReply::OperationCanceledError;
        outcome.errorNumber =
            static_cast<int>(timedOut ? QNetworkReply::TimeoutError : reply->error());
        outcome.description =
            (timedOut ? QCoreApplication::translate("Pelmin", "応答がないまま時間切れになりました")
                      : reply->errorString())
                .toStdString();
    }
    page_.clear();
    tooLarge_ = false;
    Deliver(std::move(outcome));
}

void EchoFetch::Deliver(FetchOutcome outcome) {
    auto done = std::move(done_);
    done_ = nullptr;
    if (done)
        done(std::move(outcome));
}

} // namespace pelmin
