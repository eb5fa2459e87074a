#include "remote/qt/HostFetcher.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <algorithm>

namespace trumbel {

Q_LOGGING_CATEGORY(lcRemote, "trumbel.remote", QtInfoMsg)

namespace {

// A PromQL string literal holding `text`.
QString PromQlString(const std::string& text) {
    QString quoted = QStringLiteral("\"");
    for (const QChar c : QString::fromStdString(text)) {
        if (c == u'\\' || c == u'"')
            quoted += u'\\';
        quoted += c;
    }
    return quoted + u'"';
}

QString Seconds(int ms) {
    return QString::number(ms / 1000.0, 'g', 3);
}

QString Text(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

QUrl ScrapeUrl(const RemoteHostSetting& host) {
    QUrl url(QString::fromStdString(host.address).trimmed(), QUrl::TolerantMode);
    url.setUserInfo(QString());
    if (host.instance.empty())
        return url;
    QString path = url.path();
    while (path.endsWith(u'/'))
        path.chop(1);
    url.setPath(path + QStringLiteral("/federate"));
    // Every character of the selector encoded, brackets of the key included: some proxies in
    // front of a server refuse a bare "[" or "{".
    const QByteArray match =
        "match%5B%5D=" +
        QUrl::toPercentEncoding(QStringLiteral("{instance=%1}").arg(PromQlString(host.instance)));
    url.setQuery(QString::fromLatin1(match), QUrl::StrictMode);
    return url;
}

std::string ShownAddress(const RemoteHostSetting& host) {
    QUrl url(QString::fromStdString(host.address).trimmed(), QUrl::TolerantMode);
    if (!url.isValid())
        return host.address;
    std::string shown = url.toString(QUrl::RemovePassword).toStdString();
    if (!host.instance.empty())
        shown += " (" + host.instance + ")";
    return shown;
}

int RetryDelayMs(int intervalMs, int failures) {
    if (failures <= 0)
        return intervalMs;
    const std::int64_t delay = static_cast<std::int64_t>(intervalMs) << std::min(failures, 16);
    return static_cast<int>(std::min<std::int64_t>(delay, std::max(kMaxRetryDelayMs, intervalMs)));
}

HostFetcher::HostFetcher(RemoteHostSetting host, FetchTiming timing, RemoteHostValues& values,
                         QObject* parent)
    : QObject(parent), host_(std::move(host)), url_(ScrapeUrl(host_)), shown_(ShownAddress(host_)),
      intervalMs_(std::max(timing.intervalMs, static_cast<int>(kRemoteIntervalMinMs))),
      timeLimitMs_(timing.timeLimitMs > 0 ? timing.timeLimitMs : intervalMs_ * 3 / 4),
      values_(values), manager_(new QNetworkAccessManager(this)) {
    // Credentials written into the address count when the host names none of its own.
    const QUrl given(QString::fromStdString(host_.address).trimmed(), QUrl::TolerantMode);
    if (host_.user.empty() && host_.bearerToken.empty() && !given.userName().isEmpty()) {
        host_.user = given.userName().toStdString();
        host_.password = given.password().toStdString();
    }
    next_.setSingleShot(true);
    limit_.setSingleShot(true);
    limit_.setTimerType(Qt::PreciseTimer);
    connect(&next_, &QTimer::timeout, this, &HostFetcher::Request);
    connect(&limit_, &QTimer::timeout, this, [this] {
        if (reply_) {
            stopped_ = Stopped::TimeLimit;
            reply_->abort(); // finishes the reply
        }
    });
}

HostFetcher::~HostFetcher() {
    Stop();
}

void HostFetcher::Start() {
    Stop();
    next_.start(0); // from the event loop, so no outcome arrives inside Start
}

void HostFetcher::Stop() {
    next_.stop();
    limit_.stop();
    if (reply_) {
        reply_->disconnect(this);
        reply_->abort();
        reply_->deleteLater();
    }
    body_.clear();
}

void HostFetcher::Request() {
    if (!url_.isValid() || url_.host().isEmpty() ||
        (url_.scheme() != u"http" && url_.scheme() != u"https")) {
        Conclude({false, QCoreApplication::translate("Remote", "アドレスが正しくありません: %1")
                             .arg(Text(shown_))
                             .toStdString()});
        return;
    }
    QNetworkRequest request(url_);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    // A redirect keeps the request's headers: the credentials may follow it only where they
    // were meant to go.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::SameOriginRedirectPolicy);
    // The text format is the one the values read; an exporter asked for nothing in particular
    // answers with it too, but newer ones may prefer another when the client names none.
    request.setRawHeader("Accept", "text/plain;version=0.0.4;q=1,*/*;q=0.1");
    // The credentials go along with the first request rather than after a refusal: a server
    // behind a proxy often answers 403, not the 401 a second attempt would need.
    if (!host_.bearerToken.empty()) {
        request.setRawHeader("Authorization",
                             "Bearer " + QByteArray::fromStdString(host_.bearerToken));
    } else if (!host_.user.empty()) {
        const QByteArray pair = QByteArray::fromStdString(host_.user + ':' + host_.password);
        request.setRawHeader("Authorization", "Basic " + pair.toBase64());
    }
    stopped_ = Stopped::No;
    body_.clear();
    started_ = std::chrono::steady_clock::now();
    QNetworkReply* reply = manager_->get(request);
    reply_ = reply;
    // Read as it arrives, so nothing beyond the cap is ever held and a fast sender is slowed
    // down to what is read.
    reply->setReadBufferSize(64 * 1024);
    connect(reply, &QNetworkReply::metaDataChanged, this, [this, reply] {
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid() && length.toLongLong() > kMaxScrapeBytes) {
            stopped_ = Stopped::TooLarge;
            reply->abort();
        }
    });
    connect(reply, &QNetworkReply::readyRead, this, [this, reply] { TakeArrived(reply); });
    connect(reply, &QNetworkReply::finished, this, [this, reply] { Finish(reply); });
    limit_.start(timeLimitMs_);
}

void HostFetcher::TakeArrived(QNetworkReply* reply) {
    if (stopped_ != Stopped::No)
        return;
    body_ += reply->read(kMaxScrapeBytes + 1 - body_.size());
    if (body_.size() > kMaxScrapeBytes) {
        stopped_ = Stopped::TooLarge;
        body_.clear();
        reply->abort();
    }
}

void HostFetcher::Finish(QNetworkReply* reply) {
    limit_.stop();
    reply->deleteLater();
    if (reply == reply_)
        reply_ = nullptr;
    if (stopped_ == Stopped::No && reply->error() == QNetworkReply::NoError)
        TakeArrived(reply);
    const std::int64_t nowMs = std::chrono::duration_cast<std::chrono::milliseconds>(
                                   std::chrono::steady_clock::now().time_since_epoch())
                                   .count();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    ScrapeOutcome outcome;
    if (stopped_ == Stopped::TimeLimit) {
        outcome.reason = QCoreApplication::translate(
                             "Remote", "応答がありません: %1: %2 秒以内に返事がありませんでした")
                             .arg(Text(shown_), Seconds(timeLimitMs_))
                             .toStdString();
    } else if (stopped_ == Stopped::TooLarge) {
        outcome.reason =
            QCoreApplication::translate(
                "Remote", "応答が大きすぎます: %1: %2 MiB を超えたので読むのを止めました")
                .arg(Text(shown_), QString::number(kMaxScrapeBytes >> 20))
                .toStdString();
    } else if (status >= 300) {
        // Qt's text for a refusal repeats the whole address; the status says it shorter.
        const QString phrase =
            reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
        outcome.reason = QCoreApplication::translate("Remote", "読み込めません: %1: %2")
                             .arg(Text(shown_),
                                  QStringLiteral("HTTP %1").arg(status) +
                                      (phrase.isEmpty() ? QString() : QStringLiteral(" ") + phrase))
                             .toStdString();
    } else if (reply->error() != QNetworkReply::NoError) {
        outcome.reason = QCoreApplication::translate("Remote", "接続できません: %1: %2")
                             .arg(Text(shown_), reply->errorString())
                             .toStdString();
    } else {
        outcome = values_.Accept(std::string_view(body_.constData(), body_.size()), nowMs);
        if (!outcome.ok)
            outcome.reason =
                QCoreApplication::translate("Remote", "ノードの測定値ではありません: %1: %2")
                    .arg(Text(shown_), Text(outcome.reason))
                    .toStdString();
    }
    body_.clear();
    Conclude(std::move(outcome));
}

void HostFetcher::Conclude(ScrapeOutcome outcome) {
    if (outcome.ok) {
        failures_ = 0;
        const auto spent = std::chrono::duration_cast<std::chrono::milliseconds>(
                               std::chrono::steady_clock::now() - started_)
                               .count();
        // The interval counts from the start of an attempt, so the host is read at an even pace.
        next_.start(std::max<int>(0, intervalMs_ - static_cast<int>(spent)));
    } else {
        values_.Fail(outcome.reason);
        ++failures_;
        next_.start(RetryDelayMs(intervalMs_, failures_));
    }
    LogChange(outcome.reason);
    if (onOutcome)
        onOutcome(outcome);
}

void HostFetcher::LogChange(const std::string& reason) {
    if (everLogged_ && reason == logged_)
        return;
    const std::string& name = host_.name.empty() ? shown_ : host_.name;
    if (reason.empty()) {
        // The first success says nothing; coming back after a failure does.
        if (everLogged_)
            qCInfo(lcRemote, "remote host %s answers again", name.c_str());
    } else {
        qCInfo(lcRemote, "remote host %s cannot be read, retrying with back-off: %s", name.c_str(),
               reason.c_str());
    }
    everLogged_ = everLogged_ || !reason.empty();
    logged_ = reason;
}

} // namespace trumbel
