#pragma once

// What screen readers get of the windows. Qt's own accessible objects are
// kept wherever they serve; the few that fall short for Orca are replaced
// here, in one place, and the windows only say which of their controls are
// which.

class QString;
class QWidget;

namespace hinomori::ui::accessibility {

// Puts the program's accessible objects in place of Qt's own. Safe to call
// from every window; only the first call does anything.
void install();

// A control that is only decoration (the etched rule): screen readers skip it.
void keepSilent(QWidget* control);

// Has the screen reader say `text` without moving the focus, also when it is
// the same text as the last time. `window` is the window it concerns.
void announce(QWidget* window, const QString& text);

}  // namespace hinomori::ui::accessibility
