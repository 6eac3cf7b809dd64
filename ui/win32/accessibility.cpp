#include "ui/win32/accessibility.h"

#include "ui/win32/window_text.h"

#include <initguid.h>

#include <oleacc.h>

#include <string>

namespace hinomori::ui::win32 {

namespace {

// UI Automation's LiveSetting property, as an annotation of an MSAA control.
// {C12BCD8E-2A8E-4950-8AE7-3625111D58EB}
DEFINE_GUID(liveSettingProperty, 0xc12bcd8e, 0x2a8e, 0x4950, 0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb);

constexpr long livePolite = 1;  // LiveSetting_Polite: spoken after what is being said

// Sets a property whose value is a number (a role, a live setting) on the
// client object of `window`.
bool setNumber(IAccPropServices& services, HWND window, MSAAPROPID property, long value)
{
    VARIANT number;
    VariantInit(&number);
    number.vt = VT_I4;
    number.lVal = value;
    return SUCCEEDED(services.SetHwndProp(window, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, property, number));
}

}  // namespace

AccessibleTexts::AccessibleTexts()
{
    const HRESULT started = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    comStarted_ = SUCCEEDED(started);
    void* services = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                                   &services)))
        services_ = static_cast<IAccPropServices*>(services);
}

AccessibleTexts::~AccessibleTexts()
{
    clear();
    if (services_)
        services_->Release();
    if (comStarted_)
        CoUninitialize();
}

void AccessibleTexts::setName(HWND control, std::u16string_view name)
{
    if (!services_)
        return;
    const std::wstring text = wide(name);
    if (SUCCEEDED(services_->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, PROPID_ACC_NAME,
                                            text.c_str())))
        annotated_.push_back(control);
}

void AccessibleTexts::makeDialog(HWND window, std::u16string_view description)
{
    if (!services_)
        return;
    const std::wstring text = wide(description);
    const bool roleSet = setNumber(*services_, window, PROPID_ACC_ROLE, ROLE_SYSTEM_DIALOG);
    const bool described = SUCCEEDED(services_->SetHwndPropStr(window, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                                               PROPID_ACC_DESCRIPTION, text.c_str()));
    if (roleSet || described)
        annotated_.push_back(window);
}

void AccessibleTexts::makeLiveRegion(HWND control)
{
    if (!services_)
        return;
    if (setNumber(*services_, control, liveSettingProperty, livePolite))
        annotated_.push_back(control);
}

void AccessibleTexts::announce(HWND control, std::u16string_view sentence)
{
    setText(control, sentence);
    NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, control, OBJID_CLIENT, CHILDID_SELF);
}

void AccessibleTexts::clear()
{
    if (!services_)
        return;
    const MSAAPROPID properties[] = {PROPID_ACC_NAME, PROPID_ACC_ROLE, PROPID_ACC_DESCRIPTION, liveSettingProperty};
    for (HWND control : annotated_)
        services_->ClearHwndProps(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, properties,
                                  static_cast<int>(std::size(properties)));
    annotated_.clear();
}

}  // namespace hinomori::ui::win32
