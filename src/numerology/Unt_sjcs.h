// TFrm_SJcs: the mobile-number reading.
#pragma once

#include <QDialog>

#include <string>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

class TFrm_SJcs : public QDialog {
public:
    explicit TFrm_SJcs(QWidget *parent = nullptr);

    // Handlers, named after their controls.
    bool edtmunKeyPress(QChar key);
    void RzBitBtn1Click();
    void RzBitBtn2Click();
    // The lookup key of a number: its last four digits modulo 80.
    std::string shoujiinfostr(const std::string &number) const;

    QLineEdit *edtmun = nullptr;
    QLabel *RzLabel1 = nullptr;       // 输入号码：
    QLabel *RzLabel2 = nullptr;       // the hint about eleven digits
    QPushButton *RzBitBtn1 = nullptr; // 测算
    QPushButton *RzBitBtn2 = nullptr; // 关闭
    QGroupBox *RzGroupBox1 = nullptr;
    QLabel *RzLabel5 = nullptr, *RzLabel11 = nullptr; // the number
    QLabel *RzLabel4 = nullptr, *RzLabel10 = nullptr; // title
    QLabel *RzLabel6 = nullptr, *RzLabel9 = nullptr;  // verdict, in red
    QLabel *RzLabel7 = nullptr, *RzLabel8 = nullptr;  // description, word-wrapped
    QLabel *RzLabel3 = nullptr;                       // the note below the results
};
