#include "platform/CodePageInput.h"

#include "core/Cp1251.h"
#include "platform/Desktop.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPointer>
#include <QValidator>

namespace {

const QChar kPastedReplacement = QLatin1Char('?');

// True when the key would type a character the code page cannot hold; the key is then refused
// with a beep. Keys that type nothing (arrows, shortcuts) always pass.
bool refuseTyped(const QKeyEvent* key) {
    if (key->text().isEmpty() || cp1251::canEncode(key->text()))
        return false;
    AppDesktop().Beep();
    return true;
}

// An input method commits whole strings: the characters that can be stored go in, the rest are
// refused as typed ones are.
void filterCommit(QInputMethodEvent* event) {
    bool changed = false;
    const QString kept = cp1251::storable(event->commitString(), QChar(), &changed);
    if (!changed)
        return;
    AppDesktop().Beep();
    event->setCommitString(kept, event->replacementStart(), event->replacementLength());
}

// Everything that reaches a line edit's text other than typing (paste, drop, a text set by the
// program) passes its validator, which mends the text in place; a validator the edit had before
// still judges the mended text.
class CodePageValidator : public QValidator {
public:
    CodePageValidator(const QValidator* inner, QObject* parent)
        : QValidator(parent), m_inner(inner) {}

    State validate(QString& input, int& pos) const override {
        bool changed = false;
        QString mended = cp1251::storable(input, kPastedReplacement, &changed);
        if (changed) {
            pos = static_cast<int>(
                cp1251::storable(QStringView(input).left(pos), kPastedReplacement).size());
            input = std::move(mended);
        }
        return m_inner ? m_inner->validate(input, pos) : Acceptable;
    }
    void fixup(QString& input) const override {
        if (m_inner)
            m_inner->fixup(input);
    }

private:
    QPointer<const QValidator> m_inner;
};

class TypedCharacterFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress && refuseTyped(static_cast<QKeyEvent*>(event)))
            return true;
        if (event->type() == QEvent::InputMethod)
            filterCommit(static_cast<QInputMethodEvent*>(event));
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void KeepToCodePage(QLineEdit* edit) {
    edit->setValidator(new CodePageValidator(edit->validator(), edit));
    edit->installEventFilter(new TypedCharacterFilter(edit));
    // Text already in the box (set before this call) follows the same rule.
    if (!cp1251::canEncode(edit->text()))
        edit->setText(cp1251::storable(edit->text(), kPastedReplacement));
}

CodePageMemo::CodePageMemo(QWidget* parent) : QPlainTextEdit(parent) {}

void CodePageMemo::keyPressEvent(QKeyEvent* event) {
    if (refuseTyped(event)) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void CodePageMemo::inputMethodEvent(QInputMethodEvent* event) {
    filterCommit(event);
    QPlainTextEdit::inputMethodEvent(event);
}

void CodePageMemo::insertFromMimeData(const QMimeData* source) {
    if (!source->hasText() || cp1251::canEncode(source->text())) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    QMimeData mended;
    mended.setText(cp1251::storable(source->text(), kPastedReplacement));
    QPlainTextEdit::insertFromMimeData(&mended);
}
