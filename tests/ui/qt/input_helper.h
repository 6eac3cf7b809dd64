#pragma once

#include <QApplication>
#include <QInputMethodEvent>
#include <QTest>

// Types `text` into `target` as a user would: ASCII key by key, anything else
// as one string committed by the input method, which is how Japanese arrives.
inline void typeLikeAUser(QWidget* target, const QString& text)
{
    const bool ascii = std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
    if (ascii) {
        QTest::keyClicks(target, text);
        return;
    }
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(target, &event);
    // A user's next input comes through the event loop.
    QCoreApplication::processEvents();
}
