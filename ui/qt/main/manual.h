#pragma once

#include <QString>

#include <chrono>
#include <functional>

class QObject;

namespace hinomori::ui {

// How long a launcher may run before it counts as having opened the manual:
// some launchers stay until the viewer they started is closed.
inline constexpr std::chrono::milliseconds launcherGrace{3000};

enum class ManualAnswer {
    opened,
    not_opened,  // the file is not there or cannot be read, or the launcher failed
    no_program,  // nothing to open it with: no launcher, or none for text files
};

// Hands the manual to the desktop's viewer for text files and calls
// answer() once. The file is checked first, as a launcher may well report
// success for a file that is not there; xdg-open's answer that it found no
// tool (status 3) or could not open the file with one (status 4) is
// no_program. Returns at once; the answer comes from the event loop, and not
// at all once context (which must not be null) is gone.
void openManual(const QString& path, QObject* context, std::function<void(ManualAnswer)> answer,
                std::chrono::milliseconds grace = launcherGrace);

// The launchers still running, as its children. It is never destroyed, so
// that quitting neither kills a launcher still waiting for its viewer nor
// warns of it.
QObject* runningLaunchers();

}  // namespace hinomori::ui
