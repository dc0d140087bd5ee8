// The perpetual calendar window: the main window's operations of this group.
#include "app/Unt_Main.h"

namespace mingshu::app {

void RegisterCalendarOperations(TFrmmain &window) { (void)window; }

} // namespace mingshu::app
