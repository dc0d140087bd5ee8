// TFrm_servers: lists the support contacts the program was built with and offers to write a mail.
#include "periphery/Unt_servers.h"

#include "common/platform.h"
#include "periphery/Uabout.h"
#include "periphery/vendor_config.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TFrm_servers::TFrm_servers(QWidget *parent) : QDialog(parent) {
    using namespace mingshu::vendor;
    SetUpInfoWindow(this, "TFrm_servers", QStringLiteral("客户服务"), QSize(440, 280));

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(18, 16, 18, 12);
    auto *row = new QHBoxLayout;
    row->setSpacing(16);
    Image1 = MakeLogoLabel(this, 64);
    row->addWidget(Image1, 0, Qt::AlignTop);

    auto *texts = new QVBoxLayout;
    Label1 = MakeHeading(this, QStringLiteral("%1 客户服务").arg(QString::fromUtf8(kProductName)), 18);
    texts->addWidget(Label1);

    QStringList lines;
    lines << QStringLiteral("遇到问题时，请先打开“帮助主题”：每个窗口的用法、"
                            "输入规则和常见疑问都写在里面，无需联网即可查阅。");
    auto add = [&](const char *label, const char *value) {
        if (*value)
            lines << QStringLiteral("%1%2").arg(QString::fromUtf8(label), QString::fromUtf8(value));
    };
    add("客服邮箱：", kSupportMail);
    add("客服电话：", kSupportPhone);
    add("在线咨询：", kChatLink);
    add("公司主页：", kHomePage);
    if (lines.size() == 1)
        lines << QStringLiteral("本机安装的版本未附带在线客服联系方式，请向提供本软件的单位或个人咨询。");
    lines << QStringLiteral("来信请写明所用版本（见“关于系统”）和出现问题时的操作步骤，便于尽快答复。");
    Contacts = new QLabel(lines.join(QStringLiteral("\n\n")), this);
    Contacts->setObjectName(QStringLiteral("Contacts"));
    Contacts->setWordWrap(true);
    Contacts->setTextInteractionFlags(Qt::TextSelectableByMouse);
    texts->addWidget(Contacts, 1);
    row->addLayout(texts, 1);
    outer->addLayout(row, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    MailButton = new QPushButton(QStringLiteral("写邮件"), this);
    MailButton->setObjectName(QStringLiteral("MailButton"));
    MailButton->setFixedSize(82, 25);
    MailButton->setVisible(*kSupportMail != '\0');
    connect(MailButton, &QPushButton::clicked, this,
            [] { mingshu::CurrentPlatform().openUrl(std::string("mailto:") + kSupportMail); });
    buttons->addWidget(MailButton);
    OKButton = MakeOkButton(this);
    buttons->addWidget(OKButton);
    outer->addLayout(buttons);
}
