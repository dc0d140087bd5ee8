// TFrmQQhm: the QQ-number reading by the eighty-one numbers.
#pragma once

#include "numerology/NumberForms.h"

class TFrmQQhm : public mingshu::forms::TEightyOneForm {
public:
    explicit TFrmQQhm(QWidget *parent = nullptr);
};
