#include "ui/qt/era_settings.h"
#include "ui/qt/fonts.h"
#include "ui/qt/main/frmMain.h"
#include "ui/qt/start_up.h"
#include "ui/qt/translations.h"
#include "ui/qt/version.h"

#include <QApplication>

using namespace Qt::StringLiterals;

int main(int argc, char* argv[])
{
    hinomori::ui::StartUpMessages startUp;
    QApplication app(argc, argv);
    startUp.release();
    // Before any window: the remarks and the conversion follow the eras set.
    hinomori::ui::loadEraSettings();

    hinomori::ui::installQtTranslations(app);
    // Popups and message boxes are windows of their own and take the
    // application's font: the desktop's, with Japanese faces behind it.
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
