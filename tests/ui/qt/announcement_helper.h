#pragma once

// What the windows have the screen reader say, as the accessibility layer
// hands it over: an announcement event where Qt has one (6.8), before that a
// notification object starting to show.

#include <QAccessible>
#include <QApplication>
#include <QStringList>

class Announcements : public QObject {
public:
    Announcements()
    {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        current = this;
        previous_ = QAccessible::installUpdateHandler(&record);
#else
        qApp->installEventFilter(this);
#endif
    }
    ~Announcements() override
    {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        QAccessible::installUpdateHandler(previous_);
        current = nullptr;
#endif
    }

    QStringList said;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            QAccessibleInterface* shown = QAccessible::queryAccessibleInterface(watched);
            if (shown && shown->role() == QAccessible::Notification)
                said << shown->text(QAccessible::Name);
        }
        return false;
    }

private:
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // Qt 6.8 hands every event to the handler, also with no screen reader listening.
    static void record(QAccessibleEvent* event)
    {
        if (event->type() == QAccessible::Announcement)
            current->said << static_cast<QAccessibleAnnouncementEvent*>(event)->message();
    }

    static inline Announcements* current = nullptr;
    QAccessible::UpdateHandler previous_ = nullptr;
#endif
};
