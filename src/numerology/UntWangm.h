// TFrmWangming: the reading of an online nickname.
#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

class TFrmWangming : public QDialog {
public:
    explicit TFrmWangming(QWidget *parent = nullptr);

    // Handlers, named after their controls.
    void RzBitBtn1Click();
    void RzBitBtn2Click();

    QLabel *RzLabel1 = nullptr; // 输入网名：
    QLineEdit *edtmun = nullptr;
    QPushButton *RzBitBtn1 = nullptr; // 测算
    QPushButton *RzBitBtn2 = nullptr; // 关闭
    QGroupBox *RzGroupBox1 = nullptr;
    QLabel *RzLabel11 = nullptr; // the nickname, in green
    QLabel *RzLabel8 = nullptr;  // the trait, in navy, word-wrapped
};
