// Name analysis, three talents, birth signs, the combined report, report files and printing: the main window's operations of this group.
#include "app/Unt_Main.h"

namespace mingshu::app {

void RegisterReadingOperations(TFrmmain &window) { (void)window; }

} // namespace mingshu::app
