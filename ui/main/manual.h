#pragma once

#include <QString>

namespace hinomori::ui {

inline constexpr char16_t manualFileName[] = u"Hinomori.txt";

// The manual's path: the folder, one separator, the file name. A folder that
// already ends in a separator (a drive's root, "C:\") gets no second one.
QString manualPathIn(const QString& folder, QChar separator = u'/');

// Hands the manual to the desktop's viewer for text files. A file that does
// not exist or cannot be read fails here, before the desktop is asked: a
// launcher may well report success for a file that is not there.
bool openManual(const QString& path);

}  // namespace hinomori::ui
