#include "ui/qt/display_check.h"

#include <cstdlib>
#include <cstring>
#include <string_view>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#ifdef HINOMORI_HAVE_XCB
#include <xcb/xcb.h>
#endif

namespace hinomori::display {

namespace {

// The value of one of Qt's own options, such as -platform; Qt also takes
// them with two dashes, and the last one given wins.
const std::string* qtOption(const std::vector<std::string>& args, std::string_view name)
{
    const std::string* value = nullptr;
    for (std::size_t i = 1; i + 1 < args.size(); ++i) {
        std::string_view arg = args[i];
        if (arg.starts_with("--"))
            arg.remove_prefix(1);
        if (arg == name)
            value = &args[++i];
    }
    return value;
}

std::vector<std::string> splitList(std::string_view list)
{
    std::vector<std::string> entries;
    while (!list.empty()) {
        const std::size_t end = list.find(';');
        if (const std::string_view entry = list.substr(0, end); !entry.empty())
            entries.emplace_back(entry);
        list = end == std::string_view::npos ? std::string_view{} : list.substr(end + 1);
    }
    return entries;
}

// The plugin's name without the ":options" Qt passes on to it.
std::string_view pluginName(std::string_view entry)
{
    return entry.substr(0, entry.find(':'));
}

std::string quoted(std::string_view text)
{
    return '"' + std::string(text) + '"';
}

// Why the Wayland display cannot be opened, or empty when it can. The
// socket is found as libwayland-client finds it for Qt: WAYLAND_DISPLAY
// (default wayland-0), an absolute path or one relative to XDG_RUNTIME_DIR.
std::string waylandFailure(const EnvironmentLookup& environment, const Probes& probes)
{
    // A compositor that started the program hands it a connected socket.
    if (environment("WAYLAND_SOCKET") != nullptr)
        return {};
    const char* name = environment("WAYLAND_DISPLAY");
    const std::string socket = name != nullptr ? name : "wayland-0";
    std::string path = socket;
    if (!socket.starts_with('/')) {
        const char* runtimeDir = environment("XDG_RUNTIME_DIR");
        if (runtimeDir == nullptr || *runtimeDir == '\0')
            return "the Wayland display " + quoted(socket) + " needs XDG_RUNTIME_DIR, which is unset";
        path = std::string(runtimeDir) + '/' + socket;
    }
    if (probes.wayland(path))
        return {};
    return "the Wayland display " + quoted(path) + " does not answer";
}

std::string xFailure(const std::vector<std::string>& args, const EnvironmentLookup& environment,
                     const Probes& probes)
{
    const std::string* option = qtOption(args, "-display");
    const char* variable = environment("DISPLAY");
    const std::string display = option != nullptr ? *option : variable != nullptr ? variable : "";
    if (display.empty())
        return "DISPLAY is unset";
    if (probes.x(display))
        return {};
    return "the X display " + quoted(display) + " does not answer";
}

const char* processEnvironment(const char* name)
{
    return std::getenv(name);
}

bool xDisplayAnswers(const std::string& display)
{
#ifdef HINOMORI_HAVE_XCB
    xcb_connection_t* connection = xcb_connect(display.c_str(), nullptr);
    const bool answers = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return answers;
#else
    (void)display;
    return true;
#endif
}

}  // namespace

std::vector<std::string> platformsToTry(const std::vector<std::string>& args,
                                        const EnvironmentLookup& environment)
{
    if (const std::string* option = qtOption(args, "-platform"))
        return splitList(*option);
    if (const char* variable = environment("QT_QPA_PLATFORM"); variable != nullptr && *variable != '\0')
        return splitList(variable);
    // Qt's own choice on Linux: Wayland first when the session is Wayland
    // (WAYLAND_DISPLAY set, even empty, or XDG_SESSION_TYPE=wayland), then
    // X11. Qt 6.4 (Debian 12) and 6.8 (Debian 13) both choose so, on GNOME
    // too, and whatever XDG_SESSION_TYPE says when WAYLAND_DISPLAY is set.
    const char* sessionType = environment("XDG_SESSION_TYPE");
    if (environment("WAYLAND_DISPLAY") != nullptr
        || (sessionType != nullptr && std::strcmp(sessionType, "wayland") == 0))
        return {"wayland", "xcb"};
    return {"xcb"};
}

std::string displayProblem(const std::vector<std::string>& args,
                           const EnvironmentLookup& environment, const Probes& probes)
{
    const std::vector<std::string> platforms = platformsToTry(args, environment);
    // Qt takes the first platform that starts; each failure is named.
    std::vector<std::string> failures;
    for (const std::string& platform : platforms) {
        const std::string_view name = pluginName(platform);
        std::string failure;
        if (name.starts_with("wayland"))
            failure = waylandFailure(environment, probes);
        else if (name == "xcb")
            failure = xFailure(args, environment, probes);
        else
            return {};  // Another platform (offscreen, eglfs, vnc, ...): Qt decides.
        if (failure.empty())
            return {};
        failures.push_back(std::move(failure));
    }
    if (failures.empty())
        return "no platform was named";
    const char* chosen = environment("QT_QPA_PLATFORM");
    const bool qtDefault = qtOption(args, "-platform") == nullptr && (chosen == nullptr || *chosen == '\0');
    if (qtDefault && platforms.size() == 1 && failures.front() == "DISPLAY is unset")
        return "no display found (DISPLAY and WAYLAND_DISPLAY are unset)";
    std::string problem = "no display can be opened (";
    for (std::size_t i = 0; i < failures.size(); ++i)
        problem += (i == 0 ? "" : ", and ") + failures[i];
    return problem + ')';
}

std::string displayProblem(int argc, char* argv[])
{
    const std::vector<std::string> args(argv, argv + argc);
    return displayProblem(args, processEnvironment, Probes{xDisplayAnswers, unixSocketAnswers});
}

bool unixSocketAnswers(const std::string& path)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const bool answers = connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    close(fd);
    return answers;
}

}  // namespace hinomori::display
