// The reader windows as a user meets them from the main window: topics, omens, articles, picture articles, the lot
// drawing and the birth-sex chart. With MINGSHU_SCREENSHOT_DIR set, the windows are also saved as pictures.
#include "app/Unt_Main.h"
#include "common/errors.h"
#include "readings/Flash.h"
#include "readings/ImageInfo.h"
#include "readings/UntNote.h"
#include "readings/UntOnther.h"
#include "readings/Untabt.h"
#include "readings/omens.h"

#include "reader_fixture.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

#include <memory>
#include <set>

using Lines = std::vector<std::string>;

namespace {

template <typename T> std::vector<T *> TopLevel() {
    std::vector<T *> out;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *t = qobject_cast<T *>(w))
            out.push_back(t);
    return out;
}

class ReaderWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<TFrmmain>();
        window->show();
    }
    void TearDown() override {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w != window.get() && w->parent() == window.get())
                w->close();
        window.reset();
        QApplication::processEvents();
    }
    void run(const char *caption) {
        QAction *a = window->findMenuAction(QString::fromUtf8(caption));
        ASSERT_NE(a, nullptr) << caption;
        a->trigger();
    }
    void fillProfile(const char *star_sign) {
        auto &p = window->profile();
        p.Surname = "张";
        p.GivenName = "三";
        p.StarSign = star_sign;
    }
    Lines lines() { return window->report().lines(); }

    FixturePlatform platform;
    std::unique_ptr<TFrmmain> window;
};

// --- star-sign topics ----------------------------------------------------------------------------------------

TEST_F(ReaderWindowTest, TopicsWriteNothingBeforeTheProfileIsFilled) {
    for (const char *caption : {"星座实力", "星座名人", "五大建议", "星座缺陷"}) {
        run(caption);
        EXPECT_TRUE(lines().empty()) << caption;
    }
    // These two still bring the view back to its first line, which holds nothing.
    for (const char *caption : {"情商解析", "身体保健"}) {
        run(caption);
        for (const auto &line : lines())
            EXPECT_EQ(line, "") << caption;
    }
}

TEST_F(ReaderWindowTest, TopicReplacesTheReport) {
    window->report().setLines({"旧的一行", "旧的二行"});
    fillProfile("白羊座");
    run("情商解析");
    EXPECT_EQ(lines(), (Lines{"张三,您的星座为白羊座...", "", "", "第一段。第二段。"}));
    run("星座实力");
    EXPECT_EQ(lines(), (Lines{"张三,您的星座为白羊座...", "", "", "白羊座的实力。"}));
    // A sign the table does not hold: the header, two empty lines and one empty line, and no message.
    run("星座名人");
    EXPECT_EQ(lines(), (Lines{"张三,您的星座为白羊座...", "", "", ""}));
    fillProfile("双子座");
    run("情商解析");
    EXPECT_EQ(lines(), (Lines{"张三,您的星座为双子座...", "", "", "第一行", "第二行"}));
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(platform.errors.empty());
}

TEST_F(ReaderWindowTest, OnlyTwoTopicsReturnToTheFirstLine) {
    fillProfile("双子座");
    struct Case {
        const char *caption;
        bool to_top;
    } cases[] = {{"情商解析", true}, {"星座实力", false}, {"星座名人", false},
                 {"身体保健", true}, {"五大建议", false}, {"星座缺陷", false}};
    for (const auto &c : cases) {
        run(c.caption);
        // Returned to the top, the view's cursor stands on the line after the header; otherwise it stays further down.
        EXPECT_EQ(window->RzMemo1->textCursor().blockNumber() == 1, c.to_top) << c.caption;
    }
    // The command panel runs the same topics.
    window->report().clear();
    QToolButton *button = window->findPanelButton(QStringLiteral("身体保健"));
    ASSERT_NE(button, nullptr);
    button->click();
    EXPECT_EQ(lines().front(), "张三,您的星座为双子座...");
}

TEST_F(ReaderWindowTest, TopicWithUnreadableDatabaseLeavesTheReport) {
    fillProfile("白羊座");
    window->report().setLines({"原有内容"});
    EmptyFolder empty;
    platform.program_directory = empty.path + "/";
    run("星座实力");
    EXPECT_EQ(lines(), Lines{"原有内容"});
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(platform.errors.empty());
}

// --- omens ---------------------------------------------------------------------------------------------------

TEST_F(ReaderWindowTest, EachOmenOpensItsCaptionAndPage) {
    struct Case {
        const char *menu, *panel, *caption;
    } cases[] = {
        {"打喷嚏占卜", "喷嚏占卜", "打喷嚏占卜吉凶"}, {"面热测占卜", "面热占卜", "面热测吉凶"},
        {"心惊测占卜", "心惊占卜", "心惊测吉凶"},     {"犬吠测占卜", "犬吠占卜", "犬吠测吉凶"},
        {"眼跳测占卜", "眼跳占卜", "眼跳测吉凶"},     {"耳热测占卜", "耳热占卜", "耳热测吉凶"},
        {"耳鸣测占卜", "耳鸣占卜", "耳鸣测吉凶"},
    };
    for (int page = 0; page < 7; ++page) {
        const auto &c = cases[page];
        run(c.menu);
        QPointer<TFormOnther> omen = FormOnther;
        ASSERT_TRUE(omen) << c.menu;
        EXPECT_TRUE(omen->isVisible());
        EXPECT_FALSE(omen->isModal());
        EXPECT_EQ(omen->windowTitle().toStdString(), c.caption);
        EXPECT_EQ(omen->RzPageControl1->currentIndex(), page);
        EXPECT_FALSE(omen->RzPageControl1->tabBar()->isVisible()) << "the tab row is out of reach";
        auto *memo = omen->Memos[static_cast<std::size_t>(page)];
        EXPECT_TRUE(memo->isVisible());
        EXPECT_TRUE(memo->isReadOnly());
        EXPECT_EQ(memo->document()->firstBlock().text().toStdString(), mingshu::readings::OmenTextLines(page).front());
        EXPECT_EQ(omen->RzLabel1->text().toStdString(),
                  "说明：\n   子时为23点-1点 丑时为1点-3点 寅时为3点-5点 卯时为5点-7点\n"
                  "   辰时为7点-9点 巳时为9点-11点 午时11点-13点 未时13点-15点\n"
                  "   申时15点-17点 酉时17点-19点 戌时19点-21点 亥时为21点-23点");
        // The command-panel button opens the same page in a window of its own.
        QToolButton *button = window->findPanelButton(QString::fromUtf8(c.panel));
        ASSERT_NE(button, nullptr) << c.panel;
        button->click();
        ASSERT_TRUE(FormOnther);
        EXPECT_NE(FormOnther.data(), omen.data());
        EXPECT_EQ(FormOnther->RzPageControl1->currentIndex(), page);
        EXPECT_EQ(FormOnther->windowTitle().toStdString(), c.caption);
    }
    EXPECT_EQ(TopLevel<TFormOnther>().size(), 14u);
}

TEST_F(ReaderWindowTest, OmenWindowsCloseOneByOne) {
    run("犬吠测占卜");
    QPointer<TFormOnther> first = FormOnther;
    run("犬吠测占卜");
    QPointer<TFormOnther> second = FormOnther;
    ASSERT_TRUE(first && second);
    EXPECT_NE(first.data(), second.data());
    first->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(first) << "a closed omen window frees itself";
    EXPECT_TRUE(second && second->isVisible());
    EXPECT_FALSE(FormOnther);
}

// --- articles ------------------------------------------------------------------------------------------------

TEST_F(ReaderWindowTest, BothNameEntriesOpenTheSameArticleSideBySide) {
    // One entry in 算命, one in the submenu 八字与姓名 of 造命, and the command-panel button.
    std::vector<QAction *> entries;
    for (QAction *a : window->findChildren<QAction *>())
        if (a->text() == QStringLiteral("姓名原理"))
            entries.push_back(a);
    ASSERT_GE(entries.size(), 2u);
    std::vector<QPointer<TFrmNote>> notes;
    for (QAction *a : entries) {
        a->trigger();
        notes.emplace_back(FrmNote);
    }
    QToolButton *panel = window->findPanelButton(QStringLiteral("姓名原理"));
    ASSERT_NE(panel, nullptr);
    panel->click();
    notes.emplace_back(FrmNote);
    std::set<TFrmNote *> distinct;
    for (const auto &note : notes) {
        ASSERT_TRUE(note);
        distinct.insert(note.data());
        EXPECT_TRUE(note->isVisible());
        EXPECT_FALSE(note->isModal());
        EXPECT_EQ(note->windowTitle(), QStringLiteral("姓名原理"));
        EXPECT_EQ(note->Code, "a1");
        EXPECT_EQ(note->RzMemo1->toPlainText(), QStringLiteral("正文第一行。\n\n正文第三行。"));
        EXPECT_TRUE(note->RzMemo1->isReadOnly());
    }
    EXPECT_EQ(distinct.size(), notes.size()) << "every command opens a reader of its own";
}

TEST_F(ReaderWindowTest, ArticleCases) {
    // A code the table does not hold: an empty reader titled 算命.
    run("孝经");
    ASSERT_TRUE(FrmNote);
    EXPECT_EQ(FrmNote->Code, "b5");
    EXPECT_EQ(FrmNote->windowTitle(), QStringLiteral("算命"));
    EXPECT_TRUE(FrmNote->RzMemo1->toPlainText().isEmpty());
    EXPECT_TRUE(FrmNote->isVisible());
    // Leading blank lines are not shown.
    run("三世因果经");
    ASSERT_TRUE(FrmNote);
    EXPECT_EQ(FrmNote->windowTitle(), QStringLiteral("有空白的标题"));
    EXPECT_EQ(FrmNote->RzMemo1->document()->firstBlock().text(), QStringLiteral("首行文字。"));
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(ReaderWindowTest, ArticleWithUnreadableDatabaseOpensNoWindow) {
    EmptyFolder empty;
    platform.program_directory = empty.path + "/";
    auto before = TopLevel<TFrmNote>().size();
    EXPECT_THROW(ShowArticle("a1", window.get()), mingshu::SilentAbort);
    run("姓名原理"); // through the main window the abort ends the command quietly
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(TopLevel<TFrmNote>().size(), before);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(platform.errors.empty());
}

// --- picture articles ----------------------------------------------------------------------------------------

class PictureViewerTest : public ReaderWindowTest {
protected:
    // The page buttons whose frame is red.
    std::vector<int> redButtons() {
        std::vector<int> red;
        for (int i = 0; i < 15; ++i)
            if (TImageInfoLoad::FrameColourOf(viewer->ABtns[static_cast<std::size_t>(i)]) ==
                TImageInfoLoad::ChosenFrameColour())
                red.push_back(i + 1);
        return red;
    }
    int shownPage() { return viewer->RzPageControl1->currentIndex() + 1; }
    void expectAt(int page, const char *what) {
        EXPECT_EQ(viewer->CurrentPage, page) << what;
        EXPECT_EQ(shownPage(), page) << what;
        EXPECT_EQ(redButtons(), std::vector<int>{page}) << what;
    }
    QPointer<TImageInfoLoad> viewer;
};

TEST_F(PictureViewerTest, PageButtonsOfAThreePageArticle) {
    run("旺夫家居风水设计 [图]");
    viewer = ImageInfoLoad;
    ASSERT_TRUE(viewer);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_FALSE(viewer->isModal());
    EXPECT_EQ(viewer->windowTitle(), QStringLiteral("旺夫家居风水设计 [图]"));
    EXPECT_EQ(viewer->ArticleNumber, 1);
    EXPECT_EQ(viewer->PageCount, 3);
    EXPECT_FALSE(viewer->RzPageControl1->tabBar()->isVisible());

    // Page 1 is shown, but no button is red until a page is chosen.
    EXPECT_EQ(viewer->CurrentPage, 1);
    EXPECT_EQ(shownPage(), 1);
    EXPECT_TRUE(redButtons().empty());
    for (int i = 1; i <= 15; ++i)
        EXPECT_EQ(viewer->ABtns[static_cast<std::size_t>(i - 1)]->isEnabled(), i <= 3) << i;
    EXPECT_TRUE(viewer->Images[0]->hasPicture());
    EXPECT_EQ(viewer->Memos[0]->toPlainText(), QStringLiteral("第一页：红色的圆。"));
    EXPECT_EQ(viewer->Memos[2]->toPlainText(), QStringLiteral("第三页：蓝色的圆。"));

    // Previous on page 1 stays on page 1 and repaints.
    viewer->RzBitBtn18->click();
    expectAt(1, "上一页 on page 1");
    viewer->RzBitBtn19->click();
    expectAt(2, "下一页");
    viewer->RzBitBtn19->click();
    expectAt(3, "下一页 to P");
    viewer->ABtns[0]->click();
    expectAt(1, "ABtn1");
    viewer->RzBitBtn21->click();
    expectAt(3, "最末");
    viewer->RzBitBtn19->click();
    expectAt(3, "下一页 on page P");
    viewer->ABtns[1]->click();
    expectAt(2, "ABtn2");
    viewer->RzBitBtn20->click();
    expectAt(1, "首页");
    viewer->BtnEnd->click();
    expectAt(3, "end arrow");
    viewer->BtnBegin->click();
    expectAt(1, "begin arrow");
    // A disabled page button does nothing.
    QTest::mouseClick(viewer->ABtns[9], Qt::LeftButton);
    expectAt(1, "disabled ABtn10");

    viewer->RzBitBtn1->click();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(viewer) << "关闭 frees the viewer";
    EXPECT_FALSE(ImageInfoLoad);
}

TEST_F(PictureViewerTest, GapsAndMissingArticles) {
    viewer = ShowPictureArticle(2, "家居风水与姻缘 [图]", window.get());
    ASSERT_TRUE(viewer);
    EXPECT_EQ(viewer->PageCount, 3);
    EXPECT_FALSE(viewer->Images[1]->hasPicture());
    EXPECT_TRUE(viewer->Images[2]->hasPicture());
    EXPECT_TRUE(viewer->ABtns[2]->isEnabled());
    EXPECT_FALSE(viewer->ABtns[3]->isEnabled());

    // An article without stored pages still has a page 1 to go to.
    viewer = ShowPictureArticle(16, "居家好风水的15件宝贝", window.get());
    EXPECT_EQ(viewer->PageCount, 1);
    EXPECT_TRUE(viewer->ABtns[0]->isEnabled());
    EXPECT_FALSE(viewer->ABtns[1]->isEnabled());
    viewer->RzBitBtn21->click();
    expectAt(1, "最末 of a one-page article");
    viewer->RzBitBtn19->click();
    expectAt(1, "下一页 of a one-page article");

    // Each entry opens a new viewer.
    run("居家好风水的15件宝贝");
    EXPECT_NE(ImageInfoLoad.data(), viewer.data());
    EXPECT_EQ(ImageInfoLoad->windowTitle(), QStringLiteral("居家好风水的15件宝贝"));
    EXPECT_EQ(ImageInfoLoad->ArticleNumber, 16);
}

// --- the lot drawing -----------------------------------------------------------------------------------------

TEST_F(ReaderWindowTest, LotWindowDrawsStoredLotsAgainAndAgain) {
    run("拜佛求签");
    QPointer<TFrmFlash> flash = FrmFlash;
    ASSERT_TRUE(flash);
    EXPECT_TRUE(flash->isVisible());
    EXPECT_FALSE(flash->isModal());
    EXPECT_EQ(flash->windowTitle(), QStringLiteral("拜佛求签"));
    // The animation file is named, not checked: the fixture folder has none, and nothing is reported.
    EXPECT_EQ(flash->Movie.toStdString(), platform.program_directory + "Flash/paifo.swf");
    EXPECT_TRUE(platform.messages.empty());

    TLotCylinder *cylinder = flash->LotCylinder;
    cylinder->shakeMs = 30;
    cylinder->fallMs = 30;
    cylinder->seedRandom(7);
    EXPECT_EQ(cylinder->phase(), TLotCylinder::Phase::Idle);
    // A click beside the cylinder does nothing.
    QTest::mouseClick(cylinder, Qt::LeftButton, {}, QPoint(cylinder->width() - 5, 5));
    EXPECT_EQ(cylinder->phase(), TLotCylinder::Phase::Idle);

    std::set<int> seen;
    for (int draw = 0; draw < 12; ++draw) {
        if (draw % 2)
            QTest::keyClick(cylinder, Qt::Key_Space);
        else
            QTest::mouseClick(cylinder, Qt::LeftButton, {}, cylinder->cylinderRect().center());
        EXPECT_EQ(cylinder->phase(), TLotCylinder::Phase::Shaking) << draw;
        // A second click while the cylinder shakes changes nothing.
        QTest::mouseClick(cylinder, Qt::LeftButton, {}, cylinder->cylinderRect().center());
        ASSERT_TRUE(QTest::qWaitFor([&] { return cylinder->phase() == TLotCylinder::Phase::Shown; }, 3000)) << draw;
        ASSERT_TRUE(cylinder->shownLot());
        int n = cylinder->shownLot()->number;
        EXPECT_TRUE(n == 3 || n == 7 || n == 42) << n;
        seen.insert(n);
    }
    EXPECT_GE(seen.size(), 2u);

    // Closing hides the window and keeps it.
    flash->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(flash);
    EXPECT_FALSE(flash->isVisible());
    // Each command opens another window.
    run("拜佛求签");
    EXPECT_NE(FrmFlash.data(), flash.data());
    EXPECT_EQ(ShowAnimation(1, window.get()), nullptr);
}

TEST_F(ReaderWindowTest, LotWindowWithoutDatabaseStaysIdle) {
    EmptyFolder empty;
    platform.program_directory = empty.path + "/";
    TFrmFlash *flash = ShowAnimation(2, window.get());
    ASSERT_NE(flash, nullptr);
    QTest::keyClick(flash->LotCylinder, Qt::Key_Return);
    EXPECT_EQ(flash->LotCylinder->phase(), TLotCylinder::Phase::Idle);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(platform.errors.empty());
}

// --- the birth-sex chart -------------------------------------------------------------------------------------

TEST_F(ReaderWindowTest, ChartIsModalOnItsFirstPageAndReplacedOnEachUse) {
    QPointer<TFrm_NanNv> first;
    bool inspected = false;
    QTimer::singleShot(0, [&] {
        auto charts = window->findChildren<TFrm_NanNv *>();
        EXPECT_EQ(charts.size(), 1);
        if (charts.isEmpty())
            return;
        first = charts.front();
        EXPECT_TRUE(first->isModal());
        EXPECT_TRUE(first->isVisible());
        EXPECT_EQ(first->windowTitle(), QStringLiteral("生男生女"));
        EXPECT_EQ(first->RzPageControl1->currentIndex(), 0);
        EXPECT_TRUE(first->RzPageControl1->tabBar()->isVisible());
        const QString tabs[] = {QStringLiteral("18到31岁"), QStringLiteral("32到44岁"),
                                QStringLiteral("生男生女有秘诀")};
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(first->RzPageControl1->tabText(i), tabs[i]);
            // The tabs switch the pages; the note stays visible under every one.
            first->RzPageControl1->setCurrentIndex(i);
            EXPECT_TRUE(first->RzPageControl1->widget(i)->isVisible());
            EXPECT_TRUE(first->RzLabel1->isVisible()) << i;
        }
        EXPECT_EQ(first->Image1->firstAge(), 18);
        EXPECT_EQ(first->Image1->lastAge(), 31);
        EXPECT_EQ(first->Image2->firstAge(), 32);
        EXPECT_EQ(first->Image2->lastAge(), 44);
        EXPECT_TRUE(first->Image3->toPlainText().startsWith(QStringLiteral("生男生女有秘诀")));
        // The note is not cut off: the label has the height its wrapped text needs.
        EXPECT_GE(first->RzLabel1->height(), first->RzLabel1->heightForWidth(first->RzLabel1->width()));
        inspected = true;
        first->close();
    });
    run("生男生女");
    ASSERT_TRUE(inspected);
    ASSERT_TRUE(first) << "a closed chart stays until the next use";
    EXPECT_FALSE(first->isVisible());

    QPointer<TFrm_NanNv> second;
    QTimer::singleShot(0, [&] {
        for (auto *chart : window->findChildren<TFrm_NanNv *>())
            if (chart->isVisible())
                second = chart;
        EXPECT_TRUE(second);
        if (!second)
            return;
        EXPECT_EQ(second->RzPageControl1->currentIndex(), 0) << "a new chart opens on the first page";
        second->close();
    });
    QToolButton *button = window->findPanelButton(QStringLiteral("生男生女"));
    ASSERT_NE(button, nullptr);
    button->click();
    EXPECT_FALSE(first) << "the next use destroys the chart of the last one";
    EXPECT_TRUE(second);
}

TEST_F(ReaderWindowTest, ChartCellsFitTheirPage) {
    TFrm_NanNv chart(window.get());
    chart.show();
    for (TSexChart *page : {chart.Image1, chart.Image2}) {
        chart.RzPageControl1->setCurrentWidget(page->parentWidget());
        QRectF area = page->rect();
        for (int month = 1; month <= 12; ++month)
            for (int age = page->firstAge(); age <= page->lastAge(); ++age) {
                QRectF cell = page->cellRect(age, month);
                EXPECT_TRUE(area.contains(cell)) << age << " " << month;
                EXPECT_GE(cell.height(), 18) << "a cell is tall enough for its character";
                EXPECT_GE(cell.width(), 18);
            }
    }
    chart.close();
}

// --- pictures of the windows, to be looked at ----------------------------------------------------------------

TEST(ReaderScreenshots, SaveWindowsOnRealContent) {
    QString dir = qEnvironmentVariable("MINGSHU_SCREENSHOT_DIR");
    if (dir.isEmpty())
        GTEST_SKIP() << "set MINGSHU_SCREENSHOT_DIR to save the reader windows as pictures";
    QDir().mkpath(dir);
    mingshu::testing::RecordingPlatform platform; // the program directory of the build, with the real databases
    TFrmmain main;
    auto save = [&](QWidget *w, const char *name) {
        QApplication::processEvents();
        EXPECT_TRUE(w->grab().save(dir + "/" + QString::fromLatin1(name) + ".png")) << name;
    };
    save(ShowOmenWindow("面热测吉凶", 1, &main), "omen");
    save(ShowOmenWindow("打喷嚏占卜吉凶", 0, &main), "omen-sneeze");
    save(ShowArticle("a1", &main), "article");
    TImageInfoLoad *viewer = ShowPictureArticle(12, "九种最常见风水煞气及解救方法", &main);
    viewer->ABtns[1]->click();
    save(viewer, "picture-article");
    TFrmFlash *flash = ShowAnimation(2, &main);
    save(flash, "lot-before");
    flash->LotCylinder->shakeMs = 600;
    flash->LotCylinder->fallMs = 600;
    flash->LotCylinder->startDraw();
    QTest::qWait(150);
    save(flash, "lot-shaking");
    ASSERT_TRUE(QTest::qWaitFor([&] { return flash->LotCylinder->phase() == TLotCylinder::Phase::Falling; }, 3000));
    QTest::qWait(250);
    save(flash, "lot-falling");
    ASSERT_TRUE(QTest::qWaitFor([&] { return flash->LotCylinder->phase() == TLotCylinder::Phase::Shown; }, 3000));
    save(flash, "lot-after");
    TFrm_NanNv chart(&main);
    chart.show();
    for (int i = 0; i < 3; ++i) {
        chart.RzPageControl1->setCurrentIndex(i);
        save(&chart, ("chart-" + std::to_string(i + 1)).c_str());
    }
    main.profile().Surname = "张";
    main.profile().GivenName = "三";
    main.profile().StarSign = "白羊座";
    main.show();
    main.RevealReport();
    main.runOp(mingshu::app::Op::StarTopic, {"情商解析", 0});
    save(&main, "topic");
}

} // namespace
