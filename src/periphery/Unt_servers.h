// TFrm_servers: the customer-service window — how to reach support and where to look first.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

class TFrm_servers : public QDialog {
    Q_OBJECT
public:
    explicit TFrm_servers(QWidget *parent = nullptr);

    QLabel *Image1 = nullptr;
    QLabel *Label1 = nullptr;   // heading
    QLabel *Contacts = nullptr; // the configured contacts, one per line
    QPushButton *MailButton = nullptr;
    QPushButton *OKButton = nullptr;
};
