// TFrm_NanNv: the birth-sex chart window — the chart on two pages, a short text on a third, the note under them.
#pragma once

#include <QDialog>
#include <QWidget>

class QLabel;
class QTabWidget;
class QTextBrowser;

// One page of the chart drawn as a grid: the mother's ages across, the months of conception down, 男 and 女 in
// two colours.
class TSexChart : public QWidget {
    Q_OBJECT
public:
    TSexChart(int first_age, int last_age, const QString &title, QWidget *parent = nullptr);
    int firstAge() const { return first_age_; }
    int lastAge() const { return last_age_; }
    // The cell of an age and a month inside the widget, as it is drawn now.
    QRectF cellRect(int age, int month) const;

    static QColor BoyColour();
    static QColor GirlColour();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    struct Grid {
        QRectF title, table;
        double cornerWidth, columnWidth, headerHeight, rowHeight;
    };
    Grid grid() const;

    int first_age_, last_age_;
    QString title_;
};

class TFrm_NanNv : public QDialog {
    Q_OBJECT
public:
    explicit TFrm_NanNv(QWidget *parent = nullptr);

    QWidget *RzPanel1 = nullptr;
    QTabWidget *RzPageControl1 = nullptr;
    QWidget *TabSheet1 = nullptr;
    QWidget *TabSheet2 = nullptr;
    QWidget *TabSheet3 = nullptr;
    TSexChart *Image1 = nullptr;
    TSexChart *Image2 = nullptr;
    QTextBrowser *Image3 = nullptr;
    QLabel *RzLabel1 = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
};
