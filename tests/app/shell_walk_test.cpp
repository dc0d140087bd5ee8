// Walks every menu entry, command-panel button and bar button of the real main window and checks what each does:
// the window it opens (with the key it hands over), the report it writes, the message it shows, or nothing.
#include "app/Unt_Main.h"
#include "common/fake_platform.h"
#include "numerology/UntQQ.h"
#include "numerology/UntWangm.h"
#include "numerology/Unt_sjcs.h"
#include "numerology/Untonteher.h"
#include "periphery/EndMsg.h"
#include "periphery/vendor_config.h"
#include "readings/Untgz.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>

using mingshu::app::MenuEntry;
using mingshu::app::Op;
using mingshu::testing::RecordingPlatform;

namespace {

// The window class of a widget; some window classes carry no meta-object of their own.
std::string WindowClass(QWidget *w) {
    if (dynamic_cast<TFrm_SJcs *>(w))
        return "TFrm_SJcs";
    if (dynamic_cast<TFrmQQhm *>(w))
        return "TFrmQQhm";
    if (dynamic_cast<TFrm_onther *>(w))
        return "TFrm_onther";
    if (dynamic_cast<TFrmWangming *>(w))
        return "TFrmWangming";
    if (dynamic_cast<TFrmgzfx *>(w))
        return "TFrmgzfx";
    std::string name = w->metaObject()->className();
    return name.substr(name.rfind(':') == std::string::npos ? 0 : name.rfind(':') + 1);
}

class ShellWalkTest : public ::testing::Test {
protected:
    void SetUp() override {
        QApplication::setQuitOnLastWindowClosed(false);
        window = std::make_unique<TFrmmain>();
        window->show();
        // A birth profile, so that the readings have something to write.
        window->NameA->setText(QStringLiteral("张"));
        window->NameB->setText(QStringLiteral("三"));
        window->RzBitBtn1->click();
        EXPECT_GT(window->report().lines().size(), 10u);
    }
    void TearDown() override {
        window->confirmClose = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w != window.get() && w->isVisible())
                w->close();
        window.reset();
    }

    // Runs one control and describes what it did, effects joined by "; ".
    std::string effect(const std::function<void()> &run) {
        const std::vector<std::string> marker = {"（报告标记）"};
        window->report().setLines(marker);
        // 新建测算 empties the name fields; every control starts from the same filled-in input bar.
        window->NameA->setText(QStringLiteral("张"));
        window->NameB->setText(QStringLiteral("三"));
        auto messages = platform.messages.size(), errors = platform.errors.size(), opened = platform.opened.size();
        std::set<QWidget *> visible_before;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->isVisible())
                visible_before.insert(w);

        std::vector<std::string> out;
        QTimer probe;
        QObject::connect(&probe, &QTimer::timeout, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal)
                return;
            out.push_back("modal " + WindowClass(modal));
            if (auto *question = qobject_cast<TFrmMsG *>(modal))
                question->Button2->click(); // stay in the program
            else if (auto *dialog = qobject_cast<QDialog *>(modal))
                dialog->reject();
            else
                modal->close();
        });
        probe.start(5);
        run();
        probe.stop();
        QApplication::processEvents();

        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (!w->isVisible() || visible_before.count(w) || qobject_cast<QMenu *>(w))
                continue;
            out.push_back("window " + WindowClass(w) + " " + w->windowTitle().toStdString());
            w->close();
        }
        if (window->report().lines() != marker)
            out.push_back("report");
        for (auto i = messages; i < platform.messages.size(); ++i)
            out.push_back("message " + platform.messages[i]);
        for (auto i = errors; i < platform.errors.size(); ++i)
            out.push_back("error");
        for (auto i = opened; i < platform.opened.size(); ++i)
            out.push_back("open " + platform.opened[i].substr(platform.opened[i].rfind('/') + 1));
        std::string joined;
        for (const auto &e : out)
            joined += (joined.empty() ? "" : "; ") + e;
        return joined.empty() ? "nothing" : joined;
    }

    RecordingPlatform platform;
    std::unique_ptr<TFrmmain> window;
};

// What an operation does, seen from outside; "*" stands for the caption or key of the control.
const std::map<Op, std::string> kEffectOfOp = {
    {Op::None, "nothing"},
    {Op::BirthInfo, "report"},
    {Op::CombinedReport, "report"},
    {Op::NewReport, "report"},
    {Op::OpenReport, "modal QFileDialog"},
    {Op::SaveReport, "modal QFileDialog"},
    {Op::PageSetup, "modal ReportPrintSetup"},
    {Op::ScrollTop, "nothing"},
    {Op::Exit, "modal TFrmMsG"},
    {Op::NamingBook, "nothing"},
    {Op::NameAnalysis, "report"},
    {Op::ThreeTalents, "report"},
    {Op::ZodiacReading, "report"},
    {Op::BloodReading, "report"},
    {Op::StarSignReading, "report"},
    {Op::StarTopic, "report"},
    {Op::OpenMobile, "modal TFrm_SJcs"},
    {Op::OpenQQ, "modal TFrmQQhm"},
    {Op::OpenOtherNumber, "modal TFrm_onther"},
    {Op::OpenNickname, "modal TFrmWangming"},
    {Op::OpenBoneWeight, "modal TFrmgzfx"},
    {Op::OpenNanNv, "modal TFrm_NanNv"},
    {Op::OpenCalendar, "modal TFRM_Date"},
    {Op::About, "modal TAbout"},
    {Op::Service, "modal TFrm_servers"},
    {Op::Article, "window TFrmNote *"},
    {Op::PictureArticle, "window TImageInfoLoad *"},
    {Op::Omen, "window TFormOnther *"},
    {Op::Animation, "window TFrmFlash *"},
    {Op::HelpTopics, "open SMhelp.html"},
    {Op::Upgrade, "message 感谢你的使用,软件是最新版无需升级!"},
};

std::string Expected(const MenuEntry &e, const std::string &article_title) {
    switch (e.op) {
    case Op::Article:
        return "window TFrmNote " + article_title;
    case Op::PictureArticle:
    case Op::Omen:
    case Op::Animation:
        return "window " +
               std::string(e.op == Op::PictureArticle ? "TImageInfoLoad"
                           : e.op == Op::Omen         ? "TFormOnther"
                                                      : "TFrmFlash") +
               " " + e.arg.text;
    case Op::HomePage:
        return *mingshu::vendor::kHomePage ? std::string("open ") + mingshu::vendor::kHomePage : "open home.html";
    case Op::OtherProducts:
        return *mingshu::vendor::kOtherProducts ? std::string("open ") + mingshu::vendor::kOtherProducts
                                                : "open products.html";
    case Op::MailUs:
        return *mingshu::vendor::kSupportMail ? std::string("open ") + mingshu::vendor::kSupportMail
                                              : "message 本版本未设置客服邮箱，请通过“客户服务”查看其他联系方式。";
    case Op::QQChat:
        return *mingshu::vendor::kChatLink ? std::string("open ") + mingshu::vendor::kChatLink
                                           : "message 本版本未设置在线客服账号，请通过“客户服务”查看其他联系方式。";
    case Op::PrintReport:
        return "print";
    default:
        return kEffectOfOp.at(e.op);
    }
}

// The article titles, as the reader windows show them.
const std::map<std::string, std::string> kArticleTitles = {
    {"a1", "姓名原理"}, {"a2", "什么是八字"}, {"a3", "所谓三才"}, {"a4", "称骨算命法"}, {"a5", "血型测命"},
};

void Collect(const std::vector<MenuEntry> &entries, std::vector<const MenuEntry *> &out) {
    for (const auto &e : entries) {
        if (e.submenu.empty())
            out.push_back(&e);
        Collect(e.submenu, out);
    }
}

TEST_F(ShellWalkTest, EveryMenuEntryDoesWhatItsTableSays) {
    std::vector<const MenuEntry *> entries;
    Collect(mingshu::app::MainMenu(), entries);
    std::vector<std::pair<std::string, QAction *>> actions;
    std::function<void(const QList<QAction *> &)> walk = [&](const QList<QAction *> &list) {
        for (QAction *a : list) {
            if (a->isSeparator())
                continue;
            if (a->menu())
                walk(a->menu()->actions());
            else
                actions.emplace_back(a->text().toStdString(), a);
        }
    };
    walk(window->menuBar()->actions());
    ASSERT_EQ(actions.size(), entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const MenuEntry &e = *entries[i];
        ASSERT_EQ(actions[i].first, e.caption);
        std::string got = effect([&] { actions[i].second->trigger(); });
        std::string title;
        if (e.op == Op::Article) {
            // The reader window's title is the article's title: check the ones whose title is its caption.
            auto it = kArticleTitles.find(e.arg.text);
            title = it != kArticleTitles.end()
                        ? it->second
                        : got.substr(std::min(got.size(), std::string("window TFrmNote ").size()));
            EXPECT_FALSE(title.empty()) << e.caption;
        }
        std::string expected = Expected(e, title);
        if (expected == "print")
            EXPECT_TRUE(got == "error" || got.rfind("modal", 0) == 0) << e.caption << ": " << got;
        else
            EXPECT_EQ(got, expected) << e.caption;
    }
}

TEST_F(ShellWalkTest, EveryPanelAndBarButtonDoesWhatItsMenuEntryDoes) {
    std::vector<std::pair<std::string, std::string>> effects; // caption, effect
    for (QToolButton *b : window->commandPanel->widget()->findChildren<QToolButton *>())
        effects.emplace_back(b->text().toStdString(), effect([&] { b->click(); }));
    std::vector<const MenuEntry *> buttons;
    for (const auto &g : mingshu::app::CommandPanel())
        for (const auto &b : g.buttons)
            buttons.push_back(&b);
    ASSERT_EQ(effects.size(), buttons.size());
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const MenuEntry &b = *buttons[i];
        EXPECT_EQ(effects[i].first, b.caption);
        if (b.op == Op::Article)
            EXPECT_EQ(effects[i].second, "window TFrmNote 姓名原理") << b.caption;
        else
            EXPECT_EQ(effects[i].second, Expected(b, "")) << b.caption;
    }

    struct Bar {
        const char *caption;
        std::function<void()> run;
        std::string expected;
    } bars[] = {
        {"确认测算", [&] { window->RzBitBtn1->click(); }, "report"},
        {"帮助中心", [&] { window->RzBitBtn2->click(); }, "open SMhelp.html"},
        {"关于系统", [&] { window->RzBitBtn3->click(); }, "modal TAbout"},
        {"保存", [&] { window->bottomButtons.at("保存")->click(); }, "modal QFileDialog"},
        {"QQ服务", [&] { window->bottomButtons.at("QQ服务")->click(); },
         Expected(MenuEntry{"", Op::QQChat, {}, false, {}}, "")},
        {"客户服务", [&] { window->bottomButtons.at("客户服务")->click(); }, "modal TFrm_servers"},
        {"退出", [&] { window->bottomButtons.at("退出")->click(); }, "modal TFrmMsG"},
    };
    for (const auto &bar : bars)
        EXPECT_EQ(effect(bar.run), bar.expected) << bar.caption;
    std::string print = effect([&] { window->bottomButtons.at("打印")->click(); });
    EXPECT_TRUE(print == "error" || print.rfind("modal", 0) == 0) << print;
    EXPECT_TRUE(window->isVisible());
}

} // namespace
