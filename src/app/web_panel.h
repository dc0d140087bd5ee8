// A light web panel of our own: fetches a page without blocking and shows it as rich text (no scripts, no
// plug-ins, no browser engine). Links open in the desktop's browser.
#pragma once

#include <QByteArray>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>

#include <functional>

class QNetworkAccessManager;
class QNetworkReply;

namespace mingshu::app {

// Limits of every fetch: a page larger than this, or one whose server stays silent this long, is a failure.
inline constexpr qint64 kMaxPageBytes = 1024 * 1024;
inline constexpr int kDefaultFetchTimeoutMs = 5000;

// Fetches an http(s) address asynchronously. `done` is called once, on the caller's thread, with whether the
// answer was a complete 2xx body within the limits, and that body. Returns the reply (owned by `manager`'s
// thread, deleted after `done`), so a caller can abort it.
QNetworkReply *FetchPage(QNetworkAccessManager &manager, const QUrl &url, int timeout_ms,
                         std::function<void(bool ok, const QByteArray &body)> done);

// An address as the news list writes it: with a scheme, or a bare host and path that means http.
QUrl PageUrl(const QString &address);

class WebPanel : public QTextBrowser {
    Q_OBJECT
public:
    WebPanel(QNetworkAccessManager &manager, QWidget *parent = nullptr);
    // Starts showing the page at `address`; an earlier fetch still running is dropped.
    void navigate(const QString &address);
    // The address of the last navigate, and of the page now shown (empty until a page arrived).
    QString requestedAddress() const { return requested_; }
    QString shownAddress() const { return shown_; }
    void setTimeoutMs(int ms) { timeout_ms_ = ms; }
    // Keeps the page clear of the part of the panel that lies outside its host's visible area.
    void setContentInset(int left, int top) { setViewportMargins(left, top, 0, 0); }

    // Pages are shown as text only: no picture, style sheet or other resource is loaded, from the net or the disk.
    QVariant loadResource(int type, const QUrl &name) override;

signals:
    void pageShown(const QString &address);

private:
    QNetworkAccessManager &manager_;
    QPointer<QNetworkReply> reply_;
    QString requested_;
    QString shown_;
    QUrl shown_url_;
    int timeout_ms_ = kDefaultFetchTimeoutMs;
};

} // namespace mingshu::app
