// TFrm_onther: the reading of any number by the eighty-one numbers.
#pragma once

#include "numerology/NumberForms.h"

class TFrm_onther : public mingshu::forms::TEightyOneForm {
public:
    explicit TFrm_onther(QWidget *parent = nullptr);
};
