// Every subsystem binds its own operations; this list is the only place that names them all.
#include "app/Unt_Main.h"

namespace mingshu::app {

void RegisterOperations(TFrmmain &window) {
    RegisterShellOperations(window);
    RegisterReadingOperations(window);
    RegisterNumberOperations(window);
    RegisterCalendarOperations(window);
    RegisterReaderOperations(window);
}

} // namespace mingshu::app
