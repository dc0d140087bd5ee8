// The exit question: the start-page offer, what each answer writes, and a fresh window for every attempt.
#include "common/fake_platform.h"
#include "periphery/EndMsg.h"
#include "periphery/start_page.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

using mingshu::periphery::kStartPageSetting;
using mingshu::testing::RecordingPlatform;

namespace {

const std::string kPromo = "http://nav.mingshu.test/";

// Answers the next modal window with `act` as soon as it is up.
void AnswerNextModal(std::function<void(TFrmMsG &)> act) {
    QTimer::singleShot(0, [act] {
        auto *question = qobject_cast<TFrmMsG *>(QApplication::activeModalWidget());
        ASSERT_NE(question, nullptr);
        act(*question);
    });
}

TEST(ExitQuestion, OfferDependsOnTheStoredStartPage) {
    struct Case {
        std::string stored, promotional;
        bool offered;
    } cases[] = {
        {"", kPromo, true},                         // no start page yet
        {"http://elsewhere.test/", kPromo, true},   // another page
        {kPromo, kPromo, false},                    // already ours
        {"  " + kPromo + " \t", kPromo, false},     // blanks around it do not count
        {"HTTP://NAV.MINGSHU.TEST/", kPromo, true}, // only the exact address counts
        {"", "", false},                            // no promotional page configured: never offered
        {"http://elsewhere.test/", "", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(mingshu::periphery::OfferStartPage(c.stored, c.promotional), c.offered)
            << "stored '" << c.stored << "' promotional '" << c.promotional << "'";
}

TEST(ExitQuestion, LayoutAndFocus) {
    RecordingPlatform platform;
    TFrmMsG question(nullptr, kPromo);
    question.show();
    EXPECT_EQ(question.windowTitle(), QStringLiteral("退出系统"));
    EXPECT_EQ(question.Button1->text(), QStringLiteral("是(&Y)"));
    EXPECT_EQ(question.Button2->text(), QStringLiteral("否(&N)"));
    EXPECT_TRUE(question.CheckBox1->isVisible());
    EXPECT_TRUE(question.CheckBox1->isChecked());
    EXPECT_FALSE(question.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(question.Button1->isDefault() || question.Button2->isDefault());
    EXPECT_FALSE(question.Answer);
    question.close();
}

TEST(ExitQuestion, YesWithTheBoxCheckedWritesTheStartPage) {
    RecordingPlatform platform;
    platform.settings[kStartPageSetting] = "http://elsewhere.test/";
    TFrmMsG question(nullptr, kPromo);
    question.show();
    ASSERT_TRUE(question.CheckBox1->isVisible());
    question.Button1->click();
    EXPECT_TRUE(question.Answer);
    EXPECT_EQ(platform.settings[kStartPageSetting], kPromo);
    EXPECT_FALSE(question.isVisible());
}

TEST(ExitQuestion, YesWithTheBoxClearedLeavesTheStartPage) {
    RecordingPlatform platform;
    platform.settings[kStartPageSetting] = "http://elsewhere.test/";
    TFrmMsG question(nullptr, kPromo);
    question.show();
    question.CheckBox1->click();
    ASSERT_FALSE(question.CheckBox1->isChecked());
    question.Button1->click();
    EXPECT_TRUE(question.Answer);
    EXPECT_EQ(platform.settings[kStartPageSetting], "http://elsewhere.test/");
}

TEST(ExitQuestion, StartPageAlreadyOursHidesTheBoxAndWritesNothing) {
    RecordingPlatform platform;
    platform.settings[kStartPageSetting] = " " + kPromo + " ";
    TFrmMsG question(nullptr, kPromo);
    question.show();
    EXPECT_FALSE(question.CheckBox1->isVisible());
    EXPECT_FALSE(question.CheckBox1->isChecked());
    question.Button1->click();
    EXPECT_TRUE(question.Answer);
    EXPECT_EQ(platform.settings[kStartPageSetting], " " + kPromo + " "); // untouched, blanks and all
}

TEST(ExitQuestion, NoTouchesNothingWhateverTheBoxShows) {
    for (bool checked : {true, false}) {
        RecordingPlatform platform;
        TFrmMsG question(nullptr, kPromo);
        question.show();
        question.CheckBox1->setChecked(checked);
        question.Button2->click();
        EXPECT_FALSE(question.Answer);
        EXPECT_TRUE(platform.settings.empty()) << "checked " << checked;
    }
}

TEST(ExitQuestion, WithoutAPromotionalPageTheOfferIsHiddenAndNothingIsWritten) {
    RecordingPlatform platform;
    TFrmMsG question(nullptr, "");
    question.show();
    EXPECT_FALSE(question.CheckBox1->isVisible());
    question.Button1->click();
    EXPECT_TRUE(question.Answer);
    EXPECT_TRUE(platform.settings.empty());
}

TEST(ExitQuestion, EscapeDoesNotAnswerAndEnterPressesTheFocusedButton) {
    RecordingPlatform platform;
    TFrmMsG question(nullptr, kPromo);
    question.show();
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&question, &escape);
    EXPECT_TRUE(question.isVisible());
    question.Button2->setFocus();
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(&question, &enter);
    EXPECT_FALSE(question.isVisible());
    EXPECT_FALSE(question.Answer);
}

TEST(ConfirmExit, ReturnsTheAnswerAndAsksInAFreshWindowEachTime) {
    RecordingPlatform platform;
    // ConfirmExit uses the promotional page of the build, empty by default; the fresh-window rule is checked on
    // the box's state, so a first attempt unchecks it where it is shown.
    AnswerNextModal([](TFrmMsG &q) {
        q.CheckBox1->setChecked(false);
        q.Button2->click();
    });
    EXPECT_FALSE(ConfirmExit());
    AnswerNextModal([](TFrmMsG &q) {
        EXPECT_EQ(q.CheckBox1->isChecked(), q.CheckBox1->isVisible());
        q.Button1->click();
    });
    EXPECT_TRUE(ConfirmExit());
    // Closed without either button: the answer stays no.
    AnswerNextModal([](TFrmMsG &q) { q.close(); });
    EXPECT_FALSE(ConfirmExit());
    EXPECT_TRUE(platform.messages.empty());
}

TEST(ExitQuestion, AnUncheckedBoxInACancelledAttemptIsCheckedAgainNextTime) {
    RecordingPlatform platform;
    {
        TFrmMsG first(nullptr, kPromo);
        first.CheckBox1->setChecked(false);
        first.Button2->click();
    }
    TFrmMsG second(nullptr, kPromo);
    second.show();
    EXPECT_TRUE(second.CheckBox1->isVisible());
    EXPECT_TRUE(second.CheckBox1->isChecked());
}

} // namespace
