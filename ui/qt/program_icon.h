#pragma once

#include <QIcon>
#include <QPixmap>

namespace hinomori::ui {

// The program's icon: both of its images, so the desktop need not shrink
// the 32-pixel one for a title bar or a task list.
QIcon programIcon();

// The icon as a picture of `size` at `devicePixelRatio`: on a high-DPI
// screen drawn from the design's larger image, not the 32-pixel one scaled up.
QPixmap programPicture(QSize size, qreal devicePixelRatio);

}  // namespace hinomori::ui
