// The real main window's menus and command panel against the outline users see, and the shell's own commands:
// help, pages, mail and chat, upgrade, about and service windows, scrolling to the top, and inert entries.
#include "app/Unt_Main.h"
#include "app/main_menus.h"
#include "common/fake_platform.h"
#include "periphery/Uabout.h"
#include "periphery/Unt_servers.h"
#include "periphery/vendor_config.h"
#include "shell_menu_outline.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <sstream>

using mingshu::app::MenuEntry;
using mingshu::app::Op;
using mingshu::testing::RecordingPlatform;

namespace {

std::vector<std::string> OutlineLines(const char *outline) {
    std::vector<std::string> out;
    std::istringstream in(outline);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '~')
            line.back() = ' ';
        out.push_back(line);
    }
    return out;
}

void Walk(const QList<QAction *> &actions, int depth, std::vector<std::string> &out) {
    for (QAction *a : actions) {
        std::string indent(static_cast<std::size_t>(depth) * 2, ' ');
        if (a->isSeparator()) {
            out.push_back(indent + "---");
            continue;
        }
        out.push_back(indent + a->text().toStdString());
        if (a->menu())
            Walk(a->menu()->actions(), depth + 1, out);
    }
}

// Every leaf action of the menu bar with the path of captions that leads to it.
void Leaves(const QList<QAction *> &actions, const std::string &path,
            std::vector<std::pair<std::string, QAction *>> &out) {
    for (QAction *a : actions) {
        if (a->isSeparator())
            continue;
        std::string p = path + "/" + a->text().toStdString();
        if (a->menu())
            Leaves(a->menu()->actions(), p, out);
        else
            out.emplace_back(p, a);
    }
}

const MenuEntry *FindEntry(const std::vector<MenuEntry> &entries, const std::string &caption) {
    for (const auto &e : entries) {
        if (e.caption == caption && e.submenu.empty())
            return &e;
        if (const MenuEntry *found = FindEntry(e.submenu, caption))
            return found;
    }
    return nullptr;
}

// Runs `trigger`; the modal window it opens is handed to `on_modal`, which must close it.
void WithModal(const std::function<void()> &trigger, const std::function<void(QWidget *)> &on_modal) {
    bool seen = false;
    QTimer::singleShot(0, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        seen = modal != nullptr;
        if (modal)
            on_modal(modal);
    });
    trigger();
    EXPECT_TRUE(seen) << "no modal window opened";
}

class ShellMenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        QApplication::setQuitOnLastWindowClosed(false);
        window = std::make_unique<TFrmmain>();
        window->show();
    }
    void TearDown() override {
        window->confirmClose = nullptr;
        window.reset();
    }
    QAction *action(const char *caption) {
        QAction *a = window->findMenuAction(QString::fromUtf8(caption));
        EXPECT_NE(a, nullptr) << caption;
        return a;
    }
    std::string bin(const std::string &relative) { return platform.program_directory + relative; }

    RecordingPlatform platform;
    std::unique_ptr<TFrmmain> window;
};

TEST_F(ShellMenuTest, MenuBarShowsEveryEntrySeparatorAndSubmenuInOrder) {
    std::vector<std::string> actual;
    Walk(window->menuBar()->actions(), 0, actual);
    EXPECT_EQ(actual, OutlineLines(kMainMenuOutline));
}

TEST_F(ShellMenuTest, CommandPanelHasSixGroupsOfButtonsInRows) {
    std::vector<std::string> expected = OutlineLines(kCommandPanelOutline);
    const auto &groups = mingshu::app::CommandPanel();
    ASSERT_EQ(groups.size(), expected.size());
    std::vector<std::string> all_expected;
    for (std::size_t g = 0; g < groups.size(); ++g) {
        std::string row;
        for (const auto &b : groups[g].buttons) {
            row += (row.empty() ? "" : " ") + b.caption;
            all_expected.push_back(b.caption);
        }
        EXPECT_EQ(row, expected[g]) << "group " << g + 1;
    }
    // The window shows them in that order, 73 x 22, two to a row.
    auto buttons = window->commandPanel->widget()->findChildren<QToolButton *>();
    std::vector<std::string> shown;
    for (QToolButton *b : buttons) {
        shown.push_back(b->text().toStdString());
        EXPECT_EQ(b->size(), QSize(73, 22)) << b->text().toStdString();
    }
    EXPECT_EQ(shown, all_expected);
}

TEST_F(ShellMenuTest, EntriesRunTheirOperationWithTheirKey) {
    struct Case {
        const char *caption;
        Op op;
        const char *text;
        int number;
    } cases[] = {
        {"姓名原理", Op::Article, "a1", 0},
        {"风水常识", Op::Article, "c1", 0},
        {"选房风水", Op::Article, "c2", 0},
        {"七項陽宅应注意事項", Op::Article, "c9", 0},
        {"什么是八字", Op::Article, "a2", 0},
        {"择日生子（紧参考）", Op::Article, "a8", 0},
        {"命自我立", Op::Article, "b1", 0},
        {"百忍歌", Op::Article, "b13", 0},
        {"旺夫家居风水设计 [图]", Op::PictureArticle, "旺夫家居风水设计 [图]", 1},
        {"风水秘籍钓 \"金龟婿\" [图]", Op::PictureArticle, "风水秘籍钓 \"金龟婿\" [图]", 5},
        {"随意改房对风水影响 ", Op::PictureArticle, "随意改房对风水影响 ", 9},
        {"居家好风水的15件宝贝", Op::PictureArticle, "居家好风水的15件宝贝", 16},
        {"打喷嚏占卜", Op::Omen, "打喷嚏占卜吉凶", 0},
        {"耳鸣测占卜", Op::Omen, "耳鸣测吉凶", 6},
        {"拜佛求签", Op::Animation, "拜佛求签", 2},
        {"情商解析", Op::StarTopic, "情商解析", 0},
        {"星座实力", Op::StarTopic, "星座实力", 1},
        {"星座名人", Op::StarTopic, "星座名人", 2},
        {"身体保健", Op::StarTopic, "身体保健", 3},
        {"五大建议", Op::StarTopic, "五大建议", 4},
        {"星座缺陷", Op::StarTopic, "星座缺陷", 5},
        {"另存测算", Op::SaveReport, "", 0},
        {"退出系统", Op::Exit, "", 0},
        {"本年运程", Op::ScrollTop, "", 0},
        {"骨重算命...", Op::OpenBoneWeight, "", 0},
        {"万年历法", Op::OpenCalendar, "", 0},
        {"软件升级", Op::Upgrade, "", 0},
        {"星座缘分", Op::None, "", 0},
        {"八字解析", Op::None, "", 0},
    };
    for (const auto &c : cases) {
        const MenuEntry *e = FindEntry(mingshu::app::MainMenu(), c.caption);
        ASSERT_NE(e, nullptr) << c.caption;
        EXPECT_EQ(e->op, c.op) << c.caption;
        EXPECT_EQ(e->arg.text, c.text) << c.caption;
        EXPECT_EQ(e->arg.number, c.number) << c.caption;
    }
    // Every picture-article entry hands over its own caption; the sixteen numbers are 1 to 16, each once.
    std::vector<int> numbers;
    std::function<void(const std::vector<MenuEntry> &)> collect = [&](const std::vector<MenuEntry> &entries) {
        for (const auto &e : entries) {
            if (e.op == Op::PictureArticle) {
                EXPECT_EQ(e.arg.text, e.caption);
                numbers.push_back(e.arg.number);
            }
            collect(e.submenu);
        }
    };
    collect(mingshu::app::MainMenu());
    std::sort(numbers.begin(), numbers.end());
    std::vector<int> one_to_sixteen(16);
    std::iota(one_to_sixteen.begin(), one_to_sixteen.end(), 1);
    EXPECT_EQ(numbers, one_to_sixteen);
}

TEST_F(ShellMenuTest, PanelButtonsRunTheSameOperationAsTheirMenuEntry) {
    struct Pair {
        const char *button, *entry;
    } pairs[] = {
        {"骨重算命", "骨重算命..."}, {"测字算命", "测字算命..."},  {"指纹算命", "指纹算命..."},
        {"喷嚏占卜", "打喷嚏占卜"},  {"面热占卜", "面热测占卜"},   {"心惊占卜", "心惊测占卜"},
        {"犬吠占卜", "犬吠测占卜"},  {"眼跳占卜", "眼跳测占卜"},   {"耳热占卜", "耳热测占卜"},
        {"耳鸣占卜", "耳鸣测占卜"},  {"眼形占卜", "眼形占卜 "},    {"手机吉凶", "手机号码分析"},
        {"QQ号吉凶", "QQ号码分析"},  {"数字分析", "更多数字分析"}, {"拜佛求签", "拜佛求签"},
        {"情商解析", "情商解析"},    {"姓名原理", "姓名原理"},     {"生辰信息", "生辰信息"},
        {"星座配对", "星座配对"},    {"本年运程", "本年运程"},
    };
    for (const auto &p : pairs) {
        const MenuEntry *button = nullptr;
        for (const auto &g : mingshu::app::CommandPanel())
            for (const auto &b : g.buttons)
                if (b.caption == p.button)
                    button = &b;
        const MenuEntry *entry = FindEntry(mingshu::app::MainMenu(), p.entry);
        ASSERT_TRUE(button && entry) << p.button;
        EXPECT_EQ(button->op, entry->op) << p.button;
        EXPECT_EQ(button->arg.text, entry->arg.text) << p.button;
        EXPECT_EQ(button->arg.number, entry->arg.number) << p.button;
    }
}

TEST_F(ShellMenuTest, EntriesWithoutActionChangeNothing) {
    window->report().setLines({"第一行", "", "第三行"});
    window->profile().Surname = "张";
    std::vector<std::pair<std::string, QAction *>> leaves;
    Leaves(window->menuBar()->actions(), "", leaves);
    int inert = 0;
    for (const auto &[path, a] : leaves) {
        std::string caption = a->text().toStdString();
        const MenuEntry *e = FindEntry(mingshu::app::MainMenu(), caption);
        ASSERT_NE(e, nullptr) << path;
        if (e->op != Op::None)
            continue;
        ++inert;
        auto windows_before = QApplication::topLevelWidgets().size();
        a->trigger();
        EXPECT_EQ(window->report().lines(), (std::vector<std::string>{"第一行", "", "第三行"})) << path;
        EXPECT_EQ(QApplication::topLevelWidgets().size(), windows_before) << path;
    }
    // 96 face and mole lines, the pairing menu, and the ten other entries without an action.
    EXPECT_EQ(inert, 96 + 4 + 10);
    EXPECT_EQ(window->profile().Surname, "张");
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(platform.errors.empty());
    EXPECT_TRUE(platform.opened.empty());
}

TEST_F(ShellMenuTest, UpgradeSaysTheProgramIsCurrent) {
    action("软件升级")->trigger();
    EXPECT_EQ(platform.messages, (std::vector<std::string>{"感谢你的使用,软件是最新版无需升级!"}));
}

TEST_F(ShellMenuTest, HelpAndPagesOpenFromTheProgramDirectory) {
    action("帮助主题")->trigger();
    window->RzBitBtn2->click(); // 帮助中心
    action("公司主页")->trigger();
    action("明枢系列软件介绍")->trigger();
    auto links = window->statusBar()->findChildren<QLabel *>(QStringLiteral("statusProduct"));
    ASSERT_EQ(links.size(), 2);
    emit links[0]->linkActivated(QStringLiteral("products"));
    std::vector<std::string> expected = {bin("help/SMhelp.html"), bin("help/SMhelp.html")};
    expected.push_back(*mingshu::vendor::kHomePage ? mingshu::vendor::kHomePage : bin("help/pages/home.html"));
    std::string products =
        *mingshu::vendor::kOtherProducts ? mingshu::vendor::kOtherProducts : bin("help/pages/products.html");
    expected.push_back(products);
    expected.push_back(products);
    EXPECT_EQ(platform.opened, expected);
    for (const auto &path : platform.opened)
        if (path.front() == '/')
            EXPECT_TRUE(std::filesystem::exists(path)) << path;
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(ShellMenuTest, MissingHelpIsReportedNotIgnored) {
    auto empty_dir = std::filesystem::temp_directory_path() / "mingshu_no_help";
    std::filesystem::create_directories(empty_dir);
    platform.program_directory = empty_dir.string() + "/";
    action("帮助主题")->trigger();
    EXPECT_TRUE(platform.opened.empty());
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].find("找不到帮助文件"), std::string::npos);
    EXPECT_NE(platform.messages[0].find("help/SMhelp.html"), std::string::npos);
}

TEST_F(ShellMenuTest, MailAndChatOpenTheirLinkOrSayItIsNotSet) {
    action("给我们发邮件")->trigger();
    action("与QQ对话")->trigger();
    window->bottomButtons.at("QQ服务")->click();
    std::vector<std::string> opened;
    std::size_t messages = 0;
    if (*mingshu::vendor::kSupportMail)
        opened.push_back(std::string("mailto:") + mingshu::vendor::kSupportMail);
    else
        ++messages;
    for (int i = 0; i < 2; ++i) {
        if (*mingshu::vendor::kChatLink)
            opened.push_back(mingshu::vendor::kChatLink);
        else
            ++messages;
    }
    EXPECT_EQ(platform.opened, opened);
    EXPECT_EQ(platform.messages.size(), messages);
}

TEST_F(ShellMenuTest, AboutAndServiceOpenAFreshWindowOnEveryUse) {
    struct Way {
        const char *what;
        std::function<void()> trigger;
        const char *class_name;
    } ways[] = {
        {"menu 关于系统", [&] { action("关于系统")->trigger(); }, "TAbout"},
        {"button 关于系统", [&] { window->RzBitBtn3->click(); }, "TAbout"},
        {"menu 客户服务", [&] { action("客户服务")->trigger(); }, "TFrm_servers"},
        {"button 客户服务", [&] { window->bottomButtons.at("客户服务")->click(); }, "TFrm_servers"},
    };
    QPointer<QWidget> previous[2];
    for (const auto &way : ways) {
        QPointer<QWidget> opened;
        WithModal(way.trigger, [&](QWidget *modal) {
            opened = modal;
            EXPECT_STREQ(modal->metaObject()->className(), way.class_name) << way.what;
            modal->close();
        });
        ASSERT_TRUE(opened) << way.what << ": the instance stays until the next use";
        int slot = std::string(way.class_name) == "TAbout" ? 0 : 1;
        if (previous[slot])
            ADD_FAILURE() << way.what << ": the instance of the last use was not destroyed";
        previous[slot] = opened;
    }
}

TEST_F(ShellMenuTest, AboutWindowNamesTheProductAndVersion) {
    WithModal([&] { action("关于系统")->trigger(); },
              [&](QWidget *modal) {
                  auto *about = qobject_cast<TAbout *>(modal);
                  ASSERT_NE(about, nullptr);
                  EXPECT_EQ(about->Label1->text(), QStringLiteral("明枢算命系统"));
                  EXPECT_TRUE(about->Label2->text().contains(QString::fromUtf8(mingshu::vendor::kVersion)));
                  EXPECT_FALSE(about->Image1->pixmap().isNull());
                  about->close();
              });
}

TEST_F(ShellMenuTest, ThisYearsFortuneOnlyScrollsTheReportToTheTop) {
    action("本年运程")->trigger(); // before any report: nothing to show, nothing said
    auto before = window->report().lines();
    EXPECT_TRUE(before.empty() || before == std::vector<std::string>{""});
    EXPECT_TRUE(platform.messages.empty());

    std::vector<std::string> lines;
    for (int i = 0; i < 200; ++i)
        lines.push_back("第" + std::to_string(i) + "行");
    window->report().setLines(lines);
    window->RzMemo1->show();
    window->RzMemo1->moveCursor(QTextCursor::End);
    action("本年运程")->trigger();
    EXPECT_EQ(window->report().lines(), lines);
    EXPECT_LE(window->RzMemo1->textCursor().blockNumber(), 1);
}

} // namespace
