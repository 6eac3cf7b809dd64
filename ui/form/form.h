#pragma once

// A window as data: every control with its name, kind, place, caption, the
// font it asks for and what the user may put into it; the menus; the client
// area. The Qt window and the Windows window each build themselves from such
// a description with their own toolkit, so the two never describe a window
// twice. The program's two are ui/main/main_window.h and ui/about/about_window.h.

#include "conversion/input_folding.h"

#include <string>
#include <string_view>
#include <vector>

namespace hinomori::ui::form {

using conversion::InputRule;

// Layout unit: the twip, 1/1440 inch; 15 twips make one pixel at 96 dpi.
inline constexpr int twips_per_pixel_at_96_dpi = 15;

struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};

enum class ControlKind {
    input_box,       // a text box the user types into
    output_box,      // a read-only text box on the button face
    button,          // neither the default nor the cancel button
    default_button,  // Enter and Esc in its window press it
    label,           // one line of text
    frame,           // a group box with its caption on the border
    remarks,         // several lines inside a frame, read by screen readers line by line
    picture,         // the program's icon, sized to the picture
    etched_rule,     // a sunken line the width of the client area, under the menu bar
};

enum class Alignment { left, centre };

// The fonts the controls ask for. Each toolkit falls back its own way where
// the face is missing.
enum class FontRole {
    standard,   // the desktop's font for controls
    text_box,   // the four boxes
    attention,  // 年号注意！
};

struct FontRequest {
    std::u16string_view face;  // empty for the desktop's own font
    int twentieths_of_a_point;  // 0 for the desktop's own size
    bool bold;
    bool fixed_pitch;
};

FontRequest font_request(FontRole role) noexcept;

// What the era-change emphasis does to a control.
enum class Emphasis {
    none,
    bold,   // drawn bold while it is up
    shown,  // shown only while it is up, so hidden at start
};

struct ControlDescription {
    std::u16string_view name;  // txtNen, cmdNenConv, …: object names on both platforms
    ControlKind kind;
    TwipsRect twips;               // relative to the container
    std::u16string_view caption;   // as designed; boxes and some labels are filled at load
    std::u16string_view accessible_name = {};  // empty: screen readers read the caption
    FontRole font = FontRole::standard;
    Alignment alignment = Alignment::left;
    InputRule input = InputRule::none;
    Emphasis emphasis = Emphasis::none;
    std::u16string_view container = {};  // empty for the window, else the frame's name

    bool takes_focus() const noexcept;
};

enum class Command { exit, show_manual, show_version };

struct MenuItemDescription {
    std::u16string_view name;
    std::u16string_view caption;  // "&" marks the access key
    Command command;
};

struct MenuDescription {
    std::u16string_view name;
    std::u16string_view caption;
    std::vector<MenuItemDescription> items;
};

enum class WindowKind {
    main,    // fixed single border, minimise box, no maximise box; closing it ends the program
    dialog,  // fixed dialog border, no minimise or maximise box, not in the taskbar; modal
};

struct WindowDescription {
    std::u16string_view name;
    WindowKind kind;
    std::u16string_view caption;
    int client_width_twips;
    int client_height_twips;  // below the menu bar
    std::vector<ControlDescription> controls;  // in tab order
    std::vector<MenuDescription> menus;

    // The control named `name`; the name must be one of the window's.
    const ControlDescription& control(std::u16string_view name) const;
};

}  // namespace hinomori::ui::form
