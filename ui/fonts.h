#pragma once

// Japanese fonts. Each asks for the Windows face first and falls back to the
// faces Debian ships (IPA, then Noto CJK), so the layout keeps its proportions
// wherever it runs. Sizes are in pixels so text and the twip layout scale
// together.

#include <QFont>

namespace hinomori::ui {

// The controls' default face: proportional gothic, 9 pt at 96 dpi.
QFont defaultFont();

// Fixed-pitch gothic for the four text boxes, 12 pt at 96 dpi.
QFont textBoxFont();

// Proportional gothic, bold, 11.25 pt at 96 dpi, for the era-change warning.
QFont attentionFont();

}  // namespace hinomori::ui
