// The perpetual calendar window: the main window's operations of this group.
#include "app/Unt_Main.h"
#include "calendar/DateWin.h"

#include <QPointer>

#include <memory>

namespace mingshu::app {

void RegisterCalendarOperations(TFrmmain &window) {
    // The window of the last use stays, hidden, until the command is used again.
    auto last = std::make_shared<QPointer<TFRM_Date>>();
    window.registerOp(Op::OpenCalendar, [&window, last](const OpArg &) {
        delete last->data();
        *last = new TFRM_Date(&window);
        (*last)->exec();
    });
}

} // namespace mingshu::app
