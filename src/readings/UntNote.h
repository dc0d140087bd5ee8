// TFrmNote: the article reader — one article of the Noter table in a plain read-only view.
#pragma once

#include <QPointer>
#include <QWidget>

#include <string>

class QPlainTextEdit;

class TFrmNote : public QWidget {
    Q_OBJECT
public:
    explicit TFrmNote(QWidget *parent = nullptr);

    QPlainTextEdit *RzMemo1 = nullptr;
    // The code of the article the window shows.
    std::string Code;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void FormClose();
};

// The last reader window created; cleared when a reader window closes.
extern QPointer<TFrmNote> FrmNote;

// Fills the memo with the article's body and returns its title ("算命" for a code the table does not hold).
// Throws SilentAbort when the database cannot be read.
std::string LoadArticle(const std::string &code, QPlainTextEdit *memo);

// Opens a new reader window, not modally, on this article. When the database cannot be read the window is not
// shown and SilentAbort ends the command.
TFrmNote *ShowArticle(const std::string &code, QWidget *owner = nullptr);
