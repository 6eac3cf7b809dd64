#include "ui/qt/described_window.h"

#include "ui/qt/core_text.h"
#include "ui/qt/fonts.h"
#include "ui/qt/layout.h"
#include "ui/qt/main/text_box.h"
#include "ui/qt/program_icon.h"
#include "ui/qt/twips.h"

#include <QAbstractTextDocumentLayout>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTextBlock>

#include <algorithm>

using hinomori::conversion::ControlDescription;
using hinomori::conversion::ControlKind;

namespace hinomori::ui {

namespace {

TextBox* makeBox(const ControlDescription& control, QWidget* parent)
{
    auto* box = new TextBox(control.input, parent);
    box->setText(toQString(control.caption));
    if (control.kind == ControlKind::output_box) {
        box->setReadOnly(true);
        QPalette palette = box->palette();
        palette.setColor(QPalette::Base, palette.color(QPalette::Button));
        box->setPalette(palette);
    }
    return box;
}

QPushButton* makeButton(const ControlDescription& control, QWidget* parent)
{
    auto* button = new QPushButton(toQString(control.caption), parent);
    const bool isDefault = control.kind == ControlKind::default_button;
    // Enter on a focused button presses it, as Space does; only the default
    // button takes Enter from the rest of its window.
    button->setAutoDefault(true);
    button->setDefault(isDefault);
    return button;
}

// Lines a screen reader reads one by one and the keyboard walks with the
// arrow keys, drawn as captions are: on the window's background, unframed.
QPlainTextEdit* makeRemarks(const ControlDescription& control, QWidget* parent)
{
    auto* remarks = new QPlainTextEdit(toQString(control.caption), parent);
    remarks->setReadOnly(true);
    remarks->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    remarks->setFocusPolicy(Qt::StrongFocus);
    remarks->setTabChangesFocus(true);
    remarks->setFrameShape(QFrame::NoFrame);
    remarks->setLineWrapMode(QPlainTextEdit::NoWrap);
    remarks->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    remarks->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    remarks->viewport()->setBackgroundRole(QPalette::Window);
    remarks->document()->setDocumentMargin(0);
    return remarks;
}

QWidget* make(const ControlDescription& control, QWidget* parent)
{
    switch (control.kind) {
    case ControlKind::input_box:
    case ControlKind::output_box:
        return makeBox(control, parent);
    case ControlKind::button:
    case ControlKind::default_button:
        return makeButton(control, parent);
    case ControlKind::label: {
        auto* label = new QLabel(toQString(control.caption), parent);
        if (control.alignment == hinomori::conversion::Alignment::centre)
            label->setAlignment(Qt::AlignCenter);
        return label;
    }
    case ControlKind::frame:
        return new QGroupBox(toQString(control.caption), parent);
    case ControlKind::remarks:
        return makeRemarks(control, parent);
    case ControlKind::picture: {
        auto* picture = new QLabel(parent);
        picture->setPixmap(programIcon().pixmap(pixelsFromTwips(control.twips).size()));
        return picture;
    }
    case ControlKind::etched_rule: {
        auto* rule = new QFrame(parent);
        rule->setFrameShape(QFrame::HLine);
        rule->setFrameShadow(QFrame::Sunken);
        return rule;
    }
    }
    return nullptr;
}

// What a control's contents need, in pixels.
QSize neededBy(const ControlDescription& control, QWidget* widget)
{
    switch (control.kind) {
    case ControlKind::input_box:
    case ControlKind::output_box:
        // As tall as Qt's line edit needs for its font; as wide as drawn: a
        // text wider than its box scrolls in it.
        return {0, widget->minimumSizeHint().height()};
    case ControlKind::button:
    case ControlKind::default_button: {
        // The caption inside the bevel; the style's own size hint would make
        // every button as wide as a dialog's standard ones.
        const auto* button = static_cast<QPushButton*>(widget);
        const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
        const int frame = button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
        return button->fontMetrics().size(Qt::TextShowMnemonic, button->text())
               + QSize(2 * (margin + frame), 2 * frame);
    }
    case ControlKind::remarks: {
        const auto* remarks = static_cast<QPlainTextEdit*>(widget);
        QSizeF lines;
        const QAbstractTextDocumentLayout* layout = remarks->document()->documentLayout();
        for (QTextBlock block = remarks->document()->begin(); block.isValid(); block = block.next()) {
            const QRectF line = layout->blockBoundingRect(block);
            lines = QSizeF(std::max(lines.width(), block.layout()->maximumWidth()), lines.height() + line.height());
        }
        // The caret stands after the longest line too.
        return lines.toSize() + QSize(remarks->cursorWidth(), 0);
    }
    case ControlKind::label:
    case ControlKind::picture:
        return widget->sizeHint();
    case ControlKind::frame:
    case ControlKind::etched_rule:
        break;
    }
    return {};
}

}  // namespace

DescribedControls::DescribedControls(hinomori::conversion::WindowDescription description, QWidget* client)
    : description_(std::move(description)), client_(client)
{
    QWidget* previous = nullptr;
    for (const ControlDescription& control : description_.controls) {
        QWidget* parent = control.container.empty() ? client_ : widget(control.container);
        QWidget* made = make(control, parent);
        made->setObjectName(toQString(control.name));
        if (!control.accessible_name.empty())
            made->setAccessibleName(toQString(control.accessible_name));
        if (control.font != hinomori::conversion::FontRole::standard)
            made->setFont(fontFor(control.font));
        if (control.hidden_at_start)
            made->hide();
        made_.push_back({&control, made});
        if (control.takes_focus()) {
            if (previous)
                QWidget::setTabOrder(previous, made);
            previous = made;
        }
    }
}

int DescribedControls::captionLine() const
{
    int line = 0;
    for (const Made& made : made_) {
        if (made.description->kind == ControlKind::label) {
            const int height = pixelsFromTwips(made.description->twips.height);
            line = line == 0 ? height : std::min(line, height);
        }
    }
    return line;
}

QWidget* DescribedControls::widget(std::u16string_view name) const
{
    const auto found = std::ranges::find(made_, name, [](const Made& made) { return made.description->name; });
    return found == made_.end() ? nullptr : found->widget;
}

QSize DescribedControls::placeIn(std::u16string_view container, QSize drawnArea)
{
    QList<layout::Control> controls;
    std::vector<const Made*> placed;
    // A frame's caption sits on its top edge, drawn one caption line tall:
    // the children keep the gap they were drawn with below it.
    if (const auto* frame = qobject_cast<const QGroupBox*>(widget(container))) {
        const QSize title = frame->fontMetrics().size(Qt::TextShowMnemonic, frame->title());
        controls.append({QRect(0, 0, title.width(), captionLine()), title, false});
    }
    for (const Made& made : made_) {
        const ControlDescription& control = *made.description;
        if (control.container != container || control.kind == ControlKind::etched_rule)
            continue;
        const QRect drawn = pixelsFromTwips(control.twips);
        const QSize needed = control.kind == ControlKind::frame ? placeIn(control.name, drawn.size())
                                                               : neededBy(control, made.widget);
        controls.append({drawn, needed, control.alignment == hinomori::conversion::Alignment::centre});
        placed.push_back(&made);
    }
    const layout::Placement placement = layout::place(controls, drawnArea);
    const qsizetype first = controls.size() - static_cast<qsizetype>(placed.size());
    for (std::size_t i = 0; i < placed.size(); ++i)
        placed[i]->widget->setGeometry(placement.controls[first + static_cast<qsizetype>(i)]);
    return placement.area;
}

void DescribedControls::place()
{
    const QSize client = placeIn({}, QSize(pixelsFromTwips(description_.client_width_twips),
                                          pixelsFromTwips(description_.client_height_twips)));
    client_->setFixedSize(client);
    // The etched rule spans the client area, however wide it grew.
    for (const Made& made : made_) {
        if (made.description->kind == ControlKind::etched_rule)
            made.widget->setGeometry(0, pixelsFromTwips(made.description->twips.top), client.width(),
                                     pixelsFromTwips(made.description->twips.height));
    }
}

}  // namespace hinomori::ui
