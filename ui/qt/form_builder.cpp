#include "ui/qt/form_builder.h"

#include "ui/form/form_layout.h"
#include "ui/qt/core_text.h"
#include "ui/qt/fonts.h"
#include "ui/qt/main/text_box.h"
#include "ui/qt/program_icon.h"

#include <QAbstractTextDocumentLayout>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTextBlock>

#include <algorithm>
#include <cmath>

using hinomori::ui::form::ControlDescription;
using hinomori::ui::form::ControlKind;
using hinomori::ui::form::PixelSize;

namespace hinomori::ui {

namespace {

// Qt lays windows out in device-independent pixels and scales those on high-DPI screens.
constexpr int deviceIndependentDpi = 96;

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

QWidget* makeWidget(const ControlDescription& control, QWidget* parent)
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
        if (control.alignment == hinomori::ui::form::Alignment::centre)
            label->setAlignment(Qt::AlignCenter);
        return label;
    }
    case ControlKind::frame:
        return new QGroupBox(toQString(control.caption), parent);
    case ControlKind::remarks:
        return makeRemarks(control, parent);
    case ControlKind::picture: {
        auto* picture = new QLabel(parent);
        const auto drawn = hinomori::ui::form::pixels_from_twips(control.twips, deviceIndependentDpi);
        picture->setPixmap(programPicture(QSize(drawn.width, drawn.height), picture->devicePixelRatioF()));
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
        // The caption with the bevel and padding the style draws around it.
        // Asked without the caption's text, or the style makes every button
        // as wide as a dialog's standard ones.
        const auto* button = static_cast<QPushButton*>(widget);
        QStyleOptionButton option;
        option.initFrom(button);
        option.features = button->isDefault()       ? QStyleOptionButton::DefaultButton
                          : button->autoDefault() ? QStyleOptionButton::AutoDefaultButton
                                                  : QStyleOptionButton::None;
        const QSize caption = button->fontMetrics().size(Qt::TextShowMnemonic, button->text());
        return button->style()->sizeFromContents(QStyle::CT_PushButton, &option, caption, button);
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
    case ControlKind::frame: {
        const auto* frame = static_cast<QGroupBox*>(widget);
        return frame->fontMetrics().size(Qt::TextShowMnemonic, frame->title());
    }
    case ControlKind::etched_rule:
        break;
    }
    return {};
}

}  // namespace

FormControls::FormControls(form::WindowDescription description, QWidget* client)
    : description_(std::move(description)), client_(client), made_(description_.controls.size(), nullptr)
{
}

std::size_t FormControls::indexOf(const ControlDescription& control) const
{
    return static_cast<std::size_t>(&control - description_.controls.data());
}

QWidget* FormControls::make(const ControlDescription& control)
{
    QWidget* parent = client_;
    if (!control.container.empty()) {
        const ControlDescription& container = description_.control(control.container);
        parent = made_[indexOf(container)] ? made_[indexOf(container)] : make(container);
    }
    QWidget* widget = makeWidget(control, parent);
    widget->setObjectName(toQString(control.name));
    if (!control.accessible_name.empty())
        widget->setAccessibleName(toQString(control.accessible_name));
    if (control.font != form::FontRole::standard)
        widget->setFont(fontFor(control.font));
    if (control.emphasis == form::Emphasis::shown)
        widget->hide();
    made_[indexOf(control)] = widget;
    return widget;
}

void FormControls::addTheRest()
{
    QWidget* previous = nullptr;
    for (const ControlDescription& control : description_.controls) {
        QWidget* widget = made_[indexOf(control)] ? made_[indexOf(control)] : make(control);
        if (control.takes_focus()) {
            if (previous)
                QWidget::setTabOrder(previous, widget);
            previous = widget;
        }
    }
}

void FormControls::place()
{
    const auto layout = form::lay_out(description_, deviceIndependentDpi, [this](const ControlDescription& control) {
        QWidget* widget = made_[indexOf(control)];
        if (widget->isHidden())
            return PixelSize{0, static_cast<int>(std::ceil(QFontMetricsF(widget->font()).height()))};
        const QSize needed = neededBy(control, widget);
        return PixelSize{needed.width(), needed.height()};
    });
    for (std::size_t i = 0; i < description_.controls.size(); ++i) {
        const auto& placed = layout.controls[i];
        made_[i]->setGeometry(placed.left, placed.top, placed.width, placed.height);
    }
    client_->setFixedSize(layout.client.width, layout.client.height);
}

void FormControls::setEmphasis(bool raised)
{
    for (std::size_t i = 0; i < made_.size(); ++i) {
        const ControlDescription& control = description_.controls[i];
        switch (control.emphasis) {
        case form::Emphasis::bold: {
            QFont font = fontFor(control.font);
            font.setBold(raised);
            made_[i]->setFont(font);
            break;
        }
        case form::Emphasis::shown:
            made_[i]->setVisible(raised);
            break;
        case form::Emphasis::none:
            break;
        }
    }
    if (raised)
        place();  // the warning's text, measured now that it shows
}

}  // namespace hinomori::ui
