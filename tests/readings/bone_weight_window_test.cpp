// The bone-weight window as a user meets it: the four boxes at opening, the computation, the year check, a total
// without reading, whether the real readings fit, and a fresh window on every opening from the main window.
#include "readings/Untgz.h"

#include "app/Unt_Main.h"
#include "common/fake_platform.h"
#include "content/tsv.h"
#include "readings/bone_weight.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace std::chrono;

class BoneWeightWindowTest : public ::testing::Test {
protected:
    void SetUp() override { platform.program_directory = MINGSHU_FIXTURE_DIR "/"; }
    void open(int this_year = 2026) {
        platform.today_date = year{this_year} / December / 11;
        window = std::make_unique<TFrmgzfx>();
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        window->show();
        QApplication::processEvents();
    }
    void choose(const char *y, const char *m, const char *d, const char *h) {
        const std::pair<QComboBox *, const char *> choices[] = {
            {window->ComboBoxyear, y}, {window->ComboBoxmonth, m}, {window->ComboBoxday, d}, {window->ComboBoxtime, h}};
        for (auto [box, text] : choices) {
            const int index = box->findText(QString::fromUtf8(text));
            ASSERT_GE(index, 0) << text;
            box->setCurrentIndex(index);
        }
    }
    void compute() { QTest::mouseClick(window->RzBitBtn1, Qt::LeftButton); }
    std::pair<QString, QString> results() { return {window->RzLabel2->text(), window->RzLabel1->text()}; }
    static QStringList Items(QComboBox *box) {
        QStringList items;
        for (int i = 0; i < box->count(); ++i)
            items << box->itemText(i);
        return items;
    }

    mingshu::testing::RecordingPlatform platform;
    std::unique_ptr<TFrmgzfx> window;
};

TEST_F(BoneWeightWindowTest, OpensWithTheCurrentYearAndTheFirstMonthDayAndHour) {
    open(2026);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("骨重分析"));
    const QStringList years = Items(window->ComboBoxyear);
    ASSERT_EQ(years.size(), 201);
    EXPECT_EQ(years.front(), QStringLiteral("1900"));
    EXPECT_EQ(years.back(), QStringLiteral("2100"));
    EXPECT_EQ(window->ComboBoxyear->currentText(), QStringLiteral("2026"));
    EXPECT_EQ(Items(window->ComboBoxmonth).join(QLatin1Char(' ')),
              QStringLiteral("正 二 三 四 五 六 七 八 九 十 十一 腊"));
    EXPECT_EQ(Items(window->ComboBoxday).size(), 30);
    EXPECT_EQ(Items(window->ComboBoxday).at(20), QStringLiteral("廿一"));
    EXPECT_EQ(Items(window->ComboBoxtime).size(), 24);
    EXPECT_EQ(window->ComboBoxmonth->currentText(), QStringLiteral("正"));
    EXPECT_EQ(window->ComboBoxday->currentText(), QStringLiteral("初一"));
    EXPECT_EQ(window->ComboBoxtime->currentText(), QStringLiteral("0"));
    for (QComboBox *box : {window->ComboBoxyear, window->ComboBoxmonth, window->ComboBoxday, window->ComboBoxtime})
        EXPECT_FALSE(box->isEditable());
    EXPECT_TRUE(window->RzLabel3->text().startsWith(QStringLiteral("注：骨重是通过出生时农历的年月日时辰来获得")));
}

TEST_F(BoneWeightWindowTest, ComputesTheWeightLineAndTheReading) {
    open();
    struct Case {
        const char *year, *month, *day, *hour, *line, *reading;
    };
    const Case cases[] = {
        {"1983", "正", "廿九", "2", "你的骨重为：4两", "四两之命，劳碌中见安稳，中年以后渐入佳境。"},
        {"1984", "正", "初一", "5", "你的骨重为：3两5钱", "三两五钱，生平福量不周全，守旧方能衣食无忧。"},
        {"1982", "二", "初二", "0", "你的骨重为：3两2钱", "三两二钱的命，勤俭度日，晚景渐好。"},
        {"1981", "二", "初二", "1", "你的骨重为：0两8钱",
         "骨轻如羽，福薄需自勉。\n轻到不足一两的骨重，只在试算里出现。"},
    };
    for (const Case &c : cases) {
        choose(c.year, c.month, c.day, c.hour);
        compute();
        EXPECT_EQ(results(), std::make_pair(QString::fromUtf8(c.line), QString::fromUtf8(c.reading))) << c.year;
    }
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(window->RzLabel2->palette().color(QPalette::WindowText), QColor(Qt::red));
}

TEST_F(BoneWeightWindowTest, ATotalWithoutReadingEmptiesTheLineAndKeepsTheLastReading) {
    open();
    choose("1984", "正", "初一", "5");
    compute();
    const QString reading = window->RzLabel1->text();
    choose("2026", "正", "初一", "0"); // 3.7 liang: no reading in the fixture
    compute();
    EXPECT_EQ(results(), std::make_pair(QString(), reading));
}

TEST_F(BoneWeightWindowTest, AYearOutsideTheListStartsWithoutSelectionAndAsksForOne) {
    open(2101);
    EXPECT_EQ(window->ComboBoxyear->currentIndex(), -1);
    compute();
    EXPECT_EQ(platform.messages, std::vector<std::string>{"请选择年！"});
    EXPECT_EQ(results(), std::make_pair(QString(), QString()));
    choose("1984", "正", "初一", "5");
    compute();
    EXPECT_EQ(window->RzLabel2->text(), QStringLiteral("你的骨重为：3两5钱"));
}

TEST_F(BoneWeightWindowTest, AnUnreadableDatabaseEndsSilentlyAndTheLabelsStay) {
    open();
    choose("1984", "正", "初一", "5");
    compute();
    const auto before = results();
    choose("1985", "正", "初一", "5"); // no weight for this year in the fixture
    compute();
    EXPECT_EQ(results(), before);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(platform.errors.empty());
}

TEST_F(BoneWeightWindowTest, EveryRealReadingFits) {
    open();
    const auto table = mingshu::content::ReadTsv(std::string(MINGSHU_SOURCE_DIR) + "/data/dream/chenggu.tsv");
    ASSERT_FALSE(table.rows.empty());
    for (const auto &row : table.rows) {
        window->RzLabel1->setText(QString::fromStdString(row[1]));
        EXPECT_LE(window->RzLabel1->heightForWidth(window->RzLabel1->width()), window->RzLabel1->height()) << row[0];
    }
    EXPECT_LE(window->RzLabel3->heightForWidth(window->RzLabel3->width()), window->RzLabel3->height());
    EXPECT_LE(window->RzLabel2->fontMetrics().horizontalAdvance(QStringLiteral("你的骨重为：7两2钱")),
              window->RzLabel2->width());
}

// Opening twice from the main window: the first window is gone and the second starts afresh.
TEST_F(BoneWeightWindowTest, EveryOpeningFromTheMainWindowStartsAfresh) {
    TFrmmain main;
    main.show();
    QApplication::processEvents();
    QPointer<TFrmgzfx> first;
    int shown = 0;
    std::function<void(int)> when_shown = [&](int tries) {
        QTimer::singleShot(10, [&, tries] {
            auto *w = dynamic_cast<TFrmgzfx *>(QApplication::activeModalWidget());
            if (!w) {
                if (tries > 0)
                    when_shown(tries - 1);
                else
                    ADD_FAILURE() << "no bone-weight window appeared";
                return;
            }
            ++shown;
            if (shown == 1) {
                first = w;
                w->ComboBoxyear->setCurrentIndex(0);
                w->ComboBoxmonth->setCurrentIndex(5);
                w->ComboBoxday->setCurrentIndex(9);
                w->ComboBoxtime->setCurrentIndex(7);
            } else {
                EXPECT_TRUE(first.isNull());
                EXPECT_EQ(w->ComboBoxyear->currentText(), QStringLiteral("2026"));
                EXPECT_EQ(w->ComboBoxyear->count(), 201);
                EXPECT_EQ(w->ComboBoxmonth->currentText(), QStringLiteral("正"));
                EXPECT_EQ(w->ComboBoxday->currentText(), QStringLiteral("初一"));
                EXPECT_EQ(w->ComboBoxtime->currentText(), QStringLiteral("0"));
            }
            QTest::mouseClick(w->RzBitBtn2, Qt::LeftButton);
        });
    };
    when_shown(50);
    main.findMenuAction(QStringLiteral("骨重算命..."))->trigger();
    QApplication::processEvents();
    when_shown(50);
    main.findPanelButton(QStringLiteral("骨重算命"))->click();
    EXPECT_EQ(shown, 2);
}

} // namespace
