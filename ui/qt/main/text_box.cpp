#include "ui/qt/main/text_box.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace hinomori::ui {

TextBox::TextBox(hinomori::conversion::InputRule rule, QWidget* parent) : QLineEdit(parent), rule_(rule) {}

QString TextBox::fitted(const QString& input, qsizetype replaced) const
{
    return QString::fromStdU16String(hinomori::conversion::fit_input(
        rule_, input.toStdU16String(), static_cast<std::size_t>(text().size()), static_cast<std::size_t>(replaced)));
}

void TextBox::insertAsUser(const QString& text)
{
    const QString kept = fitted(text, selectedText().size());
    if (!kept.isEmpty())
        insert(kept);
}

void TextBox::startUndoStep()
{
    // Qt's line edit parts undo steps where its caret moves, and has no
    // public call that parts them as its own paste does. A preedit would be
    // committed by the move.
    if (text().isEmpty() || !preedit_.isEmpty())
        return;
    const int start = selectionStart();
    const int length = selectionLength();
    const int cursor = cursorPosition();
    setCursorPosition(cursor == 0 ? 1 : 0);
    if (length == 0)
        setCursorPosition(cursor);
    else if (cursor == start)
        setSelection(start + length, -length);
    else
        setSelection(start, length);
}

void TextBox::pasteFrom(QClipboard::Mode mode)
{
    if (mode == QClipboard::Selection)
        deselect();  // a middle click pastes at the caret it placed, as Qt's own does
    const QString clip = QGuiApplication::clipboard()->text(mode);
    if (mode == QClipboard::Clipboard && fitted(clip, selectedText().size()) == clip) {
        paste();
        return;
    }
    if (clip.isEmpty() && !hasSelectedText())
        return;
    // One step for undo, apart from the typing before and after, as Qt's own paste.
    startUndoStep();
    insertAsUser(clip);
    startUndoStep();
}

// Whether Qt's line edit would insert the key's text: QInputControl::isAcceptableInput,
// which is not public. Keys that are shortcuts never reach the box.
bool TextBox::insertsText(const QKeyEvent& event)
{
    const QString text = event.text();
    if (text.isEmpty())
        return false;
    const QChar first = text.front();
    // Zero-width joiners, direction marks: Ctrl+Shift types them on some layouts.
    if (first.category() == QChar::Other_Format)
        return true;
    if (event.modifiers() == Qt::ControlModifier || event.modifiers() == (Qt::ShiftModifier | Qt::ControlModifier))
        return false;
    return first.isPrint() || first.category() == QChar::Other_PrivateUse
           || (first.isHighSurrogate() && text.size() > 1 && text.at(1).isLowSurrogate());
}

void TextBox::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    clickFocused_ = event->reason() == Qt::MouseFocusReason;
    const std::optional<Selection> left = std::exchange(leftForMenuBar_, std::nullopt);
    switch (event->reason()) {
    case Qt::MenuBarFocusReason:
        if (left && left->length == 0)
            setCursorPosition(left->cursor);
        else if (left && left->cursor == left->start)
            setSelection(left->start + left->length, -left->length);
        else if (left)
            setSelection(left->start, left->length);
        break;
    case Qt::ActiveWindowFocusReason:
    case Qt::PopupFocusReason:
        break;
    default:
        selectAll();
        break;
    }
}

void TextBox::focusOutEvent(QFocusEvent* event)
{
    heldCommit_.clear();  // Qt's IBus context's stale commit, made as the focus left
    // Qt's line edit drops its selection when the menu bar takes the focus.
    if (event->reason() == Qt::MenuBarFocusReason)
        leftForMenuBar_ = Selection{selectionStart(), selectionLength(), cursorPosition()};
    QLineEdit::focusOutEvent(event);
}

void TextBox::mouseReleaseEvent(QMouseEvent* event)
{
    const bool firstClick = std::exchange(clickFocused_, false);
    // A click on the preedit is the input method's, as Qt's line edit hands it over first.
    const qsizetype intoPreedit = cursorPositionAt(event->position().toPoint()) - cursorPosition();
    const bool onPreedit = !preedit_.isEmpty() && intoPreedit >= 0 && intoPreedit <= preedit_.size();
    if (event->button() == Qt::MiddleButton && !onPreedit && !isReadOnly()
        && QGuiApplication::clipboard()->supportsSelection()) {
        pasteFrom(QClipboard::Selection);
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
    // Unless the click that brought the focus in dragged out a selection of its own.
    if (firstClick && !hasSelectedText())
        selectAll();
}

void TextBox::keyPressEvent(QKeyEvent* event)
{
    releaseHeldCommit();
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit enterPressed();
        return;
    }
    if (!isReadOnly() && event->matches(QKeySequence::Paste)) {
        pasteFrom(QClipboard::Clipboard);
        return;
    }
    if (!isReadOnly() && insertsText(*event)) {
        const QString typed = event->text();
        const QString kept = fitted(typed, selectedText().size());
        if (kept != typed) {
            if (!kept.isEmpty())
                insert(kept);
            return;  // a key into a full box changes nothing, the caret included
        }
    }
    QLineEdit::keyPressEvent(event);
}

namespace {

// Whether Qt runs its own IBus input context, the one it loads for the
// module named "ibus" (Qt 6.7 and later try QT_IM_MODULES first).
bool qtsIBusContext()
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 7, 0)
    const QString modules = qEnvironmentVariable("QT_IM_MODULES");
    if (!modules.isEmpty())
        return modules.section(u';', 0, 0) == QLatin1StringView("ibus");
#endif
    return qEnvironmentVariable("QT_IM_MODULE") == QLatin1StringView("ibus");
}

}  // namespace

void TextBox::releaseHeldCommit()
{
    if (heldCommit_.isEmpty())
        return;
    QInputMethodEvent commit;
    commit.setCommitString(std::exchange(heldCommit_, QString()));
    inputMethodEvent(&commit);
}

void TextBox::inputMethodEvent(QInputMethodEvent* event)
{
    // ibus-mozc 2.28 (Debian 12) ends a preedit the user cancels (Esc, or
    // BackSpace over its last character) by hiding it instead of emptying
    // it. Qt's IBus input context (QIBusPlatformInputContext, 6.4 to 6.8 at
    // least; no release names a fix) keeps its copy of a hidden preedit and
    // commits it from QInputMethod::commit(), which QWidget::setFocus() and
    // clearFocus() call right before the focus leaves the box. Such a commit
    // is held: the focus leaving drops it, and otherwise it goes in, as an
    // engine's commit after it cleared its preedit does. fcitx5 and other
    // contexts empty a cancelled preedit and never commit a stale one.
    const QString cancelled = std::exchange(cancelledPreedit_, QString());
    if (!event->commitString().isEmpty() && preedit_.isEmpty() && event->preeditString().isEmpty()
        && event->replacementLength() == 0 && event->commitString() == cancelled && qtsIBusContext()) {
        releaseHeldCommit();
        heldCommit_ = event->commitString();
        QTimer::singleShot(0, this, &TextBox::releaseHeldCommit);
        event->accept();
        return;
    }
    releaseHeldCommit();
    if (event->preeditString().isEmpty() && event->commitString().isEmpty())
        cancelledPreedit_ = preedit_.isEmpty() ? cancelled : preedit_;
    preedit_ = event->preeditString();

    QString commit = event->commitString();
    if (!commit.isEmpty())
        commit = fitted(commit, selectedText().size() + event->replacementLength());
    if (commit == event->commitString()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent edited(event->preeditString(), event->attributes());
    edited.setCommitString(commit, event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(&edited);
    event->setAccepted(edited.isAccepted());
}

void TextBox::contextMenuEvent(QContextMenuEvent* event)
{
    // Qt's own menu, with its icons and enabled items, but a Paste bounded as Ctrl+V is.
    QMenu* menu = createStandardContextMenu();
    const QString paste = QCoreApplication::translate("QLineEdit", "&Paste");
    for (QAction* action : menu->actions()) {
        if (action->text().section(u'\t', 0, 0) != paste)
            continue;
        action->disconnect(this);
        connect(action, &QAction::triggered, this, [this] { pasteFrom(QClipboard::Clipboard); });
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void TextBox::dropEvent(QDropEvent* event)
{
    // A drop goes in at the point it is let go, beside the text already
    // there. Nothing is dragged out of the box, so nothing moves within it.
    const QString dropped = event->mimeData()->text();
    const QString kept = fitted(dropped, 0);
    if (kept == dropped) {
        QLineEdit::dropEvent(event);
        return;
    }
    if (kept.isEmpty()) {
        // The line edit drew a caret where the drag was; a drag leaving takes it away.
        QDragLeaveEvent leave;
        QLineEdit::dragLeaveEvent(&leave);
        event->ignore();
        return;
    }
    QMimeData data;
    data.setText(kept);
    QDropEvent edited(event->position(), event->possibleActions(), &data, event->buttons(), event->modifiers());
    QLineEdit::dropEvent(&edited);
    event->setDropAction(edited.dropAction());
    event->setAccepted(edited.isAccepted());
}

}  // namespace hinomori::ui
