#include "ui/qt/start_up.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>

namespace hinomori::ui {

namespace {

// What the environment named for Qt to open, for the one line.
std::string whatWasTried()
{
    std::string named;
    for (const char* variable : {"QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "DISPLAY"}) {
        if (const char* value = std::getenv(variable)) {
            named += named.empty() ? "" : ", ";
            named += std::string(variable) + "=\"" + value + '"';
        }
    }
    if (named.empty())
        return "no display found (DISPLAY and WAYLAND_DISPLAY are unset)";
    return "no display can be opened (" + named + ')';
}

void duringStartUp(QtMsgType type, const QMessageLogContext&, const QString&)
{
    if (type != QtFatalMsg)
        return;
    std::fprintf(stderr, "hinomori: %s; start it from a desktop session.\n", whatWasTried().c_str());
    // Qt is half made: no destructors, no atexit handlers, no abort().
    std::_Exit(EXIT_FAILURE);
}

}  // namespace

StartUpMessages::StartUpMessages() : previous_(qInstallMessageHandler(duringStartUp)), installed_(true) {}

StartUpMessages::~StartUpMessages()
{
    release();
}

void StartUpMessages::release()
{
    if (!std::exchange(installed_, false))
        return;
    qInstallMessageHandler(previous_);
}

}  // namespace hinomori::ui
