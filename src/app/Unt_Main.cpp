// TFrmmain: layout of the main window, the input bar with its checks, and the birth-information command.
#include "app/Unt_Main.h"

#include "common/codec.h"
#include "common/errors.h"
#include "common/platform.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTextBlock>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QValidator>

using mingshu::app::MenuEntry;
using mingshu::app::Op;
using mingshu::app::OpArg;

namespace {

QString Q(const std::string &s) {
    return QString::fromStdString(s);
}

// Keeps an edit within a number of GBK bytes, also for pasted text: the longest prefix that fits is kept,
// and characters GBK cannot hold are dropped.
class GbkLimitValidator : public QValidator {
public:
    GbkLimitValidator(int limit, QObject *parent) : QValidator(parent), limit_(limit) {}
    State validate(QString &input, int &pos) const override {
        QString kept;
        int bytes = 0;
        for (QChar c : input) {
            if (c.isSurrogate())
                continue;
            std::string utf8 = QString(c).toStdString();
            if (!mingshu::IsGbkEncodable(utf8))
                continue;
            int n = static_cast<int>(mingshu::GbkLength(utf8));
            if (bytes + n > limit_)
                break;
            bytes += n;
            kept += c;
        }
        if (kept != input) {
            input = kept;
            pos = std::min(pos, static_cast<int>(kept.size()));
        }
        return Acceptable;
    }

private:
    int limit_;
};

// A picture of our own: a warm gradient with the product name, stretched over its area.
class BannerPicture : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient g(0, 0, width(), height());
        g.setColorAt(0, QColor(0x7a, 0x10, 0x10));
        g.setColorAt(0.55, QColor(0xb8, 0x2a, 0x1e));
        g.setColorAt(1, QColor(0xd9, 0x8c, 0x2b));
        p.fillRect(rect(), g);
        p.setPen(QPen(QColor(255, 215, 120, 90), 1.5));
        for (int i = 0; i < 8; ++i)
            p.drawEllipse(QPointF(width() - 90, height() / 2.0), 14.0 + i * 12, 14.0 + i * 12);
        QFont f = font();
        f.setPixelSize(34);
        f.setBold(true);
        p.setFont(f);
        p.setPen(QColor(0xff, 0xe0, 0x9a));
        p.drawText(QRect(24, 0, width(), height() - 14), Qt::AlignVCenter | Qt::AlignLeft,
                   QStringLiteral("明枢算命系统"));
        f.setPixelSize(13);
        f.setBold(false);
        p.setFont(f);
        p.setPen(QColor(0xff, 0xf2, 0xd6));
        p.drawText(QRect(28, height() - 28, width(), 20), Qt::AlignLeft, QStringLiteral("姓名 · 八字 · 星座 · 万年历"));
    }
};

// The report area's background: a pale paper tone with a faint border pattern.
class ReportBackground : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override {
        QPainter p(this);
        QLinearGradient g(0, 0, 0, height());
        g.setColorAt(0, QColor(0xfb, 0xf5, 0xe6));
        g.setColorAt(1, QColor(0xf1, 0xe4, 0xc8));
        p.fillRect(rect(), g);
        p.setPen(QColor(0xd8, 0xc3, 0x98));
        p.drawRect(rect().adjusted(6, 6, -7, -7));
        QFont f = font();
        f.setPixelSize(96);
        p.setFont(f);
        p.setPen(QColor(0xe6, 0xd4, 0xae));
        p.drawText(rect(), Qt::AlignCenter, QStringLiteral("命"));
    }
};

// A group heading of the command panel, drawn as a small picture.
class GroupHeading : public QWidget {
public:
    GroupHeading(const QString &text, QColor colour, QWidget *parent) : QWidget(parent), text_(text), colour_(colour) {
        setFixedHeight(24);
    }

protected:
    void paintEvent(QPaintEvent *) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient g(0, 0, width(), 0);
        g.setColorAt(0, colour_);
        g.setColorAt(1, colour_.lighter(170));
        p.setBrush(g);
        p.setPen(Qt::NoPen);
        p.drawRoundedRect(rect().adjusted(1, 1, -1, -1), 4, 4);
        p.setBrush(QColor(255, 240, 200));
        p.drawEllipse(QRectF(8, 6, 12, 12));
        QFont f = font();
        f.setBold(true);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(rect().adjusted(28, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, text_);
    }

private:
    QString text_;
    QColor colour_;
};

QIcon GroupIcon(QColor colour) {
    QPixmap pm(12, 12);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(colour);
    p.setPen(colour.darker(150));
    p.drawEllipse(QRectF(1.5, 1.5, 9, 9));
    return QIcon(pm);
}

const QColor kGroupColours[] = {QColor(0xa8, 0x32, 0x28), QColor(0x2e, 0x6e, 0x9e), QColor(0x6a, 0x3f, 0xa0),
                                QColor(0x2f, 0x8a, 0x5a), QColor(0xc0, 0x5a, 0x8a), QColor(0xb0, 0x7a, 0x1c)};

} // namespace

// --- MemoReport ---------------------------------------------------------------------------------------------

void MemoReport::clear() {
    memo_->clear();
    memo_->setProperty("hasLines", false);
}

void MemoReport::append(const std::string &line) {
    QTextCursor cursor(memo_->document());
    cursor.movePosition(QTextCursor::End);
    if (memo_->property("hasLines").toBool())
        cursor.insertBlock();
    cursor.insertText(Q(line));
    memo_->setProperty("hasLines", true);
}

std::vector<std::string> MemoReport::lines() const {
    std::vector<std::string> out;
    if (!memo_->property("hasLines").toBool())
        return out;
    for (QTextBlock b = memo_->document()->firstBlock(); b.isValid(); b = b.next())
        out.push_back(b.text().toStdString());
    return out;
}

void MemoReport::setLines(const std::vector<std::string> &lines) {
    clear();
    for (const auto &l : lines)
        append(l);
}

// --- TFrmmain -----------------------------------------------------------------------------------------------

TFrmmain::TFrmmain(QWidget *parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("TFrmmain"));
    setWindowTitle(QStringLiteral("明枢算命系统"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
    setFixedSize(800, 600);

    auto *central = new QWidget(this);
    auto *outer = new QVBoxLayout(central);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    banner = new BannerPicture(central);
    banner->setFixedHeight(84);
    EmbeddedWB2 = new QWidget(banner);
    EmbeddedWB2->setObjectName(QStringLiteral("EmbeddedWB2"));
    EmbeddedWB2->hide();
    outer->addWidget(banner);

    auto *middle = new QHBoxLayout;
    middle->setContentsMargins(0, 0, 0, 0);
    middle->setSpacing(0);
    commandPanel = new QScrollArea(central);
    commandPanel->setFixedWidth(193);
    commandPanel->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    commandPanel->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    commandPanel->setWidgetResizable(true);
    middle->addWidget(commandPanel);

    auto *column = new QVBoxLayout;
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    buildInputBar(column);
    buildReportArea(column);
    middle->addLayout(column, 1);
    outer->addLayout(middle, 1);
    buildBottomBar(outer);
    setCentralWidget(central);

    auto *welcome = new QLabel(QStringLiteral("欢迎使用明枢算命系统，祝您万事如意！"));
    welcome->setObjectName(QStringLiteral("statusWelcome"));
    statusBar()->addWidget(welcome, 1);
    auto *others = new QLabel(QStringLiteral("其他产品:"));
    others->setObjectName(QStringLiteral("statusOthers"));
    statusBar()->addPermanentWidget(others);

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    Timer2 = new QTimer(this);
    Timer2->setInterval(1000);

    report_ = std::make_unique<MemoReport>(RzMemo1);
    registerOp(Op::BirthInfo, [this](const OpArg &) {
        if (WriteBirthSection())
            RevealReport();
    });
    mingshu::app::RegisterOperations(*this);
    buildMenus();
    buildCommandPanel();
}

TFrmmain::~TFrmmain() = default;

void TFrmmain::buildInputBar(QVBoxLayout *column) {
    auto *bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("inputBar"));
    bar->setFixedHeight(47);
    bar->setAutoFillBackground(true);
    QPalette pal = bar->palette();
    pal.setColor(QPalette::Window, QColor(0xf3, 0xe9, 0xd2));
    bar->setPalette(pal);
    auto *rows = new QVBoxLayout(bar);
    rows->setContentsMargins(4, 2, 4, 2);
    rows->setSpacing(2);
    auto *row1 = new QHBoxLayout;
    row1->setSpacing(3);
    auto *row2 = new QHBoxLayout;
    row2->setSpacing(4);

    auto label = [&](const char *text) {
        auto *l = new QLabel(QString::fromUtf8(text), bar);
        row1->addWidget(l);
        return l;
    };
    auto combo = [&](const QStringList &items, const QString &initial, int width, const char *name) {
        auto *c = new QComboBox(bar);
        c->setObjectName(QString::fromUtf8(name));
        c->setEditable(true);
        c->addItems(items);
        c->setCurrentText(initial);
        c->setFixedWidth(width);
        c->setMaxVisibleItems(16);
        row1->addWidget(c);
        return c;
    };
    auto nameEdit = [&](const char *name) {
        auto *e = new QLineEdit(bar);
        e->setObjectName(QString::fromUtf8(name));
        e->setFixedWidth(38);
        e->setValidator(new GbkLimitValidator(4, e));
        e->installEventFilter(this);
        row1->addWidget(e);
        return e;
    };

    label("姓");
    NameA = nameEdit("NameA");
    label("名");
    NameB = nameEdit("NameB");
    label("姓别");
    Sex = combo({QStringLiteral("男"), QStringLiteral("女")}, QStringLiteral("男"), 42, "Sex");
    label("血型");
    Xuxing = combo({QStringLiteral("A型"), QStringLiteral("B型"), QStringLiteral("O型"), QStringLiteral("AB型")},
                   QStringLiteral("A型"), 50, "Xuxing");
    label("生日(公历) ");
    QStringList years, months, days, hours;
    // The year list covers the whole range of the lunar table, so births since 2020 can be chosen.
    for (int y = 1900; y <= 2100; ++y)
        years << QString::number(y);
    for (int m = 1; m <= 12; ++m)
        months << QString::number(m);
    for (int d = 1; d <= 31; ++d)
        days << QString::number(d);
    for (int h = 0; h < 24; ++h)
        hours << Q(mingshu::app::HourItem(h));
    SYear = combo(years, QStringLiteral("1980"), 56, "SYear");
    label("年");
    SMonth = combo(months, QStringLiteral("1"), 40, "SMonth");
    label("月");
    Sday = combo(days, QStringLiteral("1"), 40, "Sday");
    label("日");
    Shour = combo(hours, QStringLiteral("子 0"), 56, "Shour");
    label("时");
    row1->addStretch(1);

    auto *hint = new QLabel(QStringLiteral("请填写姓名和生日信息，最后确定测算！"), bar);
    hint->setObjectName(QStringLiteral("hintLine"));
    hint->setStyleSheet(QStringLiteral("color: #8a2a1a;"));
    row2->addWidget(hint, 1);
    auto button = [&](const char *text, Op op) {
        auto *b = new QPushButton(QString::fromUtf8(text), bar);
        b->setFixedSize(64, 20);
        connect(b, &QPushButton::clicked, this, [this, op] { runOp(op); });
        row2->addWidget(b);
        return b;
    };
    RzBitBtn1 = button("确认测算", Op::CombinedReport);
    RzBitBtn2 = button("帮助中心", Op::HelpTopics);
    RzBitBtn3 = button("关于系统", Op::About);

    rows->addLayout(row1);
    rows->addLayout(row2);
    column->addWidget(bar);
}

void TFrmmain::buildReportArea(QVBoxLayout *column) {
    reportArea = new ReportBackground(this);
    reportArea->setObjectName(QStringLiteral("reportArea"));
    reportArea->installEventFilter(this);
    RzMemo1 = new QPlainTextEdit(reportArea);
    RzMemo1->setObjectName(QStringLiteral("RzMemo1"));
    RzMemo1->setReadOnly(true);
    RzMemo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    RzMemo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RzMemo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    RzMemo1->setContextMenuPolicy(Qt::NoContextMenu);
    QPalette pal = RzMemo1->palette();
    // Colour value 15663094 is 0xEEFFF6 with red in the low byte: a pale mint.
    pal.setColor(QPalette::Base, QColor(0xF6, 0xFF, 0xEE));
    pal.setColor(QPalette::Highlight, QColor(0x31, 0x6a, 0xc5));
    pal.setColor(QPalette::HighlightedText, Qt::white);
    pal.setColor(QPalette::Inactive, QPalette::Highlight, QColor(0x31, 0x6a, 0xc5));
    pal.setColor(QPalette::Inactive, QPalette::HighlightedText, Qt::white);
    RzMemo1->setPalette(pal);
    RzMemo1->hide();
    RzMemo1->setProperty("hasLines", false);

    EmbeddedWB1 = new QWidget(reportArea);
    EmbeddedWB1->setObjectName(QStringLiteral("EmbeddedWB1"));
    EmbeddedWB1->hide();
    Memo1 = new QPlainTextEdit(reportArea);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->hide();
    column->addWidget(reportArea, 1);
}

void TFrmmain::buildBottomBar(QVBoxLayout *column) {
    bottomBar = new QWidget(this);
    bottomBar->setObjectName(QStringLiteral("bottomBar"));
    bottomBar->setFixedHeight(30);
    auto *row = new QHBoxLayout(bottomBar);
    row->setContentsMargins(200, 3, 8, 3);
    row->setSpacing(6);
    row->addStretch(1);
    const std::pair<const char *, Op> buttons[] = {{"打印", Op::PrintReport},
                                                   {"保存", Op::SaveReport},
                                                   {"QQ服务", Op::QQChat},
                                                   {"客户服务", Op::Service},
                                                   {"退出", Op::Exit}};
    for (const auto &[caption, op] : buttons) {
        auto *b = new QPushButton(QString::fromUtf8(caption), bottomBar);
        b->setFixedSize(70, 24);
        Op bound = op;
        connect(b, &QPushButton::clicked, this, [this, bound] { runOp(bound); });
        row->addWidget(b);
        bottomButtons[caption] = b;
    }
    column->addWidget(bottomBar);
}

void TFrmmain::addMenuEntries(QMenu *menu, const std::vector<MenuEntry> &entries) {
    for (const auto &entry : entries) {
        if (entry.separator_before)
            menu->addSeparator();
        if (!entry.submenu.empty()) {
            QMenu *sub = menu->addMenu(Q(entry.caption));
            addMenuEntries(sub, entry.submenu);
            continue;
        }
        QAction *action = menu->addAction(Q(entry.caption));
        Op op = entry.op;
        OpArg arg = entry.arg;
        connect(action, &QAction::triggered, this, [this, op, arg] { runOp(op, arg); });
    }
}

void TFrmmain::buildMenus() {
    for (const auto &top : mingshu::app::MainMenu()) {
        QMenu *menu = menuBar()->addMenu(Q(top.caption));
        addMenuEntries(menu, top.submenu);
    }
}

void TFrmmain::buildCommandPanel() {
    auto *content = new QWidget;
    auto *v = new QVBoxLayout(content);
    v->setContentsMargins(6, 6, 6, 6);
    v->setSpacing(4);
    int index = 0;
    for (const auto &group : mingshu::app::CommandPanel()) {
        QColor colour = kGroupColours[index++ % 6];
        v->addWidget(new GroupHeading(Q(group.heading), colour, content));
        auto *grid = new QGridLayout;
        grid->setHorizontalSpacing(6);
        grid->setVerticalSpacing(3);
        QIcon icon = GroupIcon(colour);
        int i = 0;
        for (const auto &b : group.buttons) {
            auto *button = new QToolButton(content);
            button->setText(Q(b.caption));
            button->setIcon(icon);
            button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
            button->setFixedSize(73, 22);
            button->setAutoRaise(true);
            Op op = b.op;
            OpArg arg = b.arg;
            connect(button, &QToolButton::clicked, this, [this, op, arg] { runOp(op, arg); });
            grid->addWidget(button, i / 2, i % 2);
            ++i;
        }
        v->addLayout(grid);
    }
    v->addStretch(1);
    commandPanel->setWidget(content);
}

void TFrmmain::registerOp(Op op, OpHandler handler) {
    handlers_[op] = std::move(handler);
}

void TFrmmain::runOp(Op op, const OpArg &arg) {
    auto it = handlers_.find(op);
    if (it == handlers_.end() || !it->second)
        return;
    OpHandler handler = it->second;
    runGuarded([&] { handler(arg); });
}

void TFrmmain::runGuarded(const std::function<void()> &body) {
    try {
        body();
    } catch (const mingshu::SilentAbort &) {
        // A content lookup failed: the command ends without a word.
    } catch (const std::exception &e) {
        mingshu::CurrentPlatform().showError(e.what());
    } catch (...) {
        mingshu::CurrentPlatform().showError("发生未知错误");
    }
}

mingshu::app::InputBar TFrmmain::inputBar() const {
    mingshu::app::InputBar in;
    in.NameA = NameA->text().toStdString();
    in.NameB = NameB->text().toStdString();
    in.Sex = Sex->currentText().toStdString();
    in.Xuxing = Xuxing->currentText().toStdString();
    in.SYear = SYear->currentText().toStdString();
    in.SMonth = SMonth->currentText().toStdString();
    in.Sday = Sday->currentText().toStdString();
    in.Shour = Shour->currentText().toStdString();
    return in;
}

bool TFrmmain::ReadBirthProfile() {
    return mingshu::app::ReadBirthProfile(inputBar(), profile_);
}

bool TFrmmain::WriteBirthSection() {
    int year = static_cast<int>(mingshu::CurrentPlatform().today().year());
    return mingshu::app::WriteBirthSection(inputBar(), profile_, *report_, year);
}

void TFrmmain::RevealReport() {
    RzMemo1->show();
    web_panel_moved_ = true;
    layoutReportArea();
    ScrollReportToTop();
}

void TFrmmain::ScrollReportToTop() {
    auto lines = report_->lines();
    if (lines.empty()) {
        report_->setLines({""});
    }
    QTextCursor cursor(RzMemo1->document()->firstBlock());
    cursor.movePosition(QTextCursor::EndOfBlock);
    if (cursor.block().next().isValid())
        cursor.movePosition(QTextCursor::NextBlock);
    RzMemo1->setTextCursor(cursor);
    RzMemo1->verticalScrollBar()->setValue(0);
}

void TFrmmain::layoutReportArea() {
    QRect r = reportArea->rect();
    RzMemo1->setGeometry(r);
    if (web_panel_moved_)
        EmbeddedWB1->setGeometry(r.x(), 2000, r.width(), r.height());
    else
        EmbeddedWB1->setGeometry(r);
}

QAction *TFrmmain::findMenuAction(const QString &caption) const {
    std::function<QAction *(QMenu *)> search = [&](QMenu *menu) -> QAction * {
        for (QAction *a : menu->actions()) {
            if (a->menu()) {
                if (a->text() == caption)
                    return a;
                if (QAction *found = search(a->menu()))
                    return found;
            } else if (a->text() == caption) {
                return a;
            }
        }
        return nullptr;
    };
    for (QAction *top : menuBar()->actions()) {
        if (top->text() == caption)
            return top;
        if (top->menu())
            if (QAction *found = search(top->menu()))
                return found;
    }
    return nullptr;
}

QToolButton *TFrmmain::findPanelButton(const QString &caption) const {
    for (QToolButton *b : commandPanel->widget()->findChildren<QToolButton *>())
        if (b->text() == caption)
            return b;
    return nullptr;
}

void TFrmmain::showEvent(QShowEvent *event) {
    QMainWindow::showEvent(event);
    if (shown_once_)
        return;
    shown_once_ = true;
    if (QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    ADOQname.SetConnectionString(mingshu::content::FileDbConnectionString());
    ADOteam.SetConnectionString(mingshu::content::FileDbConnectionString());
    NameA->setFocus();
    emit firstShown();
}

void TFrmmain::closeEvent(QCloseEvent *event) {
    bool leave = true;
    runGuarded([&] { leave = !confirmClose || confirmClose(); });
    if (leave)
        event->accept();
    else
        event->ignore();
}

bool TFrmmain::eventFilter(QObject *watched, QEvent *event) {
    if ((watched == NameA || watched == NameB) && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        // Only characters from code 127 up pass, with backspace and Enter: plain ASCII typing is dropped,
        // so names come in through an input method. Shortcuts (Ctrl, Alt) and keys without text are not filtered.
        if (!(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) && !key->text().isEmpty()) {
            char16_t code = key->text().at(0).unicode();
            if (code < 127 && code != 8 && code != 13)
                return true;
        }
    }
    if (watched == reportArea && event->type() == QEvent::Resize)
        layoutReportArea();
    return QMainWindow::eventFilter(watched, event);
}
