// Small helpers shared by the reader windows: colours given as colour values, the song-style font, centring.
#pragma once

#include "app/gui_helpers.h"

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

using gui::CentreOnScreen;
using gui::SongFont;

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
