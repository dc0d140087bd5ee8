// Parts shared by the small number and name windows, and the common body of the two eighty-one-number windows.
#include "numerology/NumberForms.h"

#include "common/codec.h"
#include "common/errors.h"
#include "common/platform.h"
#include "common/text.h"
#include "numerology/eighty_one.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>

namespace mingshu::forms {

QString Q(const std::string &utf8) {
    return QString::fromStdString(utf8);
}

void SetTextColour(QWidget *widget, const QColor &colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

QLabel *MakeLabel(QWidget *parent, const char *name, const QString &text, const QRect &geometry) {
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

QLabel *MakeWrappedLabel(QWidget *parent, const char *name, const QRect &geometry) {
    QLabel *label = MakeLabel(parent, name, QString(), geometry);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QPushButton *MakeButton(QWidget *parent, const char *name, const QString &text, const QRect &geometry) {
    auto *button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    // Enter belongs to the entry's own handler; no button takes it as the dialog's default.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

void SetUpDialog(QDialog *dialog, const char *name, const QString &caption, const QSize &client) {
    dialog->setObjectName(QString::fromLatin1(name));
    dialog->setWindowTitle(caption);
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint);
    dialog->setFixedSize(client);
    dialog->setFont(SongFont(12));
}

void Guarded(const std::function<void()> &body) {
    try {
        body();
    } catch (const SilentAbort &) {
        // A content lookup failed: the command ends without a word.
    } catch (const std::exception &e) {
        CurrentPlatform().showError(e.what());
    } catch (...) {
        CurrentPlatform().showError("发生未知错误");
    }
}

TKeyFilter::TKeyFilter(QLineEdit *edit, std::function<bool(QChar)> accept, std::function<void()> enter)
    : QObject(edit), accept_(std::move(accept)), enter_(std::move(enter)) {
    edit->installEventFilter(this);
}

bool TKeyFilter::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::InputMethod && accept_) {
        // Text composed with an input method is typed too: it passes the same filter, character by character.
        auto *ime = static_cast<QInputMethodEvent *>(event);
        QString kept;
        for (QChar c : ime->commitString())
            if (accept_(c))
                kept += c;
        if (kept != ime->commitString())
            ime->setCommitString(kept, ime->replacementStart(), ime->replacementLength());
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        if (enter_)
            enter_();
        return true;
    }
    const QString text = key->text();
    if (text.size() != 1 || !text[0].isPrint() || key->modifiers().testFlag(Qt::ControlModifier))
        return false;
    return accept_ && !accept_(text[0]);
}

QValidator::State TUpperGbkValidator::validate(QString &input, int &pos) const {
    QString kept;
    int bytes = 0;
    for (qsizetype i = 0; i < input.size(); ++i) {
        QString character(input[i]);
        if (input[i].isHighSurrogate() && i + 1 < input.size())
            character += input[++i];
        const std::string utf8 = character.toStdString();
        const int n = IsGbkEncodable(utf8) ? static_cast<int>(GbkLength(utf8)) : 2 * static_cast<int>(character.size());
        if (bytes + n > limit_)
            break;
        bytes += n;
        const QChar c = character[0];
        kept += character.size() == 1 && c.unicode() < 128 ? c.toUpper() : character;
    }
    if (kept != input) {
        input = kept;
        pos = std::min(pos, static_cast<int>(kept.size()));
    }
    return Acceptable;
}

TEightyOneForm::TEightyOneForm(const Captions &captions, QWidget *parent)
    : QDialog(parent), empty_message_(captions.empty_message) {
    SetUpDialog(this, captions.name, captions.caption, QSize(408, 266));
    // The window frees itself when it is closed; the main window's pointer to it then turns null.
    setAttribute(Qt::WA_DeleteOnClose);

    RzLabel1 = MakeLabel(this, "RzLabel1", captions.entry_caption, QRect(14, 16, 72, 22));
    edtmun = new QLineEdit(this);
    edtmun->setObjectName(QStringLiteral("edtmun"));
    edtmun->setGeometry(88, 14, 160, 26);
    edtmun->setMaxLength(18);
    RzBitBtn1 = MakeButton(this, "RzBitBtn1", QStringLiteral("测算"), QRect(262, 13, 64, 28));
    RzBitBtn2 = MakeButton(this, "RzBitBtn2", QStringLiteral("关闭"), QRect(332, 13, 64, 28));

    RzGroupBox1 = new QGroupBox(QStringLiteral("测算结果"), this);
    RzGroupBox1->setObjectName(QStringLiteral("RzGroupBox1"));
    RzGroupBox1->setGeometry(10, 52, 388, 204);
    const int caption_x = 12, value_x = 86, value_w = 290;
    RzLabel5 = MakeLabel(RzGroupBox1, "RzLabel5", captions.echo_caption, QRect(caption_x, 24, 74, 20));
    RzLabel11 = MakeLabel(RzGroupBox1, "RzLabel11", QString(), QRect(value_x, 24, value_w, 20));
    RzLabel4 = MakeLabel(RzGroupBox1, "RzLabel4", QStringLiteral("状态："), QRect(caption_x, 50, 74, 20));
    RzLabel10 = MakeLabel(RzGroupBox1, "RzLabel10", QString(), QRect(value_x, 50, value_w, 20));
    RzLabel6 = MakeLabel(RzGroupBox1, "RzLabel6", QStringLiteral("吉凶："), QRect(caption_x, 76, 74, 20));
    RzLabel9 = MakeLabel(RzGroupBox1, "RzLabel9", QString(), QRect(value_x, 76, value_w, 20));
    SetTextColour(RzLabel9, Qt::red);
    RzLabel7 = MakeLabel(RzGroupBox1, "RzLabel7", QStringLiteral("具体表现："), QRect(caption_x, 102, 74, 20));
    RzLabel8 = MakeWrappedLabel(RzGroupBox1, "RzLabel8", QRect(value_x, 104, value_w, 97));

    new TKeyFilter(
        edtmun, [this](QChar key) { return edtmunKeyPress(key); }, [this] { RzBitBtn1Click(); });
    connect(RzBitBtn1, &QPushButton::clicked, this, [this] { RzBitBtn1Click(); });
    connect(RzBitBtn2, &QPushButton::clicked, this, [this] { RzBitBtn2Click(); });
}

bool TEightyOneForm::edtmunKeyPress(QChar key) {
    return key >= QLatin1Char('0') && key <= QLatin1Char('9');
}

void TEightyOneForm::RzBitBtn1Click() {
    Guarded([this] {
        const std::string number = Trim(edtmun->text().toStdString());
        if (number.empty()) {
            ShowInfo(empty_message_);
            return;
        }
        // A pasted text that is no number fails here, before any label changes.
        const numerology::ReadingFields fields = numerology::SplitReading(numerology::GetNumberReading(number));
        for (QLabel *label : {RzLabel11, RzLabel10, RzLabel9, RzLabel8})
            label->clear();
        RzLabel11->setText(Q(number));
        RzLabel10->setText(Q(fields.summary));
        RzLabel9->setText(Q(fields.verdict));
        RzLabel8->setText(Q(fields.personality));
    });
}

void TEightyOneForm::RzBitBtn2Click() {
    close();
}

} // namespace mingshu::forms
