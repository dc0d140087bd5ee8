// TFrmMsG: layout, the start-page offer and the two answers.
#include "periphery/EndMsg.h"

#include "periphery/start_page.h"
#include "periphery/vendor_config.h"

#include <QCheckBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace {

// A small question-mark picture of our own, drawn once.
QPixmap QuestionPicture() {
    QPixmap pm(41, 42);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(QPointF(16, 14), 26);
    g.setColorAt(0, QColor(0x7c, 0xb4, 0xf0));
    g.setColorAt(1, QColor(0x1f, 0x5c, 0xb0));
    p.setBrush(g);
    p.setPen(QPen(QColor(0x15, 0x40, 0x80), 1.2));
    p.drawEllipse(QRectF(2.5, 2.5, 36, 36));
    QFont f;
    f.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans CJK SC")});
    f.setPixelSize(26);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRectF(2.5, 2.5, 36, 36), Qt::AlignCenter, QStringLiteral("?"));
    return pm;
}

} // namespace

std::string TFrmMsG::DefaultPromotionalPage() {
    return mingshu::vendor::kStartPage;
}

TFrmMsG::TFrmMsG(QWidget *parent, std::string promotional) : QDialog(parent), promotional_(std::move(promotional)) {
    setObjectName(QStringLiteral("TFrmMsG"));
    setWindowTitle(QStringLiteral("退出系统"));
    // A title but no title-bar buttons and no system menu: the question is answered with the two buttons.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);
    setFixedSize(238, 107);
    move(500, 303);

    RzPanel1 = new QFrame(this);
    RzPanel1->setObjectName(QStringLiteral("RzPanel1"));
    RzPanel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    RzPanel1->setLineWidth(2);
    RzPanel1->setGeometry(0, 0, 238, 107);

    Image1 = new QLabel(RzPanel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(9, 9, 41, 44);
    Image1->setPixmap(QuestionPicture());

    Label1 = new QLabel(QStringLiteral("您是否确定要退出系统？"), RzPanel1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->move(64, 21);
    Label1->adjustSize();

    CheckBox1 = new QCheckBox(QStringLiteral("设明枢导航为浏览器首页"), RzPanel1);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setGeometry(64, 44, 169, 17);
    CheckBox1->setChecked(true);

    Button1 = new QPushButton(QStringLiteral("是(&Y)"), RzPanel1);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(40, 69, 82, 25);
    Button2 = new QPushButton(QStringLiteral("否(&N)"), RzPanel1);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setGeometry(136, 69, 82, 25);
    // Neither button is the default: Enter acts on the focused control only.
    for (QPushButton *b : {Button1, Button2}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
    setTabOrder(Button1, Button2);
    setTabOrder(Button2, CheckBox1);
    connect(Button1, &QPushButton::clicked, this, &TFrmMsG::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TFrmMsG::Button2Click);

    FormCreate();
    Button1->setFocus();
}

void TFrmMsG::FormCreate() {
    if (!mingshu::periphery::OfferStartPage(mingshu::periphery::ReadStartPage(), promotional_)) {
        CheckBox1->setChecked(false);
        CheckBox1->hide();
    }
}

void TFrmMsG::Button1Click() {
    if (CheckBox1->isChecked())
        mingshu::periphery::WriteStartPage(promotional_);
    Answer = true;
    close();
}

void TFrmMsG::Button2Click() {
    Answer = false;
    close();
}

void TFrmMsG::keyPressEvent(QKeyEvent *event) {
    // Escape is not a way out of the question; Enter presses the focused button and nothing else.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (auto *button = qobject_cast<QPushButton *>(focusWidget()))
            button->click();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool ConfirmExit(QWidget *parent) {
    TFrmMsG question(parent);
    question.exec();
    return question.Answer;
}
