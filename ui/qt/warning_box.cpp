#include "ui/qt/warning_box.h"

#include <QMessageBox>

namespace hinomori::ui {

void showWarning(QWidget* window, const QString& text)
{
    QMessageBox box(QMessageBox::Warning, window->windowTitle(), text, QMessageBox::Ok, window);
    box.exec();
}

}  // namespace hinomori::ui
