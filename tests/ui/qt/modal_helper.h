#pragma once

// Drives modal windows from a test: the helper polls for the application's
// active modal widget, lets the test look at it, and then closes it, so that
// the exec() the code under test is blocked in can return.

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <functional>
#include <optional>

// What a message box showed, for comparing in one go.
struct MessageBoxSeen {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QList<QMessageBox::StandardButton> buttons;
};

class ModalCloser : public QObject {
public:
    using Handler = std::function<void(QWidget* modal)>;

    // Every modal widget that appears while the closer lives goes to
    // `handler`, which must close it. A check that fails inside the handler
    // returns from it early: the modal is then closed here, so that the test
    // ends instead of waiting in the modal loop for the watchdog.
    explicit ModalCloser(Handler handler) : handler_(std::move(handler))
    {
        timer_.setInterval(10);
        timer_.callOnTimeout(this, [this] {
            if (QWidget* modal = QApplication::activeModalWidget(); modal && modal->isVisible()) {
                ++seen_;
                handler_(modal);
                if (QTest::currentTestFailed() && modal->isVisible())
                    modal->close();
            }
        });
        timer_.start();
    }

    int seen() const { return seen_; }

private:
    Handler handler_;
    QTimer timer_;
    int seen_ = 0;
};

// Accepts every message box with OK and records the last one.
class MessageBoxCloser : public ModalCloser {
public:
    MessageBoxCloser()
        : ModalCloser([this](QWidget* modal) {
              auto* box = qobject_cast<QMessageBox*>(modal);
              if (!box) {
                  modal->close();
                  return;
              }
              MessageBoxSeen seen{box->windowTitle(), box->text(), box->icon(), {}};
              for (QAbstractButton* button : box->buttons())
                  seen.buttons.append(box->standardButton(button));
              last = seen;
              if (QAbstractButton* ok = box->button(QMessageBox::Ok))
                  ok->click();
              else
                  box->reject();
          })
    {
    }

    std::optional<MessageBoxSeen> last;
};
