// The calendar window as a user meets it: opening on today, the month grid, spinning, clicking, "今天".
#include "calendar/DateWin.h"

#include "app/Unt_Main.h"
#include "calendar/almanac.h"
#include "common/fake_platform.h"

#include <QApplication>
#include <QFrame>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

using namespace std::chrono;

year_month_day D(int y, unsigned m, unsigned d) {
    return year{y} / month{m} / day{d};
}

QColor WinColour(int v) {
    return QColor(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF);
}

class DateWinTest : public ::testing::Test {
protected:
    void open(year_month_day today) {
        platform.today_date = today;
        window = std::make_unique<TFRM_Date>();
        window->show();
        QApplication::processEvents();
    }

    // 1-based numbers of the cells whose labels are shown.
    std::vector<int> shownCells() const {
        std::vector<int> cells;
        for (std::size_t i = 0; i < 37; ++i) {
            EXPECT_EQ(window->solarDays[i]->isVisible(), window->lunarDays[i]->isVisible());
            if (window->solarDays[i]->isVisible())
                cells.push_back(static_cast<int>(i) + 1);
        }
        return cells;
    }
    TDateLabel *solar(int day) const { return find(window->solarDays, day); }
    TDateLabel *lunar(int day) const { return find(window->lunarDays, day); }
    static TDateLabel *find(const std::array<TDateLabel *, 37> &labels, int day) {
        for (auto *label : labels)
            if (label->isVisible() && label->tag == day)
                return label;
        ADD_FAILURE() << "no shown cell for day " << day;
        return labels[0];
    }
    // The day whose solar label the highlight sits under.
    int highlightedDay() const {
        for (auto *label : window->solarDays)
            if (label->isVisible() && window->Shape2->pos() == label->pos() + QPoint(-1, 1))
                return label->tag;
        return 0;
    }
    std::vector<QString> gridTexts() const {
        std::vector<QString> texts;
        for (std::size_t i = 0; i < 37; ++i)
            texts.push_back(window->solarDays[i]->text() + "/" + window->lunarDays[i]->text());
        return texts;
    }
    void click(QWidget *w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }
    void spin(TUpDown *updown, bool up, int times = 1) {
        for (int i = 0; i < times; ++i)
            click(up ? updown->upButton : updown->downButton);
    }
    int shownYear() const { return window->Label1->text().toInt(); }
    int shownMonth() const { return window->Label17->text().toInt(); }

    mingshu::testing::RecordingPlatform platform;
    std::unique_ptr<TFRM_Date> window;
};

TEST_F(DateWinTest, OpensOnTodaysMonthWithTodayHighlighted) {
    open(D(2026, 2, 10));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("澄合日历"));
    EXPECT_EQ(window->size(), QSize(339, 319));
    EXPECT_TRUE(window->UpDown1->isVisible());
    EXPECT_TRUE(window->UpDown2->isVisible());
    EXPECT_EQ(window->UpDown1->position(), 2026);
    EXPECT_EQ(window->UpDown2->position(), 2);
    EXPECT_EQ(window->Label1->text(), QStringLiteral("2026"));
    EXPECT_EQ(window->Label20->text(), QStringLiteral("2026"));
    EXPECT_EQ(window->Label17->text(), QStringLiteral("2"));
    EXPECT_EQ(window->Label16->text(), QStringLiteral("2"));
    EXPECT_EQ(window->Label21->text(), QStringLiteral("巳蛇")); // 17 February starts the horse year
    EXPECT_EQ(window->Label22->text(), QStringLiteral("水瓶座"));
    EXPECT_EQ(highlightedDay(), 10);
    EXPECT_EQ(window->selectedDate(), D(2026, 2, 10));
    EXPECT_EQ(window->weekdayLabels[0]->text(), QStringLiteral("星期日"));
    EXPECT_EQ(window->weekdayLabels[13]->text(), QStringLiteral("星期六"));
    EXPECT_EQ(window->weekdayLabels[6]->palette().color(QPalette::WindowText), QColor(Qt::red));
    EXPECT_EQ(window->weekdayLabels[3]->palette().color(QPalette::WindowText), QColor(Qt::black));
}

TEST_F(DateWinTest, CellsRunFromTheWeekdayOfTheFirst) {
    open(D(2026, 2, 1)); // a common-year February that begins on a Sunday
    std::vector<int> february(28);
    std::iota(february.begin(), february.end(), 1);
    EXPECT_EQ(shownCells(), february);
    EXPECT_EQ(window->solarDays[27]->text(), QStringLiteral("28"));
    // Cells keep their places: column 42 pixels apart, rows 32 pixels apart.
    EXPECT_EQ(window->solarDays[0]->geometry(), QRect(14, 56, 36, 16));
    EXPECT_EQ(window->lunarDays[0]->geometry(), QRect(13, 73, 36, 12));
    EXPECT_EQ(window->solarDays[36]->pos(), QPoint(14 + 42, 56 + 32 * 5));
    EXPECT_EQ(window->lunarDays[13]->pos(), QPoint(13 + 42 * 6, 73 + 32));

    open(D(2026, 7, 20));
    spin(window->UpDown2, true); // August 2026: 31 days from a Saturday
    std::vector<int> august(31);
    std::iota(august.begin(), august.end(), 7);
    EXPECT_EQ(shownCells(), august);
    EXPECT_EQ(window->solarDays[36]->text(), QStringLiteral("31"));
    EXPECT_EQ(window->lunarDays[36]->tag, 31);
}

TEST_F(DateWinTest, LunarLabelsShowDayMonthStartTermAndFestivalsInTheirColours) {
    open(D(2001, 5, 10));
    struct Case {
        int day;
        const char *text;
        int colour;
    };
    const Case cases[] = {
        {1, "劳动节", mingshu::calendar::kColourFestival},  {2, "初十", mingshu::calendar::kColourLunarDay},
        {4, "青年节", mingshu::calendar::kColourFestival},  {5, "立夏", mingshu::calendar::kColourSolarTerm},
        {13, "母亲节", mingshu::calendar::kColourFestival}, {21, "小满", mingshu::calendar::kColourSolarTerm},
        {23, "闰四", mingshu::calendar::kColourLunarMonth}, {24, "初二", mingshu::calendar::kColourLunarDay},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.day);
        EXPECT_EQ(lunar(c.day)->text(), QString::fromUtf8(c.text));
        EXPECT_EQ(lunar(c.day)->palette().color(QPalette::WindowText), WinColour(c.colour));
        EXPECT_EQ(solar(c.day)->palette().color(QPalette::WindowText), QColor(Qt::black));
    }
    open(D(2026, 2, 10));
    EXPECT_EQ(lunar(16)->text(), QStringLiteral("除夕"));
    EXPECT_EQ(lunar(17)->text(), QStringLiteral("春节"));
    EXPECT_EQ(lunar(17)->palette().color(QPalette::WindowText), WinColour(mingshu::calendar::kColourFestival));
}

TEST_F(DateWinTest, ShortMonthHighlightsItsLastDayWhileDayStays31) {
    open(D(2026, 1, 15));
    click(solar(31));
    EXPECT_EQ(window->Day, 31);
    spin(window->UpDown2, true);
    EXPECT_EQ(shownMonth(), 2);
    EXPECT_EQ(highlightedDay(), 28);
    EXPECT_EQ(window->Label22->text(), QStringLiteral("双鱼座"));
    EXPECT_EQ(window->Day, 31);
    spin(window->UpDown2, true);
    EXPECT_EQ(highlightedDay(), 31);
    EXPECT_EQ(window->Label22->text(), QStringLiteral("白羊座"));
    spin(window->UpDown1, false, 2); // March 2024
    EXPECT_EQ(shownYear(), 2024);
    EXPECT_EQ(highlightedDay(), 31);
}

TEST_F(DateWinTest, SpinButtonsStopAtTheirEnds) {
    open(D(2050, 11, 5));
    spin(window->UpDown2, true, 3);
    EXPECT_EQ(window->UpDown2->position(), 12);
    EXPECT_EQ(shownMonth(), 12);
    EXPECT_EQ(shownYear(), 2050); // the month does not carry into the next year
    spin(window->UpDown1, true);
    EXPECT_EQ(shownYear(), 2050);

    open(D(1901, 1, 3));
    spin(window->UpDown1, false);
    spin(window->UpDown2, false);
    EXPECT_EQ(window->UpDown1->position(), 1901);
    EXPECT_EQ(window->UpDown2->position(), 1);
    EXPECT_EQ(shownYear(), 1901);
    EXPECT_EQ(shownMonth(), 1);
    EXPECT_EQ(lunar(3)->text(), QStringLiteral("十三"));
}

TEST_F(DateWinTest, ClickingADaySelectsItWithoutRedrawing) {
    open(D(2026, 2, 10));
    const auto before = gridTexts();
    QTest::mousePress(lunar(20), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(window->Shape2->pos(), lunar(20)->pos() + QPoint(0, -16)); // the highlight follows at once
    EXPECT_EQ(highlightedDay(), 20);
    QTest::mouseRelease(lunar(20), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(window->selectedDate(), D(2026, 2, 20));
    EXPECT_EQ(window->Day, 20);
    EXPECT_EQ(window->Label22->text(), QStringLiteral("水瓶座")); // still the sign of the 10th
    EXPECT_EQ(gridTexts(), before);

    click(solar(3));
    EXPECT_EQ(highlightedDay(), 3);
    EXPECT_EQ(window->selectedDate(), D(2026, 2, 3));
}

TEST_F(DateWinTest, TodayBringsBackTodaysMonth) {
    open(D(2026, 12, 11));
    spin(window->UpDown1, false, 3);
    spin(window->UpDown2, false, 4);
    click(solar(2));
    EXPECT_EQ(window->selectedDate(), D(2023, 8, 2));
    click(window->StaticText1);
    EXPECT_EQ(shownYear(), 2026);
    EXPECT_EQ(shownMonth(), 12);
    EXPECT_EQ(window->UpDown1->position(), 2026);
    EXPECT_EQ(window->UpDown2->position(), 12);
    EXPECT_EQ(window->selectedDate(), D(2026, 12, 11));
    EXPECT_EQ(highlightedDay(), 11);
    EXPECT_EQ(window->Label22->text(), QStringLiteral("射手座"));
}

TEST_F(DateWinTest, YearAndMonthLabelsChooseTheSpinButton) {
    open(D(2026, 2, 10));
    click(window->Label1);
    EXPECT_TRUE(window->UpDown1->isVisible());
    EXPECT_FALSE(window->UpDown2->isVisible());
    click(window->Label17);
    EXPECT_FALSE(window->UpDown1->isVisible());
    EXPECT_TRUE(window->UpDown2->isVisible());
    EXPECT_EQ(window->Label1->toolTip(), QStringLiteral("单击改变年份"));
    EXPECT_EQ(window->Label17->toolTip(), QStringLiteral("单击改变月份"));
}

TEST_F(DateWinTest, TodayOutsideTheTablesOpensOnTheNearestMonth) {
    open(D(2061, 3, 31));
    EXPECT_EQ(shownYear(), 2050);
    EXPECT_EQ(shownMonth(), 12);
    EXPECT_EQ(highlightedDay(), 31);
    EXPECT_EQ(window->Label21->text(), QStringLiteral("午马"));

    open(D(1880, 2, 29));
    EXPECT_EQ(shownYear(), 1901);
    EXPECT_EQ(shownMonth(), 1);
    EXPECT_EQ(highlightedDay(), 29);
    click(window->StaticText1);
    EXPECT_EQ(window->selectedDate(), D(1901, 1, 29));
}

TEST_F(DateWinTest, ClosesWhenAnotherWindowBecomesActive) {
    open(D(2026, 2, 10));
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_FALSE(window->isVisible());
}

TEST(CalendarCommand, OpensTheCalendarModallyAndDropsTheLastOne) {
    mingshu::testing::RecordingPlatform platform;
    TFrmmain main_window;
    QPointer<TFRM_Date> first;
    QTimer::singleShot(0, [&] {
        first = main_window.findChild<TFRM_Date *>();
        ASSERT_TRUE(first);
        EXPECT_TRUE(first->isModal());
        EXPECT_TRUE(first->isVisible());
        first->close();
    });
    main_window.runOp(mingshu::app::Op::OpenCalendar);
    ASSERT_TRUE(first); // kept, hidden, after it closed
    EXPECT_FALSE(first->isVisible());

    QPointer<TFRM_Date> second;
    QTimer::singleShot(0, [&] {
        second = main_window.findChild<TFRM_Date *>();
        second->close();
    });
    main_window.runOp(mingshu::app::Op::OpenCalendar);
    EXPECT_FALSE(first);
    EXPECT_TRUE(second);
    EXPECT_EQ(main_window.findChildren<TFRM_Date *>().size(), 1);
}

} // namespace
