#include "ui/qt/window_placement.h"

#include <QGuiApplication>

using namespace Qt::StringLiterals;

namespace hinomori::ui {

bool placedByCompositor()
{
    // Qt's Wayland plugins are named "wayland", "wayland-egl" and the like.
    return QGuiApplication::platformName().startsWith(u"wayland"_s);
}

}  // namespace hinomori::ui
