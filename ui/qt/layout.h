#pragma once

// Where the controls of a container go when their fonts need more room than
// the description drew them with (a larger desktop font, a face with a tall
// line box such as Noto CJK's): each control grows to the size it needs, the
// ones it then overlaps move off it, and the container grows to hold them,
// as the Windows window does. At the fonts the description was drawn for,
// everything stays where it was drawn.

#include <QList>
#include <QRect>
#include <QSize>

namespace hinomori::ui::layout {

struct Control {
    QRect drawn;   // as described, in pixels
    QSize needed;  // what its contents need; smaller sizes leave it as drawn
    bool centred;  // its text is centred: it grows on both sides
};

struct Placement {
    QList<QRect> controls;  // in the order given
    QSize area;             // the container's size
};

// Each control grows to what it needs: about its middle in height, to the
// right in width, or on both sides when centred. Controls then move apart
// until each keeps the gap it was drawn with to its neighbours on the left
// and above: a control moving right takes the rest of its row along, one
// moving down its row and everything below. The area keeps the smallest
// margin it was drawn with on the right and at the bottom, and a control
// drawn centred in it stays centred.
Placement place(const QList<Control>& controls, QSize drawnArea);

}  // namespace hinomori::ui::layout
