// TAbout: the about window — logo, product name, version and what the program offers.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

class TAbout : public QDialog {
    Q_OBJECT
public:
    explicit TAbout(QWidget *parent = nullptr);

    QLabel *Image1 = nullptr; // the logo
    QLabel *Label1 = nullptr; // product name
    QLabel *Label2 = nullptr; // version
    QLabel *Label3 = nullptr; // what the program offers
    QPushButton *OKButton = nullptr;
};

// The product's logo at the given size in pixels.
QPixmap MingshuLogo(int size);
