#include "ui/qt/accessibility.h"

#include "ui/qt/main/text_box.h"

#include <QAccessibleWidget>

#include <algorithm>

// Qt 6.4 (Debian 12) to 6.8 (Debian 13) at least: QLineEdit's accessible
// object answers every request for text attributes with an empty run at
// the offset asked, and Orca then reads each value less its last character.
// No Qt release names a fix, so the boxes keep their own object on every
// version; tst_text_box asks Qt's own object and fails once it answers
// whole runs, which is when this can go.

namespace hinomori::ui::accessibility {

namespace {

// A text box as Qt's line edit object presents it, but with its whole text
// as one run of attributes, carrying the weight it is drawn in. Screen
// readers read and select the text; they cannot edit it.
class BoxAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit BoxAccessible(TextBox* box) : QAccessibleWidget(box, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Value ? box()->text() : QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = box()->isReadOnly();
        state.editable = !box()->isReadOnly();
        state.selectableText = true;
        return state;
    }

    QString attributes(int /*offset*/, int* startOffset, int* endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return box()->font().bold() ? QStringLiteral("font-weight:bold;") : QStringLiteral("font-weight:normal;");
    }
    QString text(int startOffset, int endOffset) const override
    {
        const int length = characterCount();
        startOffset = std::clamp(startOffset, 0, length);
        endOffset = std::clamp(endOffset, startOffset, length);
        return box()->text().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(box()->text().size()); }
    int cursorPosition() const override { return box()->cursorPosition(); }
    void setCursorPosition(int position) override { box()->setCursorPosition(position); }
    int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
    void selection(int index, int* startOffset, int* endOffset) const override
    {
        const bool selected = index == 0 && box()->hasSelectedText();
        *startOffset = selected ? box()->selectionStart() : 0;
        *endOffset = selected ? box()->selectionEnd() : 0;
    }
    void addSelection(int startOffset, int endOffset) override
    {
        box()->setSelection(startOffset, endOffset - startOffset);
    }
    void setSelection(int /*index*/, int startOffset, int endOffset) override
    {
        addSelection(startOffset, endOffset);
    }
    void removeSelection(int /*index*/) override { box()->deselect(); }
    void scrollToSubstring(int startIndex, int /*endIndex*/) override { box()->setCursorPosition(startIndex); }

    QRect characterRect(int offset) const override
    {
        if (offset < 0 || offset >= characterCount())
            return {};
        // A character's middle is where the box's nearest caret position
        // turns from before it to after it.
        const QFontMetrics metrics(box()->font());
        const int width = metrics.horizontalAdvance(box()->text().mid(offset, 1));
        const int middle = box()->height() / 2;
        int x = 0;
        while (x < box()->width() && box()->cursorPositionAt(QPoint(x, middle)) <= offset)
            ++x;
        const QRect local(x - width / 2, middle - metrics.height() / 2, width, metrics.height());
        return {box()->mapToGlobal(local.topLeft()), local.size()};
    }
    int offsetAtPoint(const QPoint& point) const override
    {
        return box()->cursorPositionAt(box()->mapFromGlobal(point));
    }

private:
    TextBox* box() const { return static_cast<TextBox*>(widget()); }
};

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
// Qt before 6.8 has no announcement event. Orca speaks an object of the
// notification role when it starts showing: a hidden one of no size is shown
// afresh with each text, which is its name. Sighted users see nothing.
constexpr char announcerName[] = "announcer";

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
    if (widget && className == QLatin1StringView(TextBox::staticMetaObject.className()))
        return new BoxAccessible(static_cast<TextBox*>(widget));
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    if (widget && widget->objectName() == QLatin1StringView(announcerName) && widget->parentWidget()
        && widget->parentWidget()->isWindow())
        return new NotificationAccessible(widget);
#endif
    return nullptr;
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

void announce(QWidget* window, const QString& text)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(window, text);
    QAccessible::updateAccessibility(&event);
#else
    auto* announcer = window->findChild<QWidget*>(QLatin1StringView(announcerName), Qt::FindDirectChildrenOnly);
    if (!announcer) {
        announcer = new QWidget(window);
        announcer->setObjectName(QLatin1StringView(announcerName));
        announcer->setFocusPolicy(Qt::NoFocus);
        announcer->setAttribute(Qt::WA_TransparentForMouseEvents);
        announcer->setFixedSize(0, 0);
    }
    announcer->setAccessibleName(text);
    announcer->hide();
    announcer->show();
#endif
}

}  // namespace hinomori::ui::accessibility
