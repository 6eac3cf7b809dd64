#include "ui/form/form_layout.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace hinomori::ui::form {

namespace {

bool drawn_centred_in(const PixelRect& drawn, PixelSize area)
{
    // Twips round to pixels on both sides: one pixel off is still centred.
    return std::abs(2 * drawn.left + drawn.width - area.width) <= 1;
}

bool rows_overlap(const PixelRect& a, const PixelRect& b)
{
    return a.top < b.bottom() && b.top < a.bottom();
}

bool columns_overlap(const PixelRect& a, const PixelRect& b)
{
    return a.left < b.right() && b.left < a.right();
}

void translate(PixelRect& rect, int right, int down)
{
    rect.left += right;
    rect.top += down;
}

// Moves controls apart until each keeps at least the gap it was drawn with
// to the controls beside and above it. A control that moves takes along
// what stands after it: its row-mates and everything below it when it
// moves down, the rest of its row when it moves right. Every move goes right
// or down, so this ends; the bound only guards against a bad drawing.
void separate(const std::vector<GrowingControl>& controls, std::vector<PixelRect>& placed)
{
    const std::size_t count = placed.size();
    const auto shift = [&](std::size_t mover, int right, int down) {
        const PixelRect& from = controls[mover].drawn;
        for (std::size_t k = 0; k < count; ++k) {
            const PixelRect& drawn = controls[k].drawn;
            const bool after = down > 0 ? rows_overlap(drawn, from) || drawn.top >= from.top
                                        : rows_overlap(drawn, from) && drawn.left >= from.left;
            if (after)
                translate(placed[k], right, down);
        }
    };
    for (std::size_t pass = 0; pass <= count * count; ++pass) {
        bool moved = false;
        for (std::size_t i = 0; i < count; ++i) {
            for (std::size_t j = 0; j < count; ++j) {
                const PixelRect& first = controls[i].drawn;
                const PixelRect& second = controls[j].drawn;
                if (i == j)
                    continue;
                if (rows_overlap(first, second) && second.left >= first.right()) {
                    const int gap = second.left - first.right();
                    if (const int missing = placed[i].right() + gap - placed[j].left; missing > 0) {
                        shift(j, missing, 0);
                        moved = true;
                    }
                } else if (columns_overlap(first, second) && second.top >= first.bottom()) {
                    const int gap = second.top - first.bottom();
                    if (const int missing = placed[i].bottom() + gap - placed[j].top; missing > 0) {
                        shift(j, 0, missing);
                        moved = true;
                    }
                }
            }
        }
        if (!moved)
            return;
    }
}

class WindowPlacer {
public:
    WindowPlacer(const WindowDescription& window, int dpi, const NeededSize& needed)
        : window_(window), dpi_(dpi), needed_(needed), layout_{std::vector<PixelRect>(window.controls.size()), {}}
    {
    }

    WindowLayout lay_out()
    {
        layout_.client = place_in({}, {pixels_from_twips(window_.client_width_twips, dpi_),
                                       pixels_from_twips(window_.client_height_twips, dpi_)});
        for (std::size_t i = 0; i < window_.controls.size(); ++i) {
            const ControlDescription& control = window_.controls[i];
            if (control.kind == ControlKind::etched_rule) {
                const PixelRect drawn = pixels_from_twips(control.twips, dpi_);
                layout_.controls[i] = {0, drawn.top, layout_.client.width, drawn.height};
            }
        }
        return layout_;
    }

private:
    // Places what `container` holds in its drawn area; returns the area it then needs.
    PixelSize place_in(std::u16string_view container, PixelSize drawn_area)
    {
        std::vector<GrowingControl> growing;
        std::vector<std::size_t> placed;
        // A frame's caption sits on its top edge, drawn one caption line
        // tall: what it holds keeps the gap it was drawn with below it.
        if (!container.empty()) {
            const PixelSize caption = needed_(window_.control(container));
            growing.push_back({{0, 0, caption.width, caption_line()}, caption, false});
        }
        for (std::size_t i = 0; i < window_.controls.size(); ++i) {
            const ControlDescription& control = window_.controls[i];
            if (control.container != container || control.kind == ControlKind::etched_rule)
                continue;
            const PixelRect drawn = pixels_from_twips(control.twips, dpi_);
            const bool button = control.kind == ControlKind::button || control.kind == ControlKind::default_button;
            growing.push_back({drawn,
                               control.kind == ControlKind::frame ? place_in(control.name, {drawn.width, drawn.height})
                                                                  : needed_(control),
                               button || control.alignment == Alignment::centre});
            placed.push_back(i);
        }
        const Placement placement = place(growing, drawn_area);
        const std::size_t first = growing.size() - placed.size();
        for (std::size_t k = 0; k < placed.size(); ++k)
            layout_.controls[placed[k]] = placement.controls[first + k];
        return placement.area;
    }

    int caption_line() const
    {
        int line = 0;
        for (const ControlDescription& control : window_.controls) {
            if (control.kind == ControlKind::label) {
                const int height = pixels_from_twips(control.twips.height, dpi_);
                line = line == 0 ? height : std::min(line, height);
            }
        }
        return line;
    }

    const WindowDescription& window_;
    const int dpi_;
    const NeededSize& needed_;
    WindowLayout layout_;
};

}  // namespace

int pixels_from_twips(int twips, int dpi) noexcept
{
    return static_cast<int>(std::lround(static_cast<double>(twips) * dpi / 1440.0));
}

PixelRect pixels_from_twips(const TwipsRect& twips, int dpi) noexcept
{
    return {pixels_from_twips(twips.left, dpi), pixels_from_twips(twips.top, dpi),
            pixels_from_twips(twips.width, dpi), pixels_from_twips(twips.height, dpi)};
}

Placement place(const std::vector<GrowingControl>& controls, PixelSize drawn_area)
{
    std::vector<PixelRect> placed;
    std::vector<bool> centred_in_area;
    int drawn_right = 0;
    int drawn_bottom = 0;
    for (const GrowingControl& control : controls) {
        const bool centred = drawn_centred_in(control.drawn, drawn_area);
        const bool both_sides = control.centred || centred;
        const int wider = std::max(0, control.needed.width - control.drawn.width);
        const int taller = std::max(0, control.needed.height - control.drawn.height);
        PixelRect grown = control.drawn;
        grown.left -= both_sides ? wider / 2 : 0;
        grown.top -= taller / 2;
        grown.width += wider;
        grown.height += taller;
        placed.push_back(grown);
        centred_in_area.push_back(centred);
        drawn_right = std::max(drawn_right, control.drawn.right());
        drawn_bottom = std::max(drawn_bottom, control.drawn.bottom());
    }
    separate(controls, placed);

    const int right_margin = std::max(0, drawn_area.width - drawn_right);
    const int bottom_margin = std::max(0, drawn_area.height - drawn_bottom);
    const auto width_for = [&] {
        int width = drawn_area.width;
        for (std::size_t i = 0; i < placed.size(); ++i) {
            width = std::max(width, centred_in_area[i] ? placed[i].width + 2 * right_margin
                                                       : placed[i].right() + right_margin);
        }
        return width;
    };
    const int wider = width_for() - drawn_area.width;
    if (wider > 0) {
        for (std::size_t i = 0; i < placed.size(); ++i) {
            if (centred_in_area[i])
                translate(placed[i], wider / 2, 0);
        }
        separate(controls, placed);
    }

    // Nothing grows out past the top or the left.
    for (PixelRect& rect : placed) {
        rect.left = std::max(0, rect.left);
        rect.top = std::max(0, rect.top);
    }
    int height = drawn_area.height;
    for (const PixelRect& rect : placed)
        height = std::max(height, rect.bottom() + bottom_margin);
    return {placed, {std::max(width_for(), drawn_area.width + wider), height}};
}

PixelRect WindowLayout::in_client(const WindowDescription& window, std::u16string_view name) const
{
    // Laid out in the description's order: a control's place is at its index.
    const auto placed = [&](std::u16string_view named) {
        return controls.at(static_cast<std::size_t>(&window.control(named) - window.controls.data()));
    };
    PixelRect rect = placed(name);
    if (const std::u16string_view frame = window.control(name).container; !frame.empty())
        translate(rect, placed(frame).left, placed(frame).top);
    return rect;
}

WindowLayout lay_out(const WindowDescription& window, int dpi, const NeededSize& needed)
{
    return WindowPlacer(window, dpi, needed).lay_out();
}

}  // namespace hinomori::ui::form
