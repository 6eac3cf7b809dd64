#include "ui/qt/era_settings.h"

#include "ui/qt/core_text.h"

#include "date/era.h"

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

void readEntries(QSettings::Scope scope, std::vector<ReadEntry>& entries)
{
    // On Linux the native format is Qt's INI format in a file named .conf;
    // QSettings::IniFormat would look for hinomori.ini instead.
    QSettings settings(QSettings::NativeFormat, scope, u"hinomori"_s, u"hinomori"_s);
    // One file per object, so that a line can name the file of its entry.
    settings.setFallbacksEnabled(false);
    settings.beginGroup(u"Eras"_s);
    // Every key of the group, so that "2030/03/01", which QSettings reads as
    // groups, is reported too. Keys come unescaped: "2030%2003%2001", as
    // QSettings itself writes a key with spaces, is "2030 03 01".
    for (const QString& key : settings.allKeys())
        entries.push_back({settings.fileName(), key, valueAsWritten(settings.value(key))});
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
    readEntries(QSettings::UserScope, entries);
    readEntries(QSettings::SystemScope, entries);

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
