// TFRM_Date: the perpetual calendar window. Everything it shows about a day comes from the almanac.
#include "calendar/DateWin.h"

#include "app/gui_helpers.h"

#include "calendar/almanac.h"
#include "common/platform.h"

#include <QEvent>
#include <QFrame>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QShowEvent>
#include <QToolButton>

#include <algorithm>

namespace {

using namespace std::chrono;
namespace cal = mingshu::calendar;

// Colours are kept as the calendar's colour values: red in the low byte, then green, then blue.
QColor WinColour(int value) {
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

constexpr int kBlue = 16711680;
constexpr int kYearWatermark = 14543103;
constexpr int kMonthWatermark = 15461355;
constexpr int kZodiacColour = 16768477;
constexpr int kStarSignColour = 16744703;
constexpr int kHighlightColour = 8512126;
constexpr int kMonthColour = 12615808;

using mingshu::gui::SongFont;

void SetTextColour(QWidget *widget, const QColor &colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

QLabel *MakeLabel(QWidget *parent, const char *name, const QString &text, const QRect &geometry, int pixels, int colour,
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    label->setFont(SongFont(pixels));
    label->setAlignment(alignment);
    SetTextColour(label, WinColour(colour));
    return label;
}

// A small tear-off calendar page for the picture area.
QPixmap CalendarPicture() {
    QPixmap pixmap(40, 40);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(150, 150, 150), 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(3.5, 6.5, 33, 31), 3, 3);
    p.setBrush(QColor(200, 40, 40));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(4, 7, 32, 9), 2, 2);
    p.setBrush(QColor(90, 90, 90));
    p.drawEllipse(QRectF(10, 3, 4, 7));
    p.drawEllipse(QRectF(26, 3, 4, 7));
    p.setPen(QColor(200, 40, 40));
    p.setFont(SongFont(16, true));
    p.drawText(QRect(4, 16, 32, 21), Qt::AlignCenter, QStringLiteral("历"));
    return pixmap;
}

} // namespace

void TDateLabel::mousePressEvent(QMouseEvent *event) {
    if (event->button() == Qt::LeftButton)
        emit pressed(this);
    QLabel::mousePressEvent(event);
}

void TDateLabel::mouseReleaseEvent(QMouseEvent *event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked(this);
    QLabel::mouseReleaseEvent(event);
}

TUpDown::TUpDown(int minimum, int maximum, QWidget *parent)
    : QWidget(parent), minimum_(minimum), maximum_(maximum), position_(minimum) {
    upButton = new QToolButton(this);
    upButton->setArrowType(Qt::UpArrow);
    downButton = new QToolButton(this);
    downButton->setArrowType(Qt::DownArrow);
    for (auto *b : {upButton, downButton}) {
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
    }
    resize(16, 26);
    upButton->setGeometry(0, 0, 16, 13);
    downButton->setGeometry(0, 13, 16, 13);
    connect(upButton, &QToolButton::clicked, this, [this] { step(1); });
    connect(downButton, &QToolButton::clicked, this, [this] { step(-1); });
}

void TUpDown::setPosition(int position) {
    position_ = std::clamp(position, minimum_, maximum_);
}

void TUpDown::step(int delta) {
    setPosition(position_ + delta);
    emit clicked();
}

TFRM_Date::TFRM_Date(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FRM_Date"));
    setWindowTitle(QStringLiteral("澄合日历"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(339, 319);
    setFont(SongFont(12));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    setAutoFillBackground(true);

    // Created back to front: frame and watermarks first, then the highlight, then the day labels over it.
    Shape1 = new QFrame(this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setGeometry(6, 34, 327, 236);
    Shape1->setStyleSheet(QStringLiteral("#Shape1 { border: 1px solid rgb(176, 196, 222); background: transparent; }"));

    Label16 = MakeLabel(this, "Label16", QString(), QRect(40, 70, 260, 160), 120, kMonthWatermark, Qt::AlignCenter);
    Label16->setFont(SongFont(120, true));
    Label20 = MakeLabel(this, "Label20", QString(), QRect(14, 52, 180, 70), 64, kYearWatermark);
    Label20->setFont(SongFont(64, true));
    Label21 = MakeLabel(this, "Label21", QString(), QRect(186, 198, 140, 48), 35, kZodiacColour,
                        Qt::AlignRight | Qt::AlignVCenter);

    Shape2 = new QFrame(this);
    Shape2->setObjectName(QStringLiteral("Shape2"));
    Shape2->resize(38, 30);
    Shape2->setStyleSheet(QStringLiteral("#Shape2 { background: %1; border: 1px solid %2; }")
                              .arg(WinColour(kHighlightColour).name(), WinColour(kHighlightColour).darker(130).name()));
    Shape2->setAttribute(Qt::WA_TransparentForMouseEvents);

    day1 = MakeLabel(this, "day1", QStringLiteral("1"), QRect(14, 56, 36, 16), 14, 0, Qt::AlignCenter);
    day1->hide();
    Cnday = MakeLabel(this, "Cnday", QStringLiteral("初一"), QRect(13, 73, 36, 12), 12, cal::kColourLunarDay,
                      Qt::AlignCenter);
    Cnday->hide();

    Label1 = new TDateLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(12, 4, 62, 28);
    Label1->setFont(SongFont(24, true));
    Label1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    SetTextColour(Label1, WinColour(kBlue));
    Label1->setCursor(Qt::PointingHandCursor);
    Label1->setToolTip(QStringLiteral("单击改变年份"));
    Label19 = MakeLabel(this, "Label19", QStringLiteral("年"), QRect(76, 12, 14, 16), 13, 0);
    UpDown1 = new TUpDown(cal::kAlmanacFirstYear, cal::kAlmanacLastYear, this);
    UpDown1->setObjectName(QStringLiteral("UpDown1"));
    UpDown1->move(92, 5);

    Label17 = new TDateLabel(this);
    Label17->setObjectName(QStringLiteral("Label17"));
    Label17->setGeometry(112, 4, 30, 28);
    Label17->setFont(SongFont(24, true));
    Label17->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    SetTextColour(Label17, WinColour(kMonthColour));
    Label17->setCursor(Qt::PointingHandCursor);
    Label17->setToolTip(QStringLiteral("单击改变月份"));
    Label18 = MakeLabel(this, "Label18", QStringLiteral("月"), QRect(144, 12, 14, 16), 13, 0);
    UpDown2 = new TUpDown(1, 12, this);
    UpDown2->setObjectName(QStringLiteral("UpDown2"));
    UpDown2->move(160, 5);

    StaticText1 = new TDateLabel(QStringLiteral("今天"), this);
    StaticText1->setObjectName(QStringLiteral("StaticText1"));
    StaticText1->setGeometry(286, 8, 40, 20);
    StaticText1->setFrameStyle(QFrame::Box | QFrame::Plain);
    StaticText1->setAlignment(Qt::AlignCenter);
    StaticText1->setCursor(Qt::PointingHandCursor);

    Bevel1 = new QFrame(this);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    Bevel1->setGeometry(0, 32, 339, 2);
    Bevel2 = new QFrame(this);
    Bevel2->setObjectName(QStringLiteral("Bevel2"));
    Bevel2->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    Bevel2->setGeometry(0, 272, 339, 2);

    static const char *const kWeekdays[7] = {"星期日", "星期一", "星期二", "星期三", "星期四", "星期五", "星期六"};
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 7; ++column) {
            const int colour = (column == 0 || column == 6) ? 255 : 0;
            const std::string name = "Label" + std::to_string(2 + row * 7 + column);
            weekdayLabels[static_cast<std::size_t>(row * 7 + column)] =
                MakeLabel(this, name.c_str(), QString::fromUtf8(kWeekdays[column]),
                          QRect(11 + 42 * column, row == 0 ? 38 : 251, 42, 14), 12, colour, Qt::AlignCenter);
        }

    Label22 = MakeLabel(this, "Label22", QString(), QRect(12, 282, 120, 28), 19, kStarSignColour);
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(290, 277, 40, 40);
    Image1->setPixmap(CalendarPicture());

    BuildDayGrid();

    connect(UpDown1, &TUpDown::clicked, this, [this] { UpDown1Click(); });
    connect(UpDown2, &TUpDown::clicked, this, [this] { UpDown2Click(); });
    connect(Label1, &TDateLabel::clicked, this, [this] { Label1Click(); });
    connect(Label17, &TDateLabel::clicked, this, [this] { Label17Click(); });
    connect(StaticText1, &TDateLabel::clicked, this, [this] { StaticText1Click(); });

    selected_ = TodayInRange();
}

void TFRM_Date::BuildDayGrid() {
    for (std::size_t i = 0; i < solarDays.size(); ++i) {
        auto *solar = new TDateLabel(this);
        auto *lunar = new TDateLabel(this);
        solar->setObjectName(QStringLiteral("solarDay%1").arg(i + 1));
        lunar->setObjectName(QStringLiteral("lunarDay%1").arg(i + 1));
        for (auto [label, pattern] : {std::pair{solar, day1}, std::pair{lunar, Cnday}}) {
            label->resize(pattern->size());
            label->setAlignment(pattern->alignment());
            label->setFont(pattern->font());
            SetTextColour(label, Qt::black);
            label->hide();
        }
        if (i == 0) {
            solar->move(day1->pos());
            lunar->move(Cnday->pos());
        } else if (i % 7 == 0) {
            // A new row: back to the first column, one row lower.
            solar->move(day1->x(), solarDays[i - 1]->y() + 32);
            lunar->move(Cnday->x(), lunarDays[i - 1]->y() + 32);
        } else {
            solar->move(solarDays[i - 1]->x() + 42, solarDays[i - 1]->y());
            lunar->move(lunarDays[i - 1]->x() + 42, lunarDays[i - 1]->y());
        }
        connect(solar, &TDateLabel::clicked, this, &TFRM_Date::CnDayClick);
        connect(lunar, &TDateLabel::clicked, this, &TFRM_Date::CHnDayClick);
        connect(solar, &TDateLabel::pressed, this, &TFRM_Date::CnDayMouseDown);
        connect(lunar, &TDateLabel::pressed, this, &TFRM_Date::ChnDateMouseDown);
        solarDays[i] = solar;
        lunarDays[i] = lunar;
    }
}

int TFRM_Date::DaysInMonthOf(int year, int month) {
    if (month < 1 || month > 12)
        return 0;
    const year_month_day_last last_day{std::chrono::year{year} / std::chrono::month{static_cast<unsigned>(month)} /
                                       std::chrono::last};
    return last_day.ok() ? static_cast<int>(static_cast<unsigned>(last_day.day())) : 0;
}

int TFRM_Date::DaysInMonthOfDate(year_month_day date) {
    return DaysInMonthOf(static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())));
}

year_month_day TFRM_Date::ClampedDate(int year, int month, int day) {
    const int length = DaysInMonthOf(year, month);
    return std::chrono::year{year} / std::chrono::month{static_cast<unsigned>(month)} /
           std::chrono::day{static_cast<unsigned>(std::clamp(day, 1, std::max(length, 1)))};
}

year_month_day TFRM_Date::TodayInRange() {
    const year_month_day today = mingshu::CurrentPlatform().today();
    const int year = static_cast<int>(today.year());
    const int day = static_cast<int>(static_cast<unsigned>(today.day()));
    if (year < cal::kAlmanacFirstYear)
        return ClampedDate(cal::kAlmanacFirstYear, 1, day);
    if (year > cal::kAlmanacLastYear)
        return ClampedDate(cal::kAlmanacLastYear, 12, day);
    return today;
}

void TFRM_Date::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    if (QScreen *s = screen())
        move(s->availableGeometry().center() - QPoint(width() / 2, height() / 2));
    FormShow();
}

void TFRM_Date::changeEvent(QEvent *event) {
    QDialog::changeEvent(event);
    if (event->type() != QEvent::ActivationChange)
        return;
    // The calendar is a quick look: it closes as soon as the user turns to another window.
    if (isActiveWindow())
        was_active_ = true;
    else if (was_active_ && isVisible())
        close();
}

void TFRM_Date::FormShow() {
    Year = static_cast<int>(selected_.year());
    Month = static_cast<int>(static_cast<unsigned>(selected_.month()));
    Day = static_cast<int>(static_cast<unsigned>(selected_.day()));
    UpDown1->setPosition(Year);
    UpDown2->setPosition(Month);
    ShowMonth(selected_);
}

void TFRM_Date::UpDown1Click() {
    Year = UpDown1->position();
    ShowMonth(ClampedDate(Year, Month, Day));
}

void TFRM_Date::UpDown2Click() {
    Month = UpDown2->position();
    ShowMonth(ClampedDate(Year, Month, Day));
}

void TFRM_Date::Label1Click() {
    UpDown1->show();
    UpDown2->hide();
}

void TFRM_Date::Label17Click() {
    UpDown2->show();
    UpDown1->hide();
}

void TFRM_Date::CnDayClick(TDateLabel *label) {
    Day = label->tag;
    SelectClickedDay();
}

void TFRM_Date::CHnDayClick(TDateLabel *label) {
    Day = label->tag;
    SelectClickedDay();
}

void TFRM_Date::SelectClickedDay() {
    // Only the selection changes; the grid and the star sign stay as they are.
    selected_ = std::chrono::year{Year} / std::chrono::month{static_cast<unsigned>(Month)} /
                std::chrono::day{static_cast<unsigned>(Day)};
}

void TFRM_Date::CnDayMouseDown(TDateLabel *label) {
    Shape2->move(label->x() - 1, label->y() + 1);
}

void TFRM_Date::ChnDateMouseDown(TDateLabel *label) {
    Shape2->move(label->x(), label->y() - 16);
}

void TFRM_Date::StaticText1Click() {
    selected_ = TodayInRange();
    FormShow();
}

void TFRM_Date::ShowMonth(year_month_day x) {
    const cal::AlmanacMonthView view = cal::BuildAlmanacMonth(x);
    const QString year_text = QString::number(static_cast<int>(x.year()));
    const QString month_text = QString::number(static_cast<unsigned>(x.month()));
    Label20->setText(year_text);
    Label1->setText(year_text);
    Label17->setText(month_text);
    Label16->setText(month_text);
    Label21->setText(QString::fromStdString(view.zodiac_year));

    for (std::size_t i = 0; i < solarDays.size(); ++i) {
        TDateLabel *solar = solarDays[i];
        TDateLabel *lunar = lunarDays[i];
        solar->hide();
        lunar->hide();
        SetTextColour(solar, Qt::black);
        SetTextColour(lunar, Qt::black);
        QFont font = solar->font();
        font.setPointSize(11);
        solar->setFont(font);

        const cal::AlmanacCell &cell = view.cells[i];
        if (cell.day == 0)
            continue;
        solar->setText(QString::number(cell.day));
        solar->tag = cell.day;
        lunar->tag = cell.day;
        lunar->setText(QString::fromStdString(cell.lunar_text));
        SetTextColour(lunar, WinColour(cell.colour));
        if (static_cast<int>(i) == view.selected_cell) {
            Shape2->move(solar->x() - 1, solar->y() + 1);
            Label22->setText(QString::fromStdString(view.star_sign));
        }
        solar->show();
        lunar->show();
    }
}
