// The display check's answer for each way a session can name its display,
// with fake displays; and the Unix-socket probe against real sockets.

#include "ui/qt/display_check.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <vector>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using hinomori::display::displayProblem;
using hinomori::display::Probes;
using hinomori::display::unixSocketAnswers;

namespace {

const std::string runtimeDir = "/run/user/1000";
const std::string waylandOne = runtimeDir + "/wayland-1";

struct Session {
    const char* name;
    std::vector<std::string> args;  // after argv[0]
    std::map<std::string, std::string> environment;
    std::set<std::string> answering;  // "x :1", "wayland /path"
    std::vector<std::string> tried;   // the probes in the order they ran
    std::string problem;              // empty: the program starts
};

void PrintTo(const Session& session, std::ostream* out)
{
    *out << session.name;
}

class DisplayCheck : public testing::TestWithParam<Session> {};

TEST_P(DisplayCheck, AnswersAsQtWouldFareAndTriesDisplaysInQtsOrder)
{
    const Session& session = GetParam();
    std::vector<std::string> args{"hinomori"};
    args.insert(args.end(), session.args.begin(), session.args.end());
    const auto environment = [&](const char* name) -> const char* {
        const auto found = session.environment.find(name);
        return found == session.environment.end() ? nullptr : found->second.c_str();
    };
    std::vector<std::string> tried;
    const auto probe = [&](std::string kind) {
        return [&, kind](const std::string& display) {
            tried.push_back(kind + ' ' + display);
            return session.answering.contains(tried.back());
        };
    };

    EXPECT_EQ(displayProblem(args, environment, Probes{probe("x"), probe("wayland")}), session.problem);
    EXPECT_EQ(tried, session.tried);
}

std::string gone(const std::string& what)
{
    return "no display can be opened (" + what + ')';
}

INSTANTIATE_TEST_SUITE_P(Sessions, DisplayCheck, testing::Values(
    Session{"x11_display_answers", {}, {{"DISPLAY", ":1"}}, {"x :1"}, {"x :1"}, ""},
    Session{"nothing_set", {}, {}, {}, {},
            "no display found (DISPLAY and WAYLAND_DISPLAY are unset)"},
    Session{"x11_display_dead", {}, {{"DISPLAY", ":5"}}, {}, {"x :5"},
            gone("the X display \":5\" does not answer")},
    Session{"display_option_beats_DISPLAY", {"-display", ":1"}, {{"DISPLAY", ":5"}}, {"x :1"},
            {"x :1"}, ""},
    Session{"wayland_socket_relative_to_runtime_dir", {},
            {{"WAYLAND_DISPLAY", "wayland-1"}, {"XDG_RUNTIME_DIR", runtimeDir}},
            {"wayland " + waylandOne}, {"wayland " + waylandOne}, ""},
    Session{"wayland_socket_gone_no_DISPLAY", {},
            {{"WAYLAND_DISPLAY", "wayland-1"}, {"XDG_RUNTIME_DIR", runtimeDir}}, {},
            {"wayland " + waylandOne},
            gone("the Wayland display \"" + waylandOne + "\" does not answer, and DISPLAY is unset")},
    Session{"absolute_wayland_socket_gone_and_DISPLAY_dead", {},
            {{"WAYLAND_DISPLAY", "/tmp/w"}, {"XDG_RUNTIME_DIR", runtimeDir}, {"DISPLAY", ":5"}}, {},
            {"wayland /tmp/w", "x :5"},
            gone("the Wayland display \"/tmp/w\" does not answer, and the X display \":5\" does not answer")},
    Session{"wayland_socket_gone_falls_back_to_x11", {},
            {{"WAYLAND_DISPLAY", "wayland-1"}, {"XDG_RUNTIME_DIR", runtimeDir}, {"DISPLAY", ":1"}},
            {"x :1"}, {"wayland " + waylandOne, "x :1"}, ""},
    Session{"wayland_chosen_has_no_fallback", {},
            {{"QT_QPA_PLATFORM", "wayland"}, {"WAYLAND_DISPLAY", "wayland-1"},
             {"XDG_RUNTIME_DIR", runtimeDir}, {"DISPLAY", ":1"}},
            {"x :1"}, {"wayland " + waylandOne},
            gone("the Wayland display \"" + waylandOne + "\" does not answer")},
    Session{"wayland_session_type_uses_wayland_0", {},
            {{"XDG_SESSION_TYPE", "wayland"}, {"XDG_RUNTIME_DIR", runtimeDir}},
            {"wayland " + runtimeDir + "/wayland-0"}, {"wayland " + runtimeDir + "/wayland-0"}, ""},
    Session{"x11_session_type_with_WAYLAND_DISPLAY_still_tries_wayland_first", {},
            {{"XDG_SESSION_TYPE", "x11"}, {"WAYLAND_DISPLAY", "wayland-1"},
             {"XDG_RUNTIME_DIR", runtimeDir}, {"DISPLAY", ":1"}},
            {"x :1"}, {"wayland " + waylandOne, "x :1"}, ""},
    Session{"empty_WAYLAND_DISPLAY_is_set", {},
            {{"WAYLAND_DISPLAY", ""}, {"XDG_RUNTIME_DIR", runtimeDir}, {"DISPLAY", ":1"}},
            {"x :1"}, {"wayland " + runtimeDir + "/", "x :1"}, ""},
    Session{"relative_wayland_socket_without_runtime_dir", {},
            {{"QT_QPA_PLATFORM", "wayland"}, {"WAYLAND_DISPLAY", "wayland-1"}}, {}, {},
            gone("the Wayland display \"wayland-1\" needs XDG_RUNTIME_DIR, which is unset")},
    Session{"socket_handed_over_by_the_compositor", {},
            {{"QT_QPA_PLATFORM", "wayland"}, {"WAYLAND_SOCKET", "5"}}, {}, {}, ""},
    Session{"list_tries_x11_first_and_stops", {},
            {{"QT_QPA_PLATFORM", "xcb;wayland"}, {"DISPLAY", ":1"}, {"WAYLAND_DISPLAY", "wayland-1"},
             {"XDG_RUNTIME_DIR", runtimeDir}},
            {"x :1", "wayland " + waylandOne}, {"x :1"}, ""},
    Session{"list_falls_through_to_wayland", {},
            {{"QT_QPA_PLATFORM", "xcb;wayland"}, {"DISPLAY", ":5"}, {"WAYLAND_DISPLAY", "wayland-1"},
             {"XDG_RUNTIME_DIR", runtimeDir}},
            {"wayland " + waylandOne}, {"x :5", "wayland " + waylandOne}, ""},
    Session{"list_entries_keep_options_and_variants", {},
            {{"QT_QPA_PLATFORM", "wayland-egl;;xcb:nograb"}, {"DISPLAY", ":5"},
             {"WAYLAND_DISPLAY", "/tmp/w"}},
            {}, {"wayland /tmp/w", "x :5"},
            gone("the Wayland display \"/tmp/w\" does not answer, and the X display \":5\" does not answer")},
    Session{"platform_option_beats_QT_QPA_PLATFORM", {"-platform", "wayland"},
            {{"QT_QPA_PLATFORM", "xcb"}, {"DISPLAY", ":1"}, {"WAYLAND_DISPLAY", "/tmp/w"}},
            {"x :1"}, {"wayland /tmp/w"}, gone("the Wayland display \"/tmp/w\" does not answer")},
    Session{"platform_option_with_two_dashes", {"--platform", "xcb"},
            {{"WAYLAND_DISPLAY", "/tmp/w"}, {"DISPLAY", ":5"}}, {"wayland /tmp/w"}, {"x :5"},
            gone("the X display \":5\" does not answer")},
    Session{"empty_QT_QPA_PLATFORM_is_qts_default", {}, {{"QT_QPA_PLATFORM", ""}, {"DISPLAY", ":1"}},
            {"x :1"}, {"x :1"}, ""},
    Session{"other_platforms_are_qts_to_judge", {}, {{"QT_QPA_PLATFORM", "xcb;offscreen"}},
            {}, {}, ""},
    Session{"empty_platform_list", {"-platform", ";"}, {{"DISPLAY", ":1"}}, {"x :1"}, {},
            "no platform was named"}),
    [](const testing::TestParamInfo<Session>& info) { return std::string(info.param.name); });

// A real socket in a fresh folder, in one of the states a compositor's
// socket can be found in.
enum class SocketState { Listening, ListenerGone, Missing, PlainFile, PathTooLong };

struct SocketCase {
    const char* name;
    SocketState state;
    bool answers;
};

void PrintTo(const SocketCase& socketCase, std::ostream* out)
{
    *out << socketCase.name;
}

class SocketProbe : public testing::TestWithParam<SocketCase> {};

TEST_P(SocketProbe, AnswersOnlyWhileSomethingListens)
{
    const SocketCase& socketCase = GetParam();
    char folder[] = "/tmp/hinomori-socket.XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    std::string path = std::string(folder) + "/wayland-1";
    if (socketCase.state == SocketState::PathTooLong)
        path = std::string(folder) + '/' + std::string(sizeof(sockaddr_un::sun_path), 'w');

    int listener = -1;
    if (socketCase.state == SocketState::Listening || socketCase.state == SocketState::ListenerGone) {
        listener = socket(AF_UNIX, SOCK_STREAM, 0);
        ASSERT_GE(listener, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        path.copy(address.sun_path, path.size());
        ASSERT_EQ(bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        ASSERT_EQ(listen(listener, 1), 0);
        if (socketCase.state == SocketState::ListenerGone) {
            close(listener);
            listener = -1;
        }
    } else if (socketCase.state == SocketState::PlainFile) {
        std::FILE* file = std::fopen(path.c_str(), "w");
        ASSERT_NE(file, nullptr);
        std::fclose(file);
    }

    EXPECT_EQ(unixSocketAnswers(path), socketCase.answers);

    if (listener >= 0)
        close(listener);
    std::remove(path.c_str());
    rmdir(folder);
}

INSTANTIATE_TEST_SUITE_P(States, SocketProbe, testing::Values(
    SocketCase{"listening", SocketState::Listening, true},
    SocketCase{"listener_gone", SocketState::ListenerGone, false},
    SocketCase{"missing", SocketState::Missing, false},
    SocketCase{"plain_file", SocketState::PlainFile, false},
    SocketCase{"path_too_long", SocketState::PathTooLong, false}),
    [](const testing::TestParamInfo<SocketCase>& info) { return std::string(info.param.name); });

}  // namespace
