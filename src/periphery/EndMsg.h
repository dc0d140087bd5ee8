// TFrmMsG: the question asked before the program ends, with the offer to set the browser's start page.
#pragma once

#include <QDialog>

#include <string>

class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;

class TFrmMsG : public QDialog {
    Q_OBJECT
public:
    // `promotional` is the page offered as the start page; empty hides the offer.
    explicit TFrmMsG(QWidget *parent = nullptr, std::string promotional = DefaultPromotionalPage());
    static std::string DefaultPromotionalPage();

    // The user's answer: true only after 是(&Y).
    bool Answer = false;

    QFrame *RzPanel1 = nullptr;
    QLabel *Image1 = nullptr;
    QLabel *Label1 = nullptr;
    QCheckBox *CheckBox1 = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *Button2 = nullptr;

    void Button1Click();
    void Button2Click();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void FormCreate();
    std::string promotional_;
};

// Asks whether to leave the program in a fresh TFrmMsG; true when the user chose 是(&Y).
bool ConfirmExit(QWidget *parent = nullptr);
