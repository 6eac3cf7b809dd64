#pragma once

// Whether the program can reach a display, asked before Qt starts: when no
// platform Qt would try can open its display, Qt aborts with a long plugin
// message and status 134, so the program says it in one line instead.
// Plain C++ (no Qt): it runs before QApplication exists.

#include <functional>
#include <string>
#include <vector>

namespace hinomori::display {

// An environment variable's value, or nullptr when it is unset.
using EnvironmentLookup = std::function<const char*(const char* name)>;

// Whether a display answers. `x` gets the X display name (never empty);
// `wayland` gets the path of the compositor's socket.
struct Probes {
    std::function<bool(const std::string& display)> x;
    std::function<bool(const std::string& socketPath)> wayland;
};

// The platforms Qt tries, in order, for these command-line arguments
// (argv[0] first) and this environment: `-platform`, else QT_QPA_PLATFORM,
// else Wayland first in a Wayland session and then X11. Entries keep their
// ":options" suffix, as Qt takes them.
std::vector<std::string> platformsToTry(const std::vector<std::string>& args,
                                        const EnvironmentLookup& environment);

// Why no display can be opened, in one line; empty when one can, or when
// Qt will use a platform the program cannot judge (offscreen, eglfs, ...).
std::string displayProblem(const std::vector<std::string>& args,
                           const EnvironmentLookup& environment, const Probes& probes);

// The same, for this process: its environment, xcb for X11, and a connect
// to the Wayland socket.
std::string displayProblem(int argc, char* argv[]);

// Whether something listens on the Unix socket at `path`; a Wayland
// compositor accepts the connection before it says anything.
bool unixSocketAnswers(const std::string& path);

}  // namespace hinomori::display
