// Leaving the program by 退出系统, 退出 and the title bar: one question each time; no keeps everything as it was.
#include "app/Unt_Main.h"
#include "common/fake_platform.h"
#include "periphery/EndMsg.h"

#include <QAction>
#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

using mingshu::testing::RecordingPlatform;

namespace {

class ShellExitTest : public ::testing::Test {
protected:
    void SetUp() override {
        QApplication::setQuitOnLastWindowClosed(false);
        window = std::make_unique<TFrmmain>();
        window->show();
        window->report().setLines({"姓名：张三", "", "八字：己未 丁丑 丙寅 戊子"});
        window->RzMemo1->show();
    }
    void TearDown() override {
        window->confirmClose = nullptr;
        window.reset();
    }
    // Leaves by `way` and answers the question with 是 or 否; returns how many questions were asked.
    int leave(const std::function<void()> &way, bool yes) {
        int asked = 0;
        std::function<void()> answer = [&] {
            if (auto *q = qobject_cast<TFrmMsG *>(QApplication::activeModalWidget())) {
                ++asked;
                (yes ? q->Button1 : q->Button2)->click();
            }
        };
        QTimer::singleShot(0, answer);
        way();
        return asked;
    }

    RecordingPlatform platform;
    std::unique_ptr<TFrmmain> window;
};

TEST_F(ShellExitTest, NoKeepsTheWindowAndItsReportWhicheverWayTheUserLeaves) {
    std::pair<const char *, std::function<void()>> ways[] = {
        {"menu 退出系统", [&] { window->findMenuAction(QStringLiteral("退出系统"))->trigger(); }},
        {"button 退出", [&] { window->bottomButtons.at("退出")->click(); }},
        {"title bar", [&] { window->close(); }},
    };
    for (const auto &[what, way] : ways) {
        EXPECT_EQ(leave(way, false), 1) << what;
        EXPECT_TRUE(window->isVisible()) << what;
        EXPECT_EQ(window->report().lines(), (std::vector<std::string>{"姓名：张三", "", "八字：己未 丁丑 丙寅 戊子"}))
            << what;
    }
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(platform.opened.empty());
}

TEST_F(ShellExitTest, YesClosesTheMainWindowAfterOneQuestion) {
    std::pair<const char *, std::function<void()>> ways[] = {
        {"menu 退出系统", [&] { window->findMenuAction(QStringLiteral("退出系统"))->trigger(); }},
        {"button 退出", [&] { window->bottomButtons.at("退出")->click(); }},
        {"title bar", [&] { window->close(); }},
    };
    for (const auto &[what, way] : ways) {
        window->show();
        EXPECT_EQ(leave(way, true), 1) << what;
        EXPECT_FALSE(window->isVisible()) << what;
    }
    // The default build names no exit page: nothing opens in the browser.
    EXPECT_TRUE(platform.opened.empty());
}

TEST_F(ShellExitTest, YesEndsTheApplicationsLoop) {
    QApplication::setQuitOnLastWindowClosed(true);
    // A reader window left open does not keep the program alive.
    window->findMenuAction(QStringLiteral("什么是八字"))->trigger();
    int visible = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        visible += w->isVisible();
    ASSERT_EQ(visible, 2);
    int asked = 0;
    QTimer::singleShot(0, [&] {
        QTimer::singleShot(0, [&] {
            if (auto *q = qobject_cast<TFrmMsG *>(QApplication::activeModalWidget())) {
                ++asked;
                q->Button1->click();
            }
        });
        window->findMenuAction(QStringLiteral("退出系统"))->trigger();
    });
    QTimer safety; // ends the loop should the exit not do it
    safety.setSingleShot(true);
    QObject::connect(&safety, &QTimer::timeout, [] { QApplication::exit(7); });
    safety.start(5000);
    int rc = QApplication::exec();
    safety.stop();
    QApplication::setQuitOnLastWindowClosed(false);
    EXPECT_EQ(rc, 0);
    EXPECT_EQ(asked, 1);
}

} // namespace
