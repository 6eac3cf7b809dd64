#include "ui/qt/start_up.h"

#include <QLoggingCategory>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

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

// What Qt said while it tried its platform plugins, in the words of Qt 6.4
// to 6.8. A plugin that cannot reach its display says so itself
// ("qt.qpa.xcb: could not connect to display :0", "Failed to create
// wl_display"); one that is not there, or whose library does not load, is
// not a display problem and is named as Qt names it.
struct Attempts {
    bool displayFailed = false;
    bool pluginExplained = false;  // since Qt last named a plugin that failed
    std::string libraryError;
    std::vector<std::string> causes;
};

Attempts attempts;
QLoggingCategory::CategoryFilter previousFilter = nullptr;

// The library loader's reasons are debug messages; the plugin loader's
// "could not load" is an info message on some versions.
void hearPluginLoading(QLoggingCategory* category)
{
    if (previousFilter)
        previousFilter(category);
    if (std::strcmp(category->categoryName(), "qt.core.library") == 0
        || std::strcmp(category->categoryName(), "qt.qpa.plugin") == 0) {
        category->setEnabled(QtDebugMsg, true);
        category->setEnabled(QtInfoMsg, true);
    }
}

void heard(const std::string& message, const char* category)
{
    if (message.find("could not connect to display") != std::string::npos
        || message.find("wl_display") != std::string::npos) {
        attempts.displayFailed = true;
        attempts.pluginExplained = true;
    } else if (category && std::strcmp(category, "qt.core.library") == 0) {
        // "\"/…/platforms/libqxcb.so\" cannot load: Cannot load library …: (libxcb-cursor.so.0: …)"
        const std::size_t reason = message.find("cannot load: ");
        if (reason != std::string::npos && message.find("/platforms/") != std::string::npos)
            attempts.libraryError = message.substr(reason + std::strlen("cannot load: "));
    } else if (message.starts_with("Could not find the Qt platform plugin")) {
        attempts.causes.push_back(message);
        attempts.pluginExplained = false;
    } else if (message.starts_with("Could not load the Qt platform plugin")) {
        if (!attempts.libraryError.empty())
            attempts.causes.push_back(message + " (" + std::exchange(attempts.libraryError, {}) + ')');
        else if (!attempts.pluginExplained)
            attempts.causes.push_back(message);
        attempts.pluginExplained = false;
    }
}

void duringStartUp(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtFatalMsg) {
        heard(message.toStdString(), context.category);
        return;
    }
    if (attempts.causes.empty()) {
        std::fprintf(stderr, "hinomori: %s; start it from a desktop session.\n", whatWasTried().c_str());
    } else {
        std::string causes;
        for (const std::string& cause : attempts.causes)
            causes += (causes.empty() ? "" : "; ") + cause;
        if (attempts.displayFailed)
            causes += "; " + whatWasTried();
        std::fprintf(stderr, "hinomori: Qt's platform cannot start: %s\n", causes.c_str());
    }
    // Qt is half made: no destructors, no atexit handlers, no abort().
    std::_Exit(EXIT_FAILURE);
}

}  // namespace

StartUpMessages::StartUpMessages() : previous_(qInstallMessageHandler(duringStartUp)), installed_(true)
{
    attempts = {};
    previousFilter = QLoggingCategory::installFilter(hearPluginLoading);
}

StartUpMessages::~StartUpMessages()
{
    release();
}

void StartUpMessages::release()
{
    if (!std::exchange(installed_, false))
        return;
    QLoggingCategory::installFilter(previousFilter);
    qInstallMessageHandler(previous_);
}

}  // namespace hinomori::ui
