#pragma once

class QString;

namespace hinomori::ui {

// Whether the window system places windows itself, as Wayland compositors
// do: a client cannot move its own windows there, so it leaves centring to them.
bool placedByCompositor();

// Whether a Wayland compositor on the desktop `currentDesktop` names
// (XDG_CURRENT_DESKTOP, "ubuntu:GNOME") lets a window be raised over its
// modal dialog when clicked, which then only the dialog's asking for the
// activation back undoes. GNOME's and KDE's keep a dialog over its parent,
// and show such a request as a "ready" notification; sway and the other
// wlroots compositors stack a dialog like any window.
bool dialogNeedsReactivating(const QString& currentDesktop);

}  // namespace hinomori::ui
