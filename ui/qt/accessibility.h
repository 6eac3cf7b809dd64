#pragma once

// What screen readers get of the windows besides what Qt's own accessible
// objects give them.

class QString;
class QWidget;

namespace hinomori::ui::accessibility {

// Puts the program's few accessible objects in place of Qt's own, on the Qt
// versions that need them. Safe to call from every window; only the first
// call does anything.
void install();

// Has the screen reader say `text` without moving the focus, also when it is
// the same text as the last time. `window` is the window it concerns.
void announce(QWidget* window, const QString& text);

}  // namespace hinomori::ui::accessibility
