// Small helpers every window shares.
#include "app/gui_helpers.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace mingshu::gui {

QFont SongFont(int pixels, bool bold) {
    QFont font;
    font.setFamilies({QStringLiteral("宋体"), QStringLiteral("SimSun"), QStringLiteral("Noto Serif CJK SC"),
                      QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Micro Hei")});
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

void CentreOnScreen(QWidget *window) {
    QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

} // namespace mingshu::gui
