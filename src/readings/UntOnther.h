// TFormOnther: the omen window — seven pages of time-of-day omens, one shown, chosen by the opening command.
#pragma once

#include <QPointer>
#include <QWidget>

#include <array>
#include <string>

class QLabel;
class QPlainTextEdit;
class QTabWidget;

class TFormOnther : public QWidget {
    Q_OBJECT
public:
    explicit TFormOnther(QWidget *parent = nullptr);

    QWidget *RzPanel1 = nullptr;
    QTabWidget *RzPageControl1 = nullptr;
    std::array<QWidget *, 7> TabSheets{};
    std::array<QPlainTextEdit *, 7> Memos{};
    QLabel *RzLabel1 = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void FormClose();
};

// The last omen window created; cleared when an omen window closes.
extern QPointer<TFormOnther> FormOnther;

// Opens a new omen window, not modally, with this caption and page (0–6) in front.
TFormOnther *ShowOmenWindow(const std::string &caption, int page, QWidget *owner = nullptr);
