#include "ui/qt/era_settings.h"

#include "ui/qt/core_text.h"

#include "date/era.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>

#include <string>
#include <vector>

using namespace Qt::StringLiterals;

namespace hinomori::ui {

namespace {

struct ReadEntry {
    QString file;
    QString key;
    QString value;
};

// An unquoted value with a comma in it comes back from QSettings as a list;
// the entry is judged as written.
QString valueAsWritten(const QVariant& value)
{
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(u',');
    return value.toString();
}

// The folders the XDG base directory rules name for configuration, most
// important first: $XDG_CONFIG_HOME (~/.config), then each of
// $XDG_CONFIG_DIRS (/etc/xdg). Relative paths are ignored, as the rules say,
// and a folder named twice is read once. QSettings' own system scope reads
// only the first folder of $XDG_CONFIG_DIRS, which sessions fill with their
// own (Plasma ~/.config/kdedefaults, others /etc/xdg/xdg-$DESKTOP_SESSION).
QStringList configFolders()
{
    QStringList folders;
    const auto add = [&folders](const QString& folder) {
        if (QDir::isAbsolutePath(folder) && !folders.contains(QDir::cleanPath(folder)))
            folders << QDir::cleanPath(folder);
    };
    const QString home = qEnvironmentVariable("XDG_CONFIG_HOME");
    add(QDir::isAbsolutePath(home) ? home : QDir::homePath() + u"/.config"_s);
    const qsizetype homes = folders.size();
    for (const QString& folder : qEnvironmentVariable("XDG_CONFIG_DIRS").split(u':', Qt::SkipEmptyParts))
        add(folder);
    if (folders.size() == homes)
        add(u"/etc/xdg"_s);
    return folders;
}

void readEntries(const QString& path, std::vector<ReadEntry>& entries)
{
    if (!QFileInfo(path).isFile())
        return;
    // Qt's INI format, as QSettings' native format is on Linux, in the .conf
    // file that format names.
    QSettings settings(path, QSettings::IniFormat);
    settings.beginGroup(u"Eras"_s);
    // Every key of the group, so that "2030/03/01", which QSettings reads as
    // groups, is reported too. Keys come unescaped: "2030%2003%2001", as
    // QSettings itself writes a key with spaces, is "2030 03 01".
    for (const QString& key : settings.allKeys())
        entries.push_back({path, key, valueAsWritten(settings.value(key))});
}

// An INI value may hold escaped line breaks; the report stays one line each.
QString oneLine(QString text)
{
    for (QChar& c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            c = QChar::ReplacementCharacter;
    }
    return text;
}

}  // namespace

void loadEraSettings(std::FILE* errors)
{
    std::vector<ReadEntry> entries;
    for (const QString& folder : configFolders())
        readEntries(folder + u"/hinomori/hinomori.conf"_s, entries);

    std::vector<date::EraSetting> settings;
    settings.reserve(entries.size());
    for (const ReadEntry& entry : entries)
        settings.push_back({entry.key.toStdU16String(), entry.value.toStdU16String()});

    for (const date::LeftOutEra& leftOut : date::add_eras(settings)) {
        const ReadEntry& entry = entries[leftOut.index];
        const QString line = u"hinomori: %1: [Eras] %2=%3: %4\n"_s.arg(
            entry.file, oneLine(entry.key), oneLine(entry.value), toQString(date::problem_text(leftOut.problem)));
        std::fputs(line.toLocal8Bit().constData(), errors);
    }
    std::fflush(errors);
}

}  // namespace hinomori::ui
