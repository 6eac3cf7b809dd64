#include "ui/qt/accessibility/readable_lines.h"

#include <QAccessible>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include <algorithm>

namespace hinomori::ui::accessibility {

ReadableLines::ReadableLines(QWidget* parent) : QLabel(parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

QStringList ReadableLines::lines() const
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n"));
    return text().split(lineBreak);
}

QString ReadableLines::readableText() const
{
    return lines().join(u'\n');
}

int ReadableLines::lineStart(int line) const
{
    const QStringList all = lines();
    int start = 0;
    for (int i = 0; i < line && i < all.size(); ++i)
        start += static_cast<int>(all[i].size()) + 1;
    return start;
}

QRect ReadableLines::lineRect(int line) const
{
    const QFontMetrics metrics(font());
    const QRect contents = contentsRect();
    const int top = contents.top() + line * metrics.lineSpacing();
    return {contents.left(), top, std::min(metrics.horizontalAdvance(lines().value(line)), contents.width()),
            metrics.height()};
}

void ReadableLines::moveTo(int line)
{
    current_ = std::clamp(line, 0, static_cast<int>(lines().size()) - 1);
    update();
    // Orca reads the line the caret moves to.
    QAccessibleTextCursorEvent event(this, lineStart(current_));
    QAccessible::updateAccessibility(&event);
}

void ReadableLines::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = lineRect(current_).adjusted(-1, 0, 1, 0);
    option.backgroundColor = palette().color(QPalette::Window);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

void ReadableLines::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Up: moveTo(current_ - 1); break;
    case Qt::Key_Down: moveTo(current_ + 1); break;
    case Qt::Key_Home:
    case Qt::Key_PageUp: moveTo(0); break;
    case Qt::Key_End:
    case Qt::Key_PageDown: moveTo(static_cast<int>(lines().size()) - 1); break;
    default: QLabel::keyPressEvent(event); break;
    }
}

void ReadableLines::focusInEvent(QFocusEvent* event)
{
    QLabel::focusInEvent(event);
    update();
}

void ReadableLines::focusOutEvent(QFocusEvent* event)
{
    QLabel::focusOutEvent(event);
    update();
}

}  // namespace hinomori::ui::accessibility
