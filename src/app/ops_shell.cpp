// Exit flow, help, about, customer service, addresses and the news panels: the main window's operations of this group.
#include "app/Unt_Main.h"

namespace mingshu::app {

void RegisterShellOperations(TFrmmain &window) { (void)window; }

} // namespace mingshu::app
