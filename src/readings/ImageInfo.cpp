// TImageInfoLoad: the picture-article viewer — up to fifteen pages, each a picture above its text, paged by buttons.
#include "readings/ImageInfo.h"

#include "readings/ReaderWidgets.h"

#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QSvgRenderer>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

using namespace mingshu::readings;

QPointer<TImageInfoLoad> ImageInfoLoad;

namespace {

constexpr int kPageBackground = 16119543;
constexpr int kNormalFrame = 7617536;
constexpr int kChosenFrame = 255;
constexpr int kMemoHeight = 166;
constexpr int kPanelHeight = 56;
const char kFrameProperty[] = "frameColour";
const QString kPageButtonPrefix = QStringLiteral("ABtn");

// The page number a page button carries in its name ("ABtn7" → 7), or 0 for any other control.
int PageOfButtonName(const QString &name) {
    if (!name.startsWith(kPageButtonPrefix))
        return 0;
    bool ok = false;
    int page = name.mid(kPageButtonPrefix.size(), 2).toInt(&ok);
    return ok ? page : 0;
}

} // namespace

TSvgImage::TSvgImage(QWidget *parent) : QWidget(parent) {}

TSvgImage::~TSvgImage() = default;

void TSvgImage::setSvg(const std::string &svg) {
    renderer_.reset();
    if (!svg.empty()) {
        auto renderer = std::make_unique<QSvgRenderer>(QByteArray::fromStdString(svg));
        if (renderer->isValid())
            renderer_ = std::move(renderer);
    }
    update();
}

bool TSvgImage::hasPicture() const {
    return renderer_ != nullptr;
}

QRectF TSvgImage::pictureRect() const {
    if (!renderer_)
        return {};
    QSizeF size = renderer_->viewBoxF().size();
    if (size.isEmpty())
        size = renderer_->defaultSize();
    size.scale(QSizeF(width(), height()), Qt::KeepAspectRatio);
    return QRectF(QPointF((width() - size.width()) / 2, (height() - size.height()) / 2), size);
}

void TSvgImage::paintEvent(QPaintEvent *) {
    if (!renderer_)
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    renderer_->render(&p, pictureRect());
}

TImageInfoLoad::TImageInfoLoad(QWidget *parent) : QWidget(parent, ui::SystemMenuOnly()) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("ImageInfoLoad"));
    setFont(ui::SongFont(12));
    setFixedSize(652, 524);

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    RzPageControl1 = new QTabWidget(this);
    RzPageControl1->setObjectName(QStringLiteral("RzPageControl1"));
    // The tab row lies outside the window: pages change only through the buttons.
    RzPageControl1->tabBar()->hide();
    RzPageControl1->setDocumentMode(true);
    for (int i = 0; i < kMaxPicturePages; ++i) {
        auto *sheet = new QWidget;
        sheet->setObjectName(QStringLiteral("TabSheet%1").arg(i + 1));
        sheet->setAutoFillBackground(true);
        QPalette palette = sheet->palette();
        palette.setColor(QPalette::Window, ui::WinColour(kPageBackground));
        sheet->setPalette(palette);
        auto *layout = new QVBoxLayout(sheet);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        auto *image = new TSvgImage(sheet);
        image->setObjectName(QStringLiteral("Image%1").arg(i + 1));
        layout->addWidget(image, 1);
        auto *memo = new QPlainTextEdit(sheet);
        memo->setObjectName(QStringLiteral("RzMemo%1").arg(i + 1));
        memo->setFixedHeight(kMemoHeight);
        memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        memo->setFont(ui::SongFont(14));
        // The last page alone is read-only with a scroll bar; a long text on another page still gets a bar when
        // it needs one, so nothing is cut off.
        if (i == kMaxPicturePages - 1) {
            memo->setReadOnly(true);
            memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        } else {
            memo->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        }
        layout->addWidget(memo);
        RzPageControl1->addTab(sheet, QString::number(i + 1));
        TabSheets[static_cast<std::size_t>(i)] = sheet;
        Images[static_cast<std::size_t>(i)] = image;
        Memos[static_cast<std::size_t>(i)] = memo;
    }
    column->addWidget(RzPageControl1, 1);

    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("RzPanel1"));
    panel->setFrameStyle(QFrame::Box | QFrame::Sunken); // grooved
    panel->setFixedHeight(kPanelHeight);
    RzPanel1 = panel;
    auto *row = new QHBoxLayout(panel);
    row->setContentsMargins(6, 4, 6, 4);
    row->setSpacing(1);

    auto makeButton = [panel](const QString &name, const QString &caption, int width) {
        auto *button = new QPushButton(caption, panel);
        button->setObjectName(name);
        button->setFixedSize(width, 28);
        button->setFocusPolicy(Qt::TabFocus);
        return button;
    };
    BtnBegin = makeButton(QStringLiteral("BtnBegin"), QString(), 24);
    BtnBegin->setIcon(style()->standardIcon(QStyle::SP_MediaSkipBackward));
    BtnBegin->setToolTip(QStringLiteral("首页"));
    row->addWidget(BtnBegin);
    for (int i = 0; i < kMaxPicturePages; ++i) {
        auto *button = makeButton(kPageButtonPrefix + QString::number(i + 1), QString::number(i + 1), 22);
        PaintFrame(button, NormalFrameColour());
        connect(button, &QPushButton::clicked, this, &TImageInfoLoad::ABtn1Click);
        ABtns[static_cast<std::size_t>(i)] = button;
        row->addWidget(button);
    }
    BtnEnd = makeButton(QStringLiteral("BtnEnd"), QString(), 24);
    BtnEnd->setIcon(style()->standardIcon(QStyle::SP_MediaSkipForward));
    BtnEnd->setToolTip(QStringLiteral("最末"));
    row->addWidget(BtnEnd);
    row->addSpacing(8);
    RzBitBtn20 = makeButton(QStringLiteral("RzBitBtn20"), QStringLiteral("首页"), 44);
    RzBitBtn18 = makeButton(QStringLiteral("RzBitBtn18"), QStringLiteral("上一页"), 50);
    RzBitBtn19 = makeButton(QStringLiteral("RzBitBtn19"), QStringLiteral("下一页"), 50);
    RzBitBtn21 = makeButton(QStringLiteral("RzBitBtn21"), QStringLiteral("最末"), 44);
    RzBitBtn1 = makeButton(QStringLiteral("RzBitBtn1"), QStringLiteral("关闭"), 44);
    for (auto *button : {RzBitBtn20, RzBitBtn18, RzBitBtn19, RzBitBtn21}) {
        row->addWidget(button);
        row->addSpacing(2);
    }
    row->addStretch(1);
    row->addWidget(RzBitBtn1);
    column->addWidget(panel);

    connect(BtnBegin, &QPushButton::clicked, this, &TImageInfoLoad::BtnBeginClick);
    connect(RzBitBtn20, &QPushButton::clicked, this, &TImageInfoLoad::BtnBeginClick);
    connect(BtnEnd, &QPushButton::clicked, this, &TImageInfoLoad::BtnEndClick);
    connect(RzBitBtn21, &QPushButton::clicked, this, &TImageInfoLoad::BtnEndClick);
    connect(RzBitBtn18, &QPushButton::clicked, this, &TImageInfoLoad::RzBitBtn18Click);
    connect(RzBitBtn19, &QPushButton::clicked, this, &TImageInfoLoad::RzBitBtn19Click);
    connect(RzBitBtn1, &QPushButton::clicked, this, &TImageInfoLoad::RzBitBtn1Click);

    FormCreate();
}

QColor TImageInfoLoad::NormalFrameColour() {
    return ui::WinColour(kNormalFrame);
}

QColor TImageInfoLoad::ChosenFrameColour() {
    return ui::WinColour(kChosenFrame);
}

QColor TImageInfoLoad::FrameColourOf(const QPushButton *button) {
    return button->property(kFrameProperty).value<QColor>();
}

void TImageInfoLoad::PaintFrame(QPushButton *button, const QColor &colour) {
    button->setProperty(kFrameProperty, colour);
    button->setStyleSheet(
        QStringLiteral("QPushButton { border: 2px solid %1; border-radius: 2px; background: #F4F1EA; }"
                       "QPushButton:hover { background: #FFFFFF; }"
                       "QPushButton:pressed { background: #E2DCCD; }"
                       "QPushButton:disabled { color: #A8A8A8; border-color: #C8C8C8; }")
            .arg(colour.name()));
}

void TImageInfoLoad::FormCreate() {
    ADOImage.SetConnectionString(mingshu::content::FileDbConnectionString());
    CurrentPage = 1;
    RzPageControl1->setCurrentIndex(0);
}

void TImageInfoLoad::FillPages(const PictureArticle &article) {
    PageCount = std::max(1, std::min(article.pageCount(), kMaxPicturePages));
    for (int i = 0; i < kMaxPicturePages; ++i) {
        const PicturePage *page = i < article.pageCount() ? &article.pages[static_cast<std::size_t>(i)] : nullptr;
        Images[static_cast<std::size_t>(i)]->setSvg(page ? page->picture : std::string());
        Memos[static_cast<std::size_t>(i)]->setPlainText(page ? QString::fromStdString(page->text) : QString());
    }
}

void TImageInfoLoad::PreparePageButtons() {
    CurrentPage = 1;
    for (auto *button : findChildren<QPushButton *>()) {
        int page = PageOfButtonName(button->objectName());
        if (page > 0)
            button->setEnabled(page <= PageCount);
    }
}

void TImageInfoLoad::ShowPicturePage(int k) {
    for (auto *button : findChildren<QPushButton *>()) {
        int page = PageOfButtonName(button->objectName());
        if (page > 0)
            PaintFrame(button, page == k ? ChosenFrameColour() : NormalFrameColour());
    }
    if (k >= 1 && k <= kMaxPicturePages)
        RzPageControl1->setCurrentIndex(k - 1);
}

void TImageInfoLoad::BtnBeginClick() {
    CurrentPage = 1;
    ShowPicturePage(1);
}

void TImageInfoLoad::BtnEndClick() {
    CurrentPage = PageCount;
    ShowPicturePage(PageCount);
}

void TImageInfoLoad::RzBitBtn18Click() {
    if (CurrentPage > 1)
        --CurrentPage;
    ShowPicturePage(CurrentPage);
}

void TImageInfoLoad::RzBitBtn19Click() {
    if (CurrentPage < PageCount)
        ++CurrentPage;
    ShowPicturePage(CurrentPage);
}

void TImageInfoLoad::ABtn1Click() {
    auto *button = qobject_cast<QPushButton *>(sender());
    int page = button ? PageOfButtonName(button->objectName()) : 0;
    if (page < 1 || page > PageCount)
        return;
    CurrentPage = page;
    ShowPicturePage(page);
}

void TImageInfoLoad::RzBitBtn1Click() {
    close();
}

void TImageInfoLoad::FormClose() {
    ImageInfoLoad = nullptr;
}

void TImageInfoLoad::closeEvent(QCloseEvent *event) {
    FormClose();
    event->accept();
}

TImageInfoLoad *ShowPictureArticle(int article, const std::string &title, QWidget *owner) {
    // The pages are read before anything is shown; a failed lookup leaves no window behind.
    PictureArticle pages = LoadPictureArticle(article);
    auto *window = new TImageInfoLoad(owner);
    ImageInfoLoad = window;
    window->ArticleNumber = article;
    window->setWindowTitle(QString::fromStdString(title));
    window->FillPages(pages);
    window->PreparePageButtons();
    window->show();
    ui::CentreOnScreen(window);
    return window;
}
