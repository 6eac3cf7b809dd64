#include "ui/qt/program_icon.h"

#include "resources/hinomori-16.xpm"
#include "resources/hinomori-32.xpm"

using namespace Qt::StringLiterals;

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

QPixmap programPicture(QSize size, qreal devicePixelRatio)
{
    if (devicePixelRatio <= 1)
        return programIcon().pixmap(size, devicePixelRatio);
    // Read only here, on a high-DPI screen: the version dialog is not
    // start-up, where the image-format plugins would cost.
    QIcon larger(u":/icons/hinomori-64.png"_s);
    larger.addPixmap(QPixmap(hinomori_32));
    return larger.pixmap(size, devicePixelRatio);
}

}  // namespace hinomori::ui
