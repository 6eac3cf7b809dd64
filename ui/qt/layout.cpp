#include "ui/qt/layout.h"

#include <algorithm>
#include <cstdlib>

namespace hinomori::ui::layout {

namespace {

bool drawnCentredIn(const QRect& drawn, QSize area)
{
    // Twips round to pixels on both sides: one pixel off is still centred.
    return std::abs(2 * drawn.left() + drawn.width() - area.width()) <= 1;
}

bool rowsOverlap(const QRect& a, const QRect& b)
{
    return a.top() <= b.bottom() && b.top() <= a.bottom();
}

bool columnsOverlap(const QRect& a, const QRect& b)
{
    return a.left() <= b.right() && b.left() <= a.right();
}

// Moves controls apart until each keeps at least the gap it was drawn with
// to the controls beside and above it. A control that moves takes along
// what stands after it: its row-mates and everything below it when it
// moves down, the rest of its row when it moves right. Every move goes right
// or down, so this ends; the bound only guards against a bad drawing.
void separate(const QList<Control>& controls, QList<QRect>& placed)
{
    const qsizetype count = placed.size();
    const auto shift = [&](qsizetype mover, int right, int down) {
        const QRect& from = controls[mover].drawn;
        for (qsizetype k = 0; k < count; ++k) {
            const QRect& drawn = controls[k].drawn;
            const bool after = down > 0 ? rowsOverlap(drawn, from) || drawn.top() >= from.top()
                                        : rowsOverlap(drawn, from) && drawn.left() >= from.left();
            if (after)
                placed[k].translate(right, down);
        }
    };
    for (qsizetype pass = 0; pass <= count * count; ++pass) {
        bool moved = false;
        for (qsizetype i = 0; i < count; ++i) {
            for (qsizetype j = 0; j < count; ++j) {
                const QRect& first = controls[i].drawn;
                const QRect& second = controls[j].drawn;
                if (i == j)
                    continue;
                if (rowsOverlap(first, second) && second.left() > first.right()) {
                    const int gap = second.left() - first.right();
                    if (const int missing = placed[i].right() + gap - placed[j].left(); missing > 0) {
                        shift(j, missing, 0);
                        moved = true;
                    }
                } else if (columnsOverlap(first, second) && second.top() > first.bottom()) {
                    const int gap = second.top() - first.bottom();
                    if (const int missing = placed[i].bottom() + gap - placed[j].top(); missing > 0) {
                        shift(j, 0, missing);
                        moved = true;
                    }
                }
            }
        }
        if (!moved)
            return;
    }
}

}  // namespace

Placement place(const QList<Control>& controls, QSize drawnArea)
{
    QList<QRect> placed;
    QList<bool> centredInArea;
    int drawnRight = 0;
    int drawnBottom = 0;
    for (const Control& control : controls) {
        const bool centred = drawnCentredIn(control.drawn, drawnArea);
        const bool bothSides = control.centred || centred;
        const int wider = std::max(0, control.needed.width() - control.drawn.width());
        const int taller = std::max(0, control.needed.height() - control.drawn.height());
        placed.append(control.drawn.adjusted(bothSides ? -(wider / 2) : 0, -(taller / 2),
                                             bothSides ? wider - wider / 2 : wider, taller - taller / 2));
        centredInArea.append(centred);
        drawnRight = std::max(drawnRight, control.drawn.right() + 1);
        drawnBottom = std::max(drawnBottom, control.drawn.bottom() + 1);
    }
    separate(controls, placed);

    const int rightMargin = std::max(0, drawnArea.width() - drawnRight);
    const int bottomMargin = std::max(0, drawnArea.height() - drawnBottom);
    const auto widthFor = [&] {
        int width = drawnArea.width();
        for (qsizetype i = 0; i < placed.size(); ++i) {
            width = std::max(width, centredInArea[i] ? placed[i].width() + 2 * rightMargin
                                                     : placed[i].right() + 1 + rightMargin);
        }
        return width;
    };
    const int wider = widthFor() - drawnArea.width();
    if (wider > 0) {
        for (qsizetype i = 0; i < placed.size(); ++i) {
            if (centredInArea[i])
                placed[i].translate(wider / 2, 0);
        }
        separate(controls, placed);
    }

    // Nothing grows out past the top or the left.
    for (QRect& rect : placed)
        rect.moveTopLeft(QPoint(std::max(0, rect.left()), std::max(0, rect.top())));
    int height = drawnArea.height();
    for (const QRect& rect : placed)
        height = std::max(height, rect.bottom() + 1 + bottomMargin);
    return {placed, QSize(std::max(widthFor(), drawnArea.width() + wider), height)};
}

}  // namespace hinomori::ui::layout
