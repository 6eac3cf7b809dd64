#include "ui/qt/main/frmMain.h"
#include "ui/qt/translations.h"
#include "ui/qt/version.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#ifdef HINOMORI_HAVE_XCB
#include <xcb/xcb.h>
#endif

using namespace Qt::StringLiterals;

namespace {

const char* environment(const char* name)
{
    const char* value = std::getenv(name);
    return value == nullptr || *value == '\0' ? nullptr : value;
}

// The value of one of Qt's own command-line options, such as -display, if given.
const char* qtOption(int argc, char* argv[], const char* name)
{
    for (int i = 1; i + 1 < argc; ++i) {
        const char* arg = argv[i];
        if (arg[0] == '-' && arg[1] == '-')
            ++arg;
        if (std::strcmp(arg, name) == 0)
            return argv[i + 1];
    }
    return nullptr;
}

// Without a display Qt aborts with a long platform-plugin message; the
// program says it plainly instead. Empty when the display can be opened.
std::string displayProblem(int argc, char* argv[])
{
#if defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD)
    const char* platform = qtOption(argc, argv, "-platform");
    if (platform == nullptr)
        platform = environment("QT_QPA_PLATFORM");
    const bool xcbChosen = platform != nullptr && std::strncmp(platform, "xcb", 3) == 0;
    // Another platform (offscreen, wayland) or a Wayland session: Qt decides.
    if ((platform != nullptr && !xcbChosen) || (!xcbChosen && environment("WAYLAND_DISPLAY")))
        return {};

    const char* display = qtOption(argc, argv, "-display");
    if (display == nullptr)
        display = environment("DISPLAY");
    if (display == nullptr)
        return "no display found (DISPLAY and WAYLAND_DISPLAY are unset)";
#ifdef HINOMORI_HAVE_XCB
    // A display that is set but gone, such as one left from a closed ssh
    // session, is found out here by trying it.
    xcb_connection_t* connection = xcb_connect(display, nullptr);
    const bool failed = xcb_connection_has_error(connection) != 0;
    xcb_disconnect(connection);
    if (failed)
        return std::string("cannot open the display \"") + display + '"';
#endif
    return {};
#else
    (void)argc;
    (void)argv;
    return {};
#endif
}

}  // namespace

int main(int argc, char* argv[])
{
    if (const std::string problem = displayProblem(argc, argv); !problem.empty()) {
        std::fprintf(stderr, "hinomori: %s; start it from a desktop session.\n", problem.c_str());
        return EXIT_FAILURE;
    }

    QApplication app(argc, argv);
    hinomori::ui::installQtTranslations(app);
    QApplication::setApplicationName(u"hinomori"_s);
    // No display name: Qt would append it to every window title that does
    // not already end with it, and the version dialog's title is its own.
    QApplication::setApplicationVersion(
        u"%1.%2"_s.arg(hinomori::version::major).arg(hinomori::version::minor));
    QApplication::setDesktopFileName(u"hinomori"_s);

    frmMain window;
    window.show();
    return QApplication::exec();
}
