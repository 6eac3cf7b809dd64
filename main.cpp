#include "ui/main/frmMain.h"
#include "ui/version.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

// Without a display Qt aborts with a long platform-plugin message; say it plainly instead.
bool displayMissing()
{
#if defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD)
    const auto unset = [](const char* name) {
        const char* value = std::getenv(name);
        return value == nullptr || *value == '\0';
    };
    return unset("DISPLAY") && unset("WAYLAND_DISPLAY") && unset("QT_QPA_PLATFORM");
#else
    return false;
#endif
}

}  // namespace

int main(int argc, char* argv[])
{
    if (displayMissing()) {
        std::fputs("hinomori: no display found (DISPLAY and WAYLAND_DISPLAY are unset); "
                   "start it from a desktop session.\n",
                   stderr);
        return EXIT_FAILURE;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(u"hinomori"_s);
    QApplication::setApplicationDisplayName(u"ひのもり"_s);
    QApplication::setApplicationVersion(
        u"%1.%2"_s.arg(hinomori::version::major).arg(hinomori::version::minor));
    QApplication::setDesktopFileName(u"hinomori"_s);

    frmMain window;
    window.show();
    return QApplication::exec();
}
