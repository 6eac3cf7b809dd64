#include "ui/qt/window_placement.h"

#include <QGuiApplication>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace hinomori::ui {

bool placedByCompositor()
{
    // Qt's Wayland plugins are named "wayland", "wayland-egl" and the like.
    return QGuiApplication::platformName().startsWith(u"wayland"_s);
}

bool dialogNeedsReactivating(const QString& currentDesktop)
{
    for (const QString& desktop : currentDesktop.split(u':', Qt::SkipEmptyParts)) {
        if (desktop.compare(u"GNOME"_s, Qt::CaseInsensitive) == 0 || desktop.compare(u"KDE"_s, Qt::CaseInsensitive) == 0)
            return false;
    }
    return true;
}

}  // namespace hinomori::ui
