// The main window as a user meets it: the input bar's filters and checks and the birth-information command.
#include "app/Unt_Main.h"

#include "common/fake_platform.h"

#include <QAction>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<TFrmmain>();
        window->show();
        QApplication::processEvents();
    }
    void TearDown() override { window.reset(); }

    void commit(QLineEdit *edit, const QString &text) {
        edit->setFocus();
        QInputMethodEvent event;
        event.setCommitString(text);
        QApplication::sendEvent(edit, &event);
    }
    void fillZhangSan() {
        commit(window->NameA, QStringLiteral("张"));
        commit(window->NameB, QStringLiteral("三"));
    }
    void birthInfo() { window->findMenuAction(QStringLiteral("生辰信息"))->trigger(); }
    std::vector<std::string> lines() { return window->report().lines(); }

    mingshu::testing::RecordingPlatform platform;
    std::unique_ptr<TFrmmain> window;
};

TEST_F(MainWindowTest, StartsWithTheDefaultsAndAHiddenReport) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("明枢算命系统"));
    EXPECT_EQ(window->size(), QSize(800, 600));
    EXPECT_FALSE(window->RzMemo1->isVisible());
    EXPECT_EQ(window->Sex->currentText(), QStringLiteral("男"));
    EXPECT_EQ(window->Xuxing->currentText(), QStringLiteral("A型"));
    EXPECT_EQ(window->SYear->currentText(), QStringLiteral("1980"));
    EXPECT_EQ(window->SYear->count(), 201);
    EXPECT_EQ(window->SYear->itemText(0), QStringLiteral("1900"));
    EXPECT_EQ(window->SYear->itemText(200), QStringLiteral("2100"));
    EXPECT_EQ(window->Shour->count(), 24);
    EXPECT_EQ(window->Shour->itemText(23), QStringLiteral("子 23"));
    EXPECT_EQ(window->Sday->count(), 31);
    EXPECT_TRUE(window->NameA->hasFocus());
}

TEST_F(MainWindowTest, NameEditsTakeOnlyInputMethodTextUpToFourBytes) {
    QTest::keyClicks(window->NameA, QStringLiteral("ab1 "));
    EXPECT_EQ(window->NameA->text(), QString());
    commit(window->NameA, QStringLiteral("欧"));
    commit(window->NameA, QStringLiteral("阳"));
    commit(window->NameA, QStringLiteral("明"));
    EXPECT_EQ(window->NameA->text(), QStringLiteral("欧阳"));
    QTest::keyClick(window->NameA, Qt::Key_Backspace);
    EXPECT_EQ(window->NameA->text(), QStringLiteral("欧"));
    // Pasted text is not filtered, but the byte limit holds: two ASCII characters and one Chinese fit.
    window->NameB->insert(QStringLiteral("ab司马"));
    EXPECT_EQ(window->NameB->text(), QStringLiteral("ab司"));
}

TEST_F(MainWindowTest, EmptyFieldsShowTheirMessageAndChangeNothing) {
    birthInfo();
    EXPECT_EQ(platform.messages, std::vector<std::string>{"姓不能为空!"});
    commit(window->NameA, QStringLiteral("张"));
    birthInfo();
    EXPECT_EQ(platform.messages.back(), "名不能为空!");
    commit(window->NameB, QStringLiteral("三"));
    window->Shour->setCurrentText(QString());
    birthInfo();
    EXPECT_EQ(platform.messages.back(), "请选择出生小时!");
    EXPECT_FALSE(window->RzMemo1->isVisible());
    EXPECT_TRUE(lines().empty());
}

TEST_F(MainWindowTest, BirthInfoRevealsTheReportAndASecondRunReplacesIt) {
    fillZhangSan();
    window->findPanelButton(QStringLiteral("生辰信息"))->click();
    EXPECT_TRUE(window->RzMemo1->isVisible());
    EXPECT_EQ(window->EmbeddedWB1->y(), 2000);
    auto first = lines();
    ASSERT_EQ(first.size(), 11u);
    EXPECT_EQ(first[0], "姓名：张三");
    EXPECT_EQ(first[2], "年龄：46岁"); // the recording platform's clock says 2026
    EXPECT_EQ(first[9], "八字：己未 丙子 癸酉 壬子 1岁起运");
    EXPECT_EQ(window->RzMemo1->verticalScrollBar()->value(), 0);

    window->Sex->setCurrentText(QStringLiteral("女"));
    window->Shour->setCurrentIndex(23);
    birthInfo();
    auto second = lines();
    ASSERT_EQ(second.size(), 11u);
    EXPECT_EQ(second[1], "性别：女");
    EXPECT_EQ(second[3], "生日（公历）：1980年01月01日23点");
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(MainWindowTest, ADateThatDoesNotExistIsReportedAndLeavesTheReport) {
    fillZhangSan();
    birthInfo();
    auto before = lines();
    window->SMonth->setCurrentText(QStringLiteral("2"));
    window->Sday->setCurrentText(QStringLiteral("30"));
    birthInfo();
    ASSERT_EQ(platform.errors.size(), 1u);
    EXPECT_NE(platform.errors[0].find("1980-2-30"), std::string::npos);
    EXPECT_EQ(lines(), before);
}

} // namespace
