#pragma once

#include "ui/form/form.h"

#include <QWidget>

#include <string_view>
#include <vector>

namespace hinomori::ui {

// A window's controls made from its description, with Qt's own widgets: each
// named as described, in its container, with its caption, accessible name,
// font and input rule, hidden if only the emphasis shows it. The window makes
// the controls it works with itself, through add(), and then the rest, which
// it only shows, through addTheRest(); the tab order is the described one.
class FormControls {
public:
    FormControls(form::WindowDescription description, QWidget* client);
    FormControls(const FormControls&) = delete;
    FormControls& operator=(const FormControls&) = delete;

    const form::WindowDescription& description() const { return description_; }

    // Makes the control described as `name`, which must be one of the
    // description's and be made as a `Control`.
    template <typename Control>
    Control* add(std::u16string_view name)
    {
        return static_cast<Control*>(make(description_.control(name)));
    }
    // Makes every described control not made yet, and sets the tab order.
    void addTheRest();

    // Gives every control its described place, grown where its font and text
    // need more room (ui/form/form_layout.h), and the client its size: the
    // described client area, grown to hold them. A hidden control is given
    // the height of a line in its font; its text is measured when the
    // emphasis shows it and the controls are placed again. The warning,
    // hidden in most runs, then loads none of its glyphs before the first paint.
    void place();

    // The era-change emphasis, up or down, on the controls it changes.
    void setEmphasis(bool raised);

private:
    QWidget* make(const form::ControlDescription& control);
    // Where the control stands in the description, and in made_.
    std::size_t indexOf(const form::ControlDescription& control) const;

    form::WindowDescription description_;
    QWidget* client_;
    std::vector<QWidget*> made_;  // in the description's order; null until made
};

}  // namespace hinomori::ui
