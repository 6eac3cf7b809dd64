#pragma once

// The fonts of both windows. Each asks for what the window's description
// names (the Windows face, a size in points) and falls back to the faces
// Debian ships; the controls then take the room their font needs
// (ui/form/form_layout.h), so no font is ever made smaller to fit.

#include "ui/form/form.h"

#include <QFont>

namespace hinomori::ui {

// The desktop's own font, in its size; in its face too where that face has
// Japanese, else in the first Japanese face of the fallbacks the machine
// has: fontconfig alone may pick a Chinese face for kanji.
QFont defaultFont();

// The font a control of `role` asks for. The text boxes' bold (the
// era-change emphasis) is `fontFor(FontRole::text_box)` made bold.
QFont fontFor(hinomori::ui::form::FontRole role);

}  // namespace hinomori::ui
