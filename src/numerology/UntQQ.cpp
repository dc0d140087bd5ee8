// TFrmQQhm: the QQ-number reading by the eighty-one numbers.
#include "numerology/UntQQ.h"

#include "numerology/eighty_one.h"

TFrmQQhm::TFrmQQhm(QWidget *parent)
    : TEightyOneForm({"FrmQQhm", QStringLiteral("QQ号码测试"), QStringLiteral("QQ号码："), QStringLiteral("qq号码是："),
                      std::string(mingshu::numerology::kQQEmptyMessage)},
                     parent) {}
