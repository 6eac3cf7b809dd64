#pragma once

namespace hinomori::ui {

// Whether the window system places windows itself, as Wayland compositors
// do: a client cannot move its own windows there, so it leaves centring to them.
bool placedByCompositor();

}  // namespace hinomori::ui
