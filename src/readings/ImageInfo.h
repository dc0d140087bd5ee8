// TImageInfoLoad: the picture-article viewer — up to fifteen pages, each a picture above its text, paged by buttons.
#pragma once

#include "content/database.h"
#include "readings/picture_articles.h"

#include <QColor>
#include <QPointer>
#include <QWidget>

#include <array>
#include <memory>
#include <string>

class QPlainTextEdit;
class QPushButton;
class QSvgRenderer;
class QTabWidget;

// A picture drawn from an SVG document, centred and scaled to the space it has, so it stays sharp at any size.
class TSvgImage : public QWidget {
    Q_OBJECT
public:
    explicit TSvgImage(QWidget *parent = nullptr);
    ~TSvgImage() override;
    // Loads the document; an empty or unreadable one leaves the picture blank.
    void setSvg(const std::string &svg);
    bool hasPicture() const;
    // Where the picture is drawn inside the widget.
    QRectF pictureRect() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::unique_ptr<QSvgRenderer> renderer_;
};

class TImageInfoLoad : public QWidget {
    Q_OBJECT
public:
    explicit TImageInfoLoad(QWidget *parent = nullptr);

    // The frame colours of the page buttons.
    static QColor NormalFrameColour();
    static QColor ChosenFrameColour();

    // Window state: the article number (1–16), its page count P and the current page (1–P).
    int ArticleNumber = 0;
    int PageCount = 1;
    int CurrentPage = 1;

    // Puts the article's pictures and texts on pages 1..P and sets P.
    void FillPages(const mingshu::readings::PictureArticle &article);
    // Current page 1; the page buttons above P disabled.
    void PreparePageButtons();
    // Paints the frame of page button k red and the others in the normal colour, then brings page k to the front.
    void ShowPicturePage(int k);
    // The frame colour a page button has now.
    static QColor FrameColourOf(const QPushButton *button);

    // Handlers, named after their controls.
    void BtnBeginClick();
    void BtnEndClick();
    void RzBitBtn18Click();
    void RzBitBtn19Click();
    void ABtn1Click();
    void RzBitBtn1Click();

    QTabWidget *RzPageControl1 = nullptr;
    std::array<QWidget *, 15> TabSheets{};
    std::array<TSvgImage *, 15> Images{};
    std::array<QPlainTextEdit *, 15> Memos{};
    QWidget *RzPanel1 = nullptr;
    QPushButton *BtnBegin = nullptr;
    std::array<QPushButton *, 15> ABtns{};
    QPushButton *BtnEnd = nullptr;
    QPushButton *RzBitBtn20 = nullptr; // 首页
    QPushButton *RzBitBtn18 = nullptr; // 上一页
    QPushButton *RzBitBtn19 = nullptr; // 下一页
    QPushButton *RzBitBtn21 = nullptr; // 最末
    QPushButton *RzBitBtn1 = nullptr;  // 关闭
    // Connected to KelFile.dll when the window is created; the pages are read with a lookup of their own.
    mingshu::content::Query ADOImage;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void FormCreate();
    void FormClose();
    static void PaintFrame(QPushButton *button, const QColor &colour);
};

// The last viewer created; cleared when a viewer closes.
extern QPointer<TImageInfoLoad> ImageInfoLoad;

// Opens a new viewer, not modally, on the article with this title. When the database cannot be read the window is
// not shown and SilentAbort ends the command.
TImageInfoLoad *ShowPictureArticle(int article, const std::string &title, QWidget *owner = nullptr);
