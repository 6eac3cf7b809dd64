#include "ui/qt/accessibility/accessibility.h"

#include "ui/qt/accessibility/announcer.h"
#include "ui/qt/accessibility/readable_lines.h"
#include "ui/qt/accessibility/text_accessible.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QLineEdit>

namespace hinomori::ui::accessibility {

namespace {

constexpr char silentProperty[] = "hinomoriSilent";

// Decoration: present in the tree, as every widget must be, but neither
// shown nor named, so screen readers and their flat review pass it by.
class SilentAccessible : public QAccessibleWidget {
public:
    explicit SilentAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::Separator) {}

    QString text(QAccessible::Text) const override { return {}; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.invisible = true;
        return state;
    }
};

class NotificationAccessible : public QAccessibleWidget {
public:
    explicit NotificationAccessible(Announcer* announcer)
        : QAccessibleWidget(announcer, QAccessible::Notification)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name || t == QAccessible::Description)
            return static_cast<Announcer*>(widget())->text();
        return {};
    }
};

QAccessibleInterface* createInterface(const QString& /*className*/, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    if (widget->property(silentProperty).toBool())
        return new SilentAccessible(widget);
    if (auto* announcer = qobject_cast<Announcer*>(widget))
        return new NotificationAccessible(announcer);
    if (auto* box = qobject_cast<QLineEdit*>(widget))
        return new BoxAccessible(box);
    if (auto* label = qobject_cast<QLabel*>(widget); label && ReadableLines::of(label))
        return new LinesAccessible(label);
    return nullptr;
}

// An accessible object made for the control before it was marked would
// stand in the way: drop it, so the next one comes from the factory.
void forgetAccessible(QWidget* control)
{
    if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(control))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

}  // namespace

void install()
{
    static const bool installed = [] {
        QAccessible::installFactory(createInterface);
        return true;
    }();
    Q_UNUSED(installed);
}

void keepSilent(QWidget* control)
{
    control->setProperty(silentProperty, true);
    forgetAccessible(control);
}

void makeReadableByLine(QLabel* label)
{
    new ReadableLines(label);
    forgetAccessible(label);
}

}  // namespace hinomori::ui::accessibility
