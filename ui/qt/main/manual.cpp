#include "ui/qt/main/manual.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <QWindow>

#include <unistd.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <utility>

using namespace Qt::StringLiterals;

namespace hinomori::ui {

namespace {

bool readableFile(const QString& path, QString* absolute)
{
    const QFileInfo file(path);
    if (!file.isFile() || !file.isReadable())
        return false;
    *absolute = file.absoluteFilePath();
    return true;
}

// The X server time of the user's last input in `window`, which Qt keeps in
// its _NET_WM_USER_TIME (on the window _NET_WM_USER_TIME_WINDOW names, where
// the window manager asks for one); 0 when there is none.
quint32 userTime(QWindow* window)
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !window)
        return 0;
    xcb_connection_t* connection = x11->connection();
    const auto atom = [connection](const char* name) {
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 1, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
        const xcb_atom_t found = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        std::free(reply);
        return found;
    };
    const auto property = [connection](xcb_window_t on, xcb_atom_t name, xcb_atom_t type) {
        std::optional<quint32> value;
        if (name == XCB_ATOM_NONE)
            return value;
        xcb_get_property_reply_t* reply =
            xcb_get_property_reply(connection, xcb_get_property(connection, 0, on, name, type, 0, 1), nullptr);
        if (reply && reply->format == 32 && xcb_get_property_value_length(reply) == 4)
            std::memcpy(&value.emplace(), xcb_get_property_value(reply), 4);
        std::free(reply);
        return value;
    };
    auto on = static_cast<xcb_window_t>(window->winId());
    if (const std::optional<quint32> timeWindow = property(on, atom("_NET_WM_USER_TIME_WINDOW"), XCB_ATOM_WINDOW))
        on = *timeWindow;
    return property(on, atom("_NET_WM_USER_TIME"), XCB_ATOM_CARDINAL).value_or(0);
}

// On X11 a viewer comes to the front when it knows the time of the input that
// asked for it, from the startup id its launcher hands it in
// DESKTOP_STARTUP_ID ("…_TIME<server time>"); Qt's own services pass none.
QProcessEnvironment launcherEnvironment(QObject* context)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (QGuiApplication::platformName() != u"xcb"_s)
        return environment;
    auto* widget = qobject_cast<QWidget*>(context);
    QWindow* window = widget && widget->window()->windowHandle() ? widget->window()->windowHandle()
                                                                 : QGuiApplication::focusWindow();
    const quint32 time = userTime(window);
    if (time == 0)
        return environment;
    static int launches = 0;
    char host[256] = {};
    gethostname(host, sizeof host - 1);
    environment.insert(u"DESKTOP_STARTUP_ID"_s, u"hinomori-%1-%2-%3_TIME%4"_s.arg(QCoreApplication::applicationPid())
                                                   .arg(QString::fromLocal8Bit(host))
                                                   .arg(++launches)
                                                   .arg(time));
    return environment;
}

void answerSoon(QObject* context, std::function<void(ManualAnswer)> answer, ManualAnswer given)
{
    QTimer::singleShot(0, context, [answer = std::move(answer), given] { answer(given); });
}

}  // namespace

QObject* runningLaunchers()
{
    static QObject* const launchers = new QObject;
    return launchers;
}

void openManual(const QString& path, QObject* context, std::function<void(ManualAnswer)> answer,
                std::chrono::milliseconds grace)
{
    QString file;
    if (!readableFile(path, &file))
        return answerSoon(context, std::move(answer), ManualAnswer::not_opened);
    const QString xdgOpen = QStandardPaths::findExecutable(u"xdg-open"_s);
    if (xdgOpen.isEmpty())
        return answerSoon(context, std::move(answer), ManualAnswer::no_program);
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
    // On Wayland a viewer comes to the front only with an activation token
    // from the compositor for the window the user chose the menu in, which
    // only Qt's own services can ask for (Qt 6.4 cannot): they hand it to a
    // detached xdg-open in XDG_ACTIVATION_TOKEN. That launcher's own answer
    // is not seen, as for any Qt program.
    if (QGuiApplication::platformName().startsWith(u"wayland"_s)) {
        const bool started = QDesktopServices::openUrl(QUrl::fromLocalFile(file));
        return answerSoon(context, std::move(answer), started ? ManualAnswer::opened : ManualAnswer::no_program);
    }
#endif
    // QDesktopServices cannot tell a launcher that failed from one that
    // worked, so xdg-open is run here and its exit status read.
    auto* launcher = new QProcess(runningLaunchers());
    launcher->setProgram(xdgOpen);
    launcher->setArguments({file});
    launcher->setProcessChannelMode(QProcess::ForwardedChannels);
    launcher->setStandardInputFile(QProcess::nullDevice());
    launcher->setProcessEnvironment(launcherEnvironment(context));

    auto pending = std::make_shared<std::function<void(ManualAnswer)>>(std::move(answer));
    QPointer<QObject> receiver(context);
    const auto reply = [pending, receiver](ManualAnswer given) {
        if (!*pending)
            return;
        const std::function<void(ManualAnswer)> once = std::exchange(*pending, nullptr);
        if (receiver)
            once(given);
    };

    QObject::connect(launcher, &QProcess::errorOccurred, launcher,
                     [launcher, reply](QProcess::ProcessError error) {
                         if (error != QProcess::FailedToStart)
                             return;
                         reply(ManualAnswer::no_program);
                         launcher->deleteLater();
                     });
    QObject::connect(launcher, &QProcess::finished, launcher,
                     [launcher, reply](int code, QProcess::ExitStatus status) {
                         if (status != QProcess::NormalExit)
                             reply(ManualAnswer::not_opened);
                         else if (code == 3 || code == 4)
                             reply(ManualAnswer::no_program);
                         else
                             reply(code == 0 ? ManualAnswer::opened : ManualAnswer::not_opened);
                         launcher->deleteLater();
                     });
    QTimer::singleShot(grace, launcher, [reply] { reply(ManualAnswer::opened); });
    launcher->start();
}

}  // namespace hinomori::ui
