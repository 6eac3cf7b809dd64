#include "ui/qt/main/manual.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>

#include <memory>
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
