// TFrmFlash: the lot-drawing window "拜佛求签" — a lot cylinder that shakes, lets a lot fall and shows its reading.
#pragma once

#include "readings/lots.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <optional>
#include <random>
#include <string>

// The animation itself: idle, shaking, a lot falling, the lot shown. Drawn with QPainter, no external player.
class TLotCylinder : public QWidget {
    Q_OBJECT
public:
    enum class Phase { Idle, Shaking, Falling, Shown };

    explicit TLotCylinder(QWidget *parent = nullptr);

    // Starts a draw unless one is running: reads the stored lots, picks one, and animates. When the lots cannot be
    // read, or none is stored, nothing happens.
    void startDraw();
    Phase phase() const { return phase_; }
    // The lot of the last finished draw.
    const std::optional<mingshu::readings::Lot> &shownLot() const { return shown_; }
    // The area of the cylinder that answers a click.
    QRect cylinderRect() const;
    void seedRandom(std::uint32_t seed) { random_.seed(seed); }

    // Lengths of the two moving phases; tests shorten them.
    int shakeMs = 1400;
    int fallMs = 700;

signals:
    void lotShown(int number);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void tick();
    void paintBackground(QPainter &p);
    void paintCylinder(QPainter &p, double angle);
    void paintFallingLot(QPainter &p, double progress);
    void paintLyingLot(QPainter &p);
    void paintResult(QPainter &p);
    void paintPrompt(QPainter &p);

    Phase phase_ = Phase::Idle;
    std::optional<mingshu::readings::Lot> pending_;
    std::optional<mingshu::readings::Lot> shown_;
    QTimer timer_;
    QElapsedTimer clock_;
    std::mt19937 random_;
};

class TFrmFlash : public QWidget {
    Q_OBJECT
public:
    explicit TFrmFlash(QWidget *parent = nullptr);

    // The animation file the window was opened for; it is not checked for existence.
    QString Movie;
    TLotCylinder *LotCylinder = nullptr;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
};

// The last animation window created.
extern QPointer<TFrmFlash> FrmFlash;

// The relative path of the animation file of a kind; empty for a kind the program does not know (only kind 2, the
// temple lots, exists).
std::string AnimationFile(int kind);

// Opens a new animation window, not modally, for a known kind; closing it hides it. Returns null for another kind.
TFrmFlash *ShowAnimation(int kind, QWidget *owner = nullptr);
