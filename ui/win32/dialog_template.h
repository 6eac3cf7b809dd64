#pragma once

#include "ui/form/form.h"

#include <windows.h>

#include <vector>

namespace hinomori::ui::win32 {

// An in-memory extended dialog template (DLGTEMPLATEEX) of `window`: its
// caption and frame, and its controls in tab order with their classes,
// styles, IDs and captions, for DialogBoxIndirectParamW. Where they stand is
// not in it: dialog units would round the twips twice and depend on a font,
// so the dialog places its controls in pixels at its monitor's DPI when it
// opens, as it does again when the DPI changes.
class DialogTemplate {
public:
    explicit DialogTemplate(const form::WindowDescription& window);

    const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(units_.data()); }

private:
    void add(WORD unit) { units_.push_back(unit); }
    void add(DWORD value);
    void add(std::u16string_view text);
    void alignToDword();

    // In units of a WORD: the template is read as WORDs and DWORDs, each on
    // its own boundary from the start, which the allocation aligns.
    std::vector<WORD> units_;
};

}  // namespace hinomori::ui::win32
