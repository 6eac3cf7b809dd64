#pragma once

// The version dialog frmAbout, as both windows build and fill it: its
// controls, the version as it shows it, what screen readers read when it
// opens, and the colour of its title.

#include "ui/form/form.h"

#include <string>
#include <string_view>

namespace hinomori::ui::about_window {

form::WindowDescription description();

// The version dialog's version: "Ver.", the major version, ".", and the
// minor version in at least two digits (Ver.1.00, Ver.1.05, Ver.2.12).
std::u16string version_text(int major, int minor);

// What screen readers read of the version dialog when it opens, after its
// title: the name, the version and the copyright notice, one after the other.
// On their own they would skip labels of one word, and Japanese has no spaces.
std::u16string about_description(std::u16string_view version, std::u16string_view copyright);

// Whether black text reads on a background of that colour (0–255 each), by
// its luma. The title is black only where it does.
bool black_reads_on(int red, int green, int blue) noexcept;

}  // namespace hinomori::ui::about_window
