// TFrm_NanNv: the birth-sex chart window — the chart on two pages, a short text on a third, the note under them.
#include "readings/Untabt.h"

#include "readings/ReaderWidgets.h"
#include "readings/birth_sex_chart.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

using namespace mingshu::readings;

namespace {

const QColor kLine(0x9E, 0x9E, 0x9E);
const QColor kHeader(0xF3, 0xE9, 0xD2);
const QColor kHeaderText(0x5D, 0x40, 0x37);

} // namespace

TSexChart::TSexChart(int first_age, int last_age, const QString &title, QWidget *parent)
    : QWidget(parent), first_age_(first_age), last_age_(last_age), title_(title) {
    setMinimumSize(420, 300);
}

QColor TSexChart::BoyColour() {
    return QColor(0x1E, 0x63, 0xB4);
}

QColor TSexChart::GirlColour() {
    return QColor(0xD8, 0x3A, 0x6E);
}

TSexChart::Grid TSexChart::grid() const {
    Grid g;
    const double margin = 8;
    g.title = QRectF(margin, 4, width() - 2 * margin, 28);
    g.table = QRectF(margin, g.title.bottom() + 4, width() - 2 * margin, height() - g.title.bottom() - 4 - margin);
    const int columns = last_age_ - first_age_ + 1;
    g.cornerWidth = std::max(54.0, g.table.width() / (columns + 1.4) * 1.4);
    g.columnWidth = (g.table.width() - g.cornerWidth) / columns;
    g.headerHeight = std::max(34.0, g.table.height() / 13.6 * 1.6);
    g.rowHeight = (g.table.height() - g.headerHeight) / 12;
    return g;
}

QRectF TSexChart::cellRect(int age, int month) const {
    Grid g = grid();
    return QRectF(g.table.left() + g.cornerWidth + (age - first_age_) * g.columnWidth,
                  g.table.top() + g.headerHeight + (month - 1) * g.rowHeight, g.columnWidth, g.rowHeight);
}

void TSexChart::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.fillRect(rect(), Qt::white);
    Grid g = grid();

    p.setPen(kHeaderText);
    p.setFont(ui::SongFont(17, true));
    p.drawText(g.title, Qt::AlignCenter, title_);

    // Header row and month column.
    QRectF header(g.table.left(), g.table.top(), g.table.width(), g.headerHeight);
    QRectF months(g.table.left(), g.table.top(), g.cornerWidth, g.table.height());
    p.fillRect(header, kHeader);
    p.fillRect(months, kHeader);

    const int rowPixels = static_cast<int>(g.rowHeight);
    p.setFont(ui::SongFont(std::clamp(rowPixels - 9, 11, 15)));
    for (int age = first_age_; age <= last_age_; ++age) {
        QRectF cell = cellRect(age, 1);
        p.setPen(kHeaderText);
        p.drawText(QRectF(cell.left(), header.top(), cell.width(), header.height()), Qt::AlignCenter,
                   QStringLiteral("%1岁").arg(age));
    }
    for (int month = 1; month <= 12; ++month) {
        QRectF cell = cellRect(first_age_, month);
        p.setPen(kHeaderText);
        p.drawText(QRectF(months.left(), cell.top(), months.width(), cell.height()), Qt::AlignCenter,
                   QStringLiteral("%1月").arg(month));
        for (int age = first_age_; age <= last_age_; ++age) {
            auto sex = BirthSexChartCell(age, month);
            if (!sex)
                continue;
            QRectF c = cellRect(age, month);
            bool boy = *sex == ChartSex::Boy;
            p.fillRect(c.adjusted(1, 1, -1, -1), boy ? QColor(0xE3, 0xEE, 0xFA) : QColor(0xFC, 0xE4, 0xEC));
            p.setPen(boy ? BoyColour() : GirlColour());
            QFont f = ui::SongFont(std::clamp(rowPixels - 6, 12, 18), true);
            p.setFont(f);
            p.drawText(c, Qt::AlignCenter, QString::fromUtf8(ChartSexText(*sex)));
        }
        p.setFont(ui::SongFont(std::clamp(rowPixels - 9, 11, 15)));
    }

    // The lines of the grid, drawn on whole pixels so they stay crisp.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(kLine, 1));
    p.drawRect(g.table);
    for (int age = first_age_; age <= last_age_; ++age) {
        double x = std::round(cellRect(age, 1).left());
        p.drawLine(QPointF(x, g.table.top()), QPointF(x, g.table.bottom()));
    }
    for (int month = 1; month <= 12; ++month) {
        double y = std::round(cellRect(first_age_, month).top());
        p.drawLine(QPointF(g.table.left(), y), QPointF(g.table.right(), y));
    }

    // The corner: a diagonal with 怀孕 / 年龄 above it and 月份 below.
    QRectF corner(g.table.left(), g.table.top(), g.cornerWidth, g.headerHeight);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.drawLine(corner.topLeft(), corner.bottomRight());
    p.setPen(kHeaderText);
    p.setFont(ui::SongFont(11));
    p.drawText(corner.adjusted(2, 1, -2, -1), Qt::AlignRight | Qt::AlignTop, QStringLiteral("怀孕\n年龄"));
    p.drawText(corner.adjusted(3, 1, -2, -2), Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("月份"));
}

TFrm_NanNv::TFrm_NanNv(QWidget *parent) : QDialog(parent, ui::SystemMenuOnly() | Qt::Dialog) {
    setObjectName(QStringLiteral("Frm_NanNv"));
    setWindowTitle(QStringLiteral("生男生女"));
    setFont(ui::SongFont(12));
    // Outer size 594 by 480; the desktop's frame takes its part of it.
    setFixedSize(586, 453);
    setModal(true);

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("RzPanel1"));
    panel->setFrameStyle(QFrame::Box | QFrame::Sunken); // grooved
    panel->setAutoFillBackground(true);
    QPalette white = panel->palette();
    white.setColor(QPalette::Window, Qt::white);
    panel->setPalette(white);
    RzPanel1 = panel;
    outer->addWidget(panel);

    auto *column = new QVBoxLayout(panel);
    column->setContentsMargins(4, 4, 4, 6);
    column->setSpacing(6);

    RzPageControl1 = new QTabWidget(panel);
    RzPageControl1->setObjectName(QStringLiteral("RzPageControl1"));
    RzPageControl1->setFixedHeight(393);

    auto makeSheet = [this](const char *name, QWidget *content, const QString &caption) {
        auto *sheet = new QWidget;
        sheet->setObjectName(QString::fromLatin1(name));
        sheet->setAutoFillBackground(true);
        QPalette palette = sheet->palette();
        palette.setColor(QPalette::Window, Qt::white);
        sheet->setPalette(palette);
        auto *layout = new QVBoxLayout(sheet);
        layout->setContentsMargins(0, 0, 0, 0);
        content->setParent(sheet);
        layout->addWidget(content);
        RzPageControl1->addTab(sheet, caption);
        return sheet;
    };
    Image1 = new TSexChart(kChartFirstAge, kChartSecondPageFirstAge - 1, QStringLiteral("生男生女预测表：18-31岁"));
    Image1->setObjectName(QStringLiteral("Image1"));
    Image2 = new TSexChart(kChartSecondPageFirstAge, kChartLastAge, QStringLiteral("续表：32-44岁"));
    Image2->setObjectName(QStringLiteral("Image2"));
    Image3 = new QTextBrowser;
    Image3->setObjectName(QStringLiteral("Image3"));
    Image3->setFrameStyle(QFrame::NoFrame);
    Image3->setOpenLinks(false);
    {
        QString html = QStringLiteral("<h2 style=\"text-align:center; color:#8E1B12;\">%1</h2>")
                           .arg(QString::fromStdString(BirthSexArticleTitle()).toHtmlEscaped());
        for (const auto &paragraph : QString::fromStdString(BirthSexArticleText()).split(QLatin1Char('\n')))
            html += QStringLiteral("<p style=\"line-height:150%; margin: 0 12px 8px 12px; text-indent: 28px;\">%1</p>")
                        .arg(paragraph.toHtmlEscaped());
        Image3->setHtml(html);
        QFont font = ui::SongFont(14);
        Image3->setFont(font);
    }
    TabSheet1 = makeSheet("TabSheet1", Image1, QStringLiteral("18到31岁"));
    TabSheet2 = makeSheet("TabSheet2", Image2, QStringLiteral("32到44岁"));
    TabSheet3 = makeSheet("TabSheet3", Image3, QStringLiteral("生男生女有秘诀"));
    column->addWidget(RzPageControl1);

    RzLabel1 = new QLabel(QString::fromStdString(BirthSexChartNote()), panel);
    RzLabel1->setObjectName(QStringLiteral("RzLabel1"));
    RzLabel1->setWordWrap(true);
    RzLabel1->setFont(ui::SongFont(13));
    column->addWidget(RzLabel1);
    column->addStretch(1);
}

void TFrm_NanNv::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    ui::CentreOnScreen(this);
}
