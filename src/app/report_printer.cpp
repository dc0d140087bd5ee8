// Printing the report and its page set-up window.
#include "app/report_printer.h"

#include "common/errors.h"

#include <QAbstractTextDocumentLayout>
#include <QDateTime>
#include <QHBoxLayout>
#include <QLabel>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTextBlock>
#include <QTextDocument>
#include <QVBoxLayout>

namespace mingshu::app {
namespace {
constexpr double kHeaderFooterMm = 6.35;
}

void ConfigureReportPrinter(QPrinter &printer) {
    printer.setPageSize(QPageSize(QPageSize::Letter));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setPageMargins(QMarginsF(12.7, 12.7, 12.7, 12.7), QPageLayout::Millimeter);
}

void PrintReportLines(QPrinter &printer, const QStringList &lines, const QFont &font) {
    QPainter painter;
    if (!painter.begin(&printer))
        throw CommandError("无法启动打印机，报告没有打印。");
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    const double dots_per_mm = printer.resolution() / 25.4;
    const int band = static_cast<int>(kHeaderFooterMm * dots_per_mm);
    const QRect body(0, band, page.width(), page.height() - 2 * band);

    QFont print_font = font;
    // The screen font is in pixels; on paper the same size is kept in points of the printer's resolution.
    if (font.pixelSize() > 0)
        print_font.setPointSizeF(font.pixelSize() * 0.75 * 1.25);
    QTextDocument doc;
    doc.setDefaultFont(print_font);
    doc.documentLayout()->setPaintDevice(&printer);
    doc.setPageSize(body.size());
    doc.setDocumentMargin(0);
    doc.setPlainText(lines.join(QLatin1Char('\n')));

    // Break pages between lines, never through one.
    QList<int> page_starts{0};
    const double page_height = body.height();
    double page_top = 0;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        QRectF r = doc.documentLayout()->blockBoundingRect(b);
        if (r.bottom() - page_top > page_height && r.top() > page_top) {
            page_top = r.top();
            page_starts << static_cast<int>(page_top);
        }
    }
    const int pages = page_starts.size();
    QFont small = print_font;
    small.setPointSizeF(print_font.pointSizeF() * 0.8);
    for (int p = 0; p < pages; ++p) {
        if (p > 0)
            printer.newPage();
        painter.setFont(small);
        painter.setPen(Qt::darkGray);
        painter.drawText(QRect(0, 0, page.width(), band), Qt::AlignLeft | Qt::AlignVCenter,
                         QStringLiteral("明枢算命系统 · 测算结果"));
        painter.drawText(QRect(0, page.height() - band, page.width(), band), Qt::AlignHCenter | Qt::AlignVCenter,
                         QStringLiteral("第 %1 页，共 %2 页").arg(p + 1).arg(pages));
        const double top = page_starts[p];
        const double bottom = p + 1 < pages ? page_starts[p + 1] : doc.size().height();
        painter.save();
        painter.translate(body.left(), body.top() - top);
        QAbstractTextDocumentLayout::PaintContext ctx;
        ctx.clip = QRectF(0, top, body.width(), bottom - top);
        ctx.palette.setColor(QPalette::Text, Qt::black);
        painter.setClipRect(ctx.clip);
        doc.documentLayout()->draw(&painter, ctx);
        painter.restore();
    }
    painter.end();
}

ReportPrintSetup::ReportPrintSetup(QPrinter &printer, QStringList lines, QFont font, QWidget *parent)
    : QDialog(parent), printer_(printer), lines_(std::move(lines)), font_(std::move(font)) {
    setWindowTitle(QStringLiteral("打印设置"));
    auto *v = new QVBoxLayout(this);
    summary_ = new QLabel(this);
    v->addWidget(summary_);
    auto *row = new QHBoxLayout;
    auto add = [&](const QString &text, void (ReportPrintSetup::*slot)()) {
        auto *b = new QPushButton(text, this);
        connect(b, &QPushButton::clicked, this, slot);
        row->addWidget(b);
        return b;
    };
    add(QStringLiteral("页面设置..."), &ReportPrintSetup::openPageDialog);
    add(QStringLiteral("打印预览..."), &ReportPrintSetup::openPreview);
    add(QStringLiteral("打印..."), &ReportPrintSetup::openPrintDialog);
    auto *close = new QPushButton(QStringLiteral("关闭"), this);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    row->addWidget(close);
    v->addLayout(row);
    refreshSummary();
}

void ReportPrintSetup::refreshSummary() {
    QPageLayout layout = printer_.pageLayout();
    QMarginsF m = layout.margins(QPageLayout::Millimeter);
    summary_->setText(
        QStringLiteral("纸张：%1\n页边距（毫米）：上 %2  下 %3  左 %4  右 %5\n页眉、页脚区域：各 6.35 毫米")
            .arg(layout.pageSize().name())
            .arg(m.top(), 0, 'f', 1)
            .arg(m.bottom(), 0, 'f', 1)
            .arg(m.left(), 0, 'f', 1)
            .arg(m.right(), 0, 'f', 1));
}

void ReportPrintSetup::openPageDialog() {
    QPageSetupDialog dialog(&printer_, this);
    dialog.exec();
    refreshSummary();
}

void ReportPrintSetup::openPreview() {
    QPrintPreviewDialog preview(&printer_, this);
    preview.setWindowTitle(QStringLiteral("打印预览"));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter *printer) { PrintReportLines(*printer, lines_, font_); });
    preview.exec();
}

void ReportPrintSetup::openPrintDialog() {
    QPrintDialog dialog(&printer_, this);
    dialog.setWindowTitle(QStringLiteral("打印"));
    if (dialog.exec() == QDialog::Accepted)
        PrintReportLines(printer_, lines_, font_);
}

} // namespace mingshu::app
