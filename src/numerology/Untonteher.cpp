// TFrm_onther: the reading of any number by the eighty-one numbers.
#include "numerology/Untonteher.h"

#include "numerology/eighty_one.h"

TFrm_onther::TFrm_onther(QWidget *parent)
    : TEightyOneForm({"Frm_onther", QStringLiteral("任意号码分析"), QStringLiteral("任意号码："),
                      QStringLiteral("输入号码是："), std::string(mingshu::numerology::kNumberEmptyMessage)},
                     parent) {}
