// TFRM_Date: the perpetual calendar window — one solar month as a grid of days with their lunar labels.
#pragma once

#include <QDialog>
#include <QLabel>

#include <array>
#include <chrono>

class QFrame;
class QToolButton;

// A label that reports a press at once and a click on release, as the day cells, the year and month labels
// and "今天" need. `tag` carries the day number of a day cell.
class TDateLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
    int tag = 0;

signals:
    void pressed(TDateLabel *label);
    void clicked(TDateLabel *label);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};

// A spin button: two arrows holding a position within a range; an arrow moves it by one and never past an end.
class TUpDown : public QWidget {
    Q_OBJECT
public:
    TUpDown(int minimum, int maximum, QWidget *parent);
    int position() const { return position_; }
    void setPosition(int position);
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }

    QToolButton *upButton = nullptr;
    QToolButton *downButton = nullptr;

signals:
    // An arrow was pressed (also at an end, where the position stays).
    void clicked();

private:
    void step(int delta);
    int minimum_, maximum_, position_;
};

class TFRM_Date : public QDialog {
    Q_OBJECT
public:
    explicit TFRM_Date(QWidget *parent = nullptr);

    // The shown month's state: the spin buttons and the day clicks change it.
    int Year = 0;
    int Month = 0;
    int Day = 0;
    // The date the user picked last (today at first).
    std::chrono::year_month_day selectedDate() const { return selected_; }

    // Handlers, named after their controls.
    void FormShow();
    void UpDown1Click();
    void UpDown2Click();
    void Label1Click();
    void Label17Click();
    void CnDayClick(TDateLabel *label);
    void CHnDayClick(TDateLabel *label);
    void CnDayMouseDown(TDateLabel *label);
    void ChnDateMouseDown(TDateLabel *label);
    void StaticText1Click();
    void ShowMonth(std::chrono::year_month_day x);

    // The length of a month, 0 for a month that does not exist.
    static int DaysInMonthOf(int year, int month);
    static int DaysInMonthOfDate(std::chrono::year_month_day date);
    // The date of that year and month, the day cut back to the month's length.
    static std::chrono::year_month_day ClampedDate(int year, int month, int day);
    // Today, or the nearest day of the nearest month the calendar covers when today lies outside it.
    static std::chrono::year_month_day TodayInRange();

    // Controls
    TDateLabel *Label1 = nullptr;  // the year
    QLabel *Label19 = nullptr;     // 年
    TDateLabel *Label17 = nullptr; // the month
    QLabel *Label18 = nullptr;     // 月
    TUpDown *UpDown1 = nullptr;
    TUpDown *UpDown2 = nullptr;
    TDateLabel *StaticText1 = nullptr;        // 今天
    std::array<QLabel *, 14> weekdayLabels{}; // Label2 … Label8 above the grid, Label9 … Label15 below
    QLabel *Label20 = nullptr;                // year watermark
    QLabel *Label16 = nullptr;                // month watermark
    QLabel *Label21 = nullptr;                // zodiac year
    QLabel *Label22 = nullptr;                // star sign of the shown day
    QFrame *Shape2 = nullptr;                 // highlight
    QLabel *day1 = nullptr;                   // template of the solar day labels
    QLabel *Cnday = nullptr;                  // template of the lunar labels
    QFrame *Shape1 = nullptr;
    QLabel *Image1 = nullptr;
    QFrame *Bevel1 = nullptr;
    QFrame *Bevel2 = nullptr;
    std::array<TDateLabel *, 37> solarDays{};
    std::array<TDateLabel *, 37> lunarDays{};

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void BuildDayGrid();
    void SelectClickedDay();

    std::chrono::year_month_day selected_;
    bool was_active_ = false;
};
