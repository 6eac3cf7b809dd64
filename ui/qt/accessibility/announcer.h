#pragma once

#include <QWidget>

namespace hinomori::ui::accessibility {

// Speaks a text through the screen reader without moving the focus: an
// object of the notification role, of no size, shown afresh with each text,
// which Orca announces when it appears. Sighted users see nothing.
class Announcer : public QWidget {
    Q_OBJECT

public:
    explicit Announcer(QWidget* parent);

    // Announced every time, also when it is the same text as the last one.
    void announce(const QString& text);

    // The last text announced: it is the object's accessible name.
    QString text() const { return accessibleName(); }
};

}  // namespace hinomori::ui::accessibility
