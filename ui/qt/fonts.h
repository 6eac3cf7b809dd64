#pragma once

// Japanese fonts. Each asks for the Windows face first and falls back to the
// faces Debian ships (IPA, then Noto CJK). Sizes are in pixels, so text and
// the twip layout scale together, and each font is made small enough that one
// line fits the height the layout gives it: the fallback faces run taller
// than the Windows ones at the same size.

#include <QFont>

namespace hinomori::ui {

// The controls' default face: 9 pt gothic, one line in 12 pixels. Fixed-pitch
// IPA comes before proportional IPA: its half-width digits keep the remarks
// panel's columns aligned and inside the panel.
QFont defaultFont();

// Fixed-pitch gothic for the four text boxes, 12 pt at 96 dpi.
QFont textBoxFont();

// Proportional gothic, bold, 11.25 pt at 96 dpi, for the era-change warning.
QFont attentionFont();

}  // namespace hinomori::ui
