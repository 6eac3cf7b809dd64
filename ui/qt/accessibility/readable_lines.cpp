#include "ui/qt/accessibility/readable_lines.h"

#include <QAccessible>
#include <QFontInfo>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include <algorithm>
#include <cmath>

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

ReadableLines::Layout ReadableLines::layoutOf(const QFont& font, const QStringList& lines)
{
    // How tall the lines' glyphs are together, measured on the outlines,
    // which are the same at every scale.
    QPainterPath outlines;
    for (const QString& line : lines)
        outlines.addText(0, 0, font, line);
    const QRectF ink = outlines.boundingRect();
    const int inkHeight = std::max(1, static_cast<int>(std::ceil(ink.height())));

    // A line box about one em tall, as IPA's (or Noto CJK's typographic one,
    // which Qt 6.8 lays out by): the font's own line spacing, as a label's,
    // though never so close that one line's glyphs reach into the next's.
    const QFontMetrics metrics(font);
    if (metrics.height() <= QFontInfo(font).pixelSize() * 5 / 4)
        return {metrics.ascent(), std::max(metrics.lineSpacing(), inkHeight)};
    // Noto CJK's everyday line box is nearly half as tall again as its glyphs
    // (about 1.45 em), and Qt before 6.8 has no way to use its typographic
    // one: six lines of remarks at the captions' size would need a quarter
    // more room than they have. Such lines follow each other at the height of
    // their glyphs instead.
    return {static_cast<int>(std::ceil(-ink.top())), inkHeight};
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
    const QStringList all = lines();
    const int pitch = layoutOf(font(), all).pitch;
    const QRect contents = contentsRect();
    const int width = QFontMetrics(font()).horizontalAdvance(all.value(line));
    return {contents.left(), contents.top() + line * pitch, std::min(width, contents.width()), pitch};
}

void ReadableLines::moveTo(int line)
{
    current_ = std::clamp(line, 0, static_cast<int>(lines().size()) - 1);
    update();
    // Orca reads the line the caret moves to.
    QAccessibleTextCursorEvent event(this, lineStart(current_));
    QAccessible::updateAccessibility(&event);
}

void ReadableLines::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    drawFrame(&painter);
    // The style draws each line as it draws a label's text, so the remarks
    // look as the captions do (and grey out as they do).
    const QStringList all = lines();
    const Layout layout = layoutOf(font(), all);
    const QFontMetrics metrics(font());
    const QRect contents = contentsRect();
    painter.setClipRect(contents);
    for (int line = 0; line < all.size(); ++line) {
        const QRect box(contents.left(), contents.top() + line * layout.pitch + layout.baseline - metrics.ascent(),
                        contents.width(), metrics.height());
        style()->drawItemText(&painter, box, Qt::AlignLeft | Qt::AlignTop, palette(), isEnabled(), all[line],
                              foregroundRole());
    }
    painter.setClipping(false);

    if (!hasFocus())
        return;
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
