#pragma once

#include <QIcon>

namespace hinomori::ui {

// The program's icon: both of its images, so the desktop need not shrink
// the 32-pixel one for a title bar or a task list.
QIcon programIcon();

}  // namespace hinomori::ui
