#pragma once

// Eras the program is not built with, from the [Eras] group of its settings,
// written as Windows lists them in its registry:
//
//     [Eras]
//     2030 03 01=試験_試_Shiken_Q
//
// hinomori/hinomori.conf is read in each folder the XDG base directory rules
// name, most important first: the user's, $XDG_CONFIG_HOME (~/.config by
// default), then each folder of $XDG_CONFIG_DIRS in turn (/etc/xdg by
// default). The more important file's entry wins a day two files name.

#include <cstdio>

namespace hinomori::ui {

// Hands the entries to the core; called once, before any window is made.
// Each entry left out gets one line on `errors`, naming its file:
// "hinomori: /etc/xdg/hinomori/hinomori.conf: [Eras] 2030 02 30=誤日_誤_Gojitsu_X: no such day".
void loadEraSettings(std::FILE* errors = stderr);

}  // namespace hinomori::ui
