#pragma once

#include "ui/qt/fonts.h"
#include "ui/qt/main/frmMain.h"

#include <QApplication>

#include <QTest>

#include <chrono>
#include <memory>

// The main window, shown, opening on `today` (by default 2001-10-16: H13,
// 10/16, 火, 2001). A launcher of the manual answers by its exit status
// however long a busy machine keeps it: no grace runs out.
inline std::unique_ptr<frmMain> openMainWindow(
    std::chrono::year_month_day today = std::chrono::year{2001} / std::chrono::October / 16)
{
    // The desktop's font with Japanese faces behind it, as the program sets it.
    QApplication::setFont(hinomori::ui::defaultFont());
    auto window = std::make_unique<frmMain>([today] { return today; }, std::chrono::hours(1));
    window->show();
    return window;
}

// A control by its name; a missing one stops the test run.
template <typename Control>
Control* child(const QObject& window, const QString& name)
{
    auto* found = window.findChild<Control*>(name);
    if (!found)
        qFatal("no control named %s", qPrintable(name));
    return found;
}
