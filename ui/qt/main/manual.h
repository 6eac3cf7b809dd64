#pragma once

#include <QString>

#include <chrono>
#include <functional>

class QObject;

namespace hinomori::ui {

// How long a launcher may run before it counts as having opened the manual:
// some launchers stay until the viewer they started is closed.
inline constexpr std::chrono::milliseconds launcherGrace{3000};

// Hands the manual to the desktop's viewer for text files and calls
// answer(opened) once. Not opened: the file does not exist or cannot be read
// (checked first, as a launcher may well report success for a file that is
// not there), no launcher is found, or the launcher answers that it could not
// open the file. Returns at once; the answer comes from the event loop, and
// not at all once context (which must not be null) is gone.
void openManual(const QString& path, QObject* context, std::function<void(bool opened)> answer,
                std::chrono::milliseconds grace = launcherGrace);

}  // namespace hinomori::ui
