#pragma once

// Where a described window's controls go, in pixels, when their fonts need
// more room than the window was drawn with (a larger desktop font or text
// size, a face with a tall line box such as Noto CJK's): each control grows
// to the size it needs, the ones it then overlaps move off it, and the
// client area grows to hold them. At the fonts the window was drawn for,
// everything stays where it was drawn. Both windows lay themselves out so;
// each measures what its controls need with its own toolkit.

#include "ui/form/form.h"

#include <functional>
#include <vector>

namespace hinomori::ui::form {

struct PixelSize {
    int width = 0;
    int height = 0;
    bool operator==(const PixelSize&) const = default;
};

struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int right() const noexcept { return left + width; }    // one past the last column
    int bottom() const noexcept { return top + height; }  // one past the last row
    bool operator==(const PixelRect&) const = default;
};

// Twips at `dpi` dots per inch, rounded to the nearest pixel, halves away from zero.
int pixels_from_twips(int twips, int dpi) noexcept;
PixelRect pixels_from_twips(const TwipsRect& twips, int dpi) noexcept;

struct GrowingControl {
    PixelRect drawn;   // as described
    PixelSize needed;  // what its contents need; smaller sizes leave it as drawn
    bool centred;      // its text is centred: it grows on both sides
};

struct Placement {
    std::vector<PixelRect> controls;  // in the order given
    PixelSize area;                   // the container's size
};

// Each control grows to what it needs: about its middle in height, to the
// right in width, or on both sides when centred. Controls then move apart
// until each keeps the gap it was drawn with to its neighbours on the left
// and above: a control moving right takes the rest of its row along, one
// moving down its row and everything below. The area keeps the smallest
// margin it was drawn with on the right and at the bottom, and a control
// drawn centred in it stays centred.
Placement place(const std::vector<GrowingControl>& controls, PixelSize drawn_area);

// What a control's contents need at its font, as its toolkit measures them.
// For a frame, its caption on the top edge.
using NeededSize = std::function<PixelSize(const ControlDescription&)>;

struct WindowLayout {
    std::vector<PixelRect> controls;  // in the description's order, each in its container
    PixelSize client;

    // Where the control named `name` stands in the client area.
    PixelRect in_client(const WindowDescription& window, std::u16string_view name) const;
};

// Lays every control of `window` out at `dpi`, as place() does, frames with
// what they hold. A frame's caption takes the height of a caption line, the
// shortest label's, or what it needs if more. The etched rule spans the
// client area, however wide it grew.
WindowLayout lay_out(const WindowDescription& window, int dpi, const NeededSize& needed);

}  // namespace hinomori::ui::form
