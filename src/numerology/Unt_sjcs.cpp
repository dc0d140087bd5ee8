// TFrm_SJcs: the mobile-number reading. Closing only hides the window; the next opening replaces it.
#include "numerology/Unt_sjcs.h"

#include "common/platform.h"
#include "common/text.h"
#include "content/database.h"
#include "numerology/NumberForms.h"
#include "numerology/mobile.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace mingshu::forms;

TFrm_SJcs::TFrm_SJcs(QWidget *parent) : QDialog(parent) {
    SetUpDialog(this, "Frm_SJcs", QStringLiteral("手机号码测算"), QSize(460, 338));

    RzLabel1 = MakeLabel(this, "RzLabel1", QStringLiteral("输入号码："), QRect(14, 16, 72, 22));
    edtmun = new QLineEdit(this);
    edtmun->setObjectName(QStringLiteral("edtmun"));
    edtmun->setGeometry(88, 14, 160, 26);
    edtmun->setMaxLength(static_cast<int>(mingshu::numerology::kMobileDigits));
    RzBitBtn1 = MakeButton(this, "RzBitBtn1", QStringLiteral("测算"), QRect(314, 13, 64, 28));
    RzBitBtn2 = MakeButton(this, "RzBitBtn2", QStringLiteral("关闭"), QRect(384, 13, 64, 28));
    RzLabel2 =
        MakeLabel(this, "RzLabel2", QStringLiteral("请注意：手机号码是11位，请正确输入。"), QRect(88, 44, 360, 20));
    SetTextColour(RzLabel2, QColor(0x80, 0x80, 0x80));

    RzGroupBox1 = new QGroupBox(QStringLiteral("测算结果"), this);
    RzGroupBox1->setObjectName(QStringLiteral("RzGroupBox1"));
    RzGroupBox1->setGeometry(10, 70, 440, 196);
    const int caption_x = 12, value_x = 92, value_w = 337;
    RzLabel5 = MakeLabel(RzGroupBox1, "RzLabel5", QStringLiteral("手机号码是："), QRect(caption_x, 24, 80, 20));
    RzLabel11 = MakeLabel(RzGroupBox1, "RzLabel11", QString(), QRect(value_x, 24, value_w, 20));
    RzLabel4 = MakeLabel(RzGroupBox1, "RzLabel4", QStringLiteral("状态："), QRect(caption_x, 50, 80, 20));
    RzLabel10 = MakeLabel(RzGroupBox1, "RzLabel10", QString(), QRect(value_x, 50, value_w, 20));
    RzLabel6 = MakeLabel(RzGroupBox1, "RzLabel6", QStringLiteral("吉凶："), QRect(caption_x, 76, 80, 20));
    RzLabel9 = MakeLabel(RzGroupBox1, "RzLabel9", QString(), QRect(value_x, 76, value_w, 20));
    SetTextColour(RzLabel9, Qt::red);
    RzLabel7 = MakeLabel(RzGroupBox1, "RzLabel7", QStringLiteral("具体表现："), QRect(caption_x, 102, 80, 20));
    RzLabel8 = MakeWrappedLabel(RzGroupBox1, "RzLabel8", QRect(value_x, 104, value_w, 83));

    RzLabel3 = MakeWrappedLabel(this, "RzLabel3", QRect(14, 274, 432, 56));
    RzLabel3->setText(
        QStringLiteral("注：有些人会问，手机号码为什么会影响一个人的运势？其实这就像风水、阳宅会影响运势命运"
                       "的意义是一样的。虽然这只是一个号码，但是它与您的生活息息相关，也代表您与所有人的沟通"
                       "桥梁！"));

    new TKeyFilter(
        edtmun, [this](QChar key) { return edtmunKeyPress(key); }, [this] { RzBitBtn1Click(); });
    connect(RzBitBtn1, &QPushButton::clicked, this, [this] { RzBitBtn1Click(); });
    connect(RzBitBtn2, &QPushButton::clicked, this, [this] { RzBitBtn2Click(); });
}

bool TFrm_SJcs::edtmunKeyPress(QChar key) {
    return key >= QLatin1Char('0') && key <= QLatin1Char('9');
}

std::string TFrm_SJcs::shoujiinfostr(const std::string &number) const {
    return mingshu::numerology::shoujiinfostr(number);
}

void TFrm_SJcs::RzBitBtn1Click() {
    Guarded([this] {
        namespace num = mingshu::numerology;
        const std::string number = mingshu::Trim(edtmun->text().toStdString());
        if (const std::string message = num::CheckMobileNumber(number); !message.empty()) {
            mingshu::ShowInfo(message);
            return;
        }
        // The key and the lookup come first: a failure of either leaves the labels as they were.
        const std::string key = shoujiinfostr(number);
        const num::MobileReading reading = num::LookupMobileReading(mingshu::content::DreamDbConnectionString(), key);
        for (QLabel *label : {RzLabel11, RzLabel10, RzLabel9, RzLabel8})
            label->clear();
        RzLabel11->setText(Q(number));
        RzLabel10->setText(Q(reading.title));
        RzLabel9->setText(Q(reading.jx));
        RzLabel8->setText(Q(reading.content));
    });
}

void TFrm_SJcs::RzBitBtn2Click() {
    close();
}
