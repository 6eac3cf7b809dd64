#pragma once

// Eras the program is not built with, from the [Eras] group of its settings,
// written as Windows lists them in its registry:
//
//     [Eras]
//     2030 03 01=試験_試_Shiken_Q
//
// Two files are read, as Qt finds them for organisation and application
// "hinomori": the user's, $XDG_CONFIG_HOME/hinomori/hinomori.conf
// (~/.config by default), then the machine's, in the first folder of
// $XDG_CONFIG_DIRS (/etc/xdg by default). The user's entry wins a day both name.

#include <cstdio>

namespace hinomori::ui {

// Hands the entries to the core; called once, before any window is made.
// Each entry left out gets one line on `errors`, naming its file:
// "hinomori: /etc/xdg/hinomori/hinomori.conf: [Eras] 2030 02 30=誤日_誤_Gojitsu_X: no such day".
void loadEraSettings(std::FILE* errors = stderr);

}  // namespace hinomori::ui
