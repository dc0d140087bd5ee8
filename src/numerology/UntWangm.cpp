// TFrmWangming: the reading of an online nickname.
#include "numerology/UntWangm.h"

#include "common/platform.h"
#include "common/text.h"
#include "numerology/NumberForms.h"
#include "numerology/nickname.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace mingshu::forms;

namespace {
constexpr int kNicknameBytes = 18;
}

TFrmWangming::TFrmWangming(QWidget *parent) : QDialog(parent) {
    SetUpDialog(this, "FrmWangming", QStringLiteral("网名与性格"), QSize(408, 172));
    setAttribute(Qt::WA_DeleteOnClose);

    RzLabel1 = MakeLabel(this, "RzLabel1", QStringLiteral("输入网名："), QRect(14, 16, 72, 22));
    edtmun = new QLineEdit(this);
    edtmun->setObjectName(QStringLiteral("edtmun"));
    edtmun->setGeometry(88, 14, 160, 26);
    edtmun->setValidator(new TUpperGbkValidator(kNicknameBytes, edtmun));
    RzBitBtn1 = MakeButton(this, "RzBitBtn1", QStringLiteral("测算"), QRect(262, 13, 64, 28));
    RzBitBtn2 = MakeButton(this, "RzBitBtn2", QStringLiteral("关闭"), QRect(332, 13, 64, 28));

    RzGroupBox1 = new QGroupBox(QStringLiteral("测算结果"), this);
    RzGroupBox1->setObjectName(QStringLiteral("RzGroupBox1"));
    RzGroupBox1->setGeometry(10, 52, 388, 110);
    RzLabel11 = MakeLabel(RzGroupBox1, "RzLabel11", QString(), QRect(12, 24, 364, 22));
    SetTextColour(RzLabel11, QColor(0x00, 0x80, 0x00));
    RzLabel8 = MakeWrappedLabel(RzGroupBox1, "RzLabel8", QRect(12, 52, 364, 50));
    SetTextColour(RzLabel8, QColor(0x00, 0x00, 0x80));

    // Every key may be typed; Enter computes.
    new TKeyFilter(edtmun, nullptr, [this] { RzBitBtn1Click(); });
    connect(RzBitBtn1, &QPushButton::clicked, this, [this] { RzBitBtn1Click(); });
    connect(RzBitBtn2, &QPushButton::clicked, this, [this] { RzBitBtn2Click(); });
}

void TFrmWangming::RzBitBtn1Click() {
    Guarded([this] {
        namespace num = mingshu::numerology;
        const std::string nickname = mingshu::Trim(edtmun->text().toStdString());
        if (nickname.empty()) {
            mingshu::ShowInfo(std::string(num::kNicknameEmptyMessage));
            return;
        }
        RzLabel11->setText(QStringLiteral("你的网名：") + Q(nickname));
        try {
            RzLabel8->setText(QStringLiteral("你的性格：") + Q(mingshu::Trim(num::GetOnlineNameTrait(nickname))));
        } catch (const num::SpecialCharacterError &) {
            RzLabel8->setText(Q(std::string(num::kNicknameSpecialMessage)));
        }
    });
}

void TFrmWangming::RzBitBtn2Click() {
    close();
}
