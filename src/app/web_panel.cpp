// WebPanel and the bounded, asynchronous page fetch it shares with the news list.
#include "app/web_panel.h"

#include "common/platform.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace mingshu::app {

QNetworkReply *FetchPage(QNetworkAccessManager &manager, const QUrl &url, int timeout_ms,
                         std::function<void(bool ok, const QByteArray &body)> done) {
    QNetworkRequest request(url);
    request.setRawHeader("Accept", "text/html, */*");
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Mingshu/1.0"));
    request.setTransferTimeout(timeout_ms);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    QNetworkReply *reply = manager.get(request);
    // Stop reading as soon as the body outgrows the limit instead of taking it all in.
    QObject::connect(reply, &QNetworkReply::downloadProgress, reply, [reply](qint64 received, qint64) {
        if (received > kMaxPageBytes)
            reply->abort();
    });
    QObject::connect(reply, &QNetworkReply::finished, reply, [reply, done = std::move(done)] {
        reply->deleteLater();
        int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (reply->error() != QNetworkReply::NoError || status < 200 || status > 299) {
            done(false, {});
            return;
        }
        QByteArray body = reply->read(kMaxPageBytes + 1);
        if (body.size() > kMaxPageBytes) {
            done(false, {});
            return;
        }
        done(true, body);
    });
    return reply;
}

QUrl PageUrl(const QString &address) {
    QString a = address.trimmed();
    if (a.isEmpty())
        return {};
    if (!a.contains(QStringLiteral("://")))
        a.prepend(QStringLiteral("http://"));
    return QUrl(a, QUrl::TolerantMode);
}

WebPanel::WebPanel(QNetworkAccessManager &manager, QWidget *parent) : QTextBrowser(parent), manager_(manager) {
    setObjectName(QStringLiteral("WebPanel"));
    setOpenLinks(false);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // A link opens in the desktop's browser, relative ones against the page they stand on; only web and mail
    // links are followed, never a file or program on this machine.
    connect(this, &QTextBrowser::anchorClicked, this, [this](const QUrl &link) {
        QUrl target = shown_url_.resolved(link);
        QString scheme = target.scheme();
        if (scheme == QLatin1String("http") || scheme == QLatin1String("https") || scheme == QLatin1String("mailto"))
            mingshu::CurrentPlatform().openUrl(target.toString().toStdString());
    });
}

QVariant WebPanel::loadResource(int, const QUrl &) {
    return {};
}

void WebPanel::navigate(const QString &address) {
    requested_ = address;
    if (reply_)
        reply_->abort();
    QUrl url = PageUrl(address);
    if (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https"))
        return; // only web pages; a local file or another scheme named by the news list is not opened
    QPointer<WebPanel> self(this);
    reply_ = FetchPage(manager_, url, timeout_ms_, [self, address, url](bool ok, const QByteArray &body) {
        if (!self || !ok || self->requested_ != address)
            return;
        self->setHtml(QString::fromUtf8(body));
        self->shown_ = address;
        self->shown_url_ = url;
        emit self->pageShown(address);
    });
}

} // namespace mingshu::app
