#include "ui/about/about_window.h"

#include "date/text_routines.h"

namespace hinomori::ui::about_window {

form::WindowDescription description()
{
    using form::Alignment;
    using form::WindowKind;
    using enum form::ControlKind;
    return {
        .name = u"frmAbout",
        .kind = WindowKind::dialog,
        .caption = u"ひのもりのバージョン情報",
        .client_width_twips = 3180,
        .client_height_twips = 1845,
        .controls = {
            {.name = u"cmdOk", .kind = default_button, .twips = {1065, 1350, 1050, 345}, .caption = u"OK"},
            {.name = u"picIcon", .kind = picture, .twips = {315, 195, 480, 480}, .caption = u""},
            {.name = u"lblTitle", .kind = label, .twips = {975, 360, 1035, 180}, .caption = u"ひのもり"},
            {.name = u"lblVersion", .kind = label, .twips = {2115, 360, 750, 180}, .caption = u"Ver."},
            {.name = u"lblCopyright", .kind = label, .twips = {285, 945, 2610, 180}, .caption = u"",
             .alignment = Alignment::centre},
        },
        .menus = {},
    };
}

std::u16string version_text(int major, int minor)
{
    return u"Ver." + date::to_padded_digits(major, 1) + u"." + date::to_padded_digits(minor, 2);
}

std::u16string about_description(std::u16string_view version, std::u16string_view copyright)
{
    std::u16string text = u"ひのもり ";
    text += version;
    text += u' ';
    text += copyright;
    return text;
}

bool black_reads_on(int red, int green, int blue) noexcept
{
    // ITU-R BT.601 luma, in thousandths.
    return red * 299 + green * 587 + blue * 114 >= 128 * 1000;
}

}  // namespace hinomori::ui::about_window
