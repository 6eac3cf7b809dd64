#pragma once

#include <QString>

#include <functional>

class QObject;

namespace hinomori::ui {

// How long a launcher may run before it counts as having opened the manual:
// some launchers stay until the viewer they started is closed.
inline constexpr int launcherGraceMilliseconds = 3000;

// Hands the manual to the desktop's viewer for text files and calls
// onFailure if that cannot be done: the file does not exist or cannot be
// read (checked first, as a launcher may well report success for a file that
// is not there), no launcher is found, or the launcher answers that it could
// not open the file. Returns at once; the answer comes from the event loop,
// and not at all once context (which must not be null) is gone.
void openManual(const QString& path, QObject* context, std::function<void()> onFailure);

// The same, waiting for the answer while the event loop keeps the windows
// responsive. True when the manual was handed over.
bool openManual(const QString& path);

}  // namespace hinomori::ui
