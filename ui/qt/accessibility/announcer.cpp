#include "ui/qt/accessibility/announcer.h"

namespace hinomori::ui::accessibility {

Announcer::Announcer(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("announcer"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFixedSize(0, 0);
    hide();
}

void Announcer::announce(const QString& text)
{
    setAccessibleName(text);
    // Orca speaks a notification when it starts showing.
    hide();
    show();
}

}  // namespace hinomori::ui::accessibility
