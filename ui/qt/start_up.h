#pragma once

// What the user sees of Qt while the program starts. When no platform
// plugin starts, Qt ends with a long plugin message and abort() (status
// 134); the program says why in one line and exits with status 1 instead:
// no display, or the plugin or library that Qt names as missing.

#include <QtGlobal>

namespace hinomori::ui {

// From construction until release() (or destruction): Qt's warnings are kept
// out of the terminal, and a fatal message (Qt's when no platform starts)
// becomes one line and exit status 1: "hinomori: no display can be opened
// (…); start it from a desktop session.", or where Qt named another cause
// "hinomori: Qt's platform cannot start: Could not find the Qt platform
// plugin \"frobnicate\" in \"\"". Afterwards the message handler and logging
// filter that were installed before take over again.
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
