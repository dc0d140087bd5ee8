// NewsPanels: places the web panels, fetches the two pages asynchronously and drives the two timers.
#include "app/news_panels.h"

#include "app/Unt_Main.h"
#include "app/web_panel.h"
#include "periphery/vendor_config.h"

#include <QNetworkAccessManager>
#include <QPlainTextEdit>
#include <QTimer>
#include <QVBoxLayout>

#include <optional>

namespace mingshu::app {
namespace {
std::optional<std::string> server_override;
int timeout_ms = kDefaultFetchTimeoutMs;

WebPanel *FillWith(QWidget *host, QNetworkAccessManager &network) {
    auto *layout = new QVBoxLayout(host);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *panel = new WebPanel(network, host);
    layout->addWidget(panel);
    return panel;
}
} // namespace

std::string NewsServer() {
    return server_override ? *server_override : std::string(vendor::kNewsServer);
}
void SetNewsServer(const std::string &server) {
    server_override = server;
}
int NewsTimeoutMs() {
    return timeout_ms;
}
void SetNewsTimeoutMs(int ms) {
    timeout_ms = ms;
}

NewsPanels::NewsPanels(TFrmmain &window, const std::string &server, int fetch_timeout_ms)
    : QObject(&window), window_(window), network_(new QNetworkAccessManager(this)) {
    setObjectName(QStringLiteral("NewsPanels"));
    main_ = FillWith(window.EmbeddedWB1, *network_);
    banner_ = FillWith(window.EmbeddedWB2, *network_);
    main_->setTimeoutMs(fetch_timeout_ms);
    banner_->setTimeoutMs(fetch_timeout_ms);
    // The banner panel is a little larger than its strip so that its frame lies outside the window's picture.
    window.EmbeddedWB2->setGeometry(-12, -16, 803, 107);
    banner_->setContentInset(12, 16);
    window.EmbeddedWB1->hide();
    window.EmbeddedWB2->hide();
    window.Timer1->stop();
    window.Timer2->stop();
    connect(window.Timer1, &QTimer::timeout, this, [this] { tick(news::Panel::Banner); });
    connect(window.Timer2, &QTimer::timeout, this, [this] { tick(news::Panel::Main); });

    if (server.empty()) {
        // No news server is configured: no request is made and the panels stay hidden.
        QTimer::singleShot(0, this, [this] { finish(); });
        return;
    }
    QString base = QStringLiteral("http://") + QString::fromStdString(server);
    pending_ = 2;
    FetchPage(*network_, QUrl(base + QString::fromLatin1(news::kNewsListPath)), fetch_timeout_ms,
              [this](bool ok, const QByteArray &body) {
                  news_ok_ = ok;
                  if (ok) {
                      window_.Memo1->setPlainText(QString::fromUtf8(body));
                      lines_ = news::SplitNewsLines(body.toStdString());
                  }
                  if (--pending_ == 0)
                      finish();
              });
    FetchPage(*network_, QUrl(base + QString::fromLatin1(news::kFlagPagePath)), fetch_timeout_ms,
              [this](bool ok, const QByteArray &body) {
                  std::optional<news::Flags> flags = ok ? news::ParseFlagPage(body.toStdString()) : std::nullopt;
                  flags_ok_ = flags.has_value();
                  if (flags)
                      flags_ = *flags;
                  if (--pending_ == 0)
                      finish();
              });
}

void NewsPanels::finish() {
    // A failure of either page switches both panels off; a news list that did arrive is kept.
    news::Flags flags = news_ok_ && flags_ok_ ? flags_ : news::Flags{};
    state_ = news::StartRotation(lines_, flags);
    answered_ = true;
    bool main_shown = news::PanelShown(state_, news::Panel::Main);
    bool banner_shown = news::PanelShown(state_, news::Panel::Banner);
    if (main_shown) {
        window_.EmbeddedWB1->show();
        window_.EmbeddedWB1->raise();
        window_.Timer2->start(1000);
    } else {
        window_.EmbeddedWB1->hide();
        window_.EmbeddedWB1->move(window_.EmbeddedWB1->x(), -1000);
    }
    if (banner_shown) {
        window_.EmbeddedWB2->show();
        window_.EmbeddedWB2->raise();
        window_.Timer1->start(1000);
    } else {
        window_.EmbeddedWB2->hide();
        window_.EmbeddedWB2->move(window_.EmbeddedWB2->x(), -200);
    }
    emit answeredAll();
}

void NewsPanels::tick(news::Panel panel) {
    news::Tick t = news::NextPage(lines_, state_, panel);
    if (!t.navigate)
        return;
    bool main = panel == news::Panel::Main;
    (main ? main_ : banner_)->navigate(QString::fromStdString(t.address));
    QTimer *timer = main ? window_.Timer2 : window_.Timer1;
    // A display time of 0 keeps the page for the rest of the run (a zero interval would fire without pause).
    if (t.interval_ms == 0)
        timer->stop();
    else
        timer->setInterval(t.interval_ms);
}

} // namespace mingshu::app
