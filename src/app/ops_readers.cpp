// Star-sign topics, omens, articles, picture articles, the lot drawing and the birth-sex chart: the main window's operations of this group.
#include "app/Unt_Main.h"

namespace mingshu::app {

void RegisterReaderOperations(TFrmmain &window) { (void)window; }

} // namespace mingshu::app
