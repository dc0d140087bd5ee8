// The QQ, any-number, mobile-number and online-name windows as a user meets them: typing, Enter, the messages,
// the labels after good and refused input, whether the texts fit, and a fresh window on every opening.
#include "numerology/UntQQ.h"
#include "numerology/UntWangm.h"
#include "numerology/Unt_sjcs.h"
#include "numerology/Untonteher.h"

#include "app/Unt_Main.h"
#include "common/fake_platform.h"
#include "content/tsv.h"
#include "numerology/eighty_one.h"
#include "numerology/nickname.h"

#include <QApplication>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

#include <functional>

namespace num = mingshu::numerology;
using mingshu::app::Op;

namespace {

QString Q(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

void Commit(QLineEdit *edit, const QString &text) {
    edit->setFocus();
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(edit, &event);
}

void PressEnter(QLineEdit *edit) {
    QTest::keyClick(edit, Qt::Key_Return);
}

// Whether a word-wrapped label shows all of its text within its size.
bool WrappedTextFits(QLabel *label, const QString &text) {
    label->setText(text);
    return label->heightForWidth(label->width()) <= label->height();
}

bool LineFits(QLabel *label, const QString &text) {
    return label->fontMetrics().horizontalAdvance(text) <= label->width();
}

std::vector<QString> Labels(std::initializer_list<QLabel *> labels) {
    std::vector<QString> texts;
    for (QLabel *l : labels)
        texts.push_back(l->text());
    return texts;
}

// ---------------------------------------------------------------------------------------------------------------
// The two eighty-one-number windows

struct EightyOneKind {
    const char *name;
    std::function<mingshu::forms::TEightyOneForm *()> make;
    const char *caption, *entry_caption, *echo_caption, *empty_message;
};

void PrintTo(const EightyOneKind &kind, std::ostream *os) {
    *os << kind.name;
}

class EightyOneWindowTest : public ::testing::TestWithParam<EightyOneKind> {
protected:
    void SetUp() override {
        window.reset(GetParam().make());
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        window->show();
        QApplication::processEvents();
    }
    void compute(const char *digits) {
        window->edtmun->clear();
        QTest::keyClicks(window->edtmun, digits);
        PressEnter(window->edtmun);
    }
    std::vector<QString> results() {
        return Labels({window->RzLabel11, window->RzLabel10, window->RzLabel9, window->RzLabel8});
    }

    mingshu::testing::RecordingPlatform platform;
    std::unique_ptr<mingshu::forms::TEightyOneForm> window;
};

TEST_P(EightyOneWindowTest, ShowsItsCaptions) {
    const auto &kind = GetParam();
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8(kind.caption));
    EXPECT_EQ(window->RzLabel1->text(), QString::fromUtf8(kind.entry_caption));
    EXPECT_EQ(window->RzLabel5->text(), QString::fromUtf8(kind.echo_caption));
    EXPECT_EQ(window->RzGroupBox1->title(), QStringLiteral("测算结果"));
    EXPECT_EQ(window->RzLabel4->text(), QStringLiteral("状态："));
    EXPECT_EQ(window->RzLabel6->text(), QStringLiteral("吉凶："));
    EXPECT_EQ(window->RzLabel7->text(), QStringLiteral("具体表现："));
    EXPECT_EQ(window->RzBitBtn1->text(), QStringLiteral("测算"));
    EXPECT_EQ(window->RzBitBtn2->text(), QStringLiteral("关闭"));
    EXPECT_EQ(window->RzLabel9->palette().color(QPalette::WindowText), QColor(Qt::red));
    EXPECT_TRUE(window->RzLabel8->wordWrap());
    EXPECT_EQ(window->RzLabel8->size(), QSize(290, 97));
    for (QLabel *caption : {window->RzLabel1, window->RzLabel5, window->RzLabel7})
        EXPECT_TRUE(LineFits(caption, caption->text())) << caption->text().toStdString();
}

TEST_P(EightyOneWindowTest, EnterComputesAndTheLabelsShowTheRecord) {
    struct Case {
        const char *entry;
        int record;
    };
    for (const Case &c : {Case{"0081", 0}, Case{"162", 0}, Case{"1", 1}, Case{"80", 80}, Case{"12345", 33},
                          Case{"999999999999999999", 0}, Case{"79", 79}}) {
        compute(c.entry);
        const auto fields = num::SplitReading(num::EightyOneRecord(c.record));
        EXPECT_EQ(results(), (std::vector<QString>{QString::fromLatin1(c.entry), Q(fields.summary), Q(fields.verdict),
                                                   Q(fields.personality)}))
            << c.entry;
    }
    EXPECT_EQ(window->RzLabel9->text(), QStringLiteral("吉带凶")); // record 79, whole
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(platform.errors.empty());
}

TEST_P(EightyOneWindowTest, TheButtonComputesLikeEnter) {
    QTest::keyClicks(window->edtmun, "12345");
    QTest::mouseClick(window->RzBitBtn1, Qt::LeftButton);
    EXPECT_EQ(window->RzLabel10->text(), QStringLiteral("灾难不绝，难望成功，此数大凶，不如更名"));
}

TEST_P(EightyOneWindowTest, OnlyDigitsCanBeTypedAndAtMostEighteen) {
    QTest::keyClicks(window->edtmun, "1a2-B 3.x!");
    EXPECT_EQ(window->edtmun->text(), QStringLiteral("123"));
    QTest::keyClick(window->edtmun, Qt::Key_Backspace);
    EXPECT_EQ(window->edtmun->text(), QStringLiteral("12"));
    QTest::keyClicks(window->edtmun, "34567890123456789012");
    EXPECT_EQ(window->edtmun->text(), QStringLiteral("123456789012345678"));
    window->edtmun->clear();
    Commit(window->edtmun, QStringLiteral("１２三4五6"));
    EXPECT_EQ(window->edtmun->text(), QStringLiteral("46"));
}

TEST_P(EightyOneWindowTest, AnEmptyEntryGetsItsMessageAndTheLabelsStay) {
    compute("12345");
    const auto before = results();
    for (const char *entry : {"", "   "}) {
        window->edtmun->setText(QString::fromLatin1(entry));
        PressEnter(window->edtmun);
    }
    EXPECT_EQ(platform.messages, (std::vector<std::string>(2, GetParam().empty_message)));
    EXPECT_EQ(results(), before);
}

TEST_P(EightyOneWindowTest, APastedTextThatIsNoNumberIsReportedAndTheLabelsStay) {
    compute("1");
    const auto before = results();
    window->edtmun->setText(QStringLiteral("12a"));
    PressEnter(window->edtmun);
    EXPECT_EQ(platform.errors, std::vector<std::string>{"“12a”不是有效的整数"});
    EXPECT_EQ(results(), before);
}

TEST_P(EightyOneWindowTest, APastedNegativeNumberShowsTheFallbackInThePersonalityLabel) {
    compute("5");
    window->edtmun->setText(QStringLiteral(" -1 "));
    PressEnter(window->edtmun);
    EXPECT_EQ(results(), (std::vector<QString>{QStringLiteral("-1"), QString(), QString(),
                                               QStringLiteral("对不起,此号不在分解之类。")}));
}

TEST_P(EightyOneWindowTest, EveryRecordFitsItsLabels) {
    for (int i = 0; i < num::kEightyOneCount; ++i) {
        const auto f = num::SplitReading(num::EightyOneRecord(i));
        EXPECT_TRUE(LineFits(window->RzLabel10, Q(f.summary))) << i;
        EXPECT_TRUE(LineFits(window->RzLabel9, Q(f.verdict))) << i;
        EXPECT_TRUE(WrappedTextFits(window->RzLabel8, Q(f.personality))) << i;
    }
    EXPECT_TRUE(LineFits(window->RzLabel11, QStringLiteral("999999999999999999")));
}

INSTANTIATE_TEST_SUITE_P(Windows, EightyOneWindowTest,
                         ::testing::Values(EightyOneKind{"QQ", [] { return new TFrmQQhm; }, "QQ号码测试", "QQ号码：",
                                                         "qq号码是：", "请输入你的QQ号码！"},
                                           EightyOneKind{"AnyNumber", [] { return new TFrm_onther; }, "任意号码分析",
                                                         "任意号码：", "输入号码是：", "请输入你的号码！"}),
                         [](const auto &info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------------------------------------------
// The mobile-number window, on a small fixture database

class MobileWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform.program_directory = MINGSHU_FIXTURE_DIR "/";
        window = std::make_unique<TFrm_SJcs>();
        window->show();
        QApplication::processEvents();
    }
    void compute(const char *digits) {
        window->edtmun->clear();
        QTest::keyClicks(window->edtmun, digits);
        PressEnter(window->edtmun);
    }
    std::vector<QString> results() {
        return Labels({window->RzLabel11, window->RzLabel10, window->RzLabel9, window->RzLabel8});
    }

    mingshu::testing::RecordingPlatform platform;
    std::unique_ptr<TFrm_SJcs> window;
};

TEST_F(MobileWindowTest, ShowsItsCaptionsAndNote) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("手机号码测算"));
    EXPECT_EQ(window->RzLabel1->text(), QStringLiteral("输入号码："));
    EXPECT_EQ(window->RzLabel2->text(), QStringLiteral("请注意：手机号码是11位，请正确输入。"));
    EXPECT_EQ(window->RzLabel5->text(), QStringLiteral("手机号码是："));
    EXPECT_EQ(window->RzLabel8->size(), QSize(337, 83));
    EXPECT_TRUE(window->RzLabel3->text().startsWith(QStringLiteral("注：有些人会问")));
    EXPECT_TRUE(WrappedTextFits(window->RzLabel3, window->RzLabel3->text()));
    EXPECT_TRUE(LineFits(window->RzLabel2, window->RzLabel2->text()));
}

TEST_F(MobileWindowTest, EnterComputesTheReadingOfTheLastFourDigits) {
    compute("13800005678"); // 5678 mod 80 = 78
    EXPECT_EQ(results(), (std::vector<QString>{QStringLiteral("13800005678"), QStringLiteral("华而不实，须防破财"),
                                               QStringLiteral("凶"),
                                               QStringLiteral("此号外表体面，进账却少，用时宜多留心钱财。")}));
    compute("15900000080");
    EXPECT_EQ(window->RzLabel10->text(), QStringLiteral("尾数逢零，周而复始"));
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(MobileWindowTest, EveryPrefixFrom13To19IsTakenAndTheFieldsAreTrimmed) {
    for (const char *number : {"13900001237", "14700001237", "16600001237", "18800001237", "19900001237"}) {
        compute(number);
        EXPECT_EQ(results(), (std::vector<QString>{QString::fromLatin1(number), QStringLiteral("中规中矩，平稳度日"),
                                                   QStringLiteral("吉带凶"),
                                                   QStringLiteral("此号平稳，少有大起大落，宜守不宜攻。")}))
            << number;
    }
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(MobileWindowTest, RefusedNumbersGetTheirMessageAndTheLabelsStay) {
    compute("13800005678");
    const auto before = results();
    struct Case {
        const char *number, *message;
    };
    for (const Case &c :
         {Case{"", "请输入11位手机号码！"}, Case{"1380000567", "请输入11位手机号码！"},
          Case{"1", "请输入11位手机号码！"}, Case{"12800005678", "请输入正确的手机号码！"},
          Case{"10000000000", "请输入正确的手机号码！"}, Case{"23800005678", "请输入正确的手机号码！"}}) {
        platform.messages.clear();
        compute(c.number);
        EXPECT_EQ(platform.messages, std::vector<std::string>{c.message}) << c.number;
        EXPECT_EQ(results(), before) << c.number;
    }
}

TEST_F(MobileWindowTest, OnlyElevenDigitsCanBeTyped) {
    QTest::keyClicks(window->edtmun, "138a-0000 5678.99");
    EXPECT_EQ(window->edtmun->text(), QStringLiteral("13800005678"));
    window->edtmun->clear();
    Commit(window->edtmun, QStringLiteral("一三八１39"));
    EXPECT_EQ(window->edtmun->text(), QStringLiteral("39"));
}

TEST_F(MobileWindowTest, AKeyWithoutRowShowsTheNumberAlone) {
    compute("13800005678");
    compute("13800000079");
    EXPECT_EQ(results(), (std::vector<QString>{QStringLiteral("13800000079"), QString(), QString(), QString()}));
}

TEST_F(MobileWindowTest, AnUnreadableDatabaseEndsSilentlyAndTheLabelsStay) {
    compute("13800005678");
    const auto before = results();
    platform.program_directory = MINGSHU_FIXTURE_DIR "/absent/";
    compute("13800001237");
    EXPECT_EQ(results(), before);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(platform.errors.empty());
}

TEST_F(MobileWindowTest, APastedNumberWithLettersAtTheEndIsReportedAndTheLabelsStay) {
    compute("13800005678");
    const auto before = results();
    window->edtmun->setText(QStringLiteral("1380000abcd"));
    PressEnter(window->edtmun);
    EXPECT_EQ(platform.errors, std::vector<std::string>{"“abcd”不是有效的整数"});
    EXPECT_EQ(results(), before);
}

TEST_F(MobileWindowTest, ClosingOnlyHidesTheWindow) {
    QPointer<TFrm_SJcs> alive = window.get();
    QTest::mouseClick(window->RzBitBtn2, Qt::LeftButton);
    QApplication::processEvents();
    ASSERT_FALSE(alive.isNull());
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MobileWindowTest, EveryReadingOfTheRealTableFits) {
    const auto table = mingshu::content::ReadTsv(std::string(MINGSHU_SOURCE_DIR) + "/data/dream/shouji.tsv");
    ASSERT_EQ(table.rows.size(), 80u);
    for (const auto &row : table.rows) {
        EXPECT_TRUE(LineFits(window->RzLabel10, Q(row[1]))) << row[0];
        EXPECT_TRUE(LineFits(window->RzLabel9, Q(row[2]))) << row[0];
        EXPECT_TRUE(WrappedTextFits(window->RzLabel8, Q(row[3]))) << row[0];
    }
}

// ---------------------------------------------------------------------------------------------------------------
// The online-name window

class NicknameWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<TFrmWangming>();
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        window->show();
        QApplication::processEvents();
    }
    void compute(const QString &nickname) {
        window->edtmun->clear();
        Commit(window->edtmun, nickname);
        PressEnter(window->edtmun);
    }

    mingshu::testing::RecordingPlatform platform;
    std::unique_ptr<TFrmWangming> window;
};

TEST_F(NicknameWindowTest, EnterShowsTheNicknameAndTheTraitOfItsLastLetter) {
    struct Case {
        QString nickname, trait;
    };
    const Case cases[] = {
        {QStringLiteral("小明"), QStringLiteral("反复无常，喜欢模仿神秘人物举动的小孩子性格，但是常常被宠爱")},
        {QStringLiteral("小明2"), QStringLiteral("老实，沉默")},
        {QStringLiteral("小明0"), QStringLiteral("煽情高手")}, // stored with a leading blank, shown trimmed
        {QStringLiteral("⑩"), QStringLiteral("煽情高手")},
        {QStringLiteral("Ω"), QStringLiteral("勤劳肯干，活跃")},
        {QStringLiteral("ｈ"), QStringLiteral("自立，自强，可依靠")},
        {QStringLiteral("小〇"), QString()}, // a character without reading: no trait, no message
    };
    for (const Case &c : cases) {
        compute(c.nickname);
        EXPECT_EQ(window->RzLabel11->text(), QStringLiteral("你的网名：") + c.nickname);
        EXPECT_EQ(window->RzLabel8->text(), QStringLiteral("你的性格：") + c.trait);
    }
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(NicknameWindowTest, TypedLettersShowInUpperCaseAndEveryKeyPasses) {
    QTest::keyClicks(window->edtmun, "abc!");
    EXPECT_EQ(window->edtmun->text(), QStringLiteral("ABC!"));
    PressEnter(window->edtmun);
    EXPECT_EQ(window->RzLabel11->text(), QStringLiteral("你的网名：ABC!"));
    EXPECT_EQ(window->RzLabel8->text(), QStringLiteral("你的性格：可爱，较明显的自恋"));
}

TEST_F(NicknameWindowTest, TheEntryHoldsEighteenBytes) {
    Commit(window->edtmun, QStringLiteral("一二三四五六七八九十"));
    EXPECT_EQ(window->edtmun->text(), QStringLiteral("一二三四五六七八九"));
    window->edtmun->clear();
    QTest::keyClicks(window->edtmun, "abcdefghijklmnopqrstuvwxyz");
    EXPECT_EQ(window->edtmun->text(), QStringLiteral("ABCDEFGHIJKLMNOPQR"));
}

TEST_F(NicknameWindowTest, ACharacterGbkCannotWriteGetsTheRetryText) {
    compute(QStringLiteral("小") + QString::fromUtf8("😀"));
    EXPECT_EQ(window->RzLabel11->text(), QStringLiteral("你的网名：小") + QString::fromUtf8("😀"));
    EXPECT_EQ(window->RzLabel8->text(), QStringLiteral("请重新输入网名，请不要输入特殊字符！"));
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(platform.errors.empty());
}

TEST_F(NicknameWindowTest, AnEmptyNicknameGetsItsMessageAndTheLabelsStay) {
    compute(QStringLiteral("小明"));
    const auto before = Labels({window->RzLabel11, window->RzLabel8});
    window->edtmun->setText(QStringLiteral("  "));
    QTest::mouseClick(window->RzBitBtn1, Qt::LeftButton);
    EXPECT_EQ(platform.messages, std::vector<std::string>{"请输入你的网名！"});
    EXPECT_EQ(Labels({window->RzLabel11, window->RzLabel8}), before);
}

TEST_F(NicknameWindowTest, EveryTraitAndTheLongestNicknameFit) {
    for (char c = 'a'; c <= 'z'; ++c)
        EXPECT_TRUE(WrappedTextFits(window->RzLabel8, QStringLiteral("你的性格：") + Q(num::TraitOfLetter(c)))) << c;
    EXPECT_TRUE(WrappedTextFits(window->RzLabel8, QStringLiteral("请重新输入网名，请不要输入特殊字符！")));
    EXPECT_TRUE(LineFits(window->RzLabel11, QStringLiteral("你的网名：WWWWWWWWWWWWWWWWWW")));
}

// ---------------------------------------------------------------------------------------------------------------
// Opening from the main window: every use destroys the window of the last use and shows a fresh one

// Runs `act` on the modal window once it is shown, then closes it with its 关闭 button.
template <typename Window> void WhenShown(std::function<void(Window *)> act, int tries = 50) {
    QTimer::singleShot(10, [act, tries] {
        auto *w = dynamic_cast<Window *>(QApplication::activeModalWidget());
        if (!w) {
            if (tries > 0)
                WhenShown<Window>(act, tries - 1);
            else
                ADD_FAILURE() << "no modal window appeared";
            return;
        }
        act(w);
        QTest::mouseClick(w->RzBitBtn2, Qt::LeftButton);
    });
}

class OpeningTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform.program_directory = MINGSHU_FIXTURE_DIR "/";
        main = std::make_unique<TFrmmain>();
        main->show();
        QApplication::processEvents();
    }
    // Opens twice: the first window gets some input, the second must start empty, the first must be gone.
    template <typename Window> void openTwice(const std::function<void()> &open, const QString &caption) {
        QPointer<Window> first;
        WhenShown<Window>([&](Window *w) {
            first = w;
            EXPECT_EQ(w->windowTitle(), caption);
            QTest::keyClicks(w->edtmun, "13800005678");
            PressEnter(w->edtmun);
            EXPECT_FALSE(w->RzLabel11->text().isEmpty());
        });
        open();
        QApplication::processEvents();
        bool second_seen = false;
        WhenShown<Window>([&](Window *w) {
            second_seen = true;
            EXPECT_TRUE(first.isNull()) << "the window of the last use is still there";
            EXPECT_TRUE(w->edtmun->text().isEmpty());
            EXPECT_TRUE(w->RzLabel11->text().isEmpty());
        });
        open();
        EXPECT_TRUE(second_seen);
    }

    mingshu::testing::RecordingPlatform platform;
    std::unique_ptr<TFrmmain> main;
};

TEST_F(OpeningTest, QQFromTheMenuAndThePanel) {
    openTwice<TFrmQQhm>([&] { main->findMenuAction(QStringLiteral("QQ号码分析"))->trigger(); },
                        QStringLiteral("QQ号码测试"));
    openTwice<TFrmQQhm>([&] { main->findPanelButton(QStringLiteral("QQ号吉凶"))->click(); },
                        QStringLiteral("QQ号码测试"));
}

TEST_F(OpeningTest, AnyNumberFromTheMenuAndThePanel) {
    openTwice<TFrm_onther>([&] { main->findMenuAction(QStringLiteral("更多数字分析"))->trigger(); },
                           QStringLiteral("任意号码分析"));
    openTwice<TFrm_onther>([&] { main->findPanelButton(QStringLiteral("数字分析"))->click(); },
                           QStringLiteral("任意号码分析"));
}

TEST_F(OpeningTest, MobileFromTheMenuAndThePanel) {
    openTwice<TFrm_SJcs>([&] { main->findMenuAction(QStringLiteral("手机号码分析"))->trigger(); },
                         QStringLiteral("手机号码测算"));
    openTwice<TFrm_SJcs>([&] { main->findPanelButton(QStringLiteral("手机吉凶"))->click(); },
                         QStringLiteral("手机号码测算"));
}

TEST_F(OpeningTest, NicknameFromTheMenuAndThePanel) {
    openTwice<TFrmWangming>([&] { main->findMenuAction(QStringLiteral("网名分析"))->trigger(); },
                            QStringLiteral("网名与性格"));
    openTwice<TFrmWangming>([&] { main->findPanelButton(QStringLiteral("网名分析"))->click(); },
                            QStringLiteral("网名与性格"));
}

} // namespace
