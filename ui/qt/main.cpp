#include "ui/qt/display_check.h"
#include "ui/qt/fonts.h"
#include "ui/qt/main/frmMain.h"
#include "ui/qt/translations.h"
#include "ui/qt/version.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <string>

using namespace Qt::StringLiterals;

int main(int argc, char* argv[])
{
    // Without a display Qt aborts with a long platform-plugin message; the
    // program says it plainly instead.
    if (const std::string problem = hinomori::display::displayProblem(argc, argv); !problem.empty()) {
        std::fprintf(stderr, "hinomori: %s; start it from a desktop session.\n", problem.c_str());
        return EXIT_FAILURE;
    }

    QApplication app(argc, argv);
    hinomori::ui::installQtTranslations(app);
    // Popups and message boxes are windows of their own and take the
    // application's font: the same as the windows' captions.
    QApplication::setFont(hinomori::ui::defaultFont());
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
