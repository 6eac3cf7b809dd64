#include "ui/win32/dialog_template.h"

#include "ui/win32/form_builder.h"

namespace hinomori::ui::win32 {

DialogTemplate::DialogTemplate(const form::WindowDescription& window)
{
    // DLGTEMPLATEEX: version 1, then the 0xFFFF that marks the extended form.
    add(WORD{1});
    add(WORD{0xFFFF});
    add(DWORD{0});  // help ID
    add(DWORD{0});  // extended style
    add(DWORD{WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME});
    add(static_cast<WORD>(window.controls.size()));
    for (int i = 0; i < 4; ++i)
        add(WORD{0});  // x, y, cx, cy
    add(WORD{0});      // no menu
    add(WORD{0});      // the dialog manager's own class
    add(window.caption);

    for (const form::ControlDescription& control : window.controls) {
        // DLGITEMTEMPLATEEX, each on a DWORD boundary.
        alignToDword();
        const ControlClass kind = controlClass(control);
        add(DWORD{0});  // help ID
        add(kind.exStyle);
        add(WS_CHILD | kind.style);
        for (int i = 0; i < 4; ++i)
            add(WORD{0});
        add(static_cast<DWORD>(controlId(window, control.name)));
        add(std::u16string_view(reinterpret_cast<const char16_t*>(kind.name)));
        add(control.caption);
        add(WORD{0});  // no creation data
    }
}

void DialogTemplate::add(DWORD value)
{
    add(LOWORD(value));
    add(HIWORD(value));
}

void DialogTemplate::add(std::u16string_view text)
{
    for (const char16_t unit : text)
        add(static_cast<WORD>(unit));
    add(WORD{0});
}

void DialogTemplate::alignToDword()
{
    if (units_.size() % 2 != 0)
        add(WORD{0});
}

}  // namespace hinomori::ui::win32
