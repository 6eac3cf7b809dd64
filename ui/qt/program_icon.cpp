#include "ui/qt/program_icon.h"

#include "resources/hinomori-16.xpm"
#include "resources/hinomori-32.xpm"

#include <QPixmap>

namespace hinomori::ui {

QIcon programIcon()
{
    // Built into the program and read straight from its arrays: a file
    // would have Qt load each image-format plugin to ask whether it reads it.
    QIcon icon;
    icon.addPixmap(QPixmap(hinomori_16));
    icon.addPixmap(QPixmap(hinomori_32));
    return icon;
}

}  // namespace hinomori::ui
