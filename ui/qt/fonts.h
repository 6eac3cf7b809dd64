#pragma once

// Japanese fonts. Each asks for the Windows face first and falls back to the
// faces Debian ships (IPA, then Noto CJK). Sizes are in pixels, so text and
// the twip layout scale together. Each font is made as large as it can be
// while the glyphs of a line stay inside the height the layout gives it:
// what must fit is the ink, not the font's line box, which for Noto CJK is
// nearly half as tall again as its glyphs.

#include <QFont>

namespace hinomori::ui {

// The controls' default face, 9 pt gothic, a caption's line in 12 pixels.
// Fixed-pitch IPA comes before proportional IPA: its half-width digits keep
// the remarks panel's columns aligned and inside the panel.
QFont defaultFont();

// The default face for the remarks panel: its six lines in 76 pixels, as
// the panel lays them out (see accessibility::ReadableLines).
QFont remarksFont();

// Fixed-pitch gothic for the four text boxes, 12 pt at 96 dpi.
QFont textBoxFont();

// The text boxes' font in bold, for the era-change emphasis. The boxes prefer
// a face with a real bold style: Qt's synthesised bold thickens the strokes
// by a fraction of the font's size in device-independent pixels, so on a
// high-DPI screen it darkens the text far less than at 96 dpi (Qt 6.4, 6.8).
QFont emphasisFont();

// Proportional gothic, bold, 11.25 pt at 96 dpi, for the era-change warning.
QFont attentionFont();

}  // namespace hinomori::ui
