// QQ, any-number, mobile-number, online-name and bone-weight windows: the main window's operations of this group.
#include "app/Unt_Main.h"
#include "numerology/UntQQ.h"
#include "numerology/UntWangm.h"
#include "numerology/Unt_sjcs.h"
#include "numerology/Untonteher.h"
#include "readings/Untgz.h"

#include <QPointer>

namespace mingshu::app {
namespace {

// The windows of the last use of each command, owned here so that the next use can destroy a window that is
// still around (the mobile window only hides when closed; the others free themselves and leave a null pointer).
class NumberWindows : public QObject {
public:
    explicit NumberWindows(TFrmmain &window) : QObject(&window), main_(window) {}

    template <typename Window> void open(QPointer<Window> &last) {
        delete last.data();
        last = new Window(&main_);
        last->exec();
    }

    QPointer<TFrm_SJcs> mobile;
    QPointer<TFrmQQhm> qq;
    QPointer<TFrm_onther> other;
    QPointer<TFrmWangming> nickname;
    QPointer<TFrmgzfx> bone_weight;

private:
    TFrmmain &main_;
};

} // namespace

void RegisterNumberOperations(TFrmmain &window) {
    auto *windows = new NumberWindows(window);
    window.registerOp(Op::OpenMobile, [windows](const OpArg &) { windows->open(windows->mobile); });
    window.registerOp(Op::OpenQQ, [windows](const OpArg &) { windows->open(windows->qq); });
    window.registerOp(Op::OpenOtherNumber, [windows](const OpArg &) { windows->open(windows->other); });
    window.registerOp(Op::OpenNickname, [windows](const OpArg &) { windows->open(windows->nickname); });
    window.registerOp(Op::OpenBoneWeight, [windows](const OpArg &) { windows->open(windows->bone_weight); });
}

} // namespace mingshu::app
