// TAbout: a plain modal window with the product's logo, name, version and a short description.
#include "periphery/Uabout.h"

#include "periphery/logo_svg.h"
#include "periphery/vendor_config.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSvgRenderer>
#include <QVBoxLayout>

QPixmap MingshuLogo(int size) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QSvgRenderer renderer(QByteArray(mingshu::vendor::kLogoSvg));
    QPainter p(&pm);
    renderer.render(&p);
    return pm;
}

void SetUpInfoWindow(QDialog *dialog, const char *object_name, const QString &title, const QSize &size) {
    dialog->setObjectName(QString::fromUtf8(object_name));
    dialog->setWindowTitle(title);
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    dialog->setModal(true);
    dialog->setFixedSize(size);
}

QLabel *MakeLogoLabel(QWidget *parent, int size) {
    auto *label = new QLabel(parent);
    label->setObjectName(QStringLiteral("Image1"));
    label->setPixmap(MingshuLogo(size));
    label->setFixedSize(size, size);
    return label;
}

QLabel *MakeHeading(QWidget *parent, const QString &text, int pixels) {
    auto *label = new QLabel(text, parent);
    label->setObjectName(QStringLiteral("Label1"));
    QFont big = label->font();
    big.setPixelSize(pixels);
    big.setBold(true);
    label->setFont(big);
    label->setStyleSheet(QStringLiteral("color: #8a1a12;"));
    return label;
}

QPushButton *MakeOkButton(QDialog *dialog) {
    auto *button = new QPushButton(QStringLiteral("确定"), dialog);
    button->setObjectName(QStringLiteral("OKButton"));
    button->setFixedSize(82, 25);
    button->setDefault(true);
    QObject::connect(button, &QPushButton::clicked, dialog, &QDialog::accept);
    return button;
}

TAbout::TAbout(QWidget *parent) : QDialog(parent) {
    SetUpInfoWindow(this, "TAbout", QStringLiteral("关于系统"), QSize(420, 260));

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(18, 18, 18, 12);
    auto *row = new QHBoxLayout;
    row->setSpacing(18);

    Image1 = MakeLogoLabel(this, 96);
    row->addWidget(Image1, 0, Qt::AlignTop);

    auto *texts = new QVBoxLayout;
    texts->setSpacing(6);
    Label1 = MakeHeading(this, QString::fromUtf8(mingshu::vendor::kProductName), 22);
    texts->addWidget(Label1);

    Label2 = new QLabel(QStringLiteral("版本 %1").arg(QString::fromUtf8(mingshu::vendor::kVersion)), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    texts->addWidget(Label2);

    Label3 = new QLabel(QStringLiteral("以公历生日与姓名为据，推算农历生辰、八字与大运，"
                                       "解析姓名五格与三才，并提供星座、血型、生肖解读、"
                                       "数字与手机号码分析、称骨、万年历及风水文章阅读。\n\n"
                                       "所载内容皆属民俗文化，仅供参考与娱乐，人生祸福仍在自身。"),
                        this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setWordWrap(true);
    texts->addWidget(Label3, 1);
    row->addLayout(texts, 1);
    outer->addLayout(row, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    OKButton = MakeOkButton(this);
    buttons->addWidget(OKButton);
    outer->addLayout(buttons);
}
