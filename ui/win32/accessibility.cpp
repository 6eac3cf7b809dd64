#include "ui/win32/accessibility.h"

#include "ui/win32/window_text.h"

#include <initguid.h>

#include <oleacc.h>
#include <uiautomationcore.h>

#include <algorithm>
#include <string>
#include <utility>

namespace hinomori::ui::win32 {

namespace {

// UI Automation's LiveSetting property, as an annotation of an MSAA control.
// {C12BCD8E-2A8E-4950-8AE7-3625111D58EB}
DEFINE_GUID(liveSettingProperty, 0xc12bcd8e, 0x2a8e, 0x4950, 0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb);

constexpr long livePolite = 1;  // LiveSetting_Polite: spoken after what is being said

// NotificationKind_ActionCompleted and NotificationProcessing_MostRecent:
// the result of what the user did, superseding an earlier one not yet spoken.
constexpr int actionCompleted = 2;
constexpr int mostRecent = 3;

// Sets a property whose value is a number (a role, a live setting) on the
// client object of `window`.
bool setNumber(IAccPropServices& services, HWND window, MSAAPROPID property, long value)
{
    VARIANT number{};
    number.vt = VT_I4;
    number.lVal = value;
    return SUCCEEDED(services.SetHwndProp(window, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, property, number));
}

// A function of UI Automation's DLL, which is loaded only for a
// notification (MinGW's linker cannot delay-load it), from the system folder
// alone; null where it is missing.
template <typename Function>
Function fromUiAutomation(const char* name)
{
    HMODULE module = LoadLibraryExW(L"uiautomationcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    return module ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

// Raises a UI Automation notification from `window`, where Windows has them.
bool notify(HWND window, std::u16string_view sentence)
{
    using HostProvider = HRESULT(WINAPI*)(HWND, IRawElementProviderSimple**);
    using RaiseNotification = HRESULT(WINAPI*)(IRawElementProviderSimple*, int, int, BSTR, BSTR);
    // Windows before 10 1709 lacks it.
    static const auto raise = fromUiAutomation<RaiseNotification>("UiaRaiseNotificationEvent");
    if (!raise)
        return false;
    static const auto hostProvider = fromUiAutomation<HostProvider>("UiaHostProviderFromHwnd");
    IRawElementProviderSimple* provider = nullptr;
    if (!hostProvider || FAILED(hostProvider(window, &provider)) || !provider)
        return false;
    const std::wstring units = wide(sentence);
    BSTR text = SysAllocString(units.c_str());
    BSTR activity = SysAllocString(L"hinomori.result");
    const HRESULT raised = raise(provider, actionCompleted, mostRecent, text, activity);
    SysFreeString(activity);
    SysFreeString(text);
    provider->Release();
    return SUCCEEDED(raised);
}

}  // namespace

AccessibleTexts::~AccessibleTexts()
{
    clear();
    if (services_)
        services_->Release();
}

IAccPropServices* AccessibleTexts::services()
{
    // Made once, on the thread's COM apartment (wWinMain starts it); a thread
    // without one gets none, and the window says less.
    if (!std::exchange(servicesAsked_, true)) {
        void* made = nullptr;
        if (SUCCEEDED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                                       &made)))
            services_ = static_cast<IAccPropServices*>(made);
    }
    return services_;
}

void AccessibleTexts::setName(HWND control, std::u16string_view name)
{
    IAccPropServices* annotations = services();
    if (!annotations)
        return;
    const std::wstring text = wide(name);
    if (SUCCEEDED(annotations->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                              PROPID_ACC_NAME, text.c_str())))
        annotated_.push_back(control);
}

void AccessibleTexts::makeDialog(HWND window, std::u16string_view description)
{
    IAccPropServices* annotations = services();
    if (!annotations)
        return;
    const std::wstring text = wide(description);
    const bool roleSet = setNumber(*annotations, window, PROPID_ACC_ROLE, ROLE_SYSTEM_DIALOG);
    const bool described = SUCCEEDED(annotations->SetHwndPropStr(window, static_cast<DWORD>(OBJID_CLIENT),
                                                                 CHILDID_SELF, PROPID_ACC_DESCRIPTION, text.c_str()));
    if (roleSet || described)
        annotated_.push_back(window);
}

void AccessibleTexts::announce(HWND window, HWND announcer, std::u16string_view sentence)
{
    setText(announcer, sentence);
    if (notify(window, sentence))
        return;
    // A live region on a control of no size, which some screen readers take
    // for one off the screen: only where notifications are missing.
    IAccPropServices* annotations = services();
    if (annotations && setNumber(*annotations, announcer, liveSettingProperty, livePolite)
        && std::ranges::find(annotated_, announcer) == annotated_.end())
        annotated_.push_back(announcer);
    NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, announcer, OBJID_CLIENT, CHILDID_SELF);
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
