// Development tool: opens the main window, runs a few commands and saves screenshots (for the README and for
// looking at the windows). Usage: mingshu-screens OUTDIR
#include "app/Unt_Main.h"
#include "app/qt_platform.h"
#include "periphery/Uabout.h"
#include "periphery/Unt_servers.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>

namespace {

class ScreensPlatform : public mingshu::app::QtPlatform {
public:
    std::string programDirectory() override { return std::string(MINGSHU_BIN_DIR) + "/"; }
};

void Save(QWidget *w, const QString &path) {
    QApplication::processEvents();
    QPixmap shot = w->screen() ? w->screen()->grabWindow(w->winId()) : QPixmap();
    if (shot.isNull() || shot.width() < 10)
        shot = w->grab();
    shot.save(path);
}

} // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    if (argc < 2)
        return 2;
    QString out = QString::fromLocal8Bit(argv[1]);
    ScreensPlatform platform;
    mingshu::InstallPlatform(&platform);
    mingshu::app::ApplyApplicationFont();
    mingshu::app::InstallChineseTranslations();

    TFrmmain window;
    window.show();
    QTimer::singleShot(300, [&] {
        Save(&window, out + "/main-start.png");
        window.NameA->setText(QStringLiteral("张"));
        window.NameB->setText(QStringLiteral("三"));
        window.runOp(mingshu::app::Op::BirthInfo);
        Save(&window, out + "/main-birth.png");
        window.NameA->setText(QStringLiteral("欧阳"));
        window.NameB->setText(QStringLiteral("明月"));
        window.runOp(mingshu::app::Op::CombinedReport);
        Save(&window, out + "/main-report.png");
        // The menus, one after the other, as the screen shows them.
        const auto menus = window.menuBar()->actions();
        for (int i = 0; i < menus.size(); ++i) {
            QMenu *menu = menus[i]->menu();
            menu->popup(window.mapToGlobal(window.menuBar()->actionGeometry(menus[i]).bottomLeft()));
            QApplication::processEvents();
            window.screen()->grabWindow(0).save(out + QStringLiteral("/menu-%1.png").arg(i + 1));
            menu->hide();
        }
        // The about and customer-service windows.
        TAbout about(&window);
        about.show();
        Save(&about, out + "/about.png");
        about.hide();
        TFrm_servers service(&window);
        service.show();
        Save(&service, out + "/service.png");
        service.hide();
        window.confirmClose = nullptr; // no exit question for a tool run
        app.quit();
    });
    int rc = app.exec();
    mingshu::InstallPlatform(nullptr);
    return rc;
}
