// Qt implementations of the platform services.
#include "app/qt_platform.h"

#include "app/gui_helpers.h"

#include <QApplication>
#include <QDate>
#include <QDesktopServices>
#include <QDir>
#include <QFont>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTranslator>
#include <QUrl>

namespace mingshu::app {

void QtPlatform::showInfo(const std::string &text) {
    QMessageBox box(QMessageBox::Information, QStringLiteral("提示"), QString::fromStdString(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

void QtPlatform::showError(const std::string &text) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("错误"), QString::fromStdString(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

bool QtPlatform::askYesNo(const std::string &text) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("提示"), QString::fromStdString(text),
                    QMessageBox::Yes | QMessageBox::No, QApplication::activeWindow());
    box.button(QMessageBox::Yes)->setText(QStringLiteral("是"));
    box.button(QMessageBox::No)->setText(QStringLiteral("否"));
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void QtPlatform::beep() {
    QApplication::beep();
}

std::string QtPlatform::programDirectory() {
    QString dir = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
    if (!dir.endsWith(QDir::separator()))
        dir += QDir::separator();
    return dir.toStdString();
}

std::chrono::year_month_day QtPlatform::today() {
    QDate d = QDate::currentDate();
    return std::chrono::year_month_day{std::chrono::year{d.year()},
                                       std::chrono::month{static_cast<unsigned>(d.month())},
                                       std::chrono::day{static_cast<unsigned>(d.day())}};
}

void QtPlatform::openUrl(const std::string &url) {
    QString u = QString::fromStdString(url);
    QUrl target =
        u.contains(QStringLiteral("://")) || u.startsWith(QStringLiteral("mailto:")) ? QUrl(u) : QUrl::fromLocalFile(u);
    QDesktopServices::openUrl(target);
}

std::string QtPlatform::readSetting(const std::string &key) {
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Mingshu"),
                       QStringLiteral("Mingshu"));
    return settings.value(QString::fromStdString(key)).toString().toStdString();
}

void QtPlatform::writeSetting(const std::string &key, const std::string &value) {
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Mingshu"),
                       QStringLiteral("Mingshu"));
    settings.setValue(QString::fromStdString(key), QString::fromStdString(value));
}

void ApplyApplicationFont() {
    QApplication::setFont(gui::SongFont(12));
}

void InstallChineseTranslations() {
    auto *translator = new QTranslator(qApp);
    if (translator->load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace mingshu::app
