#include "ui/qt/main/manual.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPointer>
#include <QTimer>

#include <QProcess>

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

}  // namespace

void openManual(const QString& path, QObject* context, std::function<void(bool opened)> answer,
                std::chrono::milliseconds grace)
{
    QString file;
    if (!readableFile(path, &file)) {
        QTimer::singleShot(0, context, [answer = std::move(answer)] { answer(false); });
        return;
    }
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
        const std::function<void(bool)> once = std::exchange(*pending, nullptr);
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
    QTimer::singleShot(grace, launcher, [reply] { reply(true); });
    launcher->start();
}

}  // namespace hinomori::ui
