// TFrmNote: the article reader — one article of the Noter table in a plain read-only view.
#include "readings/UntNote.h"

#include "readings/ReaderWidgets.h"
#include "readings/article.h"

#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include <memory>

using namespace mingshu::readings;

QPointer<TFrmNote> FrmNote;

namespace {
constexpr int kMemoBackground = 16709871;
}

TFrmNote::TFrmNote(QWidget *parent) : QWidget(parent, Qt::Window) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("FrmNote"));
    setWindowTitle(QString::fromUtf8(kUnknownArticleTitle));
    resize(552, 393);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    RzMemo1 = new QPlainTextEdit(this);
    RzMemo1->setObjectName(QStringLiteral("RzMemo1"));
    RzMemo1->setReadOnly(true);
    RzMemo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RzMemo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    RzMemo1->setFont(ui::SongFont(12));
    QPalette palette = RzMemo1->palette();
    palette.setColor(QPalette::Base, ui::WinColour(kMemoBackground));
    // The selection stays visible when the view loses the focus.
    for (auto role : {QPalette::Highlight, QPalette::HighlightedText})
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    RzMemo1->setPalette(palette);
    layout->addWidget(RzMemo1);
}

void TFrmNote::FormClose() {
    FrmNote = nullptr;
}

void TFrmNote::closeEvent(QCloseEvent *event) {
    FormClose();
    event->accept();
}

std::string LoadArticle(const std::string &code, QPlainTextEdit *memo) {
    Article article = mingshu::readings::LoadArticle(code);
    memo->clear();
    if (article.found)
        memo->setPlainText(ui::JoinedLines(article.lines));
    return article.title;
}

TFrmNote *ShowArticle(const std::string &code, QWidget *owner) {
    // Owned here until it is shown, so a failed lookup leaves no window behind.
    auto window = std::make_unique<TFrmNote>(owner);
    window->Code = code;
    window->setWindowTitle(QString::fromStdString(LoadArticle(code, window->RzMemo1)));
    TFrmNote *shown = window.release();
    FrmNote = shown;
    shown->show();
    ui::CentreOnScreen(shown);
    return shown;
}
