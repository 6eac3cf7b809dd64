#include "ui/qt/accessibility/accessibility.h"

#include "ui/qt/accessibility/readable_lines.h"
#include "ui/qt/accessibility/text_accessible.h"
#include "ui/qt/main/text_box.h"

#include <QAccessibleWidget>

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

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
// Qt before 6.8 has no announcement event. Orca speaks an object of the
// notification role when it starts showing: a hidden one of no size is shown
// afresh with each text, which is its name. Sighted users see nothing.
constexpr char announcerProperty[] = "hinomoriAnnouncer";

class NotificationAccessible : public QAccessibleWidget {
public:
    explicit NotificationAccessible(QWidget* announcer) : QAccessibleWidget(announcer, QAccessible::Notification) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name || t == QAccessible::Description)
            return widget()->accessibleName();
        return {};
    }
};
#endif

QAccessibleInterface* createInterface(const QString& className, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    if (className == QLatin1StringView(TextBox::staticMetaObject.className()))
        return new BoxAccessible(static_cast<TextBox*>(widget));
    if (widget->property(silentProperty).toBool())
        return new SilentAccessible(widget);
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    if (widget->property(announcerProperty).toBool())
        return new NotificationAccessible(widget);
#endif
    if (className == QLatin1StringView(ReadableLines::staticMetaObject.className()))
        return new LinesAccessible(static_cast<ReadableLines*>(widget));
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

void announce(QWidget* window, const QString& text)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(window, text);
    QAccessible::updateAccessibility(&event);
#else
    auto* announcer = window->findChild<QWidget*>(QStringLiteral("announcer"));
    if (!announcer) {
        announcer = new QWidget(window);
        announcer->setObjectName(QStringLiteral("announcer"));
        announcer->setProperty(announcerProperty, true);
        announcer->setFocusPolicy(Qt::NoFocus);
        announcer->setAttribute(Qt::WA_TransparentForMouseEvents);
        announcer->setFixedSize(0, 0);
        forgetAccessible(announcer);
    }
    announcer->setAccessibleName(text);
    announcer->hide();
    announcer->show();
#endif
}

}  // namespace hinomori::ui::accessibility
