// TFrmgzfx: the bone-weight reading of a lunar birth date and hour.
#pragma once

#include "content/database.h"

#include <QDialog>

#include <string>

class QComboBox;
class QLabel;
class QPushButton;

class TFrmgzfx : public QDialog {
public:
    explicit TFrmgzfx(QWidget *parent = nullptr);

    // Handlers, named after their controls.
    void FormShow();
    void RzBitBtn1Click();
    void RzBitBtn2Click();
    // Adds the four weights, sets RzLabel1 to the reading and returns the weight line; both stay as they were
    // when there is no reading of the total.
    bool GetpeoleGzmun(const std::string &year, const std::string &month, const std::string &day,
                       const std::string &hour, std::string &weight_line);

    QComboBox *ComboBoxyear = nullptr;
    QComboBox *ComboBoxmonth = nullptr;
    QComboBox *ComboBoxday = nullptr;
    QComboBox *ComboBoxtime = nullptr;
    QPushButton *RzBitBtn1 = nullptr; // 测算
    QPushButton *RzBitBtn2 = nullptr; // 关闭
    QLabel *RzLabel2 = nullptr;       // the weight line, in red
    QLabel *RzLabel1 = nullptr;       // the reading, word-wrapped
    QLabel *RzLabel3 = nullptr;       // the note
    mingshu::content::Query AdoMOT;   // on dream.dll

protected:
    void showEvent(QShowEvent *event) override;

private:
    bool shown_ = false;
};
