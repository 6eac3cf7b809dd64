#include "ui/qt/main/input_gate.h"

#include <QEvent>
#include <QLineEdit>
#include <QMetaObject>

#include <algorithm>
#include <utility>

namespace hinomori::ui {

InputGate* InputGate::of(QLineEdit* box)
{
    if (auto* gate = qobject_cast<InputGate*>(const_cast<QValidator*>(box->validator())))
        return gate;
    return new InputGate(box);
}

InputGate::InputGate(QLineEdit* box) : QValidator(box), box_(box), accepted_(box->text())
{
    box->setValidator(this);
    box->installEventFilter(this);
    connect(box, &QLineEdit::textChanged, this, [this] { accepted_ = box_->text(); });
}

QString InputGate::folded(const QString& text) const
{
    return fold_ ? QString::fromStdU16String(fold_(text.toStdU16String())) : text;
}

QValidator::State InputGate::validate(QString& input, int& /*position*/) const
{
    // Setting a text empties the box's undo history before the text is
    // checked, and every user edit has just added to it: an empty history
    // means the program is writing, and that is never cut.
    if (redoing_ || !box_->isUndoAvailable())
        return Acceptable;

    // A text the program wrote may be longer than the bound; an edit that
    // does not lengthen it is no reason to cut it.
    const bool tooLong = limit_ > 0 && input.size() > limit_ && input.size() > accepted_.size();
    if (!tooLong && folded(input) == input)
        return Acceptable;

    if (!refused_) {
        // Done from the event loop unless the box's next input event comes first.
        QMetaObject::invokeMethod(const_cast<InputGate*>(this), &InputGate::redoRefusedEdit, Qt::QueuedConnection);
    }
    refused_ = input;
    return Invalid;
}

bool InputGate::eventFilter(QObject* watched, QEvent* event)
{
    // Input that reaches the box after a refused edit finds it redone. Only
    // events the event loop delivers: queries the box answers while it is
    // still busy with the edit must not change it underneath.
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::InputMethod:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::ContextMenu:
    case QEvent::DragEnter:
    case QEvent::Drop:
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        redoRefusedEdit();
        break;
    default:
        break;
    }
    return QValidator::eventFilter(watched, event);
}

void InputGate::redoRefusedEdit()
{
    if (!refused_)
        return;
    const QString edited = *std::exchange(refused_, std::nullopt);

    // The box is as it was just before the edit: the edit replaced its
    // selection, or went in at the caret.
    const QString before = box_->text();
    const qsizetype start = box_->hasSelectedText() ? box_->selectionStart() : box_->cursorPosition();
    const qsizetype end = box_->hasSelectedText() ? box_->selectionEnd() : start;
    const qsizetype kept = before.size() - (end - start);
    const qsizetype insertedLength = edited.size() - kept;
    if (insertedLength <= 0 || !edited.startsWith(QStringView(before).left(start))
        || !edited.endsWith(QStringView(before).mid(end)))
        return;  // not a plain insertion (an input method rewriting around the caret): refused whole

    QString inserted = folded(edited.mid(start, insertedLength));
    if (limit_ > 0) {
        inserted.truncate(std::max<qsizetype>(0, limit_ - kept));
        if (!inserted.isEmpty() && inserted.back().isHighSurrogate())
            inserted.chop(1);  // never half a character
    }
    if (inserted.isEmpty())
        return;  // nothing fits: the box stays exactly as it was

    redoing_ = true;
    box_->insert(inserted);
    redoing_ = false;
}

}  // namespace hinomori::ui
