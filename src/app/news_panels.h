// The main window's two web panels and their news rotation: fetched once at start, never waiting for it.
#pragma once

#include "app/news.h"

#include <QObject>

#include <string>
#include <vector>

class QNetworkAccessManager;
class TFrmmain;

namespace mingshu::app {

class WebPanel;

class NewsPanels : public QObject {
    Q_OBJECT
public:
    // Puts a web panel into the window's EmbeddedWB1 (main) and EmbeddedWB2 (banner) and, when `server` is set,
    // asks it for the news list and the flag page. Both panels stay hidden until both answers are in.
    NewsPanels(TFrmmain &window, const std::string &server, int timeout_ms);

    bool answered() const { return answered_; }
    const std::vector<std::string> &lines() const { return lines_; }
    const news::RotationState &state() const { return state_; }
    WebPanel *mainPanel() const { return main_; }
    WebPanel *bannerPanel() const { return banner_; }

    // One tick of a panel's timer (Timer2 for the main panel, Timer1 for the banner).
    void tick(news::Panel panel);

signals:
    // Both answers are in (or failed) and the panels are shown or hidden accordingly.
    void answeredAll();

private:
    void finish();

    TFrmmain &window_;
    QNetworkAccessManager *network_;
    WebPanel *main_ = nullptr;
    WebPanel *banner_ = nullptr;
    std::vector<std::string> lines_;
    news::RotationState state_;
    bool answered_ = false;
    int pending_ = 0;
    bool news_ok_ = false, flags_ok_ = false;
    news::Flags flags_;
};

// The news server the next main window asks; the build setting unless replaced (tests use a local server).
std::string NewsServer();
void SetNewsServer(const std::string &server);
int NewsTimeoutMs();
void SetNewsTimeoutMs(int ms);

} // namespace mingshu::app
