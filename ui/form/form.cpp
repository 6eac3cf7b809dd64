#include "ui/form/form.h"

#include <algorithm>

namespace hinomori::ui::form {

FontRequest font_request(FontRole role) noexcept
{
    switch (role) {
    case FontRole::text_box:
        return {u"ＭＳ ゴシック", 12 * 20, false, true};
    case FontRole::attention:
        return {u"ＭＳ Ｐゴシック", 225, true, false};
    case FontRole::standard:
        break;
    }
    return {u"", 0, false, false};
}

bool ControlDescription::takes_focus() const noexcept
{
    switch (kind) {
    case ControlKind::input_box:
    case ControlKind::output_box:
    case ControlKind::button:
    case ControlKind::default_button:
    case ControlKind::remarks:
        return true;
    case ControlKind::label:
    case ControlKind::frame:
    case ControlKind::picture:
    case ControlKind::etched_rule:
        break;
    }
    return false;
}

const ControlDescription& WindowDescription::control(std::u16string_view wanted) const
{
    return *std::ranges::find(controls, wanted, &ControlDescription::name);
}

}  // namespace hinomori::ui::form
