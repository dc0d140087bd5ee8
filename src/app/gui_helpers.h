// Small helpers every window shares: the program's font and centring a window on its screen.
#pragma once

#include <QFont>

class QWidget;

namespace mingshu::gui {

// 宋体 where it exists, then the CJK faces Debian ships, so Chinese never falls back to Japanese glyph forms.
QFont SongFont(int pixels = 12, bool bold = false);
// Moves a window so that its frame is centred on the available area of its screen.
void CentreOnScreen(QWidget *window);

} // namespace mingshu::gui
