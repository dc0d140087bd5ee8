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

TAbout::TAbout(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TAbout"));
    setWindowTitle(QStringLiteral("关于系统"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(true);
    setFixedSize(420, 260);

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(18, 18, 18, 12);
    auto *row = new QHBoxLayout;
    row->setSpacing(18);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(MingshuLogo(96));
    Image1->setFixedSize(96, 96);
    row->addWidget(Image1, 0, Qt::AlignTop);

    auto *texts = new QVBoxLayout;
    texts->setSpacing(6);
    Label1 = new QLabel(QString::fromUtf8(mingshu::vendor::kProductName), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont big = Label1->font();
    big.setPixelSize(22);
    big.setBold(true);
    Label1->setFont(big);
    Label1->setStyleSheet(QStringLiteral("color: #8a1a12;"));
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
    OKButton = new QPushButton(QStringLiteral("确定"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setFixedSize(82, 25);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
    buttons->addWidget(OKButton);
    outer->addLayout(buttons);
}
