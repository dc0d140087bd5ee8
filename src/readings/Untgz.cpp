// TFrmgzfx: the bone-weight reading of a lunar birth date and hour.
#include "readings/Untgz.h"

#include "common/platform.h"
#include "common/text.h"
#include "numerology/NumberForms.h"
#include "readings/bone_weight.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

using namespace mingshu::forms;
namespace rd = mingshu::readings;

namespace {

QComboBox *MakeList(QWidget *parent, const char *name, const QRect &geometry) {
    auto *box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(geometry);
    box->setEditable(false);
    box->setMaxVisibleItems(12);
    return box;
}

} // namespace

TFrmgzfx::TFrmgzfx(QWidget *parent) : QDialog(parent) {
    SetUpDialog(this, "Frmgzfx", QStringLiteral("骨重分析"), QSize(380, 252));
    setAttribute(Qt::WA_DeleteOnClose);

    MakeLabel(this, "Label1", QStringLiteral("生日："), QRect(12, 14, 38, 24));
    ComboBoxyear = MakeList(this, "ComboBoxyear", QRect(50, 14, 70, 24));
    MakeLabel(this, "Label2", QStringLiteral("年"), QRect(122, 14, 14, 24));
    ComboBoxmonth = MakeList(this, "ComboBoxmonth", QRect(140, 14, 54, 24));
    MakeLabel(this, "Label3", QStringLiteral("月"), QRect(196, 14, 14, 24));
    ComboBoxday = MakeList(this, "ComboBoxday", QRect(214, 14, 62, 24));
    MakeLabel(this, "Label4", QStringLiteral("日"), QRect(278, 14, 14, 24));
    ComboBoxtime = MakeList(this, "ComboBoxtime", QRect(296, 14, 52, 24));
    MakeLabel(this, "Label5", QStringLiteral("时"), QRect(350, 14, 14, 24));
    for (auto item : rd::kLunarMonthItems)
        ComboBoxmonth->addItem(Q(std::string(item)));
    for (auto item : rd::kLunarDayItems)
        ComboBoxday->addItem(Q(std::string(item)));
    for (const auto &item : rd::BoneWeightHours())
        ComboBoxtime->addItem(Q(item));

    RzLabel2 = MakeLabel(this, "RzLabel2", QString(), QRect(12, 48, 200, 24));
    SetTextColour(RzLabel2, Qt::red);
    RzBitBtn1 = MakeButton(this, "RzBitBtn1", QStringLiteral("测算"), QRect(232, 46, 64, 28));
    RzBitBtn2 = MakeButton(this, "RzBitBtn2", QStringLiteral("关闭"), QRect(304, 46, 64, 28));
    RzLabel1 = MakeWrappedLabel(this, "RzLabel1", QRect(12, 82, 356, 116));
    RzLabel3 = MakeWrappedLabel(this, "RzLabel3", QRect(12, 206, 356, 38));
    RzLabel3->setText(
        QStringLiteral("注：骨重是通过出生时农历的年月日时辰来获得，骨重代表一个人的事业、健康、财运、福运！"));
    SetTextColour(RzLabel3, QColor(0x60, 0x60, 0x60));

    connect(RzBitBtn1, &QPushButton::clicked, this, [this] { RzBitBtn1Click(); });
    connect(RzBitBtn2, &QPushButton::clicked, this, [this] { RzBitBtn2Click(); });
}

void TFrmgzfx::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    if (!shown_) {
        shown_ = true;
        CentreOnScreen(this);
        FormShow();
    }
}

void TFrmgzfx::FormShow() {
    ComboBoxyear->clear();
    for (const auto &year : rd::BoneWeightYears())
        ComboBoxyear->addItem(Q(year));
    const int this_year = static_cast<int>(mingshu::CurrentPlatform().today().year());
    ComboBoxyear->setCurrentIndex(ComboBoxyear->findText(QString::number(this_year)));
    AdoMOT.SetConnectionString(mingshu::content::DreamDbConnectionString());
}

void TFrmgzfx::RzBitBtn1Click() {
    Guarded([this] {
        const std::string year = mingshu::Trim(ComboBoxyear->currentText().toStdString());
        if (year.empty()) {
            mingshu::ShowInfo(std::string(rd::kBoneWeightYearMessage));
            return;
        }
        std::string weight_line;
        GetpeoleGzmun(year, mingshu::Trim(ComboBoxmonth->currentText().toStdString()),
                      mingshu::Trim(ComboBoxday->currentText().toStdString()),
                      mingshu::Trim(ComboBoxtime->currentText().toStdString()), weight_line);
        RzLabel2->setText(Q(weight_line));
    });
}

bool TFrmgzfx::GetpeoleGzmun(const std::string &year, const std::string &month, const std::string &day,
                             const std::string &hour, std::string &weight_line) {
    const rd::BoneWeight weight = rd::GetpeoleGzmun(AdoMOT, year, month, day, hour);
    if (!weight.reading)
        return false;
    RzLabel1->setText(Q(*weight.reading));
    weight_line = weight.weight_line.value_or(std::string());
    return true;
}

void TFrmgzfx::RzBitBtn2Click() {
    close();
}
