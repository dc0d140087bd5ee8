// Star-sign topics, omens, articles, picture articles, the lot drawing and the birth-sex chart: the main window's
// operations of this group.
#include "app/Unt_Main.h"

#include "readings/Flash.h"
#include "readings/ImageInfo.h"
#include "readings/UntNote.h"
#include "readings/UntOnther.h"
#include "readings/Untabt.h"
#include "readings/star_topics.h"

#include <QPointer>

#include <memory>

namespace mingshu::app {
namespace {

// Writes a star-sign topic for the birth profile. The text is looked up before the view changes, so a database
// that cannot be read leaves the view as it was.
void RunStarTopic(TFrmmain &w, readings::StarTopic topic) {
    const BirthProfile &p = w.profile();
    if (!p.Surname.empty() && !p.GivenName.empty() && !p.StarSign.empty()) {
        std::string text = readings::StarSignTopicText(p.StarSign, topic);
        w.report().setLines(readings::StarTopicCommandLines(p.Surname, p.GivenName, p.StarSign, text));
    }
    if (readings::StarTopicScrollsToTop(topic))
        w.ScrollReportToTop();
}

} // namespace

void RegisterReaderOperations(TFrmmain &window) {
    TFrmmain *w = &window;
    window.registerOp(Op::StarTopic, [w](const OpArg &arg) {
        if (auto topic = readings::StarTopicOfNumber(arg.number))
            RunStarTopic(*w, *topic);
    });
    window.registerOp(Op::Omen, [w](const OpArg &arg) { ShowOmenWindow(arg.text, arg.number, w); });
    window.registerOp(Op::Article, [w](const OpArg &arg) { ShowArticle(arg.text, w); });
    window.registerOp(Op::PictureArticle, [w](const OpArg &arg) { ShowPictureArticle(arg.number, arg.text, w); });
    window.registerOp(Op::Animation, [w](const OpArg &arg) { ShowAnimation(arg.number, w); });

    // The chart of the last use stays, hidden, until the command is used again.
    auto last = std::make_shared<QPointer<TFrm_NanNv>>();
    window.registerOp(Op::OpenNanNv, [w, last](const OpArg &) {
        delete last->data();
        *last = new TFrm_NanNv(w);
        (*last)->RzPageControl1->setCurrentIndex(0);
        (*last)->exec();
    });
}

} // namespace mingshu::app
