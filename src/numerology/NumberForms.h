// Parts shared by the small number and name windows: fonts, labels, the entry's key filter, the guarded handler
// and TEightyOneForm, the common body of the QQ window and the any-number window.
#pragma once

#include "app/gui_helpers.h"

#include <QDialog>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QValidator>

#include <functional>
#include <string>

class QGroupBox;
class QPushButton;

namespace mingshu::forms {

using gui::SongFont;
QString Q(const std::string &utf8);
void SetTextColour(QWidget *widget, const QColor &colour);
QLabel *MakeLabel(QWidget *parent, const char *name, const QString &text, const QRect &geometry);
// A label of several lines: word-wrapped, its text starting at the top left.
QLabel *MakeWrappedLabel(QWidget *parent, const char *name, const QRect &geometry);
QPushButton *MakeButton(QWidget *parent, const char *name, const QString &text, const QRect &geometry);
// The dialog frame of these windows: title and close box, no minimise or maximise box, a fixed client size.
void SetUpDialog(QDialog *dialog, const char *name, const QString &caption, const QSize &client);
using gui::CentreOnScreen;

// Runs a handler body the way the program's general error handler would: a failed content lookup ends it
// silently, any other failure is shown. Nothing is thrown back into Qt's event loop.
void Guarded(const std::function<void()> &body);

// The key filter of an entry, seen before the entry handles a key: `accept` decides for each typed character
// (the key's text) whether the entry gets it; Enter and Return run `enter` instead of reaching the dialog.
// Keys without text (arrows, Delete) and shortcuts (copy, paste) are not typed characters and pass.
class TKeyFilter : public QObject {
public:
    TKeyFilter(QLineEdit *edit, std::function<bool(QChar)> accept, std::function<void()> enter);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<bool(QChar)> accept_;
    std::function<void()> enter_;
};

// An entry that shows ASCII letters in upper case and holds at most `limit` GBK bytes. A character GBK cannot
// write counts two bytes for each UTF-16 unit and is kept, so that the reading can refuse it with its message.
class TUpperGbkValidator : public QValidator {
public:
    TUpperGbkValidator(int limit, QObject *parent) : QValidator(parent), limit_(limit) {}
    State validate(QString &input, int &pos) const override;

private:
    int limit_;
};

// The window of the eighty-one-number readings; the QQ window and the any-number window differ only in their
// captions and the message of an empty entry.
class TEightyOneForm : public QDialog {
public:
    struct Captions {
        const char *name;      // object name
        QString caption;       // window title
        QString entry_caption; // RzLabel1
        QString echo_caption;  // RzLabel5
        std::string empty_message;
    };
    TEightyOneForm(const Captions &captions, QWidget *parent);

    // Handlers, named after their controls.
    bool edtmunKeyPress(QChar key);
    void RzBitBtn1Click();
    void RzBitBtn2Click();

    QLineEdit *edtmun = nullptr;
    QPushButton *RzBitBtn1 = nullptr; // 测算
    QPushButton *RzBitBtn2 = nullptr; // 关闭
    QLabel *RzLabel1 = nullptr;
    QGroupBox *RzGroupBox1 = nullptr;
    QLabel *RzLabel5 = nullptr, *RzLabel11 = nullptr; // the number as entered
    QLabel *RzLabel4 = nullptr, *RzLabel10 = nullptr; // summary
    QLabel *RzLabel6 = nullptr, *RzLabel9 = nullptr;  // verdict, in red
    QLabel *RzLabel7 = nullptr, *RzLabel8 = nullptr;  // personality, word-wrapped

private:
    std::string empty_message_;
};

} // namespace mingshu::forms
