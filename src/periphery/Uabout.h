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

// Parts shared by the about and customer-service windows.
// A fixed-size modal window with a title and a close box only.
void SetUpInfoWindow(QDialog *dialog, const char *object_name, const QString &title, const QSize &size);
// The logo as a label of the given size, named Image1.
QLabel *MakeLogoLabel(QWidget *parent, int size);
// The window's heading in the product's red, bold, at the given pixel size, named Label1.
QLabel *MakeHeading(QWidget *parent, const QString &text, int pixels);
// The default button "确定" that closes the window, named OKButton.
QPushButton *MakeOkButton(QDialog *dialog);
