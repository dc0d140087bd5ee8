// The window program: sets the title, creates the main window and runs until it closes.
#include "app/Unt_Main.h"
#include "app/qt_platform.h"
#include "common/errors.h"

#include <QApplication>

namespace {

// The general error handler: a failure that escapes any event handler is shown, never passed through
// Qt's event loop.
class MingshuApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject *receiver, QEvent *event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (const mingshu::SilentAbort &) {
        } catch (const std::exception &e) {
            mingshu::CurrentPlatform().showError(e.what());
        } catch (...) {
            mingshu::CurrentPlatform().showError("发生未知错误");
        }
        return false;
    }
};

} // namespace

int main(int argc, char **argv) {
    MingshuApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("明枢算命系统"));
    QApplication::setApplicationDisplayName(QStringLiteral("明枢算命系统"));
    mingshu::app::QtPlatform platform;
    mingshu::InstallPlatform(&platform);
    mingshu::app::ApplyApplicationFont();
    mingshu::app::InstallChineseTranslations();

    TFrmmain window;
    window.show();
    int rc = app.exec();
    mingshu::InstallPlatform(nullptr);
    return rc;
}
