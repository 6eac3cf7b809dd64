#pragma once

#include <QIcon>

namespace hinomori::ui {

// The program's icon: both of its images, so the desktop need not shrink
// the 32-pixel one for a title bar or a task list.
inline QIcon programIcon()
{
    QIcon icon;
    icon.addFile(QStringLiteral(":/hinomori-16.xpm"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/hinomori-32.xpm"), QSize(32, 32));
    return icon;
}

}  // namespace hinomori::ui
