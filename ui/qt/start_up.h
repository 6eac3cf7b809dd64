#pragma once

// What the user sees of Qt while the program starts. When no platform can
// open a display, Qt ends with a long plugin message and abort() (status
// 134); the program says it in one line and exits with status 1 instead.

#include <QtGlobal>

namespace hinomori::ui {

// From construction until release() (or destruction): Qt's warnings are kept
// out of the terminal, and a fatal message (Qt's when no platform starts)
// becomes "hinomori: …; start it from a desktop session." and exit status 1.
// Afterwards the message handler that was installed before takes over again.
class StartUpMessages {
public:
    StartUpMessages();
    ~StartUpMessages();
    StartUpMessages(const StartUpMessages&) = delete;
    StartUpMessages& operator=(const StartUpMessages&) = delete;

    void release();

private:
    QtMessageHandler previous_ = nullptr;
    bool installed_ = false;
};

}  // namespace hinomori::ui
