#pragma once

#include "ui/qt/accessibility/readable_lines.h"

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>

#include <algorithm>
#include <cstdlib>
#include <memory>

// Whether a label or text box shows the whole of its text, in the font it
// actually renders with, at a device pixel ratio (a high-DPI screen's
// scale). A copy of the control is drawn as laid out and again grown on
// every side, where nothing can be cut off: the text's ink must be the same.
// Catches captions cut off at any edge, by the control or by the text box's
// frame and margins.

namespace text_fit {

// How much the control's pixels change when its text is drawn into it, in
// all its rows or in those from `top` to before `bottom` (device-independent).
template <typename Control>
qint64 inkOf(Control& control, qreal devicePixelRatio, int top = 0, int bottom = -1)
{
    const auto render = [&control, devicePixelRatio] {
        QImage image(control.size() * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(devicePixelRatio);
        image.fill(Qt::white);
        control.render(&image);
        return image;
    };
    const QString text = control.text();
    const QImage with = render();
    control.setText(QString());
    const QImage without = render();
    control.setText(text);

    const int lastRow = bottom < 0 ? with.height() : std::min(qRound(bottom * devicePixelRatio), with.height());
    qint64 ink = 0;
    for (int y = qRound(top * devicePixelRatio); y < lastRow; ++y) {
        const auto* a = reinterpret_cast<const QRgb*>(with.constScanLine(y));
        const auto* b = reinterpret_cast<const QRgb*>(without.constScanLine(y));
        for (int x = 0; x < with.width(); ++x) {
            ink += std::abs(qRed(a[x]) - qRed(b[x])) + std::abs(qGreen(a[x]) - qGreen(b[x]))
                   + std::abs(qBlue(a[x]) - qBlue(b[x]));
        }
    }
    return ink;
}

// A copy of the same class, which lays its text out as the original does.
inline std::unique_ptr<QLabel> copyOf(const QLabel& label)
{
    std::unique_ptr<QLabel> copy;
    if (qobject_cast<const hinomori::ui::accessibility::ReadableLines*>(&label))
        copy = std::make_unique<hinomori::ui::accessibility::ReadableLines>(nullptr);
    else
        copy = std::make_unique<QLabel>();
    copy->setText(label.text());
    copy->setFont(label.font());
    copy->setAlignment(label.alignment());
    copy->setWordWrap(label.wordWrap());
    copy->setIndent(label.indent());
    copy->setMargin(label.margin());
    copy->setContentsMargins(label.contentsMargins());
    copy->setTextFormat(label.textFormat());
    return copy;
}

inline std::unique_ptr<QLineEdit> copyOf(const QLineEdit& box)
{
    auto copy = std::make_unique<QLineEdit>(box.text());
    copy->setFont(box.font());
    copy->setAlignment(box.alignment());
    copy->setFrame(box.hasFrame());
    copy->setTextMargins(box.textMargins());
    copy->setContentsMargins(box.contentsMargins());
    copy->setPalette(box.palette());
    copy->setCursorPosition(0);
    return copy;
}

// Ink lost at the edges, in pixels fully inked.
template <typename Control>
double lostInk(const Control& control, qreal devicePixelRatio)
{
    constexpr int margin = 16;  // whole device pixels at ratios 1, 1.5 and 2
    const auto copy = copyOf(control);
    copy->resize(control.size() + QSize(2 * margin, 2 * margin));
    const qint64 whole = inkOf(*copy, devicePixelRatio);
    copy->resize(control.size());
    const qint64 shown = inkOf(*copy, devicePixelRatio);
    constexpr double inkOfOnePixel = 3 * 255;
    return double(whole - shown) / (inkOfOnePixel * devicePixelRatio * devicePixelRatio);
}

}  // namespace text_fit

// Less than a pixel's worth lost is the faint antialiased fringe of a glyph;
// a stroke cut off loses a whole row of pixels.
template <typename Control>
bool showsWholeText(const Control& control, qreal devicePixelRatio = 1)
{
    return std::abs(text_fit::lostInk(control, devicePixelRatio)) < 1;
}
