#include "ui/qt/accessibility/readable_lines.h"

#include "ui/qt/accessibility/accessibility.h"

#include <QAccessible>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include <algorithm>

namespace hinomori::ui::accessibility {

namespace {

// A dotted focus frame around the current line, drawn over the label so the
// label itself paints exactly as it always does.
class LineMarker : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.backgroundColor = palette().color(QPalette::Window);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
};

}  // namespace

ReadableLines::ReadableLines(QLabel* label) : QObject(label), label_(label), marker_(new LineMarker(label))
{
    setObjectName(QStringLiteral("readableLines"));
    marker_->setAttribute(Qt::WA_TransparentForMouseEvents);
    keepSilent(marker_);
    marker_->hide();
    label->setFocusPolicy(Qt::StrongFocus);
    label->installEventFilter(this);
}

ReadableLines* ReadableLines::of(const QObject* label)
{
    return label ? label->findChild<ReadableLines*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

QStringList ReadableLines::lines() const
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n"));
    return label_->text().split(lineBreak);
}

int ReadableLines::lineStart(int line) const
{
    const QStringList all = lines();
    int start = 0;
    for (int i = 0; i < line && i < all.size(); ++i)
        start += static_cast<int>(all[i].size()) + 1;
    return start;
}

QRect ReadableLines::lineRect(int line) const
{
    const QFontMetrics metrics(label_->font());
    const QRect contents = label_->contentsRect();
    const QString text = lines().value(line);
    const int top = contents.top() + line * metrics.lineSpacing();
    return {contents.left(), top, std::min(metrics.horizontalAdvance(text), contents.width()), metrics.height()};
}

void ReadableLines::moveTo(int line)
{
    current_ = std::clamp(line, 0, static_cast<int>(lines().size()) - 1);
    placeMarker();
    // Orca reads the line the caret moves to.
    QAccessibleTextCursorEvent event(label_, lineStart(current_));
    QAccessible::updateAccessibility(&event);
}

void ReadableLines::placeMarker()
{
    marker_->setGeometry(lineRect(current_).adjusted(-1, 0, 1, 0));
}

bool ReadableLines::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::FocusIn:
        placeMarker();
        marker_->show();
        break;
    case QEvent::FocusOut:
        marker_->hide();
        break;
    case QEvent::KeyPress: {
        const int last = static_cast<int>(lines().size()) - 1;
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Up: moveTo(current_ - 1); return true;
        case Qt::Key_Down: moveTo(current_ + 1); return true;
        case Qt::Key_Home:
        case Qt::Key_PageUp: moveTo(0); return true;
        case Qt::Key_End:
        case Qt::Key_PageDown: moveTo(last); return true;
        default: break;
        }
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace hinomori::ui::accessibility
