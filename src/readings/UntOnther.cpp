// TFormOnther: the omen window — seven pages of time-of-day omens, one shown, chosen by the opening command.
#include "readings/UntOnther.h"

#include "readings/ReaderWidgets.h"
#include "readings/omens.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace mingshu::readings;

QPointer<TFormOnther> FormOnther;

namespace {

constexpr int kGradientFrom = 16510157;
constexpr int kGradientTo = 15133909;

// The memo names of the seven pages, as the window has always had them.
constexpr std::array<const char *, 7> kMemoNames = {"RzMemo1", "RzMemo2", "RzMemo3", "RzMemo4",
                                                    "RzMemo5", "RzMemo8", "RzMemo7"};

// The panel under everything: a grooved frame on a vertical gradient.
class GradientPanel : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override {
        QPainter p(this);
        QLinearGradient g(0, 0, 0, height());
        g.setColorAt(0, ui::WinColour(kGradientFrom));
        g.setColorAt(1, ui::WinColour(kGradientTo));
        p.fillRect(rect(), g);
        QRect r = rect().adjusted(0, 0, -1, -1);
        p.setPen(palette().color(QPalette::Mid));
        p.drawRect(r);
        p.setPen(palette().color(QPalette::Light));
        p.drawRect(r.adjusted(1, 1, -1, -1));
    }
};

} // namespace

TFormOnther::TFormOnther(QWidget *parent) : QWidget(parent, ui::SystemMenuOnly()) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("FormOnther"));
    setFont(ui::SongFont(12));
    // The outer size is 388 by 283; the frame of the desktop takes its part of it.
    setFixedSize(380, 256);

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    RzPanel1 = new GradientPanel(this);
    RzPanel1->setObjectName(QStringLiteral("RzPanel1"));
    outer->addWidget(RzPanel1);

    auto *column = new QVBoxLayout(RzPanel1);
    column->setContentsMargins(6, 6, 6, 4);
    column->setSpacing(2);

    RzPageControl1 = new QTabWidget(RzPanel1);
    RzPageControl1->setObjectName(QStringLiteral("RzPageControl1"));
    // The tab row is out of reach: the page is chosen by the command that opens the window, never by the user.
    RzPageControl1->tabBar()->hide();
    RzPageControl1->setDocumentMode(true);
    for (int page = 0; page < kOmenPageCount; ++page) {
        auto *sheet = new QWidget;
        sheet->setObjectName(QStringLiteral("TabSheet%1").arg(page + 1));
        auto *layout = new QVBoxLayout(sheet);
        layout->setContentsMargins(0, 0, 0, 0);
        auto *memo = new QPlainTextEdit(sheet);
        memo->setObjectName(QString::fromLatin1(kMemoNames[static_cast<std::size_t>(page)]));
        memo->setReadOnly(true);
        memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        QPalette palette = memo->palette();
        palette.setColor(QPalette::Base, Qt::white);
        memo->setPalette(palette);
        memo->setPlainText(ui::JoinedLines(OmenPageLines(page)));
        layout->addWidget(memo);
        RzPageControl1->addTab(sheet, QString::fromStdString(OmenCaption(page)));
        TabSheets[static_cast<std::size_t>(page)] = sheet;
        Memos[static_cast<std::size_t>(page)] = memo;
    }
    column->addWidget(RzPageControl1, 1);

    // The note ends every line with CR LF; the label shows them as plain line breaks.
    QString note = QString::fromStdString(OmenNoteText());
    note.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    RzLabel1 = new QLabel(note.trimmed(), RzPanel1);
    RzLabel1->setObjectName(QStringLiteral("RzLabel1"));
    RzLabel1->setWordWrap(true);
    column->addWidget(RzLabel1);
}

void TFormOnther::FormClose() {
    FormOnther = nullptr;
}

void TFormOnther::closeEvent(QCloseEvent *event) {
    FormClose();
    event->accept();
}

TFormOnther *ShowOmenWindow(const std::string &caption, int page, QWidget *owner) {
    auto *window = new TFormOnther(owner);
    FormOnther = window;
    window->setWindowTitle(QString::fromStdString(caption));
    if (page >= 0 && page < kOmenPageCount)
        window->RzPageControl1->setCurrentIndex(page);
    window->show();
    ui::CentreOnScreen(window);
    return window;
}
