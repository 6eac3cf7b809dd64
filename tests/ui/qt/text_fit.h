#pragma once

#include <QFontMetrics>
#include <QLabel>
#include <QRegularExpression>

// Whether every line of a label's text fits inside the label as laid out,
// in the font it actually renders with. Catches captions cut off on the
// right or at the bottom.
inline bool showsWholeText(const QLabel& label)
{
    const QFontMetrics metrics(label.font());
    const QStringList lines = label.text().split(QRegularExpression(QStringLiteral("\r\n|\n")));
    for (const QString& line : lines) {
        if (metrics.horizontalAdvance(line) > label.contentsRect().width())
            return false;
    }
    return lines.size() * metrics.lineSpacing() <= label.contentsRect().height() + metrics.leading();
}
