// The news panels against a local HTTP server started by the test: rotation, flags, no server, a silent server.
#include "app/Unt_Main.h"
#include "app/news_panels.h"
#include "app/web_panel.h"
#include "common/fake_platform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <gtest/gtest.h>

#include <map>

using mingshu::app::NewsPanels;
using mingshu::app::news::Panel;
using mingshu::testing::RecordingPlatform;

namespace {

// A small HTTP/1.0 server on 127.0.0.1: answers the paths it knows, 404 otherwise; or, when `silent`, accepts
// connections and never answers.
class LocalServer : public QObject {
public:
    explicit LocalServer(bool silent = false) : silent_(silent) {
        server_.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server_, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *s = server_.nextPendingConnection()) {
                QObject::connect(s, &QTcpSocket::readyRead, s, [this, s] { answer(s); });
            }
        });
    }
    std::string host() const { return "127.0.0.1:" + std::to_string(server_.serverPort()); }
    std::map<std::string, std::string> pages;
    std::vector<std::string> requested;

private:
    void answer(QTcpSocket *s) {
        QByteArray request = s->readAll();
        QByteArray path = request.split(' ').value(1);
        requested.push_back(path.toStdString());
        if (silent_)
            return;
        auto it = pages.find(path.toStdString());
        QByteArray body = it == pages.end() ? QByteArray("not here") : QByteArray::fromStdString(it->second);
        QByteArray status = it == pages.end() ? "404 Not Found" : "200 OK";
        s->write("HTTP/1.0 " + status + "\r\nContent-Type: text/html\r\nContent-Length: " +
                 QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
        s->disconnectFromHost();
    }
    QTcpServer server_;
    bool silent_;
};

class ShellNewsTest : public ::testing::Test {
protected:
    void SetUp() override { QApplication::setQuitOnLastWindowClosed(false); }
    void TearDown() override {
        mingshu::app::SetNewsServer("");
        mingshu::app::SetNewsTimeoutMs(mingshu::app::kDefaultFetchTimeoutMs);
    }
    // Creates and shows the main window against `host`; returns how long that took.
    qint64 open(const std::string &host, int timeout_ms = 3000) {
        mingshu::app::SetNewsServer(host);
        mingshu::app::SetNewsTimeoutMs(timeout_ms);
        QElapsedTimer clock;
        clock.start();
        window = std::make_unique<TFrmmain>();
        window->show();
        qint64 took = clock.elapsed();
        news = window->findChild<NewsPanels *>();
        return took;
    }
    bool waitAnswered(int ms) {
        if (news->answered())
            return true;
        QSignalSpy spy(news, &NewsPanels::answeredAll);
        return spy.wait(ms);
    }
    static bool shown(QWidget *panel) { return !panel->isHidden(); }

    RecordingPlatform platform;
    std::unique_ptr<TFrmmain> window;
    NewsPanels *news = nullptr;
};

TEST_F(ShellNewsTest, RotatesTheExamplePagesThroughBothPanels) {
    LocalServer server;
    std::string base = server.host();
    server.pages["/Chinese/CPC/loginfo.html"] = "1>10>" + base + "/A\r\n0>30>" + base + "/B\r\n1>10>" + base +
                                                "/C\r\n0>30>" + base + "/D\r\n0>30>" + base + "/E\r\n";
    server.pages["/Chinese/SysInfo/logFlagqtlv.htm"] = "11";
    for (const char *p : {"A", "B", "C", "D", "E"})
        server.pages[std::string("/") + p] = std::string("<p>page ") + p + "</p>";
    open(server.host());
    ASSERT_NE(news, nullptr);
    EXPECT_FALSE(shown(window->EmbeddedWB1)); // hidden until both answers are in
    EXPECT_FALSE(shown(window->EmbeddedWB2));
    ASSERT_TRUE(waitAnswered(5000));
    EXPECT_EQ(news->state().LastLine, 4);
    EXPECT_TRUE(shown(window->EmbeddedWB1));
    EXPECT_TRUE(shown(window->EmbeddedWB2));
    EXPECT_EQ(window->Memo1->toPlainText().count('\n'), 5);

    // The first tick of each timer comes after a second and shows the first page of the panel.
    QSignalSpy banner_page(news->bannerPanel(), &mingshu::app::WebPanel::pageShown);
    ASSERT_TRUE(banner_page.wait(4000));
    EXPECT_EQ(banner_page.at(0).at(0).toString().toStdString(), base + "/A");
    EXPECT_TRUE(news->bannerPanel()->toPlainText().contains(QStringLiteral("page A")));
    EXPECT_EQ(window->Timer1->interval(), 10000);

    // Further ticks, driven by hand rather than by waiting ten and thirty seconds.
    auto address = [&](Panel p) {
        news->tick(p);
        auto *panel = p == Panel::Main ? news->mainPanel() : news->bannerPanel();
        return panel->requestedAddress().toStdString();
    };
    EXPECT_EQ(address(Panel::Banner), base + "/C");
    EXPECT_EQ(address(Panel::Banner), base + "/C"); // no type-1 line from index 3 on: stays on C
    std::vector<std::string> main_pages;
    while (news->state().MainIndex != 0 || main_pages.empty())
        main_pages.push_back(address(Panel::Main));
    main_pages.push_back(address(Panel::Main));
    EXPECT_EQ(main_pages.back(), base + "/B");
    for (const auto &p : main_pages)
        EXPECT_NE(p, base + "/E");
    EXPECT_EQ(window->Timer2->interval(), 30000);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(platform.errors.empty());
}

TEST_F(ShellNewsTest, FlagsTenShowTheMainPanelOnly) {
    LocalServer server;
    server.pages["/Chinese/CPC/loginfo.html"] = "0>0>" + server.host() + "/B\n1>5>" + server.host() + "/A\n";
    server.pages["/Chinese/SysInfo/logFlagqtlv.htm"] = "10";
    server.pages["/B"] = "<p>B</p>";
    open(server.host());
    ASSERT_TRUE(waitAnswered(5000));
    EXPECT_TRUE(shown(window->EmbeddedWB1));
    EXPECT_FALSE(shown(window->EmbeddedWB2));
    EXPECT_LT(window->EmbeddedWB2->y(), 0);
    // A display time of 0 stops the timer: the page stays for the rest of the run.
    QSignalSpy page(news->mainPanel(), &mingshu::app::WebPanel::pageShown);
    ASSERT_TRUE(page.wait(4000));
    EXPECT_FALSE(window->Timer2->isActive());
    EXPECT_FALSE(window->Timer1->isActive());

    // Links of a page open in the browser, relative ones against the page; nothing on this machine is opened.
    for (const char *link : {"more.html", "https://other.test/x", "mailto:a@b.test", "file:///etc/passwd",
                             "/usr/bin/xterm", "javascript:alert(1)"})
        emit news->mainPanel()->anchorClicked(QUrl(QString::fromUtf8(link)));
    EXPECT_EQ(platform.opened,
              (std::vector<std::string>{"http://" + server.host() + "/more.html", "https://other.test/x",
                                        "mailto:a@b.test", "http://" + server.host() + "/usr/bin/xterm"}));
}

TEST_F(ShellNewsTest, AFailedOrMalformedFlagPageSwitchesBothPanelsOff) {
    for (const char *flags : std::initializer_list<const char *>{"", "1", "x1", nullptr}) {
        LocalServer server;
        server.pages["/Chinese/CPC/loginfo.html"] = "0>5>x\n1>5>y\n";
        if (flags)
            server.pages["/Chinese/SysInfo/logFlagqtlv.htm"] = flags;
        open(server.host());
        ASSERT_TRUE(waitAnswered(5000)) << (flags ? flags : "404");
        EXPECT_FALSE(shown(window->EmbeddedWB1)) << (flags ? flags : "404");
        EXPECT_FALSE(shown(window->EmbeddedWB2)) << (flags ? flags : "404");
        EXPECT_EQ(news->lines().size(), 2u); // the news list that did arrive is kept
        window.reset();
    }
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(ShellNewsTest, AnEmptyNewsListHidesBothPanelsWhateverTheFlags) {
    LocalServer server;
    server.pages["/Chinese/CPC/loginfo.html"] = "";
    server.pages["/Chinese/SysInfo/logFlagqtlv.htm"] = "11";
    open(server.host());
    ASSERT_TRUE(waitAnswered(5000));
    EXPECT_EQ(news->state().LastLine, -1);
    EXPECT_FALSE(shown(window->EmbeddedWB1));
    EXPECT_FALSE(shown(window->EmbeddedWB2));
}

TEST_F(ShellNewsTest, NoServerListeningHidesBothPanelsSilently) {
    quint16 port;
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        port = probe.serverPort();
    } // closed again: connections to it are refused
    qint64 took = open("127.0.0.1:" + std::to_string(port));
    EXPECT_LT(took, 2000);
    ASSERT_TRUE(waitAnswered(5000));
    EXPECT_FALSE(shown(window->EmbeddedWB1));
    EXPECT_FALSE(shown(window->EmbeddedWB2));
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(platform.errors.empty());
}

TEST_F(ShellNewsTest, ASilentServerDoesNotHoldTheWindowBack) {
    LocalServer server(/*silent=*/true);
    // The window is up and answering while both requests still wait for the server.
    qint64 took = open(server.host(), 4000);
    EXPECT_LT(took, 2000);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(news->answered());
    // The window takes input while the requests wait.
    window->NameA->setText(QStringLiteral("张"));
    EXPECT_EQ(window->NameA->text(), QStringLiteral("张"));
    ASSERT_TRUE(waitAnswered(15000)); // the fetch gives up after its time-out
    EXPECT_FALSE(shown(window->EmbeddedWB1));
    EXPECT_FALSE(shown(window->EmbeddedWB2));
    EXPECT_EQ(server.requested.size(), 2u);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(ShellNewsTest, WithoutAConfiguredServerNothingIsRequested) {
    LocalServer server;
    open("");
    ASSERT_TRUE(waitAnswered(2000));
    EXPECT_FALSE(shown(window->EmbeddedWB1));
    EXPECT_FALSE(shown(window->EmbeddedWB2));
    EXPECT_FALSE(window->Timer1->isActive());
    EXPECT_FALSE(window->Timer2->isActive());
}

TEST_F(ShellNewsTest, AnOversizedPageCountsAsAFailure) {
    LocalServer server;
    server.pages["/Chinese/CPC/loginfo.html"] = "0>5>x\n" + std::string(1024 * 1024 + 10, ' ');
    server.pages["/Chinese/SysInfo/logFlagqtlv.htm"] = "11";
    open(server.host());
    ASSERT_TRUE(waitAnswered(5000));
    EXPECT_TRUE(news->lines().empty());
    EXPECT_FALSE(shown(window->EmbeddedWB1));
    EXPECT_FALSE(shown(window->EmbeddedWB2));
}

} // namespace
