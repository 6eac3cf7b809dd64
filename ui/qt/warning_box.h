#pragma once

class QString;
class QWidget;

namespace hinomori::ui {

// A modal warning with the exclamation icon and one OK button, titled with
// the caption of the window that raises it. Returns when it is dismissed.
void showWarning(QWidget* window, const QString& text);

}  // namespace hinomori::ui
