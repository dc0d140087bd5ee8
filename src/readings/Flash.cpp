// TFrmFlash: the lot-drawing window "拜佛求签" — a lot cylinder that shakes, lets a lot fall and shows its reading.
// The animation file named for the command is a format this program cannot play; a native animation of the same
// ritual takes its place: click the cylinder or press a key, it shakes, a lot falls out, and the lot is read.
#include "readings/Flash.h"

#include "common/errors.h"
#include "common/platform.h"
#include "readings/ReaderWidgets.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <filesystem>

using mingshu::readings::Lot;
namespace ui = mingshu::readings::ui;

QPointer<TFrmFlash> FrmFlash;

namespace {

constexpr double kPi = 3.14159265358979323846;

// Where things stand in the scene.
const QPointF kCylinderBase(190, 405);
constexpr double kTubeWidth = 120;
constexpr double kTubeHeight = 190;
const QPointF kLotRest(262, 440);
const QRect kPanel(386, 18, 272, 448);

const QColor kGold(0xE3, 0xB9, 0x4D);
const QColor kDeepRed(0x8E, 0x1B, 0x12);
const QColor kInk(0x3A, 0x22, 0x14);

double Ease(double t) {
    return t * t * (3 - 2 * t);
}

QColor GradeColour(const std::string &grade) {
    if (grade.rfind("上", 0) == 0)
        return QColor(0xC6, 0x28, 0x28);
    if (grade.rfind("中", 0) == 0)
        return QColor(0xD0, 0x7A, 0x12);
    return QColor(0x45, 0x5A, 0x64);
}

// One bamboo lot, drawn upright around its centre: a red tip above, the number written down its face.
void PaintLot(QPainter &p, double length, double width, const QString &label) {
    QRectF body(-width / 2, -length / 2, width, length);
    QLinearGradient g(body.topLeft(), body.topRight());
    g.setColorAt(0, QColor(0xC9, 0x9E, 0x55));
    g.setColorAt(0.5, QColor(0xEE, 0xD3, 0x95));
    g.setColorAt(1, QColor(0xB8, 0x8A, 0x45));
    p.setPen(QPen(QColor(0x8A, 0x63, 0x2C), 1));
    p.setBrush(g);
    p.drawRoundedRect(body, width / 3, width / 3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xC6, 0x28, 0x28));
    p.drawRoundedRect(QRectF(body.left(), body.top(), width, length * 0.12), width / 3, width / 3);
    if (!label.isEmpty()) {
        p.setPen(kDeepRed);
        p.setFont(ui::SongFont(static_cast<int>(width * 0.8), true));
        // Written top to bottom, one character under the other.
        double y = body.top() + length * 0.18;
        for (const QChar &c : label) {
            p.drawText(QRectF(body.left(), y, width, width), Qt::AlignCenter, QString(c));
            y += width * 0.95;
        }
    }
}

} // namespace

TLotCylinder::TLotCylinder(QWidget *parent) : QWidget(parent), random_(std::random_device{}()) {
    setObjectName(QStringLiteral("LotCylinder"));
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(674, 484);
    timer_.setInterval(16);
    connect(&timer_, &QTimer::timeout, this, &TLotCylinder::tick);
}

QRect TLotCylinder::cylinderRect() const {
    return QRectF(kCylinderBase.x() - kTubeWidth / 2 - 10, kCylinderBase.y() - kTubeHeight - 120, kTubeWidth + 20,
                  kTubeHeight + 125)
        .toRect();
}

void TLotCylinder::startDraw() {
    if (phase_ == Phase::Shaking || phase_ == Phase::Falling)
        return;
    std::vector<Lot> lots;
    try {
        lots = mingshu::readings::ReadLots();
    } catch (const mingshu::SilentAbort &) {
        return; // the lots cannot be read: the draw ends without a word, like any failed lookup
    }
    pending_ = mingshu::readings::DrawLot(lots, [this] { return static_cast<std::uint32_t>(random_()); });
    if (!pending_)
        return;
    phase_ = Phase::Shaking;
    clock_.start();
    timer_.start();
    update();
}

void TLotCylinder::tick() {
    const qint64 elapsed = clock_.elapsed();
    if (phase_ == Phase::Shaking && elapsed >= shakeMs) {
        phase_ = Phase::Falling;
        clock_.start();
    } else if (phase_ == Phase::Falling && elapsed >= fallMs) {
        phase_ = Phase::Shown;
        shown_ = pending_;
        pending_.reset();
        timer_.stop();
        emit lotShown(shown_->number);
    }
    update();
}

void TLotCylinder::mousePressEvent(QMouseEvent *event) {
    if (event->button() == Qt::LeftButton && cylinderRect().contains(event->position().toPoint()))
        startDraw();
    else
        QWidget::mousePressEvent(event);
}

void TLotCylinder::keyPressEvent(QKeyEvent *event) {
    // Any key shakes the cylinder; keys that only modify another key do not count.
    switch (event->key()) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_Meta:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        QWidget::keyPressEvent(event);
        return;
    default:
        startDraw();
    }
}

void TLotCylinder::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    paintBackground(p);

    double angle = 0;
    double lift = 0;
    if (phase_ == Phase::Shaking) {
        double t = std::min(1.0, clock_.elapsed() / static_cast<double>(std::max(shakeMs, 1)));
        double envelope = std::sin(t * kPi);
        angle = 11 * envelope * std::sin(t * kPi * 2 * 7);
        lift = 6 * envelope * std::abs(std::sin(t * kPi * 2 * 7));
    }
    p.save();
    p.translate(0, -lift);
    paintCylinder(p, angle);
    p.restore();

    if (phase_ == Phase::Falling)
        paintFallingLot(p, std::min(1.0, clock_.elapsed() / static_cast<double>(std::max(fallMs, 1))));
    else if (phase_ == Phase::Shown)
        paintLyingLot(p);
    paintResult(p);
    paintPrompt(p);
}

void TLotCylinder::paintBackground(QPainter &p) {
    QLinearGradient wall(0, 0, 0, 410);
    wall.setColorAt(0, QColor(0x3B, 0x0F, 0x0A));
    wall.setColorAt(1, QColor(0x7A, 0x2A, 0x17));
    p.fillRect(QRectF(0, 0, width(), 410), wall);
    QLinearGradient floor(0, 410, 0, height());
    floor.setColorAt(0, QColor(0x5A, 0x3A, 0x22));
    floor.setColorAt(1, QColor(0x3A, 0x24, 0x14));
    p.fillRect(QRectF(0, 410, width(), height() - 410), floor);
    p.setPen(QPen(QColor(0x2A, 0x18, 0x0C), 2));
    p.drawLine(QPointF(0, 410), QPointF(width(), 410));

    // A soft halo behind the cylinder, as the light of the altar lamps.
    QRadialGradient halo(QPointF(kCylinderBase.x(), 250), 170);
    halo.setColorAt(0, QColor(0xFF, 0xD5, 0x80, 150));
    halo.setColorAt(1, QColor(0xFF, 0xD5, 0x80, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(QPointF(kCylinderBase.x(), 250), 170, 170);

    p.setPen(kGold);
    p.setFont(ui::SongFont(28, true));
    p.drawText(QRectF(40, 18, 300, 40), Qt::AlignCenter, QStringLiteral("拜佛求签"));
}

void TLotCylinder::paintCylinder(QPainter &p, double angle) {
    p.save();
    p.translate(kCylinderBase);
    p.rotate(angle);

    // The lots standing in the cylinder, behind its front wall.
    const int sticks = 13;
    for (int i = 0; i < sticks; ++i) {
        double x = -48 + i * 8.0;
        double rise = 70 + 38 * std::abs(std::sin(i * 1.7 + 0.4));
        p.save();
        p.translate(x, -kTubeHeight - rise / 2 + 18);
        p.rotate((i - sticks / 2) * 1.6);
        PaintLot(p, rise + 40, 8, QString());
        p.restore();
    }

    QRectF tube(-kTubeWidth / 2, -kTubeHeight, kTubeWidth, kTubeHeight);
    QLinearGradient lacquer(tube.topLeft(), tube.topRight());
    lacquer.setColorAt(0, QColor(0x6E, 0x12, 0x0C));
    lacquer.setColorAt(0.45, QColor(0xC8, 0x30, 0x22));
    lacquer.setColorAt(1, QColor(0x5E, 0x0E, 0x0A));
    p.setPen(QPen(QColor(0x3E, 0x0A, 0x06), 1.5));
    p.setBrush(lacquer);
    p.drawRoundedRect(tube, 10, 10);
    // The mouth of the cylinder.
    p.setBrush(QColor(0x2A, 0x08, 0x05));
    p.drawEllipse(QRectF(tube.left(), tube.top() - 9, tube.width(), 18));
    // Gold bands and the character on the front.
    p.setPen(Qt::NoPen);
    p.setBrush(kGold);
    p.drawRect(QRectF(tube.left(), tube.top() + 14, tube.width(), 9));
    p.drawRect(QRectF(tube.left(), tube.bottom() - 26, tube.width(), 9));
    p.setPen(QPen(kGold, 2.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(0, -kTubeHeight / 2), 32, 32);
    p.setFont(ui::SongFont(36, true));
    p.drawText(QRectF(-32, -kTubeHeight / 2 - 32, 64, 64), Qt::AlignCenter, QStringLiteral("签"));
    p.restore();
}

void TLotCylinder::paintFallingLot(QPainter &p, double progress) {
    // Out of the mouth, up a little, then down on to the floor, turning to lie flat.
    double t = Ease(progress);
    QPointF start(kCylinderBase.x() + 20, kCylinderBase.y() - kTubeHeight - 70);
    double x = start.x() + (kLotRest.x() - start.x()) * t;
    double arc = -90 * std::sin(progress * kPi * 0.8);
    double y = start.y() + (kLotRest.y() - start.y()) * progress * progress + arc;
    p.save();
    p.translate(x, y);
    p.rotate(10 + 83 * t);
    PaintLot(p, 170, 16, QString());
    p.restore();
}

void TLotCylinder::paintLyingLot(QPainter &p) {
    if (!shown_)
        return;
    p.save();
    p.translate(kLotRest);
    p.rotate(93);
    PaintLot(p, 170, 16, QString());
    p.restore();
    // The number is read off the lot, written beside it on the floor.
    p.setPen(kGold);
    p.setFont(ui::SongFont(16, true));
    p.drawText(QRectF(kLotRest.x() - 85, kLotRest.y() + 10, 170, 24), Qt::AlignCenter,
               QStringLiteral("第%1签").arg(shown_->number));
}

void TLotCylinder::paintResult(QPainter &p) {
    p.setPen(QPen(kGold, 2));
    p.setBrush(QColor(0xFB, 0xF3, 0xDC));
    p.drawRoundedRect(kPanel, 8, 8);
    QRectF inner = QRectF(kPanel).adjusted(16, 14, -16, -14);

    if (!shown_) {
        p.setPen(kDeepRed);
        p.setFont(ui::SongFont(22, true));
        p.drawText(QRectF(inner.left(), inner.top(), inner.width(), 40), Qt::AlignCenter, QStringLiteral("求签须知"));
        p.setPen(kInk);
        p.setFont(ui::SongFont(16));
        const QString steps[] = {
            QStringLiteral("一、净手静心，默念自己的姓名与所求之事。"),
            QStringLiteral("二、点击签筒或按任意键，签筒便会摇动。"),
            QStringLiteral("三、一支签落地，签号、签诗与解签随即显示。"),
            QStringLiteral("四、一事只求一签；另有所问，可再摇一次。"),
        };
        double y = inner.top() + 60;
        for (const auto &step : steps) {
            QRectF box(inner.left(), y, inner.width(), 70);
            QRectF used = p.boundingRect(box, Qt::TextWordWrap, step);
            p.drawText(box, Qt::TextWordWrap, step);
            y += used.height() + 16;
        }
        return;
    }

    const Lot &lot = *shown_;
    p.setPen(kDeepRed);
    p.setFont(ui::SongFont(26, true));
    p.drawText(QRectF(inner.left(), inner.top(), inner.width(), 40), Qt::AlignCenter,
               QStringLiteral("第 %1 签").arg(lot.number));

    QString grade = QString::fromStdString(lot.grade);
    p.setFont(ui::SongFont(16, true));
    QRectF pill(inner.center().x() - 34, inner.top() + 46, 68, 26);
    p.setPen(Qt::NoPen);
    p.setBrush(GradeColour(lot.grade));
    p.drawRoundedRect(pill, 13, 13);
    p.setPen(Qt::white);
    p.drawText(pill, Qt::AlignCenter, grade);

    p.setPen(kInk);
    p.setFont(ui::SongFont(18));
    double y = inner.top() + 86;
    for (const auto &line : QString::fromStdString(lot.verse).split(QLatin1Char('\n'))) {
        p.drawText(QRectF(inner.left(), y, inner.width(), 28), Qt::AlignCenter, line.trimmed());
        y += 28;
    }
    y += 8;
    p.setPen(QPen(kGold, 1));
    p.drawLine(QPointF(inner.left() + 10, y), QPointF(inner.right() - 10, y));
    y += 10;
    p.setPen(kDeepRed);
    p.setFont(ui::SongFont(16, true));
    p.drawText(QRectF(inner.left(), y, inner.width(), 24), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("解签"));
    y += 28;
    p.setPen(kInk);
    p.setFont(ui::SongFont(15));
    p.drawText(QRectF(inner.left(), y, inner.width(), inner.bottom() - y), Qt::TextWordWrap,
               QString::fromStdString(lot.content));
}

void TLotCylinder::paintPrompt(QPainter &p) {
    QString prompt;
    switch (phase_) {
    case Phase::Idle:
        prompt = QStringLiteral("点击签筒或按任意键求签");
        break;
    case Phase::Shaking:
    case Phase::Falling:
        prompt = QStringLiteral("诚心默念，签筒摇动中……");
        break;
    case Phase::Shown:
        prompt = QStringLiteral("再点签筒或按键，可再求一签");
        break;
    }
    p.setPen(QColor(0xF3, 0xE3, 0xB5));
    p.setFont(ui::SongFont(15));
    p.drawText(QRectF(40, 60, 300, 24), Qt::AlignCenter, prompt);
}

TFrmFlash::TFrmFlash(QWidget *parent) : QWidget(parent, ui::SystemMenuOnly()) {
    setObjectName(QStringLiteral("FrmFlash"));
    setFont(ui::SongFont(12));
    // Outer size 682 by 511; the desktop's frame takes its part of it.
    setFixedSize(674, 484);
    LotCylinder = new TLotCylinder(this);
    LotCylinder->setGeometry(rect());
    // Closing only hides the window; it stays until the program ends.
    setAttribute(Qt::WA_DeleteOnClose, false);
}

void TFrmFlash::keyPressEvent(QKeyEvent *event) {
    // A key pressed while the focus is elsewhere in the window still shakes the cylinder.
    QCoreApplication::sendEvent(LotCylinder, event);
}

void TFrmFlash::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    LotCylinder->setFocus();
}

std::string AnimationFile(int kind) {
    if (kind == 2)
        return (std::filesystem::path("Flash") / "paifo.swf").string();
    return {};
}

TFrmFlash *ShowAnimation(int kind, QWidget *owner) {
    std::string file = AnimationFile(kind);
    if (file.empty())
        return nullptr;
    auto *window = new TFrmFlash(owner);
    FrmFlash = window;
    window->setWindowTitle(QStringLiteral("拜佛求签"));
    window->Movie = QString::fromStdString(mingshu::GetProgramDirectory() + file);
    window->show();
    ui::CentreOnScreen(window);
    return window;
}
