#include "ui/main/manual.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace hinomori::ui {

QString manualPathIn(const QString& folder, QChar separator)
{
    QString path = folder;
    if (!path.endsWith(separator))
        path += separator;
    return path + QString::fromUtf16(manualFileName);
}

bool openManual(const QString& path)
{
    const QFileInfo file(path);
    if (!file.isFile() || !file.isReadable())
        return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(file.absoluteFilePath()));
}

}  // namespace hinomori::ui
