// Small helpers shared by the reader windows: colours given as colour values, the song-style font, centring.
#pragma once

#include <QColor>
#include <QFont>
#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <QString>
#include <QWidget>

#include <string>
#include <vector>

namespace mingshu::readings::ui {

// Colour values keep red in the low byte, then green, then blue.
inline QColor WinColour(int value) {
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

// 宋体 where it exists; fontconfig finds a CJK face elsewhere.
inline QFont SongFont(int pixels, bool bold = false) {
    QFont font;
    font.setFamilies({QStringLiteral("宋体"), QStringLiteral("SimSun"), QStringLiteral("Noto Serif CJK SC"),
                      QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Micro Hei")});
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

inline void CentreOnScreen(QWidget *window) {
    QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

inline QString JoinedLines(const std::vector<std::string> &lines) {
    QStringList out;
    for (const auto &line : lines)
        out << QString::fromStdString(line);
    return out.join(QLatin1Char('\n'));
}

// A window with the system menu and the close box only: no minimise or maximise box.
inline Qt::WindowFlags SystemMenuOnly() {
    return Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
           Qt::CustomizeWindowHint;
}

} // namespace mingshu::readings::ui
