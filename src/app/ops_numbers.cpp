// QQ, any-number, mobile-number, online-name and bone-weight windows: the main window's operations of this group.
#include "app/Unt_Main.h"

namespace mingshu::app {

void RegisterNumberOperations(TFrmmain &window) { (void)window; }

} // namespace mingshu::app
