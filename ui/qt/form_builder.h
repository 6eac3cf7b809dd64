#pragma once

#include "ui/form/form.h"

#include <QWidget>

#include <string_view>
#include <vector>

namespace hinomori::ui {

// A window's controls made from its description, with Qt's own widgets: one
// per described control, named as described, in its container, with its
// caption, accessible name, font, alignment and input rule, hidden if it
// starts hidden, and in the described tab order.
class DescribedControls {
public:
    DescribedControls(hinomori::ui::form::WindowDescription description, QWidget* client);
    DescribedControls(const DescribedControls&) = delete;
    DescribedControls& operator=(const DescribedControls&) = delete;

    const hinomori::ui::form::WindowDescription& description() const { return description_; }

    // The control made for `name`, which must be one of the description's.
    template <typename Control>
    Control* find(std::u16string_view name) const
    {
        return qobject_cast<Control*>(widget(name));
    }
    QWidget* widget(std::u16string_view name) const;

    // Gives every control its described place, grown where its font and text
    // need more room (ui/form/form_layout.h), and the client its size:
    // the described client area, grown to hold them. A hidden control is
    // given the height of a line in its font; its text is measured when the
    // window, having shown it, places the controls again. The warning,
    // hidden in most runs, then loads none of its glyphs before the first paint.
    void place();

private:
    struct Made {
        const hinomori::ui::form::ControlDescription* description;
        QWidget* widget;
    };

    hinomori::ui::form::WindowDescription description_;
    QWidget* client_;
    std::vector<Made> made_;
};

}  // namespace hinomori::ui
