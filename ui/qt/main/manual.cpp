#include "ui/qt/main/manual.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QPointer>
#include <QTimer>

#ifdef Q_OS_WIN
#include <QDesktopServices>
#include <QUrl>
#else
#include <QProcess>
#endif

#include <memory>
#include <optional>

using namespace Qt::StringLiterals;

namespace hinomori::ui {

namespace {

// Asks the desktop to open the file and calls answer(opened) once.
void askLauncher(const QString& file, QObject* context, std::function<void(bool)> answer)
{
#ifdef Q_OS_WIN
    const bool opened = QDesktopServices::openUrl(QUrl::fromLocalFile(file));
    QTimer::singleShot(0, context, [answer = std::move(answer), opened] { answer(opened); });
#else
    // QDesktopServices cannot tell a launcher that failed from one that
    // worked, so xdg-open is run here and its exit status read. The process
    // belongs to the application: closing a window must not kill a launcher
    // that is still waiting for its viewer.
    auto* launcher = new QProcess(QCoreApplication::instance());
    launcher->setProgram(u"xdg-open"_s);
    launcher->setArguments({file});
    launcher->setProcessChannelMode(QProcess::ForwardedChannels);
    launcher->setStandardInputFile(QProcess::nullDevice());

    auto pending = std::make_shared<std::function<void(bool)>>(std::move(answer));
    QPointer<QObject> receiver(context);
    const auto reply = [pending, receiver](bool opened) {
        if (!*pending)
            return;
        const std::function<void(bool)> once = std::move(*pending);
        *pending = nullptr;
        if (receiver)
            once(opened);
    };

    QObject::connect(launcher, &QProcess::errorOccurred, launcher,
                     [launcher, reply](QProcess::ProcessError error) {
                         if (error != QProcess::FailedToStart)
                             return;
                         reply(false);
                         launcher->deleteLater();
                     });
    QObject::connect(launcher, &QProcess::finished, launcher,
                     [launcher, reply](int code, QProcess::ExitStatus status) {
                         reply(status == QProcess::NormalExit && code == 0);
                         launcher->deleteLater();
                     });
    QTimer::singleShot(launcherGraceMilliseconds, launcher, [reply] { reply(true); });
    launcher->start();
#endif
}

bool readableFile(const QString& path, QString* absolute)
{
    const QFileInfo file(path);
    if (!file.isFile() || !file.isReadable())
        return false;
    *absolute = file.absoluteFilePath();
    return true;
}

}  // namespace

void openManual(const QString& path, QObject* context, std::function<void()> onFailure)
{
    QString file;
    if (!readableFile(path, &file)) {
        QTimer::singleShot(0, context, std::move(onFailure));
        return;
    }
    askLauncher(file, context, [onFailure = std::move(onFailure)](bool opened) {
        if (!opened)
            onFailure();
    });
}

bool openManual(const QString& path)
{
    QString file;
    if (!readableFile(path, &file))
        return false;

    QEventLoop wait;
    std::optional<bool> opened;
    askLauncher(file, &wait, [&](bool answer) {
        opened = answer;
        wait.quit();
    });
    if (!opened)
        wait.exec();
    // Leaving the wait unanswered means the application is quitting: say nothing.
    return opened.value_or(true);
}

}  // namespace hinomori::ui
